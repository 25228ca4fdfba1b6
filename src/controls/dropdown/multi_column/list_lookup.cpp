#include "controls/dropdown/multi_column/list_lookup.h"

#include <cmath>

namespace dropdown::listlookup {

QStringList BuildLookupList(const TDropDownItems& items, int lookupColumn)
{
    QStringList list;
    if (lookupColumn < 0) return list;
    list.reserve(items.Count());
    for (int i = 0; i < items.Count(); ++i) list.append(items[i].TextOf(lookupColumn));
    return list;
}

int FindPrefix(const QStringList& candidates, const QString& searched, bool caseSensitive)
{
    if (searched.isEmpty()) return -1;
    const QString key = caseSensitive ? searched : searched.toUpper();
    for (int i = 0; i < candidates.size(); ++i) {
        const QString& c = candidates[i];
        if (c.isEmpty()) continue;
        if (caseSensitive ? c.startsWith(key) : c.toUpper().startsWith(key)) return i;
    }
    return -1;
}

int IndexIgnoringCase(const QStringList& entries, const QString& text)
{
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].compare(text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int IndexExact(const QStringList& entries, const QString& text) { return int(entries.indexOf(text)); }

std::optional<int> SteppedItem(TListStep step, int index, int count)
{
    if (count <= 0) return std::nullopt;
    if (index < 0 && step != lsFirst && step != lsLast) return 0;
    switch (step) {
    case lsPreviousPage: return index - kPageStep >= 0 ? index - kPageStep : 0;
    case lsNextPage: return index + kPageStep < count ? index + kPageStep : count - 1;
    case lsFirst: return 0;
    case lsLast: return count - 1;
    case lsPrevious: return index - 1 >= 0 ? std::optional<int>(index - 1) : std::nullopt;
    case lsNext: return index + 1 < count ? std::optional<int>(index + 1) : std::nullopt;
    }
    return std::nullopt;
}

int AdaptedHeight(int height, int bars, int headerHeight, int rowHeight, int extra)
{
    if (rowHeight <= 0) return height;
    const int avail = height - bars - headerHeight - 2;
    return bars + headerHeight + 2 + (avail / rowHeight) * rowHeight + extra;
}

std::vector<int> SpreadWidths(const std::vector<int>& widths, int avail)
{
    std::vector<int> result;
    if (widths.empty()) return result;
    double total = 1;
    for (int w : widths) total += w;
    const double ratio = double(avail) / total;
    double carried = 0;
    result.reserve(widths.size());
    for (int w : widths) {
        const double t = w * ratio + carried;
        const double r = std::nearbyint(w * ratio);  // halves to the even neighbour
        carried = t - r;
        if (carried > 1.0) {
            result.push_back(int(r) + 1);
            carried -= 1.0;
        } else {
            result.push_back(int(r));
        }
    }
    return result;
}

}  // namespace dropdown::listlookup

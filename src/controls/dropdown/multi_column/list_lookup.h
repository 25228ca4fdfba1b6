#pragma once

// The lookups and the sizing rules the list drop-downs share: the lookup
// list of item texts, prefix searches, whole pages of item rows and the
// spreading of column widths over the pop-up.

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "controls/dropdown/multi_column/dropdown_items.h"

namespace dropdown::listlookup {

// One entry per item, in item order: the item's text in lookupColumn (empty
// when it has none). Empty without items or with a negative column, so that
// entry i always belongs to item i.
QStringList BuildLookupList(const TDropDownItems& items, int lookupColumn);

// The first candidate that begins with searched (upper-cased both unless
// caseSensitive); an empty searched text and an empty candidate never match.
// -1 when none.
int FindPrefix(const QStringList& candidates, const QString& searched, bool caseSensitive);

// The first entry equal to text ignoring case; -1 when none.
int IndexIgnoringCase(const QStringList& entries, const QString& text);

// The first entry equal to text exactly; -1 when none.
int IndexExact(const QStringList& entries, const QString& text);

// The steps of the navigation keys over count items (none without items).
enum TListStep : uint8_t { lsPreviousPage, lsNextPage, lsFirst, lsLast, lsPrevious, lsNext };
constexpr int kPageStep = 10;
std::optional<int> SteppedItem(TListStep step, int index, int count);

// The pop-up height that shows whole item rows: the bars (hf), the header
// row and 2 pixels, then as many rows as fit in the rest, plus extra.
int AdaptedHeight(int height, int bars, int headerHeight, int rowHeight, int extra);

// The column widths spread over avail pixels in proportion to widths,
// rounding each (halves to even) and carrying the rounding error on.
std::vector<int> SpreadWidths(const std::vector<int>& widths, int avail);

}  // namespace dropdown::listlookup

#include "controls/dropdown/multi_column/list_measure.h"

#include <algorithm>

#include "controls/grid/cells/grid_image_list.h"
#include "platform/text_engine.h"

namespace dropdown::listmeasure {

namespace list_measure_detail {

// The text's box measured in a rect w wide and 500 high.
platform::TRect Measured(const QFont& font, const QString& text, int w, unsigned flags)
{
    platform::TRect r(0, 0, w, 500);
    platform::TextEngine::DrawText(nullptr, font, text, r, flags | platform::DT_CALCRECT);
    return r;
}

bool HasImage(const TDropDownItem& item, const TDropDownColumn& column, const TImageList* images)
{
    return column.ColumnType == ctImage && item.ImageIndex >= 0 && images;
}

}  // namespace list_measure_detail

int AutoColumnWidth(const TDropDownItems& items, const TDropDownColumns& columns, int c, const TImageList* images)
{
    using namespace list_measure_detail;
    if (c < 0 || c >= columns.Count()) return 0;
    const TDropDownColumn& column = columns[c];
    int widest = 0;
    for (int i = 0; i < items.Count(); ++i) {
        const TDropDownItem& item = items[i];
        if (!item.HasText(c)) continue;
        int w = 0;
        if (HasImage(item, column, images)) w += images->Width() + 4;
        if (!item.Text[c].isEmpty())
            w += Measured(column.Font, item.Text[c], 1000, platform::DT_SINGLELINE).Width() + 6;
        widest = std::max(widest, w);
    }
    return widest;
}

int WrappedRowHeight(const TDropDownItem& item, const TDropDownColumns& columns, const std::vector<int>& widths,
                     const TImageList* images)
{
    using namespace list_measure_detail;
    int h = kMinWrappedRowHeight;
    for (int c = 0; c < columns.Count(); ++c) {
        const TDropDownColumn& column = columns[c];
        if (!column.Wordwrap || !item.HasText(c)) continue;
        int w = 0;
        if (HasImage(item, column, images)) w = images->Height() + 6;
        if (!item.Text[c].isEmpty()) {
            const int width = c < int(widths.size()) ? widths[size_t(c)] : column.Width;
            w = std::max(w, Measured(column.Font, item.Text[c], width,
                                     platform::DT_WORDBREAK | platform::DT_EDITCONTROL).Height() + 6);
        }
        h = std::max(h, w);
    }
    return h;
}

bool AnyWordwrap(const TDropDownColumns& columns)
{
    for (int c = 0; c < columns.Count(); ++c)
        if (columns[c].Wordwrap) return true;
    return false;
}

void AutoSizeListColumn(platform::GridBase& list, TDropDownColumns& columns, const TDropDownItems& items, int index,
                        const TImageList* images)
{
    if (index < 0 || index >= columns.Count() || !columns[index].AutoSize) return;
    const int w = AutoColumnWidth(items, columns, index, images);
    columns[index].Width = w;
    list.SetColWidths(index, w);
}

void SizeWrappedListRows(platform::GridBase& list, const TDropDownColumns& columns, const TDropDownItems& items,
                         const TImageList* images)
{
    if (!AnyWordwrap(columns)) return;
    std::vector<int> widths;
    for (int c = 0; c < list.ColCount(); ++c) widths.push_back(list.ColWidths(c));
    for (int r = list.FixedRows(); r < list.RowCount() && r - 1 < items.Count(); ++r)
        list.SetRowHeights(r, WrappedRowHeight(items[r - 1], columns, widths, images));
}

}  // namespace dropdown::listmeasure

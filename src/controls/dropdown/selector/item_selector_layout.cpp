#include "controls/dropdown/selector/item_selector_layout.h"

#include <algorithm>

namespace dropdown {

QSize ComputeItemSize(const TItemSizeInput& in)
{
    const int pw = in.Picture.width(), ph = in.Picture.height();
    int cw = in.Caption.width();
    const int ch = in.Caption.height();
    if (cw > 0) cw += 4;
    if (in.Layout == ilCaptionLeft || in.Layout == ilCaptionRight) {
        const int width = 2 * in.ItemOffSetX + (pw > 0 ? pw : 0) + (pw > 0 && cw > 0 ? in.CaptionGap : 0) +
                          (cw > 0 ? cw : 0);
        return {width, std::max(ch, ph) + 2 * in.ItemOffSetY};
    }
    const int height = 2 * in.ItemOffSetY + (ph > 0 ? ph : 0) + (ph > 0 && ch > 0 ? in.CaptionGap : 0) +
                       (ch > 0 ? ch : 0);
    return {std::max(cw, pw) + 2 * in.ItemOffSetX, height};
}

TItemGridLayout LayoutItems(int count, int columns, QSize itemSize, const platform::TRect& content)
{
    TItemGridLayout result;
    if (count <= 0) {
        result.PanelSize = {100, 50};
        return result;
    }
    columns = std::max(columns, 1);
    const int w = itemSize.width(), h = itemSize.height();
    int x = content.Left, y = content.Top, column = 0, widest = 0;
    for (int i = 0; i < count; ++i) {
        result.Items.push_back({x, y, x + w, y + h});
        ++column;
        if (i == count - 1) break;
        if (column < columns) {
            x += w;
        } else {
            widest = std::max(widest, x);
            x = content.Left;
            y += h;
            column = 0;
        }
    }
    widest = std::max(widest, x);
    result.PanelSize = {widest + w + content.Left, y + h + content.Top};
    return result;
}

}  // namespace dropdown

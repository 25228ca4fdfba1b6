#pragma once

// The item selector's arithmetic: one common item size from the largest
// picture and caption, and the items laid out in rows of a fixed number of
// columns.

#include <vector>

#include <QSize>

#include "controls/dropdown/selector/selector_types.h"
#include "platform/geometry.h"

namespace dropdown {

struct TItemSizeInput {
    QSize Picture;  // the largest picture or colour box (0 x 0: none)
    QSize Caption;  // the largest caption (0 x 0: none)
    TItemLayout Layout = ilCaptionRight;
    int ItemOffSetX = 4, ItemOffSetY = 4;
    int CaptionGap = 4;
};
QSize ComputeItemSize(const TItemSizeInput& input);

struct TItemGridLayout {
    std::vector<platform::TRect> Items;
    QSize PanelSize;
};
// count items of itemSize in rows of columns, starting at the content's top
// left; the panel repeats the top and left margins at the bottom and right.
// No items: a 100 x 50 panel.
TItemGridLayout LayoutItems(int count, int columns, QSize itemSize, const platform::TRect& content);

}  // namespace dropdown

#pragma once

// Where a drop-down's pop-up goes on the screen: a pure function of the
// edit's place, the pop-up's size and the screen, so that it can be checked
// without one.

#include <cstdint>

#include <QPoint>
#include <QRect>
#include <QSize>

namespace dropdown {

enum TDropPosition : uint8_t { dpAuto, dpDown, dpUp };

// The smallest pop-up.
constexpr int kMinDropDownWidth = 80;
constexpr int kMinDropDownHeight = 50;

struct TDropDownPlacement {
    QPoint EditTopLeft;  // the edit's top-left corner in screen coordinates
    int EditHeight = 0;
    QSize PopupSize;
    TDropPosition Position = dpAuto;
    QRect Screen;        // the whole screen: dpAuto opens above when the pop-up would reach its bottom
    QRect WorkArea;      // the screen less its panels: the pop-up is kept inside its right edge
};

// The pop-up's top-left corner. Below means overlapping the edit's last
// pixel row (top = edit top + edit height - 1); above means its bottom meets
// the edit's top. dpAuto opens below when the edit's top plus the pop-up's
// height stays above the screen's bottom, else above. A pop-up that starts
// inside the work area and passes its right edge is moved left to end there
// (unless the work area starts left of 0); the vertical place is never
// corrected.
QPoint DropDownPosition(const TDropDownPlacement& placement);

// A pop-up size kept to at least kMinDropDownWidth x kMinDropDownHeight.
QSize ConstrainedDropDownSize(QSize size);

}  // namespace dropdown

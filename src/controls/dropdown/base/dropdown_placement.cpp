#include "controls/dropdown/base/dropdown_placement.h"

#include <algorithm>

namespace dropdown {

QPoint DropDownPosition(const TDropDownPlacement& p)
{
    const QPoint below(p.EditTopLeft.x(), p.EditTopLeft.y() + p.EditHeight - 1);
    const QPoint above(p.EditTopLeft.x(), p.EditTopLeft.y() - p.PopupSize.height());
    QPoint at;
    switch (p.Position) {
    case dpDown: at = below; break;
    case dpUp: at = above; break;
    case dpAuto:
        at = p.Screen.y() + p.Screen.height() > p.EditTopLeft.y() + p.PopupSize.height() ? below : above;
        break;
    }
    const int workLeft = p.WorkArea.x();
    const int workRight = p.WorkArea.x() + p.WorkArea.width();
    if (workLeft >= 0 && at.x() + p.PopupSize.width() > workRight && at.x() >= workLeft && at.x() < workRight)
        at.setX(workRight - p.PopupSize.width());
    return at;
}

QSize ConstrainedDropDownSize(QSize size)
{
    return QSize(std::max(size.width(), kMinDropDownWidth), std::max(size.height(), kMinDropDownHeight));
}

}  // namespace dropdown

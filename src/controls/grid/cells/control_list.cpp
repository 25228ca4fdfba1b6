#include "controls/grid/cells/control_list.h"

#include "controls/grid/grid_error.h"

namespace grid {

void TControlList::CheckIndex(int i) const
{
    if (i < 0 || i >= Count())
        throw EExGridError(QStringLiteral("List index out of bounds (%1)").arg(i).toStdString());
}

void TControlList::AddControl(int x, int y, QWidget* aObject)
{
    FItems.push_back(std::make_unique<TControlItem>(x, y, aObject));
}

int TControlList::ControlIndex(int x, int y) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)]->X == x && FItems[size_t(i)]->Y == y)
            return i;
    return -1;
}

TControlItem* TControlList::GetControl(int i) const
{
    CheckIndex(i);
    return FItems[size_t(i)].get();
}

void TControlList::RemoveControl(int i)
{
    CheckIndex(i);
    FItems.erase(FItems.begin() + i);
}

bool TControlList::HasHandle(WId handle) const
{
    if (handle == 0)
        return false;
    for (const auto& item : FItems)
        if (item->Control && item->Control->internalWinId() == handle)
            return true;
    return false;
}

bool TControlList::HasControl(const QWidget* control) const
{
    if (!control)
        return false;
    for (const auto& item : FItems)
        if (item->Control == control)
            return true;
    return false;
}

}  // namespace grid

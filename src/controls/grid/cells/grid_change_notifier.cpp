#include "controls/grid/cells/grid_change_notifier.h"

#include <algorithm>

namespace grid {

void TGridChangeNotifier::CellsChanged(const QRect&) {}

void TGridNotifierList::RegisterNotifier(TGridChangeNotifier* notifier)
{
    if (!notifier)
        return;
    for (const auto& registered : FNotifiers)
        if (registered == notifier)
            return;
    FNotifiers.emplace_back(notifier);
}

void TGridNotifierList::UnRegisterNotifier(TGridChangeNotifier* notifier)
{
    std::erase_if(FNotifiers, [notifier](const QPointer<TGridChangeNotifier>& registered) {
        return registered.isNull() || registered == notifier;
    });
}

int TGridNotifierList::Count() const
{
    return int(std::count_if(FNotifiers.begin(), FNotifiers.end(),
                             [](const QPointer<TGridChangeNotifier>& n) { return !n.isNull(); }));
}

void TGridNotifierList::NotifyCellsChanged(const QRect& cells)
{
    // A notifier may register or unregister others while it is told, so
    // work on a copy of the list.
    const auto notifiers = FNotifiers;
    for (const auto& notifier : notifiers) {
        if (notifier) {
            const QRect copy = cells;
            notifier->CellsChanged(copy);
        }
    }
}

}  // namespace grid

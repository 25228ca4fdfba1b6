#pragma once

// Components that want to hear about changed cells derive from
// TGridChangeNotifier; a grid keeps the registered ones in a
// TGridNotifierList and tells each of them, in registration order.

#include <vector>

#include <QObject>
#include <QPointer>
#include <QRect>

namespace grid {

class TGridChangeNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The cells in `cells` changed (left/right columns, top/bottom rows,
    // inclusive). Does nothing here.
    virtual void CellsChanged(const QRect& cells);
};

// The registered notifiers of a grid. A notifier destroyed while registered
// drops out by itself.
class TGridNotifierList {
public:
    // Registers once; registering again changes nothing.
    void RegisterNotifier(TGridChangeNotifier* notifier);
    void UnRegisterNotifier(TGridChangeNotifier* notifier);
    int Count() const;
    // Calls CellsChanged of every registered notifier in registration order,
    // each with its own copy of the rectangle.
    void NotifyCellsChanged(const QRect& cells);

private:
    std::vector<QPointer<TGridChangeNotifier>> FNotifiers;
};

}  // namespace grid

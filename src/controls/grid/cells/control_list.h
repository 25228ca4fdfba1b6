#pragma once

// The grid's register of controls placed in cells. The list owns its items,
// never the controls: destroying the list or removing an item leaves the
// control alive. An item forgets a control that is destroyed elsewhere.

#include <memory>
#include <vector>

#include <QPointer>
#include <QWidget>

namespace grid {

class TControlItem {
public:
    TControlItem(int ax, int ay, QWidget* aObject) : X(ax), Y(ay), Control(aObject) {}

    int X;                     // the cell's column
    int Y;                     // the cell's row
    QPointer<QWidget> Control;  // not owned
};

class TControlList {
public:
    TControlList() = default;
    TControlList(const TControlList&) = delete;
    TControlList& operator=(const TControlList&) = delete;

    int Count() const { return int(FItems.size()); }
    void AddControl(int x, int y, QWidget* aObject);
    // Index of the first item of the cell; -1 when none.
    int ControlIndex(int x, int y) const;
    // Item i; raises EExGridError for an index outside the list.
    TControlItem* GetControl(int i) const;
    // Frees item i (not its control); raises EExGridError for an index
    // outside the list.
    void RemoveControl(int i);
    // True when some item's control has the native window `handle`. A
    // control without a native window has no handle to match, so none is
    // created for the question.
    bool HasHandle(WId handle) const;
    // True when some item holds the control.
    bool HasControl(const QWidget* control) const;

private:
    void CheckIndex(int i) const;

    std::vector<std::unique_ptr<TControlItem>> FItems;
};

}  // namespace grid

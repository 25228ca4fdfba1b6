#pragma once

// The string grid in the grid drop-down's pop-up: it loads the drop-down's
// items into its cells (each row carrying its item's index as the row object
// of column 0), sizes columns and rows to their texts, confirms a choice by
// Enter or a click and hands Alt+Up and Alt+Down back to the drop-down.

#include "controls/dropdown/multi_column/list_grid.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace dropdown {
class TCustomExGridDropDown;
extern template class TListGrid<grid::TExStringGrid, TCustomExGridDropDown>;
}

namespace dropdown::griddropdown {

using TExColGridBase = TListGrid<grid::TExStringGrid, TCustomExGridDropDown>;

class TExColGrid : public TExColGridBase {
    Q_OBJECT

public:
    explicit TExColGrid(QWidget* parent = nullptr);

    // Kept from the drop-down; the string grid paints its own lines and look.
    int ListGridLineWidth() const { return FGridLineWidth; }
    void SetListGridLineWidth(int value);

    // ConfirmSelection is also set by Enter in the drop-down's edit and
    // cleared by a close that is not cancelled.

    // The item index a row carries (row object of column 0).
    int RowItem(int ARow) const;
    void LoadItems();
    void LoadFromDropDown(TCustomExGridDropDown* dropDown);
    using grid::TExStringGrid::AutoSizeColumns;
    using TExColGridBase::AutoSizeColumns;

    void HandleKeyDown(platform::Word& Key, platform::TShiftState Shift) override;
    void HandleKeyPress(QChar& Key) override;
    void HandleMouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;

protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace dropdown::griddropdown

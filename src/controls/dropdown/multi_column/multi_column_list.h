#pragma once

// The list in the multi-column drop-down's pop-up: an owner-drawn grid that
// keeps no texts of its own. It takes its row count, widths and colours from
// the drop-down when the pop-up opens and paints every cell straight from
// the drop-down's items.

#include "controls/dropdown/multi_column/list_grid.h"
#include "platform/grid_base.h"

namespace dropdown {
class TExMultiColumnDropDown;
extern template class TListGrid<platform::GridBase, TExMultiColumnDropDown>;
}

namespace dropdown::multicolumn {

using TExColGridBase = TListGrid<platform::GridBase, TExMultiColumnDropDown>;

class TExColGrid : public TExColGridBase {
    Q_OBJECT

public:
    explicit TExColGrid(QWidget* parent = nullptr);

    // The width of the lines the cell painter draws (the grid's own stay 0).
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);

    // Takes the drop-down's columns, counts, widths, colours and options.
    void LoadFromDropDown(TExMultiColumnDropDown& dropDown);

    // Enter and a click on an item row select.
    void HandleKeyDown(platform::Word& Key, platform::TShiftState Shift) override;
    void HandleMouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;

protected:
    void RenderCell(int ACol, int ARow, const platform::TRect& ARect, platform::TGridDrawState AState) override;
};

}  // namespace dropdown::multicolumn

#pragma once

// The list in the multi-column drop-down's pop-up: an owner-drawn grid that
// keeps no texts of its own. It takes its row count, widths and colours from
// the drop-down when the pop-up opens and paints every cell straight from
// the drop-down's items.

#include <functional>

#include <QPointer>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/multi_column/dropdown_items.h"
#include "platform/grid_base.h"

namespace dropdown {
class TExMultiColumnDropDown;
}

namespace dropdown::multicolumn {

class TExColGrid : public platform::GridBase {
    Q_OBJECT

public:
    explicit TExColGrid(QWidget* parent = nullptr);

    TExMultiColumnDropDown* DropDown() const { return FDropDown; }
    void SetDropDown(TExMultiColumnDropDown* value) { FDropDown = value; }

    TDropDownColumns& Columns() { return FColumns; }
    TColor LineColor = 0x808080;
    TColor FixedLineColor = 0x808080;
    TColor HeaderColor = clWhite;
    TColor HeaderColorTo = 0x808080;
    int HeaderHeight = 25;
    platform::TFont HeaderFont;
    // The width of the lines the cell painter draws (the grid's own stay 0).
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value) { FImages = value; }

    // Set by every key-down and mouse press in the list, cleared by every
    // wheel step: a close then takes the highlighted row.
    bool ConfirmSelection = false;
    // On while a wheel step is handled.
    bool Wheel() const { return FWheel; }

    // Takes the drop-down's columns, counts, widths, colours and options.
    void LoadFromDropDown(TExMultiColumnDropDown& dropDown);
    void AutoSizeColumns();
    void AutoSizeColumn(int index);
    void SizeWrappedRows();
    // The width that shows every column (with a vertical scroll bar when
    // not all rows fit).
    int RequiredWidth() const;

    virtual void DoSelect();
    std::function<void(QObject* Sender)> OnSelect;

    // The keys and the mouse as the list gets them.
    void HandleKeyDownMessage(platform::TWMKey& Msg) override;
    void HandleKeyDown(platform::Word& Key, platform::TShiftState Shift) override;
    void HandleMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    void HandleMouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    bool HandleWheelDown(platform::TShiftState Shift, QPoint MousePos) override;
    bool HandleWheelUp(platform::TShiftState Shift, QPoint MousePos) override;

protected:
    void RenderCell(int ACol, int ARow, const platform::TRect& ARect, platform::TGridDrawState AState) override;
    bool OnPopup() const;

private:
    TExMultiColumnDropDown* FDropDown = nullptr;
    TDropDownColumns FColumns;
    int FGridLineWidth = 1;
    QPointer<TImageList> FImages;
    bool FWheel = false;
};

}  // namespace dropdown::multicolumn

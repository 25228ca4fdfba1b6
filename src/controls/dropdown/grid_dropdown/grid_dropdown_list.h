#pragma once

// The string grid in the grid drop-down's pop-up: it loads the drop-down's
// items into its cells (each row carrying its item's index as the row object
// of column 0), sizes columns and rows to their texts, confirms a choice by
// Enter or a click and hands Alt+Up and Alt+Down back to the drop-down.

#include <functional>

#include <QPointer>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/multi_column/dropdown_items.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace dropdown {
class TCustomExGridDropDown;
}

namespace dropdown::griddropdown {

class TExColGrid : public grid::TExStringGrid {
    Q_OBJECT

public:
    explicit TExColGrid(QWidget* parent = nullptr);

    TCustomExGridDropDown* DropDown() const { return FDropDown; }
    void SetDropDown(TCustomExGridDropDown* value) { FDropDown = value; }

    TDropDownColumns& Columns() { return FColumns; }
    // Kept from the drop-down; the grid paints with its own look.
    TColor HeaderColor = clWhite;
    TColor HeaderColorTo = 0x808080;
    TColor LineColor = 0x808080;
    TColor FixedLineColor = 0x808080;
    int HeaderHeight = 25;
    platform::TFont HeaderFont;
    int ListGridLineWidth() const { return FGridLineWidth; }
    void SetListGridLineWidth(int value);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value) { FImages = value; }

    // Set by every key-down and mouse press in the grid and by Enter in the
    // drop-down's edit; cleared by every wheel step and by a close that is
    // not cancelled.
    bool ConfirmSelection = false;
    bool Wheel() const { return FWheel; }

    // The item index a row carries (row object of column 0).
    int RowItem(int ARow) const;
    void LoadItems();
    void LoadFromDropDown(TCustomExGridDropDown* dropDown);
    using grid::TExStringGrid::AutoSizeColumns;
    void AutoSizeColumns();
    void AutoSizeColumn(int index);
    void SizeWrappedRows();
    int RequiredWidth() const;

    virtual void DoSelect();
    std::function<void(QObject* Sender)> OnSelect;

    void HandleKeyDownMessage(platform::TWMKey& Msg) override;
    void HandleKeyDown(platform::Word& Key, platform::TShiftState Shift) override;
    void HandleKeyPress(QChar& Key) override;
    void HandleMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    void HandleMouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    bool HandleWheelDown(platform::TShiftState Shift, QPoint MousePos) override;
    bool HandleWheelUp(platform::TShiftState Shift, QPoint MousePos) override;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    bool OnPopup() const;
    TCustomExGridDropDown* FDropDown = nullptr;
    TDropDownColumns FColumns;
    int FGridLineWidth = 1;
    QPointer<TImageList> FImages;
    bool FWheel = false;
};

}  // namespace dropdown::griddropdown

#include "controls/dropdown/grid_dropdown/grid_dropdown_list.h"

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/grid_dropdown/ex_custom_grid_dropdown.h"

namespace dropdown {
template class TListGrid<grid::TExStringGrid, TCustomExGridDropDown>;
}

namespace dropdown::griddropdown {

using namespace platform;

TExColGrid::TExColGrid(QWidget* parent) : TExColGridBase(parent)
{
    SetFixedRowAlways(true);
    SetFixedRows(1);
    SetFixedCols(0);
    SetOptions((Options() | goRowSelect | goHorzLine) & ~goRangeSelect);
    setFrameShape(QFrame::NoFrame);
}

void TExColGrid::SetListGridLineWidth(int value)
{
    FGridLineWidth = value;
    GridBase::SetGridLineWidth(0);
}

int TExColGrid::RowItem(int ARow) const { return int(intptr_t(GetObjectEx(0, ARow))); }

void TExColGrid::LoadItems()
{
    if (!FDropDown) return;
    if (ColCount() != FColumns.Count()) SetColCount(FColumns.Count());
    for (int c = 0; c < FColumns.Count(); ++c) {
        SetCellEx(c, 0, FColumns[c].Header);
        SetObjectEx(c, 0, uintptr_t(intptr_t(-1)));
    }
    const TDropDownItems& items = FDropDown->Items();
    if (items.Count() > 0) SetRowCount(FixedRows() + items.Count());
    for (int i = 0; i < items.Count(); ++i) {
        const TDropDownItem& item = items[i];
        for (int c = 0; c < FColumns.Count(); ++c) SetGridCell(c, i + 1, item.TextOf(c));
        SetObjectEx(0, i + 1, uintptr_t(i));
    }
}

void TExColGrid::LoadFromDropDown(TCustomExGridDropDown* dropDown)
{
    if (!dropDown) return;
    FDropDown = dropDown;
    FColumns.Assign(dropDown->Columns());
    if (ColCount() < FColumns.Count()) SetColCount(FColumns.Count());
    if (dropDown->UseItems()) SetRowCount(dropDown->Items().Count() + 1);
    SetHoverRow(dropDown->HoverRow());
    SetHoverRowColor(dropDown->HoverRowColor());
    SetHoverRowColorTo(dropDown->HoverRowColorTo());
    TakeLook(*dropDown);
    TGridOptions o = Options() & ~(goColSizing | goColMoving | goRowSizing | goRowMoving);
    if (dropDown->ColumnSizing()) o |= goColSizing;
    if (dropDown->ColumnMoving()) o |= goColMoving;
    if (dropDown->RowSizing()) o |= goRowSizing;
    if (dropDown->RowMoving()) o |= goRowMoving;
    SetOptions(o);
    if (dropDown->AutoSizeColumns()) {
        if (dropDown->UseItems())
            AutoSizeColumns();
        else
            grid::TExStringGrid::AutoSizeColumns(true, 4);
    }
    SizeWrappedRows();
}

// ----- keys and mouse

void TExColGrid::HandleKeyDown(Word& Key, TShiftState Shift)
{
    if (KeyToDropDown(Key, Shift)) return;
    if (Key == VK_RETURN) {
        Word none = 0;
        grid::TExStringGrid::HandleKeyDown(none, Shift);
        DoSelect();
        Key = 0;
        return;
    }
    grid::TExStringGrid::HandleKeyDown(Key, Shift);
}

void TExColGrid::HandleKeyPress(QChar& Key)
{
    // Enter was the choice: no character handling follows.
    if (Key == QChar(u'\r')) {
        Key = QChar();
        return;
    }
    grid::TExStringGrid::HandleKeyPress(Key);
}

void TExColGrid::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    grid::TExStringGrid::HandleMouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col >= 0 && row >= 0 && HasCheckBox(col, row)) return;
    if (row >= FixedRows() && row < RowCount()) DoSelect();
}

void TExColGrid::wheelEvent(QWheelEvent* event)
{
    // The string grid turns its notches itself: the flags frame the whole turn.
    WheelStep([&] { grid::TExStringGrid::wheelEvent(event); });
}

}  // namespace dropdown::griddropdown

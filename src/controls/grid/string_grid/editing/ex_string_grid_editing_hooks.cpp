// The grid's small hooks around editing (events fired for descendants and
// the program) and its colours taken from an application style.

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/settings/grid_app_style.h"

namespace grid {

// ------------------------------------------------------------ hooks

void TExStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TExStringGrid::DoClickSort(int ACol)
{
    if (OnClickSort) OnClickSort(this, ACol);
}

void TExStringGrid::DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString)
{
    if (OnPrintGetPageNum) OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void TExStringGrid::DoStartBlockFocus()
{
    if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TExStringGrid::DoEndBlockFocus()
{
    if (OnEndBlockFocus) OnEndBlockFocus(this);
}

void TExStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)
{
    if (OnScrollCell) OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

void TExStringGrid::DisableEditing() { SetOptions(Options() & ~platform::goEditing); }

// ------------------------------------------------------------ application style

void TExStringGrid::ApplyStyleColors()
{
    FUseStyleColors = false;
    const TGridAppStyle& style = ActiveAppStyle();
    if (!style.IsActive()) return;
    FUseStyleColors = true;
    SetColor(style.GridCellFill);
    SetGridLineColor(style.GridCellBorder);
    SetGridFixedLineColor(style.FixedCellBorder);
    SetOptions(Options() & ~(platform::goFixedVertLine | platform::goFixedHorzLine));
    if (style.GridCellText != clNone) {
        TCellFont font = Font();
        font.Color = style.GridCellText;
        SetFont(font);
    }
    if (style.SelectedCellText != clNone) SelectionTextColor = style.SelectedCellText;
    if (style.FixedCellText != clNone) {
        TCellFont font = FixedFont();
        font.Color = style.FixedCellText;
        SetFixedFont(font);
    }
    RepaintGrid();
}

}  // namespace grid

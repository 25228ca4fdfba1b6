// Scroll bar styles: the window's bars, the flat scroll bar service (which
// this platform does not offer: its calls are skipped and the window's bars
// stay in use) and the thin scroll bars of the Metro style.

#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

void TExStringGrid::EnableFlatScrollBars()
{
    // No flat scroll bar service here: the entry point is missing.
    FIsFlat = false;
}

void TExStringGrid::DisableFlatScrollBars() { FIsFlat = false; }

void TExStringGrid::ApplyFlatScrollBars()
{
    // Style, colour, width and the bars' visibility go to the flat service only.
    if (!FIsFlat) return;
}

void TExStringGrid::SetScrollType(paint::TScrollType value)
{
    FLookColors.ScrollType = value;
    if (value == paint::ssFlat || value == paint::ssEncarta)
        EnableFlatScrollBars();
    else
        DisableFlatScrollBars();
    // The thin bars take the place of the window's own, which come back after.
    const bool wasMetro = FDragDrop->FMetro;
    const bool metro = value == paint::ssMetro;
    FDragDrop->FMetro = metro;
    if (metro && !wasMetro) {
        FDragDrop->FKeptScrollBars = ScrollBars();
        SetScrollBars(platform::ssNone);
    } else if (!metro && wasMetro) {
        SetScrollBars(FDragDrop->FKeptScrollBars);
    }
    FDragDrop->UpdateThinScrollBars(metro);
    ApplyFlatScrollBars();
}

QString TExStringGrid::WideCellsEx(int c, int r) const { return UnpackWideText(CellsEx(c, r)); }

void TExStringGrid::SetWideCellsEx(int c, int r, const QString& value) { SetCellsEx(c, r, PackWideText(value)); }

}  // namespace grid

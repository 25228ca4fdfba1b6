// Left presses on ratings, on always-visible spin buttons and on fixed cells
// pressed like buttons.

#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

bool TExStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate)
{
    bool allow = true;
    if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

// A press on an editable rating: one half star per 9 pixels from the cell's
// left edge. The press ends here.
bool TExStringGrid::PressRating(int ACol, int ARow, int X)
{
    const int sc = RealColIndex(ACol);
    if (GetCellType(sc, ARow) != ctRating || !IsEditable(sc, ARow)) return false;
    HideInplaceEdit();
    const platform::TRect r = CellRect(ACol, ARow);
    double newRate = double(std::max(0, X - r.Left) / 9) / 2.0;
    if (DoRatingChange(sc, ARow, newRate)) {
        SetFloats(sc, ARow, newRate);
        RepaintCell(sc, ARow);
    }
    return true;
}

// A press on the right 18 pixels of a cell showing spin buttons notes which
// half was hit; the press goes on.
void TExStringGrid::PressSpinButtons(int ACol, int ARow, int X, int Y)
{
    FSpinUpClick = false;
    FSpinDnClick = false;
    if (!FControlLook.SpinButtonsAlwaysVisible() || ACol < FixedCols() || ARow < FixedRows()) return;
    if (!HasSpinEdit(ACol, ARow)) return;
    const platform::TRect r = CellRect(ACol, ARow);
    if (X <= r.Right - 18) return;
    if (Y > r.Top + (r.Bottom - r.Top) / 2)
        FSpinDnClick = true;
    else
        FSpinUpClick = true;
}

void TExStringGrid::StepSpinAfterPress()
{
    if (!FSpinUpClick && !FSpinDnClick) return;
    const bool up = FSpinUpClick;
    if (!EditMode || FEditSpin == nullptr || EditCtrl != FEditSpin || !FEditSpin->isVisible()) return;
    if (up)
        FEditSpin->IncreaseValue(false);
    else
        FEditSpin->DecreaseValue(false);
}

// A fixed cell (or a normal cell counting as fixed) pressed like a button:
// drawn sunken until the release.
bool TExStringGrid::PressFixedAsButton(int ACol, int ARow)
{
    using namespace platform;
    if (!FixedAsButtons || !Ctl3D || !(Options() & goFixedVertLine) || !(Options() & goFixedHorzLine)) return false;
    const bool fixed = ACol < FixedCols() || ARow < FixedRows() || IsFixed(ACol, ARow);
    if (!fixed) return false;
    if (GetCellType(RealColIndex(ACol), ARow) == ctNode) return false;
    const TRect r = CellRect(ACol, ARow);
    FPushedFixedCell = QRect(r.Left, r.Top, r.Width(), r.Height());
    FPushedCellButton = QPoint(ACol, ARow);
    FFixedCellPushed = true;
    viewport()->update(FPushedFixedCell);
    return true;
}

// The release of a fixed cell pressed like a button: raised again, and a
// release on the pressed cell clicks it. False when no fixed cell was pressed.
bool TExStringGrid::ReleaseFixedAsButton(int ACol, int ARow)
{
    if (!FFixedCellPushed) return false;
    FFixedCellPushed = false;
    const QPoint pushed = FPushedCellButton;
    FPushedCellButton = QPoint(-1, -1);
    viewport()->update(FPushedFixedCell);
    if (ACol >= 0 && ARow >= 0) {
        const QPoint base = BaseCell(RealColIndex(ACol), ARow);
        if (DisplColIndex(base.x()) == pushed.x() && base.y() == pushed.y()) DoButtonClick(pushed.x(), pushed.y());
    }
    return true;
}

}  // namespace grid

// Selection: the window's rectangle, the disjunct row and column flags, the
// row-modified and row-enabled flags, the hidden selection, scrolling a cell
// into view and the repaint operations.

#include <algorithm>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"

namespace grid {

void TExStringGrid::SetSelection(const platform::TGridRect& value)
{
    TBaseGrid::SetSelection(value);
    if (FActiveCellShow) {
        RepaintRow(0);
        RepaintCol(0);
    }
    if (ActiveRowShow()) RepaintRow(Selection().Bottom);
}

// ------------------------------------------------------------ row and column flags

bool TExStringGrid::RowSelect(int ARow)
{
    if (!FMouseActions.RowSelectPersistent && (ARow < 0 || ARow >= RowCount() + NumHiddenRows()))
        throw EExGridError(("Invalid row " + QString::number(ARow) + " accessed").toStdString());
    if (FMouseActions.DisjunctRowSelect()) {
        if (ARow < 0) return false;
        if (int(FRowSelect.size()) < ARow + 1) FRowSelect.resize(size_t(ARow + 1), false);
        return FRowSelect[size_t(ARow)];
    }
    const platform::TGridRect sel = Selection();
    return ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
}

void TExStringGrid::SetRowSelect(int ARow, bool Value)
{
    if ((ARow >= RowCount() + NumHiddenRows() && GridBase::FixedRows() < RowCount()) || ARow < 0)
        throw EExGridError("Invalid row accessed");
    const bool known = ARow < int(FRowSelect.size());
    if ((!known || FRowSelect[size_t(ARow)] != Value) && OnRowDisjunctSelect) {
        bool allow = true;
        OnRowDisjunctSelect(this, ARow, Value, allow);
        if (!allow) return;
    }
    if (!known) FRowSelect.resize(size_t(ARow + 1), false);
    const bool was = FRowSelect[size_t(ARow)];
    if (Value) {
        if (!was) RepaintRow(ARow);
        FRowSelect[size_t(ARow)] = true;
        if (ARow >= GridBase::FixedRows() && std::find(FSelectedRows.begin(), FSelectedRows.end(), ARow) == FSelectedRows.end())
            FSelectedRows.push_back(ARow);
    } else {
        if (was) RepaintRow(ARow);
        FRowSelect[size_t(ARow)] = false;
        FSelectedRows.erase(std::remove(FSelectedRows.begin(), FSelectedRows.end(), ARow), FSelectedRows.end());
    }
    if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TExStringGrid::ColSelect(int ACol) const
{
    if (ACol < 0 || ACol >= ColCount()) throw EExGridError("Invalid column accessed");
    return ACol < int(FColSelect.size()) && FColSelect[size_t(ACol)];
}

void TExStringGrid::SetColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount()) throw EExGridError("Invalid column accessed");
    if (int(FColSelect.size()) < ACol + 1) FColSelect.resize(size_t(ACol + 1), false);
    if (FColSelect[size_t(ACol)] != Value) RepaintCol(ACol);
    FColSelect[size_t(ACol)] = Value;
}

int TExStringGrid::RowSelectCount() const
{
    if (FMouseActions.DisjunctRowSelect()) {
        const int n = std::min(RowCount() + NumHiddenRows(), int(FRowSelect.size()));
        return int(std::count(FRowSelect.begin(), FRowSelect.begin() + n, true));
    }
    const platform::TGridRect sel = Selection();
    return std::abs(sel.Bottom - sel.Top) + 1;
}

int TExStringGrid::ColSelectCount() const
{
    if (FMouseActions.DisjunctColSelect()) return int(std::count(FColSelect.begin(), FColSelect.end(), true));
    const platform::TGridRect sel = Selection();
    return std::abs(sel.Right - sel.Left) + 1;
}

bool TExStringGrid::RowModified(int ARow) const
{
    return ARow >= 0 && ARow < int(FModifiedRows.size()) && FModifiedRows[size_t(ARow)] == 1;
}

void TExStringGrid::SetRowModified(int ARow, bool Value)
{
    if (ARow < 0) return;
    if (int(FModifiedRows.size()) < ARow + 1) FModifiedRows.resize(size_t(ARow + 1), 0);
    FModifiedRows[size_t(ARow)] = Value ? 1 : 0;
    InvalidateCell(0, ARow);
}

int TExStringGrid::ModifiedRowCount() const { return int(std::count(FModifiedRows.begin(), FModifiedRows.end(), 1)); }

bool TExStringGrid::RowEnabled(int ARow) const
{
    return ARow < 0 || ARow >= int(FEnabledRows.size()) || FEnabledRows[size_t(ARow)] == 0;
}

void TExStringGrid::SetRowEnabled(int ARow, bool Value)
{
    if (ARow < 0) return;
    if (ARow == Row() && !Value) {
        for (int r = GridBase::FixedRows(); r < RowCount(); ++r) {
            if (r != ARow && RowEnabled(r)) {
                SetRow(r);
                break;
            }
        }
    }
    FUseEnabledRows = true;
    if (int(FEnabledRows.size()) < ARow + 1) FEnabledRows.resize(size_t(ARow + 1), 0);
    FEnabledRows[size_t(ARow)] = Value ? 0 : 1;
    RepaintRow(ARow);
}

// ------------------------------------------------------------ programmatic selection

void TExStringGrid::SelectRows(int RowIndex, int RCount)
{
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (RCount <= 0) return;
    if (!FMouseActions.DisjunctRowSelect()) {
        SetSelection({GridBase::FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int index = FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r;
            if (index < RowCount()) SetRowSelect(index, true);
        }
    }
    if (!RowIndicator.isNull()) RepaintCol(0);
    FSelChange = false;
}

void TExStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (FMouseActions.DisjunctRowSelect()) {
        RCount = std::min(RCount, RowCount() - RowIndex);
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int index = FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r;
            if (index < RowCount()) SetRowSelect(index, false);
        }
    }
    FSelChange = false;
}

void TExStringGrid::SelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions.DisjunctColSelect()) {
        SetSelection({ColIndex, GridBase::FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TExStringGrid::UnSelectCols(int ColIndex, int CCount)
{
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c)
        if (c >= 0) SetColSelect(c, false);
}

void TExStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::ClearRowSelect()
{
    for (size_t r = 0; r < FRowSelect.size(); ++r) {
        if (FRowSelect[r]) RepaintRow(int(r));
        FRowSelect[r] = false;
    }
    FSelectedRows.clear();
}

void TExStringGrid::ClearColSelect()
{
    for (size_t c = 0; c < FColSelect.size(); ++c) {
        if (FColSelect[c]) RepaintCol(int(c));
        FColSelect[c] = false;
    }
}

void TExStringGrid::FocusCell(int ACol, int ARow) { SetSelection({ACol, ARow, ACol, ARow}); }

void TExStringGrid::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void TExStringGrid::EditCell(int ACol, int ARow)
{
    setFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

void TExStringGrid::HideSelection()
{
    FOldSelection = Selection();
    SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
    FSelHidden = true;
}

void TExStringGrid::UnHideSelection()
{
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        SetSelection(FOldSelection);
        return;
    }
    const int top = FFixedRowAlways && GridBase::FixedRows() >= RowCount() ? 0 : GridBase::FixedRows();
    const int left = FFixedColAlways && GridBase::FixedCols() >= ColCount() ? 0 : GridBase::FixedCols();
    SetSelection({left, top, left, top});
}

void TExStringGrid::UpdateEditMode() { CanSelectCell(Col(), Row()); }

void TExStringGrid::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
    int left = LeftCol();
    int top = TopRow();
    const int vc = VisibleColCount();
    const int vr = VisibleRowCount();
    if (ColIndex < left || ColIndex >= left + vc) {
        SetCol(ColIndex);
        left = std::max(GridBase::FixedCols(), ColIndex - vc / 2);
    }
    if (RowIndex < top || RowIndex >= top + vr) {
        SetRow(RowIndex);
        top = std::max(GridBase::FixedRows(), RowIndex - vr / 2);
    }
    left = std::min(left, ColCount() - vc + 1);
    if (GridBase::FixedCols() + vc < ColCount() && left != LeftCol()) SetLeftCol(left);
    top = std::min(top, RowCount() - vr + 1);
    if (GridBase::FixedRows() + vr >= RowCount()) return;
    if (top != TopRow()) SetTopRow(top);
}

void TExStringGrid::SelectionToRowSelect(bool All)
{
    platform::TGridRect sel = Selection();
    if (sel.Bottom >= RowCount() - FFixedFooters) sel.Bottom = RowCount() - FFixedFooters - 1;
    for (int r = GridBase::FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= sel.Top && r <= sel.Bottom;
        if (!inside && !All) continue;
        const int index = FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r;
        SetRowSelect(index, inside);
    }
    if (NumHiddenRows() > 0) RepaintGrid();
}

void TExStringGrid::SelectionToColSelect(bool All)
{
    const platform::TGridRect sel = Selection();
    for (int c = GridBase::FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= sel.Left && c <= sel.Right;
        if (inside || All) SetColSelect(c, inside);
    }
}

// ------------------------------------------------------------ repainting

void TExStringGrid::RepaintRect(const platform::TGridRect& r)
{
    if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0) return;
    const platform::TRect a = CellRect(r.Left, r.Top);
    const platform::TRect b = CellRect(std::min(r.Right, GridBase::FixedCols() + VisibleColCount()), r.Bottom);
    if (a.IsEmpty() || b.IsEmpty()) {
        RepaintGrid();
        return;
    }
    viewport()->update(platform::UnionRect(a, b).toQRect());
}

void TExStringGrid::RepaintRow(int ARow)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    InvalidateRow(ARow);
}

void TExStringGrid::RepaintCol(int ACol)
{
    if (ACol < 0 || ACol >= ColCount()) return;
    InvalidateCol(ACol);
}

void TExStringGrid::RepaintActiveHeaders(int OldCol, int OldRow, int NewCol, int NewRow)
{
    for (const auto& [c, r] : {std::pair{OldCol, OldRow}, std::pair{NewCol, NewRow}}) {
        if (GridBase::FixedRows() > 0) InvalidateCell(c, GridBase::FixedRows() - 1);
        if (GridBase::FixedCols() > 0) InvalidateCell(GridBase::FixedCols() - 1, r);
    }
}

bool TExStringGrid::IsLastRowShown() const
{
    if (!FSearchFooter->Visible() || TopRow() + VisibleRowCount() < RowCount() - 1) return false;
    const platform::TRect last = GridBase::CellRect(0, RowCount() - 1);
    return !last.IsEmpty() && last.Bottom < viewport()->height() - 32 + 2;
}

void TExStringGrid::ShowLastRowAboveFooter()
{
    if (!FSearchFooter->Visible() || viewport()->height() - 32 <= DefaultRowHeight()) return;
    for (int guard = 0; guard < RowCount(); ++guard) {
        const platform::TRect last = VirtualCellRect(0, RowCount() - 1);
        if (last.Bottom < viewport()->height() - 32 + 2 || Row() >= RowCount() || TopRow() >= RowCount() - 1) break;
        SetTopRow(TopRow() + 1);
    }
}

void TExStringGrid::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (Look() == glVista || Look() == glWin7 || Look() == glOffice2007)
        RepaintRect(platform::TGridRect{ALeft, ATop, ARight, ABottom});
    FSelChange = true;
    if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

}  // namespace grid

// Moving on from a cell: the advance after an edit (Enter) and the Tab
// advance, with the tab-stop queries they share.

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/scoped_value.h"

namespace grid {

namespace grid_input_advance_detail {

bool isInlineTextKind(TEditorType kind)
{
    switch (kind) {
    case edNormal: case edNumeric: case edPositiveNumeric: case edFloat: case edCapital: case edMixedCase:
    case edPassword: case edLowerCase: case edUpperCase: case edPositiveFloat: return true;
    default: return false;
    }
}


}  // namespace grid_input_advance_detail

int TExStringGrid::FirstNormalCol() const
{
    if (FixedCols() == 0 && HasNodes()) return 1;
    return FixedCols();
}

int TExStringGrid::VisibleFixedRightCols() const
{
    if (FNumHidden == 0) return FFixedRightCols;
    int n = 0;
    const int total = TotalColCount();
    for (int c = total - FFixedRightCols; c < total; ++c)
        if (c >= 0 && !IsHiddenColumn(c)) ++n;
    return n;
}

bool TExStringGrid::IsTabStop(int ACol, int ARow)
{
    bool result = (Options() & platform::goEditing) ? IsEditable(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, result);
    return result;
}

int TExStringGrid::FirstTabStop(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        if (IsTabStop(c, ARow)) return c;
    return -1;
}

int TExStringGrid::LastTabStop(int ARow)
{
    for (int c = ColCount() - 1; c >= 0; --c)
        if (IsTabStop(c, ARow)) return c;
    return -1;
}

void TExStringGrid::WrapToFirstRow() { SetRow(FixedRows()); }

void TExStringGrid::SetCellForced(int ACol, int ARow)
{
    TScopedValue<bool> force(FForceSel, true);
    MoveColRow(ACol, ARow, true, true);
}

void TExStringGrid::SimulateCellClick(int ACol, int ARow)
{
    const platform::TRect r = CellRect(ACol, ARow);
    if (r.IsEmpty()) return;
    auto keptDown = std::move(OnMouseDown);
    auto keptUp = std::move(OnMouseUp);
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    TScopedValue<bool> force(FForceSel, true);
    try {
        GridBase::HandleMouseDown(platform::mbLeft, 0, r.Left + 2, r.Top + 2);
        GridBase::HandleMouseUp(platform::mbLeft, 0, r.Left + 2, r.Top + 2);
    } catch (...) {
        OnMouseDown = std::move(keptDown);
        OnMouseUp = std::move(keptUp);
        throw;
    }
    OnMouseDown = std::move(keptDown);
    OnMouseUp = std::move(keptUp);
}

// ------------------------------------------------------------ Enter advance

// The next cell of an advance from (ACol, ARow); false when the advance ends
// where it is (a refused append whose new row holds no editable cell).
bool TExStringGrid::AdvanceTarget(int ACol, int ARow, bool Forward, int& NewCol, int& NewRow)
{
    const QPoint span = CellSpan(RealColIndex(ACol), ARow);
    const int spanX = std::max(0, span.x());
    const int spanY = std::max(0, span.y());
    (void)spanY;
    const int lastNormalRow = RowCount() - FFixedFooters - 1;
    const int lastNormalCol = ColCount() - FFixedRightCols - 1;
    const TAdvanceDirection dir = FNavigation.AdvanceDirection();
    NewCol = ACol;
    NewRow = ARow;
    if (Forward && (dir == adLeftRight || dir == adLeftRightInRow)) {
        if (ACol + spanX < ColCount() - VisibleFixedRightCols() - 1) {
            NewCol = ACol + spanX + 1;
        } else if (dir == adLeftRightInRow) {
            if (FNavigation.AdvanceOnEnterLoop) NewCol = FirstNormalCol();
        } else if (ARow != lastNormalRow) {
            NewRow = ARow + 1;
            NewCol = FirstNormalCol();
        } else if (FNavigation.AdvanceInsert()) {
            NewCol = FirstNormalCol();
            if (CanAddRow()) {
                AddRow();
                NewRow = ARow + 1;
                if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                bool any = false;
                for (int c = FixedCols(); c < ColCount() && !any; ++c) any = IsEditable(RealColIndex(c), NewRow);
                if (!any) return false;
            }
        } else if (FNavigation.AdvanceOnEnterLoop) {
            NewCol = FirstNormalCol();
            NewRow = FixedRows();
        }
    } else if (Forward) {
        if (ARow != lastNormalRow) {
            NewRow = ARow + 1;
        } else if (dir == adTopBottomInCol) {
            NewRow = FixedRows();
        } else {
            if (ACol != lastNormalCol) {
                NewRow = FixedRows();
                NewCol = ACol + 1 >= ColCount() ? FirstNormalCol() : ACol + 1;
            } else if (FNavigation.AdvanceInsert()) {
                SetColCount(ColCount() + 1);
                NewCol = ACol + spanX + 1;
                NewRow = FixedRows();
                if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
            } else {
                NewRow = FixedRows();
                NewCol = FirstNormalCol();
            }
            RepaintGrid();
        }
    } else if (dir == adLeftRight) {
        if (ACol > FirstNormalCol()) {
            NewCol = ACol - 1;
        } else {
            NewCol = lastNormalCol;
            NewRow = ARow <= FixedRows() ? lastNormalRow : ARow - 1;
        }
    } else if (dir == adTopBottom) {
        if (ARow > FixedRows()) {
            NewRow = ARow - 1;
        } else {
            NewRow = lastNormalRow;
            NewCol = ACol <= FirstNormalCol() ? lastNormalCol : ACol - 1;
        }
    }
    return true;
}

void TExStringGrid::MoveToAdvanceTarget(int ACol, int ARow, int NewCol, int NewRow)
{
    bool allow = true;
    if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, NewRow, NewCol, allow);
    if (allow && OnCellChanging) OnCellChanging(this, FAERow, FAECol, NewRow, NewCol, allow);
    TScopedValue<bool> disable(FDisableChange, true);
    if (allow && NewCol >= 0 && NewRow >= 0 && NewCol < ColCount() && NewRow < RowCount()) {
        SetCol(NewCol);
        SetRow(NewRow);
    } else {
        CanSelectCell(ACol, ARow);
    }
}

void TExStringGrid::AdvanceAfterEdit(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Skipping,
                                     bool WasEditing)
{
    if (!FNavigation.AdvanceOnEnter && !Force) return;
    if (FMouseActions.RangeSelectAndEdit && !(Options() & platform::goEditing))
        SetOptions(Options() | platform::goEditing);
    if (!Skipping) {
        FAECol = ACol;
        FAERow = ARow;
        FAdvanceDepth = 0;
    }
    FStartEditChar = QChar();

    int newCol = ACol, newRow = ARow;
    if (!AdvanceTarget(ACol, ARow, Forward, newCol, newRow)) return;

    bool editable = true;
    CanEditCell(RealColIndex(newCol), newRow, editable);
    if (editable) {
        MoveToAdvanceTarget(ACol, ARow, newCol, newRow);
    } else if (FNavigation.AdvanceSkipReadOnlyCells) {
        // Skip read-only cells, but stop after one full cycle through the
        // grid (or when the advance cannot move on): the cursor then stays
        // where the edit ended.
        const bool stuck = newCol == ACol && newRow == ARow;
        const bool cycled = (newCol == FAECol && newRow == FAERow) ||
                            ++FAdvanceDepth > ColCount() * RowCount() + 1;
        if (stuck || cycled) return;
        AdvanceAfterEdit(newCol, newRow, Force, AutoEdit, Forward, true, WasEditing);
        return;
    } else {
        TScopedValue<bool> force(FForceSel, true);
        SetCol(newCol);
        SetRow(newRow);
    }

    if (WasEditing) {
        const int sc = RealCol();
        const bool clickGraphic = HasClickGraphic(sc, Row());
        if ((AutoEdit && FNavigation.AdvanceAutoEdit) || clickGraphic) {
            if (!IsEditable(sc, Row())) return;
            if (!clickGraphic) {
                ShowEditor();
            }
        }
    }
    if (FMouseActions.DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(FMouseActions.RowSelectPersistent ? RealRow() : Row(), true);
    }
}

// ------------------------------------------------------------ Tab

bool TExStringGrid::TabAdvance(bool Backward)
{
    const bool outermost = FTabDepth == 0;
    if (outermost && OnKeyDown) {
        platform::Word key = platform::VK_TAB;
        OnKeyDown(this, key, Backward ? platform::TShiftState(platform::ssShift) : platform::TShiftState(0));
        if (key != platform::VK_TAB) return true;
    }
    if (Col() == FLastTabCol && Row() == FLastTabRow) return true;
    const platform::TGridCoord start{Col(), Row()};
    FLastTabCol = Col();
    FLastTabRow = Row();
    ++FTabDepth;
    bool result = true;
    try {
        if (Backward)
            TabBackward();
        else
            result = TabForward();
        // A cell that cannot be edited is no stop: go on in the same
        // direction, at most once round the grid.
        if (result && (Options() & platform::goEditing) && !IsEditable(RealCol(), Row()) &&
            FTabDepth <= ColCount() * RowCount())
            result = TabAdvance(Backward);
    } catch (...) {
        --FTabDepth;
        if (outermost) FLastTabCol = FLastTabRow = -1;
        throw;
    }
    --FTabDepth;
    if (outermost) {
        // No reachable cell: the cursor stays where the Tab found it.
        if ((Options() & platform::goEditing) && !IsEditable(RealCol(), Row())) SetCellForced(start.X, start.Y);
        if (FNavigation.AdvanceAutoEdit && (Options() & platform::goEditing) && !HasClickGraphic(RealCol(), Row()) &&
            IsEditable(RealCol(), Row()))
            SimulateCellClick(Col(), Row());
        FLastTabCol = FLastTabRow = -1;
        if (FNavigation.AlwaysEdit) setFocus();
    }
    return result;
}

void TExStringGrid::TabBackward()
{
    const int lastNormalRow = RowCount() - FFixedFooters - 1;
    const int rightEnd = ColCount() - VisibleFixedRightCols() - 1;
    if (FNavigation.TabAdvanceDirection != adLeftRight) {
        if (Row() > FixedRows()) {
            SetCellForced(Col(), Row() - 1);
        } else {
            SetCellForced(Col() > FirstNormalCol() ? Col() - 1 : rightEnd, lastNormalRow);
        }
        return;
    }
    if (Col() > FirstNormalCol()) {
        for (int c = Col() - 1; c >= FirstNormalCol(); --c) {
            if (IsTabStop(c, Row()) && IsBaseCell(RealColIndex(c), Row())) {
                SetCellForced(c, Row());
                return;
            }
        }
        const int row = Row() > FixedRows() ? Row() - 1 : lastNormalRow;
        const int c = LastTabStop(row);
        if (c < 0) return;
        SetCellForced(c, row);
        if (row == lastNormalRow) ScrollInView(c, row);
        SelectBaseCell();
        return;
    }
    int target = Col();
    for (int c = rightEnd; c >= FixedCols(); --c) {
        if (IsTabStop(c, Row())) {
            target = c;
            break;
        }
    }
    SetCellForced(target, Row() > FixedRows() ? Row() - 1 : lastNormalRow);
}

bool TExStringGrid::HandTabOn()
{
    if (parentWidget() != nullptr && FNavigation.TabToNextAtEnd) {
        // The next control of the form that takes the focus by Tab.
        for (QWidget* next = nextInFocusChain(); next != nullptr && next != this; next = next->nextInFocusChain()) {
            if (!isAncestorOf(next) && next->isVisibleTo(window()) && next->isEnabled() &&
                (next->focusPolicy() & Qt::TabFocus)) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
        }
        return false;
    }
    return true;
}

bool TExStringGrid::TabForward()
{
    const int lastNormalRow = RowCount() - FFixedFooters - 1;
    const int rightBound = ColCount() - VisibleFixedRightCols();
    if (FNavigation.TabAdvanceDirection != adLeftRight) {
        const QPoint span = CellSpan(RealCol(), Row());
        const int next = Row() + std::max(0, span.y()) + 1;
        if (next < RowCount() - FFixedFooters) {
            SetCellForced(Col(), next);
            return true;
        }
        WrapToFirstRow();
        if (Col() < rightBound - 1) {
            SetCellForced(Col() + 1, Row());
            return true;
        }
        SetCellForced(FirstNormalCol(), Row());
        return HandTabOn();
    }
    const QPoint span = CellSpan(RealCol(), Row());
    const int from = Col() + std::max(0, span.x()) + 1;
    if (from < rightBound) {
        for (int c = from; c < rightBound; ++c) {
            if (IsTabStop(c, Row())) {
                SetCellForced(c, Row());
                if (!IsBaseCell(RealColIndex(c), Row())) return TabAdvance(false);
                return true;
            }
        }
        TScopedValue<bool> force(FForceSel, true);
        if (Row() < lastNormalRow) {
            int c = FirstTabStop(Row() + 1);
            if (c < 0) c = FixedCols();
            bool allow = true;
            if (OnRowChanging) OnRowChanging(this, Row(), Row() + 1, allow);
            if (OnCellChanging) OnCellChanging(this, Row(), Col(), Row() + 1, c, allow);
            if (OnColChanging) OnColChanging(this, Col(), c, allow);
            if (allow) MoveColRow(c, Row() + 1, true, true);
            return true;
        }
        const int c = FirstTabStop(FixedRows());
        if (c >= 0) MoveColRow(c, FixedRows(), true, true);
        return HandTabOn();
    }
    // At the last normal column.
    if (Row() < lastNormalRow) {
        for (int c = FirstNormalCol(); c < ColCount(); ++c) {
            if (IsBaseCell(RealColIndex(c), Row() + 1) && IsTabStop(c, Row() + 1)) {
                SetCellForced(c, Row() + 1);
                return true;
            }
        }
        for (int r = Row() + 2; r <= lastNormalRow; ++r) {
            const int c = FirstTabStop(r);
            if (c >= 0) {
                SetCellForced(c, r);
                return true;
            }
        }
        return true;
    }
    if (FNavigation.TabToNextAtEnd || !FNavigation.AdvanceInsert()) {
        WrapToFirstRow();
    } else if (CanAddRow()) {
        AddRow();
        SetCellForced(Col(), RowCount() - FFixedFooters - 1 - (FFloatingFooter.Visible ? 1 : 0));
        if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
    } else {
        WrapToFirstRow();
    }
    const int c = FirstTabStop(Row());
    if (c >= 0) SetCellForced(c, Row());
    return HandTabOn();
}

}  // namespace grid

// Whether an edited value may stay in its cell, and what happens when the
// current cell moves: editing follows the editability of the cell entered,
// a pending edit is validated, the program may refuse the move.

#include <algorithm>

#include <QToolTip>

#include "controls/grid/cells/cell_checker.h"
#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/cells/grid_undo.h"

namespace grid {

bool TExStringGrid::ValidateCell(const QString& NewValue)
{
    if (!FEditing || FValidating) return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    const int col = RealColIndex(FOldCol);
    const int row = FOldRow;
    FNewCellText = NewValue;
    // The text the editor was given counts as the old text (an editor shows
    // a marked-up cell without its tags).
    const bool unchanged = NewValue == FOldCellText || IsGivenEditText(col, row, NewValue);
    if (!unchanged || AlwaysValidate) {
        const bool changed = !unchanged;
        const bool advanceOnEnter = FNavigation.AdvanceOnEnter;
        FNavigation.AdvanceOnEnter = false;
        QString value = unchanged ? FOldCellText : NewValue;
        if (CellChecker != nullptr && CellChecker->AutoCorrect) value = CellChecker->Correct(col, row, value);
        if (OnCellValidate) OnCellValidate(this, col, row, value, valid);
        const bool differs = value != FOldCellText;
        // A refused value marks nothing as modified.
        if (valid && differs) {
            SetGridModified(true);
            if (FixedCols() > 0) {
                SetRowModified(Row(), true);
                if (FShowModified.Enabled) RepaintCell(RealColIndex(0), Row());
            }
        }
        if (valid) RecalcFooterColumn(col, row);
        if (CellChecker != nullptr && CellChecker->AutoMarkError) value = CellChecker->MarkError(col, row, value);
        if (valid && changed) CellsChanged(QRect(QPoint(col, row), QPoint(col, row)));
        FNavigation.AdvanceOnEnter = advanceOnEnter;
        FNewCellText = value;
        if (valid) {
            if (GetGridCell(col, row) != value || differs) SetCellEx(col, row, value);
            if (IsMergedCell(col, row) && !IsBaseCell(col, row)) {
                const QPoint base = BaseCell(col, row);
                SetCellEx(base.x(), base.y(), value);
            }
        } else {
            RefuseValue(col, row, value, NewValue);
        }
        FOldCellText = GetGridCell(col, row);
    }
    RememberCellValue(Col(), Row());
    FValidating = false;
    // A value that stays ends the glow of its edit.
    if (valid) HideFocusWindow();
    return valid;
}

// ------------------------------------------------------------ wide text

QString TExStringGrid::GetWideCells(int ACol, int ARow) const { return UnpackWideText(GetGridCell(ACol, ARow)); }

void TExStringGrid::SetWideCells(int ACol, int ARow, const QString& Value) { SetCellEx(ACol, ARow, PackWideText(Value)); }

bool TExStringGrid::ValidateCellWide(const QString& NewValue)
{
    if (!FEditing || FValidating) return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    const int col = RealColIndex(FOldCol);
    const int row = FOldRow;
    if (NewValue != FOldCellTextWide || AlwaysValidate) {
        QString value = NewValue;
        RecalcFooterColumn(col, row);
        if (OnCellValidateWide) OnCellValidateWide(this, col, row, value, valid);
        const bool changed = NewValue != FOldCellTextWide;
        // A refused value marks nothing as modified.
        if (valid && changed) {
            SetGridModified(true);
            if (FShowModified.Enabled && FixedCols() > 0) {
                SetRowModified(FOldRow, true);
                RepaintCell(RealColIndex(0), FOldRow);
            }
        }
        if (valid) {
            SetWideCells(col, row, value);
            if (changed) CellsChanged(QRect(QPoint(col, row), QPoint(col, row)));
        } else {
            FLastValidation = false;
            const bool restoreOld = value == NewValue;
            HideEditor();
            SetWideCells(col, row, restoreOld ? FOldCellTextWide : value);
            MoveColRow(FOldCol, FOldRow, true, true);
            FValidating = false;
            FEditing = true;
            EditMode = false;
            ShowInplaceEdit();
            if (restoreOld && Col() != FOldCol) InvalidateEditor();
            Modified = FOldModifiedValue;
        }
        FOldCellTextWide = GetWideCells(col, row);
    }
    RememberCellValue(Col(), Row());
    FValidating = false;
    return valid;
}

// ------------------------------------------------------------ refusal

void TExStringGrid::RefuseValue(int col, int row, const QString& Value, const QString& NewValue)
{
    FLastValidation = false;
    const bool restoreOld = Value == NewValue;
    HideEditor();
    SetCellEx(col, row, restoreOld ? FOldCellText : Value);
    if (restoreOld) FNewCellText = FOldCellText;
    MoveColRow(FOldCol, FOldRow, true, true);
    FValidating = false;
    FEditing = true;
    // The editor opens again on the value put back.
    const bool specialEditor = FSpecialEditor && EditMode;
    if (!specialEditor) {
        EditMode = false;
        ShowInplaceEdit();
        if (restoreOld && Col() != FOldCol) InvalidateEditor();
    }
    Modified = FOldModifiedValue;
    ShowInvalidEntryBalloon();
}

void TExStringGrid::ShowInvalidEntryBalloon()
{
    FLastBalloon = TInvalidEntryBalloon();
    if (InvalidEntryTitle.isEmpty() && InvalidEntryText.isEmpty()) return;
    QWidget* target = nullptr;
    if (!FSpecialEditor && EditMode)
        target = InplaceEditor();
    else if (auto* combo = qobject_cast<TGridCombo*>(EditCtrl); combo != nullptr && !combo->IsListStyle())
        target = combo->lineEdit();
    else
        target = EditCtrl;
    if (target == nullptr) return;
    FLastBalloon.Target = target;
    FLastBalloon.Title = InvalidEntryTitle;
    FLastBalloon.Text = InvalidEntryText;
    FLastBalloon.Icon = InvalidEntryIcon;
    QString tip;
    if (!InvalidEntryTitle.isEmpty()) tip = QStringLiteral("<b>%1</b>").arg(InvalidEntryTitle.toHtmlEscaped());
    if (!InvalidEntryText.isEmpty()) {
        if (!tip.isEmpty()) tip += QStringLiteral("<br>");
        tip += InvalidEntryText.toHtmlEscaped();
    }
    QToolTip::showText(target->mapToGlobal(QPoint(0, target->height())), tip, target);
}

void TExStringGrid::HandleClick()
{
    if (OnClick) OnClick(this);
    FEntered = false;
    RememberCellValue(Col(), Row());
}

void TExStringGrid::CanChangeCell(int NewCol, int NewRow, bool& Allow)
{
    if (NewRow != Row() && OnRowChanging) OnRowChanging(this, Row(), NewRow, Allow);
    if (NewCol != Col() && OnColChanging) OnColChanging(this, Col(), NewCol, Allow);
    if ((NewCol != Col() || NewRow != Row()) && !FDisableChange && OnCellChanging)
        OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

bool TExStringGrid::CanSelectCell(int ACol, int ARow)
{
    if (FForceSel) {
        RepaintRowIndicators(ARow);
        return true;
    }
    if (parentWidget() == nullptr && !isVisible()) return TBaseGrid::CanSelectCell(ACol, ARow);
    // The last row lies under a fixed-last-row floating footer: never current.
    if (FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow) {
        if (ARow >= TopRow() + VisibleRowCount()) SetTopRow(std::max(FixedRows(), ARow - VisibleRowCount() + FixedRows()));
        if (ARow == RowCount() - 1) return false;
    }
    if (ACol < 0 || ARow < 0) return false;
    const platform::TGridRect oldSel = Selection();
    bool allow = true;
    bool result = false;
    FEditText = GetCellEx(RealColIndex(ACol), ARow);
    const int col = RealColIndex(ACol);
    // A cell inside a merged range: its base cell becomes current instead.
    if (IsMergedCell(col, ARow) && !IsBaseCell(col, ARow) && !(Options() & platform::goRangeSelect)) {
        const QPoint base = BaseCell(col, ARow);
        MoveColRow(DisplColIndex(base.x()), base.y(), true, true);
        InvalidateCell(DisplColIndex(base.x()), base.y());
        return false;
    }
    // Column 0 of a tree holds the node marks; it is never current.
    if (ACol == 0 && HasNodes() && !(Options() & platform::goRowSelect)) return false;
    if (FUseEnabledRows && FNavigation.SkipDisabledRows && !RowEnabled(ARow)) return false;

    QString text = GetCellEx(col, ARow);
    const TExInplaceEdit* inplace = InplaceEdit();
    const bool inlineFocused = inplace != nullptr && inplace->hasFocus();

    // Editing follows the editability of the cell entered.
    const bool goEditing = Options() & platform::goEditing;
    if (HasClickGraphic(col, ARow)) {
        bool canEdit = true;
        CanEditCell(col, ARow, canEdit);
        if (!FEditDisable) FEditDisable = !canEdit && (goEditing || FMouseActions.RangeSelectAndEdit);
        if (!goEditing && !(Options() & platform::goRowSelect) && canEdit) {
            FEditChange = true;
            SetOptions(Options() | platform::goEditing);
        }
    } else {
        bool canEdit = goEditing || FEditDisable;
        CanEditCell(col, ARow, canEdit);
        if (canEdit && FMouseActions.DirectEdit && IsNoEditorCell(col, ARow)) canEdit = false;
        if (FMouseActions.EditOnDblClickOnly()) canEdit = false;
        if (canEdit) {
            FEditDisable = false;
            if (!goEditing) {
                FEditChange = true;
                if (!FEditing) RememberCellValue(ACol, ARow);
                if ((Options() & platform::goRowSelect) && FMouseActions.RangeSelectAndEdit)
                    SetOptions(Options() & ~platform::goRowSelect);
                SetOptions(Options() | platform::goEditing);
                if (FEditing) {
                    HideInplaceEdit();
                    text = GetCellEx(col, ARow);
                }
            }
        } else {
            if (FEditing) {
                HideInplaceEdit();
                text = GetCellEx(col, ARow);
            }
            if (Options() & platform::goEditing) {
                EditMode = false;
                FEditDisable = true;
                FEditChange = true;
                SetOptions(Options() & ~platform::goEditing);
            }
        }
    }

    if (FEditing && !inlineFocused) {
        const QString saved = FCellCache;
        const int curCol = RealColIndex(Col());
        result = IsWideCell(curCol, Row()) ? ValidateCellWide(GetWideCells(curCol, Row())) : ValidateCell(CurrentCell());
        CanChangeCell(ACol, ARow, allow);
        if (!allow) result = false;
        if (result) result = TBaseGrid::CanSelectCell(ACol, ARow);
        if (!result) text = saved;
    } else {
        CanChangeCell(ACol, ARow, allow);
        if (IsFixed(ACol, ARow) || !allow)
            result = (allow && (Options() & platform::goRowSelect)) || (FFixedRowAlways && RowCount() == FixedRows());
        else
            result = TBaseGrid::CanSelectCell(ACol, ARow);
    }

    // Repaints of the parts that show the current cell.
    RepaintRowIndicators(ARow);
    if (FISelect != nullptr) FISelect->SelectionChanged(Col(), ARow);
    if (ActiveCellShow()) {
        RepaintActiveHeaders(Col(), Row(), ACol, ARow);
        if (oldSel.Left != Col() && oldSel.Top != Row()) RepaintActiveHeaders(oldSel.Left, oldSel.Top, ACol, ARow);
    }
    if (ActiveRowShow()) {
        RepaintRow(ARow);
        RepaintRow(oldSel.Top);
    }
    if (SelectionRectangle) RepaintRect(Selection());
    if (!IsLoading() && ARow != FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, FOldRowSel, ARow);
        FOldRowSel = ARow;
    }
    // Borders of the grid's own follow the selection: the old selection's
    // rows are drawn again across the visible columns.
    if (HasCellBorders()) RepaintRect(OldSelectionRows(oldSel));
    FCellCache = text;
    return result;
}

void TExStringGrid::RepaintRowIndicators(int NewRow)
{
    if (RowIndicator.isNull() || FixedCols() <= 0) return;
    InvalidateCell(0, Row());
    InvalidateCell(0, NewRow);
}

platform::TGridRect TExStringGrid::OldSelectionRows(const platform::TGridRect& oldSel) const
{
    platform::TGridRect r;
    r.Left = FixedCols();
    r.Right = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    r.Top = oldSel.Top;
    r.Bottom = oldSel.Bottom;
    return r;
}

}  // namespace grid

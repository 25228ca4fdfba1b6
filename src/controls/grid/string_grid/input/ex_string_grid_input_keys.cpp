// The grid's key-down front: scroll-only keys, keys that switch editing on,
// Enter and Space on cells with a clickable object, Home and End, sideways
// scrolling in row-select mode, Tab, jumping over fixed cells, appending on
// Arrow Down, the base key handling, the shortcut keys (clipboard, Insert,
// Delete, select all) and the disjunct row and column selection.

#include <QApplication>

#include "controls/grid/search/search_footer.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

using platform::TGridRect;
using platform::TShiftState;
using platform::TWMKey;
using platform::Word;

namespace grid_input_keys_detail {

bool isNavigationKey(Word key) { return key >= platform::VK_PRIOR && key <= platform::VK_DOWN; }

void swallow(TWMKey& msg)
{
    msg.CharCode = 0;
    msg.Result = 1;
}

}  // namespace grid_input_keys_detail

void TExStringGrid::FireKeyDown(Word& key, TShiftState shift)
{
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TExStringGrid::NotifyMovedSelection()
{
    const TGridRect now = Selection();
    if (now == FMoveSelection) return;
    FMoveSelection = now;
    SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

bool TExStringGrid::IsLastNormalRow() const
{
    return Row() + 1 == RowCount() - FFixedFooters ||
           (Row() + 2 == RowCount() && FFloatingFooter.Visible);
}

void TExStringGrid::HandleKeyDownMessage(TWMKey& Msg)
{
    using namespace platform;
    namespace d = grid_input_keys_detail;
    const Word key = Msg.CharCode;
    const TShiftState shift = Msg.Shift;
    FMoveSelection = Selection();
    const int entryLeft = LeftCol();
    const bool keepHoriz = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) &&
                           (Options() & goRowSelect) && LeftCol() != FixedCols() && FNavigation.KeepHorizScroll;

    // Scroll-only navigation.
    if (FNavigation.MoveScrollOnly && KeyScrollOnly(Msg)) return;

    const bool enterOrF2 = key == VK_RETURN || key == VK_F2;
    // The key opened the editor: no Enter character may close it again.
    bool openedEditor = false;
    // Keys that switch editing on.
    if (enterOrF2 && !(Options() & goEditing)) {
        if (FMouseActions.EditOnDblClickOnly()) {
            const bool kept = FMouseActions.RangeSelectAndEdit;
            FMouseActions.RangeSelectAndEdit = true;
            const bool editable = IsEditable(RealCol(), Row());
            FMouseActions.RangeSelectAndEdit = kept;
            if (editable) SetOptions(Options() | goEditing);
        }
        if (FMouseActions.RangeSelectAndEdit && !(Options() & goEditing)) {
            if (!IsEditable(RealCol(), Row())) {
                Word k = key;
                FireKeyDown(k, shift);
                d::swallow(Msg);
                return;
            }
            SetOptions(Options() | goEditing);
            ShowInplaceEdit();
            openedEditor = EditorMode();
        }
    }
    if (key == 'F' && (shift & ssCtrl) && FSearchPanel != nullptr) search::FocusFindEdit(*this, *FSearchPanel);
    if (enterOrF2) {
        if ((Options() & goEditing) && !IsEditable(RealCol(), Row())) {
            Word k = key;
            FireKeyDown(k, shift);
            d::swallow(Msg);
            return;
        }
        if (EnableHTML && GetCellEx(RealCol(), Row()).toUpper().contains(QStringLiteral("<CONTROL"))) {
            // The cell's first form control is edited instead of its text.
            RememberCellValue(Col(), Row());
            StartControlEdit(Col(), Row(), QString());
            Msg.Result = 1;
            return;
        }
    }
    if (key == VK_RETURN && !IsEditable(RealCol(), Row())) {
        Word k = key;
        FireKeyDown(k, shift);
        d::swallow(Msg);
        return;
    }
    if ((key == VK_RETURN || key == VK_SPACE) && HasClickGraphic(RealCol(), Row())) KeyClickGraphic(key);
    if ((key == VK_HOME || key == VK_END) && KeyHomeEnd(Msg, shift)) {
        NotifyMovedSelection();
        return;
    }

    // Arrow keys on a node row whose current cell is merged open and close the node.
    if ((key == VK_RIGHT || key == VK_LEFT) && IsNode(Row()) && IsMergedCell(RealCol(), Row())) {
        if (key == VK_RIGHT)
            ExpandNode(RealRow());
        else
            ContractNode(RealRow());
    }

    // Sideways scrolling in row-select mode without LeftRightRowSelect: the
    // arrows scroll and leave the current cell.
    if ((Options() & goRowSelect) && !IsNode(Row()) && VisibleColCount() < ColCount() &&
        !FNavigation.LeftRightRowSelect && (key == VK_LEFT || key == VK_RIGHT)) {
        if (key == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
        if (key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
        Word k = key;
        FireKeyDown(k, shift);
        Msg.CharCode = 0;
        Msg.Result = 0;
        return;
    }

    if (key == VK_TAB && (Options() & goTabs)) {
        TabAdvance(shift & ssShift);
        NotifyMovedSelection();
        d::swallow(Msg);
        return;
    }

    Word pending = key;
    if (FNavigation.SkipFixedCells && KeySkipFixed(pending)) {
        FireKeyDown(pending, shift);
        pending = 0;
    }
    if (key == VK_DOWN && FNavigation.AppendOnArrowDown && IsLastNormalRow()) AppendRowOnArrowDown();

    if (keepHoriz) BeginUpdate();
    try {
        if (pending != 0) {
            HandleKeyDown(pending, shift);
            Msg.CharCode = pending;
        } else {
            Msg.CharCode = 0;
        }
    } catch (...) {
        if (keepHoriz) EndUpdate();
        throw;
    }
    if (keepHoriz) {
        SetLeftCol(entryLeft);
        EndUpdate();
    }

    if (Msg.CharCode != 0 && KeyShortcut(Msg.CharCode, shift)) {
        Msg.Result = 1;
        NotifyMovedSelection();
        return;
    }
    if (Msg.CharCode != 0) KeyDisjunct(Msg.CharCode, shift);
    if (Msg.CharCode == VK_F2) F2KeyHook();
    if (openedEditor) Msg.Result = 1;
    NotifyMovedSelection();
}

void TExStringGrid::HandleKeyDown(Word& Key, TShiftState Shift)
{
    using namespace platform;
    FLastKeyCell = {Col(), Row()};
    const Word key = Key;
    TBaseGrid::HandleKeyDown(Key, Shift);
    if (Key == 0) return;
    const TGridRect sel = Selection();
    const int from = sel.Top, to = sel.Bottom;
    const bool ctrl = Shift & ssCtrl;

    if (ctrl && FNavigation.CursorMoveRows) {
        if (key == VK_DOWN && to < RowCount() - 1) {
            if (from == to) {
                MoveRow(from, from + 1);
            } else {
                MoveRows(from, from + 1, to - from + 1);
                SetSelection({FixedCols(), from + 1, ColCount() - 1, to + 1});
            }
        } else if (key == VK_UP && from > FixedRows()) {
            if (from == to) {
                MoveRow(from, from - 1);
            } else {
                MoveRows(from, from - 1, to - from + 1);
                SetSelection({FixedCols(), from - 1, ColCount() - 1, to - 1});
            }
        }
    }

    // Wrapping at the edges, judged on the cell before the key.
    if (FNavigation.CursorAdvance != caDefault) {
        const bool snake = FNavigation.CursorAdvance == caSnake;
        const int lastCol = ColCount() - FFixedRightCols - 1;
        const int lastRow = RowCount() - FFixedFooters - 1;
        int c = Col(), r = Row();
        bool wrap = true;
        if (key == VK_LEFT && FLastKeyCell.X == FixedCols()) {
            c = lastCol;
            if (snake && r > FixedRows()) --r;
        } else if (key == VK_UP && FLastKeyCell.Y == FixedRows()) {
            r = lastRow;
            if (snake && c > FixedCols()) --c;
        } else if (key == VK_RIGHT && FLastKeyCell.X == ColCount() - 1) {
            c = FixedCols();
            if (snake && r < lastRow) ++r;
        } else if (key == VK_DOWN && FLastKeyCell.Y == RowCount() - 1) {
            r = FixedRows();
            if (snake && c < lastCol) ++c;
        } else {
            wrap = false;
        }
        if (wrap) MoveColRow(c, r, true, true);
    }

    // Disabled rows: the base refused the row, look further.
    if (FUseEnabledRows && FNavigation.SkipDisabledRows && Row() == FLastKeyCell.Y) {
        if (key == VK_UP) {
            int r = Row() - 1;
            while (r > FixedRows() && !RowEnabled(r)) --r;
            if (r >= FixedRows() && RowEnabled(r)) SetRow(r);
        } else if (key == VK_DOWN) {
            int r = Row() + 1;
            while (r < RowCount() - 1 && !RowEnabled(r)) ++r;
            if (r <= RowCount() - 1 && RowEnabled(r)) SetRow(r);
        }
    }

    if (TExStringGrid* other = FSyncGrid.Grid()) {
        if (FSyncGrid.SelectionColumn && Col() < other->ColCount()) other->SetCol(Col());
        if (FSyncGrid.SelectionRow && Row() < other->RowCount()) other->SetRow(Row());
    }
}

bool TExStringGrid::KeyScrollOnly(TWMKey& Msg)
{
    using namespace platform;
    const int top = TopRow(), visible = VisibleRowCount();
    int newTop = top;
    switch (Msg.CharCode) {
    case VK_PRIOR: newTop = visible + FixedRows() < top ? top - visible : FixedRows(); break;
    case VK_NEXT:
        if (top + visible < RowCount()) newTop = top + visible;
        break;
    case VK_END: newTop = RowCount() - visible; break;
    case VK_HOME: newTop = FixedRows(); break;
    case VK_UP:
        if (top > FixedRows()) newTop = top - 1;
        break;
    case VK_DOWN:
        if (top + visible < RowCount()) newTop = top + 1;
        break;
    default: return false;
    }
    if (newTop != top && newTop >= FixedRows() && newTop < RowCount()) SetTopRow(newTop);
    grid_input_keys_detail::swallow(Msg);
    return true;
}

bool TExStringGrid::KeyClickGraphic(Word key)
{
    using namespace platform;
    const int sc = RealCol(), r = Row();
    bool active = (Options() & goEditing) || FMouseActions.RangeSelectAndEdit;
    CanEditCell(sc, r, active);
    bool acted = false;
    if (key == VK_SPACE && HasRadioButton(sc, r)) {
        if (active || FControlLook.RadioAlwaysActive) {
            SetRadioButtonColumnIndex(sc, r);
            if (OnRadioButtonClick) OnRadioButtonClick(this, sc, r);
            acted = true;
        }
    } else if (key == VK_SPACE && HasCheckBox(sc, r)) {
        if (active || FControlLook.CheckAlwaysActive) {
            ToggleCheck(sc, r, true);
            if (FShowModified.Enabled) {
                SetRowModified(r, true);
                RepaintCell(0, r);
            }
            bool state = false;
            GetCheckBoxState(sc, r, state);
            if (OnCheckBoxClick) OnCheckBoxClick(this, sc, r, state);
            acted = true;
        }
    } else if (key == VK_SPACE && GetCellType(sc, r) == ctRadio) {
        if (active || FControlLook.RadioAlwaysActive) {
            const TCellGraphic* g = GetCellGraphic(sc, r);
            const QStringList* items = g != nullptr ? g->CellBitmapAs<QStringList>() : nullptr;
            if (items != nullptr && !items->isEmpty()) {
                int idx = items->indexOf(GetCellEx(sc, r));
                if (g->CellIndex() >= 0) idx = g->CellIndex();
                const int next = (idx + 1) % int(items->size());
                RadioGroupChoose(sc, r, next);
                acted = true;
            }
        }
    } else if (const TCellType kind = GetCellType(sc, r); (kind == ctButton || kind == ctBitButton) && active) {
        DoButtonClick(sc, r);
        acted = true;
    }
    RepaintCell(sc, r);
    return acted;
}

bool TExStringGrid::KeyHomeEnd(TWMKey& Msg, TShiftState shift)
{
    using namespace platform;
    const bool ctrl = shift & ssCtrl;
    const bool shiftDown = shift & ssShift;
    const bool rowSel = Options() & goRowSelect;
    const THomeEndAction he = FNavigation.HomeEndKey;
    const int startRow = Row();
    const int entryLeft = LeftCol();
    if (FFixedRowAlways && RowCount() == 1 && he != heFirstLastCell) return false;

    auto extend = [&] {
        if (FMouseActions.DisjunctRowSelect() && !shiftDown) ClearRowSelect();
        if (shiftDown) SetSelection({FixedCols(), Row(), ColCount() - 1, startRow});
        if (FMouseActions.DisjunctRowSelect()) SelectionToRowSelect(false);
    };
    auto keepHoriz = [&] {
        if (rowSel && FNavigation.KeepHorizScroll) SetLeftCol(entryLeft);
    };
    auto toFirstTabStop = [&] {
        const int c = FirstTabStop(Row());
        if (c >= 0) SetCol(c);
        SelectBaseCell();
        SetLeftCol(FirstNormalCol());
    };

    bool moved = true;
    if (Msg.CharCode == VK_HOME) {
        if (he == heFirstLastCell && !ctrl) {
            MoveColRow(FixedCols(), FixedRows(), true, true);
            SelectBaseCell();
        } else if (he == heFirstLastRow && !ctrl) {
            SetRow(FixedRows());
            SelectBaseCell();
            extend();
            keepHoriz();
        } else if (he == heFirstLastColumn && ctrl) {
            SetRow(FixedRows());
            toFirstTabStop();
        } else if (he == heFirstLastColumn && !rowSel) {
            if (shiftDown) {
                SetSelection({Col(), Row(), FixedCols(), Row()});
                RepaintRow(Row());
            } else {
                toFirstTabStop();
            }
        } else {
            moved = false;
        }
    } else {
        if (he == heFirstLastCell && !ctrl) {
            // The very last cell, also when it lies in a fixed footer row or
            // a fixed right column, which an ordinary move refuses.
            const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
            if (IsFixed(lastCol, lastRow))
                SetCellForced(lastCol, lastRow);
            else
                MoveColRow(lastCol, lastRow, true, true);
            SelectBaseCell();
        } else if (he == heFirstLastRow && !ctrl) {
            const bool floating = FFloatingFooter.Visible;
            if (floating && RowCount() > 2)
                SetRow(RowCount() - 2);
            else
                SetRow(RowCount() - FFixedFooters - 1);
            if (FFixedFooters > 0 || floating) SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
            SelectBaseCell();
            extend();
            keepHoriz();
        } else if (ctrl && (FFixedFooters > 0 || FFixedRightCols > 0)) {
            // Ctrl+End goes to the last normal cell: the footer rows and the
            // fixed right columns refuse the cursor, so the platform's move
            // to the very last cell would leave it where it is.
            const int lastCol = std::max(FixedCols(), ColCount() - FFixedRightCols - 1);
            const int lastRow = std::max(FixedRows(), RowCount() - FFixedFooters - 1);
            MoveColRow(lastCol, lastRow, !shiftDown, true);
            if (!shiftDown) SelectBaseCell();
        } else if (he == heFirstLastColumn && !ctrl && !rowSel) {
            if (shiftDown) {
                SetSelection({Col(), Row(), ColCount() - FFixedRightCols - 1, Row()});
                RepaintRow(Row());
            } else {
                SetCol(ColCount() - 1);
                SelectBaseCell();
                SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
            }
        } else {
            moved = false;
        }
    }
    if (!moved) return false;
    Word k = Msg.CharCode;
    FireKeyDown(k, shift);
    Msg.CharCode = 0;
    Msg.Result = 0;
    return true;
}

bool TExStringGrid::KeySkipFixed(Word& key)
{
    using namespace platform;
    Word k = key;
    if (layoutDirection() == Qt::RightToLeft) {
        if (k == VK_LEFT) k = VK_RIGHT;
        else if (k == VK_RIGHT) k = VK_LEFT;
    }
    const int c = Col(), r = Row();
    const bool rowSel = Options() & goRowSelect;
    switch (k) {
    case VK_LEFT: {
        if (!(c > FixedCols() && IsFixed(c - 1, r))) return false;
        int w = c - 1;
        while (w - 1 >= FixedCols() && IsFixed(w - 1, r)) --w;
        if (w - 1 >= FixedCols() && !IsFixed(w - 1, r)) SetCol(w - 1);
        return true;
    }
    case VK_RIGHT: {
        const int bound = ColCount() - FFixedRightCols;
        if (!(c < bound - 1 && IsFixed(c + 1, r))) return false;
        int w = c + 1;
        while (w + 1 < bound && IsFixed(w + 1, r)) ++w;
        if (w + 1 < bound && !IsFixed(w + 1, r)) SetCol(w + 1);
        return true;
    }
    case VK_UP: {
        if (!(r > FixedRows() && IsFixed(c, r - 1))) return false;
        int w = r - 1;
        if (!rowSel)
            while (w - 1 >= FixedRows() && IsFixed(c, w - 1)) --w;
        if (w - 1 >= FixedRows() && (rowSel || !IsFixed(c, w - 1))) SetRow(w - 1);
        return true;
    }
    case VK_DOWN: {
        const int bound = RowCount() - FFixedFooters;
        if (!(r < bound && r + 1 < RowCount() && IsFixed(c, r + 1))) return false;
        int w = r + 1;
        if (!rowSel)
            while (w + 1 < bound && IsFixed(c, w + 1)) ++w;
        if (w + 1 < bound && (rowSel || !IsFixed(c, w + 1))) SetRow(w + 1);
        return true;
    }
    default: return false;
    }
}

bool TExStringGrid::KeyShortcut(Word key, TShiftState shift)
{
    using namespace platform;
    const bool ctrl = shift & ssCtrl, shiftDown = shift & ssShift, alt = shift & ssAlt;
    auto allowed = [this](const std::function<void(Sender, bool&)>& event) {
        bool allow = true;
        if (event) event(this, allow);
        return allow;
    };
    if (FNavigation.AllowClipboardShortCuts) {
        if (ctrl && key == 'X') {
            if (allowed(OnClipboardCut)) CutSelectionToClipboard();
            return true;
        }
        if (ctrl && key == 'V') {
            if (allowed(OnClipboardPaste)) PasteSelectionFromClipboard();
            return true;
        }
        if (ctrl && (key == 'C' || key == VK_INSERT)) {
            if (allowed(OnClipboardCopy)) CopySelectionToClipboard();
            return true;
        }
        if (shiftDown && key == VK_INSERT) {
            if (allowed(OnClipboardPaste)) PasteSelectionFromClipboard();
            return true;
        }
        if (shiftDown && key == VK_DELETE) {
            if (allowed(OnClipboardCut)) CutSelectionToClipboard();
            return true;
        }
    }
    if (key == VK_INSERT && !ctrl && !shiftDown && !alt && FNavigation.AllowInsertRow) {
        bool canInsert = true;
        if (OnCanInsertRow) OnCanInsertRow(this, RealRow(), canInsert);
        if (canInsert) KeyInsertRow();
        return true;
    }
    if (ctrl && key == 'A' && (Options() & (goRowSelect | goRangeSelect))) {
        KeySelectAll();
        return true;
    }
    return false;
}

void TExStringGrid::KeyInsertRow()
{
    const bool after = FNavigation.InsertPosition == pInsertAfter;
    int at = Row();
    int cursor = Row();
    if (after) {
        if (FFixedRowAlways && RowCount() <= GridBase::FixedRows()) {
            cursor = 1;
        } else {
            at = Row() + 1;
            cursor = Row() + 1;
        }
    }
    // The place among all rows, hidden ones included.
    at = at < RowCount() ? RealRowIndex(at) : TotalRowCount();
    InsertRowAt(at);
    if (OnAutoInsertRow) OnAutoInsertRow(this, at);
    FGridModified = true;
    if (cursor < RowCount()) SetRow(cursor);
    CalcFooter(-1);
}

void TExStringGrid::KeyDeleteRow()
{
    if (RowCount() - FixedRows() - FFixedFooters < 1) return;
    bool canDelete = true;
    if (OnCanDeleteRow) OnCanDeleteRow(this, RealRow(), canDelete);
    if (!canDelete) return;
    AutoDeleteRow(Row());
    if (FFloatingFooter.Visible && Row() >= RowCount() - 1 && RowCount() >= 2) SetRow(RowCount() - 2);
    FGridModified = true;
    CalcFooter(-1);
}

void TExStringGrid::KeySelectAll()
{
    TGridRect all{FirstNormalCol(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1};
    if (all.Right < all.Left || all.Bottom < all.Top) return;
    if (FMouseActions.DisjunctRowSelect())
        for (int r = all.Top; r <= all.Bottom; ++r)
            SetRowSelect(FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r, true);
    SelectAllHook(all);
    // The cursor ends on the last normal cell, the anchor on the first.
    FForceSel = true;
    SetSelection({all.Right, all.Bottom, all.Left, all.Top});
    FForceSel = false;
    ScrollInView(all.Right, all.Bottom);
}

void TExStringGrid::KeyDisjunct(Word key, TShiftState shift)
{
    using namespace platform;
    const bool ctrl = shift & ssCtrl, shiftDown = shift & ssShift;
    namespace d = grid_input_keys_detail;
    if (d::isNavigationKey(key)) {
        const int row = FMouseActions.RowSelectPersistent ? RealRow() : Row();
        if (FMouseActions.DisjunctRowSelect()) {
            if (!shiftDown && !ctrl) ClearRowSelect();
            else if (shiftDown) SelectionToRowSelect(false);
            else SetRowSelect(row, true);
        }
        if (FMouseActions.DisjunctColSelect()) {
            if (!shiftDown && !ctrl) ClearColSelect();
            else if (shiftDown) SelectionToColSelect(false);
            else SetColSelect(Col(), true);
        }
    }
    if (key == VK_SPACE) {
        if (FMouseActions.DisjunctRowSelect()) {
            const int row = FMouseActions.RowSelectPersistent ? RealRow() : Row();
            SetRowSelect(row, !RowSelect(row));
        }
        if (FMouseActions.DisjunctColSelect()) SetColSelect(Col(), !ColSelect(Col()));
    }
    if (key == VK_DELETE && FNavigation.AllowDeleteRow && !(shift & ssAlt)) KeyDeleteRow();
}

void TExStringGrid::AppendRowOnArrowDown()
{
    bool canAdd = CanAddRow();
    if (!canAdd) return;
    const bool floating = FFloatingFooter.Visible;
    if (floating) {
        QStringList footer;
        for (int c = 0; c < TotalColCount(); ++c) footer << GetCellEx(c, RowCount() - 1);
        IncRowCount();
        for (int c = 0; c < TotalColCount(); ++c) {
            FreeCellProps(c, RowCount() - 2);
            SetCellEx(c, RowCount() - 2, QString());
            SetCellEx(c, RowCount() - 1, footer.value(c));
        }
    } else {
        IncRowCount();
        for (int c = 0; c < TotalColCount(); ++c) {
            FreeCellProps(c, RowCount() - 1);
            SetCellEx(c, RowCount() - 1, QString());
        }
    }
    if (floating || FFixedFooters > 0) SetRow(Row() + 1);
    if (floating) CalcFooter(-1);
    if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

bool TExStringGrid::CanAddRow()
{
    bool canAdd = true;
    if (OnCanAddRow) OnCanAddRow(this, canAdd);
    return canAdd;
}

}  // namespace grid

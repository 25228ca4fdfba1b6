// Typed characters: opening the editor with the typed character, the key
// press (Esc, Enter, type-ahead row search), the key-up (editor reopening,
// disjunct cell selection) and the grid timer's type-ahead time-out.

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

using platform::TShiftState;
using platform::Word;

namespace grid_input_chars_detail {

constexpr char16_t kBackspace = 8;
constexpr char16_t kTab = 9;
constexpr char16_t kEnter = 13;
constexpr char16_t kEsc = 27;
constexpr char16_t kDel = 127;

// A character that opens the editor with itself: Backspace, or any
// printable character (code 32 and up except DEL, also beyond 255).
bool startsEdit(QChar ch)
{
    const char16_t code = ch.unicode();
    return code == kBackspace || (code >= 32 && code != kDel);
}

int packCell(int col, int row) { return (row << 16) | (col & 0xFFFF); }

}  // namespace grid_input_chars_detail

void TExStringGrid::HandleKeyPress(QChar& Key)
{
    using namespace platform;
    namespace d = grid_input_chars_detail;
    const char16_t code = Key.unicode();
    const int sc = RealCol();
    const int row = Row();

    // A cell with form controls keeps its characters for them.
    if (EnableHTML && GetCellEx(sc, row).toUpper().contains(QStringLiteral("<CONTROL"))) return;
    // The clipboard keys did their work on the key-down.
    if (FNavigation.AllowClipboardShortCuts && (code == 3 || code == 22 || code == 24)) {
        Key = QChar();
        return;
    }
    const bool clickGraphic = HasClickGraphic(sc, row);
    const bool ctrl = keyboardShiftState() & ssCtrl;

    // Typing into a cell of a range-selecting grid switches editing on.
    if (FMouseActions.RangeSelectAndEdit && !(Options() & goEditing) && !clickGraphic && d::startsEdit(Key) &&
        code != d::kTab && code != d::kEsc && !ctrl && IsEditable(sc, row)) {
        if (OnKeyPress) OnKeyPress(this, Key);
        if (Key.isNull()) return;
        FStartEditChar = Key;
        SetOptions(Options() | goEditing);
        if (Col() < LeftCol() || Col() > LeftCol() + VisibleColCount() || row < TopRow() ||
            row > TopRow() + VisibleRowCount())
            ScrollInView(Col(), row);
        ShowEditorChar(Key);
        return;
    }

    if ((Options() & goEditing) && d::startsEdit(Key) && code != d::kTab) {
        if (OnKeyPress) OnKeyPress(this, Key);
        if (Key.isNull()) return;
        FStartEditChar = Key;
        if (!clickGraphic && !(Options() & goRowSelect) && IsEditable(sc, row) && InplaceCol() < 0)
            ShowEditorChar(Key);
        return;
    }

    // The key press proper.
    if (code == d::kEsc) {
        if ((Options() & goEditing) && EditorMode()) EditorCancel();
        if (OnKeyPress) OnKeyPress(this, Key);
        return;
    }
    if (code == d::kEnter) {
        if (!FNavigation.AdvanceOnEnter && !IsEditable(sc, row)) {
            if (OnKeyPress) OnKeyPress(this, Key);
            Key = QChar();
            return;
        }
        const bool editorHasFocus = !hasFocus() && InplaceEditor() != nullptr && InplaceEditor()->hasFocus();
        if (editorHasFocus || clickGraphic) {
            AdvanceAfterEdit(Col(), Row(), false, false, true, false, EditorMode());
            if (!FNavigation.AdvanceAutoEdit) {
                if (OnKeyPress) OnKeyPress(this, Key);
                Key = QChar();
                return;
            }
            if (HasClickGraphic(sc, Row())) {
                if (OnKeyPress) OnKeyPress(this, Key);
                if (FNavigation.AdvanceOnEnter) ShowInplaceEdit();
                return;
            }
        }
    }
    if (!(Options() & goEditing) && FNavigation.AutoGotoWhenSorted && !Key.isNull()) TypeAhead(Key);
    GridBase::HandleKeyPress(Key);
}

void TExStringGrid::TypeAhead(QChar key)
{
    namespace d = grid_input_chars_detail;
    if (FNavigation.AutoGotoIncremental) {
        if (key.unicode() == d::kBackspace)
            FSearchInc.chop(1);
        else
            FSearchInc += key;
        FSearchTics = 0;
        WireGridTimer();
        if (!FGridTimer.isActive()) FGridTimer.start();
    } else {
        FSearchInc = key;
    }
    if (FSearchInc.isEmpty()) return;
    const QString wanted = FSearchInc.toUpper();
    const int col = RealColIndex(AutoGotoColumn >= 0 ? AutoGotoColumn : Col());
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
        if (GetCellEx(col, r).toUpper().startsWith(wanted)) {
            SetRow(r);
            return;
        }
    }
    FSearchInc.clear();
}

void TExStringGrid::HandleKeyUp(Word& Key, TShiftState Shift)
{
    using namespace platform;
    namespace d = grid_input_chars_detail;
    const Word key = Key;
    if (key == VK_PRIOR || key == VK_NEXT || key == VK_END || (key >= VK_LEFT && key <= VK_DOWN) ||
        key == VK_INSERT || key == VK_DELETE)
        FSearchInc.clear();
    const platform::TGridRect noted = Selection();
    GridBase::HandleKeyUp(Key, Shift);

    const bool arrow = key >= VK_LEFT && key <= VK_DOWN;
    const bool tab = key == VK_TAB && (Options() & goTabs);
    if (FNavigation.AlwaysEdit && (arrow || tab) && !HasClickGraphic(RealCol(), Row())) ShowInplaceEdit();
    if ((arrow || key == VK_TAB) && !(Selection() == FMoveSelection)) {
        const platform::TGridRect now = Selection();
        FMoveSelection = now;
        SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    }

    if (!FMouseActions.DisjunctCellSelect() || (Options() & goEditing)) return;
    if (Shift & ssShift) {
        for (int r = noted.Top; r <= noted.Bottom; ++r)
            for (int c = noted.Left; c <= noted.Right; ++c) std::erase(FSelectedCells, d::packCell(c, r));
        const platform::TGridRect now = Selection();
        for (int r = now.Top; r <= now.Bottom; ++r)
            for (int c = now.Left; c <= now.Right; ++c)
                if (!(c == Col() && r == Row())) FSelectedCells.push_back(d::packCell(c, r));
        Invalidate();
    } else if (key == VK_SPACE) {
        const QPoint base = BaseCell(RealCol(), Row());
        const int bc = DisplColIndex(base.x()), br = base.y();
        if (IsFixed(bc, br)) return;
        bool canSelect = true;
        if (OnSelectCell) OnSelectCell(this, bc, br, canSelect);
        if (!canSelect) return;
        const int packed = d::packCell(bc, br);
        if (Shift & ssCtrl) {
            if (std::erase(FSelectedCells, packed) == 0) FSelectedCells.push_back(packed);
        } else {
            FSelectedCells.clear();
            FSelectedCells.push_back(packed);
        }
        Invalidate();
    }
}

bool TExStringGrid::IsCellSelectedDisjunct(int ACol, int ARow) const
{
    const int packed = grid_input_chars_detail::packCell(ACol, ARow);
    return std::find(FSelectedCells.begin(), FSelectedCells.end(), packed) != FSelectedCells.end();
}

}  // namespace grid

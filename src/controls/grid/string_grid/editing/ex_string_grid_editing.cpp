// The road of one cell edit: may an editor open, which text it starts with,
// how its value comes back into the cell, how it closes and how the end of
// the edit is announced.

#include <QCoreApplication>
#include <QEvent>

#include "controls/grid/editors/editor_kinds.h"
#include "controls/grid/editors/grid_button_editors.h"
#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/editors/grid_date_editors.h"
#include "controls/grid/editors/grid_link_editors.h"
#include "controls/grid/editors/inplace_edit_rules.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/settings/grid_app_style.h"
#include "controls/grid/html/html_text_utils.h"
#include "platform/input_state.h"

namespace grid {

namespace grid_editing_detail {

// The "GridEditDone" notification the grid posts to itself: column and row.
class EditDoneEvent : public QEvent {
public:
    EditDoneEvent(int col, int row) : QEvent(Type()), Col(col), Row(row) {}
    static QEvent::Type Type()
    {
        static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
        return type;
    }
    int Col;
    int Row;
};

}  // namespace grid_editing_detail

// ------------------------------------------------------------ editor controls of the grid

void TExStringGrid::CreateEditorControls()
{
    FEditCombo = new TGridCombo(this);
    FEditCheck = new TGridCheckBox(this);
    FEditBtn = new TGridEditBtn(this);
    FEditBtn->SetIsWinXP(true);
    FUnitEditBtn = new TGridUnitEditBtn(this);
    FUnitEditBtn->SetIsWinXP(true);
    FGridButton = new TGridButton(this);
    // The grid follows the application style from the start and on every change.
    connect(&TGridAppStyleService::Instance(), &TGridAppStyleService::Changed, this, [this] { ApplyStyleColors(); });
    ApplyStyleColors();
}

void TExStringGrid::DestroyEditorControls()
{
    // The editors go first, while the grid is still whole: their focus
    // loss must not reach a grid half taken down.
    FDestroying = true;
    EditCtrl = nullptr;
    // Each pointer is cleared as soon as its editor is gone, so nothing run
    // while a later editor goes can reach a deleted one.
    const auto destroy = [](auto*&... editors) { ((delete editors, editors = nullptr), ...); };
    destroy(FEditSpin, FEditCombo, FEditCheck, FEditBtn, FUnitEditBtn, FGridButton, FEditDate, FEditDateTime,
            FInplaceRichEdit, FRichEdit, FEditTrans, FComboTrans);
    // The inline editor stays the platform grid's until the window goes.
    if (TExInplaceEdit* edit = InplaceEdit()) edit->Detach();
}

void TExStringGrid::PassWordWrapToEditor(bool value)
{
    if (TExInplaceEdit* edit = InplaceEdit()) edit->SetWordWrap(value);
}

TExInplaceEdit* TExStringGrid::InplaceEdit() const { return qobject_cast<TExInplaceEdit*>(InplaceEditor()); }

TGridSpin* TExStringGrid::SpinEdit()
{
    if (FEditSpin == nullptr) FEditSpin = new TGridSpin(this);
    return FEditSpin;
}

QWidget* TExStringGrid::CreateEditor()
{
    auto* edit = new TExInplaceEdit(this);
    if (FGlowAwaitsEditor) ShowEditGlow(edit);
    return edit;
}

// ------------------------------------------------------------ editability

bool TExStringGrid::CellAllowsEditing(int ACol, int ARow)
{
    // A covered cell of a merged block is edited through its base cell.
    int col = ACol;
    int row = ARow;
    const int sc = RealColIndex(ACol);
    if (IsMergedCell(sc, ARow) && !IsBaseCell(sc, ARow)) {
        const QPoint base = BaseCell(sc, ARow);
        col = DisplColIndex(base.x());
        row = base.y();
    }
    // Fixed rows and columns, footers, right fixed columns and cells the
    // grid declares fixed (IsFixedCell asks with the display column).
    if (ACol < FixedCols() || ARow < FixedRows() || IsFixed(col, row)) return false;
    bool canEdit = true;
    CanEditCell(RealColIndex(col), row, canEdit);
    return canEdit;
}

bool TExStringGrid::IsEditable(int ACol, int ARow)
{
    const bool editingOn =
        (Options() & platform::goEditing) || FMouseActions.RangeSelectAndEdit || FEditDisable;
    return editingOn && CellAllowsEditing(DisplColIndex(ACol), ARow);
}

bool TExStringGrid::EditorWantsTab() const
{
    return (Options() & platform::goTabs) || bool(OnCellValidate);
}

// ------------------------------------------------------------ opening

bool TExStringGrid::MayShowEditor()
{
    if (FValidating || FDestroying) return false;
    bool ok = GridBase::MayShowEditor();
    if (IsDesigning()) return ok;
    // An edit left open in another cell (a data check box cell opens no
    // control) ends before this cell chooses its editor.
    if (EditMode && (FEditCol != Col() || FEditRow != Row())) {
        WriteBackEditor(FEditCol, FEditRow);
        EditMode = false;
    }
    const QPoint cell = BaseCell(RealColIndex(Col()), Row());
    if (ok && !EditMode && HasClickGraphic(cell.x(), cell.y())) return false;
    const bool startsEdit = ok && !EditMode;
    if (startsEdit) {
        // The edit validates against the text this cell holds now.
        if (FOldCol != Col() || FOldRow != Row() || !FEditing) RememberCellValue(Col(), Row());
        FNoEditChange = true;
        FCellCache = CurrentCell();
        EditControl = DefaultEditor;
        GetCellEditor(cell.x(), cell.y(), EditControl);
        if (EditControl == edNone) {
            FNoEditChange = false;
            return false;
        }
        EditMode = true;
        FEditCol = Col();
        FEditRow = Row();
        FEditCancelled = false;
        if (IsInlineEditorKind(EditControl) || EditorControlWidget(EditControl) == nullptr) {
            // Kinds whose control this grid does not have edit their text inline.
            FShowEditProcess = true;
        } else {
            SetupCellEditor(DisplColIndex(cell.x()), cell.y());
            FEntered = true;
            // A data check box cell opens no control, so it gets no glow.
            if (QWidget* control = EditorControlWidget(EditControl); control != this) ShowEditGlow(control);
            ok = false;
        }
    }
    if (ok) {
        FEntered = true;
        FEditing = true;
        // Once per edit: the glow of an edit still open stays where it is.
        if (startsEdit || FFocusWindow == nullptr || !FFocusWindow->isVisible()) ShowEditGlow(InplaceEditor());
    }
    return ok;
}

QString TExStringGrid::EditTextOfCell(int ACol, int ARow)
{
    FNoEditChange = true;
    int col = RealColIndex(ACol);
    int row = ARow;
    if (TExInplaceEdit* edit = InplaceEdit()) {
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        GetCellAlignment(col, ARow, ha, va);
        edit->SetVAlign(ha == taRightJustify);
    }
    if (IsMergedCell(col, row) && !IsBaseCell(col, row)) {
        const QPoint base = BaseCell(col, row);
        col = base.x();
        row = base.y();
    }
    QString text = GetCellEx(col, row);
    if (OnGetEditText) OnGetEditText(this, DisplColIndex(col), row, text);
    if (!EditWithTags) text = StripHTMLTags(text);
    FGivenEditText = text;
    FGivenCol = col;
    FGivenRow = row;
    return text;
}

bool TExStringGrid::IsGivenEditText(int ACol, int ARow, const QString& Value) const
{
    return FGivenCol == ACol && FGivenRow == ARow && Value == FGivenEditText;
}

int TExStringGrid::EditLengthLimit() { return MaxEditLength; }

void TExStringGrid::SetEditorText(QWidget* editor, const QString& text, int maxLength)
{
    FNoEditChange = true;
    // The line edit takes the limit as it is (0: no limit at all).
    GridBase::SetEditorText(editor, text, InplaceMaxLength(maxLength));
    if (auto* edit = qobject_cast<TExInplaceEdit*>(editor)) {
        edit->Filled();
        edit->FillText(text);
    }
    FNoEditChange = false;
}

QString TExStringGrid::EditorText(QWidget* editor) const
{
    if (const auto* edit = qobject_cast<const TExInplaceEdit*>(editor)) return edit->EditText();
    return GridBase::EditorText(editor);
}

void TExStringGrid::ShowInplaceEdit()
{
    if (HasClickGraphic(RealColIndex(Col()), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    FEditText = GetCellEx(RealColIndex(Col()), Row());
    ShowEditor();
}

void TExStringGrid::ShowCellEdit()
{
    platform::TWMKey msg{platform::VK_F2, 0, 0};
    HandleKeyDownMessage(msg);
}

// ------------------------------------------------------------ writing back

void TExStringGrid::AcceptEditText(int ACol, int ARow, const QString& Value)
{
    int col = RealColIndex(ACol);
    int row = ARow;
    if (IsMergedCell(col, row) && !IsBaseCell(col, row)) {
        const QPoint base = BaseCell(col, row);
        col = base.x();
        row = base.y();
    }
    // An editor text that is still the text it was given leaves the cell
    // as it is (a cell with markup keeps its tags).
    if (IsGivenEditText(col, row, Value)) return;
    WriteEditText(col, row, Value);
}

void TExStringGrid::WriteEditText(int ACol, int ARow, const QString& Value)
{
    if (GetGridCell(ACol, ARow) != Value) SetCellEx(ACol, ARow, Value);
    GridBase::AcceptEditText(DisplColIndex(ACol), ARow, Value);
}

void TExStringGrid::StoreEditorText(int ACol, int ARow, const QString& Value)
{
    int col = ACol;
    int row = ARow;
    if (IsMergedCell(col, row) && !IsBaseCell(col, row)) {
        const QPoint base = BaseCell(col, row);
        col = base.x();
        row = base.y();
    }
    if (IsGivenEditText(col, row, Value)) return;
    WriteEditText(col, row, Value);
}

void TExStringGrid::RestoreCellValue()
{
    const int col = RealColIndex(Col());
    SetCellEx(col, Row(), FCellCache);
    SetCellEx(col, Row(), GetCellEx(col, Row()));
}

void TExStringGrid::RememberCellValue(int ACol, int ARow)
{
    const int col = RealColIndex(ACol);
    if (FOldCol != ACol || FOldRow != ARow) FGivenCol = FGivenRow = -1;
    FOldCol = ACol;
    FOldRow = ARow;
    FOldCellText = GetGridCell(col, ARow);
    FOldCellTextWide = GetWideCells(col, ARow);
    FOldModifiedValue = Modified;
}

void TExStringGrid::CancelEditorControl() { FEditCancelled = true; }

void TExStringGrid::CloseEditorControl(QWidget* control)
{
    if (control == nullptr) return;
    const bool hadFocus = control->hasFocus() || control->isAncestorOf(QApplication::focusWidget());
    control->setEnabled(false);
    control->hide();
    if (hadFocus && !FDestroying) setFocus(Qt::OtherFocusReason);
}

void TExStringGrid::WriteBackEditor(int ACol, int ARow)
{
    if (FDestroying) return;
    FSpecialEditor = false;
    FBlockKill = true;
    const int col = RealColIndex(ACol);
    FStartEditChar = QChar();
    const bool cancelled = FEditCancelled;
    FEditCancelled = false;
    if (IsSpinEditorKind(EditControl) && FEditSpin != nullptr) {
        EditMode = false;
        TGridSpin* spin = FEditSpin;
        const QString text = spin->text();
        if (!cancelled && !IsGivenEditText(col, ARow, text)) {
            if (spin->AllowEmptyValue() && text.trimmed().isEmpty()) {
                SetCellEx(col, ARow, QString());
            } else {
                switch (EditControl) {
                case edSpinEdit: SetInts(col, ARow, spin->Value()); break;
                case edFloatSpinEdit: SetFloats(col, ARow, spin->FloatValue()); break;
                case edDateSpinEdit: SetDates(col, ARow, DateOfDateTime(spin->DateValue())); break;
                default: StoreEditorText(col, ARow, text); break;
                }
            }
        }
        CloseEditorControl(spin);
    } else if (IsComboEditorKind(EditControl) && FEditCombo != nullptr) {
        if (EditMode) {
            EditMode = false;
            if (!cancelled) StoreEditorText(col, ARow, FEditCombo->Text());
        }
        FEditCombo->SetDroppedDown(false);
        CloseEditorControl(FEditCombo);
    } else if (EditControl == edCheckBox && FEditCheck != nullptr) {
        CloseEditorControl(FEditCheck);
        EditMode = false;
    } else {
        WriteBackControlEditor(col, ARow, cancelled);
    }
    // Inline kinds, edDataCheckBox and edNone: nothing to write here.
    if (EditControl != edNormal && FEditActive) NotifyEditDone(col, ARow);
    FBlockKill = false;
    FEditActive = false;
}

void TExStringGrid::NotifyEditDone(int ACol, int ARow)
{
    if (OnEditingDone) OnEditingDone(this);
    EditMode = false;
    QCoreApplication::postEvent(this, new grid_editing_detail::EditDoneEvent(ACol, ARow));
}

void TExStringGrid::customEvent(QEvent* event)
{
    if (event->type() != grid_editing_detail::EditDoneEvent::Type()) {
        TBaseGrid::customEvent(event);
        return;
    }
    try {
        const auto* done = static_cast<grid_editing_detail::EditDoneEvent*>(event);
        if (OnEditCellDone) OnEditCellDone(this, done->Col, done->Row);
    } catch (...) {
    }
}

// ------------------------------------------------------------ closing

void TExStringGrid::HideInplaceEdit()
{
    if (!EditMode) return;
    HideEditor();
    WriteBackEditor(Col(), Row());
    EditMode = false;
    CanSelectCell(Col(), Row());
}

void TExStringGrid::HideCellEdit() { WriteBackEditor(Col(), Row()); }

void TExStringGrid::DoneInplaceEdit(platform::Word Key, platform::TShiftState Shift)
{
    FBlockFocus = true;
    FEditing = false;
    HideInplaceEdit();
    if (FNavigation.AppendOnArrowDown && Key == platform::VK_DOWN && IsLastNormalRow()) AppendRowOnArrowDown();
    if (Key == platform::VK_TAB || Key == platform::VK_LEFT || Key == platform::VK_UP || Key == platform::VK_RIGHT ||
        Key == platform::VK_DOWN) {
        platform::Word key = Key;
        HandleKeyDown(key, Shift);
    }
    const bool alwaysEdit = FNavigation.AlwaysEdit;
    FNavigation.AlwaysEdit = false;
    setFocus(Qt::OtherFocusReason);
    if (Key == platform::VK_RETURN) AdvanceAfterEdit(Col(), Row(), false, true, true, false, false);
    FNavigation.AlwaysEdit = alwaysEdit;
    FBlockFocus = false;
}

}  // namespace grid

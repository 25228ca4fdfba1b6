#include "controls/grid/editors/grid_button_editors.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>

#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/editors/inplace_edit_rules.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/format_settings.h"
#include "platform/input_state.h"

namespace grid {

using platform::TShiftState;
using platform::Word;

namespace grid_button_editors_detail {

// The keys the edit-with-button editors handle themselves.
bool IsEditorKey(Word key)
{
    return key == platform::VK_TAB || key == platform::VK_RETURN || key == platform::VK_ESCAPE ||
           key == platform::VK_PRIOR || key == platform::VK_NEXT || key == platform::VK_UP || key == platform::VK_DOWN;
}

bool IsCharacter(const QKeyEvent& event) { return !event.text().isEmpty() && event.text().at(0) >= u' '; }

// The grid's OnKeyPress sees a typed character first; it may change or
// clear it. The event to hand on, or none when the character is gone.
bool PassKeyPress(TExStringGrid& g, QKeyEvent& event, QString& text)
{
    text = event.text();
    if (!IsCharacter(event) || !g.OnKeyPress) return true;
    QChar ch = text.at(0);
    g.OnKeyPress(&g, ch);
    if (ch.isNull()) return false;
    text = QString(ch);
    return true;
}

// A Tab the editor keeps goes to its key handling, not to the focus chain.
bool WantsTab(QEvent* event, bool wanted) { return wanted && grid_editor_keys::IsTabPress(event); }

// The character filter on a key event of an edit: true when it may reach it.
bool FilterCharacter(TEsgEditBtn& edit, TEditorType kind, const QString& ch, const QKeyEvent& event)
{
    if (ch.isEmpty()) return true;
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    const TEditBtnCharVerdict verdict =
        EditBtnCharVerdict(kind, edit.text(), edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition(),
                           edit.selectedText(), ch.at(0), ctrl);
    if (verdict == TEditBtnCharVerdict::Beep) platform::beep();
    return verdict == TEditBtnCharVerdict::Accept;
}

}  // namespace grid_button_editors_detail

TEditBtnCharVerdict EditBtnCharVerdict(TEditorType kind, const QString& text, int caret, const QString& selected,
                                       QChar ch, bool ctrl)
{
    using V = TEditBtnCharVerdict;
    const bool control = ch == u'\b' || ch == u'\t' || ch == u'\r' || ch == u'\x1b';
    switch (kind) {
    case edEditBtn: case edMaskEditBtn: case edUnitEditBtn: return V::Accept;
    case edNumericEditBtn: case edNumericUnitEditBtn:
        if (control || ch.isDigit()) return ch.isDigit() && ch.unicode() > 0x7F ? V::Beep : V::Accept;
        if (ch == u'-') return !text.contains(u'-') && caret == 0 ? V::Accept : V::Beep;
        return V::Beep;
    case edFloatEditBtn: case edFloatUnitEditBtn: {
        const platform::FormatSettings& fs = platform::formatSettings();
        const bool candidate = control || (ch >= u'0' && ch <= u'9') || ch == u',' || ch == u'-' || ch == u'.';
        if (!candidate) return ctrl ? V::Accept : V::Drop;
        if (ch == fs.DecimalSeparator && text.contains(fs.DecimalSeparator) &&
            !selected.contains(fs.DecimalSeparator))
            return V::Drop;
        if (ch == fs.ThousandSeparator) return V::Drop;
        if (ch == u'-' && (caret != 0 || text.contains(u'-')) && !selected.contains(u'-')) return V::Beep;
        return V::Accept;
    }
    default: return V::Drop;
    }
}

QString EditBtnPasteText(const QString& clipboard)
{
    const qsizetype at = clipboard.indexOf(QStringLiteral("\r\n"));
    if (at >= 0 && at == clipboard.size() - 2) return clipboard.left(at);
    return clipboard;
}

// ------------------------------------------------------------ edit with button

TGridEditBtn::TGridEditBtn(TExStringGrid* grid) : TEsgEditBtn(grid->viewport()), FGrid(grid)
{
    OnClickBtn = [this](QObject* sender) { ButtonClick(sender); };
    SetButtonCaption(QStringLiteral("..."));
    setFrame(false);
    setEnabled(false);
    hide();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), text);
    });
}

void TGridEditBtn::ButtonClick(QObject*)
{
    setText(FGrid->DoEllipsClick(text()));
    selectAll();
    update();
    if (StopEditAfterClick) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
    }
}

bool TGridEditBtn::event(QEvent* event)
{
    if (grid_button_editors_detail::WantsTab(event, FGrid->EditorWantsTab())) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return TEsgEditBtn::event(event);
}

bool TGridEditBtn::Commit(Word key)
{
    TExStringGrid& g = *FGrid;
    if (!g.IsGivenEditText(g.RealColIndex(g.Col()), g.Row(), text())) g.SetCurrentCell(text());
    const bool valid = g.ValidateCell(text());
    setText(g.NewCellText());
    if (valid) return true;
    if (key == platform::VK_TAB)
        setCursorPosition(int(text().size()));
    else
        selectAll();
    update();
    return false;
}

void TGridEditBtn::keyPressEvent(QKeyEvent* event)
{
    using namespace grid_button_editors_detail;
    try {
        TExStringGrid& g = *FGrid;
        Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        const bool own = IsEditorKey(key);
        if (!own && g.OnKeyDown) {
            g.OnKeyDown(&g, key, shift);
            if (key == 0) return;
        }
        WorkMode = key != platform::VK_BACK && key != platform::VK_DELETE;
        FSelKeyDown = hasSelectedText() ? selectionStart() : cursorPosition();
        if ((shift & platform::ssCtrl) || !own) {
            if (event == QKeySequence::Paste) {
                if (EditorEnabled() && !isReadOnly()) PasteText();
                return;
            }
            QString text;
            if (!PassKeyPress(g, *event, text)) return;
            if (IsCharacter(*event) && !FilterCharacter(*this, g.EditControl, text, *event)) return;
            if (text != event->text()) {
                QKeyEvent replaced(event->type(), event->key(), event->modifiers(), text);
                TEsgEditBtn::keyPressEvent(&replaced);
            } else {
                TEsgEditBtn::keyPressEvent(event);
            }
            return;
        }
        if (key == platform::VK_TAB || key == platform::VK_RETURN || key == platform::VK_UP ||
            key == platform::VK_DOWN) {
            if (!Commit(key)) return;
        }
        if (key == platform::VK_TAB && g.EditorWantsTab()) {
            grid_editor_keys::TabAfterCommit(g, shift);
            return;
        }
        if (key == platform::VK_ESCAPE) setText(g.OriginalCellValue());
        grid_editor_keys::LeaveByKey(g, key, shift);
    } catch (...) {
    }
}

void TGridEditBtn::keyReleaseEvent(QKeyEvent* event)
{
    try {
        TExStringGrid& g = *FGrid;
        Word key = grid_editor_keys::KeyOf(*event);
        if (g.OnKeyUp) g.OnKeyUp(&g, key, grid_editor_keys::ShiftOf(*event));
        const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
        if (plain && g.Navigation().CursorWalkEditor && !hasSelectedText() &&
            ((key == platform::VK_RIGHT && cursorPosition() == text().size()) ||
             (key == platform::VK_LEFT && FSelKeyDown == 0))) {
            if (Commit(key)) grid_editor_keys::WalkOutOfCell(g, key);
            return;
        }
        if (key != platform::VK_RETURN) TEsgEditBtn::keyReleaseEvent(event);
        LookupComplete();
    } catch (...) {
    }
}

void TGridEditBtn::LookupComplete()
{
    TExStringGrid& g = *FGrid;
    if (!WorkMode || hasSelectedText() || !g.Lookup || g.LookupItems().isEmpty()) return;
    const auto completion =
        LookupCompletion(text(), cursorPosition(), g.LookupItems(), g.LookupCaseSensitive, TTypedPart::AsTyped);
    if (!completion) return;
    setText(completion->Text);
    setSelection(completion->SelStart, completion->SelLength);
}

void TGridEditBtn::PasteText()
{
    TExStringGrid& g = *FGrid;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    bool allow = data != nullptr && data->hasText();
    QString value = allow ? data->text() : QString();
    if (g.OnClipboardPaste) g.OnClipboardPaste(this, allow);
    if (allow && g.OnClipboardBeforePasteCell) g.OnClipboardBeforePasteCell(this, g.Col(), g.Row(), value, allow);
    if (!allow) return;
    value = EditBtnPasteText(value);
    const bool hadSelection = hasSelectedText();
    const int start = hadSelection ? selectionStart() : cursorPosition();
    QString t = text();
    t.replace(start, int(selectedText().size()), value);
    setText(t);
    if (hadSelection)
        setSelection(start, int(value.size()));
    else
        setCursorPosition(start + int(value.size()));
    g.SetCurrentEditText(text());
}

void TGridEditBtn::focusOutEvent(QFocusEvent* event)
{
    TEsgEditBtn::focusOutEvent(event);
    if (FGrid->FDestroying || FGrid->FBlockKill || FGrid->EditCtrl != this) return;
    if (grid_editor_keys::FocusLeftControl(*this, *event)) FGrid->HideInplaceEdit();
}

void TGridEditBtn::mouseDoubleClickEvent(QMouseEvent* event)
{
    TEsgEditBtn::mouseDoubleClickEvent(event);
    if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

// ------------------------------------------------------------ value with unit

TGridUnitEditBtn::TGridUnitEditBtn(TExStringGrid* grid) : TEsgUnitEditBtn(grid->viewport()), FGrid(grid)
{
    OnClickBtn = [this](QObject* sender) { ButtonClick(sender); };
    SetButtonCaption(QStringLiteral("..."));
    setFrame(false);
    setEnabled(false);
    hide();
}

void TGridUnitEditBtn::ButtonClick(QObject*)
{
    setText(FGrid->DoEllipsClick(text()));
    selectAll();
    update();
}

bool TGridUnitEditBtn::event(QEvent* event)
{
    if (grid_button_editors_detail::WantsTab(event, bool(FGrid->Options() & platform::goTabs))) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return TEsgUnitEditBtn::event(event);
}

void TGridUnitEditBtn::keyPressEvent(QKeyEvent* event)
{
    using namespace grid_button_editors_detail;
    try {
        TExStringGrid& g = *FGrid;
        const Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        if (!IsEditorKey(key)) {
            if (IsCharacter(*event) && !FilterCharacter(*this, g.EditControl, event->text(), *event)) return;
            TEsgUnitEditBtn::keyPressEvent(event);
            return;
        }
        if (key == platform::VK_TAB || key == platform::VK_RETURN || key == platform::VK_UP ||
            key == platform::VK_DOWN) {
            if (!g.IsGivenEditText(g.RealColIndex(g.Col()), g.Row(), TextAndUnit())) g.SetCurrentCell(TextAndUnit());
            if (!g.ValidateCell(TextAndUnit())) {
                setText(g.CurrentCell());
                return;
            }
            SetTextAndUnit(g.CurrentCell());
        }
        if (key == platform::VK_RETURN && g.Navigation().AdvanceOnEnter) {
            g.HideInplaceEdit();
            g.setFocus(Qt::OtherFocusReason);
            g.AdvanceAfterEdit(g.Col(), g.Row(), false, true, true, false, true);
            return;
        }
        if (key == platform::VK_TAB && (g.Options() & platform::goTabs)) {
            g.HideInplaceEdit();
            g.setFocus(Qt::TabFocusReason);
            g.TabAdvance(shift & platform::ssShift);
            return;
        }
        if (key == platform::VK_ESCAPE) {
            SetUnitID(QString());
            setText(g.CurrentCell());
        }
        grid_editor_keys::LeaveByKey(g, key, shift);
    } catch (...) {
    }
}

void TGridUnitEditBtn::focusOutEvent(QFocusEvent* event)
{
    TEsgUnitEditBtn::focusOutEvent(event);
    if (FGrid->FDestroying || FGrid->FBlockKill || FGrid->EditCtrl != this) return;
    // The unit menu takes the focus for a while: the edit goes on.
    if (UnitMenu() != nullptr && UnitMenu()->isVisible()) return;
    if (grid_editor_keys::FocusLeftControl(*this, *event)) FGrid->HideInplaceEdit();
}

// ------------------------------------------------------------ push button

TGridButton::TGridButton(TExStringGrid* grid) : QPushButton(grid->viewport()), FGrid(grid)
{
    setEnabled(false);
    hide();
    connect(this, &QPushButton::clicked, this, [this] { FGrid->DoGridButtonClick(); });
}

void TGridButton::TakeCaption()
{
    setText(FGrid->DoEllipsClick(text()));
    FGrid->SetCurrentCell(text());
}

bool TGridButton::event(QEvent* event)
{
    // Esc and the arrow keys are the button's own.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return QPushButton::event(event);
    }
    return QPushButton::event(event);
}

void TGridButton::LeaveToGrid()
{
    TExStringGrid& g = *FGrid;
    hide();
    setEnabled(false);
    g.EditMode = false;
    g.setFocus(Qt::OtherFocusReason);
}

void TGridButton::keyPressEvent(QKeyEvent* event)
{
    try {
        TExStringGrid& g = *FGrid;
        Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        switch (key) {
        case platform::VK_LEFT: case platform::VK_UP: case platform::VK_RIGHT: case platform::VK_DOWN:
            g.HandleKeyDown(key, shift);
            LeaveToGrid();
            return;
        case platform::VK_ESCAPE:
            LeaveToGrid();
            g.RestoreCellValue();
            g.HandleKeyDown(key, shift);
            return;
        case platform::VK_RETURN:
            click();
            return;
        default: QPushButton::keyPressEvent(event);
        }
    } catch (...) {
    }
}

void TGridButton::keyReleaseEvent(QKeyEvent* event)
{
    try {
        if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
            TakeCaption();
            setFocus(Qt::OtherFocusReason);
            update();
        }
        QPushButton::keyReleaseEvent(event);
    } catch (...) {
    }
}

void TGridButton::mouseReleaseEvent(QMouseEvent* event)
{
    try {
        if (event->button() == Qt::LeftButton && isDown()) TakeCaption();
        QPushButton::mouseReleaseEvent(event);
    } catch (...) {
    }
}

void TGridButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    if (FGrid->FDestroying || FGrid->FBlockKill || FGrid->EditCtrl != this || !isVisible()) return;
    if (grid_editor_keys::FocusLeftControl(*this, *event)) FGrid->HideInplaceEdit();
}

}  // namespace grid

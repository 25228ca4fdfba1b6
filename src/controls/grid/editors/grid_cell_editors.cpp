#include "controls/grid/editors/grid_cell_editors.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>
#include <QWheelEvent>

#include "controls/grid/editors/editor_kinds.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/input_state.h"
#include "platform/strings.h"

namespace grid {

using platform::TShiftState;
using platform::Word;

// ------------------------------------------------------------ the common key contract

namespace grid_editor_keys {

Word KeyOf(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Backtab) return platform::VK_TAB;
    if (event.key() == Qt::Key_Enter) return platform::VK_RETURN;
    return platform::keyCodeFromQt(event.key());
}

TShiftState ShiftOf(const QKeyEvent& event)
{
    TShiftState shift = platform::shiftStateFromQt(event.modifiers());
    if (event.key() == Qt::Key_Backtab) shift |= platform::ssShift;
    return shift;
}

bool TabAfterCommit(TExStringGrid& grid, TShiftState shift)
{
    if (grid.Options() & platform::goTabs) {
        grid.HideInplaceEdit();
        grid.setFocus(Qt::TabFocusReason);
        grid.TabAdvance(shift & platform::ssShift);
        return true;
    }
    QCoreApplication::postEvent(&grid, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab,
                                                     (shift & platform::ssShift) ? Qt::ShiftModifier : Qt::NoModifier));
    return false;
}

void LeaveByKey(TExStringGrid& grid, Word key, TShiftState shift)
{
    grid.DoneInplaceEdit(key, shift);
    if (grid.Navigation().AdvanceOnEnter && grid.Navigation().AdvanceAutoEdit) grid.ShowInplaceEdit();
}

bool FocusLeftControl(const QWidget& control, const QFocusEvent& event)
{
    if (event.reason() == Qt::PopupFocusReason) return false;
    QWidget* now = QApplication::focusWidget();
    return now == nullptr || (now != &control && !control.isAncestorOf(now));
}

// A Tab the control keeps for itself goes to its key handling, not to the
// form's focus chain.
bool IsTabPress(QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

}  // namespace grid_editor_keys


// ------------------------------------------------------------ inline editor

TExInplaceEdit::TExInplaceEdit(TExStringGrid* grid) : platform::TInplaceEdit(grid), FGrid(grid)
{
    FFilter = new TInplaceCharFilter(this);
    installEventFilter(FFilter);
    // A character the filter typed in may fill the text: AdvanceAuto moves on.
    connect(FFilter, &TInplaceCharFilter::Inserted, this, [this] {
        try {
            if (FGrid != nullptr) AdvanceWhenFull();
        } catch (...) {
        }
    });
    // Installed last, so it sees every key before the character filter.
    installEventFilter(this);
    connect(this, &QLineEdit::textChanged, this, &TExInplaceEdit::TextChangedByUser);
}

bool TExInplaceEdit::eventFilter(QObject* watched, QEvent* event)
{
    // The grid's key-message hook hears every key before the editor acts on it.
    if ((watched == this || (FMemo != nullptr && watched == FMemo)) && event->type() == QEvent::KeyPress &&
        FGrid != nullptr) {
        try {
            Word key = grid_editor_keys::KeyOf(*static_cast<QKeyEvent*>(event));
            FGrid->InplaceEditWMKeyDown(key);
        } catch (...) {
        }
    }
    return platform::TInplaceEdit::eventFilter(watched, event);
}

void TExInplaceEdit::Detach()
{
    disconnect(this, nullptr, this, nullptr);
    removeEventFilter(FFilter);
    removeEventFilter(this);
    FGrid = nullptr;
}

void TExInplaceEdit::SetVAlign(bool value)
{
    FValign = value;
    setAlignment((value ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (FMemo != nullptr) FMemo->SetRightAligned(value);
}

void TExInplaceEdit::SetWordWrap(bool value)
{
    FWordWrap = value;
    if (FMemo != nullptr) FMemo->SetWordWrap(value);
}

void TExInplaceEdit::Filled()
{
    TExStringGrid& g = *FGrid;
    TInplaceEditRules& rules = FFilter->Rules;
    // Kinds whose control the grid does not have edit as plain text.
    rules.Kind = IsInlineEditorKind(g.EditControl) ? g.EditControl : edNormal;
    rules.ValidChars = g.ValidChars;
    rules.ValidCharSet = g.ValidCharSet;
    rules.LengthLimit = g.MaxEditLength;
    rules.ExcelStyleDecimalSeparator = g.ExcelStyleDecimalSeparator;
    rules.LineFeedOnEnter = g.Navigation().LineFeedOnEnter;
    rules.AllowCtrlEnter = g.Navigation().AllowCtrlEnter;
    rules.MultiLineCells = g.WordWrap() || g.MultilineCells;
    setEchoMode(rules.Kind == edPassword ? QLineEdit::Password : QLineEdit::Normal);
    FLengthLimit = g.MaxEditLength;
    TColor background = clNone;
    platform::TFont font;
    g.GetEditorLook(g.Col(), g.Row(), background, font);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(background));
    pal.setColor(QPalette::Text, toQColor(font.Color));
    setPalette(pal);
    setFont(font);
    setTextMargins(2, 0, 0, 0);
    FColE = g.Col();
    FRowE = g.Row();
    Workmode = true;
    GotKey = false;
    SetMultiLine(false);
    g.GetEditorProp(g.RealColIndex(g.Col()), g.Row(), nullptr);
}

bool TExInplaceEdit::LineBreaksAllowed() const
{
    return FGrid != nullptr && Rules().Kind == edNormal && FGrid->Navigation().AllowCtrlEnter &&
           (FGrid->WordWrap() || FGrid->MultilineCells);
}

void TExInplaceEdit::FillText(const QString& value)
{
    // Multi-line cells, and a text that holds line breaks in a grid that
    // wraps words, edit in the memo; a one-line edit would lose the breaks.
    const bool lines = Rules().Kind == edNormal &&
                       (FGrid->MultilineCells || (FGrid->WordWrap() && value.contains(u'\n')));
    if (!lines) return;
    ShowMemo();
    FMemo->setPlainText(value);
    FMemo->selectAll();
}

void TExInplaceEdit::ShowMemo()
{
    SetMultiLine(true);
    FMemo->setPalette(palette());
    FMemo->setFont(font());
    SetWordWrap(FGrid->WordWrap());
    FMemo->SetRightAligned(FValign);
}

void TExInplaceEdit::BreakLineInMemo()
{
    // Ctrl+Enter in the one-line edit: the edit goes on in the memo, with the
    // line broken where the caret was.
    TExStringGrid& g = *FGrid;
    const QString value = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = int(selectedText().size());
    GrowRowForNewLine();
    FSwitching = true;
    ShowMemo();
    g.FNoEditChange = true;
    FMemo->setPlainText(value);
    g.FNoEditChange = false;
    QTextCursor cursor = FMemo->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    FMemo->setTextCursor(cursor);
    FMemo->setFocus(Qt::OtherFocusReason);
    FSwitching = false;
    FMemo->insertPlainText(QStringLiteral("\n"));
}

void TExInplaceEdit::SetMultiLine(bool value)
{
    FMultiLine = value;
    if (value && FMemo == nullptr) {
        FMemo = new TExInplaceMemo(this);
        FMemo->installEventFilter(this);
        connect(FMemo, &QPlainTextEdit::textChanged, this, [this] { TextChangedByUser(FMemo->toPlainText()); });
    }
    if (FMemo == nullptr) return;
    FMemo->setGeometry(rect());
    FMemo->setVisible(value);
    setFocusProxy(value ? FMemo : nullptr);
}

void TExInplaceEdit::resizeEvent(QResizeEvent* event)
{
    platform::TInplaceEdit::resizeEvent(event);
    if (FMemo != nullptr) FMemo->setGeometry(rect());
}

QString TExInplaceEdit::EditText() const { return FMultiLine ? FMemo->toPlainText() : text(); }

void TExInplaceEdit::SetEditText(const QString& value)
{
    if (FMultiLine)
        FMemo->setPlainText(value);
    else
        setText(value);
}

void TExInplaceEdit::TextChangedByUser(const QString& text)
{
    if (FGrid == nullptr) return;
    if (!FGrid->FNoEditChange && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), text);
}

bool TExInplaceEdit::event(QEvent* event)
{
    if (FGrid != nullptr && grid_editor_keys::IsTabPress(event) && FGrid->EditorWantsTab()) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return platform::TInplaceEdit::event(event);
}

void TExInplaceEdit::SelectAfterRefusal()
{
    if (FMultiLine) {
        if (FGrid->Navigation().EditSelectAll)
            FMemo->selectAll();
        else
            FMemo->moveCursor(QTextCursor::End);
    } else if (FGrid->Navigation().EditSelectAll) {
        selectAll();
    } else {
        setCursorPosition(int(text().size()));
    }
}

void TExInplaceEdit::ShowRefused(const QString& oldText)
{
    SetEditText(FGrid->FNewCellText);
    SelectAfterRefusal();
    update();
    FGrid->FOldCellText = oldText;
}

bool TExInplaceEdit::ValidateText(bool writeFirst)
{
    TExStringGrid& g = *FGrid;
    const QString value = EditText();
    if (writeFirst && !g.IsGivenEditText(g.RealColIndex(g.Col()), g.Row(), value)) {
        g.FValidating = true;
        g.SetCurrentCell(value);
        g.FValidating = false;
    }
    return g.ValidateCell(value);
}

bool TExInplaceEdit::WalkCursor(Word key, TShiftState shift)
{
    // With CursorWalkEditor, Left at the start and Right at the end leave the
    // cell, the value validated first; a refused value keeps the cell.
    TExStringGrid& g = *FGrid;
    const QString old = g.FOldCellText;
    const bool forward = key == platform::VK_RIGHT;
    const int span = forward ? std::max(0, g.CellSpan(g.RealColIndex(g.Col()), g.Row()).x()) : 0;
    const int next = forward ? g.Col() + span + 1 : g.Col() - 1;
    if (!ValidateText(true)) {
        ShowRefused(old);
        return true;
    }
    SetEditText(g.FNewCellText);
    const bool inside = forward ? g.Col() < g.ColCount() - g.FixedRightCols() - 1 : g.Col() > g.FixedCols();
    if (inside && g.HasClickGraphic(g.RealColIndex(next), g.Row())) {
        g.HideInplaceEdit();
        g.SetCol(next);
        return true;
    }
    g.HideInplaceEdit();
    g.setFocus(Qt::OtherFocusReason);
    const TAdvanceDirection direction = g.Navigation().AdvanceDirection();
    g.Navigation().SetAdvanceDirection(adLeftRight);
    g.AdvanceAfterEdit(g.Col(), g.Row(), true, true, forward, false, true);
    g.Navigation().SetAdvanceDirection(direction);
    if (g.Navigation().CursorWalkAlwaysEdit) g.ShowInplaceEdit();
    (void)shift;
    return true;
}

bool TExInplaceEdit::ClipboardAllowed(const std::function<void(QObject*, bool&)>& event)
{
    bool allow = true;
    if (event) event(this, allow);
    return allow;
}

void TExInplaceEdit::Paste()
{
    TExStringGrid& g = *FGrid;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    bool allow = data != nullptr && data->hasText();
    QString value = allow ? data->text() : QString();
    if (g.OnClipboardPaste) g.OnClipboardPaste(this, allow);
    if (allow && g.OnClipboardBeforePasteCell) g.OnClipboardBeforePasteCell(this, g.Col(), g.Row(), value, allow);
    if (allow) {
        const int selStart = hasSelectedText() ? selectionStart() : cursorPosition();
        const int selLength = int(selectedText().size());
        if (const auto result = InplacePasteResult(Rules(), text(), selStart, selLength, value)) {
            setText(result->Text);
            if (result->SelLength > 0)
                setSelection(result->SelStart, result->SelLength);
            else
                setCursorPosition(result->SelStart);
        }
    }
    if (!g.IsGivenEditText(g.RealColIndex(g.Col()), g.Row(), text())) g.SetCurrentEditText(text());
    if (g.OnClipboardAfterPasteCell) g.OnClipboardAfterPasteCell(this, g.Col(), g.Row(), text());
}

void TExInplaceEdit::keyPressEvent(QKeyEvent* event)
{
    if (FGrid == nullptr) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    try {
        TExStringGrid& g = *FGrid;
        Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        const bool ctrl = shift & platform::ssCtrl;
        const bool plain = !(shift & (platform::ssShift | platform::ssCtrl | platform::ssAlt));
        const int caret = cursorPosition();
        const bool atStart = caret == 0 && !hasSelectedText();
        const bool atEnd = caret == text().size() && !hasSelectedText();
        {
            Word hookKey = key;
            g.InplaceEditKeyDown(hookKey, shift);
        }
        if (key == platform::VK_BACK && (shift & platform::ssAlt)) {
            // The undo key; held, it keeps the edit open through a focus loss.
            FAltBack = true;
            undo();
            return;
        }
        Workmode = key != platform::VK_BACK && key != platform::VK_DELETE;
        if (key == platform::VK_ESCAPE) {
            setText(g.FCellCache);
            g.HideInplaceEdit();
            return;
        }
        if (event->matches(QKeySequence::SelectAll)) {
            selectAll();
            return;
        }
        if (key == platform::VK_RETURN && ctrl) {
            // Swallowed unless the grid takes line breaks in its cells.
            if (LineBreaksAllowed()) BreakLineInMemo();
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            Paste();
            return;
        }
        if (event->matches(QKeySequence::Copy) && !ClipboardAllowed(g.OnClipboardCopy)) return;
        if (event->matches(QKeySequence::Cut) && !ClipboardAllowed(g.OnClipboardCut)) return;
        const QString old = g.FOldCellText;
        if (key == platform::VK_TAB && g.EditorWantsTab()) {
            if (!g.ValidateCell(text())) {
                ShowRefused(old);
                return;
            }
            setText(g.FNewCellText);
            g.HideInplaceEdit();
            grid_editor_keys::TabAfterCommit(g, shift);
            return;
        }
        if (g.Navigation().CursorWalkEditor && (shift & platform::ssShift) &&
            ((key == platform::VK_LEFT && caret == 0) || (key == platform::VK_RIGHT && caret == text().size()))) {
            CloseByShiftWalk(old);
            return;
        }
        if (plain && g.Navigation().CursorWalkEditor &&
            ((key == platform::VK_LEFT && atStart) || (key == platform::VK_RIGHT && atEnd))) {
            WalkCursor(key, shift);
            return;
        }
        // Keys that leave the cell through the grid: the value is validated first.
        const bool leaves = key == platform::VK_UP || key == platform::VK_DOWN || key == platform::VK_PRIOR ||
                            key == platform::VK_NEXT || (key == platform::VK_LEFT && atStart) ||
                            (key == platform::VK_RIGHT && atEnd);
        if (leaves && !(shift & platform::ssAlt)) {
            if (!ValidateText(true)) {
                ShowRefused(old);
                return;
            }
            setText(g.FNewCellText);
        }
        if (key == platform::VK_RETURN && !g.Navigation().LineFeedOnEnter) {
            if (!g.ValidateCell(text())) {
                ShowRefused(old);
                return;
            }
            setText(g.FNewCellText);
            if (!g.Navigation().AllowCtrlEnter && (g.WordWrap() || g.MultilineCells)) g.FEditing = false;
            if (shift & platform::ssShift) GrowRowForNewLine();
        }
        if ((key == platform::VK_HOME || key == platform::VK_END) && !(shift & (platform::ssCtrl | platform::ssShift))) {
            setCursorPosition(key == platform::VK_HOME ? 0 : int(text().size()));
            return;
        }
        platform::TInplaceEdit::keyPressEvent(event);
        if (!event->text().isEmpty()) AdvanceWhenFull();
    } catch (...) {
    }
}

void TExInplaceEdit::AdvanceWhenFull()
{
    // Full length reached with AdvanceAuto: the edit ends and the cursor moves on.
    TExStringGrid& g = *FGrid;
    if (!g.Navigation().AdvanceAuto() || !g.Navigation().AdvanceOnEnter) return;
    if (g.InplaceEditor() != this || !isVisible()) return;
    if (!InplaceAutoAdvanceDue(g.MaxEditLength, EditText(), Caret(), HasSelection())) return;
    if (g.ValidateCell(EditText())) {
        QChar enter(u'\r');
        g.HandleKeyPress(enter);
    }
}

int TExInplaceEdit::Caret() const { return FMultiLine ? FMemo->textCursor().position() : cursorPosition(); }

bool TExInplaceEdit::HasSelection() const { return FMultiLine ? FMemo->textCursor().hasSelection() : hasSelectedText(); }

void TExInplaceEdit::SelectRange(int start, int length)
{
    if (!FMultiLine) {
        if (length > 0)
            setSelection(start, length);
        else
            setCursorPosition(start);
        return;
    }
    QTextCursor cursor = FMemo->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    FMemo->setTextCursor(cursor);
}

void TExInplaceEdit::CloseByShiftWalk(const QString& oldText)
{
    TExStringGrid& g = *FGrid;
    if (!ValidateText(true)) {
        ShowRefused(oldText);
        return;
    }
    SetEditText(g.FNewCellText);
    g.HideInplaceEdit();
    g.setFocus(Qt::OtherFocusReason);
}

void TExInplaceEdit::GrowRowForNewLine()
{
    TExStringGrid& g = *FGrid;
    if (!g.SizeWhileTyping().Height || !g.MultilineCells) return;
    TColumnSize& columnSize = g.ColumnSize();
    const bool synch = columnSize.SynchWithGrid;
    columnSize.SynchWithGrid = false;
    const int row = g.Row();
    const int lines = TextLineCount(EditText() + QStringLiteral("\n "), true);
    int most = 1;
    for (int c = 0; c < g.ColCount(); ++c)
        most = std::max(most, TextLineCount(g.GetCellEx(g.RealColIndex(c), row), true));
    if (lines < most)
        g.AutoSizeRow(row);
    else
        g.SizeRowToLines(row, lines, g.TotalYOffset());
    columnSize.SynchWithGrid = synch;
    if (g.OnEndRowSize) g.OnEndRowSize(&g, row);
}

void TExInplaceEdit::TellEditTextHook()
{
    const int caret = Caret();
    if (caret <= 0) return;
    QPoint pos;
    if (FMultiLine) {
        QTextCursor before = FMemo->textCursor();
        before.clearSelection();
        before.setPosition(caret - 1);
        pos = FMemo->viewport()->mapTo(this, FMemo->cursorRect(before).topLeft());
    } else {
        const QRect r = cursorRect();
        pos = QPoint(r.center().x() - QFontMetrics(font()).horizontalAdvance(text().at(caret - 1)), r.top());
    }
    FGrid->EditTextHook(EditText(), pos, caret);
}

void TExInplaceEdit::LookupComplete()
{
    TExStringGrid& g = *FGrid;
    if (!g.Lookup || HasSelection() || !Workmode) return;
    const auto completion =
        LookupCompletion(EditText(), Caret(), g.LookupItems(), g.LookupCaseSensitive, TTypedPart::AsTyped);
    if (!completion) return;
    SetEditText(completion->Text);
    SelectRange(completion->SelStart, completion->SelLength);
    GotKey = false;
}

void TExInplaceEdit::keyReleaseEvent(QKeyEvent* event)
{
    try {
        platform::TInplaceEdit::keyReleaseEvent(event);
        if (FGrid == nullptr) return;
        const Word key = grid_editor_keys::KeyOf(*event);
        if (key == platform::VK_BACK) FAltBack = false;
        TellEditTextHook();
        FGrid->InplaceEditState(text().startsWith(u'='));
        if (key == platform::VK_LEFT || key == platform::VK_RIGHT) return;
        if (!event->text().isEmpty() && event->text().at(0) >= u' ') LookupComplete();
        if (!isVisible()) return;
        GrowColumnToText();
        if (FGrid->SizeWhileTyping().Height && FGrid->WordWrap()) {
            FGrid->AutoSizeRow(FGrid->Row());
            if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, FGrid->Row());
        }
    } catch (...) {
    }
}

void TExInplaceEdit::focusInEvent(QFocusEvent* event)
{
    platform::TInplaceEdit::focusInEvent(event);
    if (FGrid == nullptr) return;
    FGotFocus = true;
    FGrid->FNoEditChange = false;
    FLengthLimit = FGrid->EditLengthLimit();
    if (maxLength() != InplaceMaxLength(FLengthLimit)) {
        // A new limit resets the text: the selection is kept.
        const int start = selectionStart();
        const int length = int(selectedText().size());
        const int caret = cursorPosition();
        setMaxLength(InplaceMaxLength(FLengthLimit));
        if (length > 0)
            setSelection(start, length);
        else
            setCursorPosition(caret);
    }
    if (!FGrid->Navigation().EditSelectAll) setCursorPosition(int(text().size()));
    if (FGrid->LButFlg) {
        const QPoint p = mapFromGlobal(QCursor::pos());
        if (rect().contains(p)) {
            setCursorPosition(cursorPositionAt(p));
            FGrid->LButFlg = false;
        }
    }
}

void TExInplaceEdit::focusOutEvent(QFocusEvent* event)
{
    platform::TInplaceEdit::focusOutEvent(event);
    FocusLost(event->reason());
}

void TExInplaceEdit::FocusLost(Qt::FocusReason reason)
{
    if (FGrid == nullptr || FSwitching) return;
    try {
        TExStringGrid& g = *FGrid;
        if (g.FDestroying || g.FValidating || reason == Qt::PopupFocusReason) return;
        g.FStartEditChar = QChar();
        const QString edited = EditText();
        if (g.LookupHistory && !edited.isEmpty() && !g.LookupItems().contains(edited)) {
            QStringList items = g.LookupItems();
            items.append(edited);
            g.SetLookupItems(&items);
        }
        g.InplaceEditState(false);
        if (FAltBack) return;
        QWidget* now = QApplication::focusWidget();
        const bool toGrid = now != nullptr && (now == &g || g.isAncestorOf(now));
        if (!toGrid) {
            try {
                g.ValidateCell(EditText());
            } catch (...) {
            }
            g.HideInplaceEdit();
            g.FEditing = false;
            g.EditMode = false;
            g.CanSelectCell(FColE, FRowE);
        }
        g.FNoEditChange = true;
        SetEditText(g.CurrentCell());
        g.FNoEditChange = false;
        g.EditTextHook(EditText(), QPoint(-1, -1), -1);
        if (FGotFocus) {
            FGotFocus = false;
            g.NotifyEditDone(g.RealColIndex(FColE), FRowE);
        }
    } catch (...) {
    }
}

void TExInplaceEdit::FocusGained()
{
    if (FGrid == nullptr || FSwitching) return;
    FGotFocus = true;
    FGrid->FNoEditChange = false;
    FLengthLimit = FGrid->EditLengthLimit();
    if (FMultiLine && !FGrid->Navigation().EditSelectAll) FMemo->moveCursor(QTextCursor::End);
}

bool TExInplaceEdit::MemoKey(QKeyEvent* event)
{
    if (FGrid == nullptr) return false;
    TExStringGrid& g = *FGrid;
    const Word key = grid_editor_keys::KeyOf(*event);
    const TShiftState shift = grid_editor_keys::ShiftOf(*event);
    const bool ctrl = shift & platform::ssCtrl;
    const bool plain = !(shift & (platform::ssShift | platform::ssCtrl | platform::ssAlt));
    {
        Word hookKey = key;
        g.InplaceEditKeyDown(hookKey, shift);
    }
    Workmode = key != platform::VK_BACK && key != platform::VK_DELETE;
    if (key == platform::VK_BACK && (shift & platform::ssAlt)) {
        FAltBack = true;
        FMemo->undo();
        return true;
    }
    if (key == platform::VK_ESCAPE) {
        SetEditText(g.FCellCache);
        g.HideInplaceEdit();
        return true;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        FMemo->selectAll();
        return true;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteInMemo();
        return true;
    }
    if (event->matches(QKeySequence::Copy) && !ClipboardAllowed(g.OnClipboardCopy)) return true;
    if (event->matches(QKeySequence::Cut) && !ClipboardAllowed(g.OnClipboardCut)) return true;
    if (key == platform::VK_RETURN) {
        const bool lineBreaks = LineBreaksAllowed();
        if (ctrl && !lineBreaks && !g.Navigation().LineFeedOnEnter) return true;  // swallowed
        if (ctrl || g.Navigation().LineFeedOnEnter) {
            if (ctrl) GrowRowForNewLine();
            FMemo->insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    const QString old = g.FOldCellText;
    if (key == platform::VK_TAB && g.EditorWantsTab()) {
        if (!g.ValidateCell(EditText())) {
            ShowRefused(old);
            return true;
        }
        SetEditText(g.FNewCellText);
        g.HideInplaceEdit();
        grid_editor_keys::TabAfterCommit(g, shift);
        return true;
    }
    if (key == platform::VK_RETURN) {
        if (!g.ValidateCell(EditText())) {
            ShowRefused(old);
            return true;
        }
        SetEditText(g.FNewCellText);
        if (!g.Navigation().AllowCtrlEnter && (g.WordWrap() || g.MultilineCells)) g.FEditing = false;
        if (shift & platform::ssShift) GrowRowForNewLine();
        g.EditorKeyPress(QChar(u'\r'));
        return true;
    }
    if (g.Navigation().CursorWalkEditor && (shift & platform::ssShift) && !ctrl &&
        ((key == platform::VK_LEFT && Caret() == 0) || (key == platform::VK_RIGHT && FMemo->textCursor().atEnd()))) {
        CloseByShiftWalk(old);
        return true;
    }
    if (plain && g.Navigation().CursorWalkEditor &&
        ((key == platform::VK_LEFT && FMemo->AtStart()) || (key == platform::VK_RIGHT && FMemo->AtEnd()))) {
        WalkCursor(key, shift);
        return true;
    }
    // Keys that leave the cell: Up on the first line, Down on the last,
    // the page keys, Left at the start and Right at the end.
    const bool leaves = (key == platform::VK_UP && FMemo->OnFirstLine()) ||
                        (key == platform::VK_DOWN && FMemo->OnLastLine()) || key == platform::VK_PRIOR ||
                        key == platform::VK_NEXT || (key == platform::VK_LEFT && plain && FMemo->AtStart()) ||
                        (key == platform::VK_RIGHT && plain && FMemo->AtEnd());
    if (leaves && !(shift & platform::ssAlt)) {
        if (!ValidateText(true)) {
            ShowRefused(old);
            return true;
        }
        SetEditText(g.FNewCellText);
        g.EditorKeyDown(key, shift);
        return true;
    }
    // A full text takes no more characters.
    if (FLengthLimit > 0 && !event->text().isEmpty() && event->text().at(0) >= u' ' && !ctrl &&
        !FMemo->textCursor().hasSelection() && FMemo->toPlainText().size() >= FLengthLimit)
        return true;
    return false;
}

void TExInplaceEdit::PasteInMemo()
{
    // As in the line edit, but the line breaks of the pasted text stay.
    TExStringGrid& g = *FGrid;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    bool allow = data != nullptr && data->hasText();
    QString value = allow ? data->text() : QString();
    if (g.OnClipboardPaste) g.OnClipboardPaste(this, allow);
    if (allow && g.OnClipboardBeforePasteCell) g.OnClipboardBeforePasteCell(this, g.Col(), g.Row(), value, allow);
    if (allow) {
        if (value.endsWith(u'\n')) value.chop(1);
        if (value.endsWith(u'\r')) value.chop(1);
        const int selected = int(FMemo->textCursor().selectedText().size());
        if (FLengthLimit < 1 || FMemo->toPlainText().size() - selected + value.size() <= FLengthLimit)
            FMemo->insertPlainText(value);
    }
    if (!g.IsGivenEditText(g.RealColIndex(g.Col()), g.Row(), EditText())) g.SetCurrentEditText(EditText());
    if (g.OnClipboardAfterPasteCell) g.OnClipboardAfterPasteCell(this, g.Col(), g.Row(), EditText());
}

void TExInplaceEdit::GrowColumnToText()
{
    if (!FGrid->SizeWhileTyping().Width) return;
    // The column grows to show the widest line being typed (it never shrinks meanwhile).
    const QFontMetrics metrics(FMultiLine ? FMemo->font() : font());
    int widest = 0;
    for (const QString& line : EditText().split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margin = FMultiLine ? 2 * qRound(FMemo->document()->documentMargin()) : textMargins().left();
    const int needed = widest + margin + 8;
    if (needed > FGrid->ColWidths(FGrid->Col())) FGrid->SetColWidths(FGrid->Col(), needed);
}

void TExInplaceEdit::MemoKeyDone(QKeyEvent* event)
{
    if (FGrid != nullptr && !event->text().isEmpty()) AdvanceWhenFull();
}

void TExInplaceEdit::MemoKeyUp(QKeyEvent* event)
{
    if (FGrid == nullptr) return;
    const Word key = grid_editor_keys::KeyOf(*event);
    if (key == platform::VK_BACK) FAltBack = false;
    TellEditTextHook();
    FGrid->InplaceEditState(EditText().startsWith(u'='));
    if (key == platform::VK_LEFT || key == platform::VK_RIGHT) return;
    if (!event->text().isEmpty() && event->text().at(0) >= u' ') LookupComplete();
    if (FMemo->isVisible()) GrowColumnToText();
    if (FGrid->SizeWhileTyping().Height && FGrid->WordWrap() && FMemo->isVisible()) {
        FGrid->AutoSizeRow(FGrid->Row());
        if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, FGrid->Row());
    }
}

void TExInplaceEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    platform::TInplaceEdit::mouseDoubleClickEvent(event);
    if (FGrid != nullptr && FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

// ------------------------------------------------------------ spin editor

TGridSpin::TGridSpin(TExStringGrid* grid) : TEsgSpinEdit(grid->viewport()), FGrid(grid)
{
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
    setFrame(false);
    setEnabled(false);
    hide();
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), text);
    });
}

void TGridSpin::SpinClick(bool UpDown)
{
    TExStringGrid& g = *FGrid;
    switch (SpinType()) {
    case sptNormal:
        if (g.OnSpinClick) g.OnSpinClick(&g, g.Col(), g.Row(), Value(), UpDown);
        break;
    case sptFloat:
        if (g.OnFloatSpinClick) g.OnFloatSpinClick(&g, g.Col(), g.Row(), FloatValue(), UpDown);
        break;
    case sptDate:
        if (g.OnDateSpinClick) g.OnDateSpinClick(&g, g.Col(), g.Row(), DateValue(), UpDown);
        break;
    case sptTime:
        if (g.OnTimeSpinClick) g.OnTimeSpinClick(&g, g.Col(), g.Row(), TimeValue(), UpDown);
        break;
    }
}

void TGridSpin::UpClick(QObject* Sender)
{
    TEsgSpinEdit::UpClick(Sender);
    SpinClick(true);
}

void TGridSpin::DownClick(QObject* Sender)
{
    TEsgSpinEdit::DownClick(Sender);
    SpinClick(false);
}

bool TGridSpin::event(QEvent* event)
{
    if (grid_editor_keys::IsTabPress(event) && (FGrid->Options() & platform::goTabs)) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return TEsgSpinEdit::event(event);
}

void TGridSpin::PageKey(int key)
{
    // Page Up and Page Down step only within the limits; Home goes to the
    // maximum, End to the minimum. Date and time spins keep their value.
    const bool up = key == Qt::Key_PageUp || key == Qt::Key_Home;
    if (SpinType() == sptNormal) {
        const int64_t v = Value();
        if (key == Qt::Key_PageUp && v + Increment() <= MaxValue()) SetValue(int(v + Increment()));
        if (key == Qt::Key_PageDown && v - Increment() >= MinValue()) SetValue(int(v - Increment()));
        if (key == Qt::Key_Home) SetValue(MaxValue());
        if (key == Qt::Key_End) SetValue(MinValue());
    } else if (SpinType() == sptFloat) {
        const double v = FloatValue();
        if (key == Qt::Key_PageUp && v + IncrementFloat() <= MaxFloatValue()) SetFloatValue(v + IncrementFloat());
        if (key == Qt::Key_PageDown && v - IncrementFloat() >= MinFloatValue()) SetFloatValue(v - IncrementFloat());
        if (key == Qt::Key_Home) SetFloatValue(MaxFloatValue());
        if (key == Qt::Key_End) SetFloatValue(MinFloatValue());
    }
    if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), up);
}

void TGridSpin::keyPressEvent(QKeyEvent* event)
{
    try {
        TExStringGrid& g = *FGrid;
        const Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        switch (event->key()) {
        case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End:
            PageKey(event->key());
            return;
        default: break;
        }
        if (key == platform::VK_ESCAPE) {
            const QString original = g.OriginalCellValue();
            setText(original);
            // Esc ends the edit with the cell as it was.
            g.CancelEditorControl();
            grid_editor_keys::LeaveByKey(g, key, shift);
            return;
        }
        if (key == platform::VK_TAB || key == platform::VK_RETURN || key == platform::VK_UP || key == platform::VK_DOWN) {
            if (!g.IsGivenEditText(g.RealColIndex(g.Col()), g.Row(), text())) g.SetCurrentCell(text());
            if (!g.ValidateCell(text())) {
                setText(g.CurrentCell());
                setCursorPosition(int(text().size()));
                update();
                return;
            }
            setText(g.CurrentCell());
            if (key == platform::VK_TAB && grid_editor_keys::TabAfterCommit(g, shift)) return;
            grid_editor_keys::LeaveByKey(g, key, shift);
            return;
        }
        TEsgSpinEdit::keyPressEvent(event);
    } catch (...) {
    }
}

void TGridSpin::focusOutEvent(QFocusEvent* event)
{
    TEsgSpinEdit::focusOutEvent(event);
    if (FGrid->FDestroying || FGrid->FBlockKill || FGrid->EditCtrl != this) return;
    if (grid_editor_keys::FocusLeftControl(*this, *event)) FGrid->HideInplaceEdit();
}

// ------------------------------------------------------------ combo editor

TGridCombo::TGridCombo(TExStringGrid* grid) : TEsgComboBox(grid->viewport()), FGrid(grid)
{
    SetButtonWidth(16);
    setInsertPolicy(QComboBox::NoInsert);
    setEnabled(false);
    hide();
    connect(this, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (isVisible() && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), text);
    });
    connect(this, qOverload<int>(&QComboBox::activated), this, &TGridCombo::ChosenWithMouse);
    OnDropUp = [this](QObject*) { FGrid->DoComboCloseUp(FGrid->Row(), FGrid->RealColIndex(FGrid->Col())); };
}

void TGridCombo::showPopup()
{
    FGrid->DoComboDropDown(FGrid->Row(), FGrid->RealColIndex(FGrid->Col()));
    TEsgComboBox::showPopup();
}

void TGridCombo::ChosenWithMouse(int index)
{
    // A choice made in the opened list (keys report their own changes).
    if (FInKey || index < 0) return;
    FireSelectionChange(index, itemText(index));
    if (FGrid->MouseActions().DirectComboClose && FGrid->EditMode && FGrid->EditCtrl == this) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
    }
}

void TGridCombo::FireSelectionChange(int index, const QString& text)
{
    TExStringGrid& g = *FGrid;
    const int col = g.RealColIndex(g.Col());
    if (g.OnComboChange) g.OnComboChange(&g, col, g.Row(), index, text);
    // A typed text that is no item has no object.
    if (g.OnComboObjectChange)
        g.OnComboObjectChange(&g, col, g.Row(), index, text, index >= 0 ? g.ComboObject(index) : nullptr);
}

void TGridCombo::SizeDropDownWidth()
{
    const QFontMetrics metrics(FGrid->font());
    QList<int> widths;
    for (int i = 0; i < count(); ++i) widths.append(metrics.horizontalAdvance(itemText(i)));
    SetDropWidth(DropDownWidthForItems(width(), widths, DropDownCount()));
}

void TGridCombo::DoChange()
{
    if (!WorkMode || !FGrid->Lookup || IsListStyle() || lineEdit() == nullptr) return;
    QLineEdit* edit = lineEdit();
    if (edit->hasSelectedText()) return;
    const int caret = edit->cursorPosition();
    // The completed text is the item's own, as the item it selects shows it.
    const auto complete = [&](const QStringList& items) {
        return LookupCompletion(edit->text(), caret, items, FGrid->LookupCaseSensitive, TTypedPart::AsInItem);
    };
    if (auto completion = complete(Items().Texts())) {
        SetItemIndex(completion->ItemIndex);
        edit->setText(completion->Text);
        edit->setSelection(completion->SelStart, completion->SelLength);
        return;
    }
    if (auto completion = complete(FGrid->LookupItems())) {
        edit->setText(completion->Text);
        edit->setSelection(completion->SelStart, completion->SelLength);
    }
}

bool TGridCombo::event(QEvent* event)
{
    if (grid_editor_keys::IsTabPress(event) && FGrid->EditorWantsTab()) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return TEsgComboBox::event(event);
}

bool TGridCombo::CommitKey(Word key)
{
    TExStringGrid& g = *FGrid;
    if (!g.IsGivenEditText(g.RealColIndex(g.Col()), g.Row(), Text())) g.SetCurrentCell(Text());
    if (!g.ValidateCell(Text())) {
        if (IsListStyle()) {
            SelectItem(g.FNewCellText);
        } else {
            SetText(g.FNewCellText);
            if (lineEdit()) {
                if (key == platform::VK_TAB)
                    lineEdit()->setCursorPosition(int(Text().size()));
                else
                    lineEdit()->selectAll();
            }
        }
        update();
        return false;
    }
    if (IsListStyle()) {
        const int index = Items().IndexOf(g.CurrentCell());
        if (index >= 0) SetItemIndex(index);
    } else {
        SetText(g.CurrentCell());
    }
    return true;
}

void TGridCombo::keyPressEvent(QKeyEvent* event)
{
    try {
        TExStringGrid& g = *FGrid;
        const Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        const bool list = IsListStyle();
        const bool dropped = DroppedDown();
        if (key == platform::VK_DOWN && (shift & platform::ssAlt)) {
            TEsgComboBox::keyPressEvent(event);
            return;
        }
        WorkMode = key != platform::VK_BACK && key != platform::VK_DELETE;
        bool handled = key == platform::VK_RETURN || key == platform::VK_ESCAPE ||
                       (key == platform::VK_TAB && g.EditorWantsTab());
        if (list || dropped)
            handled = handled || key == platform::VK_LEFT || key == platform::VK_RIGHT;
        else
            handled = handled || key == platform::VK_PRIOR || key == platform::VK_NEXT || key == platform::VK_END ||
                      key == platform::VK_UP || key == platform::VK_DOWN;
        if ((key == platform::VK_UP || key == platform::VK_DOWN) && !g.Navigation().ComboGetUpDown && !dropped) {
            g.HideInplaceEdit();
            const bool alwaysEdit = g.Navigation().AlwaysEdit;
            g.Navigation().AlwaysEdit = false;
            g.setFocus(Qt::OtherFocusReason);
            g.Navigation().AlwaysEdit = alwaysEdit;
            Word k = key;
            g.HandleKeyDown(k, shift);
            return;
        }
        if (!handled) {
            // A character: the grid's OnKeyPress sees it first.
            const int old = ItemIndex();
            const QScopedValueRollback<bool> inKey(FInKey, true);
            if (!event->text().isEmpty() && event->text().at(0) >= u' ') {
                QChar ch = event->text().at(0);
                if (g.OnKeyPress) g.OnKeyPress(this, ch);
                if (ch.isNull()) return;
                if (QString(ch) != event->text()) {
                    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(ch));
                    TEsgComboBox::keyPressEvent(&replaced);
                } else {
                    TEsgComboBox::keyPressEvent(event);
                }
            } else {
                TEsgComboBox::keyPressEvent(event);
            }
            if (ItemIndex() != old && (list || ItemIndex() >= 0)) FireSelectionChange(ItemIndex(), Text());
            return;
        }
        if (key == platform::VK_ESCAPE) {
            // The cell keeps its text, also when it is no item of the list.
            const QString cell = g.CurrentCell();
            if (!list) SetText(cell);
            if (Items().IndexOf(cell) >= 0) SetItemIndex(Items().IndexOf(cell));
            g.CancelEditorControl();
            g.HideInplaceEdit();
            g.setFocus(Qt::OtherFocusReason);
            return;
        }
        if (key == platform::VK_RETURN) {
            if (OnReturnKey) OnReturnKey(this);
        }
        if (key == platform::VK_RETURN || key == platform::VK_UP || key == platform::VK_DOWN) {
            if (!CommitKey(key)) return;
        }
        if (key == platform::VK_TAB) {
            if (!CommitKey(key)) return;
            if (grid_editor_keys::TabAfterCommit(g, shift)) return;
        }
        if (list || dropped) {
            if (key == platform::VK_LEFT || key == platform::VK_RIGHT) {
                const bool directClose = g.MouseActions().DirectComboClose;
                g.MouseActions().DirectComboClose = false;
                g.HideInplaceEdit();
                g.MouseActions().DirectComboClose = directClose;
                g.setFocus(Qt::OtherFocusReason);
                Word k = key;
                g.HandleKeyDown(k, shift);
                return;
            }
        } else if (key == platform::VK_END) {
            TEsgComboBox::keyPressEvent(event);
            return;
        }
        grid_editor_keys::LeaveByKey(g, key, shift);
    } catch (...) {
    }
}

bool TGridCombo::WalkCursor(Word key)
{
    // Left at the start and Right at the end of the text leave the cell;
    // the value is validated first, a refused value keeps the cell.
    if (!CommitKey(key)) return true;
    grid_editor_keys::WalkOutOfCell(*FGrid, key);
    return true;
}

namespace grid_editor_keys {

void WalkOutOfCell(TExStringGrid& g, Word key)
{
    const bool forward = key == platform::VK_RIGHT;
    const int span = forward ? std::max(0, g.CellSpan(g.RealColIndex(g.Col()), g.Row()).x()) : 0;
    const int next = forward ? g.Col() + span + 1 : g.Col() - 1;
    const bool inside = forward ? g.Col() < g.ColCount() - g.FixedRightCols() - 1 : g.Col() > g.FixedCols();
    g.HideInplaceEdit();
    g.setFocus(Qt::OtherFocusReason);
    if (inside && g.HasClickGraphic(g.RealColIndex(next), g.Row())) {
        g.SetCol(next);
        return;
    }
    const TAdvanceDirection direction = g.Navigation().AdvanceDirection();
    g.Navigation().SetAdvanceDirection(adLeftRight);
    g.AdvanceAfterEdit(g.Col(), g.Row(), true, true, forward, false, true);
    g.Navigation().SetAdvanceDirection(direction);
    if (g.Navigation().CursorWalkAlwaysEdit) g.ShowEditor();
}

}  // namespace grid_editor_keys

void TGridCombo::keyReleaseEvent(QKeyEvent* event)
{
    try {
        const Word key = grid_editor_keys::KeyOf(*event);
        QLineEdit* edit = lineEdit();
        const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
        if (!IsListStyle() && edit != nullptr && plain && FGrid->Navigation().CursorWalkEditor &&
            !edit->hasSelectedText() &&
            ((key == platform::VK_LEFT && edit->cursorPosition() == 0) ||
             (key == platform::VK_RIGHT && edit->cursorPosition() == edit->text().size()))) {
            WalkCursor(key);
            return;
        }
        if (key != platform::VK_RETURN) TEsgComboBox::keyReleaseEvent(event);
        if (!event->text().isEmpty() && event->text().at(0) >= u' ') DoChange();
    } catch (...) {
    }
}

void TGridCombo::focusInEvent(QFocusEvent* event)
{
    TEsgComboBox::focusInEvent(event);
    QLineEdit* edit = lineEdit();
    if (IsListStyle() || edit == nullptr) return;
    if (FGrid->Navigation().EditSelectAll)
        edit->selectAll();  // a typed character replaces the text
    else
        edit->setCursorPosition(int(edit->text().size()));
    if (FGrid->LButFlg) {
        const QPoint p = edit->mapFromGlobal(QCursor::pos());
        if (edit->rect().contains(p)) {
            edit->setCursorPosition(edit->cursorPositionAt(p));
            FGrid->LButFlg = false;
        }
    }
}

void TGridCombo::focusOutEvent(QFocusEvent* event)
{
    TEsgComboBox::focusOutEvent(event);
    if (FGrid->FDestroying || FGrid->FBlockKill || FGrid->EditCtrl != this) return;
    // The opened list takes the focus for a while: the edit goes on.
    if (DroppedDown() || !grid_editor_keys::FocusLeftControl(*this, *event)) return;
    if (FGrid->LookupHistory && !Text().isEmpty() && Items().IndexOf(Text()) < 0) {
        Items().Add(Text());
        FGrid->AddComboString(Text());
    }
    FGrid->HideInplaceEdit();
}

void TGridCombo::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    int index = ItemIndex();
    if (delta < 0 && index + 1 < count())
        ++index;
    else if (delta > 0 && index > 0)
        --index;
    else
        return;  // past either end the selection stays and nothing is told
    SetItemIndex(index);
    TExStringGrid& g = *FGrid;
    if (g.OnEditChange) g.OnEditChange(&g, g.RealColIndex(g.Col()), g.Row(), itemText(index));
    FireSelectionChange(index, itemText(index));
}

// ------------------------------------------------------------ check box editor

TGridCheckBox::TGridCheckBox(TExStringGrid* grid) : QCheckBox(grid->viewport()), FGrid(grid)
{
    setEnabled(false);
    hide();
}

void TGridCheckBox::keyPressEvent(QKeyEvent* event)
{
    try {
        TExStringGrid& g = *FGrid;
        const Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        switch (key) {
        case platform::VK_RETURN: case platform::VK_PRIOR: case platform::VK_NEXT: case platform::VK_END:
        case platform::VK_LEFT: case platform::VK_UP: case platform::VK_RIGHT: case platform::VK_DOWN: {
            g.HideInplaceEdit();
            g.setFocus(Qt::OtherFocusReason);
            if (key == platform::VK_RETURN) g.AdvanceAfterEdit(g.Col(), g.Row(), false, true, true, false, true);
            if (key == platform::VK_UP || key == platform::VK_DOWN) {
                Word k = key;
                g.HandleKeyDown(k, shift);
            }
            return;
        }
        default: break;
        }
        QCheckBox::keyPressEvent(event);
    } catch (...) {
    }
}

void TGridCheckBox::focusOutEvent(QFocusEvent* event)
{
    QCheckBox::focusOutEvent(event);
    if (FGrid->FDestroying || FGrid->FBlockKill || !FGrid->EditMode || FGrid->EditControl != edCheckBox) return;
    if (grid_editor_keys::FocusLeftControl(*this, *event)) FGrid->HideInplaceEdit();
}

}  // namespace grid

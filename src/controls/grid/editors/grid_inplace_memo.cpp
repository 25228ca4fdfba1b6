#include "controls/grid/editors/grid_inplace_memo.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextOption>

#include "controls/grid/editors/grid_cell_editors.h"

namespace grid {

TExInplaceMemo::TExInplaceMemo(TExInplaceEdit* owner) : QPlainTextEdit(owner), FOwner(owner)
{
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(2);
    hide();
}

void TExInplaceMemo::SetWordWrap(bool value)
{
    setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TExInplaceMemo::SetRightAligned(bool value)
{
    FRightAligned = value;
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(value ? Qt::AlignRight : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}

bool TExInplaceMemo::OnFirstLine() const
{
    const QTextCursor c = textCursor();
    return c.block() == document()->firstBlock() && c.block().layout() != nullptr &&
           c.block().layout()->lineForTextPosition(c.positionInBlock()).lineNumber() <= 0;
}

bool TExInplaceMemo::OnLastLine() const
{
    const QTextCursor c = textCursor();
    if (c.block() != document()->lastBlock() || c.block().layout() == nullptr) return false;
    const QTextLayout* layout = c.block().layout();
    const int line = layout->lineForTextPosition(c.positionInBlock()).lineNumber();
    return line < 0 || line >= layout->lineCount() - 1;
}

bool TExInplaceMemo::AtStart() const
{
    const QTextCursor c = textCursor();
    return !c.hasSelection() && c.position() == 0;
}

bool TExInplaceMemo::AtEnd() const
{
    const QTextCursor c = textCursor();
    return !c.hasSelection() && c.atEnd();
}

void TExInplaceMemo::keyPressEvent(QKeyEvent* event)
{
    try {
        if (FOwner->MemoKey(event)) return;
    } catch (...) {
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
    try {
        FOwner->MemoKeyDone(event);
    } catch (...) {
    }
}

void TExInplaceMemo::keyReleaseEvent(QKeyEvent* event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    try {
        FOwner->MemoKeyUp(event);
    } catch (...) {
    }
    // Done with here: the line edit underneath must not hear the key again.
    event->accept();
}

void TExInplaceMemo::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    try {
        FOwner->FocusGained();
    } catch (...) {
    }
}

void TExInplaceMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    try {
        FOwner->FocusLost(event->reason());
    } catch (...) {
    }
}

}  // namespace grid

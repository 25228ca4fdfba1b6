#include "controls/dropdown/memo/memo_dropdown.h"

#include <algorithm>

#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextCursor>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/base/guarded.h"
#include "controls/grid/scoped_value.h"
#include "platform/canvas.h"

namespace dropdown {

using platform::Word;

TExMemoDropDown::TExMemoDropDown(QWidget* parent) : TExCustomDropDown(parent)
{
    FMemo = new QPlainTextEdit(DropDownForm());
    FMemo->resize(FMemo->width(), 100);
    FMemo->setFrameShape(QFrame::NoFrame);
    FMemo->hide();
    connect(FMemo, &QPlainTextEdit::textChanged, this, [this] {
        Guarded([this] {
            LimitMemoLength();
            if (OnMemoChange) OnMemoChange(this);
        });
    });
    FMemo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FMemo, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (FMemoPopup)
            FMemoPopup->popup(FMemo->mapToGlobal(at));
        else if (QMenu* menu = FMemo->createStandardContextMenu()) {
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(FMemo->mapToGlobal(at));
        }
    });
    SetControl(FMemo);
    SetFocusControl(FMemo);
}

void TExMemoDropDown::SetMemoText(const QStringList& value)
{
    FMemoText = value;
    UpdateEditText();
    FMemo->setPlainText(FMemoText.join(QLatin1Char('\n')));
}

void TExMemoDropDown::SetMemoReadOnly(bool value)
{
    FMemoReadOnly = value;
    if (DroppedDown()) FMemo->setReadOnly(value);
}

void TExMemoDropDown::UpdateEditText()
{
    QString text;
    if (FMemoText.isEmpty() || EditorEnabled()) {
        for (const QString& line : FMemoText) text += line + QLatin1Char('\n');
    } else {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        platform::TCanvas canvas(painter);
        canvas.Font = platform::TFont(font());
        const QString first = FMemoText.first();
        const int w = EditRect().Width();
        if (GetTextExtent(canvas, first).width() < w)
            text = FMemoText.size() > 1 ? first + QStringLiteral("...") : first;
        else
            text = TruncateText(canvas, first, w, true);
    }
    grid::TScopedValue<bool> internal(FInternalUpdate, true);
    SetTextDirect(text);
    // The start of the text shows.
    setCursorPosition(0);
}

void TExMemoDropDown::HandleChange()
{
    if (!FInternalUpdate) {
        QString text = QLineEdit::text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
        FMemoText = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    TExCustomDropDown::HandleChange();
}

void TExMemoDropDown::BeforeDropDown()
{
    TExCustomDropDown::BeforeDropDown();
    DropDownForm()->CancelOnDeActivate = false;
    FMemo->setPlainText(FMemoText.join(QLatin1Char('\n')));
    // As wide as the edit (unless the pop-up has a width of its own).
    FMemo->resize(width(), FMemo->height());
    FMemo->setVerticalScrollBarPolicy(FMemoScrollBars);
    FMemo->setHorizontalScrollBarPolicy(FMemoScrollBars);
    FMemo->setReadOnly(FMemoReadOnly);
    FMemoMaxLength = maxLength();
    FMemo->show();
}

void TExMemoDropDown::LimitMemoLength()
{
    // QPlainTextEdit has no maximum length of its own: characters typed or
    // pasted past the edit's MaxLength are taken out again before the caret.
    if (FMemoMaxLength <= 0) return;
    const QString text = FMemo->toPlainText();
    const int excess = int(text.size()) - FMemoMaxLength;
    if (excess <= 0) return;
    QTextCursor cursor = FMemo->textCursor();
    const int end = std::max(excess, cursor.position());
    const QSignalBlocker quiet(FMemo);
    cursor.setPosition(end - excess);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    FMemo->setTextCursor(cursor);
}

void TExMemoDropDown::DoHideDropDown(bool Cancelled)
{
    grid::TScopedValue<bool> noAutoDrop(FAutoDrop, false);
    if (Cancelled && DroppedDown()) FMemo->setPlainText(FMemoText.join(QLatin1Char('\n')));
    {
        // The edit's own cancelling puts back a text that may be a shortened
        // first line; the value stays the memo's.
        grid::TScopedValue<bool> internal(FInternalUpdate, true);
        TExCustomDropDown::DoHideDropDown(Cancelled);
    }
    UpdateEditText();
}

void TExMemoDropDown::AfterHideDropDown()
{
    TExCustomDropDown::AfterHideDropDown();
    const QString text = FMemo->toPlainText();
    FMemoText = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    UpdateEditText();
    setSelection(0, 0);
    deselect();
}

void TExMemoDropDown::HandleSetFocusMessage()
{
    TExCustomDropDown::HandleSetFocusMessage();
    if (FAutoDrop) DoShowDropDown();
}

void TExMemoDropDown::ControlKeyDown(Word& key, platform::TShiftState shift)
{
    if (key == 'A' && (shift & platform::ssCtrl)) FMemo->selectAll();
    if ((shift & platform::ssAlt) || key == platform::VK_ESCAPE || key == platform::VK_F4)
        TExCustomDropDown::ControlKeyDown(key, shift);
}

void TExMemoDropDown::ControlKeyUp(Word& key, platform::TShiftState shift)
{
    if ((shift & platform::ssAlt) || key == platform::VK_ESCAPE || key == platform::VK_F4)
        TExCustomDropDown::ControlKeyUp(key, shift);
}

void TExMemoDropDown::ControlKeyPress(QChar& key)
{
    if ((platform::keyboardShiftState() & platform::ssAlt) || key == QChar(u'\x1b'))
        TExCustomDropDown::ControlKeyPress(key);
}

}  // namespace dropdown

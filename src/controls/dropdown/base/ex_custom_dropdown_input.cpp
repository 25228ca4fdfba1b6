// Typed input of the drop-down edit: the character rules of the input kinds,
// the caret rules around Prefix and Suffix, and the clipboard.

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

#include "controls/dropdown/base/dropdown_paste.h"
#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/base/guarded.h"
#include "controls/grid/scoped_value.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/format_settings.h"

namespace dropdown {

using platform::TShiftState;
using platform::Word;

namespace dropdown_input_detail {

constexpr QChar kBackspace = u'\b';
constexpr QChar kTab = u'\t';
constexpr QChar kEnter = u'\r';
constexpr QChar kEscape = u'\x1b';
constexpr QChar kLineFeed = u'\n';
constexpr QChar kCtrlC = QChar(3);
constexpr QChar kCtrlV = QChar(22);
constexpr QChar kCtrlX = QChar(24);

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isEditingChar(QChar c) { return c == kBackspace || c == kTab || c == kEnter; }

}  // namespace dropdown_input_detail

using namespace dropdown_input_detail;

// ----- selection in edit-text positions

int TExCustomDropDown::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

int TExCustomDropDown::SelLength() const { return hasSelectedText() ? int(selectedText().size()) : 0; }

QString TExCustomDropDown::SelectedValue() const
{
    return Text().mid(std::max(0, SelStart() - int(FPrefix.size())), SelLength());
}

bool TExCustomDropDown::CtrlHeld() const
{
    if (FNativeKey) return FNativeKey->modifiers() & Qt::ControlModifier;
    return platform::isKeyDown(platform::VK_CONTROL);
}

void TExCustomDropDown::SetEditText(const QString& text, bool zeroPrecision)
{
    const int16_t precision = zeroPrecision ? 0 : FPrecision;
    grid::TScopedValue<int16_t> keep(FPrecision, precision);
    QLineEdit::setText(text);
}

void TExCustomDropDown::PostKeyToParent(int qtKey, bool withRelease)
{
    // A window's own key handling stands for the dialog keys that
    // DefaultHandling governs; a parent inside a window (a grid) gets the key.
    QWidget* parent = parentWidget();
    if (!parent || parent->isWindow()) return;
    QCoreApplication::postEvent(parent, new QKeyEvent(QEvent::KeyPress, qtKey, Qt::NoModifier));
    if (withRelease) QCoreApplication::postEvent(parent, new QKeyEvent(QEvent::KeyRelease, qtKey, Qt::NoModifier));
}

// ----- characters

void TExCustomDropDown::HandleCharMessage(QChar& key)
{
    // A character that leaves the text as it was must not leave the
    // swallowing of the next change behind.
    const QString before = QLineEdit::text();
    const bool wasBlocking = BlockChange;
    TypeChar(key);
    if (!wasBlocking && BlockChange && QLineEdit::text() == before) BlockChange = false;
}

void TExCustomDropDown::TypeChar(QChar& key)
{
    if (!FEditorEnabled) {
        key = QChar();
        return;
    }
    const bool ctrl = CtrlHeld();
    const QString value = Text();
    const int lp = int(FPrefix.size());
    const int selStart = SelStart();
    const int selLength = SelLength();
    const QChar dec = platform::formatSettings().DecimalSeparator;
    const bool wholeValueSelected = selLength == value.size() && !value.isEmpty();
    if (wholeValueSelected) BlockChange = true;

    if (key == kEnter) {
        if (ctrl) {
            key = QChar();
            return;
        }
        QChar enter = kEnter;
        if (OnKeyPress) OnKeyPress(this, enter);
        key = QChar();
        if (!FDefaultHandling) PostKeyToParent(Qt::Key_Return, true);
        return;
    }
    if (key == kEscape) {
        if (!FDefaultHandling) PostKeyToParent(Qt::Key_Escape, true);
        PassChar(key);
        return;
    }
    if (ctrl && (key == kCtrlC || key == kCtrlV || key == kCtrlX)) {
        PassChar(key);
        return;
    }
    if (FExcelStyleDecimalSeparator && (key == u'.' || key == u',') && FNativeKey &&
        (FNativeKey->modifiers() & Qt::KeypadModifier))
        key = dec;
    if (key == kBackspace && !FPrefix.isEmpty() && selLength == 0 && selStart <= lp) {
        key = QChar();
        return;
    }
    if (FLengthLimit > 0 && IntegerPartEnd(value) > FLengthLimit && selLength == 0 &&
        selStart < DecimalSeparatorPos() && key != kBackspace && key != dec && !IsAllowedMinus(key)) {
        key = QChar();
        return;
    }
    if (key == kBackspace) {
        PassChar(key);
        // The emptying change was swallowed (the whole value was selected).
        if (wholeValueSelected && Text().isEmpty()) HandleChange();
        return;
    }
    if (key == kLineFeed) {
        key = QChar();
        return;
    }
    if (key == u'-' && IsSignedNumberKind(FEditType) && !FSigned) {
        key = QChar();
        return;
    }
    TypeKindChar(key, ctrl);
    if (isModified()) SetIsModified(true);
}

void TExCustomDropDown::TypeKindChar(QChar& key, bool ctrl)
{
    const int lp = int(FPrefix.size());
    const int selStart = SelStart();
    const int selLength = SelLength();
    auto drop = [&key] { key = QChar(); };
    switch (FEditType) {
    case etString:
    case etPassword:
        SetIsModified(true);
        PassChar(key);
        return;
    case etNumeric:
        if (key == u'-') {
            ToggleSign(selStart, selLength);
            return;
        }
        if (isEditingChar(key) || isDigit(key) || platform::isKeyDown(platform::VK_CONTROL) || ctrl)
            PassChar(key);
        else
            drop();
        return;
    case etFloat:
        TypeFloatChar(key, selStart, selLength, false);
        return;
    case etMoney:
        TypeFloatChar(key, selStart, selLength, true);
        return;
    case etUppercase:
        key = key.toUpper();
        PassChar(key);
        return;
    case etLowerCase:
        key = key.toLower();
        PassChar(key);
        return;
    case etMixedCase: {
        PassChar(key);
        const int caret = cursorPosition();
        const QString value = Text();
        const QString mixed = grid::MixedCaseText(value);
        if (mixed != value) {
            SetEditText(FPrefix + mixed + FSuffix, false);
            setCursorPosition(caret);
        }
        return;
    }
    case etRange: {
        if (!isEditingChar(key) && !isDigit(key) && !IsRangeSeparator(key)) return drop();
        if (IsRangeSeparator(key)) {
            const QString text = QLineEdit::text();
            const int after = selStart + selLength;
            const QChar before = selStart > 0 ? text[selStart - 1] : QChar(u' ');
            const QChar next = after < text.size() ? text[after] : QChar(u' ');
            if (selStart <= lp || IsRangeSeparator(before) || IsRangeSeparator(next)) return drop();
        }
        SetIsModified(true);
        PassChar(key);
        return;
    }
    case etHex: {
        const bool hexLetter = (key >= u'A' && key <= u'F') || (key >= u'a' && key <= u'f');
        if (!isEditingChar(key) && !isDigit(key) && !hexLetter && key != u'-') return drop();
        SetIsModified(true);
        PassChar(key);
        return;
    }
    case etAlphaNumeric: {
        const bool letter = (key >= u'A' && key <= u'Z') || (key >= u'a' && key <= u'z');
        if (!isEditingChar(key) && !isDigit(key) && !letter) return drop();
        SetIsModified(true);
        PassChar(key);
        return;
    }
    case etValidChars:
        if (key != kBackspace && !FValidChars.contains(key)) return drop();
        SetIsModified(true);
        PassChar(key);
        return;
    }
}

void TExCustomDropDown::TypeFloatChar(QChar& key, int selStart, int selLength, bool money)
{
    const platform::FormatSettings& fs = platform::formatSettings();
    const QChar dec = fs.DecimalSeparator;
    const QChar thousand = fs.ThousandSeparator;
    const int lp = int(FPrefix.size());
    const QString value = Text();
    const QString selected = selectedText();
    auto drop = [&key] { key = QChar(); };

    if (money) {
        if (!isEditingChar(key) && !isDigit(key) && key != u'-' && key != dec) return drop();
        if (key == dec && (value.contains(dec) || FPrecision == 0)) {
            if (FPrecision > 0) {
                if (selLength == value.size() && !value.isEmpty()) SetText(QStringLiteral("0,0"));
                SelectAfterDecimal();
            }
            return drop();
        }
    } else {
        if (key == u',' && dec != u',' && thousand != u',') return drop();
        if (key == u'.' && dec != u'.' && thousand != u'.') return drop();
        if (!isEditingChar(key) && !isDigit(key) && key != u',' && key != u'-' && key != u'.') return drop();
        if (key == dec && !selected.contains(dec) && (value.contains(dec) || FPrecision == 0)) {
            if (FPrecision > 0) SelectAfterDecimal();
            return drop();
        }
        if (key == u',' && value.contains(u',') && !selected.contains(u',') && thousand != u',') return drop();
    }
    const int k = selStart - lp;
    if ((key == thousand || key == dec) && SeparatorMisplaced(value, k)) return drop();
    if (DecimalsFull(value, k, FPrecision) && selLength == 0 && (isDigit(key) || key == dec)) {
        const int separatorEnd = lp + int(value.indexOf(dec)) + 1;
        const int valueEnd = lp + int(value.size());
        if (FPrecision > 0 && selStart >= separatorEnd && selStart < valueEnd && isDigit(key))
            setSelection(selStart, 1);  // the digit replaces the next decimal
        else
            return drop();
    }
    if (key == dec && selStart <= lp && value.isEmpty()) {
        SetEditText(FPrefix + QStringLiteral("0") + dec + FSuffix, false);
        setCursorPosition(lp + 2);
        SetIsModified(true);
        key = QChar();
        return;
    }
    if (key == u'-' && selLength == 0) {
        ToggleSign(selStart, selLength);
        key = QChar();
        return;
    }
    PassChar(key);
    if (money && !key.isNull()) {
        const QString now = Text();
        if (!now.isEmpty() && now != QStringLiteral("-") && key != dec) FormatMoneyText();
    }
}

void TExCustomDropDown::ToggleSign(int selStart, int selLength)
{
    const QString value = Text();
    const int lp = int(FPrefix.size());
    const bool zeroPrecision = FEditType == etFloat || FEditType == etMoney;
    if (FEditType == etNumeric && selLength == value.size()) {
        SetEditText(FPrefix + QStringLiteral("-") + FSuffix, false);
        setCursorPosition(lp + 1);
    } else if (value.contains(u'-')) {
        QString rest = value;
        rest.remove(rest.indexOf(u'-'), 1);
        SetEditText(FPrefix + rest + FSuffix, zeroPrecision);
        setCursorPosition(selStart > lp ? selStart - 1 : lp);
    } else {
        SetEditText(FPrefix + QStringLiteral("-") + value + FSuffix, zeroPrecision);
        setCursorPosition(selStart + 1);
    }
    SetIsModified(true);
}

void TExCustomDropDown::PassChar(QChar& key)
{
    const QChar typed = key;
    HandleKeyPress(key);
    if (key.isNull() || key == kEnter || key == kEscape || isReadOnly()) return;
    if (key == kCtrlV) return HandlePasteMessage();
    if (key == kCtrlX) return HandleCutMessage();
    if (key == kCtrlC) return HandleCopyMessage();
    if (key == kBackspace) return backspace();
    if (key == kTab || key.category() == QChar::Other_Control) return;
    if (FNativeKey && key == typed && FNativeKey->text() == QString(key) && !hasSelectedText())
        QLineEdit::keyPressEvent(FNativeKey);
    else
        insert(QString(key));
}

// ----- caret rules

bool TExCustomDropDown::CaretKeyDown(Word key, TShiftState shift)
{
    using namespace platform;
    const int lp = int(FPrefix.size());
    const int valueEnd = lp + int(Text().size());
    const int selStart = SelStart();
    const int selLength = SelLength();
    const int selEnd = selStart + selLength;
    const bool withShift = shift & ssShift;
    switch (key) {
    case VK_RIGHT:
        return !(!FSuffix.isEmpty() && selEnd >= valueEnd);
    case VK_LEFT:
        return !(!FPrefix.isEmpty() && selEnd <= lp);
    case VK_END:
        if (FSuffix.isEmpty()) return true;
        if (withShift)
            setSelection(selStart, valueEnd - selStart);
        else
            setCursorPosition(valueEnd);
        return false;
    case VK_HOME:
        if (FPrefix.isEmpty()) return true;
        if (withShift)
            setSelection(valueEnd, lp - valueEnd);
        else
            setCursorPosition(lp);
        return false;
    case VK_BACK:
        if (FPrefix.isEmpty()) return true;
        if (selStart <= lp + 1) return false;
        SetIsModified(true);
        return true;
    case VK_DELETE: {
        if (!FSuffix.isEmpty()) {
            if (selEnd >= valueEnd && selLength == 0) return false;
            SetIsModified(true);
        }
        if (selStart >= lp) {
            QString rest = Text();
            rest.remove(selStart - lp, std::max(1, selLength));
            if (FLengthLimit > 0 && IntegerPartEnd(rest) - 1 > FLengthLimit) return false;
            SetIsModified(true);
        }
        return true;
    }
    default:
        return true;
    }
}

void TExCustomDropDown::ClampCaretAfterClick()
{
    const int lp = int(FPrefix.size());
    const int valueEnd = lp + int(Text().size());
    if (!FPrefix.isEmpty() && SelStart() < lp) {
        SelectAll();
        return;
    }
    if (!FSuffix.isEmpty()) {
        if (SelStart() > valueEnd)
            setCursorPosition(valueEnd);
        else if (SelStart() + SelLength() > valueEnd)
            setSelection(SelStart(), valueEnd - SelStart());
    }
}

// ----- the clipboard

bool TExCustomDropDown::ClipboardShortcut(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Paste)) {
        HandlePasteMessage();
        return true;
    }
    if (event.matches(QKeySequence::Cut)) {
        HandleCutMessage();
        return true;
    }
    if (event.matches(QKeySequence::Copy)) {
        HandleCopyMessage();
        return true;
    }
    return false;
}

void TExCustomDropDown::HandlePasteMessage()
{
    if (isReadOnly()) return;
    const QString pasted = QGuiApplication::clipboard()->text();
    if (pasted.isEmpty()) return;
    const QString value = Text();
    const int lp = int(FPrefix.size());
    const int selStart = SelStart();
    const int selLength = SelLength();
    QString candidate = InsertPastedText(value, selStart - lp, selLength, pasted);
    bool allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, candidate, allow);
    if (!allow) return;
    if (maxLength() > 0 && pasted.size() + value.size() - selLength > maxLength()) return;
    const std::optional<QString> result =
        PastedValue(TPasteRules{FEditType, FPrecision, FSigned, FValidChars}, candidate, pasted);
    if (!result) return;
    SetText(*result);
    if (FEditType == etFloat || FEditType == etMoney) SetFloatValue(FloatValue());
    if (FEditType != etUppercase && FEditType != etLowerCase && FEditType != etMixedCase) SetIsModified(true);
    if (FEditType == etMoney && Text().size() > 3)
        SelectAll();
    else if (selLength > 0)
        setSelection(selStart, int(pasted.size()));
    else
        setCursorPosition(std::min(selStart + int(pasted.size()), int(QLineEdit::text().size())));
    if (FEditType == etString || FEditType == etPassword || FEditType == etUppercase || FEditType == etLowerCase ||
        FEditType == etMixedCase)
        SetIsModified(true);
}

void TExCustomDropDown::HandleCutMessage()
{
    if (!FEditorEnabled || isReadOnly()) return;
    bool allow = true;
    grid::TScopedValue<bool> blocking(FBlockCopy, true, false);
    if (OnClipboardCut) OnClipboardCut(this, SelectedValue(), allow);
    if (allow) cut();
}

void TExCustomDropDown::HandleCopyMessage()
{
    bool allow = true;
    if (OnClipboardCopy && !FBlockCopy) OnClipboardCopy(this, SelectedValue(), allow);
    FBlockCopy = false;
    if (allow) copy();
}

void TExCustomDropDown::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu's clipboard entries take the edit's own clipboard handling.
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        const QString name = action->objectName();
        void (TExCustomDropDown::*handler)() = nullptr;
        if (name == QLatin1String("edit-paste")) handler = &TExCustomDropDown::HandlePasteMessage;
        else if (name == QLatin1String("edit-cut")) handler = &TExCustomDropDown::HandleCutMessage;
        else if (name == QLatin1String("edit-copy")) handler = &TExCustomDropDown::HandleCopyMessage;
        if (!handler) continue;
        action->disconnect();
        connect(action, &QAction::triggered, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
    }
    menu->exec(event->globalPos());
}

}  // namespace dropdown

#include "controls/grid/editors/inplace_edit_rules.h"

#include <limits>

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

#include "controls/grid/text/grid_number_text.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/format_settings.h"
#include "platform/input_state.h"

namespace grid {

namespace inplace_rules_detail {

constexpr ushort kBackspace = 8, kTab = 9, kLineFeed = 10, kEnter = 13, kEscape = 27;

bool isEditKey(ushort code)
{
    return code == kBackspace || code == kTab || code == kEnter || code == kEscape;
}

TCharVerdict pass(QChar c) { return {TCharAction::Pass, c, false}; }
TCharVerdict beep() { return {TCharAction::Beep, QChar(), false}; }
TCharVerdict drop() { return {TCharAction::Drop, QChar(), false}; }

bool minusAllowed(const QString& text, int selStart, const QString& selected)
{
    return (selStart == 0 && !text.contains(u'-')) || selected.contains(u'-');
}

TCharVerdict floatVerdict(const TInplaceEditRules& rules, const QString& text, int selStart, const QString& selected,
                          QChar ch, bool ctrl)
{
    const auto& fs = platform::formatSettings();
    const ushort code = ch.unicode();
    const bool candidate = isEditKey(code) || ch == u',' || ch == u'-' || ch == u'.' || (ch >= u'0' && ch <= u'9');
    const bool positive = rules.Kind == edPositiveFloat;
    if (!candidate || (positive && ch == u'-')) return ctrl ? pass(ch) : drop();
    if (ch == fs.DecimalSeparator && text.contains(fs.DecimalSeparator) && !selected.contains(fs.DecimalSeparator))
        return drop();
    if (ch == fs.ThousandSeparator) return drop();
    if (ch == u'-') return minusAllowed(text, selStart, selected) ? pass(ch) : beep();
    // A candidate typed with Ctrl held goes in once, like any other.
    return pass(ch);
}

}  // namespace inplace_rules_detail

TCharVerdict InplaceCharVerdict(const TInplaceEditRules& rules, const QString& text, int selStart, int selLength,
                                QChar ch, bool ctrl, bool keypadDecimal)
{
    using namespace inplace_rules_detail;
    const ushort code = ch.unicode();
    if (ch == u'.' && rules.ExcelStyleDecimalSeparator && keypadDecimal)
        ch = platform::formatSettings().DecimalSeparator;
    if (code == 1 && ctrl) return drop();
    if (code == kLineFeed && ctrl && !(rules.AllowCtrlEnter && rules.MultiLineCells)) return drop();
    if (rules.LengthLimit > 0 && text.size() >= rules.LengthLimit && selLength == 0 && code != kBackspace &&
        code != kEscape && code != kEnter)
        return drop();
    const TEditorType kind = rules.Kind;
    if (code == kEnter && rules.LineFeedOnEnter &&
        (kind == edNormal || kind == edCapital || kind == edMixedCase || kind == edLowerCase || kind == edUpperCase ||
         kind == edValidChars))
        return {TCharAction::Default, ch, false};

    const QString selected = text.mid(selStart, selLength);
    switch (kind) {
    case edNormal:
    case edPassword:
        return pass(ch);
    case edNumeric:
        if (ch == u'-') return !text.contains(u'-') && selStart == 0 ? pass(ch) : beep();
        return isEditKey(code) || (ch >= u'0' && ch <= u'9') ? pass(ch) : beep();
    case edPositiveNumeric:
        return isEditKey(code) || (ch >= u'0' && ch <= u'9') ? pass(ch) : beep();
    case edFloat:
    case edPositiveFloat:
        return floatVerdict(rules, text, selStart, selected, ch, ctrl);
    case edCapital:
    case edUpperCase:
        return pass(code < 32 ? ch : QString(ch).toUpper().at(0));
    case edLowerCase:
        return pass(code < 32 ? ch : QString(ch).toLower().at(0));
    case edMixedCase:
        return {TCharAction::Pass, ch, code >= 32};
    case edValidChars: {
        if (code == kBackspace || code == kEnter) return pass(ch);
        const bool valid = rules.ValidChars.isEmpty() ? code < 256 && rules.ValidCharSet.test(code)
                                                      : rules.ValidChars.contains(ch);
        return valid ? pass(ch) : beep();
    }
    default:
        return drop();
    }
}

QChar TypedCharacter(const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Tab ||
        key == Qt::Key_Backtab)
        return QChar();
    if (key == Qt::Key_Backspace) return QChar(8);
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(ushort(key - Qt::Key_A + 1));
    const QString text = event.text();
    return text.isEmpty() ? QChar() : text.at(0);
}

bool TInplaceCharFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QChar ch = TypedCharacter(*key);
    if (ch.isNull()) return false;
    const TInplaceCharOutcome outcome = TypeInplaceChar(*edit, Rules, ch, key->modifiers() & Qt::ControlModifier,
                                                        key->modifiers() & Qt::KeypadModifier);
    if (outcome == TInplaceCharOutcome::Inserted) emit Inserted(edit);
    return outcome != TInplaceCharOutcome::PassOn;
}

TInplaceCharOutcome TypeInplaceChar(QLineEdit& edit, const TInplaceEditRules& rules, QChar ch, bool ctrl,
                                    bool keypadDecimal)
{
    if (ch.unicode() < 32) return TInplaceCharOutcome::PassOn;
    const int selStart = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    const int selLength = int(edit.selectedText().size());
    const TCharVerdict verdict = InplaceCharVerdict(rules, edit.text(), selStart, selLength, ch, ctrl, keypadDecimal);
    switch (verdict.Action) {
    case TCharAction::Beep:
        platform::beep();
        return TInplaceCharOutcome::Refused;
    case TCharAction::Drop:
        return TInplaceCharOutcome::Refused;
    case TCharAction::Default:
        return TInplaceCharOutcome::PassOn;
    case TCharAction::Pass:
        break;
    }
    edit.insert(QString(verdict.Char));
    if (verdict.MixedCase) {
        edit.setText(MixedCaseText(edit.text()));
        edit.setCursorPosition(std::min(selStart + 1, int(edit.text().size())));
    }
    return TInplaceCharOutcome::Inserted;
}

int InplaceMaxLength(int lengthLimit)
{
    return lengthLimit > 0 ? lengthLimit : std::numeric_limits<int>::max();
}

std::optional<TPasteResult> InplacePasteResult(const TInplaceEditRules& rules, const QString& text, int selStart,
                                               int selLength, const QString& value)
{
    const int limit = rules.LengthLimit;
    if (limit >= 1 && value.size() > limit) return std::nullopt;
    QString pasted = value;
    // One line break at the very end of the value goes.
    const qsizetype lineBreak = pasted.indexOf(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (lineBreak >= 0) {
        const qsizetype breakLength = pasted.mid(lineBreak, 2) == QStringLiteral("\r\n") ? 2 : 1;
        if (lineBreak + breakLength == pasted.size()) pasted.truncate(lineBreak);
    }
    QString result = text;
    result.replace(selStart, selLength, pasted);
    if (limit >= 1 && result.size() > limit) return std::nullopt;
    switch (rules.Kind) {
    case edNumeric:
    case edPositiveNumeric:
        if (NumberTextType(result) != NumberTextInteger) return std::nullopt;
        if (rules.Kind == edPositiveNumeric && result.contains(u'-')) return std::nullopt;
        break;
    case edFloat:
    case edPositiveFloat: {
        const int type = NumberTextType(result);
        if (type != NumberTextInteger && type != NumberTextFloat) return std::nullopt;
        if (rules.Kind == edPositiveFloat && result.contains(u'-')) return std::nullopt;
        break;
    }
    case edMixedCase: result = MixedCaseText(result); break;
    case edLowerCase: result = result.toLower(); break;
    case edUpperCase: result = result.toUpper(); break;
    case edValidChars:
        for (QChar c : pasted)
            if (!rules.ValidChars.contains(c)) return std::nullopt;
        break;
    default: break;
    }
    TPasteResult paste;
    paste.Text = result;
    if (selLength > 0) {
        paste.SelStart = selStart;
        paste.SelLength = int(pasted.size());
    } else {
        paste.SelStart = selStart + int(pasted.size());
    }
    return paste;
}

std::optional<TLookupCompletion> LookupCompletion(const QString& text, int caret, const QStringList& items,
                                                  bool caseSensitive, TTypedPart typedPart)
{
    const QString typed = text.left(caret);
    if (typed.isEmpty()) return std::nullopt;
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < items.size(); ++i) {
        const QString& item = items.at(i);
        if (!item.startsWith(typed, cs)) continue;
        TLookupCompletion completion;
        const QString head = typedPart == TTypedPart::AsTyped ? typed : item.left(typed.size());
        completion.Text = head + item.mid(typed.size()).left(255);
        completion.SelStart = int(typed.size());
        completion.SelLength = int(completion.Text.size() - typed.size());
        completion.ItemIndex = i;
        return completion;
    }
    return std::nullopt;
}

bool InplaceAutoAdvanceDue(int maxEditLength, const QString& text, int caret, bool hasSelection)
{
    return maxEditLength > 0 && text.size() == maxEditLength && !hasSelection && caret == text.size();
}

}  // namespace grid

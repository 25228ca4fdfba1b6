#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/dropdown_edit_state.h"
#include "controls/dropdown/dropdown_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace dropdown;
using namespace dropdown_testing;
using grid_text_testing::FormatSettingsScope;

namespace {

// The settings of an edit in a case.
struct EditSetup {
    TDropDownEditType Kind = etString;
    int16_t Precision = 0;
    bool Signed = false;
    uint16_t LengthLimit = 0;
    QString ValidChars;
    QString Prefix;
    QString Suffix;
};

void apply(TExCustomDropDown& edit, const EditSetup& setup)
{
    edit.SetEditType(setup.Kind);
    edit.SetPrecision(setup.Precision);
    edit.SetSigned(setup.Signed);
    edit.SetLengthLimit(setup.LengthLimit);
    edit.SetValidChars(setup.ValidChars);
    edit.SetPrefix(setup.Prefix);
    edit.SetSuffix(setup.Suffix);
}

// Holds Ctrl (or other modifiers) on the keyboard for a scope, inside a
// test where no key is held otherwise.
struct HeldKeys {
    explicit HeldKeys(platform::TShiftState state) { platform::setKeyboardStateOverride(state); }
    ~HeldKeys() { platform::setKeyboardStateOverride(0); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
};

struct TypingCase {
    const char* name;
    EditSetup setup;
    const char* before;
    QString typed;
    const char* after;
};

void runTyping(const std::vector<TypingCase>& cases)
{
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.name);
        TExCustomDropDown edit;
        apply(edit, c.setup);
        SetEditState(edit, QString::fromUtf8(c.before));
        for (QChar ch : c.typed) edit.CharMessage(ch);
        EXPECT_EQ(EditState(edit), c.after);
    }
}

}  // namespace

// No key is held unless a test holds one: the modifiers that key events of
// earlier tests left behind do not count.
class DropDownTypedInput : public ::testing::Test {
protected:
    void SetUp() override { platform::setKeyboardStateOverride(0); }
    void TearDown() override { platform::clearKeyboardStateOverride(); }
};

TEST_F(DropDownTypedInput, CharacterFilterPerKind)
{
    FormatSettingsScope fs(u'.', u',');
    const EditSetup numeric{etNumeric};
    const EditSetup hex{etHex};
    runTyping({
        {"string takes anything", {etString}, "a|", "-x.", "a-x.|"},
        {"password takes anything", {etPassword}, "|", "p!", "p!|"},
        {"numeric digits", numeric, "12|", "3", "123|"},
        {"numeric letters", numeric, "12|", "a.,", "12|"},
        {"upper case", {etUppercase}, "|", "abC", "ABC|"},
        {"lower case", {etLowerCase}, "|", "AbC", "abc|"},
        {"mixed case", {etMixedCase}, "|", "john", "John|"},
        {"mixed case keeps the caret", {etMixedCase}, "jo|hn", "x", "Jox|hn"},
        {"hex digits and letters, as typed", hex, "|", "1fA9-", "1fA9-|"},
        {"hex refuses g", hex, "1|", "gG.", "1|"},
        {"alphanumeric", {etAlphaNumeric}, "|", "a-Z 9_", "aZ9|"},
        {"valid chars", {etValidChars, 0, false, 0, "xy"}, "|", "xzyX", "xy|"},
        {"range list", {etRange}, "|", "1-5;7,9", "1-5;7,9|"},
        {"range refuses a leading separator", {etRange}, "|", "-;,", "|"},
        {"range refuses two separators", {etRange}, "1-|", ";-,", "1-|"},
        {"range refuses a separator before one", {etRange}, "1|;5", "-", "1|;5"},
        {"range takes a separator between digits", {etRange}, "1|5", ";", "1;|5"},
        {"range refuses letters", {etRange}, "1|", "a.", "1|"},
        {"float digits and separator", {etFloat, 2}, "|", "12.5", "12.5|"},
        {"float letters", {etFloat, 2}, "1|", "a e", "1|"},
        {"float separator without precision", {etFloat}, "1|", ".", "1|"},
        {"float thousand separator", {etFloat, 2}, "1|", ",", "1,|"},
        {"float decimal into an empty value", {etFloat, 2}, "|", ".", "0.|"},
        {"money digits", {etMoney, 2}, "|", "12", "12|"},
        {"money refuses the thousand separator", {etMoney, 2}, "1|", ",", "1|"},
        {"line feed", {etString}, "a|", "\n", "a|"},
        {"Ctrl+Enter typed as a line feed", {etNumeric}, "1|", "\n", "1|"},
    });
}

TEST_F(DropDownTypedInput, NumericTakesAnyCharacterWithCtrlHeld)
{
    TExCustomDropDown edit;
    edit.SetEditType(etNumeric);
    SetEditState(edit, QStringLiteral("12|"));
    HeldKeys ctrl(platform::ssCtrl);
    edit.CharMessage(u'a');
    EXPECT_EQ(EditState(edit), "12a|");
}

TEST_F(DropDownTypedInput, SignToggle)
{
    FormatSettingsScope fs(u'.', u',');
    const EditSetup numeric{etNumeric, 0, true};
    const EditSetup floating{etFloat, 2, true};
    const EditSetup money{etMoney, 2, true};
    runTyping({
        {"unsigned numeric ignores the minus", {etNumeric}, "12|", "-", "12|"},
        {"unsigned float ignores the minus", {etFloat, 2}, "1|", "-", "1|"},
        {"unsigned money ignores the minus", {etMoney, 2}, "1|", "-", "1|"},
        {"minus in front, caret one right", numeric, "12|", "-", "-12|"},
        {"and off again", numeric, "-12|", "-", "12|"},
        {"caret anywhere", numeric, "1|2", "-", "-1|2"},
        {"caret before the minus stays at the start", numeric, "|-12", "-", "|12"},
        {"whole value selected: a lone minus", numeric, "[12]", "-", "-|"},
        {"empty value: a lone minus", numeric, "|", "-", "-|"},
        {"part selected: toggles, caret after the selection's start", numeric, "[1]2", "-", "-|12"},
        {"with a prefix", {etNumeric, 0, true, 0, {}, "$"}, "$12|", "--", "$12|"},
        {"with a prefix, caret after it", {etNumeric, 0, true, 0, {}, "$"}, "$-|12", "-", "$|12"},
        {"float", floating, "1.5|", "-", "-1.5|"},
        {"float with a selection replaces it", floating, "[1.5]", "-", "-|"},
        {"money", money, "1,234|", "-", "-1,234|"},
    });
}

TEST_F(DropDownTypedInput, DecimalSeparatorAndFullDecimals)
{
    FormatSettingsScope fs(u'.', u',');
    const EditSetup floating{etFloat, 2};
    runTyping({
        {"a second separator moves the caret behind the first", floating, "1|.25", ".", "1.|25"},
        {"a full decimal part is overwritten", floating, "1.2|5", "7", "1.27|"},
        {"overwriting goes on to the end", floating, "1.|25", "789", "1.78|"},
        {"nothing goes after the last decimal", floating, "1.25|", "3", "1.25|"},
        {"digits before the separator", floating, "1|.25", "3", "13|.25"},
        {"decimals not yet full", floating, "1.2|", "5", "1.25|"},
        {"a selected separator may be retyped", floating, "1[.]25", ".", "1.|25"},
    });
    FormatSettingsScope comma(u',', u'.');
    runTyping({
        {"comma is the separator", floating, "1|", ",5", "1,5|"},
        {"a second comma", floating, "1,5|", ",", "1,|5"},
        {"full stop is the thousand separator", floating, "1|", ".", "1.|"},
    });
}

TEST_F(DropDownTypedInput, MisplacedSeparators)
{
    FormatSettingsScope fs(u'.', u',');
    const EditSetup floating{etFloat, 2};
    const EditSetup money{etMoney, 2};
    runTyping({
        {"money: not inside a group", money, "1,23|4", ".", "1,23|4"},
        {"money: right after a group", money, "1,234|", ".", "1,234.|"},
        {"float: thousand separator too close", floating, "1,2|", ",", "1,2|"},
        {"float: thousand separator three on", floating, "1,234|", ",", "1,234,|"},
        {"float: decimal inside a group", floating, "1,2|34", ".", "1,2|34"},
    });
}

TEST_F(DropDownTypedInput, MoneyRegroupsWithTheCaret)
{
    FormatSettingsScope fs(u'.', u',');
    TExCustomDropDown edit;
    edit.SetEditType(etMoney);
    SetEditState(edit, QStringLiteral("|"));
    for (QChar c : QStringLiteral("1234567")) edit.CharMessage(c);
    EXPECT_EQ(EditState(edit), "1,234,567|");

    runTyping({
        {"a digit in the middle", {etMoney}, "1,23|4", "5", "12,35|4"},
        {"a leading zero goes", {etMoney}, "0|", "5", "5|"},
        {"with decimals and a prefix", {etMoney, 2, false, 0, {}, "$"}, "$123|.45", "4", "$1,234|.45"},
        {"the separator is not regrouped", {etMoney, 2}, "1234|", ".", "1234.|"},
        {"wholly selected value: the separator resets it", {etMoney, 2}, "[1,234.50]", ".", "0.|00"},
        {"a separator already there", {etMoney, 2}, "1|.50", ".", "1.|50"},
    });
    // Without automatic thousand separators.
    TExCustomDropDown plain;
    plain.SetEditType(etMoney);
    plain.SetAutoThousandSeparator(false);
    SetEditState(plain, QStringLiteral("|"));
    for (QChar c : QStringLiteral("12345")) plain.CharMessage(c);
    EXPECT_EQ(EditState(plain), "12345|");

    // Delete regroups too.
    SetEditState(edit, QStringLiteral("1,|234,567"));
    edit.KeyDownMessage(platform::VK_DELETE);
    EXPECT_EQ(EditState(edit), "1|34,567");
}

TEST_F(DropDownTypedInput, LengthLimitCountsTheIntegerPart)
{
    FormatSettingsScope fs(u'.', u',');
    const EditSetup limited{etFloat, 2, true, 3};
    runTyping({
        {"no fourth digit before the separator", limited, "123|.4", "5", "123|.4"},
        {"nor at the start", limited, "|123.4", "5", "|123.4"},
        {"digits after it", limited, "123.|4", "5", "123.5|4"},
        {"a minus does not count", limited, "-123|", "5", "-123|"},
        {"the sign may still be toggled", limited, "123|", "-", "-123|"},
        {"up to the limit", limited, "12|", "3", "123|"},
        {"over a selection", limited, "1[2]3", "9", "19|3"},
    });
    // Delete may not join a long decimal part onto the integer part.
    TExCustomDropDown edit;
    apply(edit, limited);
    SetEditState(edit, QStringLiteral("123|.45"));
    edit.KeyDownMessage(platform::VK_DELETE);
    EXPECT_EQ(EditState(edit), "123|.45");
    SetEditState(edit, QStringLiteral("12|.45"));
    edit.KeyDownMessage(platform::VK_DELETE);
    EXPECT_EQ(EditState(edit), "12|.45");
    SetEditState(edit, QStringLiteral("1|2.45"));
    edit.KeyDownMessage(platform::VK_DELETE);
    EXPECT_EQ(EditState(edit), "1|.45");
}

TEST_F(DropDownTypedInput, PrefixAndSuffixKeepTheCaretInTheValue)
{
    TExCustomDropDown edit;
    edit.SetPrefix(QStringLiteral("$"));
    edit.SetSuffix(QStringLiteral(" kg"));
    struct Case {
        const char* name;
        const char* before;
        platform::Word key;
        platform::TShiftState shift;
        const char* after;
    } cases[] = {
        {"Left stops at the prefix", "$|12 kg", platform::VK_LEFT, 0, "$|12 kg"},
        {"Left inside the value", "$1|2 kg", platform::VK_LEFT, 0, "$|12 kg"},
        {"Right stops at the suffix", "$12| kg", platform::VK_RIGHT, 0, "$12| kg"},
        {"Right inside the value", "$1|2 kg", platform::VK_RIGHT, 0, "$12| kg"},
        {"Delete stops at the suffix", "$12| kg", platform::VK_DELETE, 0, "$12| kg"},
        {"Delete inside the value", "$1|2 kg", platform::VK_DELETE, 0, "$1| kg"},
        {"End goes before the suffix", "$|12 kg", platform::VK_END, 0, "$12| kg"},
        {"Home goes after the prefix", "$12| kg", platform::VK_HOME, 0, "$|12 kg"},
        {"Shift+End selects to the suffix", "$1|2 kg", platform::VK_END, platform::ssShift, "$1[2] kg"},
        {"Shift+Home selects the value backwards", "$1|2 kg", platform::VK_HOME, platform::ssShift, "$>12< kg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetEditState(edit, QString::fromUtf8(c.before));
        HeldKeys held(c.shift);
        edit.KeyDownMessage(c.key);
        EXPECT_EQ(EditState(edit), c.after);
    }

    // Backspace: no key-down event near the prefix, and the character
    // cannot take the prefix away.
    std::vector<platform::Word> keyDowns;
    edit.OnKeyDown = [&](QObject*, platform::Word& key, platform::TShiftState) { keyDowns.push_back(key); };
    auto backspace = [&] {
        edit.KeyDownMessage(platform::VK_BACK);
        edit.CharMessage(u'\b');
    };
    SetEditState(edit, QStringLiteral("$|12 kg"));
    backspace();
    EXPECT_EQ(EditState(edit), "$|12 kg");
    SetEditState(edit, QStringLiteral("$1|2 kg"));
    backspace();
    EXPECT_EQ(EditState(edit), "$|2 kg");
    EXPECT_TRUE(keyDowns.empty());
    SetEditState(edit, QStringLiteral("$12| kg"));
    backspace();
    EXPECT_EQ(EditState(edit), "$1| kg");
    EXPECT_EQ(keyDowns, std::vector<platform::Word>{platform::VK_BACK});
}

TEST_F(DropDownTypedInput, ClicksIntoPrefixOrSuffixAreClamped)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.SetPrefix(QStringLiteral("$$$$ "));
    edit.SetSuffix(QStringLiteral(" kg kg kg"));
    edit.SetText(QStringLiteral("12"));
    // Into the prefix: the value is selected.
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(4, edit.height() / 2));
    EXPECT_EQ(EditState(edit), "$$$$ [12] kg kg kg");
    // Behind the value: the caret goes to the value's end.
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(edit.width() - edit.DropDownButtonWidth() - 8,
                                                        edit.height() / 2));
    EXPECT_EQ(EditState(edit), "$$$$ 12| kg kg kg");
}

TEST_F(DropDownTypedInput, ExcelStyleDecimalKey)
{
    FormatSettingsScope fs(u',', u'.');
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.SetEditType(etFloat);
    edit.SetPrecision(2);
    SetEditState(edit, QStringLiteral("1|"));
    // The keypad's decimal key types the decimal separator ...
    edit.SetExcelStyleDecimalSeparator(true);
    QTest::keyClick(&edit, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(EditState(edit), "1,|");
    // ... the main keyboard's full stop stays a full stop (here the thousand separator).
    SetEditState(edit, QStringLiteral("1|"));
    QTest::keyClick(&edit, Qt::Key_Period);
    EXPECT_EQ(EditState(edit), "1.|");
    // Without the option the keypad's key is a full stop as well.
    edit.SetExcelStyleDecimalSeparator(false);
    SetEditState(edit, QStringLiteral("1|"));
    QTest::keyClick(&edit, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(EditState(edit), "1.|");
}

TEST_F(DropDownTypedInput, RefusedWhileNotEditable)
{
    TExCustomDropDown edit;
    edit.SetEditorEnabled(false);
    SetEditState(edit, QStringLiteral("ab|"));
    edit.CharMessage(u'c');
    edit.CharMessage(u'\b');
    EXPECT_EQ(EditState(edit), "ab|");
}

TEST_F(DropDownTypedInput, TypingOverTheWholeValueSwallowsOneChange)
{
    FormatSettingsScope fs(u'.', u',');
    TExCustomDropDown edit;
    int changes = 0;
    edit.OnChange = [&](QObject*) { ++changes; };
    SetEditState(edit, QStringLiteral("[12]"));
    changes = 0;
    edit.CharMessage(u'3');
    EXPECT_EQ(EditState(edit), "3|");
    EXPECT_EQ(changes, 0);
    edit.CharMessage(u'4');
    EXPECT_EQ(changes, 1);

    // A Backspace that empties the selected value still reports once.
    SetEditState(edit, QStringLiteral("[34]"));
    changes = 0;
    edit.CharMessage(u'\b');
    EXPECT_EQ(EditState(edit), "|");
    EXPECT_EQ(changes, 1);

    // A refused character over the selected value leaves nothing swallowed
    // behind: the next change reports.
    edit.SetEditType(etNumeric);
    SetEditState(edit, QStringLiteral("[12]"));
    changes = 0;
    edit.CharMessage(u'x');
    edit.SetText(QStringLiteral("5"));
    EXPECT_EQ(changes, 1);

    // Money: the typed digit reports, its regrouping does not.
    edit.SetEditType(etMoney);
    SetEditState(edit, QStringLiteral("123|"));
    changes = 0;
    edit.CharMessage(u'4');
    EXPECT_EQ(EditState(edit), "1,234|");
    EXPECT_EQ(changes, 1);
    // A regrouping that changes nothing leaves nothing swallowed behind.
    edit.SetPrefix(QStringLiteral("$"));
    SetEditState(edit, QStringLiteral("$1,234|"));
    edit.FormatMoneyText();
    changes = 0;
    edit.SetText(QStringLiteral("7"));
    EXPECT_EQ(changes, 1);
}

TEST_F(DropDownTypedInput, TypingSetsTheModifiedState)
{
    TExCustomDropDown edit;
    edit.SetText(QStringLiteral("a"));
    EXPECT_FALSE(edit.IsModified());
    edit.CharMessage(u'b');
    EXPECT_TRUE(edit.IsModified());
    edit.SetEditType(etNumeric);
    EXPECT_TRUE(edit.IsModified());  // the kind change wrote 0
    edit.SetText(QStringLiteral("1"));
    edit.CharMessage(u'x');
    EXPECT_FALSE(edit.IsModified());
    edit.CharMessage(u'2');
    EXPECT_TRUE(edit.IsModified());
}

namespace {

void setClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

}  // namespace

TEST_F(DropDownTypedInput, PasteAcceptancePerKind)
{
    FormatSettingsScope fs(u'.', u',');
    struct Case {
        const char* name;
        EditSetup setup;
        const char* before;
        const char* clipboard;
        const char* after;
    } cases[] = {
        {"string: in place of the selection, selected", {etString}, "a[b]c", "XY", "a[XY]c"},
        {"string: at the caret, caret after it", {etString}, "ab|", "cd", "abcd|"},
        {"numeric takes an integer", {etNumeric}, "12|", "34", "1234|"},
        {"numeric refuses letters", {etNumeric}, "12|", "3a", "12|"},
        {"numeric refuses a minus unless signed", {etNumeric}, "[12]", "-5", "[12]"},
        {"signed numeric takes a minus", {etNumeric, 0, true}, "[12]", "-5", "[-5]"},
        {"float is formatted", {etFloat, 2}, "[1.00]", "2.5", "[2.5]0"},
        {"float at the caret", {etFloat, 2}, "1|", "2", "12|.00"},
        {"float without precision refuses decimals", {etFloat}, "[1]", "2.5", "[1]"},
        {"float refuses text", {etFloat, 2}, "[1.00]", "abc", "[1.00]"},
        {"money is grouped and selected", {etMoney, 2}, "|", "1234.5", "[1,234.50]"},
        {"upper case", {etUppercase}, "|", "abc", "ABC|"},
        {"lower case", {etLowerCase}, "|", "ABC", "abc|"},
        {"mixed case", {etMixedCase}, "|", "john smith", "John Smith|"},
        {"alphanumeric refuses a blank", {etAlphaNumeric}, "|", "ab 1", "|"},
        {"alphanumeric", {etAlphaNumeric}, "|", "ab1", "ab1|"},
        {"valid chars", {etValidChars, 0, false, 0, "01"}, "1|", "01", "101|"},
        {"invalid chars", {etValidChars, 0, false, 0, "01"}, "1|", "012", "1|"},
        {"range takes no paste", {etRange}, "1|", "-5", "1|"},
        {"hex takes no paste", {etHex}, "1|", "F", "1|"},
        {"with prefix and suffix", {etNumeric, 0, false, 0, {}, "$", " kg"}, "$1|2 kg", "34", "$134|2 kg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TExCustomDropDown edit;
        apply(edit, c.setup);
        SetEditState(edit, QString::fromUtf8(c.before));
        setClipboard(QString::fromUtf8(c.clipboard));
        edit.HandlePasteMessage();
        EXPECT_EQ(EditState(edit), c.after);
    }
}

TEST_F(DropDownTypedInput, PasteEventsAndShortcuts)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.SetEditType(etNumeric);
    std::vector<QString> seen;
    bool allow = false;
    edit.OnClipboardPaste = [&](QObject*, const QString& value, bool& a) {
        seen.push_back(value);
        a = allow;
    };
    SetEditState(edit, QStringLiteral("1|2"));
    setClipboard(QStringLiteral("7"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(seen, std::vector<QString>{QStringLiteral("172")});
    EXPECT_EQ(EditState(edit), "1|2");  // refused by the event
    allow = true;
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(EditState(edit), "17|2");
    // Ctrl+V as a character, as a picker forwards it.
    {
        HeldKeys ctrl(platform::ssCtrl);
        edit.CharMessage(QChar(22));
    }
    EXPECT_EQ(EditState(edit), "177|2");
    // Not when read-only or not editable.
    edit.SetReadOnly(true);
    edit.HandlePasteMessage();
    edit.SetReadOnly(false);
    edit.SetEditorEnabled(false);
    edit.HandlePasteMessage();
    EXPECT_EQ(edit.text(), QStringLiteral("1772"));
    // Not beyond the maximum length.
    edit.SetEditorEnabled(true);
    edit.setMaxLength(5);
    SetEditState(edit, QStringLiteral("1772|"));
    setClipboard(QStringLiteral("34"));
    edit.HandlePasteMessage();
    EXPECT_EQ(edit.text(), QStringLiteral("1772"));
}

TEST_F(DropDownTypedInput, CutAndCopyEvents)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.SetPrefix(QStringLiteral("$"));
    std::vector<std::string> seen;
    bool allow = false;
    edit.OnClipboardCut = [&](QObject*, const QString& value, bool& a) {
        seen.push_back("cut " + value.toStdString());
        a = allow;
    };
    edit.OnClipboardCopy = [&](QObject*, const QString& value, bool& a) {
        seen.push_back("copy " + value.toStdString());
        a = allow;
    };
    setClipboard(QStringLiteral("before"));
    SetEditState(edit, QStringLiteral("$1[23]4"));
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(seen, (std::vector<std::string>{"copy 23", "cut 23"}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    EXPECT_EQ(edit.text(), QStringLiteral("$1234"));

    allow = true;
    seen.clear();
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(seen, std::vector<std::string>{"cut 23"});  // no copy event inside the cut
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("23"));
    EXPECT_EQ(EditState(edit), "$1|4");
    SetEditState(edit, QStringLiteral("$[14]"));
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("14"));

    // No cut from a read-only edit.
    edit.SetReadOnly(true);
    seen.clear();
    edit.HandleCutMessage();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(edit.text(), QStringLiteral("$14"));
}

namespace {

// A panel inside the window that records the keys it gets.
class KeyPanel final : public QWidget {
public:
    using QWidget::QWidget;
    std::vector<int> Keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { Keys.push_back(event->key()); }
};

}  // namespace

TEST_F(DropDownTypedInput, EnterWithoutDefaultHandlingGoesToTheParent)
{
    QWidget window;
    auto* panel = new KeyPanel(&window);
    panel->resize(300, 100);
    auto* edit = new TExCustomDropDown(panel);
    window.show();
    std::vector<QChar> pressed;
    edit->OnKeyPress = [&](QObject*, QChar& key) { pressed.push_back(key); };
    edit->SetText(QStringLiteral("a"));
    edit->CharMessage(u'\r');
    QApplication::processEvents();
    EXPECT_EQ(pressed, std::vector<QChar>{QChar(u'\r')});
    EXPECT_TRUE(panel->Keys.empty());
    edit->SetDefaultHandling(false);
    edit->CharMessage(u'\r');
    edit->CharMessage(u'\x1b');
    QApplication::processEvents();
    EXPECT_EQ(panel->Keys, (std::vector<int>{Qt::Key_Return, Qt::Key_Escape}));
    EXPECT_EQ(edit->text(), QStringLiteral("a"));
}

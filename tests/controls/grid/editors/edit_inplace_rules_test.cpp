#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "controls/grid/editors/inplace_edit_rules.h"
#include "controls/grid/editors/edit_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using edit_testing::BeepCounter;
using grid_text_testing::FormatSettingsScope;

namespace edit_inplace_detail {

TInplaceEditRules rulesFor(TEditorType kind)
{
    TInplaceEditRules rules;
    rules.Kind = kind;
    return rules;
}

}  // namespace edit_inplace_detail

// A line edit with the character rules installed, as the grid's inline
// editor has them.
class InplaceCharTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit.installEventFilter(&filter);
        edit.show();
    }
    void type(const QString& text, const QString& keys, int caret = -1)
    {
        edit.setText(text);
        edit.setCursorPosition(caret < 0 ? int(text.size()) : caret);
        QTest::keyClicks(&edit, keys);
    }

    FormatSettingsScope settings{u'.', u','};
    QLineEdit edit;
    TInplaceCharFilter filter;
    BeepCounter beeps;
};

TEST_F(InplaceCharTest, NumericEditorTakesOneLeadingMinus)
{
    filter.Rules.Kind = edNumeric;
    type(QStringLiteral("12"), QStringLiteral("-"), 0);
    EXPECT_EQ(edit.text(), QStringLiteral("-12"));
    EXPECT_EQ(beeps.count(), 0);
    type(QStringLiteral("-12"), QStringLiteral("-"), 0);
    EXPECT_EQ(edit.text(), QStringLiteral("-12"));
    type(QStringLiteral("12"), QStringLiteral("-"), 1);
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
    type(QStringLiteral("12"), QStringLiteral("3x.4"));
    EXPECT_EQ(edit.text(), QStringLiteral("1234"));
    EXPECT_EQ(beeps.count(), 4) << "two minus signs, the letter and the full stop";

    filter.Rules.Kind = edPositiveNumeric;
    type(QStringLiteral("5"), QStringLiteral("-6"), 0);
    EXPECT_EQ(edit.text(), QStringLiteral("65"));
    EXPECT_EQ(beeps.count(), 5);
}

TEST_F(InplaceCharTest, FloatEditorWithCommaDecimals)
{
    FormatSettingsScope comma(u',', u'.');
    filter.Rules.Kind = edFloat;
    type(QStringLiteral("1,5"), QStringLiteral(",."));
    EXPECT_EQ(edit.text(), QStringLiteral("1,5")) << "a second comma and the thousand separator are dropped";
    EXPECT_EQ(beeps.count(), 0) << "silently";
    edit.setSelection(1, 1);
    QTest::keyClick(&edit, ',');
    EXPECT_EQ(edit.text(), QStringLiteral("1,5")) << "a comma over the selected one goes in";
    type(QStringLiteral("1"), QStringLiteral("a"));
    EXPECT_EQ(edit.text(), QStringLiteral("1"));
    EXPECT_EQ(beeps.count(), 0);
    type(QStringLiteral("12"), QStringLiteral("-"), 1);
    EXPECT_EQ(beeps.count(), 1);

    filter.Rules.Kind = edPositiveFloat;
    type(QStringLiteral("12"), QStringLiteral("-"), 0);
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
}

TEST_F(InplaceCharTest, CharacterTypedWithCtrlInAFloatEditorGoesInOnce)
{
    filter.Rules.Kind = edFloat;
    edit.setText(QStringLiteral("1"));
    edit.setCursorPosition(1);
    QTest::keyClick(&edit, Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("15"));
}

TEST_F(InplaceCharTest, KeypadDecimalKeyTypesTheLocaleSeparator)
{
    FormatSettingsScope comma(u',', u'.');
    filter.Rules.Kind = edFloat;
    filter.Rules.ExcelStyleDecimalSeparator = true;
    edit.setText(QStringLiteral("3"));
    edit.setCursorPosition(1);
    QTest::keyClick(&edit, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("3,"));
    filter.Rules.Kind = edNormal;
    QTest::keyClick(&edit, '.');
    EXPECT_EQ(edit.text(), QStringLiteral("3,.")) << "the main keyboard's full stop is unaffected";
}

TEST_F(InplaceCharTest, CaseKinds)
{
    filter.Rules.Kind = edUpperCase;
    type(QString(), QStringLiteral("abc"));
    EXPECT_EQ(edit.text(), QStringLiteral("ABC"));
    filter.Rules.Kind = edCapital;
    type(QString(), QStringLiteral("x1"));
    EXPECT_EQ(edit.text(), QStringLiteral("X1"));
    filter.Rules.Kind = edLowerCase;
    type(QString(), QStringLiteral("AbC"));
    EXPECT_EQ(edit.text(), QStringLiteral("abc"));
    filter.Rules.Kind = edMixedCase;
    type(QStringLiteral("john "), QStringLiteral("o"));
    EXPECT_EQ(edit.text(), QStringLiteral("John O"));
    EXPECT_EQ(edit.cursorPosition(), 6);
    type(QStringLiteral("ab"), QStringLiteral("x"), 1);
    EXPECT_EQ(edit.text(), QStringLiteral("Axb"));
    EXPECT_EQ(edit.cursorPosition(), 2) << "the caret stays after the typed character";
}

TEST_F(InplaceCharTest, ValidCharsFromTheTextOrTheSet)
{
    filter.Rules.Kind = edValidChars;
    filter.Rules.ValidChars = QStringLiteral("AB01");
    type(QString(), QStringLiteral("A2b1"));
    EXPECT_EQ(edit.text(), QStringLiteral("A1"));
    EXPECT_EQ(beeps.count(), 2);
    filter.Rules.ValidChars.clear();
    filter.Rules.ValidCharSet.set('x');
    filter.Rules.ValidCharSet.set(0xE9);  // é
    type(QString(), QStringLiteral("xy"));
    for (QChar c : {QChar(0xE9), QChar(0x100)}) {
        // Characters beyond the keyboard test's ASCII keys.
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &press);
    }
    EXPECT_EQ(edit.text(), QStringLiteral("x\u00e9"));
}

TEST_F(InplaceCharTest, TextAtTheLengthLimitTakesNoMoreCharacters)
{
    filter.Rules.LengthLimit = 4;
    type(QStringLiteral("abc"), QStringLiteral("de"));
    EXPECT_EQ(edit.text(), QStringLiteral("abcd"));
    EXPECT_EQ(beeps.count(), 0) << "dropped silently";
    edit.setSelection(0, 1);
    QTest::keyClick(&edit, 'z');
    EXPECT_EQ(edit.text(), QStringLiteral("zbcd")) << "typing over a selection still works";
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("zbc")) << "Backspace works at the limit";
}

TEST_F(InplaceCharTest, LengthLimitsAbove32767StayLimits)
{
    filter.Rules.LengthLimit = 40000;
    edit.setMaxLength(InplaceMaxLength(40000));
    EXPECT_EQ(edit.maxLength(), 40000);
    type(QString(39999, u'a'), QStringLiteral("bc"));
    EXPECT_EQ(edit.text().size(), 40000);
    EXPECT_TRUE(edit.text().endsWith(u'b'));
    EXPECT_GT(InplaceMaxLength(0), 1000000) << "0 means no limit";
    EXPECT_GT(InplaceMaxLength(-3), 1000000);
}

TEST(InplaceCharVerdict, StepsBeforeTheKindFilter)
{
    FormatSettingsScope settings(u'.', u',');
    TInplaceEditRules rules = edit_inplace_detail::rulesFor(edNormal);
    EXPECT_EQ(InplaceCharVerdict(rules, QString(), 0, 0, QChar(1), true).Action, TCharAction::Drop) << "Ctrl+A";
    EXPECT_EQ(InplaceCharVerdict(rules, QString(), 0, 0, QChar(10), true).Action, TCharAction::Drop) << "Ctrl+Enter";
    rules.AllowCtrlEnter = true;
    rules.MultiLineCells = true;
    EXPECT_EQ(InplaceCharVerdict(rules, QString(), 0, 0, QChar(10), true).Action, TCharAction::Pass);
    rules.LineFeedOnEnter = true;
    EXPECT_EQ(InplaceCharVerdict(rules, QString(), 0, 0, QChar(13), false).Action, TCharAction::Default);
    rules.Kind = edNumeric;
    EXPECT_EQ(InplaceCharVerdict(rules, QString(), 0, 0, QChar(13), false).Action, TCharAction::Pass)
        << "a line break goes only into text kinds";
    rules.LengthLimit = 2;
    for (char16_t c : {u'\b', u'\x1b', u'\r'})
        EXPECT_EQ(InplaceCharVerdict(rules, QStringLiteral("12"), 2, 0, QChar(c), false).Action, TCharAction::Pass)
            << int(c);
    rules.Kind = edDateEdit;
    EXPECT_EQ(InplaceCharVerdict(rules, QString(), 0, 0, u'a', false).Action, TCharAction::Drop)
        << "kinds of other controls take nothing";
    rules.Kind = edPassword;
    rules.LengthLimit = 0;
    EXPECT_EQ(InplaceCharVerdict(rules, QString(), 0, 0, u'%', false).Action, TCharAction::Pass);
}

TEST(InplacePaste, WhatEachKindTakes)
{
    FormatSettingsScope settings(u'.', u',');
    struct Case {
        const char* name;
        TEditorType kind;
        const char* text;
        int selStart;
        int selLength;
        const char* value;
        const char* expected;  // nullptr: text unchanged
        int limit = 0;
    };
    const Case cases[] = {
        {"number into positive numeric", edPositiveNumeric, "", 0, 0, "12", "12"},
        {"negative into positive numeric", edPositiveNumeric, "", 0, 0, "-5", nullptr},
        {"negative into numeric", edNumeric, "", 0, 0, "-5", "-5"},
        {"letters into numeric", edNumeric, "1", 1, 0, "a", nullptr},
        {"decimal into numeric", edNumeric, "", 0, 0, "1.5", nullptr},
        {"decimal into float", edFloat, "", 0, 0, "1.5", "1.5"},
        {"negative into positive float", edPositiveFloat, "", 0, 0, "-1.5", nullptr},
        {"capital kind keeps pasted case", edCapital, "", 0, 0, "abc", "abc"},
        {"upper-case kind", edUpperCase, "x", 1, 0, "abc", "XABC"},
        {"lower-case kind", edLowerCase, "", 0, 0, "ABC", "abc"},
        {"mixed-case kind", edMixedCase, "", 0, 0, "john smith", "John Smith"},
        {"valid chars", edValidChars, "", 0, 0, "ab", nullptr},
        {"over the selection", edNormal, "hello", 1, 3, "ipp", "hippo"},
        {"line break at the end dropped", edNormal, "", 0, 0, "row\r\n", "row"},
        {"inner line break kept", edNormal, "", 0, 0, "a\nb\n", "a\nb\n"},
        {"value longer than the limit", edNormal, "", 0, 0, "12345", nullptr, 4},
        {"result longer than the limit", edNormal, "123", 3, 0, "45", nullptr, 4},
        {"result within the limit", edNormal, "12", 2, 0, "34", "1234", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TInplaceEditRules rules = edit_inplace_detail::rulesFor(c.kind);
        rules.ValidChars = QStringLiteral("a");
        rules.LengthLimit = c.limit;
        const auto result = InplacePasteResult(rules, QString::fromLatin1(c.text), c.selStart, c.selLength,
                                               QString::fromLatin1(c.value));
        if (!c.expected) {
            EXPECT_FALSE(result.has_value());
            continue;
        }
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->Text, QString::fromLatin1(c.expected));
    }
    // The pasted part is selected when it replaced a selection, else the caret follows it.
    const TInplaceEditRules normal = edit_inplace_detail::rulesFor(edNormal);
    const auto over = InplacePasteResult(normal, QStringLiteral("hello"), 1, 3, QStringLiteral("ipp"));
    EXPECT_EQ(over->SelStart, 1);
    EXPECT_EQ(over->SelLength, 3);
    const auto at = InplacePasteResult(normal, QStringLiteral("ho"), 1, 0, QStringLiteral("ell"));
    EXPECT_EQ(at->SelStart, 4);
    EXPECT_EQ(at->SelLength, 0);
}

TEST(InplaceLookup, FirstItemStartingWithTheTypedTextCompletesIt)
{
    const QStringList items = {QStringLiteral("Apple"), QStringLiteral("Apricot")};
    constexpr TTypedPart asTyped = TTypedPart::AsTyped;
    auto completion = LookupCompletion(QStringLiteral("ap"), 2, items, false, asTyped);
    ASSERT_TRUE(completion.has_value());
    EXPECT_EQ(completion->Text, QStringLiteral("apple")) << "the typed characters as typed";
    EXPECT_EQ(completion->SelStart, 2);
    EXPECT_EQ(completion->SelLength, 3);
    EXPECT_EQ(completion->ItemIndex, 0);
    completion = LookupCompletion(QStringLiteral("Apr"), 3, items, false, asTyped);
    EXPECT_EQ(completion->ItemIndex, 1);
    EXPECT_FALSE(LookupCompletion(QStringLiteral("ap"), 2, items, true, asTyped)) << "case-sensitive";
    EXPECT_FALSE(LookupCompletion(QStringLiteral("ap"), 0, items, false, asTyped)) << "an empty prefix completes nothing";
    EXPECT_FALSE(LookupCompletion(QStringLiteral("x"), 1, items, false, asTyped));
    // Only the text before the caret counts.
    completion = LookupCompletion(QStringLiteral("Apzz"), 2, items, false, asTyped);
    EXPECT_EQ(completion->Text, QStringLiteral("Apple"));
    // At most 255 characters are added.
    completion = LookupCompletion(QStringLiteral("L"), 1, {QStringLiteral("L") + QString(300, u'x')}, false, asTyped);
    EXPECT_EQ(completion->Text.size(), 256);
}

TEST(InplaceLookup, ACompletionAsInTheItemTakesTheItemsOwnText)
{
    const QStringList items = {QStringLiteral("Apple"), QStringLiteral("apRicot")};
    constexpr TTypedPart asInItem = TTypedPart::AsInItem;
    auto completion = LookupCompletion(QStringLiteral("ap"), 2, items, false, asInItem);
    ASSERT_TRUE(completion.has_value());
    EXPECT_EQ(completion->Text, QStringLiteral("Apple"));
    EXPECT_EQ(completion->SelStart, 2);
    EXPECT_EQ(completion->SelLength, 3);
    completion = LookupCompletion(QStringLiteral("APRzz"), 3, items, false, asInItem);
    EXPECT_EQ(completion->Text, QStringLiteral("apRicot"));
    EXPECT_EQ(completion->ItemIndex, 1);
    completion = LookupCompletion(QStringLiteral("l"), 1, {QStringLiteral("L") + QString(300, u'x')}, false, asInItem);
    EXPECT_EQ(completion->Text, QStringLiteral("L") + QString(255, u'x'));
}

TEST(InplaceAutoAdvance, OnlyAtFullLengthWithTheCaretAtTheEnd)
{
    EXPECT_TRUE(InplaceAutoAdvanceDue(4, QStringLiteral("1234"), 4, false));
    EXPECT_FALSE(InplaceAutoAdvanceDue(4, QStringLiteral("123"), 3, false));
    EXPECT_FALSE(InplaceAutoAdvanceDue(4, QStringLiteral("1234"), 2, false));
    EXPECT_FALSE(InplaceAutoAdvanceDue(4, QStringLiteral("1234"), 4, true));
    EXPECT_FALSE(InplaceAutoAdvanceDue(0, QString(), 0, false));
}

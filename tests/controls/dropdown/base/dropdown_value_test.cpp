#include <gtest/gtest.h>

#include <cmath>

#include <QApplication>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/dropdown_edit_state.h"
#include "controls/dropdown/dropdown_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace dropdown;
using namespace dropdown_testing;
using grid_text_testing::FormatSettingsScope;

TEST(DropDownValue, TextIsFormattedByKind)
{
    FormatSettingsScope fs(u'.', u',');
    struct Case {
        const char* name;
        TDropDownEditType kind;
        int16_t precision;
        const char* written;
        const char* shown;
    } cases[] = {
        {"float decimals", etFloat, 2, "12.5", "12.50"},
        {"float rounds", etFloat, 1, "0.25", "0.3"},
        {"float reads grouped numbers", etFloat, 2, "1,234.5", "1234.50"},
        {"money groups", etMoney, 2, "1234.5", "1,234.50"},
        {"money negative", etMoney, 2, "-1234567", "-1,234,567.00"},
        {"float without precision as written", etFloat, 0, "12.5", "12.5"},
        {"not a number is shown as written", etFloat, 2, "abc", "abc"},
        {"Error stays", etMoney, 2, "Error", "Error"},
        {"empty numeric", etNumeric, 0, "", "0"},
        {"empty float", etFloat, 2, "", "0.00"},
        {"empty hex", etHex, 0, "", "0"},
        {"empty string", etString, 0, "", ""},
        {"hex in capitals", etHex, 0, "ff", "FF"},
        {"upper-case kind as written", etUppercase, 0, "ab", "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TExCustomDropDown edit;
        edit.SetEditType(c.kind);
        edit.SetPrecision(c.precision);
        edit.SetText(QString::fromLatin1(c.written));
        EXPECT_EQ(edit.Text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(edit.OldText(), QString::fromLatin1(c.shown));
    }
    // The settings' separators.
    FormatSettingsScope comma(u',', u'.');
    TExCustomDropDown edit;
    edit.SetEditType(etMoney);
    edit.SetPrecision(2);
    edit.SetText(QStringLiteral("1234,5"));
    EXPECT_EQ(edit.Text(), QStringLiteral("1.234,50"));
    EXPECT_DOUBLE_EQ(edit.FloatValue(), 1234.5);
}

TEST(DropDownValue, PrefixAndSuffixComeOffOnlyWhereTheTextHasThem)
{
    TExCustomDropDown edit;
    edit.SetPrefix(QStringLiteral("$ "));
    edit.SetText(QStringLiteral("12"));
    EXPECT_EQ(edit.text(), QStringLiteral("$ 12"));
    EXPECT_EQ(edit.Text(), QStringLiteral("12"));
    edit.SetTextDirect(QStringLiteral("12"));
    EXPECT_EQ(edit.Text(), QStringLiteral("12"));

    edit.SetPrefix(QString());
    edit.SetSuffix(QStringLiteral(" kg"));
    edit.SetText(QStringLiteral("5"));
    EXPECT_EQ(edit.text(), QStringLiteral("5 kg"));
    EXPECT_EQ(edit.Text(), QStringLiteral("5"));
    // A text set directly without the suffix keeps all its characters.
    edit.SetTextDirect(QStringLiteral("1234"));
    EXPECT_EQ(edit.Text(), QStringLiteral("1234"));
    edit.SetTextDirect(QStringLiteral("1234 g"));
    EXPECT_EQ(edit.Text(), QStringLiteral("1234 g"));
}

TEST(DropDownValue, NumbersRoundTrip)
{
    FormatSettingsScope fs(u'.', u',');
    struct Case {
        const char* name;
        TDropDownEditType kind;
        int16_t precision;
        double written;
        const char* shown;
        double read;
        int64_t integer;
    } cases[] = {
        {"float", etFloat, 2, 3.14159, "3.14", 3.14, 3},
        {"float general", etFloat, -1, 0.1, "0.1", 0.1, 0},
        {"float negative", etFloat, 1, -2.25, "-2.3", -2.3, -2},
        {"numeric grouped", etNumeric, 0, 1234.6, "1,235", 1235, 1235},
        {"numeric takes no precision", etNumeric, -1, 12.4, "12", 12, 12},
        {"money", etMoney, 2, -1234.5, "-1,234.50", -1234.5, -1234},
        {"money without decimals", etMoney, 0, 1234567, "1,234,567", 1234567, 1234567},
        {"hex truncates", etHex, 0, 255.9, "FF", 255, 255},
        {"string", etString, 2, 2.5, "2.50", 2.5, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TExCustomDropDown edit;
        edit.SetEditType(c.kind);
        edit.SetPrecision(c.precision);
        edit.SetFloatValue(c.written);
        EXPECT_EQ(edit.Text(), QString::fromLatin1(c.shown));
        EXPECT_DOUBLE_EQ(edit.FloatValue(), c.read);
        EXPECT_EQ(edit.IntValue(), c.integer);
        EXPECT_TRUE(edit.IsModified());
    }
    struct IntCase {
        TDropDownEditType kind;
        int16_t precision;
        int64_t written;
        const char* shown;
    } ints[] = {
        {etNumeric, 0, -42, "-42"},
        {etFloat, 2, 5, "5.00"},
        {etMoney, 0, 1234567, "1,234,567"},
        {etHex, 0, 4095, "FFF"},
        {etHex, 0, -1, "FFFFFFFFFFFFFFFF"},
    };
    for (const IntCase& c : ints) {
        SCOPED_TRACE(c.shown);
        TExCustomDropDown edit;
        edit.SetEditType(c.kind);
        edit.SetPrecision(c.precision);
        edit.SetIntValue(c.written);
        EXPECT_EQ(edit.Text(), QString::fromLatin1(c.shown));
    }
    // Kinds that hold no numbers read 0 and take none.
    TExCustomDropDown text;
    text.SetEditType(etUppercase);
    text.SetText(QStringLiteral("12"));
    EXPECT_EQ(text.FloatValue(), 0);
    text.SetFloatValue(5);
    text.SetIntValue(5);
    EXPECT_EQ(text.Text(), QStringLiteral("12"));
    EXPECT_FALSE(text.IsModified());
}

TEST(DropDownValue, ReadingNumbers)
{
    FormatSettingsScope fs(u',', u'.');
    struct Case {
        TDropDownEditType kind;
        const char* text;
        double value;
    } cases[] = {
        {etFloat, "1.234,5", 1234.5}, {etFloat, "-", 0},       {etFloat, "Error", 0}, {etFloat, "", 0},
        {etFloat, "12a", 0},          {etMoney, "1.234,", 1234}, {etMoney, "-", 0},     {etMoney, "", 0},
        {etHex, "1f", 31},            {etHex, "", 0},           {etNumeric, "-7", -7},
        // The plain text kind reads a full stop, whatever the settings say.
        {etString, "2.5", 2.5},       {etString, "2,5", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TExCustomDropDown edit;
        edit.SetEditType(c.kind);
        edit.SetTextDirect(QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(edit.FloatValue(), c.value);
    }
}

TEST(DropDownValue, KindAndPrecisionChangesRewriteTheValue)
{
    FormatSettingsScope fs(u'.', u',');
    struct Case {
        const char* name;
        const char* before;
        TDropDownEditType kind;
        const char* after;
    } cases[] = {
        {"text to numeric", "abc", etNumeric, "0"},
        {"integer to numeric", "12", etNumeric, "12"},
        {"decimal to numeric", "1.5", etNumeric, "0"},
        {"empty to numeric", "", etNumeric, "0"},
        {"hex to hex", "1F", etHex, "1F"},
        {"text to hex", "xyz", etHex, "0"},
        {"decimal to float", "1.5", etFloat, "1.5"},
        {"text to money", "abc", etMoney, "0"},
        {"hexadecimal to float", "1F", etFloat, "0"},
        {"anything to upper case", "abc", etUppercase, "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TExCustomDropDown edit;
        edit.SetText(QString::fromLatin1(c.before));
        edit.SetEditType(c.kind);
        EXPECT_EQ(edit.Text(), QString::fromLatin1(c.after));
    }

    TExCustomDropDown edit;
    edit.SetEditType(etNumeric);
    edit.SetPrecision(2);  // not a kind with decimals
    EXPECT_EQ(edit.Precision(), 0);
    edit.SetEditType(etFloat);
    edit.SetText(QStringLiteral("3"));
    edit.SetPrecision(2);
    EXPECT_EQ(edit.Text(), QStringLiteral("3.00"));
    edit.SetPrecision(1);
    EXPECT_EQ(edit.Text(), QStringLiteral("3.0"));

    // A password shows no characters and cannot undo.
    edit.SetEditType(etPassword);
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    EXPECT_FALSE(edit.CanUndo());
    edit.SetEditType(etString);
    EXPECT_EQ(edit.echoMode(), QLineEdit::Normal);
}

TEST(DropDownValue, ModifiedState)
{
    TExCustomDropDown edit;
    edit.SetEditType(etNumeric);
    edit.SetIntValue(3);
    EXPECT_TRUE(edit.IsModified());
    EXPECT_TRUE(edit.isModified());
    edit.SetText(QStringLiteral("4"));
    EXPECT_FALSE(edit.IsModified());
    // Not while read-only or not editable.
    edit.SetReadOnly(true);
    edit.SetIsModified(true);
    EXPECT_FALSE(edit.IsModified());
    edit.SetReadOnly(false);
    edit.SetEditorEnabled(false);
    edit.SetIntValue(5);
    EXPECT_FALSE(edit.IsModified());
}

TEST(DropDownValue, SelectionOperations)
{
    FormatSettingsScope fs(u'.', u',');
    TExCustomDropDown edit;
    edit.SetEditType(etFloat);
    edit.SetPrecision(2);
    edit.SetPrefix(QStringLiteral("$"));
    edit.SetSuffix(QStringLiteral(" kg"));
    edit.SetText(QStringLiteral("12.5"));
    edit.SelectAll();
    EXPECT_EQ(EditState(edit), "$[12.50] kg");
    edit.SelectAfterDecimal();
    EXPECT_EQ(EditState(edit), "$12.|50 kg");
    edit.SelectBeforeDecimal();
    EXPECT_EQ(EditState(edit), "$12|.50 kg");
    EXPECT_EQ(edit.DecimalSeparatorPos(), 4);
    edit.SetTextDirect(QStringLiteral("$12 kg"));
    edit.SelectAfterDecimal();
    EXPECT_EQ(EditState(edit), "$|12 kg");
    EXPECT_EQ(edit.DecimalSeparatorPos(), 1 + 2 + 3 + 1);
}

TEST(DropDownValue, FocusLossNormalisesNumbers)
{
    FormatSettingsScope fs(u'.', u',');
    struct Case {
        const char* name;
        TDropDownEditType kind;
        int16_t precision;
        bool allowNull;
        const char* typed;
        const char* left;
    } cases[] = {
        {"float takes its decimals", etFloat, 2, false, "3.1", "3.10"},
        {"money is grouped", etMoney, 2, false, "1234", "1,234.00"},
        {"empty float becomes zero", etFloat, 2, false, "", "0.00"},
        {"empty float may stay empty", etFloat, 2, true, "", ""},
        {"empty numeric becomes zero", etNumeric, 0, false, "", "0"},
        {"empty numeric may stay empty", etNumeric, 0, true, "", ""},
        {"empty money without decimals", etMoney, 0, false, "", "0"},
        {"text is not touched", etString, 0, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DropDownHost host;
        TExCustomDropDown& edit = *host.Edit;
        edit.SetEditType(c.kind);
        edit.SetPrecision(c.precision);
        edit.SetAllowNumericNullValue(c.allowNull);
        edit.SetTextDirect(QString::fromLatin1(c.typed));
        edit.SetIsModified(false);
        host.Next->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(edit.Text(), QString::fromLatin1(c.left));
        if (c.precision > 0) { EXPECT_FALSE(edit.IsModified()); }  // the state is kept
    }
}

TEST(DropDownValue, FocusSelectsTheValueOrGoesBeforeTheDecimals)
{
    FormatSettingsScope fs(u'.', u',');
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.SetPrefix(QStringLiteral("$"));
    edit.SetEditType(etFloat);
    edit.SetPrecision(2);
    edit.SetText(QStringLiteral("7"));
    host.Next->setFocus();
    edit.setFocus();
    EXPECT_EQ(EditState(edit), "$[7.00]");
    edit.SetAutoSelect(false);
    host.Next->setFocus();
    edit.setFocus();
    EXPECT_EQ(EditState(edit), "$7|.00");
}

#include <gtest/gtest.h>

#include "controls/dropdown/base/dropdown_numbers.h"
#include "controls/dropdown/base/dropdown_paste.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace dropdown;
using grid_text_testing::FormatSettingsScope;

TEST(DropDownNumbers, ClassifyNumber)
{
    FormatSettingsScope fs(u'.', u',');
    struct Case {
        const char* text;
        TNumberClass expected;
    } cases[] = {
        {"12", ncInteger},     {"-12", ncInteger},        {"1.5", ncDecimal},       {"1F", ncHexadecimal},
        {"abc", ncHexadecimal}, {"--1", ncNotNumber},     {"", ncNotNumber},        {"12,345", ncDecimal},
        {",123", ncNotNumber}, {"1,,234", ncNotNumber},   {"1.2.3", ncNotNumber},   {"xyz", ncNotNumber},
        {"1 2", ncNotNumber},  {"1,234,567.5", ncDecimal}, {"-1F", ncHexadecimal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ClassifyNumber(QString::fromLatin1(c.text)), c.expected);
    }
    // The separators are the settings' own.
    FormatSettingsScope comma(u',', u'.');
    EXPECT_EQ(ClassifyNumber(QStringLiteral("1,2,3")), ncNotNumber);
    EXPECT_EQ(ClassifyNumber(QStringLiteral(".123")), ncNotNumber);
}

TEST(DropDownNumbers, ConversionsNeverFail)
{
    FormatSettingsScope fs(u'.', u',');
    EXPECT_DOUBLE_EQ(StrToFloatValue(QStringLiteral("1,234.5")), 1234.5);
    EXPECT_DOUBLE_EQ(StrToFloatValue(QStringLiteral("-0.25")), -0.25);
    EXPECT_EQ(StrToFloatValue(QStringLiteral("12a")), 0);
    EXPECT_EQ(StrToFloatValue(QString()), 0);
    EXPECT_EQ(StrToFloatValue(ErrorText()), 0);
    EXPECT_EQ(StrToFloatValue(QStringLiteral("-")), 0);
    EXPECT_EQ(StripThousandSeparators(QStringLiteral("1,234,567")), QStringLiteral("1234567"));

    EXPECT_EQ(HexDigitValue(u'7'), 7);
    EXPECT_EQ(HexDigitValue(u'c'), 12);
    EXPECT_EQ(HexDigitValue(u'F'), 15);
    EXPECT_EQ(HexDigitValue(u'g'), 0);
    EXPECT_EQ(HexToInt(QStringLiteral("FF")), 255);
    EXPECT_EQ(HexToInt(QStringLiteral("ff")), 255);
    EXPECT_EQ(HexToInt(QStringLiteral("1g")), 16);  // the g counts 0
    EXPECT_EQ(HexToInt(QStringLiteral("FFFFFFFF")), -1);
    EXPECT_EQ(HexToInt(QStringLiteral("100000001")), 1);  // 32 bits
}

TEST(DropDownNumbers, CaretRulesOfDecimalNumbers)
{
    FormatSettingsScope fs(u'.', u',');
    struct Full {
        const char* value;
        int k;
        int precision;
        bool expected;
    } full[] = {
        {"1.25", 3, 2, true},  {"1.25", 4, 2, true},  {"1.25", 1, 2, false}, {"1.25", 2, 2, true},
        {"1.2", 3, 2, false},  {"125", 3, 2, false},  {"1.25", 3, 0, false}, {"1.25", 3, -1, false},
        {"1.250", 5, 2, true}, {"1.250", 2, 2, false},
    };
    for (const Full& c : full) {
        SCOPED_TRACE(std::string(c.value) + " k=" + std::to_string(c.k));
        EXPECT_EQ(DecimalsFull(QString::fromLatin1(c.value), c.k, c.precision), c.expected);
    }
    struct Misplaced {
        const char* value;
        int k;
        bool expected;
    } misplaced[] = {
        {"1234", 2, false},       // no thousand separator: anywhere
        {"1,234", 4, true},       // between the 3 and the 4
        {"1,234", 5, false},      // three digits after the separator
        {"1,234", 1, true},
        {"1,2345", 6, true},      // four digits away
        {"1,234,567", 9, false},  // three after the last one
        {"1,234,567", 7, true},
    };
    for (const Misplaced& c : misplaced) {
        SCOPED_TRACE(std::string(c.value) + " k=" + std::to_string(c.k));
        EXPECT_EQ(SeparatorMisplaced(QString::fromLatin1(c.value), c.k), c.expected);
    }
    EXPECT_EQ(IntegerPartEnd(QStringLiteral("123.4"), false), 4);
    EXPECT_EQ(IntegerPartEnd(QStringLiteral("1,234"), false), 5);
    EXPECT_EQ(IntegerPartEnd(QStringLiteral("-123"), false), 5);
    EXPECT_EQ(IntegerPartEnd(QStringLiteral("-123"), true), 4);
}

TEST(DropDownNumbers, PasteAcceptancePerKind)
{
    FormatSettingsScope fs(u'.', u',');
    struct Case {
        const char* name;
        TPasteRules rules;
        const char* value;   // the value with the pasted text in place
        const char* pasted;
        const char* expected;  // nullptr: refused
    } cases[] = {
        {"string takes anything", {etString}, "a-b c", "-b c", "a-b c"},
        {"numeric integer", {etNumeric}, "1234", "34", "1234"},
        {"numeric not a number", {etNumeric}, "12a", "a", nullptr},
        {"numeric decimal", {etNumeric}, "1.5", ".5", nullptr},
        {"numeric minus unsigned", {etNumeric}, "-5", "-5", nullptr},
        {"numeric minus signed", {etNumeric, 0, true}, "-5", "-5", "-5"},
        {"float decimal", {etFloat, 2}, "2.5", "2.5", "2.5"},
        {"float decimal without precision", {etFloat, 0}, "2.5", "2.5", nullptr},
        {"float separator already there", {etFloat, 0}, "2.5", "5", "2.5"},
        {"float text", {etFloat, 2}, "abc", "abc", nullptr},
        {"money minus unsigned", {etMoney, 2}, "-1", "-", nullptr},
        {"money grouped", {etMoney, 2}, "1,234", "1,234", "1,234"},
        {"upper case", {etUppercase}, "abc", "abc", "ABC"},
        {"lower case", {etLowerCase}, "ABC", "ABC", "abc"},
        {"mixed case", {etMixedCase}, "john smith", "john smith", "John Smith"},
        {"alphanumeric", {etAlphaNumeric}, "ab1", "ab1", "ab1"},
        {"alphanumeric minus", {etAlphaNumeric}, "ab-1", "ab-1", nullptr},
        {"alphanumeric accented", {etAlphaNumeric}, "\xC3\xA9", "\xC3\xA9", nullptr},
        {"valid chars", {etValidChars, 0, false, "01"}, "0101", "01", "0101"},
        {"invalid chars", {etValidChars, 0, false, "01"}, "012", "2", nullptr},
        {"range", {etRange}, "1-5", "5", nullptr},
        {"hex", {etHex}, "FF", "F", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = PastedValue(c.rules, QString::fromUtf8(c.value), QString::fromUtf8(c.pasted));
        if (c.expected) {
            ASSERT_TRUE(result.has_value());
            EXPECT_EQ(*result, QString::fromUtf8(c.expected));
        } else {
            EXPECT_FALSE(result.has_value());
        }
    }
    EXPECT_EQ(InsertPastedText(QStringLiteral("1234"), 1, 2, QStringLiteral("x")), QStringLiteral("1x4"));
    EXPECT_EQ(InsertPastedText(QStringLiteral("12"), 5, 3, QStringLiteral("x")), QStringLiteral("12x"));
    EXPECT_EQ(InsertPastedText(QStringLiteral("12"), -3, 1, QStringLiteral("x")), QStringLiteral("x2"));
}

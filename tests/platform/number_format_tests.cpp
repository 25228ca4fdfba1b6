#include <gtest/gtest.h>

#include <cmath>

#include "controls/grid/text/grid_text_test_settings.h"
#include "platform/format_settings.h"
#include "platform/number_format.h"

using namespace platform;

using Separators = grid_text_testing::FormatSettingsScope;

TEST(NumberFormat, FixedGroupedAndGeneralNumbers)
{
    Separators fs(u'.', u',');
    struct Case {
        const char* format;
        double value;
        const char* expected;
    } cases[] = {
        {"%.2f", 12.5, "12.50"},
        {"%.2f", 1234.5, "1234.50"},
        {"%.2n", 1234.5, "1,234.50"},
        {"%.2n", -1234567.125, "-1,234,567.13"},
        {"%.0n", 1234.6, "1,235"},
        {"%n", 999.0, "999.00"},
        {"%g", 0.1, "0.1"},
        {"%g", 2.0, "2"},
        {"%g", -12.25, "-12.25"},
        {"%.1f", -0.04, "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatFloat(QString::fromLatin1(c.format), c.value), QString::fromLatin1(c.expected));
    }
    Separators comma(u',', u'.');
    EXPECT_EQ(FormatFloat(QStringLiteral("%.2n"), 1234.5), QStringLiteral("1.234,50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("%g"), 2.5), QStringLiteral("2,5"));
}

TEST(NumberFormat, ReadsNumbersWithTheDecimalSeparator)
{
    Separators fs(u',', u'.');
    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"12", true, 12},   {"12,5", true, 12.5}, {" -1,25 ", true, -1.25}, {"+3", true, 3},
        {",5", true, 0.5},  {"5,", true, 5},      {"1,5E3", true, 1500},    {"2e-1", true, 0.2},
        {"12.5", false, 0}, {"1.234", false, 0},  {"", false, 0},           {"-", false, 0},
        {",", false, 0},    {"1e", false, 0},     {"1,2,3", false, 0},      {"12a", false, 0},
        {"1e999", false, 0}, {"abc", false, 0},   {"1 2", false, 0},        {"inf", false, 0},
        {"nan", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -99;
        EXPECT_EQ(TryStrToFloat(QString::fromLatin1(c.text), value), c.ok);
        if (c.ok)
            EXPECT_DOUBLE_EQ(value, c.value);
        else
            EXPECT_EQ(value, -99);  // untouched
    }
}

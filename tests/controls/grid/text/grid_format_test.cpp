#include <gtest/gtest.h>

#include "controls/grid/text/grid_format.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;

TEST(GridFormat, SpecifiersWithTheLocaleSeparators)
{
    grid_text_testing::FormatSettingsScope fs(u',', u'.');
    struct Case {
        const char* format;
        TFormatArg arg;
        const char* expected;
    } cases[] = {
        {"%.2f", 3.14159, "3,14"},
        {"%f", 2.0, "2,00"},
        {"%.0f", 2.5, "3"},
        {"%n", 1234567.891, "1.234.567,89"},
        {"%d", int64_t(-42), "-42"},
        {"%5d|", int64_t(42), "   42|"},
        {"%-5d|", int64_t(42), "42   |"},
        {"%.3d", int64_t(7), "007"},
        {"%x", int64_t(255), "FF"},
        {"%d", 2.6, "3"},
        {"%.1f", int64_t(2), "2,0"},
        {"%s!", QString("ok"), "ok!"},
        {"100%%", int64_t(1), "100%"},
        {"%.2f", -0.001, "0,00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatWithArgs(c.format, {c.arg}), c.expected);
    }
    EXPECT_EQ(FormatWithArgs("%d-%d", {int64_t(1), int64_t(2)}), "1-2");
    EXPECT_EQ(FormatWithArgs("%d and %d", {int64_t(1)}), "1 and %d");  // no argument: written as it stands
    EXPECT_TRUE(FormatTakesInteger("%d of 200"));
    EXPECT_TRUE(FormatTakesInteger("100%% %u"));
    EXPECT_FALSE(FormatTakesInteger("%.1f done"));
}

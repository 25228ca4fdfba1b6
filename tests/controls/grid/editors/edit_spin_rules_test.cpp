#include <gtest/gtest.h>

#include <limits>

#include "controls/grid/editors/spin_rules.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using grid_text_testing::FormatSettingsScope;

TEST(SpinRules, EqualLimitsMeanNoLimit)
{
    EXPECT_EQ(ClampSpinValue(150, 0, 100), 100);
    EXPECT_EQ(ClampSpinValue(-5, 0, 100), 0);
    EXPECT_EQ(ClampSpinValue(150, 7, 7), 150);
    EXPECT_DOUBLE_EQ(ClampSpinFloat(-1.5, 0.0, 100.0), 0.0);
    EXPECT_DOUBLE_EQ(ClampSpinFloat(-1.5, 3.0, 3.0), -1.5);
    EXPECT_DOUBLE_EQ(ClampSpinDateTime(45000.0, 0, 0), 45000.0);
    EXPECT_DOUBLE_EQ(ClampSpinDateTime(45000.0, 0, 40000.0), 40000.0);
}

TEST(SpinRules, StepsSaturateAtTheIntegerLimits)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(SaturatingAdd(kMax, 1), kMax);
    EXPECT_EQ(SaturatingAdd(kMax - 3, 10), kMax);
    EXPECT_EQ(SaturatingAdd(kMin, -1), kMin);
    EXPECT_EQ(SaturatingAdd(kMin + 1, -kMax), kMin);
    EXPECT_EQ(SaturatingAdd(40, -50), -10);
}

namespace edit_spin_rules_detail {

struct CharCase {
    const char* name;
    TEsgSpinType type;
    const char* text;
    int selStart;
    int selLength;
    char16_t key;
    bool accepted;
    bool editorEnabled = true;
    int precision = 0;
};

}  // namespace edit_spin_rules_detail

TEST(SpinRules, TypedCharactersPerSpinType)
{
    FormatSettingsScope scope(u'.', u',', u'/', QStringLiteral("dd/mm/yyyy"), u':');
    const edit_spin_rules_detail::CharCase cases[] = {
        {"digit in a whole number", sptNormal, "12", 2, 0, u'5', true},
        {"letter in a whole number", sptNormal, "12", 2, 0, u'a', false},
        {"decimal point in a whole number", sptNormal, "12", 2, 0, u'.', false},
        {"paste shortcut in a whole number", sptNormal, "12", 2, 0, 22, false},
        {"paste shortcut in a float", sptFloat, "12", 2, 0, 22, true},
        {"minus at the start", sptNormal, "12", 0, 0, u'-', true},
        {"minus after the start", sptNormal, "12", 1, 0, u'-', false},
        {"second minus", sptNormal, "-12", 0, 0, u'-', false},
        {"minus over a selected minus", sptNormal, "-12", 0, 1, u'-', true},
        {"backspace", sptNormal, "12", 2, 0, 8, true},
        {"backspace, editor off", sptNormal, "12", 2, 0, 8, false, false},
        {"digit, editor off", sptNormal, "12", 2, 0, u'3', false, false},
        {"first decimal separator", sptFloat, "12", 2, 0, u'.', true},
        {"second decimal separator", sptFloat, "1.2", 3, 0, u'.', false},
        {"separator over the selected one", sptFloat, "1.2", 1, 1, u'.', true},
        {"thousand separator in a float", sptFloat, "1", 1, 0, u',', false},
        {"third decimal with precision 2", sptFloat, "1.23", 4, 0, u'4', false, true, 2},
        {"second decimal with precision 2", sptFloat, "1.2", 3, 0, u'4', true, true, 2},
        {"digit before the separator with precision 2", sptFloat, "1.23", 0, 0, u'4', true, true, 2},
        {"time separator in a whole number", sptNormal, "1", 1, 0, u':', false},
        {"time separator in a time", sptTime, "12:30", 5, 0, u':', true},
        {"third time separator", sptTime, "12:30:00", 8, 0, u':', false},
        {"date separator in a date", sptDate, "12/03", 5, 0, u'/', true},
        {"date separator in a time", sptTime, "12", 2, 0, u'/', false},
        {"letter in a date", sptDate, "12", 2, 0, u'x', false},
        {"unicode digit", sptNormal, "1", 1, 0, u'\u0663', true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSpinCharContext context;
        context.SpinType = c.type;
        context.Text = QString::fromLatin1(c.text);
        context.SelStart = c.selStart;
        context.SelLength = c.selLength;
        context.EditorEnabled = c.editorEnabled;
        context.Precision = c.precision;
        EXPECT_EQ(IsValidSpinCharacter(context, QChar(c.key)), c.accepted);
    }
}

TEST(SpinRules, TimeSeparatorDoublingAsDecimalSeparatorStaysForNumbers)
{
    FormatSettingsScope scope(u'.', u',', u'/', QStringLiteral("dd/mm/yyyy"), u'.');
    TSpinCharContext context;
    context.SpinType = sptFloat;
    context.Text = QStringLiteral("1");
    context.SelStart = 1;
    EXPECT_TRUE(IsValidSpinCharacter(context, u'.'));
    context.SpinType = sptDate;
    EXPECT_FALSE(IsValidSpinCharacter(context, u'.'));
}

TEST(SpinRules, FloatTextWithTheLocaleSeparator)
{
    FormatSettingsScope scope(u',', u'.');
    EXPECT_EQ(FormatSpinFloat(1.5, 0), QStringLiteral("1,5"));
    EXPECT_EQ(FormatSpinFloat(2.0, 0), QStringLiteral("2"));
    EXPECT_EQ(FormatSpinFloat(0.1 + 0.2, 0), QStringLiteral("0,3"));
    EXPECT_EQ(FormatSpinFloat(1.5, 2), QStringLiteral("1,50"));
    EXPECT_EQ(FormatSpinFloat(1e20, 0), QStringLiteral("1E20"));
    EXPECT_EQ(FormatSpinFloat(1.5e-7, 0), QStringLiteral("1,5E-7"));
    EXPECT_DOUBLE_EQ(ParseSpinFloat(QStringLiteral("1,25")).value(), 1.25);
    EXPECT_DOUBLE_EQ(ParseSpinFloat(QStringLiteral(" -3 ")).value(), -3.0);
    EXPECT_FALSE(ParseSpinFloat(QStringLiteral("1.25")));
    EXPECT_FALSE(ParseSpinFloat(QStringLiteral("12a")));
    EXPECT_FALSE(ParseSpinFloat(QString()));
}

TEST(SpinRules, DateFieldUnderTheCaretFollowsTheShortDateOrder)
{
    const QString text = QStringLiteral("05/03/2024");
    {
        FormatSettingsScope dayFirst(u'.', u',', u'/', QStringLiteral("dd/mm/yyyy"));
        EXPECT_EQ(DateFieldAt(text, 0), TDateField::Day);
        EXPECT_EQ(DateFieldAt(text, 2), TDateField::Day);
        EXPECT_EQ(DateFieldAt(text, 3), TDateField::Month);
        EXPECT_EQ(DateFieldAt(text, 6), TDateField::Year);
    }
    {
        FormatSettingsScope monthFirst(u'.', u',', u'/', QStringLiteral("mm/dd/yyyy"));
        EXPECT_EQ(DateFieldAt(text, 0), TDateField::Month);
        EXPECT_EQ(DateFieldAt(text, 4), TDateField::Day);
    }
}

TEST(SpinRules, DateStepsPerField)
{
    FormatSettingsScope scope(u'.', u',', u'/', QStringLiteral("dd/mm/yyyy"));
    struct Case {
        const char* name;
        QDate date;
        int caret;
        int direction;
        QDate expected;
    };
    const Case cases[] = {
        {"day up over the month end", QDate(2024, 1, 31), 0, +1, QDate(2024, 2, 1)},
        {"day down", QDate(2024, 3, 1), 1, -1, QDate(2024, 2, 29)},
        {"month up clips the day", QDate(2024, 1, 31), 3, +1, QDate(2024, 2, 29)},
        {"month down over the year", QDate(2024, 1, 15), 4, -1, QDate(2023, 12, 15)},
        {"year up", QDate(2023, 6, 10), 7, +1, QDate(2024, 6, 10)},
        {"29 February a year on", QDate(2024, 2, 29), 8, +1, QDate(2025, 2, 28)},
        {"29 February a year back", QDate(2024, 2, 29), 8, -1, QDate(2023, 2, 28)},
        {"29 February, caret at the start of the year", QDate(2024, 2, 29), 6, +1, QDate(2025, 2, 28)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = c.date.toString(QStringLiteral("dd/MM/yyyy"));
        const TDateTime stepped = StepDateField(DateTimeFromQt(c.date, QTime(10, 0)), text, c.caret, c.direction);
        EXPECT_EQ(DateOfDateTime(stepped), c.expected);
    }
    // A year step drops the time of day; day and month steps keep it.
    const QString text = QStringLiteral("10/06/2023");
    EXPECT_EQ(TimeOfDateTime(StepDateField(DateTimeFromQt(QDate(2023, 6, 10), QTime(10, 0)), text, 8, 1)), QTime(0, 0));
    EXPECT_EQ(TimeOfDateTime(StepDateField(DateTimeFromQt(QDate(2023, 6, 10), QTime(10, 0)), text, 0, 1)),
              QTime(10, 0));
}

TEST(SpinRules, TimeStepsWrapAtMidnight)
{
    FormatSettingsScope scope(u'.', u',');
    const auto at = [](int h, int m, int s = 0) { return DateTimeFromQt(QDate(1899, 12, 30), QTime(h, m, s)); };
    EXPECT_EQ(TimeFieldAt(QStringLiteral("12:30:15"), 1, true), TTimeField::Hours);
    EXPECT_EQ(TimeFieldAt(QStringLiteral("12:30:15"), 4, true), TTimeField::Minutes);
    EXPECT_EQ(TimeFieldAt(QStringLiteral("12:30:15"), 6, true), TTimeField::Seconds);
    EXPECT_EQ(TimeFieldAt(QStringLiteral("12:30"), 4, true), TTimeField::Seconds);
    EXPECT_EQ(TimeFieldAt(QStringLiteral("12:30"), 4, false), TTimeField::Minutes);

    EXPECT_EQ(TimeOfDateTime(StepTimeValue(at(0, 30), TTimeField::Hours, -1, 1, 1, 1)), QTime(23, 30));
    EXPECT_EQ(TimeOfDateTime(StepTimeValue(at(23, 30), TTimeField::Hours, +1, 1, 1, 1)), QTime(0, 30));
    EXPECT_EQ(TimeOfDateTime(StepTimeValue(at(10, 59, 50), TTimeField::Seconds, +1, 1, 1, 15)), QTime(11, 0, 5));
    EXPECT_EQ(TimeOfDateTime(StepTimeValue(at(10, 0), TTimeField::Minutes, -1, 1, 5, 1)), QTime(9, 55));
}

TEST(SpinRules, DateAndTimeTextsInTheFormatSettings)
{
    FormatSettingsScope scope(u',', u'.', u'.', QStringLiteral("dd/mm/yyyy"), u':');
    const TDateTime value = DateTimeFromQt(QDate(2024, 3, 5), QTime(7, 8, 9));
    EXPECT_EQ(FormatDateTimeText(QStringLiteral("dd/mm/yyyy"), value), QStringLiteral("05.03.2024"));
    EXPECT_EQ(FormatDateTimeText(QStringLiteral("hh:nn:ss"), value), QStringLiteral("07:08:09"));
    EXPECT_EQ(FormatDateTimeText(QStringLiteral("h:nn"), value), QStringLiteral("7:08"));
    EXPECT_EQ(FormatDateTimeText(QStringLiteral("h:mm"), value), QStringLiteral("7:08"));
    EXPECT_EQ(FormatDateTimeText(QStringLiteral("hh:nn:ss t"), value), QStringLiteral("07:08:09"))
        << "the system's time-zone mark is left out";
    // An AM/PM mark counts the hours 1 to 12; quoted text stays as it is.
    const TDateTime evening = DateTimeFromQt(QDate(2024, 3, 5), QTime(19, 8, 9, 45));
    EXPECT_EQ(FormatDateTimeText(QStringLiteral("h:mm am/pm"), evening), QStringLiteral("7:08 PM"));
    EXPECT_EQ(FormatDateTimeText(QStringLiteral("hh:nn ampm"), value), QStringLiteral("07:08 AM"));
    EXPECT_EQ(FormatDateTimeText(QStringLiteral("d \"of\" mm/yyyy, ss.zzz"), evening), QStringLiteral("5 of 03.2024, 09.045"));
    EXPECT_EQ(ParseDateText(QStringLiteral("5.3.2024")), QDate(2024, 3, 5));
    EXPECT_EQ(ParseDateText(QStringLiteral("31.4.2024")), std::nullopt);
    EXPECT_EQ(ParseDateText(QStringLiteral("5/3/2024")), std::nullopt);
    EXPECT_EQ(ParseDateText(QStringLiteral("5.3")), QDate(QDate::currentDate().year(), 3, 5));
    EXPECT_EQ(ParseTimeText(QStringLiteral("7:08")), QTime(7, 8));
    EXPECT_EQ(ParseTimeText(QStringLiteral("07:08:09")), QTime(7, 8, 9));
    EXPECT_EQ(ParseTimeText(QStringLiteral("7:08 PM")), QTime(19, 8));
    EXPECT_EQ(ParseTimeText(QStringLiteral("25:00")), std::nullopt);
    EXPECT_EQ(ParseTimeText(QStringLiteral("ab")), std::nullopt);
    // Day counts from 30 December 1899.
    EXPECT_DOUBLE_EQ(DateTimeFromQt(QDate(1900, 1, 1)), 2.0);
    EXPECT_DOUBLE_EQ(DateTimeFromQt(QDate(1899, 12, 30), QTime(12, 0)), 0.5);
}

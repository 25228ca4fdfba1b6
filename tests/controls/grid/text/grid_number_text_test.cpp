#include <optional>
#include <random>

#include <gtest/gtest.h>

#include "controls/grid/text/grid_number_text.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using grid_text_testing::FormatSettingsScope;

TEST(GridNumberText, NumberTextTypeWithDecimalPoint)
{
    FormatSettingsScope settings(u'.', u',');
    const std::pair<QString, int> cases[] = {
        {"", NumberTextNone},
        {"123", NumberTextInteger},
        {"-5", NumberTextInteger},
        {"-", NumberTextInteger},  // a lone "-" is an integer
        {QString::fromUtf8("½"), NumberTextInteger},
        {"1.5", NumberTextFloat},
        {"1,234.5", NumberTextFloat},
        {"-1,234,567.25", NumberTextFloat},
        {"1,23,4", NumberTextNone},  // thousand separators too close
        {"1.2.3", NumberTextNone},   // two decimal separators
        {"1-2", NumberTextNone},
        {"--5", NumberTextNone},
        {"12a", NumberTextNone},
        {"1e5", NumberTextScientific},
        {"-1.5e-3", NumberTextScientific},  // two "-" are fine here
        {"2E+10", NumberTextScientific},
        {"e5", NumberTextNone},
        {"1e", NumberTextNone},
        {"1e5e", NumberTextNone},
        {"1e-", NumberTextNone},
        {"1,000e3", NumberTextNone},  // no thousand separator in scientific numbers
        {"-1-e-5", NumberTextNone},   // three "-"
    };
    for (const auto& [text, kind] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(NumberTextType(text), kind);
    }
}

TEST(GridNumberText, NumberTextTypeWithDecimalComma)
{
    FormatSettingsScope settings(u',', u'.');
    const std::pair<QString, int> cases[] = {
        {"1.234,5", NumberTextFloat}, {"3,5", NumberTextFloat}, {"1,2,3", NumberTextNone},
        {"1.23.4", NumberTextNone},   {"1.5", NumberTextFloat},  // "." is a thousand separator here
        {"1e5", NumberTextScientific},
    };
    for (const auto& [text, kind] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(NumberTextType(text), kind);
    }
}

TEST(GridNumberText, NormalizeNumberText)
{
    FormatSettingsScope settings(u',', u'.');
    const std::pair<QString, QString> cases[] = {
        {"", ""},
        {"   ", ""},
        {QString::fromUtf8("(12,5 €)"), "-12.5"},
        {"  -12", "-12"},
        {"(7)", "-7"},
        {"12 kg", "12"},
        {QString::fromUtf8("€ 3,5"), "3.5"},
        {"1.234.567,89", "1234567.89"},
        {"$-5", "-5"},
        {"+5", "5"},
        {"1e-3", "1e-3"},
        {"abc", ""},  // one character always remains, and it is no number
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(NormalizeNumberText(text), expected);
    }
}

TEST(GridNumberText, MonthDayYearAndDayMonthYearTexts)
{
    struct Case {
        QString text;
        QDate mdy;
        QDate dmy;
    };
    const Case cases[] = {
        {"12/31/99", QDate(1999, 12, 31), QDate()},
        {"1-2-03", QDate(2003, 1, 2), QDate(2003, 2, 1)},
        {"12/31/2023", QDate(2023, 12, 31), QDate()},
        {"31.12.25", QDate(), QDate(2025, 12, 31)},
        {"1/2/26", QDate(1926, 1, 2), QDate(1926, 2, 1)},
        {"1/2/100", QDate(100, 1, 2), QDate(100, 2, 1)},
        {"12.31", QDate(), QDate()},     // one separator only
        {"2/30/2020", QDate(), QDate()},  // no such day: "not a date", no error
        {"4/31/2020", QDate(), QDate()},
        {"13/1/2020", QDate(), QDate(2020, 1, 13)},
        {"a/1/2020", QDate(), QDate()},
        {"1/1/2020x", QDate(), QDate()},
        {"no date", QDate(), QDate()},
        {"", QDate(), QDate()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(MDYTextToDate(c.text), c.mdy);
        EXPECT_EQ(DMYTextToDate(c.text), c.dmy);
    }
}

TEST(GridNumberText, IsDateTextUsesTheLocaleSeparator)
{
    FormatSettingsScope settings(u'.', u',', u'/');
    EXPECT_TRUE(IsDateText("1/2/3"));
    EXPECT_TRUE(IsDateText("12/3/"));
    EXPECT_FALSE(IsDateText("/1/2"));
    EXPECT_FALSE(IsDateText("1//2"));
    EXPECT_FALSE(IsDateText("1/2"));
    EXPECT_FALSE(IsDateText("1.2.3"));
    FormatSettingsScope german(u',', u'.', u'.');
    EXPECT_TRUE(IsDateText("1.2.3"));
}

TEST(GridNumberText, AddDateInterval)
{
    struct Case {
        int years, months, days;
        int64_t step;
        QDate date;
        QDate result;
    };
    const Case cases[] = {
        {0, 0, 10, 99, QDate(2020, 2, 25), QDate(2020, 3, 6)},
        {0, 0, -1, 99, QDate(2020, 3, 1), QDate(2020, 2, 29)},
        {2, 0, 0, 99, QDate(2019, 5, 31), QDate(2021, 5, 31)},
        {1, 0, 0, 99, QDate(2020, 2, 29), QDate()},  // no 29 February in 2021
        {-4, 0, 0, 99, QDate(2020, 2, 29), QDate(2016, 2, 29)},
        {0, -1, 0, 99, QDate(2020, 1, 15), QDate(2019, 12, 15)},
        {0, 1, 0, 99, QDate(2020, 12, 15), QDate(2021, 1, 15)},
        {0, 14, 0, 99, QDate(2020, 1, 31), QDate(2021, 3, 31)},
        {0, -25, 0, 99, QDate(2020, 1, 15), QDate(2017, 12, 15)},
        {0, -12, 0, 99, QDate(2020, 1, 15), QDate(2019, 1, 15)},
        {0, 1, 0, 99, QDate(2020, 1, 31), QDate()},  // 31 February
        {1, 1, 0, 7, QDate(2020, 1, 1), QDate(2020, 1, 8)},  // more than one set: the step
        {0, 0, 0, -7, QDate(2020, 1, 1), QDate(2019, 12, 25)},
        {0, 0, 1, 7, QDate(), QDate()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.years << "y " << c.months << "m " << c.days << "d from "
                                        << c.date.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(AddDateInterval(c.years, c.months, c.days, c.step, c.date), c.result);
    }
}

TEST(GridNumberText, PlainTextsGetTheKindTheFullScanGives)
{
    // NumberTextType answers "-", digits and one decimal separator at a
    // glance; over random texts of number-like characters it must agree
    // with the full scan, under separators the glance must not trust too.
    struct Format {
        QChar decimal, thousand;
    };
    const Format formats[] = {{u'.', u','}, {u',', u'.'}, {u',', u' '}, {u'-', u','}, {u'.', u'-'}, {u'.', u'0'}};
    const QString alphabet = QString::fromUtf8("0123456789-+.,eE x\u00b2");
    std::mt19937 rng(99);
    for (const Format& f : formats) {
        FormatSettingsScope settings(f.decimal, f.thousand);
        for (int n = 0; n < 20000; ++n) {
            QString text;
            const int length = int(rng() % 8);
            for (int i = 0; i < length; ++i)
                text += alphabet[qsizetype(rng() % alphabet.size())];
            ASSERT_EQ(NumberTextType(text), NumberTextTypeByScan(text))
                << "[" << text.toStdString() << "] decimal " << QString(f.decimal).toStdString() << " thousand "
                << QString(f.thousand).toStdString();
        }
    }
}

TEST(GridNumberText, ReadPlainIntegerReadsASignAndUpTo15CharactersOfDigits)
{
    struct Case {
        const char16_t* text;
        std::optional<int64_t> value;
    };
    const Case cases[] = {
        {u"0", 0},
        {u"-12", -12},
        {u"+7", 7},
        {u"007", 7},
        {u"-0", 0},
        {u"123456789012345", 123456789012345},
        {u"-12345678901234", -12345678901234},
        {u"1234567890123456", std::nullopt},  // 16 characters
        {u"+123456789012345", std::nullopt},
        {u"", std::nullopt},
        {u"+", std::nullopt},
        {u"-", std::nullopt},
        {u"1.5", std::nullopt},
        {u"1,000", std::nullopt},
        {u" 1", std::nullopt},
        {u"1 ", std::nullopt},
        {u"--1", std::nullopt},
        {u"1e3", std::nullopt},
        {u"\uff11", std::nullopt},  // a full-width digit
        {u"\u0661", std::nullopt},  // an Arabic-Indic digit
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ReadPlainInteger(text), c.value);
    }
}

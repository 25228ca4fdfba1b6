#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <random>

#include "controls/grid/text/filter_matcher.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using grid_text_testing::FormatSettingsScope;

namespace {

struct FilterMatchCase {
    QString condition;
    QString value;
    bool matches;
};

void expectFilterMatches(const std::vector<FilterMatchCase>& cases, bool caseSensitive = true)
{
    for (const FilterMatchCase& c : cases) {
        SCOPED_TRACE("condition [" + c.condition.toStdString() + "] value [" + c.value.toStdString() + "]");
        EXPECT_EQ(MatchFilter(c.condition, c.value, caseSensitive), c.matches);
    }
}

}  // namespace

TEST(FilterMatcher, PlainTermsAndWildcards)
{
    FormatSettingsScope settings(u'.', u',');
    expectFilterMatches({
        {"", "", true},
        {"", "x", false},
        {"=abc", "abc", true},
        {"abc", "abc", true},
        {"abc", "abcd", false},
        {"abc", "ab", false},
        {"abc*", "abcd", true},
        {"abc*", "abc", true},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"?", "", false},
        {"*", "", true},
        {"*", "anything", true},
        {"a**", "a", true},
        {"a*c", "abbbc", true},
        {"a*c", "abbbd", false},
        {"*b*", "abc", true},
        {"*b*", "acd", false},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXcYb", false},
        {"abc", "ABC", false},
        {"*?", "", false},
        {"*??", "ab", true},
        {"*a?", "xxab", true},
        {"*\"*\"", "x*", true},  // a quoted "*" is still a wildcard; the quotes go
    });

    // Many "*" against a long value that almost matches stays quick.
    const QString longValue(400, u'a');
    EXPECT_FALSE(MatchFilter("*a*a*a*a*a*a*a*a*a*a*b", longValue, true));
    EXPECT_TRUE(MatchFilter("*a*a*a*a*a*a*a*a*a*a*", longValue, true));
}

TEST(FilterMatcher, Negation)
{
    FormatSettingsScope settings(u'.', u',');
    expectFilterMatches({
        {"!abc", "abc", false},
        {"!abc", "xyz", true},
        {"!abc", "", true},
        {"!*x*", "abc", true},
        {"!*x*", "axc", false},
        {"!a*", "abc", false},
        {"!a*", "bac", true},
    });
}

TEST(FilterMatcher, ComparisonsOfNumbersTextsAndDates)
{
    FormatSettingsScope settings(u'.', u',');
    expectFilterMatches({
        {">5", "10", true},  // numeric, not by characters
        {">5", "3", false},
        {">5", "5", false},
        {">=5", "5", true},
        {"<5", "4.5", true},
        {"<=5", "5.0", true},
        {"<5", "10", false},
        {">-1", "0", true},
        {">1e3", "2000", true},
        {">1,000", "999", false},  // thousand separators dropped
        {">b", "c", true},         // texts by character codes
        {">b", "a", false},
        {">b", "C", false},
        {"<b", "B", true},
        {">\"a b\"", "a c", true},  // a quoted operand keeps its blank
        {"<\"a b\"", "a a", true},
        {"<\"a b\"", "a c", false},
        {"<5", "<5", true},  // a failed comparison still matches its own spelling
    });
}

TEST(FilterMatcher, DecimalCommaComparisons)
{
    FormatSettingsScope settings(u',', u'.');
    expectFilterMatches({
        {">1,5", "2", true},
        {">1,5", "1", false},
        {">=10&<20", "10", true},
        {">=10&<20", "19,9", true},
        {">=10&<20", "20", false},
        {">=10&<20", "9,99", false},
        {"> 5", "10", true},  // blanks outside quotes mean nothing
        {">1.000", "999", false},
        {">1.000", "1.000,5", true},
    });
}

TEST(FilterMatcher, DateComparisonsFollowTheShortDateFormat)
{
    FormatSettingsScope settings(u'.', u',', u'/', QStringLiteral("d/m/yyyy"));
    expectFilterMatches({
        {">1/2/2020", "15/2/2020", true},
        {">1/2/2020", "15/1/2020", false},
        {"<1/2/2020", "31/1/2020", true},
        {">=1/2/2020", "1/2/2020", true},
        {">\"1/2/2020 10:00\"", "1/2/2020 10:30", true},
        {"<\"1/2/2020 10:00\"", "1/2/2020 10:30", false},
    });

    FormatSettingsScope us(u'.', u',', u'/', QStringLiteral("mm/dd/yyyy"));
    expectFilterMatches({{">1/2/2020", "1/15/2020", true}, {">1/2/2020", "2/1/2020", true}, {">2/1/2020", "1/15/2020", false}});
}

TEST(FilterMatcher, DatesWinOverNumbers)
{
    // "1.2.2020" is also the number 122020 here; as dates 1 February comes
    // after 15 January.
    FormatSettingsScope settings(u',', u'.', u'.', QStringLiteral("dd.mm.yyyy"));
    expectFilterMatches({{">15.1.2020", "1.2.2020", true}, {"<15.1.2020", "1.2.2020", false}, {">1,5", "2", true}, {">1.5", "2", false}});  // "1.5" is 15 here
}

TEST(FilterMatcher, AndOrGroupsLeftToRight)
{
    FormatSettingsScope settings(u'.', u',');
    expectFilterMatches({
        {"5|7", "5", true},
        {"5|7", "7", true},
        {"5|7", "6", false},
        {"5^7", "7", true},  // "^" is a plain or
        {"5^7", "5", true},
        {"5;7", "7", true},
        {"(5|7)&!7", "5", true},
        {"(5|7)&!7", "7", false},
        {"(5|7)&!7", "6", false},
        {"a|b&c", "a", false},  // ((a or b) and c)
        {"a&(b|c)|d", "d", true},
        {"a&(b|c)|d", "a", false},
        {"a*&(*b|*c)", "axc", true},
        {"a*&(*b|*c)", "axd", false},
        {"((x))", "x", true},
        {"a|", "a", true},  // a trailing operator adds an empty last term
        {"a|", "", true},
        {"a|", "b", false},
        {"a&", "a", false},
        {"A*|B*", "Bob", true},
        {"A*|B*", "Carl", false},
        {"a b", "ab", true},
    });
}

TEST(FilterMatcher, QuotesProtectOperatorsAndBlanks)
{
    FormatSettingsScope settings(u'.', u',');
    expectFilterMatches({
        {"\"a&b\"", "a&b", true},
        {"\"a&b\"", "a", false},
        {"\"a b\"", "a b", true},
        {"\"a b\"", "ab", false},
        {"\"x|y\"|z", "z", true},
        {"\"x|y\"|z", "x|y", true},
        {"\"(a)\"", "(a)", true},
    });
}

TEST(FilterMatcher, UnclosedGroupRunsToTheEnd)
{
    FormatSettingsScope settings(u'.', u',');
    expectFilterMatches({
        {"(5|7", "5", true},
        {"(5|7", "7", true},
        {"(5|7", "6", false},
        {"1|(5|7", "1", true},
        {"1&(5|7", "5", false},
        {"(", "", true},
        {"(((", "x", false},
        {"((a)", "a", true},
        {"a(b)", "a", true},  // "(" after a term: the group's value is not combined
    });
}

TEST(FilterMatcher, RestBehindAStarWithComparisonsOrNegationIsATermOfItsOwn)
{
    FormatSettingsScope settings(u'.', u',');
    expectFilterMatches({
        {"1*>b", "1c", true},    // the tail "c" is above "b"
        {"1*>b", "1a", false},   // no tail is, none spells ">b"
        {"1*>b", "1>b", true},   // a tail spells the rest
        {"a*!b", "ac", true},
        {"a*!b", "ab", true},    // the empty tail is not "b"
        {"b*!*a*", "ba", true},  // the empty tail holds no "a"
        {"x*a*<b", "xaa", true},
        {"x*a*<b", "xbb", true},  // the empty tail is below "b"
        {"1*a*>b", "1ac", true},
        {"1*a*>b", "1ab", false},
    });
}

TEST(FilterMatcher, WorkStaysBoundedForStarsBeforeComparisonsAndDeepGroups)
{
    FormatSettingsScope settings(u'.', u',');
    using Clock = std::chrono::steady_clock;
    const auto millisecondsOf = [](Clock::time_point start) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    };

    // Every "*" tries every tail of the value; without memory of the pairs
    // already tried the work grows with the power of the number of "*".
    const QString stars = QStringLiteral("*a*a*a*a*a*a*>z");
    Clock::time_point start = Clock::now();
    EXPECT_FALSE(MatchFilter(stars, QString(40, u'a'), true));
    EXPECT_TRUE(MatchFilter(stars, QString(39, u'a') + u'}', true));  // "}" is above "z"
    // Bounds far above the work (about 1 ms and 150 ms here) and far below
    // what an unbounded search takes, so that a loaded or sanitized run
    // passes as well.
    EXPECT_LT(millisecondsOf(start), 2000);

    // Groups nested 50,000 deep, closed and never closed.
    const QString open(50000, u'(');
    start = Clock::now();
    EXPECT_TRUE(MatchFilter(open + u'x' + QString(50000, u')'), QStringLiteral("x"), true));
    EXPECT_FALSE(MatchFilter(open + u'x' + QString(50000, u')'), QStringLiteral("y"), true));
    EXPECT_TRUE(MatchFilter(open, QString(), true));  // the innermost empty condition
    EXPECT_FALSE(MatchFilter(open, QStringLiteral("x"), true));
    EXPECT_TRUE(MatchFilter(open + QStringLiteral("x|y"), QStringLiteral("y"), true));
    EXPECT_LT(millisecondsOf(start), 10000);
}

TEST(FilterMatcher, CaseInsensitiveMatching)
{
    FormatSettingsScope settings(u'.', u',');
    expectFilterMatches(
        {
            {">b", "C", true},
            {"abc", "ABC", true},
            {"a*", "Anna", true},
            {"!A*", "anna", false},
            {QString::fromUtf8("ä*"), QString::fromUtf8("Äpfel"), true},
        },
        false);
}

TEST(FilterMatcher, LocaleTextToDateTime)
{
    FormatSettingsScope settings(u'.', u',', u'/', QStringLiteral("dd/mm/yyyy"));
    struct Case {
        QString text;
        bool ok;
        QDateTime value;
    };
    const auto at = [](int y, int m, int d, int h = 0, int n = 0, int s = 0) {
        return QDateTime(QDate(y, m, d), QTime(h, n, s), Qt::UTC);
    };
    const Case cases[] = {
        {"1/2/2020", true, at(2020, 2, 1)},
        {"1/2/2020 10:30", true, at(2020, 2, 1, 10, 30)},
        {"01/02/2020   10:30:15", true, at(2020, 2, 1, 10, 30, 15)},
        {"31/12/1999 23:59:59", true, at(1999, 12, 31, 23, 59, 59)},
        {"31/2/2020", false, {}},  // no such day
        {"32/1/2020", false, {}},
        {"1/13/2020", false, {}},
        {"1/2/2020 24:00", false, {}},
        {"1/2/2020 10:60", false, {}},
        {"1/2/2020 10:30:60", false, {}},  // second 60 is no time
        {"1/2/2020 10", false, {}},        // a time needs its separator
        {"1/2/2020 x:10", false, {}},
        {"1/2", false, {}},
        {"a/2/2020", false, {}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QDateTime value;
        EXPECT_EQ(LocaleTextToDateTime(c.text, value), c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }

    FormatSettingsScope iso(u'.', u',', u'-', QStringLiteral("yyyy-mm-dd"), u'.');
    QDateTime value;
    ASSERT_TRUE(LocaleTextToDateTime("2020-02-01 10.30", value));
    EXPECT_EQ(value, at(2020, 2, 1, 10, 30));
}

TEST(FilterMatcher, Helpers)
{
    EXPECT_EQ(RemoveBlanksOutsideQuotes("a b \"c d\" e"), QStringLiteral("ab\"c d\"e"));
    qsizetype index = 99;
    EXPECT_EQ(FindOperatorOutsideQuotes(u"&|", u"\"a&b\"|c", index), QChar(u'|'));
    EXPECT_EQ(index, 5);
    EXPECT_EQ(FindOperatorOutsideQuotes(u"&|", u"\"a&b\"", index), QChar(0));
    EXPECT_EQ(index, -1);
    EXPECT_EQ(ClosingParenthesisPos(u"(a(b)c)d"), 7);
    EXPECT_EQ(ClosingParenthesisPos(u"(a(b)c"), 0);
    EXPECT_EQ(ClosingParenthesisPos(u"a)"), 0);
    FormatSettingsScope settings(u',', u'.');
    EXPECT_EQ(DotDecimalText("1.234,5"), QStringLiteral("1234.5"));
}

TEST(FilterMatcher, ReadLocaleNumberTakesWholeDecimalNumbersInTheLocaleSpelling)
{
    struct Case {
        QString text;
        bool ok;
        double value;
    };
    const auto check = [](const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            SCOPED_TRACE(grid_text_testing::visible(c.text));
            double value = -777;
            EXPECT_EQ(ReadLocaleNumber(c.text, value), c.ok);
            EXPECT_EQ(value, c.ok ? c.value : -777) << "a text that is no number leaves the value alone";
        }
    };
    {
        FormatSettingsScope settings(u'.', u',');
        check({
            {"0", true, 0},
            {"42", true, 42},
            {"+5", true, 5},
            {"-0.25", true, -0.25},
            {".5", true, 0.5},
            {"5.", true, 5},
            {"1e3", true, 1000},
            {"1E-2", true, 0.01},
            {"2.5e+2", true, 250},
            {"1,234.5", true, 1234.5},  // thousand separators dropped wherever they stand
            {",,7,", true, 7},
            {"1e-310", true, 1e-310},  // below the normal range, still a number
            {"1e400", false, 0},        // beyond the range of a double
            {"1e-400", false, 0},       // too small to be anything but 0
            {"", false, 0},
            {"-", false, 0},
            {".", false, 0},
            {"e3", false, 0},
            {"1e", false, 0},
            {"1e+", false, 0},
            {"1.2.3", false, 0},
            {" 5", false, 0},
            {"5 ", false, 0},
            {"0x10", false, 0},
            {"inf", false, 0},
            {"nan", false, 0},
            {"--5", false, 0},
            {"5-", false, 0},
            {QString::fromUtf8("²"), false, 0},
            {QString::fromUtf8("\u0663"), false, 0},  // a digit of another script
            {QString(200, u'1'), true, 1.1111111111111111e199},
            {QString(200, u'1') + u'x', false, 0},
            {QString(200, u'1') + QString::fromUtf8("é"), false, 0},
        });
    }
    {
        FormatSettingsScope settings(u',', u'.');
        check({
            {"1.234,5", true, 1234.5},
            {"-0,5", true, -0.5},
            {"1,5e1", true, 15},
            {"1,2,3", false, 0},
        });
    }
}

TEST(FilterMatcher, AConditionReadOnceMatchesEveryValueAsAFreshReading)
{
    // Random conditions of comparisons, wildcards, negations, quotes, joins
    // and groups, each read once and matched against many mixed values in a
    // random order: the outcome of each must be that of reading the
    // condition for that value alone.
    const QStringList terms = {
        ">5",       "<=1.5",      ">=-3",       "<01/02/2020", ">15/12/2019 10:00", ">abc", "<\"a b\"",
        "*a*",      "!*b*",       "a?c",        "1*>b",        "x*a*<b",            "#N/A", "\"#N/A\"",
        "!",        "*",          "",           "?*",          "a*!b",              "<5*",  ">=1,000",
    };
    const QStringList values = {
        "",        "5",          "6",           "-3",    "1.5",  "1,000", "abc",  "ABC", "abd",
        "a b",     "a c",        "01/02/2020",  "31/12/2019 23:59", "15/12/2019", "#N/A", "n/a",
        "1c",      "1a",         "xaa",         "xbb",   "ac",   "ab",    "<5",   " 5",  "4x",
    };
    const QStringList joins = {"&", "|", ";", "^"};
    std::mt19937 rng(20201);
    const auto pick = [&rng](const QStringList& from) { return from[int(rng() % from.size())]; };
    for (const bool comma : {false, true}) {
        FormatSettingsScope settings(comma ? u',' : u'.', comma ? u'.' : u',');
        for (int n = 0; n < 300; ++n) {
            QString condition = pick(terms);
            const int more = int(rng() % 4);
            for (int k = 0; k < more; ++k) {
                const QString term = rng() % 3 == 0 ? u'(' + pick(terms) + pick(joins) + pick(terms) + u')' : pick(terms);
                condition += pick(joins) + term;
            }
            if (rng() % 5 == 0) condition = u'=' + condition;
            const bool caseSensitive = rng() % 2 == 0;
            const TFilterCondition once(condition, caseSensitive);
            for (int v = 0; v < 40; ++v) {
                const QString value = pick(values);
                ASSERT_EQ(once.Match(value), MatchFilter(condition, value, caseSensitive))
                    << "condition [" << condition.toStdString() << "] value [" << value.toStdString() << "]"
                    << (caseSensitive ? "" : " ignoring case");
            }
        }
    }
}

TEST(FilterMatcher, ShortNumbersReadToTheSameDoubleAsAFullParser)
{
    // Up to 15 digits, the point anywhere, either sign: the double read must
    // be the one nearest to the decimal value, bit for bit (QString's parser
    // rounds correctly).
    FormatSettingsScope settings(u'.', u',');
    std::mt19937_64 rng(7);
    for (int n = 0; n < 20000; ++n) {
        const int digits = 1 + int(rng() % 15);
        QString text;
        for (int d = 0; d < digits; ++d) text += QChar(u'0' + int(rng() % 10));
        if (rng() % 4 != 0) text.insert(qsizetype(rng() % (digits + 1)), u'.');
        if (rng() % 3 == 0) text.prepend(rng() % 2 ? u'-' : u'+');
        bool ok = false;
        const double expected = text.toDouble(&ok);
        ASSERT_TRUE(ok) << text.toStdString();
        double value = 0;
        ASSERT_TRUE(ReadLocaleNumber(text, value)) << text.toStdString();
        ASSERT_EQ(std::memcmp(&value, &expected, sizeof value), 0)
            << text.toStdString() << ": " << value << " against " << expected;
    }
}

TEST(FilterMatcher, QuickNumberComparisonsDecideAsTheFullMatch)
{
    // A term that is one comparison with a number decides number values on
    // its own; every value must get the outcome of the full match, in every
    // locale spelling, with and without case, alone and joined to others.
    const QStringList conditions = {
        ">=10",   ">10",        "<10",     "<=10",      ">-2.5",      "<1e3",        ">=1,000",   ">+5",
        "<=0",    ">=1.000,5",  "<1 000",  ">10&<20",   ">10|<-10",   ">0^<5",       "(>5)&!7",   ">=10*",
        ">1/1/2020", ">=01.02.2020", "<1-1-2020", ">\"10\"", ">=10 5", ">=-0",  "<1E3",      ">5x",
    };
    const QStringList values = {
        "10",    "10.0",   "9.99",    "1e1",       "1E1",       "abc",       "",         " 10",
        "10 ",   "-",      "+",       "1,000",     "1.000,5",   "1 000",     "1\u00a0000", "1/1/2020",
        "10/10/10", "1-1-2020", "-1-1", "01.02.2020", "1.02.2020", "#N/A",   ">=10",     "1e999",
        "inf",   "nan",    "10e",     ".5",        "5.",        "-0",        "+5",       "0x10",
        "7",     "1e-5",   "-1e-5",   "12345678901234567890", "10x", "\u0661\u0660",
    };
    struct Locale {
        QChar decimal, thousand, date;
        const char* format;
    };
    const Locale locales[] = {
        {u'.', u',', u'/', "dd/mm/yyyy"}, {u',', u'.', u'.', "dd.mm.yyyy"}, {u'.', u',', u'-', "yyyy-mm-dd"},
        {u',', u' ', u'/', "mm/dd/yyyy"}, {u',', QChar(0x00a0), u'.', "dd.mm.yyyy"}, {u'.', u'\'', u'-', "dd-mm-yyyy"},
    };
    for (const Locale& l : locales) {
        FormatSettingsScope settings(l.decimal, l.thousand, l.date, QString::fromLatin1(l.format));
        for (const QString& condition : conditions) {
            for (const bool caseSensitive : {true, false}) {
                const TFilterCondition quick(condition, caseSensitive, TConditionPaths::Quick);
                const TFilterCondition full(condition, caseSensitive, TConditionPaths::FullOnly);
                for (const QString& value : values)
                    EXPECT_EQ(quick.Match(value), full.Match(value))
                        << "condition [" << condition.toStdString() << "] value ["
                        << grid_text_testing::visible(value) << "] decimal " << QString(l.decimal).toStdString()
                        << " date " << QString(l.date).toStdString() << (caseSensitive ? "" : " ignoring case");
            }
        }
    }
}

// The sort reads each compared column once and compares keys; the grid's
// cell comparison (SortCompare) reads both cells on every comparison. Over
// random mixed columns (numbers, blanks, texts, dates, times, "#N/A", mark-up,
// check boxes) and every style and setting, the two must agree on every
// pair, and a whole sort must end in the order, with the comparison count
// and the custom comparison calls, of the quicksort that compares the rows
// where they are.

#include <cstring>
#include <functional>
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "controls/grid/string_grid/data/grid_sort_keys.h"
#include "controls/grid/string_grid/data/row_quick_sort.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/filter_matcher.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;

namespace sort_keys_test {

const QStringList kPool = {
    "",           "",        "0",          "7",          "-3",        "1.5",        "-0.25",      "1e3",
    "12",         "007",     "abc",        "ABC",        "Abd",       "#N/A",       "n/a",        "01/02/2020",
    "15/12/2019", "1/2/20",  "01/02/2020 10:30",         "31/12/2019 23:59",        "9:30",       "10:05:30",
    "23:00",      "1,234.5", "1.234,5",    "$5 net",     "$1,200 net", "<b>z</b>",  "<i>a</i>",   "1/2",
    " 42 ",       "+5",      "²",          "x:y",        "1:2:3:4",   "12/13/2020", "1.2.2020",   "zz",
    "-0",         "+0",      "-12",        "123456789012345",          "1234567890123456",        "0012",
};

// A grid of `rows` records below a header: column 0 names the record, the
// columns 1..4 hold random values of the pool.
std::unique_ptr<TExStringGrid> mixedGrid(int rows, uint32_t seed)
{
    std::mt19937 rng(seed);
    auto g = std::make_unique<TExStringGrid>();
    g->SetColCount(5);
    g->SetRowCount(rows + 1);
    g->SetFixedRows(1);
    for (int r = 1; r <= rows; ++r) {
        g->SetCellEx(0, r, QString("R%1").arg(r));
        for (int c = 1; c < 5; ++c) g->SetCellEx(c, r, kPool[int(rng() % kPool.size())]);
    }
    return g;
}

struct Setting {
    const char* name;
    std::function<void(TExStringGrid&)> apply;
    // A column whose cells belong to their place: its rows are compared
    // where they are, not from keys.
    int inPlaceColumn = -1;
};

std::function<void(TExStringGrid&)> style(TSortStyle s, QString prefix = {}, QString suffix = {})
{
    return [=](TExStringGrid& g) {
        g.OnGetFormat = [=](QObject*, int, TSortStyle& st, QString& p, QString& x) {
            st = s;
            p = prefix;
            x = suffix;
        };
    };
}

std::vector<Setting> settings()
{
    return {
        {"automatic", [](TExStringGrid&) {}},
        {"no automatic format", [](TExStringGrid& g) { g.SortSettings().AutoFormat = false; }},
        {"automatic ignoring case", [](TExStringGrid& g) { g.SortSettings().IgnoreCase = true; }},
        {"ignoring case",
         [](TExStringGrid& g) {
             g.SortSettings().AutoFormat = false;
             g.SortSettings().IgnoreCase = true;
         }},
        {"blanks first",
         [](TExStringGrid& g) {
             g.SortSettings().IgnoreBlanks = true;
             g.SortSettings().BlankPos = blFirst;
         }},
        {"blanks last, numbers with prefix",
         [](TExStringGrid& g) {
             g.SortSettings().IgnoreBlanks = true;
             g.SortSettings().BlankPos = blLast;
             style(ssNumeric, "$", " net")(g);
         }},
        {"numeric", style(ssNumeric)},
        {"financial", style(ssFinancial, "$", " net")},
        {"date", style(ssDate)},
        {"date and time", style(ssDateTime)},
        {"short date EU", style(ssShortDateEU)},
        {"short date US", style(ssShortDateUS)},
        {"time", style(ssTime)},
        {"alphanumeric", style(ssAlphaNumeric)},
        {"alphanumeric ignoring case", style(ssAlphaNumericNoCase)},
        {"alphabetic ignoring case", style(ssAlphaNoCase)},
        {"html", style(ssHTML)},
        {"locale", style(ssAnsiAlphaCase)},
        {"locale ignoring case", style(ssAnsiAlphaNoCase)},
        {"images", style(ssImages)},
        {"custom by length",
         [](TExStringGrid& g) {
             style(ssCustom)(g);
             g.OnCustomCompare = [](QObject*, const QString& a, const QString& b, int& res) {
                 res = a.size() > b.size() ? 1 : (a.size() < b.size() ? -1 : 0);
             };
         }},
        {"check boxes in an automatic column",
         [](TExStringGrid& g) {
             for (int r = 1; r < g.RowCount(); r += 3) g.AddCheckBox(2, r, r % 2 == 0, false);
         }},
        {"merged cells show their base's text",
         [](TExStringGrid& g) {
             for (int r = 1; r + 1 < g.RowCount(); r += 5) g.MergeCells(2, r, 1, 2);
         },
         2},
        {"stored texts, displayed ones differ",
         [](TExStringGrid& g) {
             g.SortSettings().SortOnVirtualCells = false;
             g.OnGetDisplText = [](int, int, QString& value) {
                 if (value == "7" || value == "abc") value.clear();
                 else if (value.isEmpty()) value = "<b>shown</b>";
             };
         }},
        {"stored texts as html, displayed ones differ",
         [](TExStringGrid& g) {
             g.SortSettings().SortOnVirtualCells = false;
             style(ssHTML)(g);
             g.OnGetDisplText = [](int, int, QString& value) {
                 if (value.isEmpty()) value = "<b>x</b>";
             };
         }},
    };
}

struct Format {
    const char* name;
    QChar decimal, thousand, date;
    QString shortDate;
};

const Format kFormats[] = {
    {"dot decimal", u'.', u',', u'/', "dd/mm/yyyy"},
    {"comma decimal, dot dates", u',', u'.', u'.', "dd.mm.yyyy"},
    // A digit for a separator: "-" and digits are no longer numbers by
    // their characters alone.
    {"digit for thousands", u'.', u'0', u'/', "dd/mm/yyyy"},
};

TEST(SortKeys, CompareAsTheCellComparisonOnEveryPair)
{
    constexpr int rows = 18;
    for (const Format& format : kFormats) {
        grid_text_testing::FormatSettingsScope scope(format.decimal, format.thousand, format.date, format.shortDate);
        for (const Setting& setting : settings()) {
            for (uint32_t seed = 1; seed <= 3; ++seed) {
                SCOPED_TRACE(std::string(format.name) + ", " + setting.name + ", seed " + std::to_string(seed));
                auto g = mixedGrid(rows, seed);
                setting.apply(*g);
                for (int col = 1; col < 5; ++col) {
                    TGridSortKeys keys(*g, 1, rows, col);
                    // The tie-break columns to the right count too.
                    ASSERT_EQ(keys.CanCompare(), setting.inPlaceColumn < col);
                    for (const TSortDirection dir : {sdAscending, sdDescending})
                        for (int a = 0; a < rows; ++a)
                            for (int b = 0; b < rows; ++b)
                                ASSERT_EQ(keys.Compare(col, a, b, dir), g->SortCompare(col, a + 1, b + 1, dir))
                                    << "column " << col << ": " << g->GetCellEx(col, a + 1).toStdString() << " / "
                                    << g->GetCellEx(col, b + 1).toStdString();
                }
            }
        }
    }
}

// The record names of the rows below the header.
QStringList records(const TExStringGrid& g)
{
    QStringList out;
    for (int r = 1; r < g.RowCount(); ++r) out << g.GetCellEx(0, r);
    return out;
}

// The sort as the rows compare where they are: the quicksort on the grid's
// own cell comparisons and row swaps.
void referenceSort(TExStringGrid& g, int col, TSortDirection dir)
{
    g.SortSettings().Column = col;
    g.SortSettings().Direction = dir;
    auto compare = [&](int a, int b) { return col < 0 ? g.SortCompareIndexed(a, b) : g.SortCompareLine(col, a, b); };
    auto swap = [&](int a, int b) { g.SortSwapRows(a, b); };
    QuickSortRows(1, g.RowCount() - 1, col < 0 ? 1 : (dir == sdDescending ? -1 : 1), col < 0, compare, swap);
}

TEST(SortKeys, SortsEndInTheOrderOfTheCellComparison)
{
    constexpr int rows = 150;
    const std::vector<Setting> all = settings();
    for (const Setting& setting : all) {
        for (uint32_t seed = 1; seed <= 4; ++seed) {
            for (const TSortDirection dir : {sdAscending, sdDescending}) {
                SCOPED_TRACE(std::string(setting.name) + ", seed " + std::to_string(seed) +
                             (dir == sdAscending ? ", ascending" : ", descending"));
                grid_text_testing::FormatSettingsScope scope(u'.', u',');
                // Few distinct values: many ties, broken by the columns to the right.
                auto sorted = mixedGrid(rows, seed);
                auto reference = mixedGrid(rows, seed);
                setting.apply(*sorted);
                setting.apply(*reference);
                QStringList sortedCalls, referenceCalls;
                auto recordCalls = [](QStringList& calls, TExStringGrid& g) {
                    if (!g.OnCustomCompare) return;
                    g.OnCustomCompare = [&calls, inner = g.OnCustomCompare](QObject* s, const QString& a,
                                                                             const QString& b, int& res) {
                        calls << a + "|" + b;
                        inner(s, a, b, res);
                    };
                };
                recordCalls(sortedCalls, *sorted);
                recordCalls(referenceCalls, *reference);
                const int col = 1 + int(seed % 3);
                sorted->Sort(col, dir);
                referenceSort(*reference, col, dir);
                EXPECT_EQ(records(*sorted), records(*reference));
                EXPECT_EQ(sorted->Compares(), reference->Compares());
                EXPECT_EQ(sortedCalls, referenceCalls);
                // The cross-reference leads back to the first order.
                sorted->QUnSort();
                EXPECT_EQ(records(*sorted), records(*mixedGrid(rows, seed)));
            }
        }
    }
}

TEST(SortKeys, IndexedAndPartialSortsEndInTheOrderOfTheCellComparison)
{
    constexpr int rows = 120;
    grid_text_testing::FormatSettingsScope scope(u'.', u',');
    struct Case {
        const char* name;
        QString indexes;
        bool full;
        std::vector<int> ignored;
    };
    const Case cases[] = {
        {"two keys", "i;d3;u1", true, {}},
        {"a key twice", "i;u2;d2;u4", true, {}},
        {"first key ignored", "i;u1;d4", true, {1}},
        {"first key only", "i;d2;u3", false, {}},
    };
    for (const Case& tc : cases) {
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(std::string(tc.name) + ", seed " + std::to_string(seed));
            auto sorted = mixedGrid(rows, seed);
            auto reference = mixedGrid(rows, seed);
            for (TExStringGrid* g : {sorted.get(), reference.get()}) {
                g->SortSettings().Full = tc.full;
                for (int c : tc.ignored) g->IgnoreColumns().Add(c);
                g->SortIndexes().LoadFromString(tc.indexes.mid(2));
            }
            sorted->QSortIndexed();
            referenceSort(*reference, -1, sdAscending);
            EXPECT_EQ(records(*sorted), records(*reference));
            EXPECT_EQ(sorted->Compares(), reference->Compares());
        }
    }
    // A single-column sort without tie-breaks, and one whose sort column is ignored.
    for (const bool ignoreSortColumn : {false, true}) {
        SCOPED_TRACE(ignoreSortColumn ? "sort column ignored" : "no tie-break");
        auto sorted = mixedGrid(rows, 9);
        auto reference = mixedGrid(rows, 9);
        for (TExStringGrid* g : {sorted.get(), reference.get()}) {
            g->SortSettings().Full = ignoreSortColumn;
            if (ignoreSortColumn) g->IgnoreColumns().Add(2);
        }
        sorted->Sort(2, sdAscending);
        referenceSort(*reference, 2, sdAscending);
        EXPECT_EQ(records(*sorted), records(*reference));
        EXPECT_EQ(sorted->Compares(), reference->Compares());
    }
}

TEST(SortKeys, ASortedMixedColumnFiltersToTheRowsOfAFreshReadingOfEachCondition)
{
    // Sorted by the read-once keys and by the cell comparison, then filtered
    // on the sorted column: both keep the same rows in the same order, and
    // these are the rows whose trimmed text matches the condition read
    // afresh for that row alone.
    constexpr int rows = 200;
    struct Case {
        const char* name;
        QString condition;
        bool caseSensitive;
    };
    const Case cases[] = {
        {"above a number", ">5", true},
        {"a range of numbers", ">=-3&<=1.5", true},
        {"before a date", "<15/12/2020", true},
        {"after a date and time", ">\"01/02/2020 10:00\"", true},
        {"the error text", "#N/A", true},
        {"blank or a text", "|zz", true},
        {"not a number above 1", "!*1*", false},
        {"texts from a on", ">=a", false},
        {"number or date, grouped", "(>10&<100);(>1/1/2020&<1/1/2021)", true},
    };
    for (const Format& format : kFormats) {
        grid_text_testing::FormatSettingsScope scope(format.decimal, format.thousand, format.date, format.shortDate);
        for (const Case& tc : cases) {
            for (const TSortDirection dir : {sdAscending, sdDescending}) {
                SCOPED_TRACE(std::string(format.name) + ", " + tc.name + (dir == sdAscending ? ", up" : ", down"));
                auto sorted = mixedGrid(rows, 77);
                auto reference = mixedGrid(rows, 77);
                sorted->Sort(1, dir);
                referenceSort(*reference, 1, dir);
                ASSERT_EQ(records(*sorted), records(*reference));
                QStringList expected;
                for (int r = 1; r < reference->RowCount(); ++r)
                    if (MatchFilter(tc.condition, reference->GetCellEx(1, r).trimmed(), tc.caseSensitive))
                        expected << reference->GetCellEx(0, r);
                TFilterData& f = sorted->Filter().Add();
                f.Column = 1;
                f.Condition = tc.condition;
                f.CaseSensitive = tc.caseSensitive;
                sorted->SetFilterActive(true);
                EXPECT_EQ(records(*sorted), expected);
                EXPECT_FALSE(expected.isEmpty());
                EXPECT_LT(expected.size(), rows);
                sorted->SetFilterActive(false);
                EXPECT_EQ(records(*sorted), records(*reference)) << "every row back in the sorted order";
            }
        }
    }
}

TEST(SortKeys, SortNumbersReadToTheDoubleAFullParserGives)
{
    // Short plain numbers take a quick way; the double must be the same bit
    // for bit, and the forms around it keep their answers.
    std::mt19937_64 rng(11);
    for (int n = 0; n < 20000; ++n) {
        const int digits = 1 + int(rng() % 17);
        QString text;
        for (int d = 0; d < digits; ++d) text += QChar(u'0' + int(rng() % 10));
        if (rng() % 4 != 0) text.insert(qsizetype(rng() % (digits + 1)), u'.');
        if (rng() % 3 == 0) text.prepend(rng() % 2 ? u'-' : u'+');
        bool ok = false;
        const double expected = text.toDouble(&ok);
        ASSERT_TRUE(ok) << text.toStdString();
        const std::optional<double> read = sort_values::readSortNumber(text);
        ASSERT_TRUE(read.has_value()) << text.toStdString();
        ASSERT_EQ(std::memcmp(&*read, &expected, sizeof expected), 0) << text.toStdString();
    }
    const std::pair<QString, std::optional<double>> cases[] = {
        {" 7 ", 7.0}, {"+5", 5.0}, {"++5", std::nullopt}, {"+-5", -5.0}, {"5.", 5.0}, {"-.5", -0.5},
        {".", std::nullopt}, {"-", std::nullopt}, {"1,5", std::nullopt}, {"1e3", 1000.0}, {"inf", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(sort_values::readSortNumber(text), expected) << text.toStdString();
}

TEST(SortKeys, EachCellIsReadOncePerSort)
{
    // The display hook counts the reads of each column's cells.
    constexpr int rows = 300;
    grid_text_testing::FormatSettingsScope scope(u'.', u',');
    auto g = mixedGrid(rows, 5);
    std::map<int, int> reads;
    g->OnGetDisplText = [&reads](int col, int, QString&) { ++reads[col]; };
    g->Sort(1, sdAscending);
    EXPECT_EQ(reads[1], rows);
    for (int c = 2; c < 5; ++c) EXPECT_LE(reads[c], rows) << "tie-break column " << c;
    EXPECT_GT(g->Compares(), 2 * rows);
}

TEST(SortKeys, CellsThatBelongToTheirPlaceAreComparedWhereTheyAre)
{
    // A raw comparison gets row numbers, a single-column sort leaves the
    // tie-break columns in place, column 0's row check boxes are the rows'
    // selection: none of them can be read once.
    auto g = mixedGrid(10, 1);
    EXPECT_TRUE(TGridSortKeys(*g, 1, 10, 1).CanCompare());
    style(ssRaw)(*g);
    EXPECT_FALSE(TGridSortKeys(*g, 1, 10, 1).CanCompare());
    g->IgnoreColumns().Add(1);
    g->SortSettings().Full = false;
    EXPECT_TRUE(TGridSortKeys(*g, 1, 10, 1).CanCompare()) << "an ignored column is not compared";

    auto h = mixedGrid(10, 1);
    h->SortSettings().SingleColumn = true;
    EXPECT_FALSE(TGridSortKeys(*h, 1, 10, 1).CanCompare());

    auto k = mixedGrid(10, 1);
    k->MouseActions().SetHotmailRowSelect(true);
    EXPECT_TRUE(TGridSortKeys(*k, 1, 10, 1).CanCompare());
    EXPECT_FALSE(TGridSortKeys(*k, 1, 10, 0).CanCompare());
}

}  // namespace sort_keys_test

// Column and row calculations on small tables: non-numbers, empty cells,
// grouped rows, hidden rows, merged cells and ranges reaching past the grid.
// "abc" and "1.2.3" stand for texts that are no number.

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "controls/grid/calc/table_grid.h"
#include "controls/grid/grid_error.h"

using namespace grid;
using grid_calc_testing::oneColumn;
using grid_calc_testing::TableGrid;

namespace {

// Records the progress notifications of the calculations.
class NotifyingGrid : public TExStringGrid {
public:
    std::vector<std::pair<int, int>> seen;
    void ExportNotification(TGridExportState AState, int ARow) override { seen.emplace_back(int(AState), ARow); }
};

constexpr int kStart = TExStringGrid::esExportStart;
constexpr int kNext = TExStringGrid::esExportNextRow;
constexpr int kDone = TExStringGrid::esExportDone;

}  // namespace

TEST(ColumnCalc, FiguresOverNonNumbersAndEmptyCells)
{
    struct Case {
        const char* name;
        QStringList values;
        double sum, avg, min, max, distinct;
    };
    const Case cases[] = {
        // The text is passed over, the empty cell reads 0, the divisor counts every row.
        {"text and empty", {"1", "abc", "2", ""}, 3, 0.75, 0, 2, 4},
        {"empty seed", {"", "5", "7"}, 12, 4, 0, 7, 3},
        {"text later", {"5", "1.2.3", "3"}, 8, 8.0 / 3, 3, 5, 3},
        {"negatives", {"(2)", "-3", "1,000.5"}, 995.5, 995.5 / 3, -3, 1000.5, 3},
        {"case ignored", {"a", "A", "b", ""}, 0, 0, 0, 0, 3},
    };
    for (const Case& c : cases) {
        TableGrid t(oneColumn(c.values));
        const int last = t.g.RowCount() - 1;
        EXPECT_DOUBLE_EQ(t.g.ColumnSum(1, 1, last), c.sum) << c.name;
        EXPECT_DOUBLE_EQ(t.g.ColumnAvg(1, 1, last), c.avg) << c.name;
        EXPECT_DOUBLE_EQ(t.g.ColumnDistinct(1, 1, last), c.distinct) << c.name;
        if (c.values.front() == "a") continue;  // no number in the seed
        EXPECT_DOUBLE_EQ(t.g.ColumnMin(1, 1, last), c.min) << c.name;
        EXPECT_DOUBLE_EQ(t.g.ColumnMax(1, 1, last), c.max) << c.name;
    }
}

TEST(ColumnCalc, ErrorsOfTheSeedAndOfTheStandardDeviation)
{
    TableGrid t(oneColumn({"abc", "5", "7"}));
    EXPECT_THROW(t.g.ColumnMin(1, 1, 3), EExGridError);
    EXPECT_THROW(t.g.ColumnMax(1, 1, 3), EExGridError);
    EXPECT_DOUBLE_EQ(t.g.ColumnMin(1, 2, 3), 5);
    try {
        t.g.ColumnStdDev(1, 1, 3);
        ADD_FAILURE() << "no error";
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "Cell does not contain a float value");
    }
}

TEST(ColumnCalc, WhatACellReadsAsANumber)
{
    // Only an empty cell or a lone minus reads 0; a word is no number, even
    // though reading a number drops a currency sign in front and a unit after.
    struct Case {
        const char* text;
        bool number;
        double value;
    };
    const Case cases[] = {
        {"", true, 0},         {"  ", true, 0},       {"-", true, 0},        {"<b>7</b>", true, 7},
        {"$ 12.5", true, 12.5}, {"12 kg", true, 12},  {"(3)", true, -3},     {"1,234", true, 1234},
        {"abc", false, 0},     {"-x", false, 0},      {"(abc)", false, 0},   {"$", false, 0},
        {"1.2.3", false, 0},
    };
    for (const Case& c : cases) {
        TableGrid t(oneColumn({c.text}));
        if (c.number) {
            EXPECT_DOUBLE_EQ(t.g.Floats(1, 1), c.value) << c.text;
            EXPECT_DOUBLE_EQ(t.g.AllFloats(1, 1), c.value) << c.text;
        } else {
            EXPECT_THROW(t.g.Floats(1, 1), EExGridError) << c.text;
        }
    }
    // In a calculation a word is passed over by the sum but fails a deviation.
    TableGrid words(oneColumn({"4", "abc", "8"}));
    EXPECT_DOUBLE_EQ(words.g.ColumnSum(1, 1, 3), 12);
    EXPECT_THROW(words.g.ColumnStdDev(1, 1, 3), EExGridError);
    EXPECT_DOUBLE_EQ(words.g.RowSum(2, 0, 1), 2);  // the row number 2; the word is passed over
}

TEST(ColumnCalc, StandardDeviationIsThePopulationOne)
{
    TableGrid t(oneColumn({"2", "4", "4", "4", "5", "5", "7", "9"}));
    EXPECT_DOUBLE_EQ(t.g.ColumnStdDev(1, 1, 8), 2);
    EXPECT_DOUBLE_EQ(t.g.ColumnStdDev(1, -1, -1), 2);
    EXPECT_DOUBLE_EQ(t.g.ColumnStdDev(1, 5, 4), 0);
}

TEST(ColumnCalc, RangesEmptyNormalRowsAndFooters)
{
    TableGrid t(oneColumn({"1", "2", "3", "100"}));
    t.g.SetFixedFooters(1);  // 100 is a footer row
    EXPECT_DOUBLE_EQ(t.g.ColumnAvg(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(t.g.ColumnAvg(1, -1, -1), 2);
    EXPECT_DOUBLE_EQ(t.g.ColumnSum(1, -1, 3), 6);
    EXPECT_DOUBLE_EQ(t.g.ColumnMax(1, -1, -1), 3);
    // An empty range returns the seed.
    EXPECT_DOUBLE_EQ(t.g.ColumnMin(1, 2, 1), 2);
    EXPECT_DOUBLE_EQ(t.g.ColumnDistinct(1, 2, 1), 0);
}

TEST(ColumnCalc, RangesOutsideTheStoredCellsReadEmpty)
{
    TableGrid t(oneColumn({"1", "2", "3"}));
    // Beyond the last row: counted over all rows; rows that do not exist read 0.
    EXPECT_DOUBLE_EQ(t.g.ColumnSum(1, 1, 50), 6);
    EXPECT_DOUBLE_EQ(t.g.ColumnAvg(1, 1, 6), 1);
    EXPECT_DOUBLE_EQ(t.g.ColumnMin(1, 1, 50), 0);
    EXPECT_DOUBLE_EQ(t.g.ColumnMax(1, 40, 50), 0);
    EXPECT_NEAR(t.g.ColumnStdDev(1, 1, 6), std::sqrt((0.0 + 1 + 4 + 1 + 1 + 1) / 6), 1e-12);
    EXPECT_DOUBLE_EQ(t.g.ColumnDistinct(1, 1, 6), 4);  // 1, 2, 3 and the empty text
    EXPECT_DOUBLE_EQ(t.g.ColumnSum(1, -5, 2), 3);
    EXPECT_DOUBLE_EQ(t.g.ColumnSum(9, 1, 3), 0);
    EXPECT_DOUBLE_EQ(t.g.ColumnMin(-1, 1, 3), 0);
    EXPECT_DOUBLE_EQ(t.g.RowSum(1, 0, 30), 2);
    EXPECT_DOUBLE_EQ(t.g.RowMin(80, 0, 3), 0);
}

TEST(ColumnCalc, GroupRowsCountOnlyWhenHiddenOrNotGrouped)
{
    // Not grouped: a node and a summary row count like any other.
    TableGrid plain(oneColumn({"100", "1", "2", "1000"}));
    plain.g.AddNode(1, 3);
    plain.g.AddSummary(4);
    EXPECT_DOUBLE_EQ(plain.g.ColumnSum(1, 1, 4), 1103);

    // Grouped on column 1: header A (row 1), 1, 2, header B (row 4), 4.
    TableGrid t({{"K", "V"}, {"A", "1"}, {"A", "2"}, {"B", "4"}});
    t.g.Group(1);
    ASSERT_EQ(t.g.RowCount(), 6);
    ASSERT_TRUE(t.g.IsNode(1) && t.g.IsNode(4));
    t.g.SetCellEx(1, 1, "100");
    t.g.SetCellEx(1, 4, "1000");
    EXPECT_DOUBLE_EQ(t.g.ColumnSum(1, 1, 5), 7);
    EXPECT_DOUBLE_EQ(t.g.ColumnMax(1, 2, 5), 4);
    // The average still divides by every row of the range.
    EXPECT_DOUBLE_EQ(t.g.ColumnAvg(1, 1, 5), 7.0 / 5);
    // A hidden header counts when the range runs over all rows.
    t.g.HideRow(1);
    ASSERT_EQ(t.g.RowCount(), 5);
    EXPECT_DOUBLE_EQ(t.g.ColumnSum(1, 1, 4), 7);
    EXPECT_DOUBLE_EQ(t.g.ColumnSum(1, 1, 6), 107);
}

TEST(ColumnCalc, CoveredCellsAreNotCounted)
{
    TableGrid t({{"A", "B"}, {"4", "5"}, {"6", "7"}, {"8", "9"}});
    t.g.MergeCells(1, 1, 1, 2);  // column 1, rows 1..2: 6 is covered
    EXPECT_DOUBLE_EQ(t.g.ColumnSum(1, 1, 3), 12);
    EXPECT_DOUBLE_EQ(t.g.ColumnMax(1, 2, 3), 8);
    t.g.MergeCells(1, 3, 2, 1);  // row 3, columns 1..2: 9 is covered
    EXPECT_DOUBLE_EQ(t.g.RowSum(3, 1, 2), 8);
    EXPECT_DOUBLE_EQ(t.g.RowAvg(3, 1, 2), 4);
}

TEST(RowCalc, FiguresEmptyRangesAndErrors)
{
    TableGrid t({{"A", "B", "C", "D"}, {"4", "1.2.3", "", "-2"}, {"1..2", "1", "2", "3"}});
    EXPECT_DOUBLE_EQ(t.g.RowSum(1, 1, 4), 2);
    EXPECT_DOUBLE_EQ(t.g.RowAvg(1, 1, 4), 0.5);
    EXPECT_DOUBLE_EQ(t.g.RowMin(1, 1, 4), -2);
    EXPECT_DOUBLE_EQ(t.g.RowMax(1, 1, 4), 4);
    EXPECT_DOUBLE_EQ(t.g.RowAvg(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(t.g.RowSum(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(t.g.RowMin(1, 4, 1), -2);  // the seed
    EXPECT_THROW(t.g.RowMin(2, 1, 4), EExGridError);
    EXPECT_DOUBLE_EQ(t.g.RowMax(2, 2, 4), 3);
}

TEST(ColumnCalc, CustomCalculationsAskTheirEvents)
{
    TableGrid t(oneColumn({"1"}));
    EXPECT_DOUBLE_EQ(t.g.ColumnCustomCalc(1, 1, 1), 0);
    EXPECT_DOUBLE_EQ(t.g.DoGroupCalc(1, 1, 1), 0);
    std::vector<int> args;
    t.g.OnColumnCalc = [&](QObject*, int c, int f, int to, double& res) {
        args = {c, f, to};
        res = 42;
    };
    EXPECT_DOUBLE_EQ(t.g.ColumnCustomCalc(3, -1, 9), 42);
    EXPECT_EQ(args, (std::vector<int>{3, -1, 9}));
}

TEST(ColumnCalc, ProgressNotifications)
{
    TableGrid<NotifyingGrid> t(oneColumn({"1", "1.2.3", "3"}));
    t.g.ColumnSum(1, 1, 3);
    EXPECT_EQ(t.g.seen, (std::vector<std::pair<int, int>>{{kStart, 1}, {kNext, 1}, {kNext, 3}, {kDone, -1}}));
    t.g.seen.clear();
    t.g.ColumnAvg(1, 2, 1);
    EXPECT_TRUE(t.g.seen.empty());
    t.g.ColumnStdDev(1, 1, 1);
    EXPECT_EQ(t.g.seen, (std::vector<std::pair<int, int>>{{kStart, 1}, {kNext, 1}, {kDone, -1}, {kStart, 1}, {kDone, -1}}));
    t.g.seen.clear();
    t.g.ColumnDistinct(1, 2, 3);
    EXPECT_EQ(t.g.seen, (std::vector<std::pair<int, int>>{{kStart, 2}, {kNext, 2}, {kNext, 3}, {kDone, -1}}));
    t.g.seen.clear();
    t.g.RowSum(1, 0, 1);
    t.g.ColumnCustomCalc(1, 1, 3);
    EXPECT_TRUE(t.g.seen.empty());
}

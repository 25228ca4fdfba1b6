// Cell checks of the string grid through its checker.

#include <gtest/gtest.h>

#include <memory>

#include "controls/grid/cells/cell_checker.h"
#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace cell_checks_test {

// Upper-cases; marks "BAD" as an error; records what it was given.
class UpperChecker : public TExStringGridCheck {
public:
    QString Correct(int, int, const QString& s) override { return s.toUpper(); }
    QString MarkError(int, int, const QString& s) override
    {
        marked.push_back(s);
        QString out = s;
        out.replace("BAD", "<e>BAD</e>");
        return out;
    }
    QStringList marked;
};

struct CheckGrid {
    TExStringGrid g;
    UpperChecker checker;
    CheckGrid()
    {
        g.SetColCount(4);
        g.SetRowCount(4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) g.SetCellEx(c, r, "OK");
        g.CellChecker = &checker;
        checker.UseCorrect = true;
        checker.UseMarkError = true;
    }
};

TEST(CellChecks, WithoutACheckerEveryCheckPassesAndNothingChanges)
{
    TExStringGrid g;
    g.SetCellEx(1, 1, "abc");
    EXPECT_TRUE(g.CheckCell(1, 1));
    EXPECT_TRUE(g.CheckGrid(true));
    EXPECT_EQ(g.GetCellEx(1, 1), "abc");
}

TEST(CellChecks, CorrectionThenMarkOnTheCorrectedText)
{
    CheckGrid t;
    t.g.SetCellEx(1, 1, "abc");
    EXPECT_FALSE(t.g.CheckCell(1, 1));
    EXPECT_EQ(t.g.GetCellEx(1, 1), "ABC");
    EXPECT_EQ(t.checker.marked, QStringList{"ABC"});
    t.g.SetCellEx(1, 2, "bad");
    EXPECT_FALSE(t.g.CheckCell(1, 2));
    EXPECT_EQ(t.g.GetCellEx(1, 2), "<e>BAD</e>");
    // The error fixed: the earlier mark goes and the check passes.
    t.g.SetCellEx(1, 2, "<e>GOOD</e>");
    EXPECT_TRUE(t.g.CheckCell(1, 2));
    EXPECT_EQ(t.g.GetCellEx(1, 2), "GOOD");
}

TEST(CellChecks, ACellIsWrittenOnlyWhenTheCheckerChangedItsText)
{
    CheckGrid t;
    t.checker.UseCorrect = false;
    t.checker.UseMarkError = false;
    t.g.SetCellEx(1, 1, "abc");
    t.g.OnGetDisplText = [](int, int, QString& v) { v = v.toUpper(); };
    EXPECT_TRUE(t.g.CheckCell(1, 1));
    EXPECT_EQ(t.g.GetGridCell(1, 1), "abc") << "the shown text is not written into the cell";
}

TEST(CellChecks, AGridCheckVisitsEveryCellAndComesBackToTheCurrentCell)
{
    CheckGrid t;
    t.checker.GotoCell = true;
    t.g.SetCellEx(2, 1, "low");
    t.g.SetCellEx(0, 1, "fixed");
    t.g.SetCellEx(3, 3, "last");
    t.g.SetCol(3);
    t.g.SetRow(2);
    EXPECT_FALSE(t.g.CheckGrid(false));
    EXPECT_EQ(t.g.GetCellEx(2, 1), "LOW");
    EXPECT_EQ(t.g.GetCellEx(3, 3), "LAST") << "checked after the failing cell";
    EXPECT_EQ(t.g.GetCellEx(0, 1), "fixed");
    EXPECT_EQ(QPoint(t.g.Col(), t.g.Row()), QPoint(3, 2));
    EXPECT_FALSE(t.g.CheckCol(true, 0));
    EXPECT_EQ(t.g.GetCellEx(0, 1), "FIXED");
}

TEST(CellChecks, RowAndGridChecksLeaveHiddenColumnsOut)
{
    CheckGrid t;
    t.g.SetCellEx(2, 1, "hidden");
    t.g.SetCellEx(3, 1, "shown");
    t.g.HideColumn(2);
    EXPECT_FALSE(t.g.CheckRow(false, 1));
    EXPECT_EQ(t.g.GetGridCell(2, 1), "hidden");
    EXPECT_EQ(t.g.GetGridCell(3, 1), "SHOWN");
}

}  // namespace cell_checks_test

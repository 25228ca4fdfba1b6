#include <memory>
#include <vector>

#include <QObject>
#include <QPointer>
#include <gtest/gtest.h>

#include "controls/grid/base/base_grid_cells.h"
#include "controls/grid/cells/cell_checker.h"

using namespace grid;

namespace {

// Removes the error-mark tags of the tests' texts.
QString checkerUnMark(const QString& text)
{
    QString result = text;
    return result.remove("<e>").remove("</e>");
}

class CheckerTestGrid : public TBaseGridCells {
public:
    CheckerTestGrid()
    {
        SetColCount(3);
        SetRowCount(3);
    }
    void SetCol(int value) override
    {
        visited.push_back(value);
        TBaseGridCells::SetCol(value);
    }
    std::vector<int> visited;
};

// Marks every "bad" word and corrects "teh"; records its calls.
class CheckerWordChecker : public TExStringGridCheck {
public:
    QString MarkError(int ACol, int ARow, const QString& s) override
    {
        calls << QStringLiteral("mark %1,%2").arg(ACol).arg(ARow);
        QString result = s;
        return result.replace("bad", "<e>bad</e>");
    }
    QString Correct(int ACol, int ARow, const QString& s) override
    {
        calls << QStringLiteral("correct %1,%2").arg(ACol).arg(ARow);
        QString result = s;
        return result.replace("teh", "the");
    }
    void StartCheck() override { calls << "start"; }
    void StopCheck() override { calls << "stop"; }
    QStringList calls;
};

}  // namespace

TEST(CellCheckerTest, TheBaseCheckerChangesNothingAndStartsWithEverySwitchOff)
{
    TExStringGridCheck checker;
    EXPECT_EQ(checker.MarkError(1, 2, "a <b>text</b>"), "a <b>text</b>");
    EXPECT_EQ(checker.Correct(1, 2, "teh"), "teh");
    checker.StartCheck();
    checker.StopCheck();
    EXPECT_FALSE(checker.GotoCell);
    EXPECT_FALSE(checker.AutoCorrect);
    EXPECT_FALSE(checker.AutoMarkError);
    EXPECT_FALSE(checker.UseCorrect);
    EXPECT_FALSE(checker.UseMarkError);

    // A component owned by its form goes with it.
    auto form = std::make_unique<QObject>();
    QPointer<TExStringGridCheck> owned = new TExStringGridCheck(form.get());
    form.reset();
    EXPECT_TRUE(owned.isNull());
}

TEST(CellCheckerTest, CheckRuns)
{
    struct Case {
        const char* name;
        bool withChecker, base, useCorrect, useMarkError;
        bool success;
        const char* cell00;
        const char* cell10;
    } cases[] = {
        {"no checker: untouched and successful", false, false, true, true, true, "<e>bad</e> teh", "fine"},
        {"base checker: marks removed, successful", true, true, true, true, true, "bad teh", "fine"},
        {"correct only: corrected text counts as a fault", true, false, true, false, false, "bad the", "fine"},
        {"mark only: marked text counts as a fault", true, false, false, true, false, "<e>bad</e> teh", "fine"},
        {"both", true, false, true, true, false, "<e>bad</e> the", "fine"},
        {"switches off: marks removed only", true, false, false, false, true, "bad teh", "fine"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CheckerTestGrid grid;
        grid.SetCellEx(0, 0, "<e>bad</e> teh");
        grid.SetCellEx(1, 0, "fine");
        std::unique_ptr<TExStringGridCheck> checker;
        if (c.withChecker)
            checker = c.base ? std::make_unique<TExStringGridCheck>() : std::make_unique<CheckerWordChecker>();
        if (checker) {
            checker->UseCorrect = c.useCorrect;
            checker->UseMarkError = c.useMarkError;
        }
        EXPECT_EQ(CheckCells(grid, checker.get(), 0, 0, 1, 0, checkerUnMark), c.success);
        EXPECT_EQ(grid.GetCellEx(0, 0), c.cell00);
        EXPECT_EQ(grid.GetCellEx(1, 0), c.cell10);
    }
}

TEST(CellCheckerTest, ARunVisitsRowsThenColumnsBetweenStartAndStop)
{
    CheckerTestGrid grid;
    grid.MergeCells(0, 1, 2, 1);
    grid.SetCellEx(0, 1, "merged");
    CheckerWordChecker checker;
    checker.UseCorrect = true;
    checker.UseMarkError = true;
    EXPECT_TRUE(CheckCells(grid, &checker, 0, 0, 1, 1, checkerUnMark));
    EXPECT_EQ(checker.calls, QStringList({"start", "correct 0,0", "mark 0,0", "correct 1,0", "mark 1,0",
                                          "correct 0,1", "mark 0,1", "correct 1,1", "mark 1,1", "stop"}));
    EXPECT_EQ(grid.GetCellEx(1, 1), "merged");  // read and written through the base cell
}

TEST(CellCheckerTest, GotoCellVisitsEachCellAndComesBack)
{
    for (bool gotoCell : {false, true}) {
        SCOPED_TRACE(gotoCell ? "GotoCell" : "no GotoCell");
        CheckerTestGrid grid;
        grid.SetCol(2);
        grid.SetRow(2);
        grid.visited.clear();
        TExStringGridCheck checker;
        checker.GotoCell = gotoCell;
        CheckCells(grid, &checker, 0, 0, 1, 0, checkerUnMark);
        EXPECT_EQ(grid.Col(), 2);
        EXPECT_EQ(grid.Row(), 2);
        EXPECT_EQ(grid.visited, gotoCell ? std::vector<int>({0, 1, 2}) : std::vector<int>());
    }
}

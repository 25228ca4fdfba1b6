#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "controls/grid/base/base_grid_cells.h"
#include "controls/grid/cells/grid_undo.h"

using namespace grid;

namespace {

// A grid that maps storage column c to display column c - 1 (column 0
// hidden) and records where the current cell goes and what is repainted.
class UndoTestGrid : public TBaseGridCells {
public:
    UndoTestGrid()
    {
        SetColCount(3);
        SetRowCount(3);
    }
    int DisplColIndex(int ACol) const override { return ACol > 0 ? ACol - 1 : 0; }
    void SetCol(int value) override
    {
        cols.push_back(value);
        TBaseGridCells::SetCol(value);
    }
    void SetRow(int value) override
    {
        rows.push_back(value);
        TBaseGridCells::SetRow(value);
    }
    void RepaintCell(int c, int r) override { repaintedCells.emplace_back(c, r); }
    void RepaintGrid() override { ++gridRepaints; }

    std::vector<int> cols, rows;
    std::vector<std::pair<int, int>> repaintedCells;
    int gridRepaints = 0;
};

}  // namespace

struct UndoScriptStep {
    char op;       // c = change cell (col, 1) to text, S/E = sequence start/stop, U/R = undo/redo, X = reset
    int col = 0;
    const char* text = "";
};

struct UndoScript {
    const char* name;
    int maxLevel;
    std::vector<UndoScriptStep> steps;
    const char* texts;  // cells (0..2, 1) joined with "|"
    int level, count;
    int events;         // OnUndo + OnRedo calls
};

void PrintTo(const UndoScript& script, std::ostream* os)
{
    *os << script.name;
}

class UndoScriptTest : public testing::TestWithParam<UndoScript> {};

TEST_P(UndoScriptTest, RunsTheScript)
{
    const UndoScript& script = GetParam();
    UndoTestGrid grid;
    TExGridUndoRedo undo;
    undo.SetMaxLevel(script.maxLevel);
    grid.SetUndoRedo(&undo);
    int events = 0;
    undo.OnUndo = [&events](TExGridUndoRedo*, TBaseGridCells*, int, int, const QString&, const QString&) { ++events; };
    undo.OnRedo = undo.OnUndo;

    for (const UndoScriptStep& step : script.steps) {
        switch (step.op) {
        case 'c': {
            const QString old = grid.GetCellEx(step.col, 1);
            grid.SetCellEx(step.col, 1, step.text);
            undo.RegisterChange(step.col, 1, old, step.text);
            break;
        }
        case 'S': undo.StartSequence(); break;
        case 'E': undo.StopSequence(); break;
        case 'U': undo.Undo(); break;
        case 'R': undo.Redo(); break;
        case 'X': undo.Reset(); break;
        }
        ASSERT_GE(undo.Level(), 0);
        ASSERT_LE(undo.Level(), undo.Count());
    }

    EXPECT_EQ(grid.GetCellEx(0, 1) + "|" + grid.GetCellEx(1, 1) + "|" + grid.GetCellEx(2, 1), script.texts);
    EXPECT_EQ(undo.Level(), script.level);
    EXPECT_EQ(undo.Count(), script.count);
    EXPECT_EQ(undo.CanUndo(), script.level > 0);
    EXPECT_EQ(undo.CanRedo(), script.level < script.count);
    EXPECT_EQ(events, script.events);
    // Markers never select a cell.
    for (int row : grid.rows) EXPECT_EQ(row, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, UndoScriptTest,
    testing::Values(
        UndoScript{"new change ends the redo history", 0,
               {{'c', 0, "a"}, {'c', 0, "b"}, {'c', 0, "c"}, {'U'}, {'U'}, {'c', 0, "d"}, {'R'}},
               "d||", 2, 2, 2},
        UndoScript{"max level drops the oldest change", 3,
               {{'c', 0, "a"}, {'c', 0, "b"}, {'c', 0, "c"}, {'c', 0, "d"}, {'U'}, {'U'}, {'U'}, {'U'}},
               "a||", 0, 3, 3},
        UndoScript{"one undo takes back a whole sequence", 0,
               {{'S'}, {'c', 0, "x"}, {'c', 1, "y"}, {'E'}, {'U'}}, "||", 0, 4, 2},
        UndoScript{"one redo re-applies a whole sequence", 0,
               {{'S'}, {'c', 0, "x"}, {'c', 1, "y"}, {'E'}, {'U'}, {'R'}}, "x|y|", 4, 4, 4},
        UndoScript{"single changes around a sequence", 0,
               {{'c', 2, "p"}, {'S'}, {'c', 0, "x"}, {'E'}, {'c', 2, "q"}, {'U'}, {'U'}, {'R'}},
               "x||p", 4, 5, 3},
        UndoScript{"opening marker undone on its own", 0, {{'S'}, {'U'}}, "||", 0, 1, 0},
        UndoScript{"opening marker redone on its own", 0, {{'S'}, {'U'}, {'R'}}, "||", 1, 1, 0},
        UndoScript{"unclosed sequence undoes change by change", 0,
               {{'S'}, {'c', 0, "x"}, {'c', 1, "y"}, {'U'}}, "x||", 2, 3, 1},
        UndoScript{"unclosed sequence undone to the start", 0,
               {{'S'}, {'c', 0, "x"}, {'c', 1, "y"}, {'U'}, {'U'}, {'U'}, {'U'}}, "||", 0, 3, 2},
        UndoScript{"unclosed sequence redone to the end", 0,
               {{'S'}, {'c', 0, "x"}, {'c', 1, "y"}, {'U'}, {'U'}, {'U'}, {'R'}}, "x|y|", 3, 3, 4},
        UndoScript{"sequence whose opening marker was dropped", 2,
               {{'S'}, {'c', 0, "a"}, {'c', 0, "b"}, {'E'}, {'U'}}, "||", 0, 3, 2},
        UndoScript{"closing marker on its own", 0, {{'E'}, {'U'}, {'R'}, {'U'}}, "||", 0, 1, 0},
        UndoScript{"nothing to undo or redo", 0, {{'U'}, {'R'}, {'c', 0, "a"}, {'R'}}, "a||", 1, 1, 0},
        UndoScript{"reset forgets everything", 0, {{'c', 0, "a"}, {'c', 0, "b"}, {'U'}, {'X'}, {'U'}, {'R'}},
               "a||", 0, 0, 1}),
    [](const testing::TestParamInfo<UndoScript>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(GridUndoTest, EventsSeeTheCurrentTextAndTheTextAboutToBeWritten)
{
    UndoTestGrid grid;
    TExGridUndoRedo undo;
    grid.SetUndoRedo(&undo);
    grid.SetCellEx(2, 2, "typed");
    undo.RegisterChange(2, 2, "before", "typed");
    grid.SetCellEx(2, 2, "edited since");

    struct Seen {
        TExGridUndoRedo* sender;
        TBaseGridCells* grid;
        int col, row;
        QString orig, next;
    };
    std::vector<Seen> seen;
    undo.OnUndo = [&seen](TExGridUndoRedo* s, TBaseGridCells* g, int c, int r, const QString& o, const QString& n) {
        seen.push_back({s, g, c, r, o, n});
    };
    undo.OnRedo = undo.OnUndo;

    undo.Undo();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].sender, &undo);
    EXPECT_EQ(seen[0].grid, &grid);
    EXPECT_EQ(seen[0].col, 2);
    EXPECT_EQ(seen[0].row, 2);
    EXPECT_EQ(seen[0].orig, "edited since");
    EXPECT_EQ(seen[0].next, "before");
    EXPECT_EQ(grid.GetCellEx(2, 2), "before");

    undo.Redo();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].orig, "before");
    EXPECT_EQ(seen[1].next, "typed");
    EXPECT_EQ(grid.GetCellEx(2, 2), "typed");
}

TEST(GridUndoTest, UndoSelectsTheChangedCellInDisplayColumnsAndRepaints)
{
    UndoTestGrid grid;
    TExGridUndoRedo undo;
    grid.SetUndoRedo(&undo);
    undo.RegisterChange(2, 0, "", "a");
    undo.Undo();
    EXPECT_EQ(grid.Col(), 1);  // storage column 2 shows as display column 1
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(grid.repaintedCells, (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_EQ(grid.gridRepaints, 0);

    undo.StartSequence();
    undo.RegisterChange(1, 2, "", "b");
    undo.StopSequence();
    undo.Undo();
    EXPECT_EQ(grid.gridRepaints, 1);
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.Row(), 2);
    undo.Redo();
    EXPECT_EQ(grid.gridRepaints, 2);
}

TEST(GridUndoTest, ItemsRecordValuesAndMarkers)
{
    TExGridUndoRedo undo;
    undo.StartSequence();
    undo.RegisterChange(3, 4, "old", "new");
    undo.StopSequence();
    ASSERT_EQ(undo.Count(), 3);
    const TUndoRedoItem& start = undo.Items()[0];
    EXPECT_TRUE(start.SequenceStart);
    EXPECT_FALSE(start.SequenceStop);
    EXPECT_EQ(start.Col, -1);
    EXPECT_EQ(start.Row, -1);
    const TUndoRedoItem& change = undo.Items()[1];
    EXPECT_EQ(change.Col, 3);
    EXPECT_EQ(change.Row, 4);
    EXPECT_EQ(change.OrigValue, "old");
    EXPECT_EQ(change.Value, "new");
    EXPECT_FALSE(change.IsMarker());
    EXPECT_TRUE(undo.Items()[2].SequenceStop);

    // No grid linked: nothing happens.
    undo.Undo();
    EXPECT_EQ(undo.Level(), 3);
}

TEST(GridUndoTest, LinksAreDroppedWhenEitherSideGoes)
{
    auto grid = std::make_unique<UndoTestGrid>();
    auto undo = std::make_unique<TExGridUndoRedo>();
    grid->SetUndoRedo(undo.get());
    EXPECT_EQ(undo->Grid(), grid.get());
    undo.reset();
    EXPECT_EQ(grid->UndoRedo(), nullptr);

    undo = std::make_unique<TExGridUndoRedo>();
    grid->SetUndoRedo(undo.get());
    grid.reset();
    EXPECT_EQ(undo->Grid(), nullptr);
    undo->RegisterChange(0, 0, "", "x");
    undo->Undo();  // no grid: no effect
    EXPECT_EQ(undo->Level(), 1);

    // Linking another component releases the first.
    UndoTestGrid other;
    TExGridUndoRedo first, second;
    other.SetUndoRedo(&first);
    other.SetUndoRedo(&second);
    EXPECT_EQ(first.Grid(), nullptr);
    EXPECT_EQ(second.Grid(), &other);
}

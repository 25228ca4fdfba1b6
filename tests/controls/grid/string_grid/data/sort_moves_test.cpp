// A sort moves its rows in one pass where the grid's class allows it; a
// descendant that has not said so (it may override SortSwapRows) gets every
// exchange. Both ways must leave everything that follows a row alike: cells
// and objects, heights, modified marks, disabled rows, the disjunct
// selection (by all-rows index, a row being hidden), cell controls, the
// current row, the sort cross-reference and the exchange count.

#include <memory>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include <QWidget>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace sort_moves_test {

// A descendant that counts the exchanges reaching SortSwapRows.
template <typename Grid>
class CountingGrid : public Grid {
public:
    void SortSwapRows(int a, int b) override
    {
        ++Exchanges;
        Grid::SortSwapRows(a, b);
    }
    int Exchanges = 0;
};

// One that also answers whether the sort may move the rows in one pass.
template <typename Grid, bool atOnce>
class WatchedGrid : public CountingGrid<Grid> {
protected:
    bool SortMovesRowsAtOnce() const override { return atOnce; }
};

constexpr int kRows = 80;

// Which row marks a sort moves, and whether the rows are in groups.
struct Scenario {
    const char* name;
    bool showModified;
    bool disjunctSelect;
    bool moveRowOnSort;
    // Groups of display rows 1-25, 26-50 (collapsed: its rows are hidden)
    // and 51-80, sorted each on its own; else one hidden row, row 6.
    bool groups;
};

const Scenario kScenarios[] = {
    {"every mark moves", true, true, true, false},
    {"modified marks not shown", false, true, true, false},
    {"no disjunct selection", true, false, true, false},
    {"selection stays without move-row-on-sort", true, true, false, false},
    {"groups, one collapsed", true, true, true, true},
};

// Records with few distinct values (many ties, broken by the next columns)
// and, on scattered rows, everything that moves with a row.
void fill(TExStringGrid& g, std::vector<std::unique_ptr<QWidget>>& controls, const Scenario& scenario)
{
    std::mt19937 rng(11);
    g.SetColCount(4);
    g.SetRowCount(kRows + 1);
    g.SetFixedRows(1);
    g.ShowModified().Enabled = true;
    g.MouseActions().SetDisjunctRowSelectDirect(true);
    for (int r = 1; r <= kRows; ++r) {
        g.SetCellEx(0, r, QString("R%1").arg(r));
        g.SetCellEx(1, r, QString::number(rng() % 7));
        g.SetCellEx(2, r, QString::number(double(rng() % 5) * 1.5));
        g.SetCellEx(3, r, rng() % 4 == 0 ? QString() : QString("t%1").arg(rng() % 9));
        g.SetObjectEx(2, r, uintptr_t(1000 + r));
        if (r % 3 == 0) g.SetRowHeights(r, 20 + r % 7);
        if (r % 4 == 1) g.SetRowModified(r, true);
        if (r % 6 == 2) g.SetRowEnabled(r, false);
        if (r % 5 == 0) g.SetRowSelect(r, true);
    }
    g.ShowModified().Enabled = scenario.showModified;
    g.Navigation().MoveRowOnSort = scenario.moveRowOnSort;
    for (int r : {3, 17, 40, 77}) {
        controls.push_back(std::make_unique<QWidget>());
        g.CellControlList().AddControl(2, r, controls.back().get());
    }
    g.SetRow(10);
    if (scenario.groups) {
        g.AddNode(1, 25);
        g.AddNode(26, 25);
        g.AddNode(51, 30);
        g.ContractNode(26);  // display rows from 27 on are all-rows rows 24 further
    } else {
        g.HideRow(6);  // display rows from 6 on are all-rows rows one further
    }
    // Set last: the selection flags are read back through it.
    g.MouseActions().SetDisjunctRowSelectDirect(scenario.disjunctSelect);
}

// Everything that follows a row, as text.
QStringList rowState(TExStringGrid& g)
{
    QStringList out;
    for (int r = 0; r < g.RowCount(); ++r)
        out << QString("%1|%2|%3|%4|%5|h%6|m%7|e%8")
                   .arg(g.GetCellEx(0, r), g.GetCellEx(1, r), g.GetCellEx(2, r), g.GetCellEx(3, r))
                   .arg(g.GetObjectEx(2, r))
                   .arg(g.RowHeights(r))
                   .arg(g.RowModified(r))
                   .arg(g.RowEnabled(r));
    const bool disjunct = g.MouseActions().DisjunctRowSelect();
    g.MouseActions().SetDisjunctRowSelectDirect(true);
    QString selected = "selected";
    for (int r = 0; r < g.TotalRowCount(); ++r)
        if (g.RowSelect(r)) selected += QString(" %1").arg(r);
    out << selected;
    g.MouseActions().SetDisjunctRowSelectDirect(disjunct);
    for (int i = 0; i < g.CellControlList().Count(); ++i)
        out << QString("control %1 at %2,%3").arg(i).arg(g.CellControlList().GetControl(i)->X).arg(g.CellControlList().GetControl(i)->Y);
    QString xref = "xref";
    for (int r = 0; r < g.SortRowXRef().Count(); ++r) xref += QString(" %1").arg(g.SortRowXRef()[r]);
    out << xref << QString("row %1, swaps %2").arg(g.Row()).arg(g.Swaps());
    return out;
}

using TSteps = std::vector<std::pair<const char*, std::function<void(TExStringGrid&)>>>;

// The steps run one after another on both grids.
const TSteps kSteps = {
    {"sort on column 1", [](TExStringGrid& g) { g.Sort(1, sdAscending); }},
    {"sort on column 2, descending", [](TExStringGrid& g) { g.Sort(2, sdDescending); }},
    {"indexed sort", [](TExStringGrid& g) {
         g.SortIndexes().LoadFromString("d3;u1");
         g.QSortIndexed();
     }},
    {"unsort", [](TExStringGrid& g) { g.QUnSort(); }},
    {"sort on column 3", [](TExStringGrid& g) { g.Sort(3, sdAscending); }},
};
const TSteps kGroupSteps = {
    {"group sort on column 1", [](TExStringGrid& g) {
         g.SortSettings().Column = 1;
         g.QSortGroup();
     }},
    {"group sort on column 2, descending", [](TExStringGrid& g) {
         g.SortSettings().Column = 2;
         g.SortSettings().Direction = sdDescending;
         g.QSortGroup();
     }},
};

template <typename Grid>
void expectOnePassMovesAsExchanges(const Scenario& scenario)
{
    WatchedGrid<Grid, true> atOnce;
    WatchedGrid<Grid, false> exchanging;
    std::vector<std::unique_ptr<QWidget>> controls;
    fill(atOnce, controls, scenario);
    fill(exchanging, controls, scenario);
    for (const auto& [name, step] : scenario.groups ? kGroupSteps : kSteps) {
        SCOPED_TRACE(name);
        step(atOnce);
        step(exchanging);
        EXPECT_EQ(rowState(atOnce), rowState(exchanging));
        EXPECT_EQ(atOnce.Exchanges, 0);
        EXPECT_EQ(exchanging.Exchanges, exchanging.Swaps());
    }
    EXPECT_GT(atOnce.Swaps(), 0);
}

}  // namespace sort_moves_test
using namespace sort_moves_test;

TEST(SortMoves, OnePassMovesEndAsTheExchangesDo)
{
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        {
            SCOPED_TRACE("string grid");
            expectOnePassMovesAsExchanges<TExStringGrid>(scenario);
        }
        {
            SCOPED_TRACE("column grid");
            expectOnePassMovesAsExchanges<TExColumnGrid>(scenario);
        }
    }
}

TEST(SortMoves, OnlyTheGridsOwnClassesMoveAtOnce)
{
    // A descendant that overrides SortSwapRows sees every exchange; the
    // grids themselves see none.
    CountingGrid<TExStringGrid> g;
    std::vector<std::unique_ptr<QWidget>> controls;
    fill(g, controls, kScenarios[0]);
    g.Sort(1, sdAscending);
    EXPECT_GT(g.Exchanges, 0);
    EXPECT_EQ(g.Exchanges, g.Swaps());
}

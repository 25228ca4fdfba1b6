// Column and row calculations and grouping: each member hands over to its
// unit under calc/ or grouping/.

#include "controls/grid/calc/column_calc.h"
#include "controls/grid/cells/cell_properties.h"
#include "controls/grid/grouping/grid_grouping.h"
#include "controls/grid/search/search_panel.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

double TExStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) { return calc::ColumnSum(*this, ACol, FromRow, ToRow); }
double TExStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) { return calc::ColumnAvg(*this, ACol, FromRow, ToRow); }
double TExStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) { return calc::ColumnMin(*this, ACol, FromRow, ToRow); }
double TExStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) { return calc::ColumnMax(*this, ACol, FromRow, ToRow); }
double TExStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    return calc::ColumnDistinct(*this, ACol, FromRow, ToRow);
}
double TExStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    return calc::ColumnStdDev(*this, ACol, FromRow, ToRow);
}

double TExStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TExStringGrid::DoGroupCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TExStringGrid::RowSum(int ARow, int fromCol, int toCol) { return calc::RowSum(*this, ARow, fromCol, toCol); }
double TExStringGrid::RowAvg(int ARow, int fromCol, int toCol) { return calc::RowAvg(*this, ARow, fromCol, toCol); }
double TExStringGrid::RowMin(int ARow, int fromCol, int toCol) { return calc::RowMin(*this, ARow, fromCol, toCol); }
double TExStringGrid::RowMax(int ARow, int fromCol, int toCol) { return calc::RowMax(*this, ARow, fromCol, toCol); }

// ------------------------------------------------------------ grouping

namespace {

// The grid's GroupColumn follows the grouping state, also when an exception passes.
class TGroupColumnSync {
public:
    TGroupColumnSync(int& column, const grouping::TGroupState& state) : FColumn(column), FState(state) {}
    ~TGroupColumnSync() { FColumn = FState.Column; }
    TGroupColumnSync(const TGroupColumnSync&) = delete;
    TGroupColumnSync& operator=(const TGroupColumnSync&) = delete;

private:
    int& FColumn;
    const grouping::TGroupState& FState;
};

}  // namespace

void TExStringGrid::SubGroup(int Colindex)
{
    TGroupColumnSync sync(FGroupColumn, FGroupState);
    grouping::SubGroup(*this, FGroupState, Colindex);
}

void TExStringGrid::SubUnGroup(int Colindex)
{
    TGroupColumnSync sync(FGroupColumn, FGroupState);
    grouping::SubUnGroup(*this, FGroupState, Colindex);
}

namespace {

// After grouping (also when it fails) a shown search footer lays itself out
// again over the changed grid.
class TSearchFooterRelayout {
public:
    explicit TSearchFooterRelayout(TExStringGrid& grid) : FGrid(grid) {}
    ~TSearchFooterRelayout()
    {
        if (search::TSearchPanel* panel = FGrid.SearchPanel(); panel != nullptr && panel->Shown()) panel->PlaceInOwner();
    }
    TSearchFooterRelayout(const TSearchFooterRelayout&) = delete;
    TSearchFooterRelayout& operator=(const TSearchFooterRelayout&) = delete;

private:
    TExStringGrid& FGrid;
};

}  // namespace

void TExStringGrid::Group(int Colindex)
{
    TSearchFooterRelayout relayout(*this);
    TGroupColumnSync sync(FGroupColumn, FGroupState);
    grouping::Group(*this, FGroupState, Colindex);
}

void TExStringGrid::UnGroup()
{
    TGroupColumnSync sync(FGroupColumn, FGroupState);
    grouping::UnGroup(*this, FGroupState);
}

void TExStringGrid::SetGroupColumn(int value)
{
    if (value == -1)
        UnGroup();
    else if (value > 0)
        Group(value);
}

void TExStringGrid::GroupCalc(int Colindex, int method) { grouping::GroupCalc(*this, Colindex, method); }

namespace {

// The figure into the groups and, with the floating footer showing, the
// same calculation for the column's footer cell.
void groupCalcWithFooter(TExStringGrid& g, int column, int method, TColumnCalcType kind)
{
    g.GroupCalc(column, method);
    if (!g.FloatingFooter().Visible || column < 0 || column >= g.TotalColCount()) return;
    if (TCellProperties* props = g.GetCellProperties(column, g.RowCount() - 1)) props->SetCalcType(kind);
}

}  // namespace

void TExStringGrid::GroupSum(int Colindex) { groupCalcWithFooter(*this, Colindex, grouping::gcSum, acSUM); }
void TExStringGrid::GroupAvg(int Colindex) { groupCalcWithFooter(*this, Colindex, grouping::gcAvg, acAVG); }
void TExStringGrid::GroupMin(int Colindex) { groupCalcWithFooter(*this, Colindex, grouping::gcMin, acMIN); }
void TExStringGrid::GroupMax(int Colindex) { groupCalcWithFooter(*this, Colindex, grouping::gcMax, acMAX); }
void TExStringGrid::GroupCount(int Colindex) { groupCalcWithFooter(*this, Colindex, grouping::gcCount, acCOUNT); }
void TExStringGrid::GroupCustomCalc(int Colindex) { GroupCalc(Colindex, grouping::gcCustom); }
void TExStringGrid::GroupDistinct(int Colindex) { GroupCalc(Colindex, grouping::gcDistinct); }
void TExStringGrid::GroupStdDev(int Colindex) { GroupCalc(Colindex, grouping::gcStdDev); }

}  // namespace grid

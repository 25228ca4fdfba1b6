// What this grid calls of its editing and data-operation services: the
// in-place editor's open and close, the editor-property query, the
// cells-changed notification, row-range primitives and the column
// calculations of the footer.

#include <algorithm>
#include <cmath>
#include <set>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"

namespace grid {

void TExStringGrid::GetEditorProp(int ACol, int ARow, QObject* AEditLink)
{
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
    if (OnGetEditorPropInt) OnGetEditorPropInt(this, ACol, ARow);
}

void TExStringGrid::CellsChanged(const QRect& R)
{
    if (OnCellsChanged) OnCellsChanged(this, R);
    FNotifierList.NotifyCellsChanged(R);
    CalcFooter(-1);
}

// ------------------------------------------------------------ column calculations

namespace grid_services_detail {

// The rows of a calculation: -1 means the normal rows; a range reaching
// beyond the display rows counts hidden rows in place (all-rows indexes).
struct CalcRange {
    int from = 0;
    int to = 0;
    bool allRows = false;
};

}  // namespace grid_services_detail

namespace grid_services_detail {
CalcRange calcRange(const TExStringGrid& g, int FromRow, int ToRow, int fixedRows,
                                          int footers, bool footerVisible)
{
    grid_services_detail::CalcRange range;
    range.from = FromRow == -1 ? fixedRows : FromRow;
    range.to = ToRow == -1 ? g.RowCount() - footers - 1 - (footerVisible ? 1 : 0) : ToRow;
    range.allRows = footerVisible ? range.to > g.RowCount() - 1 : range.to > g.RowCount();
    return range;
}
}  // namespace grid_services_detail

double TExStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    const auto range = grid_services_detail::calcRange(*this, FromRow, ToRow, GridBase::FixedRows(), FFixedFooters, FFloatingFooter.Visible);
    double sum = 0;
    for (int r = range.from; r <= range.to; ++r) {
        try {
            sum += range.allRows ? AllFloats(ACol, r) : Floats(ACol, r);
        } catch (const EExGridError&) {
        }
    }
    return sum;
}

double TExStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    const auto range = grid_services_detail::calcRange(*this, FromRow, ToRow, GridBase::FixedRows(), FFixedFooters, FFloatingFooter.Visible);
    const int n = range.to - range.from + 1;
    return n > 0 ? ColumnSum(ACol, FromRow, ToRow) / n : 0.0;
}

namespace grid_services_detail {
template <typename Better>
double extremum(TExStringGrid& g, int ACol, const grid_services_detail::CalcRange& range, Better better)
{
    bool any = false;
    double result = 0;
    for (int r = range.from; r <= range.to; ++r) {
        try {
            const double v = range.allRows ? g.AllFloats(ACol, r) : g.Floats(ACol, r);
            if (!any || better(v, result)) result = v;
            any = true;
        } catch (const EExGridError&) {
        }
    }
    return result;
}
}  // namespace grid_services_detail

double TExStringGrid::ColumnMin(int ACol, int FromRow, int ToRow)
{
    const auto range = grid_services_detail::calcRange(*this, FromRow, ToRow, GridBase::FixedRows(), FFixedFooters, FFloatingFooter.Visible);
    return grid_services_detail::extremum(*this, ACol, range, [](double v, double best) { return v < best; });
}

double TExStringGrid::ColumnMax(int ACol, int FromRow, int ToRow)
{
    const auto range = grid_services_detail::calcRange(*this, FromRow, ToRow, GridBase::FixedRows(), FFixedFooters, FFloatingFooter.Visible);
    return grid_services_detail::extremum(*this, ACol, range, [](double v, double best) { return v > best; });
}

double TExStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    const auto range = grid_services_detail::calcRange(*this, FromRow, ToRow, GridBase::FixedRows(), FFixedFooters, FFloatingFooter.Visible);
    std::set<QString> seen;
    for (int r = range.from; r <= range.to; ++r)
        seen.insert((range.allRows ? CellsEx(ACol, r) : GetCellEx(ACol, r)).toLower());
    return double(seen.size());
}

double TExStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    const auto range = grid_services_detail::calcRange(*this, FromRow, ToRow, GridBase::FixedRows(), FFixedFooters, FFloatingFooter.Visible);
    const int n = range.to - range.from + 1;
    if (n <= 0) return 0.0;
    const double avg = ColumnAvg(ACol, FromRow, ToRow);
    double squares = 0;
    for (int r = range.from; r <= range.to; ++r) {
        try {
            const double d = (range.allRows ? AllFloats(ACol, r) : Floats(ACol, r)) - avg;
            squares += d * d;
        } catch (const EExGridError&) {
        }
    }
    return std::sqrt(squares / n);
}

}  // namespace grid

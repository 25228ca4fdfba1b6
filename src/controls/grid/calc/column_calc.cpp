// Column and row reductions over the string grid's public cell services.

#include "controls/grid/calc/column_calc.h"

#include <cmath>
#include <optional>
#include <set>
#include <vector>

#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::calc {

namespace {

using ES = TExStringGrid::TGridExportState;

struct TRange {
    int from = 0;
    int to = 0;
};

TRange columnRange(const TExStringGrid& g, int FromRow, int ToRow)
{
    if (FromRow == -1 || ToRow == -1) return {g.FixedRows(), g.RowCount() - 1 - g.FixedFooters()};
    return {FromRow, ToRow};
}

// A range reaching beyond the display rows counts over all rows.
bool countsAllRows(TExStringGrid& g, int ToRow)
{
    return g.FloatingFooter().Visible ? ToRow > g.RowCount() - 1 : ToRow > g.RowCount();
}

bool insideColumns(const TExStringGrid& g, int ACol) { return ACol >= 0 && ACol < g.TotalColCount(); }

// The number of a display cell; outside the grid an empty cell (0).
double displayFloat(const TExStringGrid& g, int ACol, int ARow)
{
    if (!insideColumns(g, ACol) || ARow < 0 || ARow >= g.RowCount()) return 0.0;
    return g.Floats(ACol, ARow);
}

double allRowsFloat(const TExStringGrid& g, int ACol, int ARow)
{
    if (!insideColumns(g, ACol) || ARow < 0 || ARow >= g.TotalRowCount()) return 0.0;
    return g.AllFloats(ACol, ARow);
}

// Which rows of a sum, minimum or maximum count, and their values. The
// hidden rows are looked up in a set built the first time a header or
// summary row asks.
class TCountedRows {
public:
    TCountedRows(TExStringGrid& g, int ACol, int ToRow) : FGrid(g), FCol(ACol), FAllRows(countsAllRows(g, ToRow)) {}

    // The value of row r when it counts; nothing for a row passed over.
    std::optional<double> Value(int r)
    {
        const int d = FAllRows ? FGrid.DisplRowIndex(r) : r;
        const bool onDisplay = d >= 0 && d < FGrid.RowCount();
        if (onDisplay) {
            const bool groupRow = FGrid.IsNode(d) || FGrid.IsSummary(d);
            if (groupRow && FGrid.GroupColumn() != -1 && !IsHidden(r)) return std::nullopt;
            if (insideColumns(FGrid, FCol) && !FGrid.IsBaseCell(FCol, d)) return std::nullopt;
        }
        try {
            return FAllRows ? allRowsFloat(FGrid, FCol, r) : displayFloat(FGrid, FCol, d);
        } catch (const EExGridError&) {
            return std::nullopt;
        }
    }

private:
    bool IsHidden(int r)
    {
        if (!FHidden) {
            FHidden.emplace();
            for (const auto& item : FGrid.HiddenRowItems()) FHidden->insert(item->Idx());
        }
        return FHidden->count(r) > 0;
    }

    TExStringGrid& FGrid;
    int FCol;
    bool FAllRows;
    std::optional<std::set<int>> FHidden;
};

template <typename Better>
double extremum(TExStringGrid& g, int ACol, int FromRow, int ToRow, bool seedBeforeStart, Better better)
{
    const TRange range = columnRange(g, FromRow, ToRow);
    double result = 0;
    if (seedBeforeStart) result = displayFloat(g, ACol, range.from);
    g.ExportNotification(ES::esExportStart, range.from);
    if (!seedBeforeStart) result = displayFloat(g, ACol, range.from);
    TCountedRows rows(g, ACol, range.to);
    for (int r = range.from; r <= range.to; ++r) {
        if (const auto v = rows.Value(r)) {
            g.ExportNotification(ES::esExportNextRow, r);
            if (better(*v, result)) result = *v;
        }
    }
    g.ExportNotification(ES::esExportDone, -1);
    return result;
}

// A row cell's number, or nothing for a covered cell or a non-number.
std::optional<double> rowCell(const TExStringGrid& g, int ACol, int ARow)
{
    if (!insideColumns(g, ACol) || ARow < 0 || ARow >= g.RowCount()) return 0.0;
    try {
        if (!g.IsBaseCell(ACol, ARow)) return std::nullopt;
        return g.Floats(ACol, ARow);
    } catch (const EExGridError&) {
        return std::nullopt;
    }
}

template <typename Better>
double rowExtremum(const TExStringGrid& g, int ARow, int fromCol, int toCol, Better better)
{
    double result = displayFloat(g, fromCol, ARow);
    for (int c = fromCol; c <= toCol; ++c)
        if (const auto v = rowCell(g, c, ARow); v && better(*v, result)) result = *v;
    return result;
}

}  // namespace

double ColumnSum(TExStringGrid& grid, int ACol, int FromRow, int ToRow)
{
    const TRange range = columnRange(grid, FromRow, ToRow);
    grid.ExportNotification(ES::esExportStart, range.from);
    TCountedRows rows(grid, ACol, range.to);
    double sum = 0;
    for (int r = range.from; r <= range.to; ++r) {
        if (const auto v = rows.Value(r)) {
            grid.ExportNotification(ES::esExportNextRow, r);
            sum += *v;
        }
    }
    grid.ExportNotification(ES::esExportDone, -1);
    return sum;
}

double ColumnAvg(TExStringGrid& grid, int ACol, int FromRow, int ToRow)
{
    const TRange range = columnRange(grid, FromRow, ToRow);
    const int n = range.to - range.from + 1;
    if (n <= 0) return 0.0;
    return ColumnSum(grid, ACol, FromRow, ToRow) / n;
}

double ColumnMin(TExStringGrid& grid, int ACol, int FromRow, int ToRow)
{
    return extremum(grid, ACol, FromRow, ToRow, true, [](double v, double best) { return v < best; });
}

double ColumnMax(TExStringGrid& grid, int ACol, int FromRow, int ToRow)
{
    return extremum(grid, ACol, FromRow, ToRow, false, [](double v, double best) { return v > best; });
}

double ColumnStdDev(TExStringGrid& grid, int ACol, int FromRow, int ToRow)
{
    const TRange range = columnRange(grid, FromRow, ToRow);
    const int n = range.to - range.from + 1;
    if (n <= 0) return 0.0;
    const double avg = ColumnAvg(grid, ACol, FromRow, ToRow);
    grid.ExportNotification(ES::esExportStart, range.from);
    double squares = 0;
    for (int r = range.from; r <= range.to; ++r) {
        const double d = displayFloat(grid, ACol, r) - avg;
        squares += d * d;
    }
    grid.ExportNotification(ES::esExportDone, -1);
    return std::sqrt(squares / n);
}

double ColumnDistinct(TExStringGrid& grid, int ACol, int FromRow, int ToRow)
{
    const TRange range = columnRange(grid, FromRow, ToRow);
    auto less = [](const QString& a, const QString& b) { return QString::localeAwareCompare(a.toLower(), b.toLower()) < 0; };
    std::set<QString, decltype(less)> seen(less);
    grid.ExportNotification(ES::esExportStart, range.from);
    try {
        for (int r = range.from; r <= range.to; ++r) {
            grid.ExportNotification(ES::esExportNextRow, r);
            const bool inside = insideColumns(grid, ACol) && r >= 0 && r < grid.RowCount();
            seen.insert(inside ? grid.GetCellEx(ACol, r) : QString());
        }
    } catch (...) {
        grid.ExportNotification(ES::esExportDone, -1);
        throw;
    }
    grid.ExportNotification(ES::esExportDone, -1);
    return double(seen.size());
}

double RowSum(TExStringGrid& grid, int ARow, int fromCol, int toCol)
{
    double sum = 0;
    for (int c = fromCol; c <= toCol; ++c)
        if (const auto v = rowCell(grid, c, ARow)) sum += *v;
    return sum;
}

double RowAvg(TExStringGrid& grid, int ARow, int fromCol, int toCol)
{
    if (toCol < fromCol) return 0.0;
    return RowSum(grid, ARow, fromCol, toCol) / (toCol - fromCol + 1);
}

double RowMin(TExStringGrid& grid, int ARow, int fromCol, int toCol)
{
    return rowExtremum(grid, ARow, fromCol, toCol, [](double v, double best) { return v < best; });
}

double RowMax(TExStringGrid& grid, int ARow, int fromCol, int toCol)
{
    return rowExtremum(grid, ARow, fromCol, toCol, [](double v, double best) { return v > best; });
}

}  // namespace grid::calc

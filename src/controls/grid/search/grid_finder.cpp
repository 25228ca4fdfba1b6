#include "controls/grid/search/grid_finder.h"

#include <cstdint>
#include <vector>

#include "controls/grid/search/find_matcher.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid::search {

namespace grid_finder_detail {

const QPoint kNone{-1, -1};

// The cells a find runs over, in the numbering its flags choose.
struct TSearchArea {
    int X0 = 0, X1 = -1, Y0 = 0, Y1 = -1;
};

// How the texts of the area's cells are read: the storage column of each
// area column, and for all-rows indexes the display row or hidden row.
class TCellTexts {
public:
    TCellTexts(const TExStringGrid& grid, const TSearchArea& area, TFindParams params, bool wide)
        : G(grid), FWide(wide), FAllRows(params.Contains(fnIncludeHiddenRows) && grid.NumHiddenRows() > 0)
    {
        const bool storageCols = params.Contains(fnIncludeHiddenColumns);
        FFirstCol = area.X0;
        for (int x = area.X0; x <= area.X1; ++x) FStorageCol.push_back(storageCols ? x : grid.RealColIndex(x));
        if (!FAllRows) return;
        FHidden.assign(size_t(grid.AllRowCount()), TConstHiddenRow());
        for (const auto& item : grid.HiddenRowItems())
            if (item->Idx() >= 0 && item->Idx() < grid.AllRowCount()) FHidden[size_t(item->Idx())] = item;
        FDisplay.assign(size_t(grid.AllRowCount()), -1);
        for (int all = 0, shown = 0; all < grid.AllRowCount(); ++all)
            if (!FHidden[size_t(all)]) FDisplay[size_t(all)] = shown++;
    }

    int StorageCol(int x) const { return FStorageCol[size_t(x - FFirstCol)]; }

    QString Text(int x, int y) const
    {
        const int c = StorageCol(x);
        if (FAllRows) {
            if (y < 0 || y >= int(FHidden.size())) return QString();
            if (const TConstHiddenRow& item = FHidden[size_t(y)]) {
                QString value = item->Items().Text(c);
                G.GetDisplText(c, y, value);
                return FWide ? UnpackWideText(value) : value;
            }
            y = FDisplay[size_t(y)];
        }
        return FWide ? G.GetWideCells(c, y) : G.GetCellEx(c, y);
    }

private:
    const TExStringGrid& G;
    bool FWide;
    bool FAllRows;
    int FFirstCol = 0;
    std::vector<int> FStorageCol;
    std::vector<TConstHiddenRow> FHidden;
    std::vector<int> FDisplay;
};

bool IsEmptyGrid(const TExStringGrid& g)
{
    return g.ColCount() == g.FixedCols() || g.ColCount() == 0 || g.RowCount() + g.NumHiddenRows() == g.FixedRows() ||
           g.RowCount() == 0;
}

TSearchArea AreaOf(const TExStringGrid& g, const TFindState& state, TFindParams p)
{
    TSearchArea a;
    if (p.Contains(fnIncludeFixed)) {
        a = {0, g.ColCount() - 1, 0, g.RowCount() - 1};
    } else {
        a = {g.FixedCols(), g.ColCount() - 1 - g.FixedRightCols(), g.FixedRows(), g.RowCount() - 1 - g.FixedFooters()};
    }
    if (p.Contains(fnSelectedCells)) {
        const platform::TGridRect s = g.Selection();
        a = {s.Left, s.Right, s.Top, s.Bottom};
    }
    if (p.Contains(fnIncludeHiddenColumns)) a.X1 += g.NumHiddenColumns();
    if (p.Contains(fnIncludeHiddenRows)) a.Y1 += g.NumHiddenRows();
    // Restrictions: the current row and column in the numbering in use.
    const int currentRow = p.Contains(fnIncludeHiddenRows) ? g.RealRow() : g.Row();
    const int currentCol = p.Contains(fnIncludeHiddenColumns) ? g.RealCol() : g.Col();
    if (p.Contains(fnFindInCurrentRow)) a.Y0 = a.Y1 = currentRow;
    if (p.Contains(fnFindInPresetRow)) a.Y0 = a.Y1 = state.FindRow;
    if (p.Contains(fnFindInCurrentCol)) a.X0 = a.X1 = currentCol;
    if (p.Contains(fnFindInPresetCol)) a.X0 = a.X1 = state.FindCol;
    a.X0 = std::max(a.X0, 0);
    a.Y0 = std::max(a.Y0, 0);
    a.X1 = std::min(a.X1, g.AllColCount() - 1);
    a.Y1 = std::min(a.Y1, (p.Contains(fnIncludeHiddenRows) ? g.AllRowCount() : g.RowCount()) - 1);
    return a;
}

// The scan runs along "minor" positions inside each "major" line: columns
// within rows left to right, rows within columns top to bottom.
struct TLine {
    int Lo, Hi;
};

struct TScanOrder {
    TLine Major, Minor;
    bool LeftRight;
    bool Backward;
    QPoint Cell(int major, int minor) const { return LeftRight ? QPoint(minor, major) : QPoint(major, minor); }
    int MajorOf(QPoint p) const { return LeftRight ? p.y() : p.x(); }
    int MinorOf(QPoint p) const { return LeftRight ? p.x() : p.y(); }
};

// The first cell a find tests: the area's first (last) cell for no start,
// else the start advanced by one step; false when the start was the area's
// last (first) cell, so that a find after the last match finds nothing.
bool FirstCell(const TScanOrder& o, QPoint start, int& major, int& minor)
{
    if (start == kNone) {
        major = o.Backward ? o.Major.Hi : o.Major.Lo;
        minor = o.Backward ? o.Minor.Hi : o.Minor.Lo;
        return true;
    }
    major = std::clamp(o.MajorOf(start), o.Major.Lo, o.Major.Hi);
    minor = std::clamp(o.MinorOf(start), o.Minor.Lo, o.Minor.Hi);
    if (!o.Backward) {
        if (minor < o.Minor.Hi) {
            ++minor;
            return true;
        }
        minor = o.Minor.Lo;
        return ++major <= o.Major.Hi;
    }
    if (minor > o.Minor.Lo) {
        --minor;
        return true;
    }
    minor = o.Minor.Hi;
    return --major >= o.Major.Lo;
}

QPoint Scan(TExStringGrid& g, const TSearchArea& a, QPoint start, const TFindMatcher& matcher,
            const TCellTexts& texts, TFindParams p)
{
    TScanOrder o{};
    o.LeftRight = p.Contains(fnDirectionLeftRight);
    o.Backward = p.Contains(fnBackward);
    o.Major = o.LeftRight ? TLine{a.Y0, a.Y1} : TLine{a.X0, a.X1};
    o.Minor = o.LeftRight ? TLine{a.X0, a.X1} : TLine{a.Y0, a.Y1};
    const int step = o.Backward ? -1 : 1;
    int major = 0, minor = 0;
    if (!FirstCell(o, start, major, minor)) return kNone;
    for (; major >= o.Major.Lo && major <= o.Major.Hi; major += step) {
        for (; minor >= o.Minor.Lo && minor <= o.Minor.Hi; minor += step) {
            const QPoint cell = o.Cell(major, minor);
            g.ExportNotification(TExStringGrid::esExportNewRow, cell.y());
            // Row by row the ignored columns are skipped; column by column they are searched.
            if (o.LeftRight && g.IsIgnoredColumn(cell.x())) continue;
            if (matcher.Matches(texts.Text(cell.x(), cell.y()))) return cell;
        }
        minor = o.Backward ? o.Minor.Hi : o.Minor.Lo;
    }
    return kNone;
}

// Shows a hidden row that a collapsed group holds: the groups around it
// expand, innermost last. False when the row stays hidden.
bool ExpandGroupsAround(TExStringGrid& g, int allRow)
{
    for (int guard = 0; g.IsHiddenRow(allRow) && guard < 64; ++guard) {
        int above = allRow - 1;
        while (above >= 0 && g.IsHiddenRow(above)) --above;
        if (above < 0) return false;
        const int node = g.DisplRowIndex(above);
        if (!g.IsNode(node) || !g.GetNodeState(node)) return false;
        g.ExpandNode(above);
    }
    return !g.IsHiddenRow(allRow);
}

void GotoFoundCell(TExStringGrid& g, QPoint cell, TFindParams p)
{
    int row = cell.y();
    if (p.Contains(fnIncludeHiddenRows) && g.NumHiddenRows() > 0) {
        if (!ExpandGroupsAround(g, row)) return;
        row = g.DisplRowIndex(row);
    }
    const int col = p.Contains(fnIncludeHiddenColumns) ? g.DisplColIndex(cell.x()) : cell.x();
    if (g.MouseActions().DisjunctRowSelect()) {
        g.ClearRowSelect();
        g.SetRowSelect(row, true);
    }
    g.SetRow(row);
    if (!(p.Contains(fnIncludeHiddenColumns) && g.IsHiddenColumn(cell.x()))) g.SetCol(col);
}

QPoint RunFind(TExStringGrid& g, TFindState& state, QPoint start, const QString& text, TFindParams p, bool wide)
{
    state.Params = p;
    state.FindBusy = true;
    state.SearchCache = TFindMatcher::SearchCacheText(text, p);
    if (IsEmptyGrid(g)) return kNone;
    const TSearchArea area = AreaOf(g, state, p);
    if (area.X0 > area.X1 || area.Y0 > area.Y1) {
        state.FindBusy = false;
        return kNone;
    }
    const TFindMatcher matcher(text, p);
    const TCellTexts texts(g, area, p, wide);
    const QPoint found = Scan(g, area, start, matcher, texts, p);
    if (found == kNone) {
        state.FindBusy = false;
        return kNone;
    }
    state.SearchCell = found;
    if (p.Contains(fnAutoGoto)) GotoFoundCell(g, found, p);
    return found;
}

// The place of a cell in the order a find visits cells: larger is later.
int64_t ScanRank(QPoint cell, TFindParams p)
{
    const int64_t rank = p.Contains(fnDirectionLeftRight) ? (int64_t(cell.y()) << 32) + cell.x()
                                                          : (int64_t(cell.x()) << 32) + cell.y();
    return p.Contains(fnBackward) ? -rank : rank;
}

}  // namespace grid_finder_detail

QPoint Find(TExStringGrid& grid, TFindState& state, QPoint start, const QString& text, TFindParams params)
{
    namespace d = grid_finder_detail;
    grid.ExportNotification(TExStringGrid::esExportStart, -1);
    const QPoint found = d::RunFind(grid, state, start, text, params, false);
    grid.ExportNotification(found == d::kNone ? TExStringGrid::esExportDone : TExStringGrid::esExportFail, -1);
    if (params.Contains(fnAutoGoto)) {
        const int f = grid.FloatingFooter().Visible ? 2 : 0;
        if (grid.Row() > grid.TopRow() + grid.VisibleRowCount() - 2 - f &&
            grid.VisibleRowCount() + grid.FixedRows() + f < grid.RowCount())
            grid.SetTopRow(grid.TopRow() + f + 1);
    }
    return found;
}

QPoint FindWide(TExStringGrid& grid, TFindState& state, QPoint start, const QString& text, TFindParams params)
{
    return grid_finder_detail::RunFind(grid, state, start, text, params, true);
}

QPoint FindFirst(TExStringGrid& grid, TFindState& state, const QString& text, TFindParams params)
{
    state.SearchCell = Find(grid, state, grid_finder_detail::kNone, text, params);
    return state.SearchCell;
}

QPoint FindNext(TExStringGrid& grid, TFindState& state)
{
    const QString text = state.SearchCache;
    state.SearchCell = Find(grid, state, state.SearchCell, text, state.Params);
    return state.SearchCell;
}

int Replace(TExStringGrid& grid, TFindState& state, const QString& origText, const QString& newText,
            TFindParams params)
{
    namespace d = grid_finder_detail;
    const Qt::CaseSensitivity cs = params.Contains(fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const bool allRows = params.Contains(fnIncludeHiddenRows);
    int changed = 0;
    QPoint cell = d::kNone;
    bool first = true;
    int64_t lastRank = 0;
    for (;;) {
        cell = Find(grid, state, cell, origText, params);
        if (cell == d::kNone) break;
        // A find that comes round to cells already visited ends the run.
        const int64_t rank = d::ScanRank(cell, params);
        if (!first && rank <= lastRank) break;
        first = false;
        lastRank = rank;
        const int col = params.Contains(fnIncludeHiddenColumns) ? cell.x() : grid.RealColIndex(cell.x());
        const int displayRow = allRows ? grid.DisplRowIndex(cell.y()) : cell.y();
        const bool hiddenRow = allRows && grid.IsHiddenRow(cell.y());
        const QPoint base = hiddenRow ? QPoint(col, cell.y()) : grid.BaseCell(col, displayRow);
        const QString stored = hiddenRow ? grid.GridCellsEx(col, cell.y()) : grid.GetGridCell(base.x(), base.y());
        QString replaced = stored;
        replaced.replace(origText, newText, cs);
        if (replaced == stored) continue;
        if (hiddenRow)
            grid.SetGridCellsEx(col, cell.y(), replaced);
        else
            grid.SetCellEx(base.x(), base.y(), replaced);
        if (!hiddenRow && grid.ShowModified().Enabled) grid.SetRowModified(displayRow, true);
        ++changed;
    }
    return changed;
}

int SearchSortColumn(TExStringGrid& grid, const QString& text)
{
    if (grid.RowCount() < 2) return -1;
    const TSortSettings& sort = grid.SortSettings();
    int col = grid.FixedCols();
    if (sort.Show()) {
        if (sort.IndexShow)
            col = grid.SortIndexes().Count() > 0 ? grid.SortIndexes().SortColumns(0) : grid.FixedCols();
        else
            col = sort.Column;
    }
    if (col < 0) return -1;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
        const QString cell = grid.GetStrippedCell(col, r);
        if (QStringView(cell).left(text.size()).toString().toUpper() == text) return r;
    }
    return -1;
}

}  // namespace grid::search

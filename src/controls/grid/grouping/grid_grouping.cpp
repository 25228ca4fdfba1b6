// Grouping of a string grid over its public row, node and cell services.
// Group, UnGroup, SubGroup and SubUnGroup rebuild the row order in one pass
// of row exchanges and one insertion or removal of a row block, so that
// large grids group fast.

#include "controls/grid/grouping/grid_grouping.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "controls/grid/calc/column_calc.h"
#include "controls/grid/grouping/group_state.h"
#include "controls/grid/scoped_value.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::grouping {

namespace {

struct TColours {
    TColor Color;
    TColor ColorTo;
    TColor Text;
};

TColours headerColours(TExStringGrid& g)
{
    return {g.Grouping().HeaderColor, g.Grouping().HeaderColorTo, g.Grouping().HeaderTextColor};
}

TColours summaryColours(TExStringGrid& g)
{
    return {g.Grouping().SummaryColor, g.Grouping().SummaryColorTo, g.Grouping().SummaryTextColor};
}

// clNone leaves the row's colours as they are.
void colourRow(TExStringGrid& g, int row, const TColours& c)
{
    if (c.Color != clNone) g.SetRowColor(row, c.Color);
    if (c.ColorTo != clNone) g.SetRowColorTo(row, c.ColorTo);
    if (c.Text != clNone) g.SetRowFontColor(row, c.Text);
}

// The row's cells from column `from` to the last one become one cell in the colours.
void mergeRow(TExStringGrid& g, int row, int from, const TColours& c)
{
    const int span = g.ColCount() - from;
    if (span > 1) g.MergeCells(from, row, span, 1);
    if (c.Color != clNone) g.SetColors(from, row, c.Color);
    if (c.ColorTo != clNone) g.SetColorsTo(from, row, c.ColorTo);
    if (c.Text != clNone) g.SetFontColors(from, row, c.Text);
}

void splitRow(TExStringGrid& g, int row, int from)
{
    if (from < g.TotalColCount() && g.IsMergedCell(from, row)) g.SplitCells(from, row);
}

int lastNormalRow(const TExStringGrid& g) { return g.RowCount() - 1 - g.FixedFooters(); }

enum class TRowKind : uint8_t { Header, Data, Summary };

struct TRun {
    QString Value;
    int Count = 0;
};

// The text a cell holds, without what the display adds (a header's group count).
QString storedText(const TExStringGrid& g, int column, int row)
{
    return g.Cells().Contains(column, row) ? g.Cells().Text(column, row) : QString();
}

// Runs of equal texts of the column over the rows first..last; `read` gives a row's text.
template <typename Read>
std::vector<TRun> runsOf(int first, int last, Read read)
{
    std::vector<TRun> runs;
    for (int r = first; r <= last; ++r) {
        QString v = read(r);
        if (runs.empty() || runs.back().Value != v)
            runs.push_back({std::move(v), 1});
        else
            ++runs.back().Count;
    }
    return runs;
}

// Moves the data rows first..first+N-1 down into the places `kinds` gives
// them; the empty rows appended after them fill the other places. Rows
// only move down, so one pass from the bottom places each row once.
void spreadRows(TExStringGrid& g, int first, const std::vector<TRowKind>& kinds, int dataRows)
{
    int src = first + dataRows - 1;
    for (int p = first + int(kinds.size()) - 1; p >= first && src >= first; --p) {
        if (kinds[size_t(p - first)] != TRowKind::Data) continue;
        if (src != p) g.SwapRows(src, p);
        --src;
    }
}

// Keeps the rows whose `keep` is set, in order, at the top of first.. and
// removes the others in one block.
void compactRows(TExStringGrid& g, int first, const std::vector<bool>& keep)
{
    int w = first;
    for (int i = 0; i < int(keep.size()); ++i) {
        if (!keep[size_t(i)]) continue;
        if (w != first + i) g.SwapRows(w, first + i);
        ++w;
    }
    const int removed = first + int(keep.size()) - w;
    if (removed > 0) g.DeleteRowsInternal(w, removed);
}

void fitCurrentCell(TExStringGrid& g)
{
    if (g.Col() >= g.ColCount()) g.SetCol(std::max(std::min(g.FixedCols(), g.ColCount() - 1), 0));
    if (g.FixedRows() < g.RowCount()) g.SetRow(g.FixedRows());
}

}  // namespace

void Group(TExStringGrid& g, TGroupState& st, int C)
{
    if (C <= 0 || C < g.FixedCols() || C >= g.TotalColCount()) return;
    // The header texts go into column 1, or 2 when column 1 is grouped.
    const int HC = C == 1 ? 2 : 1;
    if (HC >= g.TotalColCount()) return;
    if (st.Column != -1) UnGroup(g, st);
    const int first = g.FixedRows();
    const int last = lastNormalRow(g);
    if (last < first) return;

    TGridUpdateLock lock(g);
    TScopedValue<bool> busy(st.Busy, true, false);
    st.Column = C;
    st.SubColumn = -1;
    st.Width = g.AllColWidths(C);
    st.Caption = first > 0 ? g.GetCellEx(C, 0) : QString();
    st.Footer = g.FixedFooters() > 0 ? g.GetCellEx(C, g.RowCount() - 1) : QString();

    if (g.SortSettings().AutoSortForGrouping) {
        g.SortSettings().Column = C;
        g.QSort();
    }

    const TGrouping& opt = g.Grouping();
    const bool summary = opt.Summary;
    const std::vector<TRun> runs = runsOf(first, last, [&](int r) { return storedText(g, C, r); });
    std::vector<TRowKind> kinds;
    kinds.reserve(size_t(last - first + 1) + runs.size() * 2);
    for (const TRun& run : runs) {
        kinds.push_back(TRowKind::Header);
        kinds.insert(kinds.end(), size_t(run.Count), TRowKind::Data);
        if (summary) kinds.push_back(TRowKind::Summary);
    }
    const int dataRows = last - first + 1;
    g.InsertRows(last + 1, int(kinds.size()) - dataRows);
    spreadRows(g, first, kinds, dataRows);

    int row = first;
    int firstHeader = -1;
    for (const TRun& run : runs) {
        g.SetCellEx(HC, row, run.Value);
        if (!opt.MergeHeader) colourRow(g, row, headerColours(g));
        g.AddNode(g.RealRowIndex(row), run.Count + 1);
        if (firstHeader < 0) firstHeader = row;
        row += run.Count + 1;
        if (summary) {
            g.AddSummary(g.RealRowIndex(row));
            if (!opt.MergeSummary) colourRow(g, row, summaryColours(g));
            ++row;
        }
    }

    g.RemoveCols(C, 1);

    if (opt.MergeHeader || (opt.MergeSummary && summary)) {
        for (int r = first; r <= lastNormalRow(g); ++r) {
            if (opt.MergeHeader && g.IsNode(r)) mergeRow(g, r, 1, headerColours(g));
            if (opt.MergeSummary && summary && g.IsSummary(r)) mergeRow(g, r, 1, summaryColours(g));
        }
    }

    if (g.CellNode().ExpandOne && firstHeader >= 0) {
        g.ContractAll();
        g.ExpandNode(g.RealRowIndex(firstHeader));
    }
    fitCurrentCell(g);
}

void UnGroup(TExStringGrid& g, TGroupState& st)
{
    if (st.Column <= 0) return;
    // The second level goes first: its column is filled back from its headers.
    if (st.SubColumn != -1) SubUnGroup(g, st, st.SubColumn);

    TGridUpdateLock lock(g);
    TScopedValue<bool> busy(st.Busy, true, false);
    TScopedValue<bool> expandOne(g.CellNode().ExpandOne, false);
    g.ExpandAll();

    const int C = st.Column;
    g.InsertCols(C, 1);
    g.SetAllColWidths(C, st.Width);
    if (g.FixedRows() > 0) g.SetCellEx(C, 0, st.Caption);
    if (g.FixedFooters() > 0) g.SetCellEx(C, g.RowCount() - 1, st.Footer);
    const int HC = C == 1 ? 2 : 1;

    const int first = g.FixedRows();
    const int last = lastNormalRow(g);
    std::vector<bool> keep(size_t(std::max(0, last - first + 1)), true);
    QString T;
    for (int r = first; r <= last; ++r) {
        if (g.IsNode(r)) {
            T = storedText(g, HC, r);
            keep[size_t(r - first)] = false;
        } else if (g.IsSummary(r)) {
            keep[size_t(r - first)] = false;
        } else {
            g.SetCellEx(C, r, T);
        }
    }
    g.RemoveAllNodes();
    for (int r = first; r <= last; ++r) {
        if (keep[size_t(r - first)]) continue;
        splitRow(g, r, 1);
        g.ClearRect(0, r, g.TotalColCount() - 1, r);
    }
    compactRows(g, first, keep);

    st.Column = -1;
    st.SubColumn = -1;
    fitCurrentCell(g);
}

void SubGroup(TExStringGrid& g, TGroupState& st, int C)
{
    if (st.Column == -1 || C <= 0 || C < g.FixedCols() || C + 1 >= g.TotalColCount()) return;
    if (st.SubColumn != -1) SubUnGroup(g, st, st.SubColumn);

    TGridUpdateLock lock(g);
    TScopedValue<bool> busy(st.Busy, true, false);
    g.ExpandAll();
    const int HC = C + 1;
    const TGrouping& opt = g.Grouping();
    const int first = g.FixedRows();
    const int last = lastNormalRow(g);
    if (last < first) return;

    // The groups and the runs of equal texts inside each.
    struct TGroup {
        int Header;
        int Span;
        std::vector<TRun> Runs;
    };
    std::vector<TGroup> groups;
    size_t subHeaders = 0;
    for (int r = first; r <= last; ++r) {
        if (!g.IsNode(r)) continue;
        const int span = g.GetNodeSpan(r);
        if (span <= 1) continue;
        groups.push_back({r, span, runsOf(r + 1, std::min(r + span - 1, last), [&](int a) { return g.GetCellEx(C, a); })});
        subHeaders += groups.back().Runs.size();
        r += span - 1;
    }
    if (subHeaders == 0) return;

    // The new order in one pass: every row stays, a sub-header goes above each run.
    std::vector<TRowKind> kinds;
    kinds.reserve(size_t(last - first + 1) + subHeaders);
    int next = first;
    for (const TGroup& group : groups) {
        kinds.insert(kinds.end(), size_t(group.Header + 1 - next), TRowKind::Data);
        for (const TRun& run : group.Runs) {
            kinds.push_back(TRowKind::Header);
            kinds.insert(kinds.end(), size_t(run.Count), TRowKind::Data);
        }
        next = group.Header + group.Span;
    }
    kinds.insert(kinds.end(), size_t(last + 1 - next), TRowKind::Data);
    g.InsertRows(last + 1, int(subHeaders));
    spreadRows(g, first, kinds, last - first + 1);

    // Each group is made again over its grown span, which puts its rows and
    // new sub-headers on its level; each sub-header then opens the level below.
    int shift = 0;
    for (const TGroup& group : groups) {
        const int header = group.Header + shift;
        const int span = group.Span + int(group.Runs.size());
        // Over the grown span, so that taking the old node lifts every row of it.
        g.SetNodeSpan(header, span);
        g.AddNode(g.RealRowIndex(header), span);
        g.UpdateSubNodeCount(header, int(group.Runs.size()));
        int row = header + 1;
        for (const TRun& run : group.Runs) {
            for (int r = row + 1; r <= row + run.Count; ++r) g.SetCellEx(C, r, QString());
            g.AddNode(g.RealRowIndex(row), run.Count + 1);
            if (TCellGraphic* node = g.GetCellGraphic(0, row)) node->SetCellVar(C);
            g.SetCellEx(HC, row, run.Value);
            if (opt.MergeHeader)
                mergeRow(g, row, HC, headerColours(g));
            else
                colourRow(g, row, headerColours(g));
            row += run.Count + 1;
        }
        shift += int(group.Runs.size());
    }
    st.SubColumn = C;
    if (g.FixedRows() < g.RowCount()) g.SetRow(g.FixedRows());
}

void SubUnGroup(TExStringGrid& g, TGroupState& st, int C)
{
    if (C <= 0 || C + 1 >= g.TotalColCount()) return;
    TGridUpdateLock lock(g);
    TScopedValue<bool> busy(st.Busy, true, false);
    g.ExpandAll();
    const int first = g.FixedRows();
    const int last = lastNormalRow(g);
    std::vector<bool> keep(size_t(std::max(0, last - first + 1)), true);
    QString T;
    // The node that holds the sub-headers met, and the end of its span.
    int outer = -1;
    int outerEnd = -1;
    for (int a = first; a <= last; ++a) {
        if (!g.IsNode(a)) {
            if (!g.IsSummary(a)) g.SetCellEx(C, a, T);
            continue;
        }
        const TCellGraphic* node = g.GetCellGraphic(0, a);
        bool ok = false;
        const int var = node != nullptr ? node->CellVar().toInt(&ok) : -1;
        if (!ok || var != C) {
            outer = a;
            outerEnd = a + g.GetNodeSpan(a);
            continue;
        }
        T = g.GetCellEx(C + 1, a);
        splitRow(g, a, C + 1);
        // Its rows step up a level; the holding group loses the header row.
        g.RemoveNode(g.RealRowIndex(a));
        if (outer >= 0 && a < outerEnd) {
            g.UpdateNodeSpan(outer, -1);
            g.UpdateSubNodeCount(outer, -1);
        }
        g.ClearRect(0, a, g.TotalColCount() - 1, a);
        keep[size_t(a - first)] = false;
    }
    compactRows(g, first, keep);
    if (st.SubColumn == C) st.SubColumn = -1;
}

void GroupCalc(TExStringGrid& g, int C, int method)
{
    if (method < gcSum || method > gcStdDev) return;
    const bool summary = g.Grouping().Summary;
    for (int r = g.FixedRows(); r < g.RowCount();) {
        const int span = g.IsNode(r) && !g.GetNodeState(r) ? g.GetNodeSpan(r) : 0;
        if (span <= 0) {
            ++r;
            continue;
        }
        const int target = summary ? r + span : r;
        const int from = r + 1;
        const int to = r + span - 1;
        // A header merged over the column would lose its text to the figure.
        const bool covered = !summary && C < g.TotalColCount() && !g.IsBaseCell(C, target);
        if (target < g.RowCount() && !covered) {
            switch (method) {
            case gcSum: g.SetFloats(C, target, calc::ColumnSum(g, C, from, to)); break;
            case gcAvg: g.SetFloats(C, target, calc::ColumnAvg(g, C, from, to)); break;
            case gcMin: g.SetFloats(C, target, calc::ColumnMin(g, C, from, to)); break;
            case gcMax: g.SetFloats(C, target, calc::ColumnMax(g, C, from, to)); break;
            // The group's own rows: its sub-headers are not counted.
            case gcCount: g.SetInts(C, target, span - 1 - g.GetSubNodeCount(r)); break;
            case gcCustom: g.SetFloats(C, target, g.DoGroupCalc(C, from, to)); break;
            case gcDistinct: g.SetFloats(C, target, calc::ColumnDistinct(g, C, from, to)); break;
            case gcStdDev: g.SetFloats(C, target, calc::ColumnStdDev(g, C, from, to)); break;
            default: break;
            }
        }
        r += span;
    }
}

}  // namespace grid::grouping

#include "controls/grid/string_grid/data/grid_sort_keys.h"

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

namespace {

// The cells of one column of the sorted rows, read as SortCompare reads them.
class TGridColumnReader final : public TSortCellReader {
public:
    TGridColumnReader(TExStringGrid& grid, int col, int first)
        : G(grid), FCol(col), FFirst(first), FVirtual(grid.SortSettings().SortOnVirtualCells)
    {
    }
    QString Text(int index) const override
    {
        return FVirtual ? G.ShownCellText(FCol, FFirst + index) : G.GetGridCell(FCol, FFirst + index);
    }
    bool DisplayedEmpty(int index, const QString& compared) const override
    {
        return FVirtual ? compared.isEmpty() : G.ShownCellText(FCol, FFirst + index).isEmpty();
    }
    bool CheckBox(int index) const override
    {
        const TCellType kind = G.GetCellType(FCol, FFirst + index);
        return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox;
    }
    bool Checked(int index) const override { return G.IsChecked(FCol, FFirst + index); }
    QString Stripped(int index) const override { return G.GetStrippedCell(FCol, FFirst + index); }
    intptr_t ImageKey(int index) const override { return G.GetImageSortKey(FCol, FFirst + index); }
    std::optional<int64_t> KeptWholeNumber(int index) const override
    {
        const int row = FFirst + index;
        const TStoredCell* cell = G.Cells().Cell(FCol, row);
        if (cell == nullptr) return std::nullopt;
        // The text compared must be this cell's own, as stored.
        if (FVirtual && G.ShownStoredText(FCol, row) != &cell->Text()) return std::nullopt;
        return cell->DigitsInteger();
    }
    void Prefetch(int index, bool wholeNumberTexts) const override
    {
        // The slot first; its text half-way, when the slot has come.
        G.Cells().PrefetchCell(FCol, FFirst + index);
        G.Cells().PrefetchText(FCol, FFirst + index - 8, wholeNumberTexts);
    }

private:
    TExStringGrid& G;
    int FCol;
    int FFirst;
    bool FVirtual;
};

}  // namespace

TGridSortKeys::TGridSortKeys(TExStringGrid& grid, int first, int last, int sortCol)
    : G(grid), FCompareCount(&grid.FCompares), FFirst(first), FCount(std::max(0, last - first + 1)),
      FFull(grid.SortSettings().Full)
{
    auto step = [&grid](int col, TSortDirection direction, bool negate) {
        return TStep{col, direction, negate, grid.IsIgnoredColumn(col)};
    };
    if (sortCol >= 0) {
        // The sort column, then the columns to its right.
        const int last = FFull ? grid.TotalColCount() - 1 : sortCol;
        for (int c = sortCol; c <= last; ++c) FSteps.push_back(step(c, grid.SortSettings().Direction, false));
    } else {
        const TSortIndexList& indexes = grid.SortIndexes();
        const int count = FFull ? indexes.Count() : std::min(1, indexes.Count());
        for (int i = 0; i < count; ++i) {
            const uint32_t entry = uint32_t(indexes[i]);
            const bool descending = entry & TSortIndexList::DescendingBit;
            FSteps.push_back(step(int(entry & TSortIndexList::ColumnMask), descending ? sdDescending : sdAscending,
                                  descending));
        }
    }
}

TGridSortKeys::~TGridSortKeys() = default;

const TSortColumnSetup& TGridSortKeys::Setup(int col)
{
    if (col >= int(FSetups.size())) FSetups.resize(size_t(col + 1));
    std::unique_ptr<TSortColumnSetup>& setup = FSetups[size_t(col)];
    if (!setup) {
        const TSortSettings& ss = G.SortSettings();
        setup = std::make_unique<TSortColumnSetup>();
        setup->Style = ss.AutoFormat ? ssAutomatic : (ss.IgnoreCase ? ssAlphaNoCase : ssAlphabetic);
        G.GetColFormat(col, setup->Style, setup->Prefix, setup->Suffix);
        setup->IgnoreCase = ss.IgnoreCase;
        setup->IgnoreBlanks = ss.IgnoreBlanks;
        setup->BlankPos = ss.BlankPos;
        TExStringGrid* grid = &G;
        setup->CustomCompare = [grid](const QString& t1, const QString& t2, int& res) {
            if (grid->OnCustomCompare) grid->OnCustomCompare(grid, t1, t2, res);
        };
    }
    return *setup;
}

bool TGridSortKeys::CanCompare()
{
    if (G.SortSettings().SingleColumn) return false;
    FSelfEqual = true;
    for (const TStep& step : FSteps) {
        if (step.Ignored) continue;  // compares as equal, unread
        if (step.Col == 0 && G.MouseActions().HotmailRowSelect()) return false;
        if (HasMergedCells(step.Col)) return false;
        const TSortStyle style = Setup(step.Col).Style;
        if (style == ssRaw) return false;
        FSelfEqual = FSelfEqual && style != ssCustom;
    }
    return true;
}

bool TGridSortKeys::HasMergedCells(int col) const
{
    if (G.Cells().PropertiesCount() == 0) return false;  // no cell can be merged
    for (int r = FFirst; r < FFirst + FCount; ++r)
        if (G.IsMergedCell(col, r)) return true;
    return false;
}

std::unique_ptr<TSortColumnKeys> TGridSortKeys::ReadColumn(int col)
{
    return std::make_unique<TSortColumnKeys>(Setup(col), FCount, TGridColumnReader(G, col, FFirst));
}

TSortColumnKeys& TGridSortKeys::Keys(int col)
{
    if (col >= int(FKeys.size())) FKeys.resize(size_t(col + 1));
    std::unique_ptr<TSortColumnKeys>& keys = FKeys[size_t(col)];
    if (!keys) keys = ReadColumn(col);
    return *keys;
}

std::vector<TSortEntry>& TGridSortKeys::Entries()
{
    FEntries.assign(size_t(FCount), TSortEntry());
    if (FSteps.empty() || FSteps.front().Ignored || FEntries.empty()) {
        // Nothing to read ahead: the records are compared by their keys.
        for (int r = 0; r < FCount; ++r) FEntries[size_t(r)].First.Cell = r;
        return FEntries;
    }
    const int col = FSteps.front().Col;
    FNegateFirst = FSteps.front().Negate;
    FFirstColumn = std::make_unique<TSortColumnKeys>(Setup(col), FCount, TGridColumnReader(G, col, FFirst),
                                                     TSortColumnKeys::TKeyPlaces{&FEntries.front().First, sizeof(TSortEntry)});
    return FEntries;
}

int TGridSortKeys::CompareTie(const TSortEntry& a, const TSortEntry& b)
{
    if (FSteps.size() < 2) return 0;
    const TStep& step = FSteps[1];
    if (step.Ignored || (a.Record() == b.Record() && FSelfEqual)) return CompareRecords(1, a.Record(), b.Record());
    if (!FSecondColumn) {
        // The first tie: the second column's keys join the entries, wherever
        // the sort has put them by now.
        std::vector<int> slotOf(FEntries.size());
        for (size_t k = 0; k < FEntries.size(); ++k) slotOf[size_t(FEntries[k].Record())] = int(k);
        FSecondColumn = std::make_unique<TSortColumnKeys>(
            Setup(step.Col), FCount, TGridColumnReader(G, step.Col, FFirst),
            TSortColumnKeys::TKeyPlaces{&FEntries.front().Second, sizeof(TSortEntry), slotOf.data()});
    }
    ++*FCompareCount;
    const int res = FSecondColumn->CompareKeys(a.Second, b.Second, step.Direction);
    if (res != 0) return step.Negate ? -res : res;
    return CompareRecords(2, a.Record(), b.Record());
}

int TGridSortKeys::Compare(int col, int record1, int record2, TSortDirection direction)
{
    ++*FCompareCount;
    return Keys(col).Compare(record1, record2, direction);
}

int TGridSortKeys::CompareRecords(size_t fromStep, int record1, int record2)
{
    if (record1 == record2 && FSelfEqual) {
        // A record equals itself in every column: the comparisons are
        // counted, the columns not read.
        for (size_t s = fromStep; s < FSteps.size(); ++s) {
            if (!FSteps[s].Ignored) ++*FCompareCount;
            if (!FFull) break;
        }
        return 0;
    }
    for (size_t s = fromStep; s < FSteps.size(); ++s) {
        TStep& step = FSteps[s];
        int res = 0;
        if (!step.Ignored) {
            ++*FCompareCount;
            if (step.Keys == nullptr) step.Keys = &Keys(step.Col);
            res = step.Keys->Compare(record1, record2, step.Direction);
        }
        if (res != 0 || !FFull) return step.Negate ? -res : res;
    }
    return 0;
}

}  // namespace grid

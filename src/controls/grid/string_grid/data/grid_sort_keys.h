#pragma once

// The keys of a sort of the grid's rows first..last: each column the sort
// compares is read from the grid once, the first time a comparison needs
// it, and its cells are then compared from their keys. Rows are named by
// record: record 0 is the row that was at `first` when the keys were made.
// The comparisons give what the grid's SortCompare, SortCompareLine and
// SortCompareIndexed give on those rows, and count in the grid's Compares.

#include <memory>
#include <utility>
#include <vector>

#include "controls/grid/string_grid/data/row_quick_sort.h"
#include "controls/grid/string_grid/data/sort_keys.h"

namespace grid {

class TExStringGrid;

// A record as the sort moves it: its keys in the first two columns that
// are compared (the second filled at the first tie), so that comparisons
// read the entries in order. First.Cell is the record.
struct TSortEntry {
    TSortColumnKeys::TKey First;
    TSortColumnKeys::TKey Second;
    int Record() const { return First.Cell; }
};

class TGridSortKeys {
public:
    // A sort on column sortCol with its tie-break columns to the right, or,
    // for sortCol < 0, on the sort index list.
    TGridSortKeys(TExStringGrid& grid, int first, int last, int sortCol);
    ~TGridSortKeys();
    TGridSortKeys(const TGridSortKeys&) = delete;
    TGridSortKeys& operator=(const TGridSortKeys&) = delete;

    // Whether the sort can compare keys read once. Not when a cell's value
    // belongs to its place rather than its record: a raw comparison (given
    // row numbers), a sort that moves only the sort column, the row check
    // boxes of column 0, merged cells (a cell shows its block's text).
    bool CanCompare();

    // The entries of every record, by record, for the sort to reorder in
    // place; CompareEntries compares two of them.
    std::vector<TSortEntry>& Entries();
    // As SortCompareLine or SortCompareIndexed on the two records' rows.
    int CompareEntries(const TSortEntry& a, const TSortEntry& b)
    {
        if (!FFirstColumn) return CompareRecords(0, a.Record(), b.Record());
        ++*FCompareCount;
        const int res = FFirstColumn->CompareKeys(a.First, b.First, FSteps.front().Direction);
        if (res != 0 || !FFull) return FSteps.front().Negate ? -res : res;
        return CompareTie(a, b);
    }
    // Whether comparisons of entries may be settled by SettledCompare.
    bool SettlesByNumbers() const { return FFirstColumn != nullptr; }
    // CompareEntries without its count, when the first column's numbers
    // alone decide it (both cells in the column's number lane, and the
    // numbers differ or no tie-break follows); kUnsettled otherwise. No
    // branch: the sort classifies whole blocks of entries by it.
    int SettledCompare(const TSortEntry& a, const TSortEntry& b) const
    {
        const bool lane = TSortColumnKeys::BothInNumberLane(a.First, b.First);
        const int sign = int(a.First.Number > b.First.Number) - int(a.First.Number < b.First.Number);
        const bool settled = lane && (sign != 0 || !FFull);
        const int res = FNegateFirst ? -sign : sign;
        return settled ? res : kUnsettled;
    }
    // n comparisons were settled by SettledCompare.
    void CountCompares(int n) { *FCompareCount += n; }
    // As SortCompare on the two records' rows.
    int Compare(int col, int record1, int record2, TSortDirection direction);

private:
    // One column of the comparison, in order: its direction, whether its
    // result is negated (descending index entries) and whether it is ignored.
    struct TStep {
        int Col = 0;
        TSortDirection Direction = sdAscending;
        bool Negate = false;
        bool Ignored = false;
        TSortColumnKeys* Keys = nullptr;  // read on first use
    };
    // Two entries equal in the first column: the next columns decide.
    int CompareTie(const TSortEntry& a, const TSortEntry& b);
    // The steps from fromStep on, on the records' keys.
    int CompareRecords(size_t fromStep, int record1, int record2);
    const TSortColumnSetup& Setup(int col);
    // Whether a cell of the sorted rows in the column belongs to a merged block.
    bool HasMergedCells(int col) const;
    std::unique_ptr<TSortColumnKeys> ReadColumn(int col);
    TSortColumnKeys& Keys(int col);

    TExStringGrid& G;
    int* FCompareCount;
    int FFirst;
    int FCount;
    bool FFull;
    // The first step's result is negated (a descending index entry).
    bool FNegateFirst = false;
    // No compared column calls the custom comparison: a record compares
    // equal to itself without reading.
    bool FSelfEqual = false;
    std::vector<TStep> FSteps;
    std::vector<TSortEntry> FEntries;
    // The columns of the first two steps, whose keys went to the entries.
    std::unique_ptr<TSortColumnKeys> FFirstColumn;
    std::unique_ptr<TSortColumnKeys> FSecondColumn;
    // By storage column, made on first use: the setups and the keys that
    // records are compared by.
    std::vector<std::unique_ptr<TSortColumnSetup>> FSetups;
    std::vector<std::unique_ptr<TSortColumnKeys>> FKeys;
};

// The entries in the sort's order, as QuickSortRowsInBlocks reads them.
class TSortEntryRows {
public:
    TSortEntryRows(TGridSortKeys& keys, TSortEntry* entries) : FKeys(keys), FAt(entries) {}
    const TSortEntry& At(int pos) const { return FAt[pos]; }
    int Settled(const TSortEntry& a, const TSortEntry& b) const { return FKeys.SettledCompare(a, b); }
    int Compare(int a, int b) { return FKeys.CompareEntries(FAt[a], FAt[b]); }
    void Swap(int a, int b) { std::swap(FAt[a], FAt[b]); }
    void CountSettled(int n) { FKeys.CountCompares(n); }

private:
    TGridSortKeys& FKeys;
    TSortEntry* FAt;
};

}  // namespace grid

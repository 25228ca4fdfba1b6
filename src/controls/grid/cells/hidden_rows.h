#pragma once

// The rows a grid keeps aside while they are hidden, each with its place
// among all rows, its height, the level that hid it and its cells. A filter
// level hides and brings back tens of thousands of rows at a time: the rows
// of one such pass are kept together as one block of arrays (indexes,
// heights, levels, cells side by side), which go in and come out whole,
// instead of a record per row. Single rows (a row range, a contracted node)
// join the blocks one at a time.
//
// The rows have an order (that in which they were hidden, a row inserted at
// a position where it was put); a row is reached through a handle, which
// stays good until the store changes.

#include <cstddef>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

#include "controls/grid/cells/cell_store.h"
#include "controls/grid/cells/grid_item.h"

namespace grid {

// Hidden rows side by side: row i is (Idx[i], Height[i], Level[i],
// Cells[i]); WithoutProperties[i] tells that its cells are known to carry
// no cell properties.
struct THiddenRowBlock {
    std::vector<int> Idx;
    std::vector<int> Height;
    std::vector<int> Level;
    std::vector<TCellRow> Cells;
    std::vector<char> WithoutProperties;
    // A row's cells or index were changed while aside, or a row joined
    // from elsewhere: what was read of the rows before may no longer hold.
    bool Touched = false;

    size_t size() const { return Idx.size(); }
    bool empty() const { return Idx.empty(); }
    void reserve(size_t n);
    void clear();
    void push_back(int idx, int height, int level, TCellRow cells, bool withoutProperties);
    // Moves row i of `from` to the end.
    void take(THiddenRowBlock& from, size_t i);
    // Puts the rows in ascending order of Idx (the order of equal indexes kept).
    void sortByIdx();
};

// One hidden row of a store: what a record of the row gives, read and
// written in place. `Block` is const for a read-only handle.
template <typename Block>
class THiddenRowHandle {
public:
    THiddenRowHandle() = default;
    THiddenRowHandle(Block* block, size_t i) : B(block), I(i) {}
    template <typename Other>
    THiddenRowHandle(const THiddenRowHandle<Other>& other) : B(other.B), I(other.I) {}

    explicit operator bool() const { return B != nullptr; }
    // Handles stand where records were reached through pointers.
    const THiddenRowHandle* operator->() const { return this; }

    int Idx() const { return B->Idx[I]; }  // index among all rows, hidden ones included
    void SetIdx(int value) const
    {
        if (B->Idx[I] == value) return;
        B->Idx[I] = value;
        B->Touched = true;
    }
    int Height() const { return B->Height[I]; }
    // The filter level that hid the row (1 for the first), 0 for a row-range
    // hide, TGridItem::BehindNode for a contracted node.
    int Level() const { return B->Level[I]; }
    void SetLevel(int value) const { B->Level[I] = value; }
    // The row's cells; who may change them forgets that they carried no
    // properties.
    auto& Items() const
    {
        if constexpr (!std::is_const_v<Block>) {
            B->WithoutProperties[I] = 0;
            B->Touched = true;
        }
        return B->Cells[I];
    }
    bool KnownWithoutProperties() const { return B->WithoutProperties[I] != 0; }

private:
    template <typename> friend class THiddenRowHandle;
    Block* B = nullptr;
    size_t I = 0;
};

using THiddenRow = THiddenRowHandle<THiddenRowBlock>;
using TConstHiddenRow = THiddenRowHandle<const THiddenRowBlock>;

class THiddenRows {
public:
    template <typename Handle, typename Blocks>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Handle;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Handle;

        Iterator(Blocks* blocks, size_t block, size_t row) : FBlocks(blocks), FBlock(block), FRow(row) { Settle(); }
        Handle operator*() const { return Handle(&(*FBlocks)[FBlock], FRow); }
        Iterator& operator++()
        {
            ++FRow;
            Settle();
            return *this;
        }
        bool operator==(const Iterator& other) const { return FBlock == other.FBlock && FRow == other.FRow; }

    private:
        void Settle()
        {
            while (FBlock < FBlocks->size() && FRow >= (*FBlocks)[FBlock].size()) {
                ++FBlock;
                FRow = 0;
            }
        }
        Blocks* FBlocks;
        size_t FBlock;
        size_t FRow;
    };
    using iterator = Iterator<THiddenRow, std::vector<THiddenRowBlock>>;
    using const_iterator = Iterator<TConstHiddenRow, const std::vector<THiddenRowBlock>>;

    size_t size() const { return FCount; }
    bool empty() const { return FCount == 0; }
    void clear();

    iterator begin() { return iterator(&FBlocks, 0, 0); }
    iterator end() { return iterator(&FBlocks, FBlocks.size(), 0); }
    const_iterator begin() const { return const_iterator(&FBlocks, 0, 0); }
    const_iterator end() const { return const_iterator(&FBlocks, FBlocks.size(), 0); }

    // The row at position k of the order.
    THiddenRow operator[](size_t k);
    TConstHiddenRow operator[](size_t k) const;
    // The row with the given all-rows index (the first such), or none.
    THiddenRow Find(int idx);
    TConstHiddenRow Find(int idx) const;
    // The position of the row with the given all-rows index, or size().
    size_t IndexOf(int idx) const;

    // The all-rows indexes of every row, ascending.
    std::vector<int> SortedIndexes() const;

    // A whole block joins at the end.
    void Append(THiddenRowBlock block);
    // One row joins at position k (at most size()), its level the record's.
    void Insert(size_t k, TGridItem&& item);
    void PushBack(TGridItem&& item) { Insert(FCount, std::move(item)); }
    // A block emptied of rows that came back keeps its room for the next
    // rows to go aside: TakeSpare hands it out with no rows. Its Cells may
    // still hold empty cell rows of the rows that came back (room that
    // needs no making or freeing): the taker sizes Cells to its rows and
    // assigns them.
    void KeepSpare(THiddenRowBlock block);
    THiddenRowBlock TakeSpare();
    // Row k leaves, its record given back.
    TGridItem Take(size_t k);
    // The rows for which take(row) says so (asked once or twice a row)
    // leave, in their order, for the end of `into`; the others close up in
    // theirs.
    template <typename Pred>
    void TakeIf(Pred&& take, THiddenRowBlock& into);

private:
    // Block and row of position k.
    std::pair<size_t, size_t> Locate(size_t k) const;
    void DropEmptyBlocks();

    std::vector<THiddenRowBlock> FBlocks;
    size_t FCount = 0;
    THiddenRowBlock FSpare;
};

template <typename Pred>
void THiddenRows::TakeIf(Pred&& take, THiddenRowBlock& into)
{
    for (THiddenRowBlock& block : FBlocks) {
        const size_t n = block.size();
        size_t count = 0;
        for (size_t i = 0; i < n; ++i) count += take(TConstHiddenRow(&block, i)) ? 1 : 0;
        if (count == 0) continue;
        FCount -= count;
        if (count == n && into.empty()) {
            into = std::move(block);  // the whole block at once
            block.clear();
            continue;
        }
        size_t kept = 0;
        for (size_t i = 0; i < n; ++i) {
            if (take(TConstHiddenRow(&block, i))) {
                into.take(block, i);
                continue;
            }
            if (kept != i) {
                block.Idx[kept] = block.Idx[i];
                block.Height[kept] = block.Height[i];
                block.Level[kept] = block.Level[i];
                block.Cells[kept] = std::move(block.Cells[i]);
                block.WithoutProperties[kept] = block.WithoutProperties[i];
            }
            ++kept;
        }
        block.Idx.resize(kept);
        block.Height.resize(kept);
        block.Level.resize(kept);
        block.Cells.resize(kept);
        block.WithoutProperties.resize(kept);
    }
    DropEmptyBlocks();
}

}  // namespace grid

#include "controls/grid/cells/hidden_rows.h"

#include <algorithm>
#include <numeric>

namespace grid {

void THiddenRowBlock::reserve(size_t n)
{
    Idx.reserve(n);
    Height.reserve(n);
    Level.reserve(n);
    Cells.reserve(n);
    WithoutProperties.reserve(n);
}

void THiddenRowBlock::clear()
{
    Idx.clear();
    Height.clear();
    Level.clear();
    Cells.clear();
    WithoutProperties.clear();
    Touched = false;
}

void THiddenRowBlock::push_back(int idx, int height, int level, TCellRow cells, bool withoutProperties)
{
    Idx.push_back(idx);
    Height.push_back(height);
    Level.push_back(level);
    Cells.push_back(std::move(cells));
    WithoutProperties.push_back(withoutProperties ? 1 : 0);
}

void THiddenRowBlock::take(THiddenRowBlock& from, size_t i)
{
    push_back(from.Idx[i], from.Height[i], from.Level[i], std::move(from.Cells[i]), from.WithoutProperties[i] != 0);
    Touched = Touched || from.Touched;
}

void THiddenRowBlock::sortByIdx()
{
    if (std::is_sorted(Idx.begin(), Idx.end())) return;
    std::vector<size_t> order(size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) { return Idx[a] < Idx[b]; });
    THiddenRowBlock sorted;
    sorted.reserve(size());
    for (size_t i : order) sorted.take(*this, i);
    *this = std::move(sorted);
}

void THiddenRows::clear()
{
    FBlocks.clear();
    FCount = 0;
    FSpare = THiddenRowBlock();
}

std::pair<size_t, size_t> THiddenRows::Locate(size_t k) const
{
    for (size_t b = 0; b < FBlocks.size(); ++b) {
        if (k < FBlocks[b].size()) return {b, k};
        k -= FBlocks[b].size();
    }
    return {FBlocks.size(), 0};
}

THiddenRow THiddenRows::operator[](size_t k)
{
    const auto [b, i] = Locate(k);
    return b < FBlocks.size() ? THiddenRow(&FBlocks[b], i) : THiddenRow();
}

TConstHiddenRow THiddenRows::operator[](size_t k) const
{
    const auto [b, i] = Locate(k);
    return b < FBlocks.size() ? TConstHiddenRow(&FBlocks[b], i) : TConstHiddenRow();
}

THiddenRow THiddenRows::Find(int idx)
{
    for (THiddenRowBlock& block : FBlocks) {
        const auto at = std::find(block.Idx.begin(), block.Idx.end(), idx);
        if (at != block.Idx.end()) return THiddenRow(&block, size_t(at - block.Idx.begin()));
    }
    return THiddenRow();
}

TConstHiddenRow THiddenRows::Find(int idx) const
{
    return const_cast<THiddenRows*>(this)->Find(idx);
}

size_t THiddenRows::IndexOf(int idx) const
{
    size_t before = 0;
    for (const THiddenRowBlock& block : FBlocks) {
        const auto at = std::find(block.Idx.begin(), block.Idx.end(), idx);
        if (at != block.Idx.end()) return before + size_t(at - block.Idx.begin());
        before += block.size();
    }
    return FCount;
}

std::vector<int> THiddenRows::SortedIndexes() const
{
    std::vector<int> list;
    list.reserve(FCount);
    for (const THiddenRowBlock& block : FBlocks) list.insert(list.end(), block.Idx.begin(), block.Idx.end());
    std::sort(list.begin(), list.end());
    return list;
}

void THiddenRows::Append(THiddenRowBlock block)
{
    if (block.empty()) return;
    FCount += block.size();
    FBlocks.push_back(std::move(block));
}

void THiddenRows::Insert(size_t k, TGridItem&& item)
{
    k = std::min(k, FCount);
    auto [b, i] = Locate(k);
    if (b == FBlocks.size()) {
        // At the end: the last block grows.
        if (FBlocks.empty()) FBlocks.emplace_back();
        b = FBlocks.size() - 1;
        i = FBlocks[b].size();
    }
    THiddenRowBlock& block = FBlocks[b];
    const auto at = std::ptrdiff_t(i);
    const bool without = item.KnownWithoutProperties();
    block.Idx.insert(block.Idx.begin() + at, item.Idx());
    block.Height.insert(block.Height.begin() + at, item.Height());
    block.Level.insert(block.Level.begin() + at, item.Level);
    block.Cells.insert(block.Cells.begin() + at, std::move(item.Items()));
    block.WithoutProperties.insert(block.WithoutProperties.begin() + at, without ? 1 : 0);
    block.Touched = true;
    ++FCount;
}

TGridItem THiddenRows::Take(size_t k)
{
    TGridItem item;
    const auto [b, i] = Locate(k);
    if (b == FBlocks.size()) return item;
    THiddenRowBlock& block = FBlocks[b];
    const auto at = std::ptrdiff_t(i);
    item.SetIdx(block.Idx[i]);
    item.SetHeight(block.Height[i]);
    item.Level = block.Level[i];
    if (block.WithoutProperties[i] != 0)
        item.SetItemsWithoutProperties(std::move(block.Cells[i]));
    else
        item.SetItems(std::move(block.Cells[i]));
    block.Idx.erase(block.Idx.begin() + at);
    block.Height.erase(block.Height.begin() + at);
    block.Level.erase(block.Level.begin() + at);
    block.Cells.erase(block.Cells.begin() + at);
    block.WithoutProperties.erase(block.WithoutProperties.begin() + at);
    --FCount;
    DropEmptyBlocks();
    return item;
}

void THiddenRows::KeepSpare(THiddenRowBlock block)
{
    if (block.Cells.capacity() < FSpare.Cells.capacity()) return;
    // Its cell rows, all gone back and empty, stay to be assigned over.
    std::vector<TCellRow> emptyRows = std::move(block.Cells);
    block.clear();
    block.Cells = std::move(emptyRows);
    FSpare = std::move(block);
}

THiddenRowBlock THiddenRows::TakeSpare()
{
    THiddenRowBlock block = std::move(FSpare);
    FSpare = THiddenRowBlock();
    return block;
}

void THiddenRows::DropEmptyBlocks()
{
    std::erase_if(FBlocks, [](const THiddenRowBlock& block) { return block.empty(); });
}

}  // namespace grid

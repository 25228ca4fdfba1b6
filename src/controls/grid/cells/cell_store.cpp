#include "controls/grid/cells/cell_store.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <utility>

namespace grid {

namespace cell_store_detail {

const QString& emptyText()
{
    static const QString empty;
    return empty;
}

// Inserts count default (empty) elements of a move-only type at index.
template <typename T>
void insertEmpty(std::vector<T>& items, int index, int count)
{
    std::vector<T> fresh(static_cast<size_t>(count));
    items.insert(items.begin() + index, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
}

}  // namespace cell_store_detail

TStoredCell::~TStoredCell() = default;

const QString& TCellRow::Text(int col) const
{
    if (col < 0 || col >= static_cast<int>(Cells.size())) return cell_store_detail::emptyText();
    return Cells[static_cast<size_t>(col)].Text();
}

TCellProperties* TCellRow::Properties(int col) const
{
    if (col < 0 || col >= static_cast<int>(Cells.size())) return nullptr;
    return Cells[static_cast<size_t>(col)].Properties.get();
}

uint64_t TCellStore::NextGeneration()
{
    // Unique across all stores and threads, so that no two states of any
    // stores share one. A thread takes numbers in runs from the shared
    // counter: a sort changes its store at every swap.
    constexpr uint64_t run = uint64_t(1) << 20;
    static std::atomic<uint64_t> taken{0};
    thread_local uint64_t next = 0;
    thread_local uint64_t end = 0;
    if (next == end) {
        next = taken.fetch_add(run) + 1;
        end = next + run - 1;
    }
    return next++;
}

void TCellStore::Changed()
{
    FGeneration = NextGeneration();
}

TCellStore::TCellStore(TCellStore&& other) noexcept
    : FColCount(std::exchange(other.FColCount, 0)), FRows(std::move(other.FRows)),
      FPropertiesCount(std::exchange(other.FPropertiesCount, 0)), FGeneration(other.FGeneration)
{
    other.FRows.clear();
    other.Changed();
}

TCellStore& TCellStore::operator=(TCellStore&& other) noexcept
{
    if (this == &other) return *this;
    FColCount = std::exchange(other.FColCount, 0);
    FRows = std::move(other.FRows);
    other.FRows.clear();
    FPropertiesCount = std::exchange(other.FPropertiesCount, 0);
    FGeneration = other.FGeneration;
    other.Changed();
    return *this;
}

TCellStore::TCellStore(int colCount, int rowCount)
{
    SetColCount(colCount);
    SetRowCount(rowCount);
}

void TCellStore::SetColCount(int value)
{
    if (std::max(0, value) != FColCount) Changed();
    FColCount = std::max(0, value);
}

void TCellStore::SetRowCount(int value)
{
    value = std::max(0, value);
    if (value != RowCount()) Changed();
    if (value < RowCount()) {
        for (int r = value; r < RowCount(); ++r) FPropertiesCount -= CountProperties(FRows[static_cast<size_t>(r)]);
    }
    FRows.resize(static_cast<size_t>(value));
}

bool TCellStore::Contains(int col, int row) const
{
    return col >= 0 && col < FColCount && row >= 0 && row < RowCount();
}

const QString& TCellStore::Text(int col, int row) const
{
    if (!Contains(col, row)) return cell_store_detail::emptyText();
    return FRows[static_cast<size_t>(row)].Text(col);
}

const TStoredCell* TCellStore::Cell(int col, int row) const
{
    if (!Contains(col, row)) return nullptr;
    const auto& cells = FRows[static_cast<size_t>(row)].Cells;
    return col < static_cast<int>(cells.size()) ? &cells[static_cast<size_t>(col)] : nullptr;
}

TStoredCell* TCellStore::CellForWrite(int col, int row)
{
    if (!Contains(col, row)) return nullptr;
    auto& cells = FRows[static_cast<size_t>(row)].Cells;
    if (col >= static_cast<int>(cells.size())) cells.resize(static_cast<size_t>(std::max(col + 1, FColCount)));
    return &cells[static_cast<size_t>(col)];
}

namespace cell_store_detail {

void prefetch(const void* address)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

}  // namespace cell_store_detail

void TCellStore::PrefetchCell(int col, int row) const
{
    if (row < 0 || row >= RowCount() || col < 0) return;
    const auto& cells = FRows[static_cast<size_t>(row)].Cells;
    if (col < static_cast<int>(cells.size())) cell_store_detail::prefetch(&cells[static_cast<size_t>(col)]);
}

void TCellStore::PrefetchText(int col, int row, bool wholeNumbers) const
{
    if (row < 0 || row >= RowCount() || col < 0) return;
    const auto& cells = FRows[static_cast<size_t>(row)].Cells;
    if (col >= static_cast<int>(cells.size())) return;
    const TStoredCell& cell = cells[static_cast<size_t>(col)];
    if (wholeNumbers || !cell.DigitsInteger()) cell_store_detail::prefetch(cell.Text().constData());
}

void TCellStore::SetText(int col, int row, const QString& value)
{
    Changed();
    if (!Contains(col, row)) return;
    auto& cells = FRows[static_cast<size_t>(row)].Cells;
    if (col >= static_cast<int>(cells.size())) {
        if (value.isEmpty()) return;  // an empty cell stays unallocated
        cells.resize(static_cast<size_t>(std::max(col + 1, FColCount)));
    }
    cells[static_cast<size_t>(col)].SetText(value);
}

TCellProperties* TCellStore::Properties(int col, int row) const
{
    if (!Contains(col, row)) return nullptr;
    return FRows[static_cast<size_t>(row)].Properties(col);
}

void TCellStore::SetProperties(int col, int row, std::unique_ptr<TCellProperties> value)
{
    Changed();
    TStoredCell* cell = CellForWrite(col, row);
    if (cell == nullptr) return;  // value is freed on leaving
    if (cell->Properties) --FPropertiesCount;
    if (value) {
        ++FPropertiesCount;
        value->SetOwnerCol(col);
        value->SetOwnerRow(row);
    }
    cell->Properties = std::move(value);
}

std::unique_ptr<TCellProperties> TCellStore::TakeProperties(int col, int row)
{
    Changed();
    if (Properties(col, row) == nullptr) return nullptr;
    --FPropertiesCount;
    return std::move(FRows[static_cast<size_t>(row)].Cells[static_cast<size_t>(col)].Properties);
}

int TCellStore::CountProperties(const TCellRow& cells, int fromCol)
{
    int count = 0;
    for (size_t c = static_cast<size_t>(std::max(0, fromCol)); c < cells.Cells.size(); ++c)
        if (cells.Cells[c].Properties) ++count;
    return count;
}

void TCellStore::RenumberRows(int fromRow, int toRow)
{
    if (FPropertiesCount == 0) return;
    fromRow = std::max(0, fromRow);
    toRow = std::min(toRow, RowCount() - 1);
    for (int r = fromRow; r <= toRow; ++r) RenumberCols(r, 0);
}

void TCellStore::RenumberCols(int row, int fromCol)
{
    auto& cells = FRows[static_cast<size_t>(row)].Cells;
    for (size_t c = static_cast<size_t>(std::max(0, fromCol)); c < cells.size(); ++c) {
        if (TCellProperties* props = cells[c].Properties.get()) {
            props->SetOwnerCol(static_cast<int>(c));
            props->SetOwnerRow(row);
        }
    }
}

void TCellStore::InsertRows(int row, int count)
{
    Changed();
    if (count <= 0) return;
    row = std::clamp(row, 0, RowCount());
    cell_store_detail::insertEmpty(FRows, row, count);
    RenumberRows(row + count, RowCount() - 1);
}

void TCellStore::RemoveRows(int row, int count)
{
    Changed();
    if (row < 0 || row >= RowCount() || count <= 0) return;
    count = std::min(count, RowCount() - row);
    if (FPropertiesCount > 0)
        for (int r = row; r < row + count; ++r) FPropertiesCount -= CountProperties(FRows[static_cast<size_t>(r)]);
    FRows.erase(FRows.begin() + row, FRows.begin() + row + count);
    RenumberRows(row, RowCount() - 1);
}

TCellRow TCellStore::TakeRow(int row)
{
    Changed();
    if (row < 0 || row >= RowCount()) return {};
    TCellRow taken = std::move(FRows[static_cast<size_t>(row)]);
    FPropertiesCount -= CountProperties(taken);
    FRows.erase(FRows.begin() + row);
    RenumberRows(row, RowCount() - 1);
    return taken;
}

void TCellStore::InsertRow(int row, TCellRow cells)
{
    Changed();
    row = std::clamp(row, 0, RowCount());
    FPropertiesCount += CountProperties(cells);
    FRows.insert(FRows.begin() + row, std::move(cells));
    RenumberRows(row, RowCount() - 1);
}

std::vector<TCellRow> TCellStore::TakeRows(const std::vector<int>& rows)
{
    std::vector<TCellRow> taken;
    taken.reserve(rows.size());
    TakeRowsEach(rows, [&taken](size_t, TCellRow&& row) { taken.push_back(std::move(row)); });
    return taken;
}

void TCellStore::InsertRowsAt(const std::vector<int>& places, std::vector<TCellRow> rows)
{
    if (rows.empty()) return;
    InsertRowsAtEach(places, [&rows](size_t i) { return std::move(rows[i]); });
}

void TCellStore::MoveRow(int from, int to)
{
    Changed();
    if (from < 0 || from >= RowCount() || to < 0 || to >= RowCount() || from == to) return;
    auto first = FRows.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    RenumberRows(std::min(from, to), std::max(from, to));
}

void TCellStore::SwapRows(int row1, int row2)
{
    Changed();
    if (row1 < 0 || row1 >= RowCount() || row2 < 0 || row2 >= RowCount() || row1 == row2) return;
    std::swap(FRows[static_cast<size_t>(row1)], FRows[static_cast<size_t>(row2)]);
    RenumberRows(row1, row1);
    RenumberRows(row2, row2);
}

void TCellStore::MoveRowsToPlaces(int first, const TPlaceCycles& cycles)
{
    Changed();
    const int last = first + cycles.LastMoved();
    if (cycles.Empty() || first < 0 || last >= RowCount()) return;
    cycles.Move(FRows, first);
    RenumberRows(first, last);
}

void TCellStore::ClearRow(int row)
{
    Changed();
    if (row < 0 || row >= RowCount()) return;
    FPropertiesCount -= CountProperties(FRows[static_cast<size_t>(row)]);
    FRows[static_cast<size_t>(row)].Cells.clear();
}

void TCellStore::InsertCols(int col, int count)
{
    Changed();
    if (count <= 0) return;
    col = std::clamp(col, 0, FColCount);
    FColCount += count;
    for (int r = 0; r < RowCount(); ++r) {
        auto& cells = FRows[static_cast<size_t>(r)].Cells;
        if (col >= static_cast<int>(cells.size())) continue;
        cell_store_detail::insertEmpty(cells, col, count);
        if (FPropertiesCount > 0) RenumberCols(r, col + count);
    }
}

void TCellStore::RemoveCols(int col, int count)
{
    Changed();
    if (col < 0 || col >= FColCount || count <= 0) return;
    count = std::min(count, FColCount - col);
    FColCount -= count;
    for (int r = 0; r < RowCount(); ++r) {
        auto& cells = FRows[static_cast<size_t>(r)].Cells;
        if (col >= static_cast<int>(cells.size())) continue;
        const int last = std::min(col + count, static_cast<int>(cells.size()));
        for (int c = col; c < last; ++c)
            if (cells[static_cast<size_t>(c)].Properties) --FPropertiesCount;
        cells.erase(cells.begin() + col, cells.begin() + last);
        if (FPropertiesCount > 0) RenumberCols(r, col);
    }
}

void TCellStore::MoveCol(int from, int to)
{
    Changed();
    if (from < 0 || from >= FColCount || to < 0 || to >= FColCount || from == to) return;
    const int needed = std::max(from, to) + 1;
    for (int r = 0; r < RowCount(); ++r) {
        auto& cells = FRows[static_cast<size_t>(r)].Cells;
        if (static_cast<int>(cells.size()) <= std::min(from, to)) continue;  // nothing stored in the range
        if (static_cast<int>(cells.size()) < needed) cells.resize(static_cast<size_t>(needed));
        auto first = cells.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
        if (FPropertiesCount > 0) RenumberCols(r, std::min(from, to));
    }
}

void TCellStore::ClearCells()
{
    Changed();
    for (auto& row : FRows) row.Cells.clear();
    FPropertiesCount = 0;
}

}  // namespace grid

#pragma once

#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QString>

#include "controls/grid/cells/cell_properties.h"
#include "controls/grid/cells/row_places.h"
#include "controls/grid/text/grid_number_text.h"

namespace grid {

// One cell of the store: its raw text and its properties slot. The cell
// keeps what ReadPlainInteger reads in its text, set with the text, so that
// passes comparing many cells as numbers (filters, sorts) find the common
// whole number without going to the text.
class TStoredCell {
public:
    TStoredCell() = default;
    // A cell moved from keeps a text and its whole number that agree.
    TStoredCell(TStoredCell&& other) noexcept
        : Properties(std::move(other.Properties)), FText(std::exchange(other.FText, QString())),
          FPlainInteger(std::exchange(other.FPlainInteger, NoPlainInteger))
    {
    }
    TStoredCell& operator=(TStoredCell&& other) noexcept
    {
        Properties = std::move(other.Properties);
        FText.swap(other.FText);
        std::swap(FPlainInteger, other.FPlainInteger);
        return *this;
    }
    // Out of line: the passes that move rows by the thousand free rows
    // that are empty, and that stays a check in place.
    ~TStoredCell();

    const QString& Text() const { return FText; }
    void SetText(const QString& value)
    {
        FText = value;
        const std::optional<int64_t> whole = ReadPlainInteger(FText);
        FPlainInteger = !whole ? NoPlainInteger : (FText.front() == u'+' ? *whole + PlusMark : *whole);
    }
    void ClearText()
    {
        FText.clear();
        FPlainInteger = NoPlainInteger;
    }
    // The text read by ReadPlainInteger, or none.
    std::optional<int64_t> PlainInteger() const
    {
        if (FPlainInteger == NoPlainInteger) return std::nullopt;
        return FPlainInteger >= PlusMark ? FPlainInteger - PlusMark : FPlainInteger;
    }
    // The same for a text of digits with at most a "-" in front, which the
    // number classifier takes for a whole number as it stands; none for a
    // text with a "+" in front.
    std::optional<int64_t> DigitsInteger() const
    {
        if (FPlainInteger == NoPlainInteger || FPlainInteger >= PlusMark) return std::nullopt;
        return FPlainInteger;
    }

    std::unique_ptr<TCellProperties> Properties;

private:
    // No plain whole number reaches it: they have 15 digits at most.
    static constexpr int64_t NoPlainInteger = INT64_MIN;
    // Added to the number of a text with a "+" in front; far above every
    // plain number (below 10^15).
    static constexpr int64_t PlusMark = int64_t(1) << 56;
    QString FText;
    int64_t FPlainInteger = NoPlainInteger;
};

// A whole row of cells by storage column, as it moves between the store and
// the places that keep rows aside (hidden rows, a row clipboard). A row may be
// shorter than the store's column count (missing cells are empty) or longer
// (cells kept beyond a lowered column count).
struct TCellRow {
    std::vector<TStoredCell> Cells;

    const QString& Text(int col) const;
    TCellProperties* Properties(int col) const;
};

// The cells of a grid: raw text and a properties slot per (storage column,
// row). Cells are kept row by row, so rows insert, remove, move and swap as a
// whole with their texts and properties. Lowering the column count keeps the
// cells of the columns beyond it (hidden columns live there); raising it makes
// them reachable again. Lowering the row count frees the rows beyond it.
//
// Every accessor checks its position: reads outside the store give an empty
// text or no properties, writes outside it are ignored.
class TCellStore {
public:
    TCellStore() = default;
    TCellStore(int colCount, int rowCount);
    // A store moved from is a new state: it takes a new generation.
    TCellStore(TCellStore&& other) noexcept;
    TCellStore& operator=(TCellStore&& other) noexcept;

    int ColCount() const { return FColCount; }
    int RowCount() const { return static_cast<int>(FRows.size()); }
    void SetColCount(int value);
    void SetRowCount(int value);
    bool Contains(int col, int row) const;

    const QString& Text(int col, int row) const;
    // The cell at a place inside the store, or none where no cell is kept
    // (its text is empty, it has no properties).
    const TStoredCell* Cell(int col, int row) const;
    void SetText(int col, int row, const QString& value);
    // Hints for a pass that reads a column over many rows: the processor
    // starts loading a cell's slot (text and properties), or, once the slot
    // is loaded, its text's characters, so that the reads of many rows
    // overlap instead of waiting on memory one after another. They read
    // nothing else and change nothing. Without wholeNumbers the text of a
    // cell that keeps it as a whole number (DigitsInteger) is left alone,
    // for a pass that takes the number instead.
    void PrefetchCell(int col, int row) const;
    void PrefetchText(int col, int row, bool wholeNumbers = true) const;

    TCellProperties* Properties(int col, int row) const;
    // The cells of a row inside the store, unchecked, for passes that read
    // a column over many rows (a row may be shorter than the column count:
    // its missing cells are empty).
    const TCellRow& RowCells(int row) const { return FRows[static_cast<size_t>(row)]; }
    // Stores value in the slot, freeing what the slot held; a position outside
    // the store frees value instead. The owner position of value is set to the cell.
    void SetProperties(int col, int row, std::unique_ptr<TCellProperties> value);
    // Empties the slot without freeing (the caller takes the object).
    std::unique_ptr<TCellProperties> TakeProperties(int col, int row);
    // Number of properties objects held by the store (cells beyond the column
    // count included).
    int PropertiesCount() const { return FPropertiesCount; }
    // A number that changes with every change of the store's cells, rows
    // or columns, and that no other state of any store has had: a pass that
    // keeps what it read of the cells knows whether it still holds. Every
    // member that changes the store takes a new one.
    uint64_t Generation() const { return FGeneration; }

    // Row operations. Counts and positions are cut to the store; rows given
    // back keep every storage column (also those beyond the column count).
    void InsertRows(int row, int count);
    void RemoveRows(int row, int count);
    TCellRow TakeRow(int row);
    void InsertRow(int row, TCellRow cells);
    // Takes the given rows (ascending, distinct, inside the store) out in
    // one pass, in their order; the other rows close up in theirs.
    std::vector<TCellRow> TakeRows(const std::vector<int>& rows);
    // The same, handing each row taken to take(i, row) for rows[i].
    template <typename Take> void TakeRowsEach(const std::vector<int>& rows, Take&& take);
    // Puts rows[i] in at place places[i] of the result (places ascending,
    // distinct, below the resulting row count) in one pass; the rows
    // already in the store fill the other places in their order.
    void InsertRowsAt(const std::vector<int>& places, std::vector<TCellRow> rows);
    // The same, with rowAt(i) giving the row for places[i] (asked once each,
    // from the last place to the first). Rows for which withoutProperties(i)
    // says they carry no properties are not looked through for them.
    template <typename RowAt> void InsertRowsAtEach(const std::vector<int>& places, RowAt&& rowAt)
    {
        InsertRowsAtEach(places, std::forward<RowAt>(rowAt), [](size_t) { return false; });
    }
    template <typename RowAt, typename WithoutProperties>
    void InsertRowsAtEach(const std::vector<int>& places, RowAt&& rowAt, WithoutProperties&& withoutProperties);
    void MoveRow(int from, int to);
    void SwapRows(int row1, int row2);
    // Every row first + k goes to first + place[k], along the cycles of the
    // place list; nothing when a moved row is not in the store.
    void MoveRowsToPlaces(int first, const TPlaceCycles& cycles);
    // Empties a row (texts and properties freed), keeping it in place.
    void ClearRow(int row);

    // Storage-column operations: the column count changes by the inserted or
    // removed columns; cells beyond the column count move along.
    void InsertCols(int col, int count);
    void RemoveCols(int col, int count);
    void MoveCol(int from, int to);

    // Frees every cell; column and row counts stay.
    void ClearCells();

private:
    TStoredCell* CellForWrite(int col, int row);
    void RenumberRows(int fromRow, int toRow);
    void RenumberCols(int row, int fromCol);
    static int CountProperties(const TCellRow& cells, int fromCol = 0);
    static uint64_t NextGeneration();
    void Changed();

    int FColCount = 0;
    std::vector<TCellRow> FRows;
    int FPropertiesCount = 0;
    uint64_t FGeneration = NextGeneration();
};

template <typename Take> void TCellStore::TakeRowsEach(const std::vector<int>& rows, Take&& take)
{
    if (rows.empty()) return;
    Changed();
    size_t next = 0;
    size_t kept = static_cast<size_t>(rows.front());
    for (size_t r = kept; r < FRows.size(); ++r) {
        if (next < rows.size() && static_cast<size_t>(rows[next]) == r) {
            if (FPropertiesCount > 0) FPropertiesCount -= CountProperties(FRows[r]);
            take(next, std::move(FRows[r]));
            ++next;
        } else {
            FRows[kept++] = std::move(FRows[r]);
        }
    }
    FRows.resize(kept);
    RenumberRows(rows.front(), RowCount() - 1);
}

template <typename RowAt, typename WithoutProperties>
void TCellStore::InsertRowsAtEach(const std::vector<int>& places, RowAt&& rowAt, WithoutProperties&& withoutProperties)
{
    if (places.empty()) return;
    Changed();
    size_t present = FRows.size();
    FRows.resize(present + places.size());
    // From the end, so that every row moves once.
    size_t next = places.size();
    for (size_t at = FRows.size(); at-- > 0 && next > 0;) {
        if (static_cast<size_t>(places[next - 1]) == at) {
            --next;
            const bool without = withoutProperties(next);
            FRows[at] = rowAt(next);
            if (!without) FPropertiesCount += CountProperties(FRows[at]);
        } else {
            FRows[at] = std::move(FRows[--present]);
        }
    }
    RenumberRows(places.front(), RowCount() - 1);
}

}  // namespace grid

#pragma once

// Lists of signed 32-bit integers that tell their owner when they change:
// TIntList (merged and ignored columns, column order, image indexes, scratch
// lists; writable and readable as comma-separated text) and TSortIndexList
// (sort columns with their directions).

#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

namespace grid {

class TIntList {
public:
    // Sender, column, row: fired after Add, Delete and an indexed write.
    using TImageChangeEvent = std::function<void(TIntList* sender, int col, int row)>;

    explicit TIntList(int col = 0, int row = 0);
    virtual ~TIntList() = default;
    TIntList(const TIntList&) = delete;
    TIntList& operator=(const TIntList&) = delete;

    int Count() const { return int(FItems.size()); }
    // Empties the list; no event.
    void Clear() { FItems.clear(); }

    void Add(int32_t value);
    // Index may equal Count (appends); no event.
    void Insert(int index, int32_t value);
    void Delete(int index);
    int32_t GetInteger(int index) const;
    void SetInteger(int index, int32_t value);
    int32_t operator[](int index) const { return GetInteger(index); }

    // Deletes the first entry equal to value (firing OnChange); nothing when absent.
    void DeleteValue(int32_t value);
    bool HasValue(int32_t value) const;

    // The entries in decimal joined with "," ("" for an empty list).
    QString StrValue() const;
    // Clears the list (no event), splits the text by comma-text rules
    // (commas and blanks separate, double quotes group) and adds each part as
    // an integer (one OnChange per part). A part that is no integer raises
    // EExGridError; the parts before it stay.
    void SetStrValue(const QString& text);

    int Col() const { return FCol; }
    int Row() const { return FRow; }

    TImageChangeEvent OnChange;

protected:
    // Raises EExGridError for an index outside 0 .. limit - 1.
    void CheckIndex(int index, int limit) const;

private:
    void Changed();

    std::vector<int32_t> FItems;
    int FCol;
    int FRow;
};

// Sort columns in priority order: bits 0..30 of an entry hold the column,
// bit 31 is set for a descending column.
class TSortIndexList : public TIntList {
public:
    static constexpr uint32_t DescendingBit = 0x80000000u;
    static constexpr uint32_t ColumnMask = 0x7FFFFFFFu;

    using TIntList::TIntList;

    void AddIndex(int columnIndex, bool ascending);
    // Position of the first entry of the column; -1 when absent.
    int FindIndex(int columnIndex) const;
    // Flips the direction of the column's first entry; nothing when absent.
    void ToggleIndex(int columnIndex);

    int SortColumns(int index) const;
    void SetSortColumns(int index, int columnIndex);  // keeps the direction
    bool SortDirections(int index) const;             // true = ascending
    void SetSortDirections(int index, bool ascending);

    // "u" (ascending) or "d" (descending) and the column's low 16 bits per
    // entry, joined with ";": column 3 ascending, column 0 descending give
    // "u3;d0".
    QString SaveToString() const;
    // Clears the list and reads that form: items shorter than two characters
    // and items whose number is malformed are skipped; "u" (lower case only)
    // means ascending, any other letter descending.
    void LoadFromString(const QString& text);
};

}  // namespace grid

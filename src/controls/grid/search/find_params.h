#pragma once

// The option flags of the grid's find: bit i of the set is flag i.

#include <cstdint>
#include <initializer_list>

namespace grid::search {

enum TFindParameter : uint8_t {
    fnMatchCase,             // compare case-sensitively
    fnMatchFull,             // the cell text must equal the search text
    fnMatchRegular,          // the search text is a filter condition
    fnDirectionLeftRight,    // row by row (otherwise column by column)
    fnMatchStart,            // the search text starts the cell text
    fnFindInCurrentRow,
    fnFindInCurrentCol,
    fnIncludeFixed,          // fixed rows and columns, fixed right columns and footers too
    fnAutoGoto,              // the found cell becomes current
    fnIgnoreHTMLTags,        // tags are stripped before comparing
    fnBackward,
    fnIncludeHiddenColumns,  // columns are storage columns, hidden ones searched
    fnFindInPresetCol,       // only column FindCol
    fnFindInPresetRow,       // only row FindRow
    fnSelectedCells,         // only the selection
    fnIncludeHiddenRows,     // rows are all-rows indexes, hidden ones searched
};

class TFindParams {
public:
    constexpr TFindParams() = default;
    constexpr TFindParams(std::initializer_list<TFindParameter> flags)
    {
        for (TFindParameter f : flags) Include(f);
    }
    constexpr bool Contains(TFindParameter f) const { return (FBits >> f) & 1u; }
    constexpr TFindParams& Include(TFindParameter f)
    {
        FBits = uint16_t(FBits | (1u << f));
        return *this;
    }
    constexpr TFindParams& Exclude(TFindParameter f)
    {
        FBits = uint16_t(FBits & ~(1u << f));
        return *this;
    }
    constexpr uint16_t Bits() const { return FBits; }
    constexpr bool operator==(const TFindParams&) const = default;

private:
    uint16_t FBits = 0;
};

}  // namespace grid::search

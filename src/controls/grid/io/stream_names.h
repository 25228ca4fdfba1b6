#pragma once

// The identifiers under which the grid's enumerations and sets are stored in
// component streams: element i of a table is the name of the value i.

#include <cstdint>

#include <QStringList>

namespace grid::io {

struct TNameTable {
    const char* const* Names;
    int Count;
    const char* Name(int value) const { return value >= 0 && value < Count ? Names[value] : ""; }
};

extern const TNameTable kAlignmentNames;          // TAlignment
extern const TNameTable kVAlignmentNames;         // TVAlignment
extern const TNameTable kBrushStyleNames;         // TBrushStyle
extern const TNameTable kGradientDirectionNames;  // TCellGradientDirection
extern const TNameTable kEditorTypeNames;         // TEditorType
extern const TNameTable kCellTypeNames;           // TCellType
extern const TNameTable kCellHAlignNames;         // TCellHAlign
extern const TNameTable kCellVAlignNames;         // TCellVAlign
extern const TNameTable kCheckBoxStateNames;      // TCheckBoxState
extern const TNameTable kSortStyleNames;          // TSortStyle
extern const TNameTable kColumnPopupTypeNames;    // TColumnPopupType
extern const TNameTable kFontStyleNames;          // bits of TFontStyles, lowest first
extern const TNameTable kCellBorderNames;         // bits of TCellBorders, lowest first

// A set of bits as its element names (lowest bit first), and back; a name
// that is not in the table gives nullopt-like failure through ok.
QStringList SetToNames(uint32_t bits, const TNameTable& table);
uint32_t NamesToSet(const QStringList& names, const TNameTable& table, bool& ok);

}  // namespace grid::io

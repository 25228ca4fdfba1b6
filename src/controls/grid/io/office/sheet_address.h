#pragma once

// Worksheet column names and the used-area addresses a spreadsheet server
// reports ($B$2:$D$10, $C$3, $1:$20).

#include <optional>

#include <QString>

namespace grid::io {

// The letters of worksheet column n (1 = A, 26 = Z, 27 = AA, 702 = ZZ); empty
// outside 1 .. 702.
QString SheetColumnName(int n);
// The column number of a name: only its first two letters count; nullopt when
// the name does not start with a letter or a second character is no letter.
std::optional<int> SheetColumnNumber(const QString& name);

// A parsed used area; a corner value that cannot be read is missing.
struct TSheetArea {
    std::optional<int> FirstCol, FirstRow, LastCol, LastRow;
    // The address named one cell ("$C$3", or no "$" at all for A1).
    bool SingleCell = false;

    bool Complete() const { return FirstCol && FirstRow && LastCol && LastRow; }
    // The address to ask the values for: "B2:D10" (a missing value as 0).
    QString RangeAddress() const;
};

TSheetArea ParseSheetArea(const QString& address);

}  // namespace grid::io

#pragma once

// The column layout a print or preview pass leaves behind: the printed width
// and the left x on the page of every display column, in 0.1 mm. The two
// arrays hold at least 513 entries and grow with the grid's columns, so any
// number of columns prints.

#include <vector>

namespace grid::print {

class TPrintLayout {
public:
    static constexpr int MinColumns = 512;

    TPrintLayout() { Size(0); }
    // Makes room for columns 0..columns (the x after the last one included);
    // entries already there keep their values.
    void Size(int columns);
    // The readable columns: 0..Columns() - 1.
    int Columns() const { return int(MaxWidths.size()) - 1; }
    // Raise EExGridError "Columns is not in valid range" outside 0..Columns() - 1.
    int ColWidth(int col) const;
    int ColOffset(int col) const;

    std::vector<int> MaxWidths;
    std::vector<int> Indents;
};

}  // namespace grid::print

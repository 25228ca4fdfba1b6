#pragma once

// Fixed-width text: each written column padded or cut to its width (one
// width per written column; missing ones are measured and added to the
// caller's list), the cell texts on one line each (record_text.h). Reading
// cuts every line at the given 1-based positions where fields begin, the
// last entry ending the last field.

#include <vector>

#include "controls/grid/io/grid_file_format.h"

namespace grid {
class TIntList;
}

namespace grid::io {

class TFixedWidthWriter : public TGridFormatWriter {
public:
    explicit TFixedWidthWriter(TIntList& widths) : FWidths(widths) {}
    QByteArray Write(TExStringGrid& grid, const std::optional<QByteArray>& existing) override;

private:
    TIntList& FWidths;
};

class TFixedWidthReader : public TGridFormatReader {
public:
    // `positions` are sorted ascending in place.
    explicit TFixedWidthReader(TIntList& positions) : FPositions(positions) {}
    bool DoTrim = true;
    int MaxRows = -1;  // -1: every line, else at most max(1, MaxRows)
    void Read(TExStringGrid& grid, const QByteArray& bytes, const QString& fileName) override;

private:
    TIntList& FPositions;
};

}  // namespace grid::io

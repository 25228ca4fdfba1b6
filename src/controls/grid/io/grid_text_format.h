#pragma once

// The grid text format: a header line "cols,rows", one "cw <col>,<width>"
// line per column, then one "<col>,<row>,<text>" line per non-empty cell,
// the text on one line (record_text.h). Two forms:
//  - the file form covers the save range (with the hidden columns when
//    SaveHiddenCells is on) with absolute indices, in ANSI or UTF-16 LE with
//    a byte-order mark;
//  - the stream form covers the save range's displayed columns with indices
//    relative to it, as UTF-16 LE lines ended by 0D 00 0A 00; it may be
//    followed by other data, where the reader stops.

#include <QIODevice>

#include "controls/grid/io/grid_file_format.h"

namespace grid::io {

class TGridTextWriter : public TGridFormatWriter {
public:
    bool Unicode = false;
    QByteArray Write(TExStringGrid& grid, const std::optional<QByteArray>& existing) override;
};

// Raises EExGridError "File contains no data or corrupt file <name>" when the
// header gives no grid, or one too large to be real (the grid unchanged).
class TGridTextReader : public TGridFormatReader {
public:
    void Read(TExStringGrid& grid, const QByteArray& bytes, const QString& fileName) override;
};

void SaveGridTextStream(TExStringGrid& grid, QIODevice& stream);
// Numbers are strict: a field that is no integer raises EExGridError.
void LoadGridTextStream(TExStringGrid& grid, QIODevice& stream);

}  // namespace grid::io

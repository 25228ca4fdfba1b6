#pragma once

// The aligned plain-text table: every exported column as wide as its longest
// line, cells aligned as the grid aligns them, columns one blank apart;
// the further lines of a multi-line cell go to continuation lines under it.
// Appending keeps the existing file's lines and its encoding.

#include "controls/grid/io/grid_file_format.h"

namespace grid::io {

class TAsciiTableWriter : public TGridFormatWriter {
public:
    bool Unicode = false;
    QByteArray Write(TExStringGrid& grid, const std::optional<QByteArray>& existing) override;
};

}  // namespace grid::io

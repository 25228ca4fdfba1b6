#pragma once

// The column grid's column positions in an INI file: one section holds
// "CP<i>=<p>" for every storage position i, p being the design-time index
// (DefIdx) of the column shown there. Both functions work on the file's
// bytes and need no grid and no window.
//
// The file is read as the platform reads text files: a byte-order mark
// selects UTF-8, UTF-16 LE or UTF-16 BE, without one the bytes are
// Windows-1252. Lines end at CR LF, LF or CR. A section starts at a line
// "[name]" (name compared without regard to case) and runs to the next such
// line.

#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

namespace grid {

// The positions the section holds for `count` columns: the values of "CP0"
// to "CP<count-1>" (keys without regard to case, the first of a repeated key
// counts). Nothing unless every key is there and the values name every
// column from 0 to count - 1 exactly once.
std::optional<std::vector<int>> ReadColumnPositions(const QByteArray& file, const QString& section, int count);

// The file with the section's "CP<digits>" keys replaced by `positions`, in
// order, after the section's last line that is not blank; a missing section
// is added at the end. Every other byte stays as it was: other sections and
// keys, line ends, the byte-order mark or its absence. New lines take the
// file's first line end (CR LF in a file without one) and its encoding; a
// section name that Windows-1252 cannot hold turns a file without a
// byte-order mark into UTF-8 with one.
QByteArray WriteColumnPositions(const QByteArray& file, const QString& section, const std::vector<int>& positions);

}  // namespace grid

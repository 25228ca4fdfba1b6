#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Decodes a text file's bytes: a byte-order mark selects UTF-8, UTF-16 LE or
// UTF-16 BE (the mark itself is dropped); without one the bytes are
// Windows-1252.
QString decodeTextFile(const QByteArray& bytes);

// Cuts text into lines at CR LF, LF or CR. A line end at the very end of the
// text does not start another, empty line.
QStringList splitLines(const QString& text);

// Reads a text file as lines; nothing when it cannot be opened.
std::optional<QStringList> readTextFileLines(const QString& path);

}  // namespace platform

#pragma once

// The grid's text files as lines: written with CR LF after every line in one
// of the file encodings (UTF-16 LE and UTF-8 with a byte-order mark, else the
// ANSI code page), read back by their byte-order mark.

#include <QByteArray>
#include <QStringList>

#include "platform/text_lines.h"

namespace grid::io {

// Every line followed by CR LF, in `encoding`, with its byte-order mark
// first (the ANSI code page has none).
QByteArray EncodeTextLines(const QStringList& lines, platform::TextEncoding encoding);
// The encoding of a grid text file written with or without Unicode.
inline platform::TextEncoding TextFileEncoding(bool unicode)
{
    return unicode ? platform::TextEncoding::Utf16Le : platform::TextEncoding::Ansi;
}
// The lines of a file's bytes (byte-order mark: UTF-8, UTF-16 LE / BE; else
// ANSI), cut at CR LF, LF or CR; the encoding found goes to `encoding`.
QStringList DecodeTextLines(const QByteArray& bytes, platform::TextEncoding* encoding = nullptr);

}  // namespace grid::io

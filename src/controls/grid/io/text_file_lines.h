#pragma once

// The grid's text files as lines: written with CR LF after every line in one
// of the file encodings (UTF-16 LE and UTF-8 with a byte-order mark, else the
// ANSI code page), read back by their byte-order mark.

#include <optional>

#include <QByteArray>
#include <QStringList>

#include "platform/text_lines.h"

namespace grid::io {

// Every line followed by CR LF, in `encoding`, with its byte-order mark
// first (the ANSI code page has none).
QByteArray EncodeTextLines(const QStringList& lines, platform::TextEncoding encoding);
// Text already ended by CR LF per line, with the byte-order mark first.
QByteArray EncodeText(const QString& text, platform::TextEncoding encoding);
// A large file's text built piece by piece. In UTF-8 and UTF-16 LE the
// pieces go straight into the file's bytes (the text is never held twice);
// in the other encodings, or with no encoding given, they are collected as
// text and encoded at the end. Each piece is encoded on its own, so a piece
// must not end inside a surrogate pair.
class TTextBuilder {
public:
    // `reserveChars`: the expected length, to allocate once.
    TTextBuilder(std::optional<platform::TextEncoding> encoding, bool byteOrderMark, qsizetype reserveChars);
    TTextBuilder& operator+=(QStringView piece);
    TTextBuilder& operator+=(QLatin1StringView piece);
    TTextBuilder& operator+=(QChar piece) { return *this += QStringView(&piece, 1); }
    // The file's bytes, with the byte-order mark first when asked for.
    QByteArray TakeBytes();
    // The text collected when no encoding was given.
    QString TakeText() { return std::move(FText); }

private:
    // n more bytes at the end, growing the reserve by doubling.
    char* Extend(qsizetype n);

    enum class TMode { Utf8, Utf16Le, Collect };
    TMode FMode;
    std::optional<platform::TextEncoding> FEncoding;
    bool FByteOrderMark;
    QByteArray FBytes;
    QString FText;
};

// The encoding of a grid text file written with or without Unicode.
inline platform::TextEncoding TextFileEncoding(bool unicode)
{
    return unicode ? platform::TextEncoding::Utf16Le : platform::TextEncoding::Ansi;
}
// The text platform::decodeTextFile gives for a file's bytes, as a view:
// straight into the bytes (which must outlive it) where they already are
// that text (UTF-16 LE on a little-endian machine), else into `decoded`,
// which then holds the decoded text.
QStringView DecodedTextView(const QByteArray& bytes, QString& decoded);
// The lines of a file's bytes (byte-order mark: UTF-8, UTF-16 LE / BE; else
// ANSI), cut at CR LF, LF or CR; the encoding found goes to `encoding`.
QStringList DecodeTextLines(const QByteArray& bytes, platform::TextEncoding* encoding = nullptr);

}  // namespace grid::io

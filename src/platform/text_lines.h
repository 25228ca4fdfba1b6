#pragma once

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace platform {

// The encodings of the configurator's text files: a byte-order mark selects
// UTF-8, UTF-16 LE or UTF-16 BE; without one the bytes are Windows-1252.
enum class TextEncoding : uint8_t { Ansi, Utf8, Utf16Le, Utf16Be };

struct TextFileEncoding {
    TextEncoding encoding = TextEncoding::Ansi;
    qsizetype markSize = 0;  // bytes of the byte-order mark (0 without one)
    // Bytes of one code unit: 2 in UTF-16, else 1.
    qsizetype unitSize() const
    {
        return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be ? 2 : 1;
    }
};

// The encoding a text file's byte-order mark (or its absence) gives.
TextFileEncoding detectTextEncoding(QByteArrayView bytes);
// The byte-order mark of an encoding (none for Windows-1252).
QByteArray byteOrderMark(TextEncoding encoding);
// Text in and out of an encoding, without a byte-order mark.
QString decodeText(QByteArrayView bytes, TextEncoding encoding);
QByteArray encodeText(const QString& text, TextEncoding encoding);

// Decodes a text file's bytes by its byte-order mark (the mark itself is
// dropped).
QString decodeTextFile(const QByteArray& bytes);

// Decodes text another tool exported, in whatever encoding it chose: a
// byte-order mark decides; without one the bytes are UTF-8 when they are
// valid UTF-8, else Windows-1252.
QString decodeExportedText(const QByteArray& bytes);

// Cuts text into lines at CR LF, LF or CR. A line end at the very end of the
// text does not start another, empty line.
QStringList splitLines(const QString& text);

// The lines splitLines gives, one after another as views into the text (which
// must outlive the cursor), for readers that walk large files line by line
// without a string per line.
class TextLineCursor {
public:
    explicit TextLineCursor(QStringView text) : text_(text) {}
    // The next line into `line`; false after the last one.
    bool next(QStringView& line);

private:
    QStringView text_;
    qsizetype start_ = 0;
};

// Reads a text file as lines; nothing when it cannot be opened.
std::optional<QStringList> readTextFileLines(const QString& path);
// Reads a file another tool exported as lines (see decodeExportedText);
// nothing when it cannot be opened.
std::optional<QStringList> readExportedTextLines(const QString& path);

}  // namespace platform

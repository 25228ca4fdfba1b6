#include "platform/text_lines.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/codepage.h"

namespace platform {

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LeMark("\xFF\xFE");
const QByteArray kUtf16BeMark("\xFE\xFF");

}  // namespace

TextFileEncoding detectTextEncoding(QByteArrayView bytes)
{
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        const QByteArray mark = byteOrderMark(encoding);
        if (bytes.startsWith(mark))
            return {encoding, mark.size()};
    }
    return {};
}

QByteArray byteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return kUtf8Mark;
    case TextEncoding::Utf16Le:
        return kUtf16LeMark;
    case TextEncoding::Utf16Be:
        return kUtf16BeMark;
    case TextEncoding::Ansi:
        break;
    }
    return {};
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Ansi:
        return fromAnsi(bytes.toByteArray());
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Utf16Le:
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes);
    case TextEncoding::Utf16Be:
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes);
    }
    return {};
}

QByteArray encodeText(const QString& text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Ansi:
        return toAnsi(text);
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf16Le:
        return QStringEncoder(QStringEncoder::Utf16LE).encode(text);
    case TextEncoding::Utf16Be:
        return QStringEncoder(QStringEncoder::Utf16BE).encode(text);
    }
    return {};
}

QString decodeTextFile(const QByteArray& bytes)
{
    const TextFileEncoding found = detectTextEncoding(bytes);
    return decodeText(QByteArrayView(bytes).sliced(found.markSize), found.encoding);
}

bool TextLineCursor::next(QStringView& line)
{
    const qsizetype n = text_.size();
    if (start_ >= n) return false;
    const QChar* data = text_.data();
    qsizetype i = start_;
    while (i < n && data[i] != u'\r' && data[i] != u'\n') ++i;
    line = text_.sliced(start_, i - start_);
    if (i < n && data[i] == u'\r' && i + 1 < n && data[i + 1] == u'\n') ++i;
    start_ = i + 1;
    return true;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    TextLineCursor cursor(text);
    for (QStringView line; cursor.next(line);) lines << line.toString();
    return lines;
}

QString decodeExportedText(const QByteArray& bytes)
{
    if (detectTextEncoding(bytes).markSize > 0)
        return decodeTextFile(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeText(bytes, TextEncoding::Ansi);
}

namespace {

std::optional<QStringList> readLines(const QString& path, QString (*decode)(const QByteArray&))
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return splitLines(decode(file.readAll()));
}

}  // namespace

std::optional<QStringList> readTextFileLines(const QString& path)
{
    return readLines(path, decodeTextFile);
}

std::optional<QStringList> readExportedTextLines(const QString& path)
{
    return readLines(path, decodeExportedText);
}

}  // namespace platform

#include "controls/grid/io/text_file_lines.h"

#include <QSysInfo>

namespace grid::io {

QByteArray EncodeTextLines(const QStringList& lines, platform::TextEncoding encoding)
{
    qsizetype length = 0;
    for (const QString& line : lines) length += line.size() + 2;
    QString text;
    text.reserve(length);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return EncodeText(text, encoding);
}

QByteArray EncodeText(const QString& text, platform::TextEncoding encoding)
{
    QByteArray bytes = platform::byteOrderMark(encoding);
    if (encoding == platform::TextEncoding::Utf16Le && QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        return bytes;
    }
    bytes += platform::encodeText(text, encoding);
    return bytes;
}

QStringList DecodeTextLines(const QByteArray& bytes, platform::TextEncoding* encoding)
{
    const platform::TextFileEncoding found = platform::detectTextEncoding(bytes);
    if (encoding != nullptr) *encoding = found.encoding;
    return platform::splitLines(
        platform::decodeText(QByteArrayView(bytes).sliced(found.markSize), found.encoding));
}

}  // namespace grid::io

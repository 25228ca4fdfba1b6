#include "controls/grid/io/text_file_lines.h"

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
    return platform::byteOrderMark(encoding) + platform::encodeText(text, encoding);
}

QStringList DecodeTextLines(const QByteArray& bytes, platform::TextEncoding* encoding)
{
    const platform::TextFileEncoding found = platform::detectTextEncoding(bytes);
    if (encoding != nullptr) *encoding = found.encoding;
    return platform::splitLines(
        platform::decodeText(QByteArrayView(bytes).sliced(found.markSize), found.encoding));
}

}  // namespace grid::io

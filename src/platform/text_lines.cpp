#include "platform/text_lines.h"

#include <QFile>
#include <QStringDecoder>

#include "platform/codepage.h"

namespace platform {

QString decodeTextFile(const QByteArray& bytes)
{
    auto startsWith = [&](std::initializer_list<unsigned char> mark) {
        if (bytes.size() < static_cast<qsizetype>(mark.size()))
            return false;
        qsizetype i = 0;
        for (unsigned char m : mark)
            if (static_cast<unsigned char>(bytes[i++]) != m)
                return false;
        return true;
    };
    if (startsWith({0xEF, 0xBB, 0xBF}))
        return QString::fromUtf8(bytes.mid(3));
    if (startsWith({0xFF, 0xFE})) {
        QStringDecoder dec(QStringDecoder::Utf16LE);
        return dec.decode(bytes.mid(2));
    }
    if (startsWith({0xFE, 0xFF})) {
        QStringDecoder dec(QStringDecoder::Utf16BE);
        return dec.decode(bytes.mid(2));
    }
    return fromAnsi(bytes);
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

std::optional<QStringList> readTextFileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return splitLines(decodeTextFile(file.readAll()));
}

}  // namespace platform

#include "controls/grid/io/text_file_lines.h"

#include <algorithm>
#include <cstring>

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

TTextBuilder::TTextBuilder(std::optional<platform::TextEncoding> encoding, bool byteOrderMark,
                           qsizetype reserveChars)
    : FEncoding(encoding), FByteOrderMark(byteOrderMark)
{
    const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    if (encoding == platform::TextEncoding::Utf8) {
        FMode = TMode::Utf8;
        FBytes.reserve(reserveChars + 3);
    } else if (encoding == platform::TextEncoding::Utf16Le && littleEndian) {
        FMode = TMode::Utf16Le;
        FBytes.reserve(reserveChars * 2 + 2);
    } else {
        FMode = TMode::Collect;
        FText.reserve(reserveChars);
        return;
    }
    if (byteOrderMark) FBytes += platform::byteOrderMark(*encoding);
}

char* TTextBuilder::Extend(qsizetype n)
{
    const qsizetype at = FBytes.size();
    if (at + n > FBytes.capacity()) FBytes.reserve(std::max(at + n, FBytes.capacity() * 2));
    FBytes.resize(at + n);
    return FBytes.data() + at;
}

TTextBuilder& TTextBuilder::operator+=(QStringView piece)
{
    switch (FMode) {
    case TMode::Collect: FText += piece; break;
    case TMode::Utf16Le: std::memcpy(Extend(piece.size() * 2), piece.utf16(), size_t(piece.size()) * 2); break;
    case TMode::Utf8: {
        const qsizetype at = FBytes.size();
        char* out = Extend(piece.size());
        for (qsizetype i = 0; i < piece.size(); ++i) {
            const char16_t u = piece[i].unicode();
            if (u >= 0x80) {
                // Not ASCII: the rest through the converter.
                FBytes.resize(at + i);
                FBytes += piece.sliced(i).toUtf8();
                break;
            }
            out[i] = char(u);
        }
        break;
    }
    }
    return *this;
}

TTextBuilder& TTextBuilder::operator+=(QLatin1StringView piece)
{
    switch (FMode) {
    case TMode::Collect: FText += piece; break;
    case TMode::Utf16Le: {
        char* out = Extend(piece.size() * 2);
        for (char c : piece) {
            *out++ = c;
            *out++ = '\0';
        }
        break;
    }
    case TMode::Utf8:
        for (char c : piece) {
            const uchar u = uchar(c);
            if (u < 0x80) {
                FBytes += c;
            } else {
                FBytes += char(0xC0 | (u >> 6));
                FBytes += char(0x80 | (u & 0x3F));
            }
        }
        break;
    }
    return *this;
}

QByteArray TTextBuilder::TakeBytes()
{
    if (FMode != TMode::Collect) return std::move(FBytes);
    if (!FEncoding) return {};
    return FByteOrderMark ? EncodeText(FText, *FEncoding) : platform::encodeText(FText, *FEncoding);
}

QStringView DecodedTextView(const QByteArray& bytes, QString& decoded)
{
    const platform::TextFileEncoding found = platform::detectTextEncoding(bytes);
    const QByteArrayView rest = QByteArrayView(bytes).sliced(found.markSize);
    if (found.encoding == platform::TextEncoding::Utf16Le && QSysInfo::ByteOrder == QSysInfo::LittleEndian &&
        rest.size() % 2 == 0 && reinterpret_cast<quintptr>(rest.data()) % alignof(char16_t) == 0) {
        const QStringView text(reinterpret_cast<const char16_t*>(rest.data()), rest.size() / 2);
        // The decoder drops a second byte-order mark; such a file goes through it.
        if (text.isEmpty() || (text.front() != QChar::ByteOrderMark && text.front() != QChar::ByteOrderSwapped))
            return text;
    }
    decoded = platform::decodeText(rest, found.encoding);
    return decoded;
}

QStringList DecodeTextLines(const QByteArray& bytes, platform::TextEncoding* encoding)
{
    const platform::TextFileEncoding found = platform::detectTextEncoding(bytes);
    if (encoding != nullptr) *encoding = found.encoding;
    return platform::splitLines(
        platform::decodeText(QByteArrayView(bytes).sliced(found.markSize), found.encoding));
}

}  // namespace grid::io

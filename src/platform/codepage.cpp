#include "platform/codepage.h"

#include <cerrno>
#include <iconv.h>

namespace platform {
namespace {

// Converts one byte or character at a time so that an unconvertible one is
// replaced and the rest still goes through.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; returns false when iconv rejected it.
    bool convert(const char* in, size_t inLen, QByteArray& out)
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* src = const_cast<char*>(in);
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        if (iconv(cd_, &src, &inLen, &dst, &dstLeft) == static_cast<size_t>(-1))
            return false;
        out.append(buffer, static_cast<qsizetype>(sizeof buffer - dstLeft));
        return true;
    }

private:
    iconv_t cd_;
};

QString decode(const QByteArray& bytes, const char* codePage)
{
    Converter conv("UTF-32LE", codePage);
    QString result;
    result.reserve(bytes.size());
    QByteArray ucs;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        ucs.clear();
        if (byte < 0x80 || !conv.convert(&c, 1, ucs) || ucs.size() != 4) {
            result += QChar(byte);
            continue;
        }
        const char32_t cp = static_cast<unsigned char>(ucs[0]) | (static_cast<unsigned char>(ucs[1]) << 8)
                            | (static_cast<unsigned char>(ucs[2]) << 16);
        result += QString::fromUcs4(&cp, 1);
    }
    return result;
}

QByteArray encode(const QString& text, const char* codePage)
{
    Converter conv(codePage, "UTF-8");
    QByteArray result;
    result.reserve(text.size());
    const QList<uint> points = text.toUcs4();
    for (uint cp : points) {
        if (cp < 0x80) {
            result += static_cast<char>(cp);
            continue;
        }
        const QByteArray utf8 = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1).toUtf8();
        QByteArray out;
        if (conv.convert(utf8.constData(), static_cast<size_t>(utf8.size()), out) && out.size() == 1)
            result += out;
        else
            result += '?';
    }
    return result;
}

constexpr const char* ansi = "WINDOWS-1252";
constexpr const char* oem = "CP850";

}  // namespace

QString fromAnsi(const QByteArray& bytes) { return decode(bytes, ansi); }
QByteArray toAnsi(const QString& text) { return encode(text, ansi); }
QString fromOem(const QByteArray& bytes) { return decode(bytes, oem); }
QByteArray toOem(const QString& text) { return encode(text, oem); }

}  // namespace platform

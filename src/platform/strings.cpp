#include "platform/strings.h"

#include <cstring>
#include <limits>

namespace platform {
namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

}  // namespace

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

namespace {

// Parses into a 64-bit value: decimal digits up to `decimalLimit` (one more
// when negative), hexadecimal digits up to `maxHexBits` bits.
std::optional<int64_t> parse(const QString& text, bool allowHex, int maxHexBits, uint64_t decimalLimit)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (allowHex && i < n && text[i] == u'$') {
        hex = true;
        ++i;
    } else if (allowHex && i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    uint64_t value = 0;
    int digits = 0;
    for (; i < n; ++i) {
        const int d = hex ? hexDigitValue(text[i]) : (text[i].isDigit() && text[i].unicode() < 0x80 ? text[i].unicode() - u'0' : -1);
        if (d < 0)
            return std::nullopt;
        if (hex) {
            if (value == 0 && d == 0)
                continue;
            if (++digits > maxHexBits / 4)
                return std::nullopt;
            value = value * 16 + static_cast<uint64_t>(d);
        } else {
            if (__builtin_mul_overflow(value, 10u, &value) || __builtin_add_overflow(value, static_cast<uint64_t>(d), &value)
                || value > decimalLimit + (negative ? 1 : 0))
                return std::nullopt;
        }
    }
    // Negated in unsigned arithmetic (two's complement), so that the most
    // negative value, decimal or a hexadecimal pattern, stays itself.
    if (negative)
        value = 0 - value;
    if (hex && maxHexBits == 32)
        // Hexadecimal digits give the bit pattern of a 32-bit value.
        return static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(value)));
    return static_cast<int64_t>(value);
}

}  // namespace

QString trimBlanks(const QString& text)
{
    return trimBlanksRight(trimBlanksLeft(text));
}

QString trimBlanksLeft(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return text.mid(i);
}

QString trimBlanksRight(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && isBlank(text[n - 1]))
        --n;
    return text.left(n);
}

std::optional<int32_t> parseInt(const QString& text)
{
    const auto v = parse(text, true, 32, std::numeric_limits<int32_t>::max());
    if (!v)
        return std::nullopt;
    return static_cast<int32_t>(*v);
}

int32_t parseIntOr(const QString& text, int32_t fallback)
{
    return parseInt(text).value_or(fallback);
}

std::optional<int64_t> parseInt64(const QString& text)
{
    return parse(text, true, 64, static_cast<uint64_t>(std::numeric_limits<int64_t>::max()));
}

std::optional<int32_t> parseDecimal(const QString& text)
{
    if (!text.isEmpty() && text[0] == u' ')
        return std::nullopt;
    const auto v = parse(text, false, 32, std::numeric_limits<int32_t>::max());
    if (!v)
        return std::nullopt;
    return static_cast<int32_t>(*v);
}

QString systemErrorText(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

}  // namespace platform

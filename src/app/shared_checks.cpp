#include "app/shared_checks.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include <QLocale>

#include "platform/format_settings.h"
#include "platform/serial_ports.h"
#include "platform/strings.h"

namespace app {
namespace {

bool inByteRange(int32_t v)
{
    return v >= 0 && v <= 255;
}

// Splits `text` at its first `separator`: the trimmed part before it goes to
// `head`, the trimmed rest to `rest`. False when there is no separator.
bool splitTrimmed(const QString& text, QChar separator, QString& head, QString& rest)
{
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return false;
    head = platform::trimBlanks(text.left(at));
    rest = platform::trimBlanks(text.mid(at + 1));
    return true;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A number as the current number format reads it: optional blanks and sign,
// digits with at most one decimal separator, an optional exponent.
std::optional<double> parseFloat(const QString& text, QChar decimalSeparator)
{
    const QString s = platform::trimBlanks(text);
    QByteArray c;
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        c += static_cast<char>(s[i++].unicode());
    int mantissaDigits = 0;
    while (i < n && isAsciiDigit(s[i])) {
        c += static_cast<char>(s[i++].unicode());
        ++mantissaDigits;
    }
    if (i < n && s[i] == decimalSeparator) {
        c += '.';
        ++i;
        while (i < n && isAsciiDigit(s[i])) {
            c += static_cast<char>(s[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        c += 'e';
        ++i;
        if (i < n && (s[i] == u'+' || s[i] == u'-'))
            c += static_cast<char>(s[i++].unicode());
        int exponentDigits = 0;
        while (i < n && isAsciiDigit(s[i])) {
            c += static_cast<char>(s[i++].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    const double v = std::strtod(c.constData(), nullptr);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

}  // namespace

bool Split_IP_Address(const QString& text, QString& part1, QString& part2, QString& part3, QString& part4)
{
    QString rest = platform::trimBlanks(text);
    if (!splitTrimmed(rest, u'.', part1, rest))
        return false;
    if (!splitTrimmed(rest, u'.', part2, rest))
        return false;
    if (!splitTrimmed(rest, u'.', part3, part4))
        return false;
    for (const QString* part : {&part1, &part2, &part3, &part4})
        if (!inByteRange(platform::parseIntOr(*part, 1000)))
            return false;
    return true;
}

bool Decode_IP_Address(const QString& text, uint8_t& byte1, uint8_t& byte2, uint8_t& byte3, uint8_t& byte4)
{
    if (text.isEmpty())
        return true;
    uint8_t* bytes[] = {&byte1, &byte2, &byte3, &byte4};
    QString rest = text;
    bool error = false;
    for (int i = 0; i < 4; ++i) {
        // Parts 1 to 3 end at the next "." (none: an empty, invalid part);
        // part 4 is whatever remains.
        const qsizetype dot = rest.indexOf(u'.');
        const QString part = i == 3 ? rest : (dot >= 0 ? rest.left(dot) : QString());
        const int32_t value = platform::parseIntOr(part, -1);
        if (inByteRange(value)) {
            *bytes[i] = static_cast<uint8_t>(value);
        } else {
            *bytes[i] = 0;
            error = true;
        }
        rest = rest.mid(dot + 1);
    }
    return error;
}

bool Decode_IP_Port(const QString& text, uint8_t& byte1, uint8_t& byte2, uint8_t& byte3, uint8_t& byte4,
                    uint16_t& port)
{
    byte1 = byte2 = byte3 = byte4 = 0;
    port = 0;
    QString parts[4];
    QString rest = platform::trimBlanks(text);
    for (int i = 0; i < 3; ++i)
        if (!splitTrimmed(rest, u'.', parts[i], rest) || !inByteRange(platform::parseIntOr(parts[i], -1)))
            return false;
    QString portText;
    if (!splitTrimmed(rest, u':', parts[3], portText) || !inByteRange(platform::parseIntOr(parts[3], -1)))
        return false;
    const int32_t portValue = platform::parseIntOr(portText, -1);
    if (portValue < 0 || portValue > 65535)
        return false;
    byte1 = static_cast<uint8_t>(platform::parseIntOr(parts[0], 0));
    byte2 = static_cast<uint8_t>(platform::parseIntOr(parts[1], 0));
    byte3 = static_cast<uint8_t>(platform::parseIntOr(parts[2], 0));
    byte4 = static_cast<uint8_t>(platform::parseIntOr(parts[3], 0));
    port = static_cast<uint16_t>(portValue);
    return true;
}

QChar Decimal_Separator_From_Setting(const QString& setting)
{
    if (!setting.isEmpty() && (setting[0] == u',' || setting[0] == u'.'))
        return setting[0];
    return u',';
}

QChar Get_Decimal_Separator()
{
    return Decimal_Separator_From_Setting(QLocale::system().decimalPoint().left(3));
}

bool Text_To_Float(const QString& text, QChar separator, float& value)
{
    QString s = text;
    if (separator == u'.')
        s.replace(u',', u'.');
    else
        s.replace(u'.', u',');
    const auto parsed = parseFloat(s, platform::formatSettings().DecimalSeparator);
    if (!parsed) {
        value = 1.0f;
        return false;
    }
    value = static_cast<float>(*parsed);
    return true;
}

uint8_t Check_OID(const QString& text)
{
    if (text.size() > 61)
        return 1;
    if (text.isEmpty())
        return 2;
    for (QChar c : text)
        if (!isAsciiDigit(c) && c != u'.')
            return 2;
    if (text.startsWith(u'.'))
        return 3;
    if (text.endsWith(u'.'))
        return 4;
    if (text.contains(QStringLiteral("..")))
        return 5;
    const QStringList components = text.split(u'.');
    for (const QString& component : components) {
        const QString digits = platform::trimBlanks(component);
        if (digits.size() > 18)
            return 6;
        const auto value = platform::parseInt64(digits);
        if (!value || *value > 0xFFFFFFFFLL)
            return 6;
    }
    return 0;
}

uint8_t Check_SNMP_V3_String(const QString& text, bool isUserName)
{
    if (text.size() > 15)
        return 1;
    if (isUserName ? text.isEmpty() : text.size() < 8)
        return 2;
    for (QChar c : text) {
        const bool ok = isAsciiDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        if (!ok)
            return 3;
    }
    return 0;
}

int Get_SNMP_Security_Flags(const QString& text)
{
    const QString s = platform::trimBlanks(text.toUpper());
    if (s == QStringLiteral("AUTH NOPRIV"))
        return 1;
    if (s == QStringLiteral("AUTH PRIV"))
        return 3;
    if (s.isEmpty())
        return -1;
    return 0;
}

QStringList List_COM_Ports()
{
    QStringList ports;
    for (int n = 1; n <= 256; ++n)
        if (platform::serialPortPresent(n))
            ports << QString::number(n);
    return ports;
}

int Get_Protocol_Names(QString& name1, QString& name2)
{
    name1 = QStringLiteral("MQTT");
    name2.clear();
    return 1;
}

}  // namespace app

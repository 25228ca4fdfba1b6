#include "controls/dropdown/calculator/calculator_number_text.h"

#include <cmath>
#include <string>

#include "controls/grid/text/grid_format.h"
#include "platform/format_settings.h"
#include "platform/strings.h"

namespace dropdown {

std::optional<long double> ParseLocaleFloat(const QString& text)
{
    const QString t = platform::trimBlanks(text);
    const QChar decimal = platform::formatSettings().DecimalSeparator;
    std::string plain;
    plain.reserve(size_t(t.size()));
    int i = 0;
    const int n = int(t.size());
    if (i < n && (t[i] == u'+' || t[i] == u'-')) plain += char(t[i++].unicode());
    int digits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
        plain += char(t[i++].unicode());
        ++digits;
    }
    if (i < n && t[i] == decimal) {
        plain += '.';
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            plain += char(t[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        plain += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-')) plain += char(t[i++].unicode());
        int exponentDigits = 0;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            plain += char(t[i++].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    const long double value = std::strtold(plain.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

long double DisplayValue(const QString& text)
{
    if (text.isEmpty() || text == ErrorText() || text == QStringLiteral("-")) return 0;
    return ParseLocaleFloat(StripThousandSeparators(text)).value_or(0);
}

QString GeneralFloatText(long double value)
{
    if (value == 0) value = 0;  // no minus zero
    return grid::FormatWithArgs(QStringLiteral("%g"), {double(value)});
}

QString FixedFloatText(long double value, int precision, bool grouped)
{
    if (precision <= 0) return GeneralFloatText(value);
    if (value == 0) value = 0;
    const QString format = QStringLiteral("%.") + QString::number(precision) + (grouped ? u'n' : u'f');
    QString text = grid::FormatWithArgs(format, {double(value)});
    // A value that rounds to zero shows without its sign.
    if (text.startsWith(u'-') && ParseLocaleFloat(StripThousandSeparators(text)).value_or(1) == 0) text.remove(0, 1);
    return text;
}

QString NumericDisplayText(const QString& text, int precision, bool grouped)
{
    if (text.isEmpty()) return precision > 0 ? FixedFloatText(0, precision, grouped) : QStringLiteral("0");
    if (text == ErrorText() || precision <= 0) return text;
    return FixedFloatText(DisplayValue(text), precision, grouped);
}

}  // namespace dropdown

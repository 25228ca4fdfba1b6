#include "controls/dropdown/base/dropdown_numbers.h"

#include <cstdlib>

#include "platform/format_settings.h"
#include "platform/number_format.h"

namespace dropdown {

namespace dropdown_numbers_detail {

bool isDecimalDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isHexLetter(QChar c) { return (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

}  // namespace dropdown_numbers_detail

using namespace dropdown_numbers_detail;

TNumberClass ClassifyNumber(const QString& text)
{
    const platform::FormatSettings& fs = platform::formatSettings();
    bool integer = !text.isEmpty();
    bool decimal = integer;
    bool hex = integer;
    int lastThousand = -1;
    int decimals = 0;
    int minuses = 0;
    for (int i = 1; i <= int(text.size()); ++i) {
        const QChar c = text[i - 1];
        if (c != u'-' && !isDecimalDigit(c)) integer = false;
        if (c != u',' && c != u'-' && c != u'.' && !isDecimalDigit(c)) decimal = false;
        if (c != u'-' && !isDecimalDigit(c) && !isHexLetter(c)) hex = false;
        if (c == fs.ThousandSeparator) {
            if (i - lastThousand < 3) decimal = false;
            lastThousand = i;
        }
        if (c == fs.DecimalSeparator) ++decimals;
        if (c == u'-') ++minuses;
    }
    TNumberClass result = ncNotNumber;
    if (hex && !integer) result = ncHexadecimal;
    if (integer)
        result = ncInteger;
    else if (decimal)
        result = ncDecimal;
    if (minuses > 1 || decimals > 1) result = ncNotNumber;
    return result;
}

QString StripThousandSeparators(const QString& text)
{
    QString out = text;
    out.remove(platform::formatSettings().ThousandSeparator);
    return out;
}

double StrToFloatValue(const QString& text)
{
    double value = 0;
    if (!platform::TryStrToFloat(StripThousandSeparators(text), value)) return 0;
    return value;
}

int HexDigitValue(QChar c)
{
    if (isDecimalDigit(c)) return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    return 0;
}

int32_t HexToInt(const QString& text)
{
    uint32_t sum = 0;
    uint32_t place = 1;
    for (int i = int(text.size()) - 1; i >= 0; --i) {
        sum += uint32_t(HexDigitValue(text[i])) * place;
        place *= 16;
    }
    return int32_t(sum);
}

bool DecimalsFull(const QString& value, int k, int precision)
{
    if (precision <= 0) return false;
    const int length = int(value.size());
    if (length - k > precision) return false;
    const int p = int(value.indexOf(platform::formatSettings().DecimalSeparator)) + 1;
    if (p == 0) return false;
    return k >= p && length - p >= precision;
}

bool SeparatorMisplaced(const QString& value, int k)
{
    const QChar t = platform::formatSettings().ThousandSeparator;
    QString s = value;
    if (!s.contains(t)) return false;
    int m = int(s.size());
    while (s.contains(t)) {
        const int q = int(s.indexOf(t)) + 1;
        const int distance = std::abs(q - k);
        if (distance < m) m = distance;
        if (distance < 3) return true;
        if (k > q) k -= q;
        s.remove(0, q);
    }
    return m > 3;
}

int IntegerPartEnd(const QString& value, bool signedNumber)
{
    const QString s = StripThousandSeparators(value);
    const int p = int(s.indexOf(platform::formatSettings().DecimalSeparator));
    int end = p < 0 ? int(s.size()) + 1 : p + 1;
    if (signedNumber && s.contains(u'-')) --end;
    return end;
}

}  // namespace dropdown

#pragma once

// Numbers and dates as a grid cell shows them, read with the process-wide
// format settings (platform::formatSettings(): decimal, thousand and date
// separators).

#include <cstdint>
#include <optional>

#include <QChar>
#include <QDate>
#include <QString>
#include <QStringView>

namespace grid {

// Kind codes returned by NumberTextType.
enum NumberTextKind : int {
    NumberTextInteger = 0,
    NumberTextFloat = 1,
    NumberTextNone = 2,
    NumberTextScientific = 5,
};

// True for characters of the Unicode number categories (decimal digits,
// letter numbers, other numbers such as "²" or "½").
inline bool IsNumberChar(QChar c)
{
    // Of the ASCII characters only the digits are numbers.
    const char16_t u = c.unicode();
    return u < 0x80 ? (u >= u'0' && u <= u'9') : c.isNumber();
}

// Integer, float with the locale separators, scientific notation or not a
// number (also the empty text). Thousand separators need at least three
// characters between them; their place relative to the decimal separator
// is not checked.
int NumberTextType(const QString& text);

// The full character scan behind NumberTextType, which answers the plain
// texts ("-" first, ASCII digits, at most one decimal separator) without it.
int NumberTextTypeByScan(const QString& text);

// The common short number, read quickly: an optional sign first, at most 15
// ASCII digits with at most one `decimal`, no exponent; `thousand`, when
// given, is skipped wherever it stands. Nothing for any other text, which a
// full parser has to decide. The double is the one nearest to the decimal
// value, as a correctly rounding parser gives: 15 digits make an integer a
// double holds exactly, 10^k is exact for k <= 22, and one division rounds
// once.
std::optional<double> ReadShortDecimal(QStringView text, QChar decimal, std::optional<QChar> thousand);

// The same, the number going to `value` (untouched when false): inline, for
// the loops that read a number from each of many cells.
inline bool ReadShortDecimalTo(QStringView text, QChar decimal, std::optional<QChar> thousand, double& value)
{
    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    bool negative = false;
    bool point = false;
    bool first = true;
    int digits = 0;
    int fraction = 0;
    int64_t mantissa = 0;
    for (const QChar c : text) {
        char16_t u = c.unicode();
        if (c == decimal)
            u = u'.';
        else if (thousand && c == *thousand)
            continue;
        if (u >= u'0' && u <= u'9') {
            if (++digits > 15)
                return false;
            mantissa = mantissa * 10 + (u - u'0');
            fraction += point ? 1 : 0;
        } else if (u == u'.' && !point) {
            point = true;
        } else if ((u == u'+' || u == u'-') && first) {
            negative = u == u'-';
        } else {
            return false;
        }
        first = false;
    }
    if (digits == 0)
        return false;
    // x / 1 is x: the whole numbers need no division.
    const double magnitude = fraction == 0 ? double(mantissa) : double(mantissa) / powersOfTen[fraction];
    value = negative ? -magnitude : magnitude;
    return true;
}

// The common whole number: an optional sign and at least one ASCII digit,
// 15 characters at most in all; nothing for any other text. It names no
// separator, so it reads the same under every format setting.
inline std::optional<int64_t> ReadPlainInteger(QStringView text)
{
    const qsizetype n = text.size();
    if (n == 0 || n > 15)
        return std::nullopt;
    const char16_t* chars = text.utf16();
    const bool negative = chars[0] == u'-';
    qsizetype i = negative || chars[0] == u'+' ? 1 : 0;
    if (i == n)
        return std::nullopt;
    int64_t value = 0;
    for (; i < n; ++i) {
        const unsigned digit = unsigned(chars[i]) - u'0';
        if (digit > 9)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

// A displayed number as text that a "."-decimal parser reads: currency
// symbols, blanks and signs in front dropped, thousand separators dropped,
// the decimal separator turned into ".", a trailing unit dropped; "(...)"
// or a leading "-" makes it negative. "(12,5 €)" (decimal ",") -> "-12.5".
QString NormalizeNumberText(const QString& text);

// "month/day/year" and "day/month/year" texts; the separator is "/", "."
// or "-"; two-digit years 0..25 are 2000.., 26..99 are 1900... An invalid
// QDate ("not a date") for a text that is no date or names a day that does
// not exist (month 13, 31 April).
QDate MDYTextToDate(const QString& text);
QDate DMYTextToDate(const QString& text);

// True when the locale date separator occurs at position 2 or later, and
// again at position 2 or later of the text after it.
bool IsDateText(const QString& text);

// Steps a date by the interval between the first two dates of a pasted
// series: only days set: date + days; only years set: the same day in
// year + years; only months set: the same day months later (any signed
// number); otherwise date + stepDays. "Not a date" (invalid) when the day
// does not exist in the target month (29 February in a common year) or the
// given date is invalid.
QDate AddDateInterval(int years, int months, int days, int64_t stepDays, const QDate& date);

}  // namespace grid

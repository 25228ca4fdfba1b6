#include "controls/grid/text/grid_number_text.h"

#include "platform/format_settings.h"
#include "platform/strings.h"

namespace grid {

namespace numbertext {

bool isExponentChar(QChar c)
{
    return c == u'e' || c == u'E';
}

// Year rule of the two-digit years of a pasted or typed date.
int fullYear(int year)
{
    if (year >= 0 && year <= 25)
        return year + 2000;
    if (year >= 26 && year <= 99)
        return year + 1900;
    return year;
}

// The date of a text whose fields are in the order (first, second, third),
// with `order` telling which field is month, day and year.
enum class FieldOrder { MonthDayYear, DayMonthYear };

QDate fieldsToDate(const QString& text, FieldOrder order)
{
    QChar separator;
    if (text.contains(u'/'))
        separator = u'/';
    else if (text.contains(u'.'))
        separator = u'.';
    else if (text.contains(u'-'))
        separator = u'-';
    else
        return QDate();
    const qsizetype first = text.indexOf(separator);
    const qsizetype second = text.indexOf(separator, first + 1);
    if (second < 0)
        return QDate();
    const auto a = platform::parseInt(text.left(first));
    const auto b = platform::parseInt(text.mid(first + 1, second - first - 1));
    const auto c = platform::parseInt(text.mid(second + 1));
    if (!a || !b || !c)
        return QDate();
    const int month = order == FieldOrder::MonthDayYear ? *a : *b;
    const int day = order == FieldOrder::MonthDayYear ? *b : *a;
    const int year = fullYear(*c);
    if (year < 1 || year > 9999)
        return QDate();
    return QDate(year, month, day);  // invalid for a day that does not exist
}

// The same day and month `months` months later (earlier when negative).
QDate addWholeMonths(const QDate& date, int64_t months)
{
    const int64_t index = int64_t(date.year()) * 12 + (date.month() - 1) + months;
    int64_t year = index / 12;
    int64_t month = index % 12;
    if (month < 0) {
        month += 12;
        --year;
    }
    if (year < 1 || year > 9999)
        return QDate();
    return QDate(int(year), int(month) + 1, date.day());
}

}  // namespace numbertext

int NumberTextType(const QString& text)
{
    // Plain numbers, the most common cell texts, are known by one quick
    // look: "-" first, digits, at most one decimal separator (while the
    // separators are no digits and the decimal one no sign or exponent, so
    // that the scan reads such a text alike).
    const auto& settings = platform::formatSettings();
    const QChar decimal = settings.DecimalSeparator;
    if (!text.isEmpty() && !IsNumberChar(decimal) && !IsNumberChar(settings.ThousandSeparator) &&
        decimal != u'-' && decimal != u'+' && !numbertext::isExponentChar(decimal)) {
        bool plain = true;
        bool decimalSeen = false;
        for (qsizetype i = 0; i < text.size() && plain; ++i) {
            const char16_t c = text[i].unicode();
            if (c >= u'0' && c <= u'9')
                continue;
            if (c == u'-' && i == 0)
                continue;
            if (c == decimal.unicode() && !decimalSeen)
                decimalSeen = true;
            else
                plain = false;
        }
        if (plain)
            return decimalSeen ? NumberTextFloat : NumberTextInteger;
    }
    return NumberTextTypeByScan(text);
}

int NumberTextTypeByScan(const QString& text)
{
    if (text.isEmpty())
        return NumberTextNone;
    const auto& settings = platform::formatSettings();
    const QChar thousand = settings.ThousandSeparator;
    const QChar decimal = settings.DecimalSeparator;
    const int n = int(text.size());

    bool isInteger = true;
    bool isFloat = true;
    bool isScientific = true;
    bool exponentSeen = false;
    int lastThousand = 0;  // 1-based; 0 = none yet
    int decimalCount = 0;
    int minusCount = 0;
    for (int i = 1; i <= n; ++i) {
        const QChar c = text[i - 1];
        const bool number = IsNumberChar(c);
        const bool exponent = numbertext::isExponentChar(c);
        const bool sign = c == u'+' || c == u'-';
        if (!number && c != u'-')
            isInteger = false;
        if (exponent) {
            if (exponentSeen)
                isScientific = false;
            exponentSeen = true;
        }
        if (c == u'-' && i > 1) {
            isInteger = false;
            isFloat = false;
        }
        if ((exponent && i == 1) || ((exponent || sign) && i == n))
            isScientific = false;
        if (!number && c != u'-' && c != thousand && c != decimal)
            isFloat = false;
        if (!(number || c == thousand || c == decimal || exponent || sign) || c == thousand)
            isScientific = false;
        if (c == thousand) {
            if (lastThousand > 0 && i - lastThousand < 4)
                isFloat = false;
            lastThousand = i;
        }
        if (c == decimal)
            ++decimalCount;
        if (c == u'-')
            ++minusCount;
    }

    int kind = NumberTextNone;
    int allowedMinus = 1;
    if (isInteger) {
        kind = NumberTextInteger;
    } else if (isFloat && !exponentSeen) {
        kind = NumberTextFloat;
    } else if (isScientific && exponentSeen) {
        kind = NumberTextScientific;
        allowedMinus = 2;  // mantissa and exponent, as in "-1e-5"
    }
    if (minusCount > allowedMinus || decimalCount > 1)
        return NumberTextNone;
    return kind;
}

std::optional<double> ReadShortDecimal(QStringView text, QChar decimal, std::optional<QChar> thousand)
{
    double value = 0;
    if (!ReadShortDecimalTo(text, decimal, thousand, value))
        return std::nullopt;
    return value;
}

QString NormalizeNumberText(const QString& text)
{
    QString rest = platform::trimBlanks(text);
    if (rest.isEmpty())
        return QString();
    const auto& settings = platform::formatSettings();
    const QChar thousand = settings.ThousandSeparator;
    const QChar decimal = settings.DecimalSeparator;

    bool negative = rest.startsWith(u'(') && rest.endsWith(u')');
    while (rest.size() >= 2) {
        const QChar c = rest.front();
        if (IsNumberChar(c) || c == thousand || c == decimal || numbertext::isExponentChar(c))
            break;
        if (c == u'-')
            negative = true;
        rest.remove(0, 1);
    }

    QString out;
    out.reserve(rest.size() + 1);
    for (QChar c : rest) {
        if (c == thousand)
            continue;
        if (c == decimal)
            out += u'.';
        else if (IsNumberChar(c) || c == u'-' || c == u'.' || numbertext::isExponentChar(c) || c == u'+')
            out += c;
        else
            break;
    }
    if (negative)
        out.prepend(u'-');
    return out;
}

QDate MDYTextToDate(const QString& text)
{
    return numbertext::fieldsToDate(text, numbertext::FieldOrder::MonthDayYear);
}

QDate DMYTextToDate(const QString& text)
{
    return numbertext::fieldsToDate(text, numbertext::FieldOrder::DayMonthYear);
}

bool IsDateText(const QString& text)
{
    const QChar separator = platform::formatSettings().DateSeparator;
    const qsizetype first = text.indexOf(separator);
    if (first < 1)
        return false;
    const QStringView rest = QStringView(text).mid(first + 1);
    return rest.indexOf(separator) >= 1;
}

QDate AddDateInterval(int years, int months, int days, int64_t stepDays, const QDate& date)
{
    if (!date.isValid())
        return QDate();
    const int set = (years != 0) + (months != 0) + (days != 0);
    if (set == 1 && days != 0)
        return date.addDays(days);
    if (set == 1 && years != 0)
        return numbertext::addWholeMonths(date, int64_t(years) * 12);
    if (set == 1 && months != 0)
        return numbertext::addWholeMonths(date, months);
    return date.addDays(stepDays);
}

}  // namespace grid

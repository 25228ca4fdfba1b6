#include "controls/grid/text/filter_matcher.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/format_settings.h"
#include "platform/strings.h"

namespace grid {

namespace matcher {

constexpr QChar Quote = u'"';
constexpr QChar NoOperator = QChar(0);

// A decimal number as a whole: optional sign, digits with an optional "."
// part, optional exponent; at least one digit before the exponent.
bool readDecimalNumber(const QString& text, double& value)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int digits = 0;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        int exponentDigits = 0;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    bool ok = false;
    value = text.toDouble(&ok);
    return ok;
}

template <typename T>
int threeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Compares a cell value with a comparison operand: as numbers when both are
// numbers and neither is a date, else as dates when both are dates, else as
// texts by character codes over at most 255 characters. <0, 0, >0 as the
// value is below, equal to or above the operand.
int compareValueWithOperand(const QString& value, const QString& operand)
{
    QDateTime valueDate;
    QDateTime operandDate;
    const bool valueIsDate = LocaleTextToDateTime(value, valueDate);
    const bool operandIsDate = LocaleTextToDateTime(operand, operandDate);
    double valueNumber = 0;
    double operandNumber = 0;
    if (!valueIsDate && !operandIsDate && readDecimalNumber(DotDecimalText(value), valueNumber) &&
        readDecimalNumber(DotDecimalText(operand), operandNumber))
        return threeWay(valueNumber, operandNumber);
    if (valueIsDate && operandIsDate)
        return threeWay(valueDate, operandDate);
    return QStringView(value).left(255).compare(QStringView(operand).left(255), Qt::CaseSensitive);
}

// The operand of a comparison that starts at `start`: blanks skipped, then up
// to a blank, "&" or "|" outside double quotes, or the end; one double quote
// at its start and one at its end are dropped.
QString readOperand(QStringView term, qsizetype start)
{
    qsizetype i = start;
    while (i < term.size() && term[i] == u' ')
        ++i;
    const qsizetype begin = i;
    bool quoted = false;
    for (; i < term.size(); ++i) {
        const QChar c = term[i];
        if (c == Quote)
            quoted = !quoted;
        else if (!quoted && (c == u' ' || c == u'&' || c == u'|'))
            break;
    }
    QStringView operand = term.mid(begin, i - begin);
    if (operand.startsWith(Quote))
        operand = operand.mid(1);
    if (operand.endsWith(Quote))
        operand.chop(1);
    return operand.toString();
}

// One comparison of a term (">" or "<" at `at`, "=" after it included).
// `wanted` is the sign the comparison accepts (+1 for ">", -1 for "<").
bool compareAt(QStringView term, qsizetype at, QStringView value, int wanted)
{
    const bool orEqual = at + 1 < term.size() && term[at + 1] == u'=';
    const QString operand = readOperand(term, at + 1 + (orEqual ? 1 : 0));
    const int order = compareValueWithOperand(value.toString(), operand);
    return (order > 0 && wanted > 0) || (order < 0 && wanted < 0) || (order == 0 && orEqual);
}

// "*" and "?" alone (double quotes skipped): a linear scan that goes back
// only to the last "*", so that patterns with many "*" stay fast.
bool globMatch(QStringView pattern, QStringView value)
{
    QString plain = pattern.toString();
    plain.remove(Quote);
    qsizetype p = 0;
    qsizetype v = 0;
    qsizetype star = -1;
    qsizetype resume = 0;
    while (v < value.size()) {
        if (p < plain.size() && (plain[p] == u'?' || (plain[p] != u'*' && plain[p] == value[v]))) {
            ++p;
            ++v;
        } else if (p < plain.size() && plain[p] == u'*') {
            star = p++;
            resume = v;
        } else if (star >= 0) {
            p = star + 1;
            v = ++resume;
        } else {
            return false;
        }
    }
    while (p < plain.size() && plain[p] == u'*')
        ++p;
    return p == plain.size();
}

// The wildcard match of a term (pattern) against a value: "*" any run, "?"
// one character, "!" negates the whole, double quotes are not matched.
bool wildcardMatch(QStringView pattern, QStringView value)
{
    qsizetype p = 0;
    qsizetype v = 0;
    bool match = true;
    bool negate = false;
    while (match && (p < pattern.size() || v < value.size())) {
        if (p < pattern.size()) {
            const QChar c = pattern[p];
            if (c == u'!') {
                negate = true;
                ++p;
                continue;
            }
            if (c == Quote) {
                ++p;
                continue;
            }
            if (c == u'*') {
                const qsizetype firstStar = p;
                while (p < pattern.size() && pattern[p] == u'*')
                    ++p;
                const QStringView rest = pattern.mid(p);
                // The rest is a term of its own; without comparisons or
                // negation in it, it is a plain wildcard pattern.
                if (!rest.contains(u'!') && !rest.contains(u'>') && !rest.contains(u'<')) {
                    match = globMatch(pattern.mid(firstStar), value.mid(v));
                    break;
                }
                bool found = false;
                for (qsizetype k = value.size(); k >= v && !found; --k)
                    found = MatchTerm(rest, value.mid(k));
                match = found;
                break;
            }
            if (v >= value.size()) {
                match = false;
            } else if (c == u'?' || c == value[v]) {
                ++p;
                ++v;
            } else {
                match = false;
            }
        } else {
            match = false;  // the value goes on after the pattern ended
        }
    }
    return negate ? !match : match;
}

}  // namespace matcher

bool MatchFilter(const QString& condition, const QString& value, bool caseSensitive)
{
    QString rest = RemoveBlanksOutsideQuotes(platform::trimBlanks(condition));
    if (rest.startsWith(u'='))
        rest.remove(0, 1);

    bool result = true;
    QChar previous = matcher::NoOperator;
    const auto combine = [&](bool item) {
        if (previous == matcher::NoOperator)
            result = item;
        else if (previous == u'&')
            result = result && item;
        else if (previous != u'(')
            result = result || item;  // "|", ";" and "^" alike
    };

    qsizetype index = -1;
    for (;;) {
        const QChar op = FindOperatorOutsideQuotes(u"(;^&|", rest, index);
        if (op == matcher::NoOperator)
            break;
        if (rest.startsWith(u'(')) {
            const int close = ClosingParenthesisPos(rest);
            if (close == 0) {
                // A group never closed runs to the end of the condition.
                combine(MatchFilter(rest.mid(1), value, caseSensitive));
                return result;
            }
            combine(MatchFilter(rest.mid(1, close - 2), value, caseSensitive));
            rest.remove(0, close);
        } else {
            combine(MatchTermWithCase(rest.left(index), value, caseSensitive));
            rest.remove(0, index + 1);
        }
        previous = op;
    }
    combine(MatchTermWithCase(rest, value, caseSensitive));
    return result;
}

bool MatchTermWithCase(const QString& term, const QString& value, bool caseSensitive)
{
    if (caseSensitive)
        return MatchTerm(term, value);
    return MatchTerm(term.toUpper(), value.toUpper());
}

bool MatchTerm(QStringView term, QStringView value)
{
    bool greater = true;
    bool less = true;
    bool greaterDone = false;
    bool lessDone = false;
    const qsizetype gt = term.indexOf(u'>');
    const qsizetype lt = term.indexOf(u'<');
    if (gt >= 0) {
        greater = matcher::compareAt(term, gt, value, +1);
        greaterDone = true;
    }
    if (lt >= 0) {
        less = matcher::compareAt(term, lt, value, -1);
        lessDone = true;
    }
    if (term.contains(u'!')) {
        if (gt < 0)
            greaterDone = true;
        if (lt < 0)
            lessDone = true;
    }
    if (term.contains(u'^') && (greaterDone || lessDone))
        return less || greater;
    if (term.contains(u'&') && greaterDone && lessDone)
        return less && greater;
    if (gt >= 0 && greater)
        return true;
    if (lt >= 0 && less)
        return true;
    return matcher::wildcardMatch(term, value);
}

QString RemoveBlanksOutsideQuotes(const QString& text)
{
    QString out;
    out.reserve(text.size());
    int quotes = 0;
    for (QChar c : text) {
        if (c == matcher::Quote)
            ++quotes;
        if (c == u' ' && quotes % 2 == 0)
            continue;
        out += c;
    }
    return out;
}

QChar FindOperatorOutsideQuotes(QStringView set, QStringView text, qsizetype& index)
{
    int quotes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == matcher::Quote)
            ++quotes;
        else if (quotes % 2 == 0 && set.contains(c)) {
            index = i;
            return c;
        }
    }
    index = -1;
    return matcher::NoOperator;
}

int ClosingParenthesisPos(QStringView text)
{
    int opened = 0;
    int closed = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'(') {
            ++opened;
        } else if (text[i] == u')') {
            ++closed;
            if (opened == closed)
                return int(i) + 1;
        }
    }
    return 0;
}

QString DotDecimalText(const QString& text)
{
    const auto& settings = platform::formatSettings();
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == settings.DecimalSeparator)
            out += u'.';
        else if (c != settings.ThousandSeparator)
            out += c;
    }
    return out;
}

bool LocaleTextToDateTime(const QString& text, QDateTime& dateTime)
{
    const auto& settings = platform::formatSettings();

    // Field order: that of D, M and Y in the short date format.
    const QString format = settings.ShortDateFormat.toUpper();
    std::array<std::pair<qsizetype, QChar>, 3> order = {
        {{format.indexOf(u'D'), u'D'}, {format.indexOf(u'M'), u'M'}, {format.indexOf(u'Y'), u'Y'}}};
    for (const auto& field : order)
        if (field.first < 0)
            return false;
    std::sort(order.begin(), order.end());

    const QChar dateSeparator = settings.DateSeparator;
    const qsizetype first = text.indexOf(dateSeparator);
    const qsizetype second = first < 0 ? -1 : text.indexOf(dateSeparator, first + 1);
    if (second < 0)
        return false;
    const QString rest = platform::trimBlanks(text.mid(second + 1));
    const qsizetype blank = rest.indexOf(u' ');
    const QString fieldTexts[3] = {text.left(first), text.mid(first + 1, second - first - 1),
                                   blank < 0 ? rest : rest.left(blank)};
    int day = 0;
    int month = 0;
    int year = 0;
    for (int i = 0; i < 3; ++i) {
        const auto number = platform::parseInt(fieldTexts[i]);
        if (!number)
            return false;
        const QChar which = order[size_t(i)].second;
        (which == u'D' ? day : which == u'M' ? month : year) = *number;
    }
    if (day > 31 || month > 12)
        return false;
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1 || year > 9999)
        return false;

    QTime time(0, 0);
    const QString timePart = blank < 0 ? QString() : platform::trimBlanks(rest.mid(blank + 1));
    if (!timePart.isEmpty()) {
        const QChar timeSeparator = settings.TimeSeparator;
        const qsizetype colon = timePart.indexOf(timeSeparator);
        if (colon < 0)
            return false;
        const auto hour = platform::parseInt(timePart.left(colon));
        if (!hour || *hour < 0 || *hour > 23)
            return false;
        const QString minuteAndSecond = timePart.mid(colon + 1);
        const qsizetype colon2 = minuteAndSecond.indexOf(timeSeparator);
        std::optional<int32_t> minute;
        std::optional<int32_t> second = 0;
        if (colon2 >= 0) {
            minute = platform::parseInt(minuteAndSecond.left(colon2));
            second = platform::parseInt(minuteAndSecond.mid(colon2 + 1));
            if (!second || *second > 60)
                return false;
        } else {
            minute = platform::parseInt(minuteAndSecond);
        }
        if (!minute || *minute > 59)
            return false;
        time = QTime(*hour, *minute, *second);  // invalid for second 60 or negatives
        if (!time.isValid())
            return false;
    }
    dateTime = QDateTime(date, time, Qt::UTC);
    return true;
}

}  // namespace grid

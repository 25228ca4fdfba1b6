#include "controls/grid/editors/date_time_value.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/format_settings.h"
#include "platform/strings.h"

namespace grid {

namespace date_time_value_detail {

const QDate& epochDate()
{
    static const QDate epoch(1899, 12, 30);
    return epoch;
}

// Counts letters `c` (either case) at position i.
int runLength(const QString& format, int i, QChar c)
{
    int n = 0;
    while (i + n < format.size() && format.at(i + n).toLower() == c) ++n;
    return n;
}

QString padded(int value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

// The order of day, month and year in the short date format: 'D', 'M', 'Y'.
QString fieldOrder()
{
    QString order;
    for (QChar c : platform::formatSettings().ShortDateFormat.toUpper()) {
        if ((c == u'D' || c == u'M' || c == u'Y') && !order.contains(c)) order += c;
    }
    for (QChar c : QStringLiteral("DMY"))
        if (!order.contains(c)) order += c;
    return order;
}

int twoDigitYear(int year)
{
    const int thisYear = QDate::currentDate().year();
    int full = thisYear / 100 * 100 + year;
    if (full > thisYear + 50) full -= 100;
    else if (full < thisYear - 50) full += 100;
    return full;
}

// An "m" run ending before `next` means minutes right after an hour or
// before a second, else the month.
bool isMinutesAt(const QString& format, int next, bool afterHour)
{
    bool minutes = afterHour;
    for (int j = next; j < format.size() && !minutes; ++j) {
        const QChar f = format.at(j).toLower();
        if (f == u's') minutes = true;
        if (f.isLetter() && f != u's') break;
    }
    return minutes;
}

}  // namespace date_time_value_detail

TDateTime DateTimeFromQt(const QDate& date, const QTime& time)
{
    const double days = double(date_time_value_detail::epochDate().daysTo(date));
    const double fraction = time.isValid() ? time.msecsSinceStartOfDay() / 86400000.0 : 0.0;
    return days < 0 ? days - fraction : days + fraction;
}

TDateTime DateTimeFromQt(const QDateTime& value)
{
    return DateTimeFromQt(value.date(), value.time());
}

QDate DateOfDateTime(TDateTime value)
{
    return date_time_value_detail::epochDate().addDays(qint64(std::trunc(value)));
}

QTime TimeOfDateTime(TDateTime value)
{
    double fraction = std::fabs(value - std::trunc(value));
    qint64 ms = qint64(std::llround(fraction * 86400000.0));
    if (ms >= 86400000) ms = 86399999;
    return QTime::fromMSecsSinceStartOfDay(int(ms));
}

TDateTime NowDateTime()
{
    return DateTimeFromQt(QDateTime::currentDateTime());
}

namespace date_time_value_detail {

enum class TPartKind : uint8_t { Text, QuotedText, DateSep, TimeSep, AmPm, Day, Month, Year, Hour, Minute, Second, Msec };

// One piece of a format: a field with the number of its letters, or text.
struct TFormatPart {
    TPartKind Kind;
    int Width = 1;
    QString Text;
};

// Splits a format in the configurator's notation into its pieces; "t" is
// left out. Letters that name no field are quoted text.
std::vector<TFormatPart> splitFormat(const QString& format)
{
    std::vector<TFormatPart> parts;
    bool afterHour = false;
    int i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        const QChar lower = c.toLower();
        if (c == u'"' || c == u'\'') {
            const int end = int(format.indexOf(c, i + 1));
            const int stop = end < 0 ? int(format.size()) : end;
            parts.push_back({TPartKind::QuotedText, 1, format.mid(i + 1, stop - i - 1)});
            i = stop + 1;
            continue;
        }
        if (c == u'/' || c == u':') {
            parts.push_back({c == u'/' ? TPartKind::DateSep : TPartKind::TimeSep, 1, {}});
            ++i;
            continue;
        }
        const QString ahead = format.mid(i, 5).toLower();
        if (ahead == u"am/pm" || ahead.startsWith(u"ampm")) {
            parts.push_back({TPartKind::AmPm, 1, {}});
            i += ahead == u"am/pm" ? 5 : 4;
            continue;
        }
        const int n = std::max(1, runLength(format, i, lower));
        TFormatPart part{TPartKind::Text, n, format.mid(i, n)};
        if (lower == u'd') part.Kind = TPartKind::Day;
        else if (lower == u'y') part.Kind = TPartKind::Year;
        else if (lower == u'm') part.Kind = isMinutesAt(format, i + n, afterHour) ? TPartKind::Minute : TPartKind::Month;
        else if (lower == u'h') part.Kind = TPartKind::Hour;
        else if (lower == u'n') part.Kind = TPartKind::Minute;
        else if (lower == u's') part.Kind = TPartKind::Second;
        else if (lower == u'z') part.Kind = TPartKind::Msec;
        else if (lower.isLetter()) part.Kind = TPartKind::QuotedText;
        if (lower != u't') parts.push_back(std::move(part));
        if (lower.isLetter()) afterHour = lower == u'h';
        i += n;
    }
    return parts;
}

bool hasAmPm(const std::vector<TFormatPart>& parts)
{
    return std::any_of(parts.begin(), parts.end(), [](const TFormatPart& p) { return p.Kind == TPartKind::AmPm; });
}

}  // namespace date_time_value_detail

QString FormatDateTimeText(const QString& format, TDateTime value)
{
    using namespace date_time_value_detail;
    const QDate date = DateOfDateTime(value);
    const QTime time = TimeOfDateTime(value);
    const auto& fs = platform::formatSettings();
    const std::vector<TFormatPart> parts = splitFormat(format);
    // With AM/PM the hours count 1 to 12.
    const int hour = !hasAmPm(parts) ? time.hour() : (time.hour() % 12 == 0 ? 12 : time.hour() % 12);
    const auto number = [](int v, int width, int padTo) { return width >= padTo ? padded(v, padTo) : QString::number(v); };
    QString out;
    for (const TFormatPart& p : parts) {
        switch (p.Kind) {
        case TPartKind::Text:
        case TPartKind::QuotedText: out += p.Text; break;
        case TPartKind::DateSep: out += fs.DateSeparator; break;
        case TPartKind::TimeSep: out += fs.TimeSeparator; break;
        case TPartKind::AmPm: out += time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"); break;
        case TPartKind::Day: out += number(date.day(), p.Width, 2); break;
        case TPartKind::Month: out += number(date.month(), p.Width, 2); break;
        case TPartKind::Year: out += p.Width <= 2 ? padded(date.year() % 100, 2) : padded(date.year(), 4); break;
        case TPartKind::Hour: out += number(hour, p.Width, 2); break;
        case TPartKind::Minute: out += number(time.minute(), p.Width, 2); break;
        case TPartKind::Second: out += number(time.second(), p.Width, 2); break;
        case TPartKind::Msec: out += number(time.msec(), p.Width, 3); break;
        }
    }
    return platform::trimBlanks(out);
}

QString QtDisplayFormat(const QString& format)
{
    using namespace date_time_value_detail;
    const auto& fs = platform::formatSettings();
    const auto literal = [](const QString& text) {
        QString quoted = text;
        return u'\'' + quoted.replace(u'\'', QStringLiteral("''")) + u'\'';
    };
    const auto field = [](const char* one, const char* two, int width) {
        return QString::fromLatin1(width >= 2 ? two : one);
    };
    QString out;
    for (const TFormatPart& p : splitFormat(format)) {
        switch (p.Kind) {
        case TPartKind::Text: out += p.Text; break;
        case TPartKind::QuotedText: out += literal(p.Text); break;
        case TPartKind::DateSep: out += literal(fs.DateSeparator); break;
        case TPartKind::TimeSep: out += literal(fs.TimeSeparator); break;
        case TPartKind::AmPm: out += QStringLiteral("AP"); break;
        case TPartKind::Day: out += field("d", "dd", p.Width); break;
        case TPartKind::Month: out += field("M", "MM", p.Width); break;
        case TPartKind::Year: out += p.Width <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
        case TPartKind::Hour: out += field("h", "hh", p.Width); break;
        case TPartKind::Minute: out += field("m", "mm", p.Width); break;
        case TPartKind::Second: out += field("s", "ss", p.Width); break;
        case TPartKind::Msec: out += QStringLiteral("zzz"); break;
        }
    }
    return platform::trimBlanks(out);
}

std::optional<QDateTime> ParseDateTimeText(const QString& text)
{
    const QString t = platform::trimBlanks(text);
    const qsizetype blank = t.indexOf(u' ');
    const auto date = ParseDateText(blank < 0 ? t : t.left(blank));
    if (!date) return std::nullopt;
    if (blank < 0) return QDateTime(*date, QTime(0, 0));
    const auto time = ParseTimeText(t.mid(blank + 1));
    if (!time) return std::nullopt;
    return QDateTime(*date, *time);
}

std::optional<QDate> ParseDateText(const QString& text)
{
    using namespace date_time_value_detail;
    const QStringList parts = platform::trimBlanks(text).split(platform::formatSettings().DateSeparator);
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    int values[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        const QString part = platform::trimBlanks(parts.at(i));
        const auto value = platform::parseDecimal(part);
        if (!value || part.startsWith(u'-') || part.startsWith(u'+') || part.size() > 4) return std::nullopt;
        values[i] = *value;
    }
    const QString order = fieldOrder();
    int day = 0, month = 0, year = 0;
    int yearWidth = 4;
    if (parts.size() == 2) {
        // Day and month in their order; the year is this year.
        int k = 0;
        for (QChar f : order) {
            if (f == u'Y') continue;
            (f == u'D' ? day : month) = values[k++];
        }
        year = QDate::currentDate().year();
    } else {
        for (int k = 0; k < 3; ++k) {
            const QChar f = order.at(k);
            if (f == u'D') day = values[k];
            else if (f == u'M') month = values[k];
            else {
                year = values[k];
                yearWidth = int(platform::trimBlanks(parts.at(k)).size());
            }
        }
        if (yearWidth <= 2) year = twoDigitYear(year);
    }
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

std::optional<QTime> ParseTimeText(const QString& text)
{
    QString t = platform::trimBlanks(text);
    int pmShift = -1;  // -1 no marker, 0 AM, 12 PM
    const QString upper = t.toUpper();
    if (upper.endsWith(QStringLiteral("AM")) || upper.endsWith(QStringLiteral("PM"))) {
        pmShift = upper.endsWith(QStringLiteral("PM")) ? 12 : 0;
        t = platform::trimBlanks(t.left(t.size() - 2));
    }
    if (t.isEmpty()) return std::nullopt;
    const QStringList parts = t.split(platform::formatSettings().TimeSeparator);
    if (parts.size() > 3) return std::nullopt;
    int fields[3] = {0, 0, 0};
    int msec = 0;
    for (int i = 0; i < parts.size(); ++i) {
        QString part = platform::trimBlanks(parts.at(i));
        if (i == parts.size() - 1 && i == 2) {
            const qsizetype dot = part.indexOf(platform::formatSettings().DecimalSeparator);
            if (dot >= 0) {
                const auto ms = platform::parseDecimal(part.mid(dot + 1));
                if (!ms || part.mid(dot + 1).size() > 3) return std::nullopt;
                msec = *ms * (part.size() - dot - 1 == 1 ? 100 : part.size() - dot - 1 == 2 ? 10 : 1);
                part = part.left(dot);
            }
        }
        const auto value = platform::parseDecimal(part);
        if (!value || part.isEmpty() || !part.at(0).isDigit()) return std::nullopt;
        fields[i] = *value;
    }
    int hour = fields[0];
    if (pmShift >= 0) {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + pmShift;
    }
    const QTime time(hour, fields[1], fields[2], msec);
    if (!time.isValid()) return std::nullopt;
    return time;
}

}  // namespace grid

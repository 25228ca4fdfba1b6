#include "controls/grid/editors/spin_rules.h"

#include <cmath>
#include <limits>

#include "controls/grid/text/grid_number_text.h"
#include "platform/format_settings.h"

namespace grid {

namespace spin_rules_detail {

template <typename T>
T clampBetween(T value, T minimum, T maximum)
{
    if (minimum == maximum) return value;
    if (value < minimum) return minimum;
    if (value > maximum) return maximum;
    return value;
}

// 1-based position of `c` in `text` after the first `from` characters, 0 when absent.
int posFrom(QChar c, const QString& text, int from)
{
    const qsizetype i = text.indexOf(c, from);
    return i < 0 ? 0 : int(i) + 1;
}

bool monthFirst()
{
    const QString upper = platform::formatSettings().ShortDateFormat.toUpper();
    const qsizetype m = upper.indexOf(u'M');
    const qsizetype d = upper.indexOf(u'D');
    if (upper.startsWith(u'Y')) return true;
    if (m < 0) return false;
    return d < 0 || m < d;
}

}  // namespace spin_rules_detail

int ClampSpinValue(int value, int minimum, int maximum)
{
    return spin_rules_detail::clampBetween(value, minimum, maximum);
}

double ClampSpinFloat(double value, double minimum, double maximum)
{
    return spin_rules_detail::clampBetween(value, minimum, maximum);
}

TDateTime ClampSpinDateTime(TDateTime value, TDateTime minimum, TDateTime maximum)
{
    return spin_rules_detail::clampBetween(value, minimum, maximum);
}

int SaturatingAdd(int value, int step)
{
    const int64_t sum = int64_t(value) + int64_t(step);
    if (sum > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (sum < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return int(sum);
}

bool IsValidSpinCharacter(const TSpinCharContext& context, QChar key)
{
    const auto& fs = platform::formatSettings();
    const QChar dec = fs.DecimalSeparator, thou = fs.ThousandSeparator;
    const QChar tsep = fs.TimeSeparator, dsep = fs.DateSeparator;
    const QString selected = context.Text.mid(context.SelStart, context.SelLength);
    const ushort code = key.unicode();

    if (code == 8) return context.EditorEnabled;

    bool ok = key == dec || key == thou || key == tsep || key == dsep || IsNumberChar(key) || key == u'-' ||
              (code < 32 && code != 13);

    // A separator of another value kind is taken only where it doubles as a
    // number character of that kind.
    auto separatorOfOtherKind = [&](QChar separator) {
        if (separator == dec || separator == thou || separator == u'-' || separator == u'+')
            ok = ok && (context.SpinType == sptNormal || context.SpinType == sptFloat);
        else
            ok = false;
    };
    if (key == tsep && context.SpinType != sptTime) separatorOfOtherKind(tsep);
    if (key == dsep && context.SpinType != sptDate) separatorOfOtherKind(dsep);

    if (key == u'-') {
        if (!context.Text.contains(u'-'))
            ok = ok && context.SelStart == 0;
        else
            ok = ok && selected.contains(u'-') && context.SelStart == 0;
    }

    if (context.SpinType == sptNormal) ok = ok && (IsNumberChar(key) || key == u'-');

    if (context.SpinType == sptFloat && code != 27 && code != 13 && code != 8) {
        if (key == thou) ok = false;
        if (key == dec && context.Text.contains(dec) && !selected.contains(dec)) ok = false;
        if (context.Precision > 0) {
            const int p = spin_rules_detail::posFrom(dec, context.Text, 0);
            if (p > 0 && context.SelStart >= p && context.SelLength == 0 && ok &&
                context.Text.size() >= p + context.Precision)
                ok = false;
        }
    }

    if (context.SpinType == sptTime && key == tsep && context.Text.count(tsep) >= 2) ok = false;

    if (!context.EditorEnabled && ok && code >= 32) ok = false;
    return ok;
}

QString FormatSpinFloat(double value, int precision)
{
    const QChar dec = platform::formatSettings().DecimalSeparator;
    QString text;
    if (precision != 0) {
        text = QString::number(value, 'f', precision);
    } else {
        text = QString::number(value, 'g', 15);
        // The general form writes an exponent as E-5 or E20.
        const qsizetype e = text.indexOf(u'e');
        if (e >= 0) {
            QString exponent = text.mid(e + 1);
            const bool negative = exponent.startsWith(u'-');
            exponent.remove(u'+').remove(u'-');
            while (exponent.size() > 1 && exponent.startsWith(u'0')) exponent.remove(0, 1);
            text = text.left(e) + u'E' + (negative ? QStringLiteral("-") : QString()) + exponent;
        }
    }
    text.replace(u'.', dec);
    return text;
}

std::optional<double> ParseSpinFloat(const QString& text)
{
    const QChar dec = platform::formatSettings().DecimalSeparator;
    QString t = text.trimmed();
    if (t.isEmpty() || (t.contains(u'.') && dec != u'.')) return std::nullopt;
    t.replace(dec, u'.');
    // Digits, one separator, an optional sign and an optional exponent.
    for (QChar c : t)
        if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E')) return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

TDateField DateFieldAt(const QString& text, int caret)
{
    const QChar dsep = platform::formatSettings().DateSeparator;
    const int c1 = spin_rules_detail::posFrom(dsep, text, 0);
    const int c2 = c1 > 0 ? spin_rules_detail::posFrom(dsep, text, c1) : 0;
    const bool monthFirst = spin_rules_detail::monthFirst();
    if (caret < c1) return monthFirst ? TDateField::Month : TDateField::Day;
    if (caret < c2) return monthFirst ? TDateField::Day : TDateField::Month;
    return TDateField::Year;
}

TDateTime StepDateField(TDateTime value, const QString& text, int caret, int direction)
{
    const QDate date = DateOfDateTime(value);
    const QTime time = TimeOfDateTime(value);
    switch (DateFieldAt(text, caret)) {
    case TDateField::Day:
        return value + direction;
    case TDateField::Month:
        // QDate::addMonths keeps the day where it exists, else takes the
        // month's last day.
        return DateTimeFromQt(date.addMonths(direction), time);
    case TDateField::Year: {
        const QDate target(date.year() + direction, date.month(), 1);
        const int day = std::min(date.day(), target.daysInMonth());
        return DateTimeFromQt(QDate(target.year(), target.month(), day));
    }
    }
    return value;
}

TTimeField TimeFieldAt(const QString& text, int caret, bool showSeconds)
{
    const QChar tsep = platform::formatSettings().TimeSeparator;
    const int t1 = spin_rules_detail::posFrom(tsep, text, 0);
    if (caret < t1) return TTimeField::Hours;
    const int t2 = t1 > 0 ? spin_rules_detail::posFrom(tsep, text, t1) : 0;
    if (showSeconds && (t2 == 0 || caret >= t2)) return TTimeField::Seconds;
    return TTimeField::Minutes;
}

TDateTime StepTimeValue(TDateTime value, TTimeField field, int direction, int incrementHours, int incrementMinutes,
                        int incrementSeconds)
{
    const int h = field == TTimeField::Hours ? incrementHours : 0;
    const int m = field == TTimeField::Minutes ? incrementMinutes : 0;
    const int s = field == TTimeField::Seconds ? incrementSeconds : 0;
    const TDateTime increment = (h * 3600.0 + m * 60.0 + s) / 86400.0;
    if (direction > 0) return value + increment;
    const TDateTime v = value + 1 - increment;
    return v > 1 ? v - 1 : v;
}

}  // namespace grid

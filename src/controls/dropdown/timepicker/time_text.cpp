#include "controls/dropdown/timepicker/time_text.h"

#include <QStringList>

#include "platform/strings.h"

namespace dropdown {

QString TwoDigits(int value) { return value >= 0 && value <= 9 ? u'0' + QString::number(value) : QString::number(value); }

QString FormatTimeText(int hour, int minute, int second, bool showSeconds, QChar separator)
{
    QString text = TwoDigits(hour) + separator + TwoDigits(minute);
    if (showSeconds) text += separator + TwoDigits(second);
    return text;
}

QString BlanksToZeros(const QString& text)
{
    QString result = text;
    result.replace(u' ', u'0');
    return result;
}

bool HasTimeShape(const QString& text, bool showSeconds, QChar separator)
{
    return text.count(separator) == (showSeconds ? 2 : 1);
}

bool StartsWithDigits(const QString& text)
{
    for (int i = 0; i < std::min<int>(2, int(text.size())); ++i)
        if (text[i] < u'0' || text[i] > u'9') return false;
    return true;
}

std::optional<TTimeParts> ParseTypedTime(const QString& text, bool showSeconds, QChar separator)
{
    if (platform::trimBlanks(text).size() != (showSeconds ? 8 : 5)) return std::nullopt;
    if (!HasTimeShape(text, showSeconds, separator)) return std::nullopt;
    const QStringList parts = BlanksToZeros(text).split(separator);
    TTimeParts result;
    int* fields[3] = {&result.Hour, &result.Minute, &result.Second};
    for (int i = 0; i < int(parts.size()) && i < 3; ++i) {
        const QString part = platform::trimBlanks(parts[i]);
        if (!StartsWithDigits(part)) return std::nullopt;
        if (part.isEmpty()) continue;
        const auto value = platform::parseDecimal(part);
        if (!value) return std::nullopt;
        *fields[i] = *value;
    }
    return result;
}

TTimeField TimeFieldAtCaret(const QString& text, int caret, bool showSeconds, QChar separator)
{
    const int p1 = int(text.indexOf(separator)) + 1;
    const int p2 = p1 > 0 ? int(text.mid(p1).indexOf(separator)) + 1 : 0;
    if (caret < p1) return TTimeField::Hour;
    if (caret - p1 >= p2 && showSeconds) return TTimeField::Second;
    return TTimeField::Minute;
}

int WrapStep(int value, int delta, int count) { return ((value + delta) % count + count) % count; }

}  // namespace dropdown

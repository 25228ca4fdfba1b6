#include "platform/format_settings.h"

#include <QLocale>

namespace platform {
namespace {

// Turns a Qt date/time pattern into the configurator's notation: months are
// "m", minutes "n"; days, years, hours and seconds read the same. Qt's time
// zone mark "t" has no counterpart and is dropped with the blank before it.
QString toConfiguratorPattern(const QString& qtPattern, bool isTime)
{
    QString out;
    for (QChar c : qtPattern) {
        if (isTime && c == u't') {
            while (out.endsWith(u' '))
                out.chop(1);
            continue;
        }
        if (c == u'M')
            out += u'm';
        else if (isTime && c == u'm')
            out += u'n';
        else if (c == u'H')
            out += u'h';
        else
            out += c;
    }
    return out;
}

QChar firstNonLetter(const QString& pattern, QChar fallback)
{
    for (QChar c : pattern)
        if (!c.isLetter() && !c.isSpace())
            return c;
    return fallback;
}

}  // namespace

FormatSettings systemFormatSettings()
{
    const QLocale locale = QLocale::system();
    FormatSettings s;
    const QString dp = locale.decimalPoint();
    const QString gs = locale.groupSeparator();
    if (dp.size() == 1)
        s.DecimalSeparator = dp[0];
    if (gs.size() == 1)
        s.ThousandSeparator = gs[0];
    const QString date = locale.dateFormat(QLocale::ShortFormat);
    const QString time = locale.timeFormat(QLocale::ShortFormat);
    s.DateSeparator = firstNonLetter(date, u'/');
    s.TimeSeparator = firstNonLetter(time, u':');
    s.ShortDateFormat = toConfiguratorPattern(date, false);
    s.ShortTimeFormat = toConfiguratorPattern(time, true);
    s.LongTimeFormat = toConfiguratorPattern(locale.timeFormat(QLocale::LongFormat), true);
    return s;
}

FormatSettings& formatSettings()
{
    static FormatSettings settings = systemFormatSettings();
    return settings;
}

}  // namespace platform

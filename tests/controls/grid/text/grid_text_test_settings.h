#pragma once

#include <QChar>
#include <QString>

#include "platform/format_settings.h"

namespace grid_text_testing {

// Sets the process-wide format settings for one test and puts the old ones
// back afterwards.
class FormatSettingsScope {
public:
    FormatSettingsScope(QChar decimal, QChar thousand, QChar date = u'/',
                        const QString& shortDate = QStringLiteral("dd/mm/yyyy"), QChar time = u':')
        : saved_(platform::formatSettings())
    {
        auto& s = platform::formatSettings();
        s.DecimalSeparator = decimal;
        s.ThousandSeparator = thousand;
        s.DateSeparator = date;
        s.ShortDateFormat = shortDate;
        s.TimeSeparator = time;
    }
    ~FormatSettingsScope() { platform::formatSettings() = saved_; }
    FormatSettingsScope(const FormatSettingsScope&) = delete;
    FormatSettingsScope& operator=(const FormatSettingsScope&) = delete;

private:
    platform::FormatSettings saved_;
};

// Text with visible control characters, for failure messages.
inline std::string visible(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            out += c;
    }
    return out.toStdString();
}

}  // namespace grid_text_testing

#pragma once

#include <QChar>
#include <QString>

namespace platform {

// The process-wide number and date format settings, in the notation of the
// format strings the configurator uses ("dd/mm/yyyy", "hh:nn"). Seeded once
// from the system locale; tests and the application may change them.
struct FormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString ShortTimeFormat = QStringLiteral("hh:nn");
    QString LongTimeFormat = QStringLiteral("hh:nn:ss");
};

FormatSettings& formatSettings();

// The settings of the system locale, as formatSettings() starts with.
FormatSettings systemFormatSettings();

}  // namespace platform

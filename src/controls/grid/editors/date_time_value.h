#pragma once

// Date-time values as the editor controls keep them: a day count since
// 30 December 1899 with the time of day as the fraction (0.5 = noon), read
// from and written to text with the process-wide format settings.

#include <optional>

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace grid {

using TDateTime = double;

TDateTime DateTimeFromQt(const QDate& date, const QTime& time = QTime(0, 0));
TDateTime DateTimeFromQt(const QDateTime& value);
// The calendar day of a value (the integral part; negative values count
// back from 30 December 1899 as the fraction still counts forward).
QDate DateOfDateTime(TDateTime value);
// The time of day of a value (its fraction), to the millisecond.
QTime TimeOfDateTime(TDateTime value);
TDateTime NowDateTime();

// Formats with a format string in the configurator's notation: d dd (day),
// m mm (month; minutes right after h or before s), yy yyyy, h hh, n nn
// (minutes), s ss, z zzz, "/" the date separator, ":" the time separator,
// text in quotes as it stands; "t" (a time-zone mark of the system's
// patterns) is left out, and so are blanks at either end.
QString FormatDateTimeText(const QString& format, TDateTime value);

// The same notation as a Qt display format (for the date and time pickers).
QString QtDisplayFormat(const QString& format);

// A date text in the order of the short date format, fields separated by the
// date separator; two fields give a day of the current year, two-digit years
// are taken within 50 years of today. No value for anything else or a day
// that does not exist.
std::optional<QDate> ParseDateText(const QString& text);
// A time text "h[:n[:s[.z]]]" with the time separator, optionally followed by
// AM or PM. No value for anything else.
std::optional<QTime> ParseTimeText(const QString& text);
// A date, optionally followed by one blank and a time. No value for
// anything else.
std::optional<QDateTime> ParseDateTimeText(const QString& text);

}  // namespace grid

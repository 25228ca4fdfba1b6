#pragma once

// The time picker's text: hours, minutes and (optionally) seconds with the
// locale's time separator, the field under the caret, and the reading of a
// typed time.

#include <optional>

#include <QChar>
#include <QString>

#include "controls/dropdown/clock/watch_geometry.h"

namespace dropdown {

// 0 .. 9 with a leading "0".
QString TwoDigits(int value);
QString FormatTimeText(int hour, int minute, int second, bool showSeconds, QChar separator);

// Every space becomes "0".
QString BlanksToZeros(const QString& text);
// Exactly one separator (two with seconds).
bool HasTimeShape(const QString& text, bool showSeconds, QChar separator);
// The first and second characters, where present, are digits.
bool StartsWithDigits(const QString& text);

// A typed time of the right shape (5 characters, or 8 with seconds, after
// trimming), its parts as typed (they may be out of range); none when the
// text is not such a time.
std::optional<TTimeParts> ParseTypedTime(const QString& text, bool showSeconds, QChar separator);

enum class TTimeField { Hour, Minute, Second };
// The field a caret position (0-based) stands in.
TTimeField TimeFieldAtCaret(const QString& text, int caret, bool showSeconds, QChar separator);
// value + delta wrapped into 0 .. count - 1.
int WrapStep(int value, int delta, int count);

}  // namespace dropdown

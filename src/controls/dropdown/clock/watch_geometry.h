#pragma once

// The clock's arithmetic, free of any window: the face square, the minute
// and hour under a point, the steps of the hands' glide, and times of day as
// fractions of a day.

#include <cstdint>

#include <QPoint>

#include "platform/geometry.h"

namespace dropdown {

// A date and time as days since the epoch; the fraction is the time of day.
using TDateTime = double;

struct TTimeParts {
    int Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
};
TTimeParts DecodeTime(TDateTime value);
// The time of day (no date); false when a part is out of range.
bool TryEncodeTime(int hour, int minute, int second, int milliSecond, TDateTime& result);
// The date of value with the time of day replaced (parts must be in range).
TDateTime ReplaceTimeOfDay(TDateTime value, const TTimeParts& parts);

// The integer nearest to x, ties to the even one.
int Nearest(double x);

// The face square of a clientWidth x clientHeight control: side Size (limited
// to the client) when Size > 0, else the smaller side less 20; centred.
platform::TRect WatchRect(int clientWidth, int clientHeight, int size);

// The minute (0 .. 59) a point shows seen from the centre: 0 at 12 o'clock,
// 15 at 3.
int MinuteFromPoint(QPoint center, QPoint point);
// The hour a point shows: 0 .. 11 in the AM state, 12 .. 23 in the PM state
// (12 o'clock: 0 or 12).
int HourFromPoint(QPoint center, QPoint point, bool am);

// Whether the point lies inside the ellipse inscribed in rect.
bool IsPointInEllipse(QPoint point, const platform::TRect& rect);

// One step of a hand's glide toward target: about 1 / factor of the way
// left and at least one unit (factor below 1 counts as 1). Hours do not wrap;
// a minute glide to 0 from above 30 runs forward through 59.
int StepHourToward(int hour, int target, int factor);
int StepMinuteToward(int minute, int target, int factor);

}  // namespace dropdown

#include "controls/dropdown/clock/watch_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dropdown {

namespace {

constexpr int64_t kMsPerDay = 86400000;

}  // namespace

TTimeParts DecodeTime(TDateTime value)
{
    const double day = std::floor(value);
    int64_t ms = std::llround((value - day) * double(kMsPerDay));
    ms = std::clamp<int64_t>(ms, 0, kMsPerDay - 1);
    TTimeParts parts;
    parts.Hour = int(ms / 3600000);
    parts.Minute = int(ms / 60000 % 60);
    parts.Second = int(ms / 1000 % 60);
    parts.MilliSecond = int(ms % 1000);
    return parts;
}

bool TryEncodeTime(int hour, int minute, int second, int milliSecond, TDateTime& result)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || milliSecond < 0 ||
        milliSecond > 999)
        return false;
    result = double(((int64_t(hour) * 60 + minute) * 60 + second) * 1000 + milliSecond) / double(kMsPerDay);
    return true;
}

TDateTime ReplaceTimeOfDay(TDateTime value, const TTimeParts& parts)
{
    TDateTime time = 0;
    TryEncodeTime(parts.Hour, parts.Minute, parts.Second, parts.MilliSecond, time);
    return std::floor(value) + time;
}

int Nearest(double x) { return int(std::nearbyint(x)); }

platform::TRect WatchRect(int clientWidth, int clientHeight, int size)
{
    const int side = size > 0 ? std::min({size, clientWidth, clientHeight}) : std::min(clientWidth, clientHeight) - 20;
    const int left = (clientWidth - side) / 2;
    const int top = (clientHeight - side) / 2;
    return {left, top, left + side, top + side};
}

int MinuteFromPoint(QPoint center, QPoint point)
{
    const int x = point.x(), y = point.y(), cx = center.x(), cy = center.y();
    int dy = std::abs(cy - y), dx = std::abs(cx - x);
    if (dy == 0) dy = 1;
    if (dx == 0) dx = 1;
    const int m = Nearest(std::atan(double(dy) / double(dx)) * 180.0 / std::numbers::pi / 6.0);
    int result;
    if (x >= cx && y >= cy)
        result = m + 15;
    else if (x <= cx && y >= cy)
        result = 45 - m;
    else if (x <= cx && y <= cy)
        result = m + 45;
    else
        result = 15 - m;
    if (result < 0 || result > 59) result = 0;
    return result;
}

int HourFromPoint(QPoint center, QPoint point, bool am)
{
    const int h = Nearest(MinuteFromPoint(center, point) / 5.0);
    if (h <= 0) return am ? 0 : 12;
    const int hour = am ? h : h + 12;
    return hour == 24 ? 0 : hour;
}

bool IsPointInEllipse(QPoint point, const platform::TRect& rect)
{
    const double a = rect.Width() / 2.0, b = rect.Height() / 2.0;
    if (a <= 0 || b <= 0) return false;
    const double dx = (point.x() - (rect.Left + a)) / a;
    const double dy = (point.y() - (rect.Top + b)) / b;
    return dx * dx + dy * dy <= 1.0;
}

int StepHourToward(int hour, int target, int factor)
{
    factor = std::max(factor, 1);
    const int step = std::max(Nearest(std::abs(target - hour) / double(factor)), 1);
    if (hour < target) return std::min(hour + step, target);
    if (hour > target) return std::max(hour - step, target);
    return hour;
}

int StepMinuteToward(int minute, int target, int factor)
{
    factor = std::max(factor, 1);
    const bool roundTheTop = target == 0 && minute > 30;
    const int distance = roundTheTop ? 60 - minute : std::abs(target - minute);
    const int step = std::max(Nearest(distance / double(factor)), 1);
    int next;
    if (minute < target || roundTheTop) {
        next = minute + step;
        if (!roundTheTop) next = std::min(next, target);
    } else {
        next = std::max(minute - step, target);
    }
    return next >= 60 ? 0 : next;
}

}  // namespace dropdown

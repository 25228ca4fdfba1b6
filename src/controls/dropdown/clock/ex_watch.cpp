#include "controls/dropdown/clock/ex_watch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "controls/dropdown/base/dropdown_draw.h"

namespace dropdown {

using platform::TCanvas;
using platform::TRect;
using platform::Word;

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

TDateTime Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 days = QDate(1899, 12, 30).daysTo(now.date());
    return double(days) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

}  // namespace

TExWatch::TExWatch(QWidget* parent) : QWidget(parent)
{
    resize(180, 180);
    setMouseTracking(true);
    FAppearance.OnChange = [this] { AppearanceChanged(); };
    FSettings.OnChange = [this] { SettingsChanged(); };
    FWatchTimer.setInterval(100);
    connect(&FWatchTimer, &QTimer::timeout, this, [this] { update(); });
    FAnimationTimer.setInterval(1);
    connect(&FAnimationTimer, &QTimer::timeout, this, [this] { AnimationTimerTick(); });
    FSlideTimer.setInterval(10);
    connect(&FSlideTimer, &QTimer::timeout, this, [this] { SlideTimerTick(); });
}

TExWatch::~TExWatch()
{
    FAppearance.OnChange = nullptr;
    FSettings.OnChange = nullptr;
}

// ----- properties

void TExWatch::SetTime(TDateTime value)
{
    if (value == FTime) return;
    FInternalSet = true;
    InternalSetTime(value);
    FInternalSet = false;
    update();
}

void TExWatch::SetShowAMPM(bool value)
{
    if (FShowAMPM == value) return;
    FShowAMPM = value;
    AppearanceChanged();
}

void TExWatch::SetShowNumbers(bool value)
{
    if (FShowNumbers == value) return;
    FShowNumbers = value;
    AppearanceChanged();
}

void TExWatch::SetStyle(TWatchStyle value)
{
    if (FStyle == value) return;
    FStyle = value;
    TWatchPresetOptions options{FShowAMPM, FShowNumbers, FAnimation, FAnimationFactor};
    ApplyWatchStyle(value, FAppearance, options, width(), height());
    FShowAMPM = options.ShowAMPM;
    FShowNumbers = options.ShowNumbers;
    FAnimation = options.Animation;
    FAnimationFactor = options.AnimationFactor;
    AppearanceChanged();
}

void TExWatch::AppearanceChanged()
{
    FFaceValid = false;
    update();
}

void TExWatch::SettingsChanged()
{
    if (FSettings.Auto()) {
        FWatchTimer.start();
        FInternalSet = true;
        InternalSetTime(Now());
        FInternalSet = false;
    } else {
        FWatchTimer.stop();
    }
    FFaceValid = false;
    update();
}

void TExWatch::Changed()
{
    if (OnChange) OnChange(this);
}

TDateTime TExWatch::GetDisplayTime() const
{
    if (FSettings.Auto()) return Now() + FSettings.TimeOffset() / 1440.0;
    return FTime;
}

// ----- the time and the AM/PM state

void TExWatch::InternalSetTime(TDateTime value)
{
    if (value == FTime) return;
    FTime = value;
    SetAM(DecodeTime(value).Hour < 12);
}

void TExWatch::SetAM(bool value)
{
    if (value == FAM) return;
    FAM = value;
    if (FAnimation && FShowAMPM && FAppearance.AMPMColor() != clNone && !FInternalSet) {
        // The box slides to the new text, one pixel per timer tick; the
        // window is served meanwhile.
        FSlideStep = 0;
        FSlideTimer.start();
    } else {
        FSlideTimer.stop();
        FFaceValid = false;
    }
    update();
}

void TExWatch::SlideTimerTick()
{
    const TRect box = GetAMPMRect();
    const int inner = std::max(box.Height() - 2, 1);
    ++FSlideStep;
    if (FSlideStep >= inner) {
        FSlideTimer.stop();
        FFaceValid = false;
    }
    update();
}

void TExWatch::SetHour(int value)
{
    const TTimeParts shown = DecodeTime(FTime);
    if (value == shown.Hour) return;
    if (FAnimation && !FInternalCall) {
        FCurrentHourTo = value;
        FHourAnimating = true;
        FAnimationTimer.start();
        return;
    }
    if (value < 0 || value > 23) return;
    TTimeParts parts = shown;
    parts.Hour = value;
    InternalSetTime(ReplaceTimeOfDay(FTime, parts));
    update();
    // A step of a glide stays quiet; its last step and every change made at
    // once are reported.
    if (!FTicking || value == FCurrentHourTo) Changed();
}

void TExWatch::SetMinute(int value)
{
    if (value >= 60 || value < 0) throw std::invalid_argument("Invalid time");
    const TTimeParts shown = DecodeTime(FTime);
    if (value == shown.Minute) return;
    if (FAnimation && !FInternalCall) {
        FCurrentMinuteTo = value;
        FHourAnimating = false;
        FMinuteFrom = shown.Minute;
        FAnimationTimer.start();
        return;
    }
    if (!FAnimation) FMinuteFrom = shown.Minute;
    TTimeParts parts = shown;
    if (value == 0 && FMinuteFrom > 30) {
        parts.Hour = (parts.Hour + 1) % 24;
        FMinuteFrom = 0;
    }
    parts.Minute = value;
    InternalSetTime(ReplaceTimeOfDay(FTime, parts));
    update();
    if (!FTicking || value == FCurrentMinuteTo) Changed();
}

void TExWatch::AnimationTimerTick()
{
    if (!FAnimation) {
        FAnimationTimer.stop();
        return;
    }
    const TTimeParts shown = DecodeTime(FTime);
    const bool wasInternal = FInternalCall;
    FInternalCall = true;
    FTicking = true;
    if (FHourAnimating) {
        const int next = StepHourToward(shown.Hour, FCurrentHourTo, FAnimationFactor);
        if (next != FCurrentHourTo) {
            SetHour(next);
        } else {
            FAnimationTimer.stop();
            SetHour(FCurrentHourTo);
        }
    } else {
        const int next = StepMinuteToward(shown.Minute, FCurrentMinuteTo, FAnimationFactor);
        if (next != FCurrentMinuteTo) {
            SetMinute(next);
        } else {
            FAnimationTimer.stop();
            SetMinute(FCurrentMinuteTo);
        }
    }
    FTicking = false;
    FInternalCall = wasInternal;
}

void TExWatch::HandleWatchKey(Word key)
{
    using namespace platform;
    if (FSettings.Auto()) return;
    const TTimeParts shown = DecodeTime(FTime);
    const int h = shown.Hour, m = shown.Minute;
    auto hourAtOnce = [this](int value) {
        FInternalCall = true;
        FCurrentHourTo = value;
        SetHour(value);
        FInternalCall = false;
    };
    switch (key) {
    case 'A':
        if (h >= 12) SetHour(h - 12);
        break;
    case 'P':
        if (h < 12) SetHour(h + 12);
        break;
    case VK_PRIOR:
        if (h == 23)
            hourAtOnce(0);
        else
            SetHour(h + 1);
        break;
    case VK_NEXT:
        if (h == 0)
            hourAtOnce(23);
        else
            SetHour(h - 1);
        break;
    case VK_END: SetMinute(0); break;
    case VK_HOME: hourAtOnce(12); break;
    case VK_LEFT:
        if (m == 0) {
            TTimeParts parts = shown;
            parts.Hour = h == 0 ? 23 : h - 1;
            parts.Minute = 59;
            FInternalSet = false;
            InternalSetTime(ReplaceTimeOfDay(FTime, parts));
            update();
        } else {
            SetMinute(m - 1);
        }
        break;
    case VK_RIGHT: SetMinute(m == 59 ? 0 : m + 1); break;
    default: break;
    }
}

// ----- geometry

TRect TExWatch::GetWatchRect() const { return WatchRect(width(), height(), FAppearance.Size()); }

QPoint TExWatch::GetCenter() const
{
    const TRect r = GetWatchRect();
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

double TExWatch::GetRadius() const { return double(GetWatchRect().Width() / 2); }

TRect TExWatch::GetAMPMRect() const
{
    if (!FShowAMPM) return {-1, -1, -1, -1};
    const QFontMetrics metrics(FAppearance.AMPMFont());
    const int w = metrics.horizontalAdvance(QStringLiteral("AM"));
    const int h = metrics.height();
    const QPoint c = GetCenter();
    const int left = c.x() - (w + 8) / 2;
    const int top = c.y() + Nearest((GetRadius() - h) / 3.0);
    return {left, top, left + w + 8, top + h};
}

// ----- mouse

void TExWatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (FSettings.Auto()) return;
    const QPoint p = event->position().toPoint();
    try {
        const TRect face = GetWatchRect();
        if (!IsPointInEllipse(p, face)) {
            SetMinute(MinuteFromPoint(GetCenter(), p));
        } else if (GetAMPMRect().Contains(p)) {
            if (FAnimation) SetAM(!FAM);
            const int hour = DecodeTime(FTime).Hour;
            FInternalCall = true;
            FCurrentHourTo = hour < 12 ? hour + 12 : hour - 12;
            SetHour(FCurrentHourTo);
            FInternalCall = false;
        } else {
            SetHour(HourFromPoint(GetCenter(), p, FAM));
        }
    } catch (...) {
        FInternalCall = false;  // a failing OnChange handler ends the click
    }
}

void TExWatch::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(GetAMPMRect().Contains(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TExWatch::resizeEvent(QResizeEvent*) { FFaceValid = false; }

// ----- painting

void TExWatch::paintEvent(QPaintEvent*)
{
    if (!FFaceValid || FBKGCache.size() != size()) {
        FBKGCache = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        FBKGCache.fill(palette().color(backgroundRole()));
        QPainter facePainter(&FBKGCache);
        facePainter.setRenderHint(QPainter::Antialiasing, true);
        TCanvas faceCanvas(facePainter);
        PaintFace(faceCanvas);
        FFaceValid = true;
        ++FFacePaints;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, FBKGCache);
    painter.setRenderHint(QPainter::Antialiasing, true);
    TCanvas canvas(painter);
    if (FSlideTimer.isActive()) DrawAMPM(canvas, FSlideStep);
    DrawHands(canvas);
}

void TExWatch::PaintFace(TCanvas& canvas)
{
    DrawBackground(canvas, {0, 0, width(), height()});
    DrawTickMarks(canvas);
    DrawNumbers(canvas);
    DrawAMPM(canvas, -1);
}

void TExWatch::DrawBackground(TCanvas& canvas, const TRect& client)
{
    const TWatchAppearance& a = FAppearance;
    const TRect face = a.Shape() == wsCircle ? GetWatchRect() : client;
    QPainter& painter = canvas.Painter();
    painter.save();
    QPainterPath clip;
    if (a.Shape() == wsCircle)
        clip.addEllipse(face.toQRect());
    else if (a.Shape() == wsRoundRect)
        clip.addRoundedRect(QRectF(face.Left - 1, face.Top - 1, face.Width() + 3, face.Height() + 3), 10, 10);
    else
        clip.addRect(face.toQRect());
    painter.setClipPath(clip);
    if (a.BackgroundColor() != clNone && a.BackgroundColorTo() != clNone) {
        DrawGradient(canvas, a.BackgroundColor(), a.BackgroundColorTo(), 80, face,
                     a.BackgroundGradient() == wgRadial);
    } else if (a.BackgroundColor() != clNone) {
        canvas.Brush.Color = a.BackgroundColor();
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.FillRect(face);
    }
    painter.restore();
    if (a.BorderColor() != clNone && a.BorderWidth() > 0) {
        QPen pen(toQColor(a.BorderColor()));
        pen.setWidth(a.BorderWidth());
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const int inset = a.BorderWidth() / 2;
        if (a.Shape() == wsCircle)
            painter.drawEllipse(face.toQRect().adjusted(inset, inset, -inset - 1, -inset - 1));
        else if (a.Shape() == wsRoundRect)
            painter.drawRoundedRect(client.toQRect().adjusted(inset, inset, -inset - 1, -inset - 1), 10, 10);
        else
            painter.drawRect(client.toQRect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
    if (!a.Picture().isNull()) canvas.DrawTransparent(client.Left, client.Top, a.Picture());
}

void TExWatch::DrawTickMarks(TCanvas& canvas)
{
    const TWatchAppearance& a = FAppearance;
    if (a.TickMarks() == tmNone) return;
    const QPoint c = GetCenter();
    const double r = GetRadius() - a.BorderWidth() / 2;
    QPainter& painter = canvas.Painter();
    auto line = [&](double angle, double inner, TColor color, int width, QPoint shift) {
        QPen pen(toQColor(color));
        pen.setWidth(std::max(width, 1));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QPoint(c.x() + Nearest(inner * std::cos(angle)), c.y() + Nearest(inner * std::sin(angle))) + shift,
                         QPoint(c.x() + Nearest(r * std::cos(angle)), c.y() + Nearest(r * std::sin(angle))) + shift);
    };
    const double hourInner = a.HourMarkLength() > 0 ? r - a.HourMarkLength() : 0.9 * r;
    for (int i = 0; i < 12; ++i) {
        const double angle = i * 30 * kDegree;
        const bool quarter = i % 3 == 0;
        if (!quarter && a.TickMarks() == tmQuartHours) continue;
        if (quarter && a.HourMarkStyle() == hmsQuartDblLine) {
            // 3 and 9 o'clock shift vertically, 6 and 12 horizontally.
            const QPoint shift = (i == 0 || i == 6) ? QPoint(0, 2) : QPoint(2, 0);
            line(angle, hourInner, a.HourColor(), a.HourMarkWidth(), shift);
            line(angle, hourInner, a.HourColor(), a.HourMarkWidth(), -shift);
        } else {
            line(angle, hourInner, a.HourColor(), a.HourMarkWidth(), {});
        }
    }
    if (a.TickMarks() != tmAll) return;
    const double minuteInner = a.MinuteMarkLength() > 0 ? r - a.MinuteMarkLength() : 0.95 * r;
    for (int i = 0; i < 60; ++i)
        if (i % 5 != 0) line(i * 6 * kDegree, minuteInner, a.MinuteColor(), a.MinuteMarkWidth(), {});
}

void TExWatch::DrawNumbers(TCanvas& canvas)
{
    const TWatchAppearance& a = FAppearance;
    if (!FShowNumbers || a.TickMarks() == tmHours || a.TickMarks() == tmNone) return;
    const QPoint c = GetCenter();
    const double r = GetRadius() - a.BorderWidth() / 2;
    const int d = a.HourMarkLength() > 0 ? a.HourMarkLength() : Nearest(0.1 * r) + 2;
    canvas.Font = a.HourFont();
    canvas.Brush.Style = Qt::NoBrush;
    for (int n = 1; n <= 12; ++n) {
        if (a.TickMarks() == tmQuartHours && n % 3 != 0) continue;
        const QString text = QString::number(n);
        const int th = canvas.TextHeight(text);
        const int tw = canvas.TextWidth(text);
        const int e = n == 10 ? Nearest(0.2 * th) : n == 11 ? Nearest(0.15 * th) : 0;
        const double distance = r - 2 * d - 2 - e + d / 2;
        const double angle = n * 30 * kDegree;
        const int x = c.x() + 1 + Nearest(distance * std::sin(angle));
        const int y = c.y() + 1 - Nearest(distance * std::cos(angle));
        canvas.TextOut(x - tw / 2, y - th / 2, text);
    }
    canvas.Brush.Style = Qt::SolidPattern;
}

void TExWatch::DrawAMPM(TCanvas& canvas, int slide)
{
    const TWatchAppearance& a = FAppearance;
    if (!FShowAMPM) return;
    const TRect box = GetAMPMRect();
    QPainter& painter = canvas.Painter();
    if (a.AMPMColor() != clNone || a.AMPMBorderColor() != clNone) {
        painter.setPen(a.AMPMBorderColor() == clNone ? QPen(Qt::NoPen) : QPen(toQColor(a.AMPMBorderColor())));
        painter.setBrush(a.AMPMColor() == clNone ? QBrush(Qt::NoBrush) : QBrush(toQColor(a.AMPMColor())));
        const QRect r = box.toQRect().adjusted(0, 0, -1, -1);
        if (a.AMPMFrame() == apRoundRect)
            painter.drawRoundedRect(r, 2.5, 2.5);
        else
            painter.drawRect(r);
    }
    canvas.Font = a.AMPMFont();
    canvas.Brush.Style = Qt::NoBrush;
    if (slide < 0) {
        const QString text = FAM ? QStringLiteral("AM") : QStringLiteral("PM");
        canvas.TextOut(box.Left + (box.Width() - canvas.TextWidth(text)) / 2, box.Top, text);
    } else {
        // The old text leaves and the new one comes in, slide pixels along.
        const TRect inner = box.Inflated(-1, -1);
        painter.save();
        painter.setClipRect(inner.toQRect());
        const int h = inner.Height();
        const int offset = FAM ? -(h - slide) : -slide;  // AM above PM
        const int top = inner.Top + offset;
        const QString am = QStringLiteral("AM"), pm = QStringLiteral("PM");
        canvas.TextOut(box.Left + (box.Width() - canvas.TextWidth(am)) / 2, top, am);
        canvas.TextOut(box.Left + (box.Width() - canvas.TextWidth(pm)) / 2, top + h, pm);
        painter.restore();
    }
    canvas.Brush.Style = Qt::SolidPattern;
}

void TExWatch::DrawHand(TCanvas& canvas, double angle, double tail, double tip, QPoint shift, TColor color, int width)
{
    const QPoint c = GetCenter();
    const double r = GetRadius();
    QPen pen(toQColor(color));
    pen.setWidth(std::max(width, 1));
    pen.setCapStyle(Qt::RoundCap);
    canvas.Painter().setPen(pen);
    canvas.Painter().drawLine(
        QPoint(c.x() - Nearest(tail * r * std::sin(angle)), c.y() + Nearest(tail * r * std::cos(angle))) + shift,
        QPoint(c.x() + Nearest(tip * r * std::sin(angle)), c.y() - Nearest(tip * r * std::cos(angle))) + shift);
}

void TExWatch::DrawPointerHand(TCanvas& canvas, double angle, double tip, QPoint shift, TColor color)
{
    const QPoint c = GetCenter();
    const double r = GetRadius();
    auto at = [&](double a, double length) {
        return QPoint(c.x() + Nearest(length * std::sin(a)), c.y() - Nearest(length * std::cos(a))) + shift;
    };
    const QPoint points[4] = {at(angle + std::numbers::pi, 0.1 * r), at(angle + 90 * kDegree, 0.05 * r),
                              at(angle, tip * r), at(angle - 90 * kDegree, 0.05 * r)};
    canvas.Painter().setPen(QPen(toQColor(color)));
    canvas.Painter().setBrush(toQColor(color));
    canvas.Painter().drawPolygon(points, 4);
}

void TExWatch::DrawHands(TCanvas& canvas)
{
    const TWatchAppearance& a = FAppearance;
    const TTimeParts t = DecodeTime(GetDisplayTime());
    if (FSettings.Auto()) {
        const bool wasInternal = FInternalSet;
        FInternalSet = true;
        SetAM(t.Hour < 12);
        FInternalSet = wasInternal;
    }
    const double hourAngle = ((t.Hour % 12) * 30 + t.Minute / 12.0 * 6) * kDegree;
    const double minuteAngle = t.Minute * 6 * kDegree;
    if (a.PointerStyle() == psLine) {
        if (a.HourPointerShadow() != clNone)
            DrawHand(canvas, hourAngle, 0.1, 0.46, {-1, 3}, a.HourPointerShadow(), a.HourPointerSize());
        if (a.MinutePointerShadow() != clNone)
            DrawHand(canvas, minuteAngle, 0.1, 0.65, {0, 3}, a.MinutePointerShadow(), a.MinutePointerSize());
        DrawHand(canvas, hourAngle, 0.1, 0.5, {}, a.HourPointer(), a.HourPointerSize());
        DrawHand(canvas, minuteAngle, 0.1, 0.7, {}, a.MinutePointer(), a.MinutePointerSize());
    } else if (a.PointerStyle() == psPointer) {
        if (a.HourPointerShadow() != clNone) DrawPointerHand(canvas, hourAngle, 0.5, {1, 3}, a.HourPointerShadow());
        if (a.MinutePointerShadow() != clNone)
            DrawPointerHand(canvas, minuteAngle, 0.7, {1, 3}, a.MinutePointerShadow());
        DrawPointerHand(canvas, hourAngle, 0.5, {}, a.HourPointer());
        DrawPointerHand(canvas, minuteAngle, 0.7, {}, a.MinutePointer());
    }
    if (FSettings.Auto() && FSettings.Second())
        DrawHand(canvas, t.Second * 6 * kDegree, 0.2, 0.9, {}, a.SecondPointer(), a.SecondPointerSize());
    const int size = a.CenterPointSize();
    if (size > 0) {
        const QPoint c = GetCenter();
        const QRectF disc(c.x() - size / 2.0, c.y() - size / 2.0, size, size);
        QPainter& painter = canvas.Painter();
        if (a.CenterPointColor() != clNone) {
            painter.setPen(toQColor(a.CenterPointColor()));
            painter.setBrush(toQColor(a.CenterPointColor()));
            painter.drawEllipse(disc);
        }
        const int outerWidth = Nearest(0.2 * size);
        painter.setBrush(Qt::NoBrush);
        if (a.CenterPointOuterBorderColor() != clNone && outerWidth > 0) {
            QPen pen(toQColor(a.CenterPointOuterBorderColor()));
            pen.setWidth(outerWidth);
            painter.setPen(pen);
            painter.drawEllipse(disc);
        }
        const int innerWidth = Nearest(0.1 * size);
        if (a.CenterPointBorderColor() != clNone && innerWidth > 0) {
            QPen pen(toQColor(a.CenterPointBorderColor()));
            pen.setWidth(innerWidth);
            painter.setPen(pen);
            painter.drawEllipse(disc.adjusted(outerWidth, outerWidth, -outerWidth, -outerWidth));
        }
    }
}

}  // namespace dropdown

#pragma once

// An analogue clock face. It shows a time the program sets, which the user
// changes by clicking the dial (hour inside, minute outside it, the AM/PM box
// to switch) or with keys, the hands gliding to their new place; or it runs
// as a live clock.

#include <functional>

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "controls/dropdown/clock/watch_appearance.h"
#include "controls/dropdown/clock/watch_geometry.h"
#include "controls/dropdown/clock/watch_presets.h"
#include "platform/canvas.h"
#include "platform/input_state.h"

namespace dropdown {

class TExWatch : public QWidget {
    Q_OBJECT

public:
    explicit TExWatch(QWidget* parent = nullptr);
    ~TExWatch() override;

    TWatchAppearance& Appearance() { return FAppearance; }
    void SetAppearance(const TWatchAppearance& value) { FAppearance.Assign(value); }
    TWatchSettings& Settings() { return FSettings; }
    void SetSettings(const TWatchSettings& value) { FSettings.Assign(value); }

    TDateTime Time() const { return FTime; }
    // Shows the time at once (no glide, no OnChange).
    void SetTime(TDateTime value);
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool value) { FAnimation = value; }
    // The hands cover about 1 / AnimationFactor of the remaining way per
    // tick; below 1 counts as 1.
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int value) { FAnimationFactor = value; }
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool value);
    TWatchStyle Style() const { return FStyle; }
    void SetStyle(TWatchStyle value);
    void SetComponentStyle(TQVRStyle style) { ApplyWatchComponentStyle(style, FAppearance); }

    // Changes one part of the shown time, gliding when Animation is on.
    void SetHour(int value);
    // Raises std::invalid_argument("Invalid time") for 60 or more.
    void SetMinute(int value);
    // Keyboard control: A, P, Page Up/Down (hour), Left, Right, End (minute), Home (12).
    void HandleWatchKey(platform::Word key);
    // The time shown: the current time (plus TimeOffset) of a live clock, else Time.
    TDateTime GetDisplayTime() const;

    bool AM() const { return FAM; }
    bool Animating() const { return FAnimationTimer.isActive(); }
    bool AMPMSliding() const { return FSlideTimer.isActive(); }
    // One step of the hands' glide (the animation timer's tick).
    void AnimationTimerTick();
    // One step of the AM/PM box's slide (its timer's tick).
    void SlideTimerTick();

    platform::TRect GetWatchRect() const;
    QPoint GetCenter() const;
    double GetRadius() const;
    // The AM/PM box; (-1, -1, -1, -1) when it is not shown.
    platform::TRect GetAMPMRect() const;
    // How many times the face was drawn into its cache.
    int FacePaintCount() const { return FFacePaints; }

    std::function<void(QObject* Sender)> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void InternalSetTime(TDateTime value);
    void SetAM(bool value);
    void AppearanceChanged();
    void SettingsChanged();
    void Changed();
    void PaintFace(platform::TCanvas& canvas);
    void DrawBackground(platform::TCanvas& canvas, const platform::TRect& client);
    void DrawTickMarks(platform::TCanvas& canvas);
    void DrawNumbers(platform::TCanvas& canvas);
    void DrawAMPM(platform::TCanvas& canvas, int slide);
    void DrawHands(platform::TCanvas& canvas);
    void DrawHand(platform::TCanvas& canvas, double angle, double tail, double tip, QPoint shift, TColor color,
                  int width);
    void DrawPointerHand(platform::TCanvas& canvas, double angle, double tip, QPoint shift, TColor color);

    TWatchAppearance FAppearance;
    TWatchSettings FSettings;
    TDateTime FTime = 0;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    TWatchStyle FStyle = wsClassic;

    bool FAM = true;
    QImage FBKGCache;
    bool FFaceValid = false;
    int FFacePaints = 0;
    QTimer FWatchTimer;
    QTimer FAnimationTimer;
    QTimer FSlideTimer;
    int FSlideStep = 0;  // pixels the AM/PM text has moved toward the new state
    int FCurrentHourTo = 0;
    int FCurrentMinuteTo = 0;
    int FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;
    bool FInternalSet = false;
    bool FTicking = false;  // within a step of the glide
};

}  // namespace dropdown

#pragma once

// A time edit: the text shows hours, minutes and (optionally) seconds, and
// the pop-up holds the analogue clock (optionally with a time control below
// it). Up and Down in the edit step the field under the caret.

#include <functional>

#include <QPointer>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/clock/ex_watch.h"

#include <QTimeEdit>

namespace dropdown {

class TExTimePickerDropDown : public TExCustomDropDown {
    Q_OBJECT

public:
    explicit TExTimePickerDropDown(QWidget* parent = nullptr);
    ~TExTimePickerDropDown() override;

    TDateTime Time() const { return FTime; }
    // Keeps the text in step; no OnTimeChange.
    void SetTime(TDateTime value);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool value);
    // The clock's look and behaviour, given to it each time the pop-up is prepared.
    TWatchAppearance& WatchAppearance() { return FWatchAppearance; }
    void SetWatchAppearance(const TWatchAppearance& value) { FWatchAppearance.Assign(value); }
    TWatchSettings& WatchSettings() { return FWatchSettings; }
    void SetWatchSettings(const TWatchSettings& value) { FWatchSettings.Assign(value); }
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool value) { FShowWatchAMPM = value; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool value) { FShowWatchNumbers = value; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool value) { FAnimation = value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int value) { FAnimationFactor = value; }
    // A time control under the clock.
    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool value) { FShowTimePicker = value; }

    // Replace one part of Time when it differs and is in range; fire OnTimeChange.
    void SetHourPart(int hour);
    void SetMinutePart(int minute);
    void SetSecondPart(int second);

    void SetComponentStyle(TQVRStyle style) override;
    void DoHideDropDown(bool Cancelled) override;

    TExWatch* Watch() const { return FExWatch; }
    QTimeEdit* TimeControl() const { return FDateTimePicker; }
    QWidget* Panel() const { return FPanelCtrl; }

    // Time was changed by a key step in the edit, or by the clock while the
    // time control is shown.
    std::function<void(QObject* Sender)> OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AfterHideDropDown() override;
    void DropDownFormKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void DropDownFormKeyUp(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyUp(platform::Word& key, platform::TShiftState shift) override;
    void HandleKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void HandleChange() override;

private:
    void CreatePanel();
    void WatchChange();
    void TimeControlChange();
    void SetTextQuietly(const QString& text);
    QString FormatTime(TDateTime value) const;
    void ReplacePart(int TTimeParts::*part, int value, int limit);
    void TimeChanged();

    TDateTime FTime = 0;
    TDateTime FTimeAtOpening = 0;
    bool FShowSeconds = true;
    TWatchAppearance FWatchAppearance;
    TWatchSettings FWatchSettings;
    bool FShowWatchAMPM = true;
    bool FShowWatchNumbers = true;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    bool FShowTimePicker = false;
    QPointer<QWidget> FPanelCtrl;
    QPointer<TExWatch> FExWatch;
    QPointer<QTimeEdit> FDateTimePicker;
    bool FInternalCall = false;
};

}  // namespace dropdown

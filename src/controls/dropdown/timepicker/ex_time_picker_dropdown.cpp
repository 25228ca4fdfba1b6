#include "controls/dropdown/timepicker/ex_time_picker_dropdown.h"

#include <QTimeEdit>
#include <QVBoxLayout>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/clock/watch_presets.h"
#include "controls/dropdown/timepicker/time_text.h"
#include "controls/grid/scoped_value.h"
#include "platform/format_settings.h"
#include "platform/input_state.h"

namespace dropdown {

using platform::Word;

namespace {

QChar separator() { return platform::formatSettings().TimeSeparator; }

QTime toQTime(TDateTime value)
{
    const TTimeParts p = DecodeTime(value);
    return QTime(p.Hour, p.Minute, p.Second, p.MilliSecond);
}

TDateTime fromQTime(const QTime& time)
{
    TDateTime t = 0;
    TryEncodeTime(time.hour(), time.minute(), time.second(), time.msec(), t);
    return t;
}

// The keys the clock takes in the pop-up; the edit gets them only with Alt.
bool ClockStepKey(Word key)
{
    return key == platform::VK_PRIOR || key == platform::VK_NEXT || key == platform::VK_UP || key == platform::VK_DOWN;
}

}  // namespace

TExTimePickerDropDown::TExTimePickerDropDown(QWidget* parent) : TExCustomDropDown(parent)
{
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetTextQuietly(FormatTime(0));
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    CreatePanel();
}

TExTimePickerDropDown::~TExTimePickerDropDown()
{
    if (FExWatch) FExWatch->OnChange = nullptr;
}

QString TExTimePickerDropDown::FormatTime(TDateTime value) const
{
    const TTimeParts p = DecodeTime(value);
    return FormatTimeText(p.Hour, p.Minute, p.Second, FShowSeconds, separator());
}

void TExTimePickerDropDown::SetTextQuietly(const QString& text)
{
    grid::TScopedValue<bool> internal(FInternalCall, true);
    SetTextDirect(text);
}

void TExTimePickerDropDown::SetTime(TDateTime value)
{
    if (value == FTime) return;
    FTime = value;
    SetTextQuietly(FormatTime(value));
    if (DroppedDown()) {
        if (FExWatch) FExWatch->SetTime(value);
        if (FShowTimePicker && FDateTimePicker) {
            const QSignalBlocker block(FDateTimePicker);
            FDateTimePicker->setTime(toQTime(value));
        }
    }
}

void TExTimePickerDropDown::SetShowSeconds(bool value)
{
    if (FShowSeconds == value) return;
    FShowSeconds = value;
    SetTextQuietly(FormatTime(FTime));
    if (FDateTimePicker)
        FDateTimePicker->setDisplayFormat(value ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

void TExTimePickerDropDown::TimeChanged()
{
    if (OnTimeChange) OnTimeChange(this);
}

void TExTimePickerDropDown::ReplacePart(int TTimeParts::*part, int value, int limit)
{
    TTimeParts parts = DecodeTime(FTime);
    if (parts.*part == value || value < 0 || value > limit) return;
    parts.*part = value;
    SetTime(ReplaceTimeOfDay(FTime, parts));
    TimeChanged();
}

void TExTimePickerDropDown::SetHourPart(int hour) { ReplacePart(&TTimeParts::Hour, hour, 23); }
void TExTimePickerDropDown::SetMinutePart(int minute) { ReplacePart(&TTimeParts::Minute, minute, 59); }
void TExTimePickerDropDown::SetSecondPart(int second) { ReplacePart(&TTimeParts::Second, second, 59); }

void TExTimePickerDropDown::SetComponentStyle(TQVRStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    ApplyWatchComponentStyle(style, FWatchAppearance);
}

// ----- the pop-up

void TExTimePickerDropDown::CreatePanel()
{
    if (FPanelCtrl || !DropDownForm()) return;
    FPanelCtrl = new QWidget(DropDownForm());
    FPanelCtrl->setGeometry(0, 0, 170, 180);
    FPanelCtrl->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(FPanelCtrl);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FExWatch = new TExWatch(FPanelCtrl);
    layout->addWidget(FExWatch, 1);
    SetControl(FPanelCtrl);
}

void TExTimePickerDropDown::CreateDropDownForm()
{
    TExCustomDropDown::CreateDropDownForm();
    CreatePanel();
}

void TExTimePickerDropDown::BeforeDropDown()
{
    TExCustomDropDown::BeforeDropDown();
    FTimeAtOpening = FTime;
    if (!FPanelCtrl || !FExWatch) return;
    FPanelCtrl->resize(170, 170);
    if (DropDownForm()) DropDownForm()->CancelOnDeActivate = false;
    QPalette palette = FPanelCtrl->palette();
    palette.setColor(QPalette::Window, toQColor(DropDownColor()));
    FPanelCtrl->setPalette(palette);

    TExWatch& watch = *FExWatch;
    watch.SetAppearance(FWatchAppearance);
    watch.SetSettings(FWatchSettings);
    watch.SetShowAMPM(FShowWatchAMPM);
    watch.SetShowNumbers(FShowWatchNumbers);
    watch.SetAnimation(FAnimation);
    watch.SetAnimationFactor(FAnimationFactor);
    watch.OnChange = nullptr;
    if (!FWatchSettings.Auto()) watch.SetTime(FTime);
    watch.OnChange = [this](QObject*) { WatchChange(); };

    if (!FShowTimePicker) {
        if (FDateTimePicker) FDateTimePicker->hide();
        return;
    }
    if (!FDateTimePicker) {
        FDateTimePicker = new QTimeEdit(FPanelCtrl);
        FPanelCtrl->layout()->addWidget(FDateTimePicker);
        connect(FDateTimePicker, &QTimeEdit::timeChanged, this, [this] { TimeControlChange(); });
        FDateTimePicker->installEventFilter(this);
    }
    {
        const QSignalBlocker block(FDateTimePicker);
        FDateTimePicker->show();
        FDateTimePicker->setTime(toQTime(FTime));
    }
    FDateTimePicker->setDisplayFormat(FShowSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    FPanelCtrl->resize(170, FDateTimePicker->sizeHint().height() + 170);
}

void TExTimePickerDropDown::WatchChange()
{
    if (!FExWatch) return;
    if (FDateTimePicker && FDateTimePicker->isVisible() && fromQTime(FDateTimePicker->time()) != FExWatch->Time()) {
        {
            const QSignalBlocker block(FDateTimePicker);
            FDateTimePicker->setTime(toQTime(FExWatch->Time()));
        }
        SetTime(FExWatch->Time());
        TimeChanged();
    }
    SetTime(FExWatch->Time());
}

void TExTimePickerDropDown::TimeControlChange()
{
    if (FDateTimePicker && FExWatch && !FWatchSettings.Auto()) FExWatch->SetTime(fromQTime(FDateTimePicker->time()));
}

void TExTimePickerDropDown::DoHideDropDown(bool Cancelled)
{
    const bool wasOpen = DroppedDown();
    // Cancelled: the time of the opening comes back (the edit followed the
    // clock while it was open); the clock goes back first, so the closing
    // takes the old time.
    if (wasOpen && Cancelled && FExWatch) {
        SetTime(FTimeAtOpening);
        FExWatch->SetTime(FTime);
    }
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (!wasOpen || !FExWatch) return;
    if (Cancelled)
        SetTextQuietly(FormatTime(FTime));  // the text the drop-down put back is not the time's
    else
        SetTime(FExWatch->Time());
}

void TExTimePickerDropDown::AfterHideDropDown()
{
    TExCustomDropDown::AfterHideDropDown();
    if (FExWatch) SetTime(FExWatch->Time());
}

void TExTimePickerDropDown::DropDownFormKeyDown(Word& key, platform::TShiftState shift)
{
    const Word pressed = key;
    if (!ClockStepKey(key) || platform::isKeyDown(platform::VK_MENU)) TExCustomDropDown::DropDownFormKeyDown(key, shift);
    if (FExWatch && DropDownForm() && DropDownForm()->isVisible()) FExWatch->HandleWatchKey(pressed);
}

void TExTimePickerDropDown::DropDownFormKeyUp(Word& key, platform::TShiftState shift)
{
    if (!ClockStepKey(key) || platform::isKeyDown(platform::VK_MENU)) TExCustomDropDown::DropDownFormKeyUp(key, shift);
}

void TExTimePickerDropDown::ControlKeyDown(Word& key, platform::TShiftState shift)
{
    if (!ClockStepKey(key) || platform::isKeyDown(platform::VK_MENU)) TExCustomDropDown::ControlKeyDown(key, shift);
}

void TExTimePickerDropDown::ControlKeyUp(Word& key, platform::TShiftState shift)
{
    if (!ClockStepKey(key) || platform::isKeyDown(platform::VK_MENU)) TExCustomDropDown::ControlKeyUp(key, shift);
}

// ----- the edit

void TExTimePickerDropDown::HandleKeyDown(Word& key, platform::TShiftState shift)
{
    TExCustomDropDown::HandleKeyDown(key, shift);
    if ((key != platform::VK_UP && key != platform::VK_DOWN) || platform::isKeyDown(platform::VK_MENU) ||
        (shift & platform::ssCtrl))
        return;
    const int caret = selectionStart() >= 0 ? selectionStart() : cursorPosition();
    const TTimeParts parts = DecodeTime(FTime);
    const int delta = key == platform::VK_DOWN ? 1 : -1;  // Down steps forward, Up back
    switch (TimeFieldAtCaret(QLineEdit::text(), caret, FShowSeconds, separator())) {
    case TTimeField::Hour: SetHourPart(WrapStep(parts.Hour, delta, 24)); break;
    case TTimeField::Minute: SetMinutePart(WrapStep(parts.Minute, delta, 60)); break;
    case TTimeField::Second: SetSecondPart(WrapStep(parts.Second, delta, 60)); break;
    }
    setCursorPosition(caret);
    key = 0;
}

void TExTimePickerDropDown::HandleChange()
{
    TExCustomDropDown::HandleChange();
    if (FInternalCall) return;
    const QString text = QLineEdit::text();
    const auto parts = ParseTypedTime(text, FShowSeconds, separator());
    if (!parts) return;
    TDateTime time = 0;
    // An hour above 23 or a minute or second above 59 is no time: Time stays.
    if (!TryEncodeTime(parts->Hour, parts->Minute, parts->Second, 0, time)) return;
    FTime = time;
    if (parts->Minute == 0 && parts->Second == 0) {
        const QString formatted = FormatTimeText(parts->Hour, parts->Minute, parts->Second, FShowSeconds, separator());
        if (formatted != text) SetTextQuietly(formatted);
    }
}

}  // namespace dropdown

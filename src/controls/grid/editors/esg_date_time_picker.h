#pragma once

// The date and time pickers: TDateTimePickerBase is the picker the editors
// build on (a date or a time, typed field by field or picked from a drop-down
// calendar, with an optional check box), TEsgDateTimePicker the grid's date
// and time editor base with its frame settings, TCustomDateTimePicker adds
// the automatic move to the next field while digits are typed (AutoTab), and
// TExDateTimePicker edits a date and a time in one control, with an embedded
// time picker at its right end and a caption label.
//
// Formats are the configurator's ("dd/mm/yyyy", "hh:nn:ss"); without a
// custom Format the pickers show the process-wide short date and long time
// formats. Values are TDateTime day counts.

#include <cstdint>
#include <functional>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPointer>
#include <QToolButton>

#include "controls/grid/editors/date_time_value.h"
#include "controls/grid/editors/esg_combo.h"
#include "controls/grid/editors/flat_frame_paint.h"
#include "platform/colors.h"
#include "platform/input_state.h"

namespace grid {

enum TDateTimeKind : uint8_t { dtkDate, dtkTime };
enum TDTDateMode : uint8_t { dmComboBox, dmUpDown };
enum TExDateTimeKind : uint8_t { dkDate, dkTime, dkDateTime };

// What a typed digit asks of a picker's fields, from its value before and
// after: nothing, the next field, or (a date's last field was completed)
// the field after the date.
enum class TAutoTabMove : uint8_t { None, NextField, LastFieldDone };
TAutoTabMove AutoTabMove(bool timeKind, const QString& customFormat, const QDateTime& before, const QDateTime& after);

// The drop-down month calendar: today ringed in red (ShowTodayCircle) and a
// "Today:" line under the days that picks today (ShowToday).
class TPickerCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit TPickerCalendar(QWidget* parent);
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool value);
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool value);
    QToolButton* TodayButton() const { return FToday; }
    // The month's size and, when shown, the "Today:" line under it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;
    void showEvent(QShowEvent* event) override;

private:
    void UpdateTodayButton();
    QToolButton* FToday;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
};

class TDateTimePickerBase : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit TDateTimePickerBase(QWidget* parent);
    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind value);
    TDTDateMode DateMode() const { return FDateMode; }
    void SetDateMode(TDTDateMode value);
    // The custom format (empty: the process-wide short date or long time format).
    QString Format() const { return FFormat; }
    void SetFormat(const QString& value);
    bool ShowCheckbox() const { return FCheck != nullptr && !FCheck->isHidden(); }
    void SetShowCheckbox(bool value);
    // Without a shown check box the value always counts.
    bool Checked() const { return !ShowCheckbox() || FCheck->isChecked(); }
    void SetChecked(bool value);
    QCheckBox* CheckBox() const { return FCheck; }
    virtual TDateTime DateTime() const;
    virtual void SetDateTime(TDateTime value);
    TDateTime Date() const;
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    // Limits of the date (0: none).
    TDateTime MinDate = 0;
    TDateTime MaxDate = 0;
    // The value as shown, in the picker's format.
    QString Text() const;
    bool DroppedDown() const;
    // Moves the input to the field after the one typed in (the platform
    // picker's Right arrow).
    void NextField();
    // Opens the drop-down calendar (F4 and Alt+Down do the same).
    void DropDown();
    std::function<void(QObject* Sender)> OnChange;
    std::function<void(QObject* Sender)> OnDropDown;
    std::function<void(QObject* Sender)> OnCloseUp;
    // Every key the picker handles goes here first; a Key set to 0 is dropped.
    std::function<void(QObject* Sender, platform::Word& Key, platform::TShiftState Shift)> OnKeyDown;

    // ----- the frame
    // The platform's sunken frame; off: the flat look with its border lines.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    enum TPickerBorderStyle : uint8_t { bsNone, bsSingle };
    TPickerBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TPickerBorderStyle value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool MetroStyle() const { return FMetroStyle; }
    virtual void SetMetroStyle(bool value);
    // The drop-down button's own colours (Color clNone: the theme's button);
    // TextHot is kept but drawn by nothing.
    const flat_frame::TDropButtonColours& ButtonColours() const { return FButtonColours; }
    void SetButtonColours(const flat_frame::TDropButtonColours& value);
    TColor ButtonTextColorHot = clNone;
    int ButtonWidth() const { return FButtonWidth; }
    bool ButtonHover() const { return FButtonHover; }
    bool MouseInControl() const { return FMouseInControl; }
    // The Metro look is drawn (never for a picker that leaves its frame out).
    virtual bool IsMetroActive() const { return FMetroStyle && !SuppressOwnFrame(); }
    // The embedded time picker leaves the coloured frame to its owner.
    virtual bool SuppressOwnFrame() const { return false; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The grid editor's frame: the flat border needs a border colour, the
    // Metro cover starts 15 pixels left of the button; else 4, and the flat
    // border is drawn whatever the colour.
    bool FEsgFrame = false;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A typed digit: the value before it is kept, the picker takes the digit,
    // and ShiftFocus runs once the key has been handled ("DTPShiftFocus").
    void TypeDigit(QKeyEvent* event);
    virtual void ShiftFocus() {}
    static bool IsDigitKey(const QKeyEvent& event);
    // OnKeyDown with the key (Sender: this picker); false when it dropped the key.
    bool FireKeyDown(QKeyEvent& event);
    // The value before the last typed digit.
    QDateTime FBefore;
    // The platform's step that writes a date and time into the control.
    virtual void WriteDateTime(TDateTime value);
    // The check box was switched by the user.
    virtual void CheckChanged() {}
    void ApplyDisplayFormat();
    // The field index the caret was in when the last digit was typed.
    int FSectionAtKey = -1;

private:
    bool UseVisualStyles() const;
    bool IsActiveOrHot() const { return FMouseInControl || FHasFocus; }
    void DrawDropButton(QPainter& painter);
    void DrawFlatBorder(QPainter& painter);
    void DrawBorders(QPainter& painter);
    void DrawButtonEdge(QPainter& painter);
    TColor ParentColor() const;
    TDateTimeKind FKind = dtkDate;
    TDTDateMode FDateMode = dmComboBox;
    QString FFormat;
    QCheckBox* FCheck = nullptr;
    bool FCalendarWatched = false;
    bool FCtl3D = true;
    TPickerBorderStyle FBorderStyle = bsNone;
    TColor FBorderColor = clNone;
    bool FMetroStyle = false;
    flat_frame::TDropButtonColours FButtonColours;
    int FButtonWidth = 0;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FHasFocus = false;
    // Kept for the frame's rules; nothing sets them.
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = false;
};

class TEsgDateTimePicker : public TDateTimePickerBase {
    Q_OBJECT
public:
    explicit TEsgDateTimePicker(QWidget* parent);
    static QString Version() { return QStringLiteral("1.0.0.0"); }
};

class TCustomDateTimePicker : public TDateTimePickerBase {
    Q_OBJECT
public:
    explicit TCustomDateTimePicker(QWidget* parent);
    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool value) { FAutoTab = value; }
    // The "DTPShiftFocus" step after a typed digit.
    virtual void CheckAutoTab();
    bool SuppressOwnFrame() const override { return true; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void ShiftFocus() override { CheckAutoTab(); }

private:
    bool FAutoTab = false;
};

class TExDateTimePicker : public TCustomDateTimePicker {
    Q_OBJECT
public:
    explicit TExDateTimePicker(QWidget* parent);
    TExDateTimeKind ExKind() const { return FExKind; }
    void SetExKind(TExDateTimeKind value);
    // The date folded with the embedded time picker's time; written without
    // milliseconds.
    TDateTime DateTime() const override;
    void SetDateTime(TDateTime value) override;
    TDateTime ExTime() const;
    void SetExTime(TDateTime value);
    QString TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const QString& value);
    void SetAutoTab(bool value) override;
    void CheckAutoTab() override;
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }
    // The caption label, made on the first caption.
    QLabel* PickerLabel() const { return FLabel; }
    QString LabelCaption() const { return FLabel ? FLabel->text() : QString(); }
    void SetLabelCaption(const QString& value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    static QString Version() { return QStringLiteral("1.2.0.0"); }
    bool SuppressOwnFrame() const override { return false; }
    void SetBorderStyle(TPickerBorderStyle value) override;
    // The time part moves up to the narrower Metro button.
    void SetMetroStyle(bool value) override;
    std::function<void(QObject* Sender)> OnTimeChange;
    // Places the embedded time picker (its width follows its text).
    void UpdateTimePicker();

protected:
    void WriteDateTime(TDateTime value) override;
    void CheckChanged() override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Keys that end the edit reach the picker also from its time part.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateTimePicker();
    void UpdateLabel();
    void TimePickerEnabled();
    TExDateTimeKind FExKind = dkDateTime;
    QString FTimeFormat;
    QPointer<TCustomDateTimePicker> FTimePicker;
    QPointer<QLabel> FLabel;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 4;
};

}  // namespace grid

#include <gtest/gtest.h>

#include <cmath>

#include <QTimeEdit>

#include "controls/dropdown/dropdown_test_support.h"
#include "controls/dropdown/picker_test_support.h"
#include "controls/dropdown/timepicker/ex_time_picker_dropdown.h"
#include "controls/dropdown/timepicker/time_text.h"
#include "platform/format_settings.h"

using namespace dropdown;
using namespace dropdown_testing;

namespace {

TDateTime timeAt(int hour, int minute, int second = 0)
{
    TDateTime t = 0;
    EXPECT_TRUE(TryEncodeTime(hour, minute, second, 0, t));
    return t;
}

QString shown(TDateTime t)
{
    const TTimeParts p = DecodeTime(t);
    return FormatTimeText(p.Hour, p.Minute, p.Second, true, u':');
}

using TimeHost = PickerHost<TExTimePickerDropDown>;

// A click on the dial at the hour's mark.
void clickAtHour(TExWatch& watch, int hour)
{
    const double angle = hour * 30 * 3.14159265358979 / 180;
    const QPoint c = watch.GetCenter();
    const QPoint p(c.x() + int(0.5 * watch.GetRadius() * std::sin(angle)),
                   c.y() - int(0.5 * watch.GetRadius() * std::cos(angle)));
    QTest::mouseClick(&watch, Qt::LeftButton, Qt::NoModifier, p);
}

}  // namespace

TEST(TimeText, TypedTimes)
{
    struct Case {
        const char* text;
        bool seconds;
        bool parsed;
        int hour, minute, second;
    };
    const Case cases[] = {
        {"09:05", false, true, 9, 5, 0},
        {" 9:05", false, false, 0, 0, 0},      // four characters once trimmed
        {"0 :05", false, true, 0, 5, 0},       // blanks count as zeros
        {"12:34:56", true, true, 12, 34, 56},
        {"12:34", true, false, 0, 0, 0},       // seconds expected
        {"12:34:5x", true, false, 0, 0, 0},
        {"1a:34", false, false, 0, 0, 0},
        {"12345", false, false, 0, 0, 0},      // no separator
        {"25:70", false, true, 25, 70, 0},     // the shape is right; the range is checked later
    };
    for (const Case& c : cases) {
        const auto parts = ParseTypedTime(QString::fromLatin1(c.text), c.seconds, u':');
        ASSERT_EQ(parts.has_value(), c.parsed) << c.text;
        if (!parts) continue;
        EXPECT_EQ(parts->Hour, c.hour) << c.text;
        EXPECT_EQ(parts->Minute, c.minute) << c.text;
        EXPECT_EQ(parts->Second, c.second) << c.text;
    }
    // The field under the caret of 12:34:56.
    const TTimeField fields[] = {TTimeField::Hour,   TTimeField::Hour,   TTimeField::Hour,
                                 TTimeField::Minute, TTimeField::Minute, TTimeField::Minute,
                                 TTimeField::Second, TTimeField::Second, TTimeField::Second};
    for (int caret = 0; caret < 9; ++caret)
        EXPECT_EQ(TimeFieldAtCaret(QStringLiteral("12:34:56"), caret, true, u':'), fields[caret]) << caret;
    EXPECT_EQ(TimeFieldAtCaret(QStringLiteral("12:34"), 4, false, u':'), TTimeField::Minute);
}

TEST(TimePickerDropDown, UpAndDownStepTheFieldUnderTheCaret)
{
    FormatSettingsScope format(u'.', u',', u':');
    TimeHost host;
    TExTimePickerDropDown& edit = *host.Picker;
    EXPECT_EQ(edit.text(), QStringLiteral("00:00:00"));
    edit.SetEditorEnabled(true);
    int changes = 0;
    edit.OnTimeChange = [&](QObject*) { ++changes; };
    struct Case {
        TDateTime start;
        int caret;
        platform::Word key;
        const char* result;
    };
    const Case cases[] = {
        {timeAt(23, 59, 59), 7, platform::VK_DOWN, "23:59:00"},  // only the second wraps
        {timeAt(0, 10, 0), 0, platform::VK_UP, "23:10:00"},      // Up goes back
        {timeAt(23, 10, 0), 2, platform::VK_DOWN, "00:10:00"},
        {timeAt(5, 0, 0), 3, platform::VK_UP, "05:59:00"},
        {timeAt(5, 30, 0), 5, platform::VK_DOWN, "05:31:00"},
    };
    for (const Case& c : cases) {
        edit.SetTime(c.start);
        changes = 0;
        edit.setCursorPosition(c.caret);
        edit.KeyDownMessage(c.key);
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.result)) << c.result;
        EXPECT_EQ(shown(edit.Time()), QString::fromLatin1(c.result));
        EXPECT_EQ(changes, 1) << c.result;
        EXPECT_EQ(edit.cursorPosition(), c.caret);
    }
}

TEST(TimePickerDropDown, TypedTextSetsTheTimeWhenComplete)
{
    FormatSettingsScope format(u'.', u',', u':');
    TimeHost host;
    TExTimePickerDropDown& edit = *host.Picker;
    edit.SetEditorEnabled(true);
    edit.SetShowSeconds(false);
    edit.SetTime(timeAt(8, 30, 15));
    EXPECT_EQ(edit.text(), QStringLiteral("08:30"));
    EXPECT_EQ(shown(edit.Time()), QStringLiteral("08:30:15"));  // the seconds are kept
    edit.setText(QStringLiteral(" 9:05"));
    EXPECT_EQ(shown(edit.Time()), QStringLiteral("08:30:15"));
    edit.setText(QStringLiteral("09:05"));
    EXPECT_EQ(shown(edit.Time()), QStringLiteral("09:05:00"));
    // Out of range: the time stays, the text is left as typed.
    edit.setText(QStringLiteral("24:00"));
    EXPECT_EQ(shown(edit.Time()), QStringLiteral("09:05:00"));
    EXPECT_EQ(edit.text(), QStringLiteral("24:00"));
    // A whole hour typed with blanks is written out.
    edit.setText(QStringLiteral("0 :00"));
    EXPECT_EQ(shown(edit.Time()), QStringLiteral("00:00:00"));
    EXPECT_EQ(edit.text(), QStringLiteral("00:00"));
}

TEST(TimePickerDropDown, EscapeKeepsTheTimeAndClickingOutsideTakesTheClocks)
{
    FormatSettingsScope format(u'.', u',', u':');
    TimeHost host;
    TExTimePickerDropDown& edit = *host.Picker;
    edit.SetAnimation(false);
    edit.SetTime(timeAt(10, 20));
    edit.ShowDropDown();
    ASSERT_TRUE(edit.DroppedDown());
    TExWatch& watch = *edit.Watch();
    EXPECT_EQ(watch.Time(), edit.Time());
    watch.HandleWatchKey(platform::VK_PRIOR);  // hour 11; the picker follows the clock
    EXPECT_EQ(edit.text(), QStringLiteral("11:20:00"));
    clickAtHour(watch, 4);
    edit.HideDropDown(true);
    EXPECT_EQ(shown(edit.Time()), QStringLiteral("10:20:00"));
    EXPECT_EQ(edit.text(), QStringLiteral("10:20:00"));

    edit.ShowDropDown();
    QTest::keyClick(edit.DropDownForm(), Qt::Key_PageDown);  // the clock takes it
    EXPECT_EQ(shown(watch.Time()), QStringLiteral("09:20:00"));
    deactivateFor(*edit.DropDownForm(), &host.Window);
    QApplication::processEvents();
    EXPECT_FALSE(edit.DroppedDown());
    EXPECT_EQ(shown(edit.Time()), QStringLiteral("09:20:00"));
}

TEST(TimePickerDropDown, TheTimeControlAddsItsHeightBelowTheClock)
{
    TimeHost host;
    TExTimePickerDropDown& edit = *host.Picker;
    edit.SetShowTimePicker(true);
    edit.SetTime(timeAt(6, 45, 30));
    edit.ShowDropDown();
    ASSERT_TRUE(edit.TimeControl());
    EXPECT_EQ(edit.Panel()->height(), 170 + edit.TimeControl()->sizeHint().height());
    EXPECT_EQ(edit.TimeControl()->time(), QTime(6, 45, 30));
    int changes = 0;
    edit.OnTimeChange = [&](QObject*) { ++changes; };
    edit.Watch()->SetAnimation(false);
    edit.Watch()->SetHour(7);
    EXPECT_EQ(edit.TimeControl()->time(), QTime(7, 45, 30));
    EXPECT_EQ(changes, 1);
    edit.TimeControl()->setTime(QTime(8, 0, 0));
    EXPECT_EQ(shown(edit.Watch()->Time()), QStringLiteral("08:00:00"));
}

TEST(TimePickerDropDown, ComponentStyleReachesTheClockAtTheNextOpening)
{
    TimeHost host;
    TExTimePickerDropDown& edit = *host.Picker;
    edit.SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(edit.WatchAppearance().BackgroundColor(), 0xBFBFBFu);
    edit.ShowDropDown();
    EXPECT_EQ(edit.Watch()->Appearance().BackgroundColor(), 0xBFBFBFu);
    saveScreenshot(host.Screenshot(), QStringLiteral("time_picker_dropdown.png"));
}

#include <gtest/gtest.h>

#include <stdexcept>

#include <QApplication>
#include <QTest>

#include "controls/dropdown/clock/ex_watch.h"
#include "controls/dropdown/clock/watch_geometry.h"
#include "controls/dropdown/clock/watch_presets.h"
#include "controls/dropdown/picker_test_support.h"

using namespace dropdown;

namespace {

TDateTime clockAt(int hour, int minute, int second = 0)
{
    TDateTime t = 0;
    EXPECT_TRUE(TryEncodeTime(hour, minute, second, 0, t));
    return t;
}

std::pair<int, int> hourMinute(const TExWatch& watch)
{
    const TTimeParts parts = DecodeTime(watch.Time());
    return {parts.Hour, parts.Minute};
}

// Runs the glide to its end; returns the number of ticks.
int finishGlide(TExWatch& watch)
{
    int ticks = 0;
    while (watch.Animating() && ticks < 1000) {
        watch.AnimationTimerTick();
        ++ticks;
    }
    return ticks;
}

void clickAt(TExWatch& watch, QPoint p) { QTest::mouseClick(&watch, Qt::LeftButton, Qt::NoModifier, p); }

}  // namespace

TEST(WatchGeometry, MinuteAndHourFromAPoint)
{
    const QPoint c(90, 90);
    struct Case {
        QPoint point;
        int minute;
        int hourAM;
        int hourPM;
    };
    const Case cases[] = {
        {{175, 90}, 15, 3, 15},   // 3 o'clock
        {{90, 150}, 30, 6, 18},   // straight below
        {{91, 30}, 0, 0, 12},     // just right of 12
        {{89, 30}, 0, 0, 12},     // straight up from the left: the same
        {{30, 90}, 45, 9, 21},    // 9 o'clock
        {{150, 30}, 7, 1, 13},    // 45 degrees up right: 7.5 rounds to the even 8, 15 - 8
        {{30, 150}, 37, 7, 19},   // 45 degrees down left: 45 - 8
        {{40, 60}, 50, 10, 22},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(MinuteFromPoint(c, k.point), k.minute) << k.point.x() << "," << k.point.y();
        EXPECT_EQ(HourFromPoint(c, k.point, true), k.hourAM) << k.point.x() << "," << k.point.y();
        EXPECT_EQ(HourFromPoint(c, k.point, false), k.hourPM) << k.point.x() << "," << k.point.y();
    }
    // The face: the smaller side less 20, or Size limited to the control.
    EXPECT_EQ(WatchRect(180, 180, 0), platform::TRect(10, 10, 170, 170));
    EXPECT_EQ(WatchRect(200, 100, 0), platform::TRect(60, 10, 140, 90));
    EXPECT_EQ(WatchRect(180, 120, 500), platform::TRect(30, 0, 150, 120));
}

TEST(WatchGeometry, GlideStepsCoverATenthOfTheWayAndAtLeastOne)
{
    EXPECT_EQ(StepMinuteToward(10, 50, 10), 14);
    EXPECT_EQ(StepMinuteToward(48, 50, 10), 49);
    EXPECT_EQ(StepMinuteToward(50, 10, 10), 46);
    EXPECT_EQ(StepMinuteToward(59, 0, 10), 0);   // forward over the top
    EXPECT_EQ(StepMinuteToward(40, 0, 10), 42);
    EXPECT_EQ(StepMinuteToward(20, 0, 10), 18);
    EXPECT_EQ(StepHourToward(2, 22, 10), 4);
    EXPECT_EQ(StepHourToward(22, 2, 10), 20);
    // A factor below 1 counts as 1: the hand jumps, nothing divides by zero.
    EXPECT_EQ(StepMinuteToward(10, 50, 0), 50);
    EXPECT_EQ(StepHourToward(3, 9, -5), 9);
}

TEST(ExWatch, ClicksSetTheMinuteOutsideTheDialAndTheHourInside)
{
    TExWatch watch;
    watch.SetAnimation(false);
    ASSERT_EQ(watch.size(), QSize(180, 180));
    clickAt(watch, {175, 90});
    EXPECT_EQ(hourMinute(watch), std::make_pair(0, 15));
    clickAt(watch, {150, 90});
    EXPECT_EQ(hourMinute(watch), std::make_pair(3, 15));
    clickAt(watch, {90, 150});
    EXPECT_EQ(hourMinute(watch), std::make_pair(6, 15));
    watch.SetTime(clockAt(15, 15));
    EXPECT_FALSE(watch.AM());
    clickAt(watch, {150, 90});
    EXPECT_EQ(hourMinute(watch).first, 15);
    clickAt(watch, {91, 30});
    EXPECT_EQ(hourMinute(watch).first, 12);
    // A live clock ignores clicks and keys.
    watch.Settings().SetAuto(true);
    const TDateTime live = watch.Time();
    clickAt(watch, {175, 90});
    watch.HandleWatchKey(platform::VK_HOME);
    EXPECT_EQ(watch.Time(), live);
}

TEST(ExWatch, MinuteZeroAdvancesTheHourOnlyFromTheUpperHalf)
{
    TExWatch watch;
    watch.SetAnimation(false);
    watch.SetTime(clockAt(7, 45));
    watch.SetMinute(0);
    EXPECT_EQ(hourMinute(watch), std::make_pair(8, 0));
    watch.SetTime(clockAt(7, 15));
    watch.SetMinute(0);
    EXPECT_EQ(hourMinute(watch), std::make_pair(7, 0));
    watch.SetTime(clockAt(23, 59));
    watch.HandleWatchKey(platform::VK_RIGHT);
    EXPECT_EQ(hourMinute(watch), std::make_pair(0, 0));
    EXPECT_THROW(watch.SetMinute(60), std::invalid_argument);
    EXPECT_EQ(hourMinute(watch), std::make_pair(0, 0));
}

TEST(ExWatch, AGlideFiresOnChangeOnceWhenTheHandArrives)
{
    TExWatch watch;
    watch.SetTime(clockAt(9, 10));
    int changes = 0;
    std::vector<int> minutes;
    watch.OnChange = [&](QObject*) {
        ++changes;
        minutes.push_back(hourMinute(watch).second);
    };
    watch.SetMinute(50);
    EXPECT_TRUE(watch.Animating());
    EXPECT_EQ(hourMinute(watch).second, 10);  // nothing moves before the first tick
    const int ticks = finishGlide(watch);
    EXPECT_GT(ticks, 5);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(minutes, std::vector<int>{50});
    // Over the top: 50 -> 0 runs forward and advances the hour.
    watch.SetMinute(0);
    finishGlide(watch);
    EXPECT_EQ(hourMinute(watch), std::make_pair(10, 0));
    EXPECT_EQ(changes, 2);
    // The hour glides too.
    watch.SetHour(2);
    finishGlide(watch);
    EXPECT_EQ(hourMinute(watch), std::make_pair(2, 0));
    EXPECT_EQ(changes, 3);
}

TEST(ExWatch, KeysStepHourAndMinute)
{
    TExWatch watch;
    watch.SetAnimation(false);
    struct Case {
        int hour, minute;
        platform::Word key;
        int expectedHour, expectedMinute;
    };
    const Case cases[] = {
        {23, 10, platform::VK_PRIOR, 0, 10}, {5, 10, platform::VK_PRIOR, 6, 10}, {0, 10, platform::VK_NEXT, 23, 10},
        {9, 0, platform::VK_LEFT, 8, 59},    {0, 0, platform::VK_LEFT, 23, 59},  {9, 30, platform::VK_LEFT, 9, 29},
        {9, 30, platform::VK_RIGHT, 9, 31},  {9, 30, platform::VK_END, 9, 0},    {9, 30, platform::VK_HOME, 12, 30},
        {9, 30, 'P', 21, 30},                {21, 30, 'A', 9, 30},               {9, 30, 'A', 9, 30},
    };
    for (const Case& c : cases) {
        watch.SetTime(clockAt(c.hour, c.minute));
        watch.HandleWatchKey(c.key);
        EXPECT_EQ(hourMinute(watch), std::make_pair(c.expectedHour, c.expectedMinute))
            << c.hour << ":" << c.minute << " key " << c.key;
    }
}

TEST(ExWatch, TheAMPMBoxSwitchesWithASlideThatDoesNotBlock)
{
    TExWatch watch;
    watch.SetTime(clockAt(8, 20));
    int changes = 0;
    watch.OnChange = [&](QObject*) { ++changes; };
    const platform::TRect box = watch.GetAMPMRect();
    ASSERT_GT(box.Width(), 0);
    clickAt(watch, box.toQRect().center());
    // The click returns at once: the state and the hour have changed, the
    // box slides on its timer.
    EXPECT_FALSE(watch.AM());
    EXPECT_EQ(hourMinute(watch), std::make_pair(20, 20));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(watch.AMPMSliding());
    int steps = 0;
    while (watch.AMPMSliding() && steps < 100) {
        watch.SlideTimerTick();
        ++steps;
    }
    EXPECT_EQ(steps, box.Height() - 2);
    clickAt(watch, box.toQRect().center());
    EXPECT_TRUE(watch.AM());
    EXPECT_EQ(hourMinute(watch), std::make_pair(8, 20));
    // Without AM/PM no box.
    watch.SetShowAMPM(false);
    EXPECT_EQ(watch.GetAMPMRect(), platform::TRect(-1, -1, -1, -1));
}

TEST(ExWatch, PresetsAndComponentStyles)
{
    TExWatch watch;
    watch.SetStyle(wsSuperNova);
    EXPECT_EQ(watch.Appearance().HourMarkLength(), 40);
    EXPECT_EQ(watch.Appearance().MinuteMarkLength(), 60);
    EXPECT_EQ(watch.Appearance().BorderColor(), clNone);
    EXPECT_FALSE(watch.ShowAMPM());
    watch.SetStyle(wsSports);
    EXPECT_EQ(watch.Appearance().CenterPointSize(), 50);
    EXPECT_EQ(watch.Appearance().HourPointer(), 0x0000FFu);
    EXPECT_EQ(watch.Appearance().MinutePointerShadow(), clNone);
    EXPECT_EQ(watch.Appearance().HourFont().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(watch.Appearance().HourMarkLength(), 0);  // not named: back to its initial value
    // The same style again changes nothing, even after an edit.
    watch.Appearance().SetHourPointer(clGreen);
    watch.SetStyle(wsSports);
    EXPECT_EQ(watch.Appearance().HourPointer(), clGreen);
    watch.SetStyle(wsTower);
    EXPECT_EQ(watch.Appearance().AMPMColor(), 0xB1F0FEu);
    EXPECT_EQ(watch.Appearance().Shape(), wsRect);
    EXPECT_EQ(watch.Appearance().TickMarks(), tmHours);

    TWatchAppearance custom;
    custom.SetHourFont(platform::TFont(custom.HourFont(), clRed));
    custom.SetBackgroundColor(clYellow);
    ApplyWatchComponentStyle(tsCustom, custom);
    EXPECT_EQ(custom.HourFont().Color, clBlack);
    EXPECT_EQ(custom.AMPMFont().Color, clBlack);
    EXPECT_EQ(custom.CenterPointOuterBorderColor(), clBlack);
    EXPECT_EQ(custom.BackgroundColor(), clYellow);

    TWatchAppearance vista;
    ApplyWatchComponentStyle(tsWindowsVista, vista);
    EXPECT_EQ(vista.AMPMBorderColor(), 0xFEDF9Au);
    EXPECT_EQ(vista.BackgroundColorTo(), 0xFFFAF0u);
    EXPECT_EQ(vista.MinutePointer(), 0xFEDF9Au);
    EXPECT_EQ(vista.SecondPointer(), 0xFEDF9Au);
    TWatchAppearance obsidian;
    ApplyWatchComponentStyle(tsOffice2007Obsidian, obsidian);
    EXPECT_EQ(obsidian.HourFont().Color, 0xF2F1F0u);
    EXPECT_EQ(obsidian.CenterPointColor(), 0xFFEFE3u);
}

TEST(ExWatch, TimeChangesRedrawOnlyTheHands)
{
    dropdown_testing::PickerHost<TExWatch> host;
    TExWatch& watch = *host.Picker;
    watch.resize(180, 180);
    QApplication::processEvents();
    (void)watch.grab();
    const int faces = watch.FacePaintCount();
    for (int m = 0; m < 10; ++m) {
        watch.SetTime(clockAt(4, m));
        (void)watch.grab();
    }
    EXPECT_EQ(watch.FacePaintCount(), faces);
    watch.Appearance().SetBackgroundColor(clYellow);
    (void)watch.grab();
    EXPECT_EQ(watch.FacePaintCount(), faces + 1);
}

TEST(ExWatch, Screenshots)
{
    QImage sheet(3 * 180, 180, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int x = 0;
    for (TWatchStyle style : {wsClassic, wsBlackWhite, wsSports}) {
        TExWatch watch;
        watch.SetStyle(style);
        watch.SetTime(clockAt(22, 9, 30));
        if (style == wsClassic) watch.SetComponentStyle(tsOffice2007Luna);
        painter.drawPixmap(x, 0, watch.grab());
        x += 180;
    }
    painter.end();
    dropdown_testing::saveScreenshot(sheet, QStringLiteral("analogue_clock.png"));
}

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include <utility>
#include <vector>

#include "controls/grid/editors/edit_test_support.h"
#include "controls/grid/editors/esg_date_time_picker.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using edit_testing::TestForm;

namespace date_time_picker_tests {

QDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return QDateTime(QDate(y, mo, d), QTime(h, mi, s)); }

TEST(DateTimePickerAutoTab, TheChangedFieldDecidesTheMove)
{
    using M = TAutoTabMove;
    struct Case {
        const char* name;
        bool time;
        const char* format;
        QDateTime before, after;
        M expect;
    };
    const Case cases[] = {
        {"time: hour changed", true, "", At(2024, 1, 5, 10), At(2024, 1, 5, 12), M::NextField},
        {"time: nothing changed", true, "", At(2024, 1, 5, 10), At(2024, 1, 5, 10), M::None},
        {"time: milliseconds alone do not count", true, "", At(2024, 1, 5, 10),
         QDateTime(QDate(2024, 1, 5), QTime(10, 0, 0, 5)), M::None},
        {"d/m/y: day moves on", false, "dd/mm/yyyy", At(2024, 1, 5), At(2024, 1, 12), M::NextField},
        {"d/m/y: year is the last field", false, "dd/mm/yyyy", At(2024, 1, 5), At(2025, 1, 5), M::LastFieldDone},
        {"y/m/d: day is the last field", false, "yyyy/mm/dd", At(2024, 1, 5), At(2024, 1, 12), M::LastFieldDone},
        {"y/m/d: year moves on", false, "yyyy/mm/dd", At(2024, 1, 5), At(2025, 1, 5), M::NextField},
        {"no format: month moves on", false, "", At(2024, 1, 5), At(2024, 3, 5), M::NextField},
        {"no format: year alone counts as last", false, "", At(2024, 1, 5), At(2025, 1, 5), M::LastFieldDone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutoTabMove(c.time, QString::fromLatin1(c.format), c.before, c.after), c.expect) << c.name;
}

TEST(DateTimeFormats, ConfiguratorFormatsShowAndReadInTheSettingsOrder)
{
    grid_text_testing::FormatSettingsScope formats(u',', u'.', u'.', QStringLiteral("dd.mm.yyyy"));
    EXPECT_EQ(QtDisplayFormat(QStringLiteral("dd/mm/yyyy")), QStringLiteral("dd'.'MM'.'yyyy"));
    EXPECT_EQ(QtDisplayFormat(QStringLiteral("hh:nn:ss")), QStringLiteral("hh':'mm':'ss"));
    EXPECT_EQ(QtDisplayFormat(QStringLiteral("h:mm am/pm")), QStringLiteral("h':'mm AP"));
    EXPECT_EQ(QtDisplayFormat(QStringLiteral("d \"of\" mmm yy")), QStringLiteral("d 'of' MM yy"));
    EXPECT_EQ(ParseDateTimeText(QStringLiteral("05.01.2024 10:30")), At(2024, 1, 5, 10, 30));
    EXPECT_EQ(ParseDateTimeText(QStringLiteral("05.01.2024")), At(2024, 1, 5));
    for (const char* bad : {"31.02.2024", "31.02.2024 10:00", "05.01.2024 25:00", "", "today"})
        EXPECT_FALSE(ParseDateTimeText(QString::fromLatin1(bad)).has_value()) << bad << ": no such date";
}

class ExPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        picker = new TExDateTimePicker(form.window.get());
        picker->setGeometry(60, 40, 220, 24);
        ASSERT_TRUE(form.show(picker));
    }
    grid_text_testing::FormatSettingsScope formats{u'.', u','};
    TestForm form{QSize(360, 200)};
    TExDateTimePicker* picker = nullptr;
};

TEST_F(ExPickerTest, DateTimeDropsMillisecondsAndDateKeepsTheTime)
{
    EXPECT_EQ(picker->ExKind(), dkDateTime);
    ASSERT_NE(picker->TimePicker(), nullptr);
    picker->SetDateTime(DateTimeFromQt(QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7, 999))));
    EXPECT_EQ(QDateTime(DateOfDateTime(picker->DateTime()), TimeOfDateTime(picker->DateTime())),
              At(2024, 3, 9, 14, 5, 7));
    picker->SetDate(DateTimeFromQt(QDateTime(QDate(2025, 12, 31), QTime(1, 2, 3))));
    EXPECT_EQ(QDateTime(DateOfDateTime(picker->DateTime()), TimeOfDateTime(picker->DateTime())),
              At(2025, 12, 31, 14, 5, 7));
    // The time typed in the time part is folded into the value.
    picker->TimePicker()->setTime(QTime(8, 30, 0));
    EXPECT_EQ(TimeOfDateTime(picker->DateTime()), QTime(8, 30, 0));
    EXPECT_EQ(DateOfDateTime(picker->DateTime()), QDate(2025, 12, 31));
}

TEST_F(ExPickerTest, TheTimePartLivesOnlyForDateAndTime)
{
    QPointer<TCustomDateTimePicker> first = picker->TimePicker();
    picker->SetExKind(dkDate);
    QApplication::processEvents();
    EXPECT_TRUE(first.isNull()) << "switching to a date frees the time part";
    picker->SetExKind(dkDateTime);
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_TRUE(picker->TimePicker()->isVisible());
    // Its width follows its text in the picker's font plus 31 pixels, at the right end.
    const int a = QFontMetrics(picker->font()).horizontalAdvance(picker->TimePicker()->text()) + 31;
    EXPECT_EQ(picker->TimePicker()->width(), a);
    EXPECT_EQ(picker->TimePicker()->geometry().right() + 1, picker->width() - 34);
}

TEST_F(ExPickerTest, TheCheckBoxSwitchesTheTimePart)
{
    picker->SetShowCheckbox(true);
    EXPECT_TRUE(picker->Checked());
    EXPECT_TRUE(picker->TimePicker()->isEnabled());
    picker->SetChecked(false);
    EXPECT_FALSE(picker->Checked());
    EXPECT_FALSE(picker->TimePicker()->isEnabled());
    EXPECT_TRUE(picker->isReadOnly()) << "an unchecked picker takes no typing";
    picker->SetDateTime(DateTimeFromQt(At(2024, 1, 1, 9)));
    EXPECT_FALSE(picker->TimePicker()->isEnabled()) << "writing a value keeps the check box's say";
    QTest::mouseClick(picker->CheckBox(), Qt::LeftButton);
    EXPECT_TRUE(picker->Checked());
    EXPECT_TRUE(picker->TimePicker()->isEnabled());
}

TEST_F(ExPickerTest, TypingTheLastDateFieldGoesOnIntoTheTime)
{
    picker->SetFormat(QStringLiteral("dd/mm/yyyy"));
    picker->SetAutoTab(true);
    picker->SetDateTime(DateTimeFromQt(At(2024, 1, 5, 10)));
    picker->setFocus();
    picker->setCurrentSectionIndex(0);
    picker->setSelectedSection(picker->sectionAt(0));
    QTest::keyClicks(picker, QStringLiteral("12"));
    QApplication::processEvents();
    EXPECT_EQ(picker->currentSection(), QDateTimeEdit::MonthSection) << "a completed day moves to the month";
    QTest::keyClicks(picker, QStringLiteral("03"));
    QApplication::processEvents();
    EXPECT_EQ(picker->currentSection(), QDateTimeEdit::YearSection);
    QTest::keyClicks(picker, QStringLiteral("2026"));
    QApplication::processEvents();
    EXPECT_EQ(picker->date(), QDate(2026, 3, 12));
    EXPECT_TRUE(picker->TimePicker()->hasFocus()) << "the completed year hands on to the time part";
    QTest::keyClicks(picker->TimePicker(), QStringLiteral("07"));
    QApplication::processEvents();
    EXPECT_EQ(picker->TimePicker()->currentSection(), QDateTimeEdit::MinuteSection);
    EXPECT_EQ(picker->TimePicker()->time().hour(), 7);
}

TEST(EsgDateTimePicker, TimeKindUsesTheLongTimeFormat)
{
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    TestForm form;
    auto* picker = new TEsgDateTimePicker(form.window.get());
    picker->SetKind(dtkTime);
    picker->SetDateTime(DateTimeFromQt(At(2024, 1, 5, 9, 8, 7)));
    EXPECT_EQ(picker->Text(), QStringLiteral("09:08:07"));
    EXPECT_FALSE(picker->calendarPopup());
    picker->SetKind(dtkDate);
    EXPECT_TRUE(picker->calendarPopup());
    EXPECT_EQ(picker->Text(), QStringLiteral("05/01/2024"));
    picker->SetDateMode(dmUpDown);
    EXPECT_FALSE(picker->calendarPopup());
    EXPECT_EQ(TEsgDateTimePicker::Version(), QStringLiteral("1.0.0.0"));
    EXPECT_EQ(TExDateTimePicker::Version(), QStringLiteral("1.2.0.0"));
}

// ------------------------------------------------------------ the frame

QColor PixelOf(QWidget* w, QPoint at) { return w->grab().toImage().pixelColor(at); }

TEST(EsgDateTimePicker, MetroFrameAndButtonColours)
{
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    TestForm form;
    auto* picker = new TEsgDateTimePicker(form.window.get());
    picker->setGeometry(10, 10, 160, 24);
    ASSERT_TRUE(form.show(nullptr));
    picker->SetBorderColor(clRed);
    // Without the Metro style the 3D picker is the platform's own.
    EXPECT_NE(PixelOf(picker, QPoint(0, 0)), toQColor(clRed));
    picker->SetMetroStyle(true);
    EXPECT_EQ(PixelOf(picker, QPoint(0, 0)), toQColor(clRed));
    EXPECT_EQ(PixelOf(picker, QPoint(picker->width() - 1, picker->height() - 1)), toQColor(clRed));
    // The drop-down button in its own colours, hot under the mouse.
    flat_frame::TDropButtonColours colours;
    colours.Color = clYellow;
    colours.ColorHot = clLime;
    colours.Border = clBlue;
    picker->SetButtonColours(colours);
    const QPoint inButton(picker->width() - 4, 4);
    EXPECT_EQ(PixelOf(picker, inButton), toQColor(clYellow));
    EXPECT_EQ(PixelOf(picker, QPoint(picker->width() - picker->ButtonWidth() + 3, 5)), toQColor(clBlue));
    QTest::mouseMove(picker, inButton);
    QMouseEvent move(QEvent::MouseMove, QPointF(inButton), QPointF(picker->mapToGlobal(inButton)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picker, &move);
    ASSERT_TRUE(picker->ButtonHover());
    EXPECT_EQ(PixelOf(picker, inButton), toQColor(clLime));
    // A time picker keeps the platform's button; the border is still drawn.
    picker->SetKind(dtkTime);
    EXPECT_NE(PixelOf(picker, inButton), toQColor(clLime));
    EXPECT_EQ(PixelOf(picker, QPoint(0, 0)), toQColor(clRed));
    // A disabled picker without a border colour: the grey-blue frame.
    picker->SetBorderColor(clNone);
    picker->setEnabled(false);
    EXPECT_EQ(PixelOf(picker, QPoint(0, 0)), toQColor(TColor(0xB99D7F)));
}

TEST(EsgDateTimePicker, TheEmbeddedTimePickerIsFlatAndLeavesTheColouredFrame)
{
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    TestForm form;
    auto* picker = new TExDateTimePicker(form.window.get());
    picker->setGeometry(10, 10, 220, 24);
    ASSERT_TRUE(form.show(nullptr));
    TCustomDateTimePicker* time = picker->TimePicker();
    ASSERT_NE(time, nullptr);
    EXPECT_FALSE(time->Ctl3D());
    EXPECT_FALSE(time->hasFrame());
    EXPECT_TRUE(picker->Ctl3D());
    EXPECT_EQ(picker->BorderStyle(), TDateTimePickerBase::bsSingle);
    time->SetMetroStyle(true);
    time->SetBorderColor(clRed);
    EXPECT_FALSE(time->IsMetroActive());
    // Its flat border is in its parent's colour, never in the border colour.
    EXPECT_NE(PixelOf(time, QPoint(0, 0)), toQColor(clRed));
    EXPECT_EQ(time->geometry().right() + 1, picker->width() - 34);
    picker->SetMetroStyle(true);
    picker->SetBorderColor(clRed);
    EXPECT_TRUE(picker->IsMetroActive());
    EXPECT_EQ(PixelOf(picker, QPoint(0, 0)), toQColor(clRed));
    EXPECT_EQ(time->geometry().right() + 1, picker->width() - 21) << "the Metro button is narrower";
}

TEST_F(ExPickerTest, KeysTypedInTheTimePartReachThePickersKeyDown)
{
    std::vector<std::pair<QObject*, platform::Word>> seen;
    picker->OnKeyDown = [&](QObject* sender, platform::Word& key, platform::TShiftState) {
        seen.emplace_back(sender, key);
        if (key == platform::VK_UP) key = 0;  // dropped
    };
    picker->TimePicker()->SetDateTime(DateTimeFromQt(At(2024, 1, 5, 10)));
    picker->TimePicker()->setFocus();
    picker->TimePicker()->setCurrentSectionIndex(0);
    QTest::keyClick(picker->TimePicker(), Qt::Key_Up);
    QTest::keyClick(picker->TimePicker(), Qt::Key_Down);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, picker);
    EXPECT_EQ(seen[0].second, platform::VK_UP);
    EXPECT_EQ(seen[1].second, platform::VK_DOWN);
    EXPECT_EQ(picker->TimePicker()->time().hour(), 9) << "the dropped Up did not step the hour, Down did";
    // Keys typed in the date part come by the same way.
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Right);
    EXPECT_EQ(seen.back().second, platform::VK_RIGHT);
}

// ------------------------------------------------------------ the calendar

TEST(PickerCalendar, TodayIsRingedAndCanBePicked)
{
    TestForm form(QSize(400, 400));
    auto* calendar = new TPickerCalendar(form.window.get());
    calendar->setGeometry(10, 10, 320, 260);
    calendar->setSelectedDate(QDate::currentDate().addDays(QDate::currentDate().day() > 15 ? -9 : 9));
    ASSERT_TRUE(form.show(nullptr));
    const auto ringed = [&] {
        const QImage image = calendar->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                // The dark red ring, not the bright red of the weekend days.
                count += c.red() > 150 && c.red() < 235 && c.green() < 50 && c.blue() < 50;
            }
        return count;
    };
    EXPECT_GT(ringed(), 20);
    // A picture to look at, next to the test program.
    calendar->grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/picker_calendar_today.png"));
    EXPECT_TRUE(calendar->TodayButton()->isVisible());
    EXPECT_TRUE(calendar->TodayButton()->text().startsWith(QStringLiteral("Today: ")));
    calendar->SetShowTodayCircle(false);
    EXPECT_EQ(ringed(), 0);
    calendar->SetShowToday(false);
    EXPECT_FALSE(calendar->TodayButton()->isVisible());
    calendar->SetShowToday(true);
    QDate clicked;
    QObject::connect(calendar, &QCalendarWidget::clicked, [&](QDate d) { clicked = d; });
    calendar->TodayButton()->click();
    EXPECT_EQ(calendar->selectedDate(), QDate::currentDate());
    EXPECT_EQ(clicked, QDate::currentDate());
}

TEST(PickerCalendar, ThePickersDropDownIsTheRingedCalendar)
{
    TestForm form;
    auto* picker = new TEsgDateTimePicker(form.window.get());
    EXPECT_NE(qobject_cast<TPickerCalendar*>(picker->calendarWidget()), nullptr);
}

}  // namespace date_time_picker_tests

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

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

}  // namespace date_time_picker_tests

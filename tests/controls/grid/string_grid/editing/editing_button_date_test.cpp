#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "controls/grid/editors/grid_button_editors.h"
#include "controls/grid/editors/grid_date_editors.h"
#include "controls/grid/string_grid/editing/editing_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using editing_testing::EditingGrid;

namespace editing_button_date_tests {

// A grid whose cell (2, 2) opens the given kind; the ellipsis and button
// events are recorded.
struct KindGrid : EditingGrid {
    std::vector<QString> ellipsis;
    std::vector<QPoint> buttonClicks;
    std::vector<QPoint> done;
    QString replaceWith;

    explicit KindGrid(TEditorType kind)
    {
        grid->OnGetEditorType = [kind](QObject*, int col, int row, TEditorType& editor) {
            if (col == 2 && row == 2) editor = kind;
        };
        grid->OnEllipsClick = [this](QObject*, int, int, QString& s) {
            ellipsis.push_back(s);
            if (!replaceWith.isNull()) s = replaceWith;
        };
        grid->OnButtonClick = [this](QObject*, int col, int row) { buttonClicks.emplace_back(col, row); };
        grid->OnEditCellDone = [this](QObject*, int col, int row) { done.emplace_back(col, row); };
    }
    QString cell() const { return grid->GetCellEx(2, 2); }
};

// ------------------------------------------------------------ edit with button

TEST(EditingEditBtn, EnterWritesEscPutsBackAndTheButtonAsksTheApplication)
{
    KindGrid g(edEditBtn);
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    TGridEditBtn* edit = g.grid->EditBtn();
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(g.focus(), edit);
    EXPECT_EQ(edit->text(), QStringLiteral("r2c2"));
    EXPECT_EQ(edit->ButtonCaption(), QStringLiteral("..."));
    g.type(QStringLiteral("new"));
    g.key(Qt::Key_Escape);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(g.cell(), QStringLiteral("r2c2"));

    g.open(2, 2);
    g.type(QStringLiteral("typed"));
    g.key(Qt::Key_Return);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(g.cell(), QStringLiteral("typed"));
    QApplication::processEvents();
    ASSERT_FALSE(g.done.empty());
    EXPECT_EQ(g.done.back(), QPoint(2, 2));

    // The button: OnEllipsClick may replace the text; F4 does the same.
    g.open(2, 2);
    g.replaceWith = QStringLiteral("chosen");
    g.key(Qt::Key_F4);
    ASSERT_EQ(g.ellipsis.size(), 1u);
    EXPECT_EQ(g.ellipsis[0], QStringLiteral("typed"));
    EXPECT_EQ(edit->text(), QStringLiteral("chosen"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("chosen"));
    EXPECT_TRUE(edit->isVisible()) << "without StopEditAfterClick the edit goes on";
    g.key(Qt::Key_Tab);
    EXPECT_EQ(g.cell(), QStringLiteral("chosen"));
}

TEST(EditingEditBtn, StopEditAfterClickWritesTheNewTextBack)
{
    KindGrid g(edEditBtn);
    ASSERT_TRUE(g.show());
    g.grid->EditBtn()->StopEditAfterClick = true;
    g.replaceWith = QStringLiteral("from dialog");
    g.open(2, 2);
    QWidget* button = g.grid->EditBtn()->Button()->Button();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(g.grid->EditBtn()->isVisible());
    EXPECT_EQ(g.cell(), QStringLiteral("from dialog"));
    EXPECT_EQ(g.focus(), g.grid);
}

TEST(EditingEditBtn, NumericFilterAndPasteStoreAtOnce)
{
    KindGrid g(edNumericEditBtn);
    edit_testing::BeepCounter beeps;
    g.grid->SetCellEx(2, 2, QString());
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    g.type(QStringLiteral("-1a-2"));
    EXPECT_EQ(g.grid->EditBtn()->text(), QStringLiteral("-12"));
    EXPECT_EQ(beeps.count(), 2) << "a letter and a second minus beep";
    g.grid->EditBtn()->clear();
    QApplication::clipboard()->setText(QStringLiteral("12\r\n"));
    g.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g.grid->EditBtn()->text(), QStringLiteral("12"));
    EXPECT_EQ(g.cell(), QStringLiteral("12")) << "a paste is written into the cell at once";
}

TEST(EditingEditBtn, RefusedValueKeepsTheEditorWithThePutBackValue)
{
    KindGrid g(edEditBtn);
    g.grid->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) {
        valid = !value.contains(u'!');
        if (!valid) value = QStringLiteral("fixed");
    };
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    g.type(QStringLiteral("bad!"));
    g.key(Qt::Key_Return);
    EXPECT_TRUE(g.grid->EditBtn()->isVisible());
    EXPECT_EQ(g.grid->EditBtn()->text(), QStringLiteral("fixed"));
    EXPECT_EQ(g.grid->EditBtn()->selectedText(), QStringLiteral("fixed"));
}

TEST(EditingEditBtn, LeftLeavesOnlyFromTheStart)
{
    KindGrid g(edEditBtn);
    g.grid->Navigation().CursorWalkEditor = true;
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    TGridEditBtn* edit = g.grid->EditBtn();
    edit->setCursorPosition(1);
    g.key(Qt::Key_Left);
    EXPECT_TRUE(edit->isVisible()) << "Left at 1 only moves the caret";
    EXPECT_EQ(edit->cursorPosition(), 0);
    g.key(Qt::Key_Left);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(g.grid->Col(), 1);
}

// ------------------------------------------------------------ value with unit

TEST(EditingUnitEdit, ValueAndUnitAreEditedTogether)
{
    KindGrid g(edUnitEditBtn);
    g.grid->UnitEditBtn()->SetUnits({QStringLiteral("m"), QStringLiteral("mm")});
    g.grid->SetCellEx(2, 2, QStringLiteral("10 mm"));
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    TGridUnitEditBtn* edit = g.grid->UnitEditBtn();
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("10 "));
    EXPECT_EQ(edit->UnitID(), QStringLiteral("mm"));
    edit->setText(QStringLiteral("12 "));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.cell(), QStringLiteral("12 mm"));

    // Esc clears the unit and shows the cell text, which is what is stored.
    g.open(2, 2);
    edit->setText(QStringLiteral("99 "));
    g.key(Qt::Key_Escape);
    EXPECT_EQ(g.cell(), QStringLiteral("12 mm"));
    EXPECT_TRUE(edit->UnitID().isEmpty());

    // A value with no listed unit keeps all of its text.
    g.grid->SetCellEx(2, 2, QStringLiteral("7 s"));
    g.open(2, 2);
    EXPECT_EQ(edit->text(), QStringLiteral("7 s"));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.cell(), QStringLiteral("7 s"));
}

// ------------------------------------------------------------ push button

TEST(EditingButton, ButtonCoversTheCellAndMovesWithTheArrows)
{
    KindGrid g(edButton);
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    TGridButton* button = g.grid->GridButton();
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(button->text(), QStringLiteral("r2c2"));
    const QRect cell = g.grid->CellRect(2, 2).toQRect();
    EXPECT_EQ(button->geometry(), QRect(cell.left() - 1, cell.top() - 1, cell.width() + 1, cell.height() + 1))
        << "one pixel beyond the editor area on every side";
    g.key(Qt::Key_Down);
    EXPECT_FALSE(button->isVisible());
    EXPECT_EQ(g.grid->Row(), 3);
    EXPECT_FALSE(g.grid->EditMode);
}

TEST(EditingButton, ClickTakesTheEllipsisTextAndEscPutsTheCellBack)
{
    KindGrid g(edButton);
    ASSERT_TRUE(g.show());
    g.replaceWith = QStringLiteral("clicked");
    g.open(2, 2);
    TGridButton* button = g.grid->GridButton();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), QStringLiteral("clicked"));
    EXPECT_EQ(g.cell(), QStringLiteral("clicked"));
    ASSERT_EQ(g.buttonClicks.size(), 1u);
    EXPECT_EQ(g.buttonClicks[0], QPoint(2, 2));
    g.key(Qt::Key_Escape);
    EXPECT_FALSE(button->isVisible());
    EXPECT_EQ(g.cell(), QStringLiteral("r2c2")) << "Esc puts the cell's text back";
}

// ------------------------------------------------------------ date and time

struct DateGrid : KindGrid {
    grid_text_testing::FormatSettingsScope formats{u'.', u','};
    explicit DateGrid(TEditorType kind) : KindGrid(kind) {}
    TGridDatePicker* picker() { return grid->GetEditDate(); }
};

TEST(EditingDate, OpensAtTheCellsDateAndWritesThePickedOne)
{
    DateGrid g(edDateEdit);
    g.grid->SetCellEx(2, 2, QStringLiteral("5/1/2024"));
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    TGridDatePicker* picker = g.picker();
    ASSERT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->date(), QDate(2024, 1, 5));
    EXPECT_TRUE(picker->calendarPopup());
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.cell(), QStringLiteral("5/1/2024")) << "an untouched picker leaves the cell's text";

    g.open(2, 2);
    picker->setDate(QDate(2024, 2, 29));
    g.key(Qt::Key_Return);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(g.cell(), QStringLiteral("29/02/2024"));

    g.open(2, 2);
    picker->setDate(QDate(2030, 1, 1));
    g.key(Qt::Key_Escape);
    EXPECT_EQ(g.cell(), QStringLiteral("29/02/2024")) << "Esc keeps the cell";

    // The check box: unchecked, the cell is emptied.
    picker->SetShowCheckbox(true);
    g.open(2, 2);
    picker->SetChecked(false);
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.cell(), QString());
}

TEST(EditingDate, ImpossibleOrUnreadableDatesStartTodayAndLimitsHold)
{
    DateGrid g(edDateEditUpDown);
    ASSERT_TRUE(g.show());
    for (const char* text : {"31/02/2024", "soon", "13/13/2024"}) {
        g.grid->SetCellEx(2, 2, QString::fromLatin1(text));
        g.open(2, 2);
        EXPECT_EQ(g.picker()->date(), QDate::currentDate()) << text;
        EXPECT_FALSE(g.picker()->calendarPopup()) << "up-down kind";
        g.key(Qt::Key_Escape);
        EXPECT_EQ(g.cell(), QString::fromLatin1(text));
    }
    g.picker()->MaxDate = DateTimeFromQt(QDate(2024, 12, 31));
    g.grid->SetCellEx(2, 2, QStringLiteral("05/01/2025"));
    g.open(2, 2);
    EXPECT_EQ(g.picker()->date(), QDate(2024, 12, 30));
    g.key(Qt::Key_Escape);
    // The application reads the text itself.
    g.grid->OnCustomStrToDate = [](QObject*, const QString& text, TDateTime& date) {
        if (text == u"xmas") date = DateTimeFromQt(QDate(2023, 12, 25));
    };
    g.picker()->MaxDate = 0;
    g.grid->SetCellEx(2, 2, QStringLiteral("xmas"));
    g.open(2, 2);
    EXPECT_EQ(g.picker()->date(), QDate(2023, 12, 25));
}

TEST(EditingDate, TypedDigitsMoveOnAndEnterTakesAHalfTypedField)
{
    DateGrid g(edDateEdit);
    g.grid->SetCellEx(2, 2, QStringLiteral("05/01/2024"));
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    TGridDatePicker* picker = g.picker();
    picker->setCurrentSectionIndex(0);
    picker->setSelectedSection(picker->sectionAt(0));
    g.type(QStringLiteral("17"));
    QApplication::processEvents();
    EXPECT_EQ(picker->currentSection(), QDateTimeEdit::MonthSection);
    g.type(QStringLiteral("3"));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.cell(), QStringLiteral("17/03/2024"));
}

TEST(EditingDate, TimeKindWritesTheTimeText)
{
    DateGrid g(edTimeEdit);
    g.grid->SetCellEx(2, 2, QStringLiteral("10:15:30"));
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    TGridDatePicker* picker = g.picker();
    EXPECT_EQ(picker->Kind(), dtkTime);
    EXPECT_EQ(picker->time(), QTime(10, 15, 30));
    picker->setTime(QTime(11, 0, 5));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.cell(), QStringLiteral("11:00:05"));
}

TEST(EditingDateTime, DateAndTimeInOneEditor)
{
    DateGrid g(edDateTimeEdit);
    g.grid->SetCellEx(2, 2, QStringLiteral("05/01/2024 10:30:45"));
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    TGridDateTimePicker* picker = g.grid->DateAndTimePicker();
    ASSERT_TRUE(picker->isVisible());
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_EQ(TimeOfDateTime(g.grid->OriginalDateTime()), QTime(10, 30, 45));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.cell(), QStringLiteral("05/01/2024 10:30:45")) << "untouched, the seconds are not lost";

    g.open(2, 2);
    picker->TimePicker()->setTime(QTime(11, 45));
    g.key(Qt::Key_Return);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(g.cell(), QStringLiteral("05/01/2024 11:45"));

    g.open(2, 2);
    picker->setDate(QDate(2020, 1, 1));
    picker->TimePicker()->setFocus();
    g.key(Qt::Key_Escape);
    EXPECT_EQ(g.cell(), QStringLiteral("05/01/2024 11:45")) << "Esc in the time part keeps the cell";
    EXPECT_EQ(g.focus(), g.grid);
}

}  // namespace editing_button_date_tests

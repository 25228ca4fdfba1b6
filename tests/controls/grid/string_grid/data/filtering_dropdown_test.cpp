// The header's filter drop-down: the column's distinct values, opening and
// closing with the filter button (QTest clicks), choices in the list and in
// the check list, and a screenshot of an open list.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPointer>
#include <QTest>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using input_test::GridUnderTest;

namespace filtering_dropdown_test {

// A shown grid of 4 columns: column 1 fruits, column 2 colours, column 3
// amounts; automatic filter lists on.
struct FruitGrid : GridUnderTest {
    FruitGrid() : GridUnderTest(4, 9)
    {
        const QStringList fruit = {"Apple", "Pear", "apple", "Plum", "Red currant", "Pear", "Fig", "Apple"};
        const QStringList colour = {"red", "green", "green", "blue", "red", "yellow", "purple", "green"};
        g->SetCellEx(1, 0, "Fruit");
        g->SetCellEx(2, 0, "Colour");
        g->SetCellEx(3, 0, "Amount");
        for (int i = 0; i < fruit.size(); ++i) {
            g->SetCellEx(0, i + 1, QString::number(i + 1));
            g->SetCellEx(1, i + 1, fruit[i]);
            g->SetCellEx(2, i + 1, colour[i]);
            g->SetCellEx(3, i + 1, QString::number((i + 1) * 10));
        }
        g->SetFilterDropDownAuto(true);
        g->SetColWidths(1, 150);
        g->SetColWidths(2, 150);
        g->SetColWidths(3, 120);
    }
    // The press and release on the filter button of a header cell.
    void clickButton(int col)
    {
        const platform::TRect r = g->CellRect(col, 0);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.Right - 8, r.Top + 6));
        QApplication::processEvents();
    }
    QStringList column(int col) const
    {
        QStringList list;
        for (int r = 1; r < g->RowCount(); ++r) list << g->GetCellEx(col, r);
        return list;
    }
    QStringList listTexts(const QListWidget& list) const
    {
        QStringList texts;
        for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
        return texts;
    }
};

TEST(FilterDropDownValues, DistinctSortedValuesAfterTheClearEntry)
{
    FruitGrid t;
    ASSERT_TRUE(t.g->GetColumnFilter(1));
    // Values differing in case are values of their own: each matches
    // exactly its spelling.
    EXPECT_EQ(t.g->FilterList, (QStringList{"(All)", "Apple", "apple", "Fig", "Pear", "Plum", "Red currant"}));
    t.g->FilterDropDownClear.clear();
    ASSERT_TRUE(t.g->GetColumnFilter(2));
    EXPECT_EQ(t.g->FilterList, (QStringList{"blue", "green", "purple", "red", "yellow"}));
    // Fixed columns only with fdAll; nothing without FilterDropDownAuto.
    EXPECT_FALSE(t.g->GetColumnFilter(0));
    t.g->FilterDropDownColumns = fdAll;
    EXPECT_TRUE(t.g->GetColumnFilter(0));
    t.g->SetFilterDropDownAuto(false);
    EXPECT_FALSE(t.g->GetColumnFilter(1));
}

TEST(FilterDropDownValues, ValuesOfFilteredRowsStayOfferedUnlessIncremental)
{
    FruitGrid t;
    TFilterData& f = t.g->Filter().ColumnFilter(2);
    f.Condition = "red";
    t.g->SetFilterActive(true);
    ASSERT_EQ(t.column(1), (QStringList{"Apple", "Red currant"}));
    t.g->GetColumnFilter(1);
    EXPECT_EQ(t.g->FilterList, (QStringList{"(All)", "Apple", "apple", "Fig", "Pear", "Plum", "Red currant"}));
    t.g->FilterIncremental = true;
    t.g->GetColumnFilter(1);
    EXPECT_EQ(t.g->FilterList, (QStringList{"(All)", "Apple", "Red currant"}));

    // Every row filtered: the header row, though the window holds it as a
    // normal row then, is no value.
    t.g->SetFilterActive(false);
    t.g->SetFixedRowAlways(true);
    f.Condition = "none";
    t.g->SetFilterActive(true);
    ASSERT_EQ(t.g->RowCount(), 1);
    t.g->FilterIncremental = false;
    t.g->GetColumnFilter(1);
    EXPECT_FALSE(t.g->FilterList.contains("Fruit"));
    EXPECT_EQ(t.g->FilterList.size(), 7);
}

TEST(FilterDropDownValues, ValuesWithJoinsOrGroupsAreOfferedAsTheyAreAndChoosingThemFinds)
{
    // Taken plain, "R&D" would be the two terms R and D and find nothing.
    FruitGrid t;
    t.g->SetCellEx(2, 1, "R&D");
    t.g->SetCellEx(2, 2, "(none)");
    t.g->SetCellEx(2, 3, "R&D");
    t.g->GetColumnFilter(2);
    EXPECT_EQ(t.g->FilterList, (QStringList{"(All)", "(none)", "blue", "green", "purple", "R&D", "red", "yellow"}));
    for (const int entry : {5, 1}) {
        SCOPED_TRACE(entry);
        t.clickButton(2);
        t.g->DropList().setCurrentRow(entry);
        QTest::keyClick(&t.g->DropList(), Qt::Key_Return);
    }
    EXPECT_EQ(t.column(2), (QStringList{"(none)"}));
    t.clickButton(2);
    t.g->DropList().setCurrentRow(5);
    QTest::keyClick(&t.g->DropList(), Qt::Key_Return);
    EXPECT_EQ(t.column(1), (QStringList{"Apple", "apple"}));
}

TEST(FilterDropDownButton, OpensBelowTheButtonAndTheSameButtonCloses)
{
    FruitGrid t;
    t.clickButton(1);
    TDropList& list = t.g->DropList();
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(t.g->FilterColumn(), 1);
    EXPECT_EQ(t.listTexts(list), (QStringList{"(All)", "Apple", "apple", "Fig", "Pear", "Plum", "Red currant"}));
    EXPECT_EQ(list.currentRow(), 0);
    const platform::TRect cell = t.g->CellRect(1, 0);
    EXPECT_EQ(list.geometry(), QRect(cell.Right - 16, cell.Top + 16, 150, 150));
    EXPECT_TRUE(list.hasFocus());

    t.clickButton(1);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(t.g->FilterColumn(), -1);
    // Closed: the next click opens again.
    t.clickButton(1);
    EXPECT_TRUE(list.isVisible());
}

TEST(FilterDropDownButton, ReleasesElsewhereCloseAndAnotherButtonMovesTheList)
{
    FruitGrid t;
    TDropList& list = t.g->DropList();
    t.clickButton(1);
    ASSERT_TRUE(list.isVisible());
    // In the filter row, away from the button.
    t.click(2, 0, Qt::NoModifier, 20, 6);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(t.g->FilterColumn(), -1);

    t.clickButton(1);
    ASSERT_TRUE(list.isVisible());
    t.click(2, 3);  // a normal row
    EXPECT_FALSE(list.isVisible());

    t.clickButton(1);
    t.clickButton(2);
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(t.g->FilterColumn(), 2);
    EXPECT_EQ(t.listTexts(list).value(1), "blue");

    // Escape closes without a choice.
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(t.g->FilterColumn(), -1);
    EXPECT_EQ(t.g->Filter().Count(), 0);
}

TEST(FilterDropDownButton, NoListNoButtonAndTheFilterRowMustBeFixed)
{
    FruitGrid t;
    t.g->SetFilterDropDownAuto(false);
    t.clickButton(1);
    EXPECT_FALSE(t.g->FilterDropDownShown());
    t.g->SetFilterDropDownRow(1);
    EXPECT_EQ(t.g->FilterDropDownRow(), 0) << "a row not below FixedRows is ignored";
}

TEST(FilterDropDownButton, AGridGoesWithItsListsOpenAndFocused)
{
    for (const bool check : {false, true}) {
        SCOPED_TRACE(check);
        auto t = std::make_unique<FruitGrid>();
        t->g->FilterDropDownCheck = check;
        t->clickButton(1);
        ASSERT_TRUE(t->g->FilterDropDownShown());
        QPointer<QWidget> list = check ? static_cast<QWidget*>(&t->g->DropCheckList()) : &t->g->DropList();
        delete t->g;  // the lists go with the grid, and nothing reports to it on the way
        EXPECT_TRUE(list.isNull());
        QApplication::processEvents();
    }
}

TEST(FilterDropDownButton, ListPlacementKeepsInsideTheGridAndFollowsSizeOptions)
{
    FruitGrid t;
    t.g->SetColWidths(3, 200);  // the last column ends near the grid's right edge
    t.g->FilterDropDown().Width = 180;
    t.clickButton(3);
    const platform::TRect cell = t.g->CellRect(3, 0);
    const QRect geo = t.g->DropList().geometry();
    ASSERT_GT(cell.Right - 16 + 180, t.g->viewport()->width());
    EXPECT_EQ(geo.left(), cell.Right - 180) << "aligned with the header cell's right border";
    t.clickButton(3);

    t.g->FilterDropDown().ColumnWidth = true;
    t.clickButton(1);
    const platform::TRect c1 = t.g->CellRect(1, 0);
    EXPECT_EQ(t.g->DropList().geometry().left(), c1.Left);
    EXPECT_EQ(t.g->DropList().geometry().width(), c1.Width());
    t.clickButton(1);

    t.g->FilterDropDown().ColumnWidth = false;
    t.g->FilterDropDown().AutoSize = true;
    t.clickButton(2);
    TDropList& list = t.g->DropList();
    const int rows = list.count();
    EXPECT_EQ(list.height(), rows * list.sizeHintForRow(0) + 2 * list.frameWidth());
    EXPECT_GE(list.width(), list.fontMetrics().horizontalAdvance("purple") + 8);
}

TEST(FilterDropDownChoice, ClickingAnEntryFiltersAndClearEntryShowsAllAgain)
{
    FruitGrid t;
    int done = 0;
    t.g->OnFilterDone = [&done](QObject*) { ++done; };
    t.clickButton(2);
    TDropList& list = t.g->DropList();
    // "green" is entry 2.
    const QRect item = list.visualItemRect(list.item(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    QApplication::processEvents();
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(t.g->FilterColumn(), -1);
    EXPECT_EQ(t.column(2), (QStringList{"green", "green", "green"}));
    EXPECT_EQ(t.column(1), (QStringList{"Pear", "apple", "Apple"}));
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(t.g->Filter().HasFilter(2));
    EXPECT_EQ(t.g->Row(), 1);

    // Another value of the same column replaces the condition.
    t.clickButton(2);
    list.setCurrentRow(4);  // red
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(t.column(1), (QStringList{"Apple", "Red currant"}));
    EXPECT_EQ(t.g->Filter().Count(), 1);

    // "(All)" removes the column's condition: every row is back in order.
    t.clickButton(2);
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_FALSE(t.g->Filter().HasFilter(2));
    EXPECT_EQ(t.column(1), (QStringList{"Apple", "Pear", "apple", "Plum", "Red currant", "Pear", "Fig", "Apple"}));
    EXPECT_EQ(done, 3);
}

TEST(FilterDropDownChoice, ValueWithABlankAndTheSelectHook)
{
    FruitGrid t;
    QString seenName;
    t.g->OnFilterSelect = [&seenName](QObject*, int col, int, const QString& name, QString& condition) {
        seenName = name;
        if (col == 3) condition = ">=" + name;  // the amount column: from the chosen value on
    };
    t.clickButton(1);
    t.g->DropList().setCurrentRow(6);  // Red currant
    QTest::keyClick(&t.g->DropList(), Qt::Key_Return);
    EXPECT_EQ(seenName, "Red currant");
    EXPECT_EQ(t.g->Filter().ColumnFilter(1).Condition, "Red currant");
    EXPECT_EQ(t.g->Filter().ColumnFilter(1).Method, fmLiteral);
    EXPECT_EQ(t.column(1), (QStringList{"Red currant"}));

    t.clickButton(1);
    t.g->DropList().setCurrentRow(0);
    QTest::keyClick(&t.g->DropList(), Qt::Key_Return);
    t.clickButton(3);
    // Sorted as texts: 10, 20, 30, 40, 50, 60, 70, 80; entry 6 is 60.
    t.g->DropList().setCurrentRow(6);
    QTest::keyClick(&t.g->DropList(), Qt::Key_Return);
    EXPECT_EQ(t.column(3), (QStringList{"60", "70", "80"}));
    EXPECT_EQ(t.g->Filter().ColumnFilter(3).Method, fmExpression) << "the hook's condition is an expression";
}

TEST(FilterDropDownChoice, WithoutAutoUpdateTheConditionWaitsForFilterActive)
{
    FruitGrid t;
    t.g->AutoFilterUpdate = false;
    t.clickButton(2);
    t.g->DropList().setCurrentRow(1);  // blue
    QTest::keyClick(&t.g->DropList(), Qt::Key_Return);
    EXPECT_EQ(t.g->RowCount(), 9);
    EXPECT_EQ(t.g->Filter().ColumnFilter(2).Condition, "blue");
    t.g->SetFilterActive(true);
    EXPECT_EQ(t.column(1), (QStringList{"Plum"}));
}

TEST(FilterDropDownChoice, CheckListShowsRowsOfEitherCheckedValueAndStaysOpen)
{
    FruitGrid t;
    t.g->FilterDropDownCheck = true;
    t.clickButton(2);
    TDropCheckList& list = t.g->DropCheckList();
    ASSERT_TRUE(list.isVisible());
    EXPECT_FALSE(t.g->DropList().isVisible());
    ASSERT_EQ(t.listTexts(list), (QStringList{"(All)", "blue", "green", "purple", "red", "yellow"}));
    list.SetChecked(1, true);  // blue
    list.SetChecked(4, true);  // red
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(t.g->FilterColumn(), 2);
    EXPECT_EQ(t.column(2), (QStringList{"red", "blue", "red"}));
    ASSERT_EQ(t.g->Filter().Count(), 2);
    EXPECT_EQ(t.g->Filter().Items(0).Operation, foNONE);
    EXPECT_EQ(t.g->Filter().Items(1).Operation, foOR);

    // Reopened, the list shows the checks of the column's conditions.
    t.clickButton(2);
    EXPECT_FALSE(list.isVisible());
    t.clickButton(2);
    EXPECT_TRUE(list.Checked(1));
    EXPECT_FALSE(list.Checked(2));
    EXPECT_TRUE(list.Checked(4));

    // Unchecking all: no condition, every row passes.
    list.SetChecked(1, false);
    list.SetChecked(4, false);
    EXPECT_EQ(t.g->Filter().Count(), 0);
    EXPECT_EQ(t.g->RowCount(), 9);
    // A release elsewhere closes the check list too.
    t.click(1, 4);
    EXPECT_FALSE(list.isVisible());
}

TEST(FilterDropDownChoice, ClickOnTheCheckBoxOfAnEntryToggles)
{
    FruitGrid t;
    t.g->FilterDropDownCheck = true;
    t.clickButton(1);
    TDropCheckList& list = t.g->DropCheckList();
    const QRect item = list.visualItemRect(list.item(4));  // Pear
    // The check box sits at the start of the entry.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(item.left() + list.style()->pixelMetric(QStyle::PM_IndicatorWidth) / 2 + 3,
                             item.center().y()));
    QApplication::processEvents();
    EXPECT_TRUE(list.Checked(4));
    EXPECT_EQ(t.column(1), (QStringList{"Pear", "Pear"}));
}

TEST(FilterDropDownValues, EachValueShowsExactlyTheRowsSpelledSo)
{
    // Matcher characters, case variants and an empty cell in column 2.
    FruitGrid t;
    const QStringList values = {"=b", "!x", "a*", ">5", "abc", "x", "7", ""};
    for (int i = 0; i < values.size(); ++i) t.g->SetCellEx(2, i + 1, values[i]);
    t.g->GetColumnFilter(2);
    EXPECT_EQ(t.g->FilterList, (QStringList{"(All)", "!x", "7", "=b", ">5", "a*", "abc", "x"}))
        << "no blank entry for the empty cell";
    struct Case {
        int column;
        QString value;
        QStringList rows;  // column 0: the record numbers shown
    };
    const Case cases[] = {
        {2, "=b", {"1"}},    {2, "!x", {"2"}},         {2, "a*", {"3"}},          {2, ">5", {"4"}},
        {2, "abc", {"5"}},   {2, "7", {"7"}},          {1, "Apple", {"1", "8"}},  {1, "apple", {"3"}},
        {1, "Red currant", {"5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        t.clickButton(c.column);
        TDropList& list = t.g->DropList();
        const int index = int(t.listTexts(list).indexOf(c.value));
        ASSERT_GE(index, 1) << "the entry shows the value itself";
        list.setCurrentRow(index);
        QTest::keyClick(&list, Qt::Key_Return);
        EXPECT_EQ(t.column(0), c.rows);
        // Back to every row.
        t.clickButton(c.column);
        list.setCurrentRow(0);
        QTest::keyClick(&list, Qt::Key_Return);
        ASSERT_EQ(t.g->RowCount(), 9);
    }
}

TEST(FilterDropDownChoice, EnterAndEscapeInTheListStayThere)
{
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        for (const bool check : {false, true}) {
            SCOPED_TRACE(testing::Message() << key << " check " << check);
            FruitGrid t;
            t.g->SetOptions(t.g->Options() | platform::goEditing);
            t.g->FilterDropDownCheck = check;
            int keyDowns = 0;
            t.g->OnKeyDown = [&keyDowns](QObject*, platform::Word&, platform::TShiftState) { ++keyDowns; };
            t.clickButton(2);
            QListWidget& list = check ? static_cast<QListWidget&>(t.g->DropCheckList()) : t.g->DropList();
            ASSERT_TRUE(list.isVisible());
            QTest::keyClick(&list, Qt::Key(key));
            QApplication::processEvents();
            EXPECT_FALSE(list.isVisible());
            EXPECT_EQ(keyDowns, 0) << "the grid saw no key";
            EXPECT_FALSE(t.g->EditorMode()) << "nor opened its editor";
        }
    }
}

TEST(FilterDropDownChoice, NothingThrownByTheGridLeavesTheListsEventHandlers)
{
    QWidget form;
    form.resize(300, 300);
    auto* list = new TDropList(&form);         // owned by the form
    auto* checks = new TDropCheckList(&form);  // owned by the form
    list->addItem("one");
    checks->AddCheckItem("one", false);
    list->setGeometry(0, 0, 100, 100);
    checks->setGeometry(0, 0, 100, 100);
    form.show();
    QApplication::processEvents();
    int reports = 0;
    auto fail = [&reports] {
        ++reports;
        throw std::runtime_error("handler failed");
    };
    list->OnSelect = [fail](int) { fail(); };
    list->OnCancel = fail;
    checks->OnSelect = [fail](int) { fail(); };
    checks->OnCancel = fail;

    list->show();
    list->setCurrentRow(0);
    EXPECT_NO_THROW(QTest::keyClick(list, Qt::Key_Return));
    list->show();
    EXPECT_NO_THROW(QTest::keyClick(list, Qt::Key_Escape));
    list->show();
    EXPECT_NO_THROW(QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                                      list->visualItemRect(list->item(0)).center()));
    checks->show();
    EXPECT_NO_THROW(checks->SetChecked(0, true));
    EXPECT_NO_THROW(QTest::keyClick(checks, Qt::Key_Escape));
    EXPECT_EQ(reports, 5);
}

TEST(FilterDropDownChoice, IncrementalCheckListKeepsTheEntriesItOpenedWith)
{
    FruitGrid t;
    t.g->FilterIncremental = true;
    t.g->FilterDropDownCheck = true;
    t.clickButton(2);
    TDropCheckList& list = t.g->DropCheckList();
    ASSERT_EQ(t.listTexts(list), (QStringList{"(All)", "blue", "green", "purple", "red", "yellow"}));
    list.SetChecked(1, true);  // blue: only Plum is left on display
    list.SetChecked(4, true);  // red
    list.SetChecked(5, true);  // yellow
    EXPECT_EQ(t.column(2), (QStringList{"red", "blue", "red", "yellow"}));
    EXPECT_EQ(t.g->Filter().Count(), 3);
    list.SetChecked(1, false);
    EXPECT_EQ(t.column(2), (QStringList{"red", "red", "yellow"}));
}

namespace {

// Pixels of the 16 x 16 glyph box at the right of a header cell that are
// dark, or that are of the given colour.
int glyphPixels(const QImage& image, const platform::TRect& cell, QRgb exact = 0)
{
    int n = 0;
    for (int y = cell.Top + 1; y < cell.Top + 15; ++y)
        for (int x = cell.Right - 15; x < cell.Right - 1; ++x) {
            const QRgb p = image.pixel(x, y);
            if (exact != 0 ? p == exact : qGray(p) < 110) ++n;
        }
    return n;
}

}  // namespace

TEST(FilterGlyphPaint, CellsOfTheFilterRowWithAListShowTheGlyph)
{
    FruitGrid t;
    t.g->SetFilterDropDownAuto(false);
    t.g->OnGetColumnFilter = [](QObject*, int col, QStringList& list) {
        if (col == 2) list << "red" << "green";
    };
    QImage shot = t.g->viewport()->grab().toImage();
    EXPECT_GT(glyphPixels(shot, t.g->CellRect(2, 0)), 8) << "the funnel of the grid";
    EXPECT_EQ(glyphPixels(shot, t.g->CellRect(1, 0)), 0) << "no list, no glyph";
    EXPECT_EQ(glyphPixels(shot, t.g->CellRect(2, 1)), 0) << "only the filter row";

    // A column with a condition shows GlyphActive.
    // Drawn transparent: the corner colour (white) is left out.
    QImage active(16, 16, QImage::Format_ARGB32);
    active.fill(Qt::white);
    for (int y = 3; y < 13; ++y)
        for (int x = 3; x < 13; ++x) active.setPixel(x, y, qRgb(255, 0, 0));
    t.g->FilterDropDown().SetGlyphActive(active);
    t.g->Filter().ColumnFilter(2).Condition = "red";
    QApplication::processEvents();
    shot = t.g->viewport()->grab().toImage();
    EXPECT_GT(glyphPixels(shot, t.g->CellRect(2, 0), qRgb(255, 0, 0)), 60);
}

TEST(FilterGlyphPaint, TheGlyphAnswerAgreesWithTheListWithoutMakingIt)
{
    FruitGrid t;
    t.g->SetCellEx(2, 4, "");
    for (int r = 1; r < 9; ++r) t.g->SetCellEx(3, r, r == 5 ? " " : "");  // column 3: blanks only
    struct Case {
        const char* name;
        bool autoList;
        QString clear;
        TFilterDropDownColumns columns;
    };
    const Case cases[] = {
        {"auto", true, "(All)", fdNormal},
        {"auto without clear entry", true, "", fdNormal},
        {"auto, fixed columns too", true, "", fdAll},
        {"no auto list", false, "(All)", fdAll},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.g->SetFilterDropDownAuto(c.autoList);
        t.g->FilterDropDownClear = c.clear;
        t.g->FilterDropDownColumns = c.columns;
        for (int col = 0; col < 4; ++col) {
            SCOPED_TRACE(col);
            QImage glyph;
            t.g->FilterList = QStringList{"untouched"};
            const bool shown = t.g->FilterGlyphOf(col, 0, glyph);
            EXPECT_EQ(t.g->FilterList, QStringList{"untouched"}) << "no list made for the glyph";
            EXPECT_EQ(shown, t.g->GetColumnFilter(col));
        }
    }
    // With the form's hook, the hook decides on the list it is given.
    t.g->SetFilterDropDownAuto(true);
    t.g->FilterDropDownClear.clear();
    t.g->OnGetColumnFilter = [](QObject*, int col, QStringList& list) {
        if (col == 2) list.clear();
    };
    QImage glyph;
    EXPECT_FALSE(t.g->FilterGlyphOf(2, 0, glyph));
    EXPECT_TRUE(t.g->FilterGlyphOf(1, 0, glyph));
    EXPECT_FALSE(t.g->FilterGlyphOf(3, 0, glyph));
}

TEST(FilterGlyphPaint, SwitchingTheAutomaticListRepaints)
{
    FruitGrid t;
    t.g->SetFilterDropDownAuto(false);
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    t.g->viewport()->installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;
    t.g->SetFilterDropDownAuto(true);
    QApplication::processEvents();
    EXPECT_TRUE(t.g->FilterDropDownAuto());
    EXPECT_GT(counter.paints, 0) << "the filter buttons appear at once";
    t.g->viewport()->removeEventFilter(&counter);
}

TEST(FilterDropDownPicture, HeaderWithFilterButtonsAndAnOpenList)
{
    FruitGrid t;
    t.g->FilterDropDownCheck = true;
    t.g->Filter().ColumnFilter(3).Condition = ">=30";
    QImage active(16, 16, QImage::Format_ARGB32);
    active.fill(Qt::transparent);
    {
        QPainter p(&active);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0, 120, 215));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(2, 3), QPoint(14, 3), QPoint(9, 9), QPoint(9, 14), QPoint(7, 13), QPoint(7, 9)}));
    }
    t.g->FilterDropDown().SetGlyphActive(active);
    t.g->SetFilterActive(true);
    t.clickButton(2);
    t.g->DropCheckList().SetChecked(2, true);  // green
    t.g->DropCheckList().SetChecked(4, true);  // red
    QApplication::processEvents();
    const QImage shot = t.form->grab(QRect(0, 0, 600, 300)).toImage();
    const QString path = QDir::current().absoluteFilePath("filtering_dropdown.png");
    EXPECT_TRUE(shot.save(path)) << path.toStdString();
    // The check list is drawn over the grid below the Colour button.
    const platform::TRect cell = t.g->CellRect(2, 0);
    EXPECT_TRUE(t.g->DropCheckList().geometry().contains(cell.Right - 10, cell.Top + 20));
}

}  // namespace filtering_dropdown_test

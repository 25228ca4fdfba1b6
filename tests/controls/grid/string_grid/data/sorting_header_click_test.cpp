#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/input_state.h"

using namespace grid;

namespace sorting_header_click_test {

// A shown grid of 4 columns (one fixed) and 6 rows (one fixed header row):
// column 1 holds c a d b e, column 2 numbers the records 1..5, column 3
// holds x x y y z; the sort indicator is shown.
struct ClickGrid {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    TExStringGrid* g = nullptr;

    ClickGrid()
    {
        form->resize(520, 260);
        g = new TExStringGrid(form.get());
        g->SetColCount(4);
        g->SetRowCount(6);
        g->SetFixedCols(1);
        g->SetFixedRows(1);
        g->setGeometry(0, 0, 500, 240);
        for (int c = 0; c < 4; ++c) g->SetColWidths(c, 90);
        const QStringList first{"c", "a", "d", "b", "e"};
        const QStringList third{"x", "x", "y", "y", "z"};
        g->SetCellEx(1, 0, "Name");
        g->SetCellEx(2, 0, "Record");
        g->SetCellEx(3, 0, "Group");
        for (int r = 1; r < 6; ++r) {
            g->SetCellEx(0, r, QString::number(r));
            g->SetCellEx(1, r, first[r - 1]);
            g->SetCellEx(2, r, QString::number(r));
            g->SetCellEx(3, r, third[r - 1]);
        }
        g->SortSettings().SetShow(true);
        form->show();
        QApplication::processEvents();
    }
    ~ClickGrid() { platform::clearKeyboardStateOverride(); }

    void clickHeader(int col, Qt::KeyboardModifiers mods = Qt::NoModifier, int dx = -1)
    {
        const platform::TRect r = g->CellRect(col, 0);
        const int x = dx < 0 ? (r.Left + r.Right) / 2 : r.Left + dx;
        QTest::mouseClick(g->viewport(), Qt::LeftButton, mods, QPoint(x, (r.Top + r.Bottom) / 2));
    }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 1; r < g->RowCount(); ++r) out << g->GetCellEx(c, r);
        return out;
    }
};

TEST(SortingHeaderClick, AscendingDescendingThenUndone)
{
    ClickGrid t;
    t.g->SortSettings().UndoSort = true;
    int clicked = -2;
    t.g->OnClickSort = [&](QObject*, int col) { clicked = col; };
    t.clickHeader(1);
    EXPECT_EQ(t.column(1), QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_EQ(t.g->SortSettings().Column, 1);
    EXPECT_EQ(t.g->SortSettings().Direction, sdAscending);
    EXPECT_EQ(clicked, 1);
    t.clickHeader(1);
    EXPECT_EQ(t.column(1), QStringList({"e", "d", "c", "b", "a"}));
    EXPECT_EQ(t.g->SortSettings().Direction, sdDescending);
    t.clickHeader(1);
    EXPECT_EQ(t.column(1), QStringList({"c", "a", "d", "b", "e"}));
    EXPECT_EQ(t.g->SortSettings().Column, -1);
    EXPECT_EQ(clicked, -1);
    EXPECT_GE(t.g->SortTime, 0);
    // Without UndoSort the third click sorts ascending again.
    t.g->SortSettings().UndoSort = false;
    t.clickHeader(2);
    t.clickHeader(2);
    t.clickHeader(2);
    EXPECT_EQ(t.column(2), QStringList({"1", "2", "3", "4", "5"}));
}

TEST(SortingHeaderClick, ShiftClickAddsAnIndexColumn)
{
    ClickGrid t;
    t.g->SortSettings().IndexShow = true;
    t.clickHeader(3);  // the group column alone: x x y y z
    ASSERT_EQ(t.g->SortIndexes().Count(), 1);
    t.clickHeader(3);  // the only listed column flips
    EXPECT_FALSE(t.g->SortIndexes().SortDirections(0));
    EXPECT_EQ(t.column(3), QStringList({"z", "y", "y", "x", "x"}));
    t.clickHeader(1, Qt::ShiftModifier);  // added in the first-click direction
    ASSERT_EQ(t.g->SortIndexes().Count(), 2);
    EXPECT_EQ(t.g->SortIndexes().SortColumns(1), 1);
    EXPECT_TRUE(t.g->SortIndexes().SortDirections(1));
    EXPECT_EQ(t.column(1), QStringList({"e", "b", "d", "a", "c"}));
    EXPECT_EQ(t.g->SortSettings().Column, 3);
    EXPECT_EQ(t.g->SortSettings().SaveToString(), "i;d3;u1");
    t.clickHeader(1, Qt::ShiftModifier);  // listed: its direction flips
    EXPECT_EQ(t.column(1), QStringList({"e", "d", "b", "c", "a"}));
    t.clickHeader(2);  // without the key: the list is only this column
    EXPECT_EQ(t.g->SortIndexes().Count(), 1);
    EXPECT_EQ(t.g->SortSettings().Column, 2);
    EXPECT_EQ(t.column(2), QStringList({"1", "2", "3", "4", "5"}));
}

TEST(SortingHeaderClick, ClicksThatDoNotSort)
{
    struct Case {
        const char* name;
        std::function<void(ClickGrid&)> setUp;
        std::function<void(ClickGrid&)> click;
    };
    const auto plainClick = [](ClickGrid& t) { t.clickHeader(1); };
    const Case cases[] = {
        {"OnCanSort vetoes",
         [](ClickGrid& t) { t.g->OnCanSort = [](QObject*, int col, bool& doSort) { doSort = col != 1; }; },
         plainClick},
        {"ignored column", [](ClickGrid& t) { t.g->IgnoreColumns().Add(1); }, plainClick},
        {"indicator not shown", [](ClickGrid& t) { t.g->SortSettings().SetShow(false); }, plainClick},
        {"fixed column without FixedCols", [](ClickGrid&) {}, [](ClickGrid& t) { t.clickHeader(0); }},
        {"normal row", [](ClickGrid&) {},
         [](ClickGrid& t) {
             const platform::TRect r = t.g->CellRect(1, 2);
             QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, QPoint(r.Left + 20, r.Top + 5));
         }},
        {"near the right border with column sizing",
         [](ClickGrid& t) { t.g->SetOptions(t.g->Options() | platform::goColSizing); },
         [](ClickGrid& t) {
             const platform::TRect r = t.g->CellRect(1, 0);
             t.clickHeader(1, Qt::NoModifier, r.Right - r.Left - 3);
         }},
        {"near the left border with column sizing",
         [](ClickGrid& t) { t.g->SetOptions(t.g->Options() | platform::goColSizing); },
         [](ClickGrid& t) { t.clickHeader(1, Qt::NoModifier, 3); }},
        {"fewer than three rows", [](ClickGrid& t) { t.g->SetRowCount(2); }, plainClick},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        ClickGrid t;
        tc.setUp(t);
        const QStringList before = t.column(1);
        tc.click(t);
        EXPECT_EQ(t.column(1), before);
        EXPECT_EQ(t.g->SortSettings().Column, -1);
    }
}

TEST(SortingHeaderClick, ClickAwayFromTheBorderSortsWithColumnSizing)
{
    ClickGrid t;
    t.g->SetOptions(t.g->Options() | platform::goColSizing);
    t.clickHeader(1, Qt::NoModifier, 6);
    EXPECT_EQ(t.column(1), QStringList({"a", "b", "c", "d", "e"}));
}

TEST(SortingHeaderClick, DoubleClickSizingTheLastColumnDoesNotSwallowTheNextClick)
{
    ClickGrid t;
    t.g->SetOptions(t.g->Options() | platform::goColSizing);
    const platform::TRect last = t.g->CellRect(3, 0);
    const QPoint beside(last.Right + 2, (last.Top + last.Bottom) / 2);
    QTest::mouseDClick(t.g->viewport(), Qt::LeftButton, {}, beside);
    QTest::mouseRelease(t.g->viewport(), Qt::LeftButton, {}, beside);
    t.clickHeader(1);
    EXPECT_EQ(t.g->SortSettings().Column, 1);
    EXPECT_EQ(t.column(1), QStringList({"a", "b", "c", "d", "e"}));
}

TEST(SortingHeaderClick, FixedColumnsSortWhenAllowed)
{
    ClickGrid t;
    t.g->SortSettings().FixedCols = true;
    t.g->SetCellEx(0, 1, "5");
    t.g->SetCellEx(0, 5, "1");
    t.clickHeader(0);
    EXPECT_EQ(t.g->SortSettings().Column, 0);
    EXPECT_EQ(t.g->GetCellEx(1, 1), "e");
}

// The sorted header as a user sees it: the column's header in the sort
// header colours with an arrow beside its caption.
TEST(SortingHeaderClick, SortedHeaderShowsTheIndicator)
{
    ClickGrid t;
    t.g->SetLook(glQVR);
    t.g->SortSettings().SetHeaderColor(0x80C0FF);    // light orange
    t.g->SortSettings().SetHeaderColorTo(0x4090FF);
    t.clickHeader(1);
    t.clickHeader(1);  // descending
    QApplication::processEvents();
    const QImage image = t.g->grab().toImage();
    image.save("sorting_header.png");

    // Inside the cells, clear of the grid lines they share.
    auto inner = [](platform::TRect r) { return platform::TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2); };
    const platform::TRect sorted = inner(t.g->CellRect(1, 0));
    const platform::TRect other = inner(t.g->CellRect(2, 0));
    auto count = [&](const platform::TRect& r, auto match) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (match(image.pixelColor(x, y))) ++n;
        return n;
    };
    const auto grey = [](QColor c) { return c.red() == 0x80 && c.green() == 0x80 && c.blue() == 0x80; };
    const auto orange = [](QColor c) { return c.red() > 0xF0 && c.blue() < 0x90 && c.green() > 0x80; };
    // The arrow's grey outline beside the caption, in the sorted header only.
    // (Anti-aliased caption text may hold a stray grey pixel.)
    EXPECT_GT(count(sorted, grey), count(other, grey) + 6);
    // The header colours fill the sorted header, not its neighbour.
    EXPECT_GT(count(sorted, orange), (sorted.Right - sorted.Left) * 4);
    EXPECT_EQ(count(other, orange), 0);
}

// Multi-column sorting shows each indexed column's position on the index colour.
TEST(SortingHeaderClick, IndexedHeadersShowTheirPositions)
{
    ClickGrid t;
    t.g->SortSettings().IndexShow = true;
    t.clickHeader(3);
    t.clickHeader(1, Qt::ShiftModifier);
    QApplication::processEvents();
    const QImage image = t.g->grab().toImage();
    image.save("sorting_header_index.png");
    auto yellow = [&](int col) {
        const platform::TRect r = t.g->CellRect(col, 0);
        int n = 0;
        for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
            for (int x = r.Left + 2; x < r.Right - 2; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 0xF0 && c.green() > 0xF0 && c.blue() < 0x30) ++n;
            }
        return n;
    };
    EXPECT_GT(yellow(3), 10);
    EXPECT_GT(yellow(1), 10);
    EXPECT_EQ(yellow(2), 0);
}

}  // namespace sorting_header_click_test

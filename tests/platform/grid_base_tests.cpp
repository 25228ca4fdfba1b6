#include <gtest/gtest.h>

#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <map>
#include <set>
#include <QTest>

#include "grid_base_fixture.h"

using namespace platform;
using grid_base_testing::FixtureGrid;
using grid_base_testing::sendMouse;

namespace grid_base_tests {

// 6 columns (column 0: 30 px, the others 50 px), 30 rows of 20 px, one fixed
// row and column, one-pixel lines, a 200 x 126 client area: columns 1..3 and
// rows 1..5 are wholly visible, column 4 in part.
void setUpGrid(FixtureGrid& g, int rows = 30)
{
    g.SetColCount(6);
    g.SetRowCount(rows);
    g.SetDefaultColWidth(50);
    g.SetColWidths(0, 30);
    g.SetDefaultRowHeight(20);
    g.resize(200, 126);
    g.show();
    g.activateWindow();
    g.setFocus();
    QApplication::processEvents();
    g.ClearRecords();
}

struct CoordCase {
    const char* name;
    int leftCol, topRow;
    int x, y;
    int col, row;
};

TEST(GridBaseGeometry, MouseToCellWithFixedCellsAndScrolling)
{
    FixtureGrid g;
    setUpGrid(g);
    const CoordCase cases[] = {
        {"fixed corner", 1, 1, 10, 10, 0, 0},
        {"the line belongs to the cell before it", 1, 1, 30, 20, 0, 0},
        {"first scrollable cell", 1, 1, 31, 21, 1, 1},
        {"partly visible column", 1, 1, 199, 125, 4, 5},
        {"outside the client area", 1, 1, 250, 10, -1, 0},
        {"negative point", 1, 1, -1, -1, -1, -1},
        {"scrolled: first scrollable cell is LeftCol/TopRow", 3, 10, 35, 25, 3, 10},
        {"scrolled: fixed column keeps its place", 3, 10, 10, 25, 0, 10},
        {"scrolled: fixed row keeps its place", 3, 10, 35, 5, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g.MoveTopLeft(c.leftCol, c.topRow);
        int col = -2, row = -2;
        g.MouseToCell(c.x, c.y, col, row);
        EXPECT_EQ(col, c.col);
        EXPECT_EQ(row, c.row);
    }
}

TEST(GridBaseGeometry, CellRectsFollowScrollingAndHiddenSizes)
{
    FixtureGrid g;
    setUpGrid(g);
    EXPECT_EQ(g.CellRect(0, 0), TRect(0, 0, 30, 20));
    EXPECT_EQ(g.CellRect(1, 1), TRect(31, 21, 81, 41));
    EXPECT_EQ(g.CellRect(4, 1), TRect(184, 21, 234, 41)) << "a partly visible cell keeps its full size";
    EXPECT_TRUE(g.CellRect(5, 1).IsEmpty()) << "beyond the client area";
    EXPECT_EQ(g.VisibleColCount(), 3);
    EXPECT_EQ(g.VisibleRowCount(), 5);

    g.MoveTopLeft(3, 10);
    EXPECT_TRUE(g.CellRect(1, 1).IsEmpty());
    EXPECT_TRUE(g.CellRect(2, 10).IsEmpty());
    EXPECT_EQ(g.CellRect(3, 10), TRect(31, 21, 81, 41));
    EXPECT_EQ(g.CellRect(0, 10), TRect(0, 21, 30, 41));
    EXPECT_EQ(g.CellRect(3, 0), TRect(31, 0, 81, 20));

    g.MoveTopLeft(1, 1);
    g.SetColWidths(2, -1);  // hidden: no pixels, no line
    EXPECT_TRUE(g.CellRect(2, 1).IsEmpty());
    EXPECT_EQ(g.CellRect(3, 1), TRect(82, 21, 132, 41));
    EXPECT_EQ(g.MouseCoord(90, 30), (TGridCoord{3, 1}));
    g.SetColWidths(2, 0);  // zero width: only its line remains
    EXPECT_EQ(g.CellRect(3, 1), TRect(83, 21, 133, 41));
    EXPECT_EQ(g.MouseCoord(82, 30), (TGridCoord{2, 1}));
    g.SetRowHeights(2, -1);
    EXPECT_EQ(g.CellRect(1, 3), TRect(31, 42, 81, 62));
    EXPECT_EQ(g.FixedColsExtent(), 31);
    EXPECT_EQ(g.FixedRowsExtent(), 21);
}

TEST(GridBaseGeometry, CountsClampFixedCellsCurrentCellAndScrollPosition)
{
    FixtureGrid g;
    setUpGrid(g);
    g.SetRow(25);
    EXPECT_EQ(g.TopRow(), 21) << "the current row is scrolled into view";
    g.SetRowCount(8);
    EXPECT_EQ(g.Row(), 7);
    EXPECT_EQ(g.TopRow(), 3) << "no empty space below the last row";
    g.SetFixedRows(20);
    EXPECT_EQ(g.FixedRows(), 7);
    g.SetRowCount(1);
    EXPECT_EQ(g.FixedRows(), 0);
    EXPECT_EQ(g.Row(), 0);
    g.SetTopRow(-5);
    EXPECT_EQ(g.TopRow(), 0);
}

// ---------------------------------------------------------------- keys

struct KeyCase {
    const char* name;
    int startCol, startRow;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int col, row, topRow;
};

TEST(GridBaseKeys, NavigationKeysMoveTheCurrentCell)
{
    const KeyCase cases[] = {
        {"Down", 1, 1, Qt::Key_Down, Qt::NoModifier, 1, 2, 1},
        {"Up stops at the fixed row", 1, 1, Qt::Key_Up, Qt::NoModifier, 1, 1, 1},
        {"Up", 2, 3, Qt::Key_Up, Qt::NoModifier, 2, 2, 1},
        {"Right", 1, 1, Qt::Key_Right, Qt::NoModifier, 2, 1, 1},
        {"Left stops at the fixed column", 1, 1, Qt::Key_Left, Qt::NoModifier, 1, 1, 1},
        {"Right at the last column", 5, 1, Qt::Key_Right, Qt::NoModifier, 5, 1, 1},
        {"Home", 4, 4, Qt::Key_Home, Qt::NoModifier, 1, 4, 1},
        {"End", 2, 4, Qt::Key_End, Qt::NoModifier, 5, 4, 1},
        {"Ctrl+Home", 4, 4, Qt::Key_Home, Qt::ControlModifier, 1, 1, 1},
        {"Ctrl+End", 2, 4, Qt::Key_End, Qt::ControlModifier, 5, 29, 25},
        {"Page Down moves a page and scrolls with it", 1, 1, Qt::Key_PageDown, Qt::NoModifier, 1, 6, 6},
        {"Page Down near the end", 1, 28, Qt::Key_PageDown, Qt::NoModifier, 1, 29, 25},
        {"Page Up stops at the first row", 1, 3, Qt::Key_PageUp, Qt::NoModifier, 1, 1, 1},
        {"Down below the view scrolls", 1, 5, Qt::Key_Down, Qt::NoModifier, 1, 6, 2},
        {"Ctrl+Down scrolls only", 1, 1, Qt::Key_Down, Qt::ControlModifier, 1, 1, 2},
        {"Tab", 1, 1, Qt::Key_Tab, Qt::NoModifier, 2, 1, 1},
        {"Tab at the row's end wraps to the next row", 5, 1, Qt::Key_Tab, Qt::NoModifier, 1, 2, 1},
        {"Shift+Tab at the row's start wraps back", 1, 2, Qt::Key_Backtab, Qt::ShiftModifier, 5, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FixtureGrid g;
        setUpGrid(g);
        g.SetOptions(g.Options() | goTabs);
        g.MoveColRow(c.startCol, c.startRow, true, true);
        g.MoveTopLeft(1, 1);
        g.MoveColRow(c.startCol, c.startRow, true, true);
        QTest::keyClick(&g, c.key, c.modifiers);
        EXPECT_EQ(g.Col(), c.col);
        EXPECT_EQ(g.Row(), c.row);
        EXPECT_EQ(g.TopRow(), c.topRow);
    }
}

TEST(GridBaseKeys, OnKeyDownRunsFirstAndCanCancelEveryMove)
{
    const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                            Qt::Key_End, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Tab};
    for (Qt::Key key : keys) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        FixtureGrid g;
        setUpGrid(g);
        g.SetOptions(g.Options() | goTabs);
        g.MoveColRow(3, 3, true, true);
        g.ClearRecords();
        QStringList seen;
        g.OnKeyDown = [&](QObject*, Word& k, TShiftState) {
            seen << QStringLiteral("OnKeyDown %1").arg(k);
            k = 0;
        };
        QTest::keyClick(&g, key);
        EXPECT_EQ(seen.size(), 1);
        EXPECT_EQ(g.Col(), 3);
        EXPECT_EQ(g.Row(), 3);
        EXPECT_EQ(g.TopRow(), 1);
        EXPECT_TRUE(g.Calls.isEmpty()) << g.Calls.join(u' ').toStdString();
    }
}

TEST(GridBaseKeys, RefusedSelectCellKeepsTheCurrentCell)
{
    FixtureGrid g;
    setUpGrid(g);
    QList<QPoint> asked;
    g.OnSelectCell = [&](QObject*, int c, int r, bool& can) {
        asked << QPoint(c, r);
        can = r != 2;
    };
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(asked, QList<QPoint>{QPoint(1, 2)});
    EXPECT_EQ(g.Row(), 1);
    g.SetRow(2);
    EXPECT_EQ(g.Row(), 1) << "writes go through the query as well";
    g.SetRow(3);
    EXPECT_EQ(g.Row(), 3);
}

TEST(GridBaseKeys, ShiftArrowsExtendTheRangeFromTheAnchor)
{
    FixtureGrid g;
    setUpGrid(g);
    g.MoveColRow(2, 2, true, true);
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&g, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(g.Selection(), (TGridRect{2, 2, 3, 3}));
    EXPECT_EQ(g.Anchor(), (TGridCoord{2, 2}));
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(g.Selection(), (TGridRect{3, 4, 3, 4})) << "a plain move collapses the range";

    g.SetOptions(g.Options() & ~goRangeSelect);
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(g.Selection(), (TGridRect{3, 5, 3, 5})) << "without range selection Shift only moves";

    g.SetOptions(g.Options() | goRowSelect);
    EXPECT_EQ(g.Selection(), (TGridRect{1, 5, 5, 5}));
}

// ---------------------------------------------------------------- scrolling and wheel

TEST(GridBaseScrolling, TopLeftChangesReportOnceAndWheelMovesTheRow)
{
    FixtureGrid g;
    setUpGrid(g);
    int reported = 0;
    g.OnTopLeftChanged = [&](QObject*) { ++reported; };
    g.MoveTopLeft(2, 7);
    EXPECT_EQ(reported, 1);
    g.SetTopRow(7);
    EXPECT_EQ(reported, 1) << "no change, no report";

    g.MoveTopLeft(1, 1);
    QWheelEvent down(QPointF(50, 50), g.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -240),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.viewport(), &down);
    EXPECT_EQ(g.Row(), 3) << "two notches, two rows";

    bool handledDown = false;
    g.OnMouseWheelDown = [&](QObject*, TShiftState, QPoint, bool& handled) { handled = handledDown; };
    handledDown = true;
    QWheelEvent again(QPointF(50, 50), g.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.viewport(), &again);
    EXPECT_EQ(g.Row(), 3) << "a handler that handles the notch keeps the row";
}

TEST(GridBaseScrolling, ScrollBarRequestsMoveTheView)
{
    FixtureGrid g;
    setUpGrid(g);
    g.SetScrollBars(ssBoth);
    QApplication::processEvents();
    QScrollBar* bar = g.verticalScrollBar();
    const int visible = g.VisibleRowCount();
    EXPECT_EQ(bar->maximum(), (30 - visible) - 1);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g.TopRow(), 2);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(g.TopRow(), 2 + visible);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(g.TopRow(), 30 - visible);
    EXPECT_EQ(bar->value(), g.TopRow() - 1);
    EXPECT_EQ(g.Row(), 1) << "scrolling leaves the current cell";
}

// ---------------------------------------------------------------- painting

TEST(GridBasePaint, EveryVisibleCellIsDrawnOnceWithItsRectAndState)
{
    FixtureGrid g;
    setUpGrid(g);
    ASSERT_TRUE(g.hasFocus());
    g.MoveColRow(2, 2, true, true);
    g.MoveColRow(3, 3, false, true);  // selection (2,2)-(3,3), current (3,3)
    g.MoveTopLeft(2, 2);
    g.ClearRecords();
    QImage image(g.viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    g.PaintTo(painter, TRect(0, 0, image.width(), image.height()));
    painter.end();

    // Visible: columns 0, 2, 3, 4, 5 (5 in part); rows 0, 2 .. 6 (6 in part).
    ASSERT_EQ(g.PaintedCells.size(), size_t(5 * 6));
    std::map<std::pair<int, int>, int> seen;
    for (const auto& p : g.PaintedCells) {
        SCOPED_TRACE(testing::Message() << "cell " << p.Col << "," << p.Row);
        ++seen[{p.Col, p.Row}];
        EXPECT_EQ(p.Rect, g.CellRect(p.Col, p.Row));
        TGridDrawState expected = 0;
        if (p.Col == 0 || p.Row == 0)
            expected = gdFixed;
        else {
            if (p.Col >= 2 && p.Col <= 3 && p.Row >= 2 && p.Row <= 3) expected |= gdSelected;
            if (p.Col == 3 && p.Row == 3) expected |= gdFocused;
        }
        EXPECT_EQ(p.State, expected);
    }
    for (const auto& [cell, count] : seen) EXPECT_EQ(count, 1);
    EXPECT_EQ(seen.count({1, 1}), 0u) << "scrolled-out cells are not drawn";
}

TEST(GridBasePaint, InvalidationRepaintsOnlyTheCellsAsked)
{
    FixtureGrid g;
    setUpGrid(g);
    QTest::qWait(20);
    struct Case {
        const char* name;
        std::function<void()> invalidate;
        std::set<std::pair<int, int>> cells;
    };
    const Case cases[] = {
        {"one cell", [&] { g.InvalidateCell(2, 3); }, {{2, 3}}},
        {"one row", [&] { g.InvalidateRow(2); }, {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}}},
        {"a block", [&] { g.InvalidateGridRect({2, 2, 3, 3}); }, {{2, 2}, {3, 2}, {2, 3}, {3, 3}}},
        {"a scrolled-out cell", [&] { g.InvalidateCell(1, 20); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g.ClearRecords();
        c.invalidate();
        QTest::qWait(20);
        std::set<std::pair<int, int>> painted;
        for (const auto& p : g.PaintedCells) painted.insert({p.Col, p.Row});
        EXPECT_EQ(painted, c.cells);
    }
}

// ---------------------------------------------------------------- sizing and moving

TEST(GridBaseMouse, ColumnAndRowSizingNearTheBorders)
{
    struct Case {
        const char* name;
        TGridOptions options;
        QPoint press, release;
        int col, width, row, height;
    };
    // Column 1's right border is at x = 81, row 1's bottom border at y = 41.
    const Case cases[] = {
        {"column border, 3 px to the left", goColSizing, {78, 10}, {98, 10}, 1, 70, -1, 0},
        {"column border, on the line", goColSizing, {81, 5}, {61, 5}, 1, 30, -1, 0},
        {"4 px away: no sizing", goColSizing, {77, 10}, {97, 10}, 1, 50, -1, 0},
        {"outside the fixed rows: no sizing", goColSizing, {81, 30}, {101, 30}, 1, 50, -1, 0},
        {"without goColSizing: no sizing", 0, {81, 10}, {101, 10}, 1, 50, -1, 0},
        {"sizing never goes below zero", goColSizing, {81, 10}, {0, 10}, 1, 0, -1, 0},
        {"row border", goRowSizing, {10, 41}, {10, 51}, -1, 0, 1, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FixtureGrid g;
        setUpGrid(g);
        g.SetOptions(g.Options() | c.options);
        sendMouse(g, QEvent::MouseButtonPress, c.press);
        sendMouse(g, QEvent::MouseMove, c.release);
        sendMouse(g, QEvent::MouseButtonRelease, c.release);
        if (c.col >= 0) {
            EXPECT_EQ(g.ColWidths(c.col), c.width);
        }
        if (c.row >= 0) {
            EXPECT_EQ(g.RowHeights(c.row), c.height);
        }
        EXPECT_EQ(g.GridState(), gsNormal);
    }
}

TEST(GridBaseMouse, ColumnAndRowMovingInTheFixedCells)
{
    FixtureGrid g;
    setUpGrid(g);
    g.SetOptions(g.Options() | goColMoving | goRowMoving);
    g.SetColWidths(2, 40);
    QList<QPoint> moved;
    g.OnColumnMoved = [&](QObject*, int from, int to) { moved << QPoint(from, to); };
    g.OnRowMoved = [&](QObject*, int from, int to) { moved << QPoint(-from, -to); };
    g.MoveColRow(2, 3, true, true);

    // Press on the header of column 2, release over column 3.
    sendMouse(g, QEvent::MouseButtonPress, {100, 10});
    EXPECT_EQ(g.GridState(), gsColMoving);
    sendMouse(g, QEvent::MouseMove, {150, 10});
    sendMouse(g, QEvent::MouseButtonRelease, {150, 10});
    EXPECT_EQ(moved, QList<QPoint>{QPoint(2, 3)});
    EXPECT_EQ(g.ColWidths(3), 40) << "the width moves with the column";
    EXPECT_EQ(g.ColWidths(2), 50);
    EXPECT_EQ(g.Col(), 3) << "the current cell moves with its column";

    moved.clear();
    sendMouse(g, QEvent::MouseButtonPress, {10, 30});  // row header of row 1
    EXPECT_EQ(g.GridState(), gsRowMoving);
    sendMouse(g, QEvent::MouseMove, {10, 70});
    sendMouse(g, QEvent::MouseButtonRelease, {10, 70});
    EXPECT_EQ(moved, QList<QPoint>{QPoint(-1, -3)});
    EXPECT_EQ(g.Row(), 2) << "row 3 moved up by one";

    moved.clear();
    sendMouse(g, QEvent::MouseButtonPress, {100, 10});
    sendMouse(g, QEvent::MouseButtonRelease, {100, 10});
    EXPECT_TRUE(moved.isEmpty()) << "dropped on itself: no move";
}

TEST(GridBaseMouse, ClickSelectsAndDragExtendsWithAutoScroll)
{
    FixtureGrid g;
    setUpGrid(g);
    int clicks = 0;
    g.OnClick = [&](QObject*) { ++clicks; };
    sendMouse(g, QEvent::MouseButtonPress, {40, 30});  // cell (1, 1)
    EXPECT_EQ(g.GridState(), gsSelecting);
    sendMouse(g, QEvent::MouseMove, {140, 70});  // cell (3, 3)
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 3, 3}));
    EXPECT_EQ(g.Col(), 1) << "the pressed cell stays current";

    sendMouse(g, QEvent::MouseMove, {140, 200});  // below the client area
    g.ScrollTimerTick();
    g.ScrollTimerTick();
    EXPECT_EQ(g.TopRow(), 3);
    EXPECT_EQ(g.Selection().Bottom, 3 + g.VisibleRowCount() - 1);
    sendMouse(g, QEvent::MouseButtonRelease, {140, 120});
    EXPECT_EQ(g.GridState(), gsNormal);
    EXPECT_EQ(clicks, 1);
    const int top = g.TopRow();
    g.ScrollTimerTick();
    EXPECT_EQ(g.TopRow(), top) << "the timer does nothing after the release";

    // Shift+click extends from the anchor.
    sendMouse(g, QEvent::MouseButtonPress, {40, 30}, Qt::LeftButton, Qt::NoModifier);
    sendMouse(g, QEvent::MouseButtonRelease, {40, 30});
    const TGridCoord current{g.Col(), g.Row()};
    sendMouse(g, QEvent::MouseButtonPress, {90, 50}, Qt::LeftButton, Qt::ShiftModifier);
    sendMouse(g, QEvent::MouseButtonRelease, {90, 50}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ((TGridCoord{g.Col(), g.Row()}), current);
    EXPECT_EQ(g.Selection().Right, 2);
}

TEST(GridBaseMouse, EventsOfPressReleaseAndDoubleClick)
{
    FixtureGrid g;
    setUpGrid(g);
    QStringList events;
    g.OnMouseDown = [&](QObject*, TMouseButton b, TShiftState s, int x, int y) {
        events << QStringLiteral("down %1 %2 %3,%4").arg(int(b)).arg(s & (ssShift | ssDouble)).arg(x).arg(y);
    };
    g.OnMouseUp = [&](QObject*, TMouseButton b, TShiftState, int x, int y) {
        events << QStringLiteral("up %1 %2,%3").arg(int(b)).arg(x).arg(y);
    };
    g.OnClick = [&](QObject*) { events << "click"; };
    g.OnDblClick = [&](QObject*) { events << "dblclick"; };
    sendMouse(g, QEvent::MouseButtonPress, {90, 50});
    sendMouse(g, QEvent::MouseButtonRelease, {90, 50});
    sendMouse(g, QEvent::MouseButtonDblClick, {90, 50});
    sendMouse(g, QEvent::MouseButtonRelease, {90, 50});
    sendMouse(g, QEvent::MouseButtonPress, {90, 50}, Qt::RightButton);
    EXPECT_EQ(events, (QStringList{"down 0 0 90,50", "click", "up 0 90,50", "dblclick",
                                   QStringLiteral("down 0 %1 90,50").arg(ssDouble), "up 0 90,50", "down 1 0 90,50"}));
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 2);
}

// ---------------------------------------------------------------- editor mode

TEST(GridBaseEditor, EnterShowsAndHidesHandingTheTextBack)
{
    FixtureGrid g;
    setUpGrid(g);
    g.SetOptions(g.Options() | goEditing);
    QTest::keyClick(&g, Qt::Key_Return);
    EXPECT_EQ(g.Calls, (QStringList{"MayShowEditor", "EditTextOfCell(1,1)", "EditLengthLimit"}));
    ASSERT_TRUE(g.EditorMode());
    auto* edit = qobject_cast<QLineEdit*>(g.InplaceEditor());
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), "start");
    EXPECT_EQ(edit->geometry(), g.CellRect(1, 1).toQRect());

    g.ClearRecords();
    QTest::keyClicks(edit, "abc");  // replaces the selected start text
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(g.Calls, QStringList{"AcceptEditText(1,1,abc)"});
    EXPECT_FALSE(g.EditorMode());
    EXPECT_FALSE(edit->isVisible());
}

TEST(GridBaseEditor, TypedCharacterF2ArrowsAndEscape)
{
    FixtureGrid g;
    setUpGrid(g);
    g.SetOptions(g.Options() | goEditing);
    QString written;
    g.OnSetEditText = [&](QObject*, int, int, const QString& v) { written = v; };

    QTest::keyClick(&g, Qt::Key_Q);
    auto* edit = qobject_cast<QLineEdit*>(g.InplaceEditor());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "q") << "the typed character replaces the start text";

    // An arrow in the editor: the move is asked first, then the text is handed back.
    g.ClearRecords();
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(g.Calls, (QStringList{"CanSelectCell(1,2)", "AcceptEditText(1,1,q)"}));
    EXPECT_EQ(written, "q");
    EXPECT_EQ(g.Row(), 2);
    EXPECT_FALSE(g.EditorMode());

    g.SetOptions(g.Options() | goTabs);
    QTest::keyClick(&g, Qt::Key_F2);
    g.ClearRecords();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(g.Calls, (QStringList{"CanSelectCell(2,2)", "AcceptEditText(1,2,start)"})) << "goTabs: Tab moves on";
    QTest::keyClick(&g, Qt::Key_Left);

    QTest::keyClick(&g, Qt::Key_F2);
    ASSERT_TRUE(g.EditorMode());
    QTest::keyClicks(edit, "zz");
    g.ClearRecords();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(g.Calls.last(), "AcceptEditText(1,2,start)") << "Escape hands back the text the edit started with";
    EXPECT_FALSE(g.EditorMode());
}

TEST(GridBaseEditor, AlwaysShownEditorFollowsTheCurrentCell)
{
    FixtureGrid g;
    setUpGrid(g);
    g.SetOptions(g.Options() | goEditing | goAlwaysShowEditor);
    ASSERT_TRUE(g.EditorMode());
    EXPECT_EQ(g.InplaceCol(), 1);
    g.ClearRecords();
    QTest::keyClick(g.InplaceEditor(), Qt::Key_Down);
    EXPECT_EQ(g.Calls, (QStringList{"CanSelectCell(1,2)", "MayShowEditor", "AcceptEditText(1,1,start)",
                                    "EditTextOfCell(1,2)", "EditLengthLimit"}));
    EXPECT_TRUE(g.EditorMode());
    EXPECT_EQ(g.InplaceRow(), 2);
    EXPECT_EQ(g.InplaceEditor()->geometry(), g.CellRect(1, 2).toQRect());
}

TEST(GridBaseEditor, RefusedOrNotEditableNeverShows)
{
    FixtureGrid g;
    setUpGrid(g);
    QTest::keyClick(&g, Qt::Key_Return);
    EXPECT_FALSE(g.EditorMode()) << "without goEditing";
    EXPECT_FALSE(g.Calls.contains("EditTextOfCell(1,1)"));

    g.SetOptions(g.Options() | goEditing);
    g.AllowEditor = false;
    g.ClearRecords();
    QTest::keyClick(&g, Qt::Key_F2);
    EXPECT_EQ(g.Calls, QStringList{"MayShowEditor"});
    EXPECT_FALSE(g.EditorMode());
    EXPECT_TRUE(g.InplaceEditor() == nullptr || !g.InplaceEditor()->isVisible());

    g.AllowEditor = true;
    g.SetOptions(g.Options() | goRowSelect);
    QTest::keyClick(&g, Qt::Key_F2);
    EXPECT_FALSE(g.EditorMode()) << "row selection never edits";
}

TEST(GridBaseEditor, ClickOnTheCurrentCellEditsAndScrollingMovesTheEditor)
{
    FixtureGrid g;
    setUpGrid(g);
    g.SetOptions(g.Options() | goEditing);
    sendMouse(g, QEvent::MouseButtonPress, {90, 50});  // (2, 2): becomes current
    sendMouse(g, QEvent::MouseButtonRelease, {90, 50});
    EXPECT_FALSE(g.EditorMode());
    sendMouse(g, QEvent::MouseButtonPress, {90, 50});
    sendMouse(g, QEvent::MouseButtonRelease, {90, 50});
    ASSERT_TRUE(g.EditorMode());
    g.SetTopRow(2);
    EXPECT_EQ(g.InplaceEditor()->geometry(), g.CellRect(2, 2).toQRect());
    g.SetTopRow(5);
    EXPECT_FALSE(g.InplaceEditor()->isVisible()) << "its cell scrolled out of view";
    g.SetTopRow(1);
    EXPECT_TRUE(g.InplaceEditor()->isVisible());
    g.ClearRecords();
    sendMouse(g, QEvent::MouseButtonPress, {140, 30});  // another cell: the edit ends first
    EXPECT_EQ(g.Calls.first(), "AcceptEditText(2,2,start)");
    EXPECT_EQ(g.Col(), 3);
}

}  // namespace grid_base_tests

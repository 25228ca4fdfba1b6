#include <gtest/gtest.h>

#include <functional>
#include <algorithm>
#include <string>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/text/grid_text_test_settings.h"
#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using input_test::GridUnderTest;
using platform::goEditing;
using platform::goRangeSelect;
using platform::goRowSelect;
using platform::goTabs;

// ------------------------------------------------------------ navigation keys

namespace {

struct KeyCase {
    const char* name;
    std::function<void(TExStringGrid&)> setup;
    QPoint start;
    int key;
    Qt::KeyboardModifiers mods;
    QPoint expected;
};

}  // namespace

TEST(InputKeys, NavigationKeysFollowTheNavigationSettings)
{
    // Grid: 6 columns x 12 rows, one fixed row and column.
    const KeyCase cases[] = {
        {"Home, first/last cell", [](TExStringGrid& g) { g.Navigation().HomeEndKey = heFirstLastCell; }, {3, 5},
         Qt::Key_Home, Qt::NoModifier, {1, 1}},
        {"End, first/last cell", [](TExStringGrid& g) { g.Navigation().HomeEndKey = heFirstLastCell; }, {3, 5},
         Qt::Key_End, Qt::NoModifier, {5, 11}},
        {"End, first/last cell with fixed footer rows and fixed right columns",
         [](TExStringGrid& g) {
             g.Navigation().HomeEndKey = heFirstLastCell;
             g.SetFixedFooters(2);
             g.SetFixedRightCols(1);
         },
         {3, 5}, Qt::Key_End, Qt::NoModifier, {5, 11}},
        {"Ctrl+End stops above a fixed footer row", [](TExStringGrid& g) { g.SetFixedFooters(1); }, {3, 5},
         Qt::Key_End, Qt::ControlModifier, {5, 10}},
        {"Ctrl+End stops above the floating footer's row",
         [](TExStringGrid& g) { g.FloatingFooter().SetVisible(true); }, {3, 5}, Qt::Key_End, Qt::ControlModifier,
         {5, 10}},
        {"Ctrl+End with a floating column preview reaches the last row",
         [](TExStringGrid& g) {
             g.FloatingFooter().SetFooterStyle(fsColumnPreview);
             g.FloatingFooter().SetVisible(true);
         },
         {3, 5}, Qt::Key_End, Qt::ControlModifier, {5, 11}},
        {"Home, first/last column", [](TExStringGrid&) {}, {3, 5}, Qt::Key_Home, Qt::NoModifier, {1, 5}},
        {"End, first/last column", [](TExStringGrid&) {}, {3, 5}, Qt::Key_End, Qt::NoModifier, {5, 5}},
        {"Ctrl+Home, first/last column", [](TExStringGrid&) {}, {3, 5}, Qt::Key_Home, Qt::ControlModifier, {1, 1}},
        {"Home, first/last row", [](TExStringGrid& g) { g.Navigation().HomeEndKey = heFirstLastRow; }, {3, 5},
         Qt::Key_Home, Qt::NoModifier, {3, 1}},
        {"End, first/last row with a fixed footer",
         [](TExStringGrid& g) {
             g.Navigation().HomeEndKey = heFirstLastRow;
             g.SetFixedFooters(1);
         },
         {3, 5}, Qt::Key_End, Qt::NoModifier, {3, 10}},
        {"Right at the edge, default", [](TExStringGrid&) {}, {5, 4}, Qt::Key_Right, Qt::NoModifier, {5, 4}},
        {"Right at the edge, loop", [](TExStringGrid& g) { g.Navigation().CursorAdvance = caLoop; }, {5, 4},
         Qt::Key_Right, Qt::NoModifier, {1, 4}},
        {"Right at the edge, snake", [](TExStringGrid& g) { g.Navigation().CursorAdvance = caSnake; }, {5, 4},
         Qt::Key_Right, Qt::NoModifier, {1, 5}},
        {"Left at the edge, snake", [](TExStringGrid& g) { g.Navigation().CursorAdvance = caSnake; }, {1, 4},
         Qt::Key_Left, Qt::NoModifier, {5, 3}},
        {"Down at the edge, loop", [](TExStringGrid& g) { g.Navigation().CursorAdvance = caLoop; }, {2, 11},
         Qt::Key_Down, Qt::NoModifier, {2, 1}},
        {"Up at the edge, snake", [](TExStringGrid& g) { g.Navigation().CursorAdvance = caSnake; }, {3, 1},
         Qt::Key_Up, Qt::NoModifier, {2, 11}},
        {"Right jumps over a cell drawn as fixed",
         [](TExStringGrid& g) {
             g.OnIsFixedCell = [](QObject*, int, int col, bool& fixed) { fixed = col == 2; };
         },
         {1, 4}, Qt::Key_Right, Qt::NoModifier, {3, 4}},
        {"Left jumps over a cell drawn as fixed",
         [](TExStringGrid& g) {
             g.OnIsFixedCell = [](QObject*, int, int col, bool& fixed) { fixed = col == 2 || col == 3; };
         },
         {4, 4}, Qt::Key_Left, Qt::NoModifier, {1, 4}},
        {"Scroll-only Down keeps the cell", [](TExStringGrid& g) { g.Navigation().MoveScrollOnly = true; }, {2, 4},
         Qt::Key_Down, Qt::NoModifier, {2, 4}},
        {"Scroll-only Left still moves", [](TExStringGrid& g) { g.Navigation().MoveScrollOnly = true; }, {2, 4},
         Qt::Key_Left, Qt::NoModifier, {1, 4}},
        {"Page Down", [](TExStringGrid&) {}, {2, 1}, Qt::Key_PageDown, Qt::NoModifier, {2, -1}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t;
        c.setup(*t.g);
        t.goTo(c.start.x(), c.start.y());
        t.key(c.key, c.mods);
        if (c.expected.y() == -1) {
            // Page Down: one page further.
            EXPECT_EQ(t.g->Row(), std::min(11, 1 + t.g->VisibleRowCount()));
            EXPECT_EQ(t.g->Col(), 2);
        } else {
            EXPECT_EQ(t.cell(), c.expected);
        }
    }
}

TEST(InputKeys, ScrollOnlyKeysMoveTheTopRowWithoutKeyDownEvents)
{
    GridUnderTest t(6, 40);
    t.g->Navigation().MoveScrollOnly = true;
    int keyDowns = 0;
    t.g->OnKeyDown = [&](QObject*, platform::Word&, platform::TShiftState) { ++keyDowns; };
    t.goTo(2, 3);
    t.key(Qt::Key_Down);
    EXPECT_EQ(t.g->TopRow(), 2);
    t.key(Qt::Key_End);
    EXPECT_EQ(t.g->TopRow(), 40 - t.g->VisibleRowCount());
    const int end = t.g->TopRow();
    t.key(Qt::Key_Down);  // already at the end
    EXPECT_EQ(t.g->TopRow(), end);
    t.key(Qt::Key_Home);
    EXPECT_EQ(t.g->TopRow(), 1);
    EXPECT_EQ(t.cell(), QPoint(2, 3));
    EXPECT_EQ(keyDowns, 0);
}

TEST(InputKeys, ShiftEndSelectsToTheEndOfTheRowAndFiresSelectionChanged)
{
    GridUnderTest t;
    std::vector<platform::TGridRect> changes;
    t.g->OnSelectionChanged = [&](QObject*, int l, int tp, int r, int b) { changes.push_back({l, tp, r, b}); };
    t.goTo(2, 4);
    t.key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(t.g->Selection(), (platform::TGridRect{2, 4, 5, 4}));
    EXPECT_EQ(t.cell(), QPoint(2, 4));
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), (platform::TGridRect{2, 4, 5, 4}));
}

TEST(InputKeys, ArrowDownOnTheLastRowAppendsARowWhenAsked)
{
    GridUnderTest t;
    t.g->Navigation().AppendOnArrowDown = true;
    int added = -1;
    t.g->OnAutoAddRow = [&](QObject*, int row) { added = row; };
    t.goTo(2, 11);
    t.key(Qt::Key_Down);
    EXPECT_EQ(t.g->RowCount(), 13);
    EXPECT_EQ(added, 12);
    EXPECT_EQ(t.cell(), QPoint(2, 12));
    EXPECT_EQ(t.g->GetCellEx(2, 12), "");

    // OnCanAddRow refusing: nothing is added.
    t.g->OnCanAddRow = [](QObject*, bool& canAdd) { canAdd = false; };
    t.key(Qt::Key_Down);
    EXPECT_EQ(t.g->RowCount(), 13);
}

TEST(InputKeys, CtrlArrowsMoveTheSelectedRowsWithCursorMoveRows)
{
    GridUnderTest t;
    t.g->Navigation().CursorMoveRows = true;
    t.g->SetSelection({1, 3, 5, 5});  // three rows
    t.key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(t.g->GetCellEx(1, 3), "1,6");
    EXPECT_EQ(t.g->GetCellEx(1, 4), "1,3");
    EXPECT_EQ(t.g->GetCellEx(1, 6), "1,5");
    EXPECT_EQ(t.g->Selection().Top, 4);
    EXPECT_EQ(t.g->Selection().Bottom, 6);

    t.goTo(2, 5);
    t.key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(t.g->GetCellEx(1, 4), "1,4");  // the row of "1,4" came up from 5
    EXPECT_EQ(t.g->Row(), 4);
}

// ------------------------------------------------------------ editing and row keys

TEST(InputKeys, EnterAndF2OnAReadOnlyCellAreSwallowedWithOneKeyDown)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->SetReadOnly(2, 3, true);
    int keyDowns = 0;
    t.g->OnKeyDown = [&](QObject*, platform::Word&, platform::TShiftState) { ++keyDowns; };
    t.goTo(2, 3);
    t.key(Qt::Key_Return);
    EXPECT_EQ(keyDowns, 1);
    EXPECT_FALSE(t.g->EditorMode());
    t.key(Qt::Key_F2);
    EXPECT_EQ(keyDowns, 2);
    EXPECT_FALSE(t.g->EditorMode());
}

TEST(InputKeys, InsertAndDeleteRowKeys)
{
    struct Case {
        const char* name;
        TInsertPosition position;
        int expectedRow;
        QString cellAtOldRow;
    };
    const Case cases[] = {
        {"insert before", pInsertBefore, 4, ""},
        {"insert after", pInsertAfter, 5, "1,4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t;
        t.g->Navigation().AllowInsertRow = true;
        t.g->Navigation().InsertPosition = c.position;
        int inserted = -1;
        t.g->OnAutoInsertRow = [&](QObject*, int row) { inserted = row; };
        t.goTo(1, 4);
        t.key(Qt::Key_Insert);
        EXPECT_EQ(t.g->RowCount(), 13);
        EXPECT_EQ(t.g->Row(), c.expectedRow);
        EXPECT_EQ(t.g->GetCellEx(1, 4), c.cellAtOldRow);
        EXPECT_EQ(inserted, c.expectedRow);
        EXPECT_TRUE(t.g->GridModified());
    }

    GridUnderTest t;
    t.g->Navigation().AllowInsertRow = true;
    t.g->OnCanInsertRow = [](QObject*, int, bool& can) { can = false; };
    t.goTo(1, 4);
    t.key(Qt::Key_Insert);
    EXPECT_EQ(t.g->RowCount(), 12);

    t.g->Navigation().AllowDeleteRow = true;
    bool refuse = true;
    int asked = -1;
    t.g->OnCanDeleteRow = [&](QObject*, int row, bool& can) {
        asked = row;
        can = !refuse;
    };
    t.key(Qt::Key_Delete);
    EXPECT_EQ(asked, 4);
    EXPECT_EQ(t.g->RowCount(), 12);
    refuse = false;
    t.key(Qt::Key_Delete);
    EXPECT_EQ(t.g->RowCount(), 11);
    EXPECT_EQ(t.g->GetCellEx(1, 4), "1,5");
}

TEST(InputKeys, CtrlASelectsEveryNormalCellAndLeavesTheCursorOnTheLast)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goRangeSelect);
    t.goTo(2, 2);
    t.key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(t.g->Selection(), (platform::TGridRect{1, 1, 5, 11}));
    EXPECT_EQ(t.cell(), QPoint(5, 11));

    GridUnderTest plain;
    plain.g->SetOptions(plain.g->Options() & ~(goRangeSelect | goRowSelect));
    plain.goTo(2, 2);
    plain.key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(plain.g->Selection(), (platform::TGridRect{2, 2, 2, 2}));
}

TEST(InputKeys, ClipboardShortcutsActOnceAndTypeNothing)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing | goRangeSelect);
    t.g->Navigation().AllowClipboardShortCuts = true;
    t.g->SetSelection({1, 1, 2, 2});
    t.key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1,1\t2,1\r\n1,2\t2,2\r\n");
    EXPECT_FALSE(t.g->EditorMode());

    t.goTo(3, 5);
    t.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(t.g->GetCellEx(3, 5), "1,1");
    EXPECT_EQ(t.g->GetCellEx(4, 6), "2,2");
    EXPECT_FALSE(t.g->EditorMode());

    t.goTo(1, 1);
    t.key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(t.g->GetCellEx(1, 1), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "1,1");

    // A refusing event leaves the clipboard alone.
    t.g->OnClipboardCopy = [](QObject*, bool& allow) { allow = false; };
    t.goTo(2, 2);
    t.key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1,1");
}

TEST(InputKeys, PasteWithTheSmartClipboardRepeatsAOneRowBlockDownTheSelection)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing | goRangeSelect);
    t.g->Navigation().AllowClipboardShortCuts = true;
    t.g->Navigation().AllowSmartClipboard = true;
    QApplication::clipboard()->setText("a\tb");
    t.g->SetSelection({1, 1, 2, 3});
    t.key(Qt::Key_V, Qt::ControlModifier);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(t.g->GetCellEx(1, r), "a") << r;
        EXPECT_EQ(t.g->GetCellEx(2, r), "b") << r;
    }
    EXPECT_EQ(t.g->GetCellEx(1, 4), "1,4");
    EXPECT_EQ(t.g->Selection(), (platform::TGridRect{1, 1, 2, 3}));
}

TEST(InputKeys, SpaceTogglesDataCheckBoxesOnlyWhenActive)
{
    struct Case {
        const char* name;
        bool editing;
        bool alwaysActive;
        QString expected;
    };
    const Case cases[] = {
        {"editing grid", true, false, "Y"},
        {"no editing", false, false, "N"},
        {"no editing, always active", false, true, "Y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t;
        if (c.editing) t.g->SetOptions(t.g->Options() | goEditing);
        t.g->ControlLook().CheckAlwaysActive = c.alwaysActive;
        t.g->SetCellEx(2, 3, "N");
        t.g->AddCheckBox(2, 3, false, true);
        std::vector<bool> clicks;
        t.g->OnCheckBoxClick = [&](QObject*, int, int, bool state) { clicks.push_back(state); };
        t.goTo(2, 3);
        t.key(Qt::Key_Space);
        EXPECT_EQ(t.g->GetCellEx(2, 3), c.expected);
        EXPECT_EQ(clicks.size(), c.expected == "Y" ? 1u : 0u);
        EXPECT_FALSE(t.g->EditorMode());  // a check box cell never opens the editor
        t.key(Qt::Key_Return);
        EXPECT_EQ(t.g->GetCellEx(2, 3), c.expected);  // Enter never toggles
    }
}

TEST(InputKeys, EnterAndSpaceClickACellButton)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    auto g = std::make_unique<TCellGraphic>();
    g->SetButton(40, 16, "Go", haCenter, vaCenter);
    t.g->SetGraphicObjectEx(3, 2, std::move(g));
    int clicks = 0;
    t.g->OnButtonClick = [&](QObject*, int col, int row) {
        EXPECT_EQ(col, 3);
        EXPECT_EQ(row, 2);
        ++clicks;
    };
    t.goTo(3, 2);
    t.key(Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    t.key(Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
}

TEST(InputKeys, DisjunctRowSelectionFollowsTheKeys)
{
    GridUnderTest t;
    t.g->MouseActions().SetDisjunctRowSelect(true);
    t.goTo(1, 3);
    t.key(Qt::Key_Space);
    EXPECT_TRUE(t.g->RowSelect(3));
    t.key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_TRUE(t.g->RowSelect(3));
    t.key(Qt::Key_Down);
    EXPECT_FALSE(t.g->RowSelect(3));
}

// ------------------------------------------------------------ Tab and Enter advance

namespace {

struct TabCase {
    const char* name;
    std::function<void(TExStringGrid&)> setup;
    QPoint start;
    bool backward;
    QPoint expected;
};

}  // namespace

TEST(InputAdvance, TabMovesByTheTabSettings)
{
    auto editing = [](TExStringGrid& g) {
        g.SetOptions(g.Options() | goEditing | goTabs);
        g.Navigation().AdvanceAutoEdit = false;
    };
    const TabCase cases[] = {
        {"next column", editing, {1, 1}, false, {2, 1}},
        {"end of row to the next row", editing, {5, 1}, false, {1, 2}},
        {"last cell wraps to the first row", editing, {5, 11}, false, {1, 1}},
        {"Shift+Tab to the previous column", editing, {3, 2}, true, {2, 2}},
        {"Shift+Tab from the first column", editing, {1, 2}, true, {5, 1}},
        {"read-only column is skipped",
         [&](TExStringGrid& g) {
             editing(g);
             for (int r = 0; r < g.RowCount(); ++r) g.SetReadOnly(2, r, true);
         },
         {1, 4}, false, {3, 4}},
        {"OnSelectCell refusing makes no tab stop",
         [&](TExStringGrid& g) {
             editing(g);
             g.OnSelectCell = [](QObject*, int col, int, bool& can) { can = col != 2; };
         },
         {1, 4}, false, {3, 4}},
        {"top to bottom",
         [&](TExStringGrid& g) {
             editing(g);
             g.Navigation().TabAdvanceDirection = adTopBottom;
         },
         {2, 4}, false, {2, 5}},
        {"top to bottom at the last row",
         [&](TExStringGrid& g) {
             editing(g);
             g.Navigation().TabAdvanceDirection = adTopBottom;
         },
         {2, 11}, false, {3, 1}},
        {"no editable cell: Tab stays",
         [&](TExStringGrid& g) {
             editing(g);
             g.OnCanEditCell = [](QObject*, int, int, bool& can) { can = false; };
         },
         {2, 4}, false, {2, 4}},
    };
    for (const TabCase& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t;
        c.setup(*t.g);
        t.goTo(c.start.x(), c.start.y());
        t.key(c.backward ? Qt::Key_Backtab : Qt::Key_Tab, c.backward ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(t.cell(), c.expected);
    }
}

TEST(InputAdvance, TabAppendsARowAtTheEndWithAdvanceInsert)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing | goTabs);
    t.g->Navigation().AdvanceAutoEdit = false;
    t.g->Navigation().SetAdvanceInsert(true);
    int added = -1;
    t.g->OnAutoAddRow = [&](QObject*, int row) { added = row; };
    t.goTo(5, 11);
    t.key(Qt::Key_Tab);
    EXPECT_EQ(t.g->RowCount(), 13);
    EXPECT_EQ(added, 12);
    EXPECT_EQ(t.cell(), QPoint(1, 12));
}

TEST(InputAdvance, TabWithAutoEditOpensTheEditorAndTabToNextAtEndLeavesTheGrid)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing | goTabs);
    t.goTo(1, 1);
    t.key(Qt::Key_Tab);
    EXPECT_EQ(t.cell(), QPoint(2, 1));
    EXPECT_TRUE(t.g->EditorMode());

    GridUnderTest u;
    auto* next = new QLineEdit(u.form.get());
    next->setGeometry(0, 400, 100, 20);
    next->show();
    u.g->SetOptions(u.g->Options() | goTabs);
    u.g->Navigation().TabToNextAtEnd = true;
    u.g->setFocus();
    u.goTo(5, 11);
    QApplication::processEvents();
    u.key(Qt::Key_Tab);
    EXPECT_EQ(u.cell(), QPoint(1, 1));
    EXPECT_TRUE(next->hasFocus() || QApplication::focusWidget() == next);
}

namespace {

struct AdvanceCase {
    const char* name;
    std::function<void(TExStringGrid&)> setup;
    QPoint start;
    QPoint expected;
    int rowCount;
};

}  // namespace

TEST(InputAdvance, EnterAdvanceFollowsTheDirectionAndItsOptions)
{
    auto nav = [](TAdvanceDirection dir, bool loop, bool insert) {
        return [=](TExStringGrid& g) {
            g.SetOptions(g.Options() | goEditing);
            g.Navigation().AdvanceOnEnter = true;
            g.Navigation().SetAdvanceDirection(dir);
            g.Navigation().AdvanceOnEnterLoop = loop;
            g.Navigation().SetAdvanceInsert(insert);
        };
    };
    const AdvanceCase cases[] = {
        {"left-right, next column", nav(adLeftRight, true, false), {2, 3}, {3, 3}, 12},
        {"left-right, end of row", nav(adLeftRight, true, false), {5, 3}, {1, 4}, 12},
        {"left-right, last cell without loop stays", nav(adLeftRight, false, false), {5, 11}, {5, 11}, 12},
        {"left-right, last cell with loop", nav(adLeftRight, true, false), {5, 11}, {1, 1}, 12},
        {"left-right, last cell with insert", nav(adLeftRight, false, true), {5, 11}, {1, 12}, 13},
        {"in row, loop", nav(adLeftRightInRow, true, false), {5, 7}, {1, 7}, 12},
        {"in row, no loop", nav(adLeftRightInRow, false, false), {5, 7}, {5, 7}, 12},
        {"top-bottom, next row", nav(adTopBottom, true, false), {2, 3}, {2, 4}, 12},
        {"top-bottom, last row", nav(adTopBottom, true, false), {2, 11}, {3, 1}, 12},
        {"top-bottom in column, last row", nav(adTopBottomInCol, false, false), {2, 11}, {2, 1}, 12},
        {"read-only column skipped",
         [&](TExStringGrid& g) {
             nav(adLeftRight, true, false)(g);
             for (int r = 0; r < g.RowCount(); ++r) g.SetReadOnly(3, r, true);
         },
         {2, 3}, {4, 3}, 12},
        {"insert refused: first column of the same row",
         [&](TExStringGrid& g) {
             nav(adLeftRight, false, true)(g);
             g.OnCanAddRow = [](QObject*, bool& can) { can = false; };
         },
         {5, 11}, {1, 11}, 12},
    };
    for (const AdvanceCase& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t;
        c.setup(*t.g);
        t.goTo(c.start.x(), c.start.y());
        t.g->AdvanceAfterEdit(c.start.x(), c.start.y(), false, false, true, false, false);
        EXPECT_EQ(t.cell(), c.expected);
        EXPECT_EQ(t.g->RowCount(), c.rowCount);
    }
}

TEST(InputAdvance, SkippingReadOnlyCellsStopsAfterOneCycle)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->Navigation().AdvanceOnEnter = true;
    t.g->Navigation().AdvanceOnEnterLoop = true;
    t.g->Navigation().AdvanceSkipReadOnlyCells = true;
    t.g->OnCanEditCell = [](QObject*, int, int, bool& can) { can = false; };
    t.goTo(3, 4);
    t.g->AdvanceAfterEdit(3, 4, false, false, true, false, false);  // must return
    EXPECT_EQ(t.cell(), QPoint(3, 4));
}

TEST(InputAdvance, OnAutoAdvanceSeesTheCellWhereTheEditEndedAndMayRedirect)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->Navigation().AdvanceOnEnter = true;
    for (int r = 0; r < t.g->RowCount(); ++r) t.g->SetReadOnly(3, r, true);
    QPoint old(-1, -1);
    t.g->OnAutoAdvance = [&](QObject*, int oldRow, int oldCol, int& newRow, int&, bool&) {
        old = QPoint(oldCol, oldRow);
        newRow = 6;
    };
    t.goTo(2, 3);
    t.g->AdvanceAfterEdit(2, 3, false, false, true, false, false);
    EXPECT_EQ(old, QPoint(2, 3));
    EXPECT_EQ(t.cell(), QPoint(4, 6));

    t.g->OnAutoAdvance = [](QObject*, int, int, int&, int&, bool& allow) { allow = false; };
    t.g->AdvanceAfterEdit(4, 6, false, false, true, false, false);
    EXPECT_EQ(t.cell(), QPoint(4, 6));
}

TEST(InputAdvance, EnterOnACheckBoxCellAdvancesWithAdvanceOnEnter)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->Navigation().AdvanceOnEnter = true;
    t.g->Navigation().AdvanceAutoEdit = false;
    t.g->SetCellEx(2, 3, "N");
    t.g->AddCheckBox(2, 3, false, true);
    t.goTo(2, 3);
    t.key(Qt::Key_Return);
    EXPECT_EQ(t.cell(), QPoint(3, 3));
    EXPECT_EQ(t.g->GetCellEx(2, 3), "N");
}

// ------------------------------------------------------------ typing

TEST(InputChars, PrintableCharactersOpenTheEditorWithThemselves)
{
    struct Case {
        const char* name;
        QString typed;
        bool opens;
    };
    const Case cases[] = {
        {"letter", "a", true},
        {"digit", "7", true},
        {"space", " ", true},
        {"above 255", QString(QChar(0x20AC)), true},
        {"DEL", QString(QChar(0x7F)), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t;
        t.g->SetOptions(t.g->Options() | goEditing);
        QChar pressed;
        t.g->OnKeyPress = [&](QObject*, QChar& key) { pressed = key; };
        t.goTo(2, 3);
        QKeyEvent ev(QEvent::KeyPress, 0, Qt::NoModifier, c.typed);
        QApplication::sendEvent(t.g, &ev);
        EXPECT_EQ(t.g->EditorMode(), c.opens);
        if (c.opens) {
            // The editor got the character (whether it replaces the text is
            // the inline editor's selection rule).
            EXPECT_TRUE(t.editorText().endsWith(c.typed)) << t.editorText().toStdString();
            EXPECT_EQ(pressed, c.typed[0]);
            EXPECT_EQ(t.g->StartEditChar(), c.typed[0]);
        }
    }
}

TEST(InputChars, TypingOnAReadOnlyOrCheckBoxCellOpensNoEditor)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->SetReadOnly(2, 3, true);
    t.goTo(2, 3);
    t.type("a");
    EXPECT_FALSE(t.g->EditorMode());
    t.g->AddCheckBox(3, 3, false, true);
    t.goTo(3, 3);
    t.type("a");
    EXPECT_FALSE(t.g->EditorMode());
}

TEST(InputChars, RangeSelectAndEditSwitchesEditingOnByTyping)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() & ~goEditing);
    t.g->MouseActions().RangeSelectAndEdit = true;
    t.goTo(2, 3);
    t.type("x");
    EXPECT_TRUE(t.g->Options() & goEditing);
    EXPECT_TRUE(t.g->EditorMode());
    EXPECT_TRUE(t.editorText().endsWith("x"));
}

TEST(InputChars, TypeAheadFindsRowsAndForgetsAfterTheTimeOut)
{
    GridUnderTest t;
    t.g->Navigation().AutoGotoWhenSorted = true;
    t.g->Navigation().AutoGotoIncremental = true;
    const QStringList texts = {"Apple", "Abacus", "Banana", "Abc", "abcd"};
    for (int i = 0; i < texts.size(); ++i) t.g->SetCellEx(1, 1 + i, texts[i]);
    t.goTo(1, 1);
    t.type("b");
    EXPECT_EQ(t.g->Row(), 3);
    EXPECT_EQ(t.g->SearchInc(), "b");
    t.g->GridTimerTick();
    t.g->GridTimerTick();
    t.g->GridTimerTick();
    t.g->GridTimerTick();  // the tick that finds the count at 3
    EXPECT_EQ(t.g->SearchInc(), "");
    t.type("ab");
    EXPECT_EQ(t.g->Row(), 2);
    EXPECT_EQ(t.g->SearchInc(), "ab");
    t.type("c");
    EXPECT_EQ(t.g->Row(), 4);
    t.type("q");  // no match: the search text is dropped
    EXPECT_EQ(t.g->SearchInc(), "");
    EXPECT_EQ(t.g->Row(), 4);
    t.type("a");
    t.key(Qt::Key_Down);  // navigation keys forget the text on key-up
    EXPECT_EQ(t.g->SearchInc(), "");
}

TEST(InputChars, CtrlSpaceTogglesACellInTheDisjunctCellSelection)
{
    GridUnderTest t;
    t.g->MouseActions().SetDisjunctCellSelect(true);
    t.goTo(2, 3);
    t.key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(t.g->IsCellSelectedDisjunct(2, 3));
    t.key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(t.g->IsCellSelectedDisjunct(2, 3));
}

TEST(InputChars, NoGridErrorLeavesAKeyHandler)
{
    GridUnderTest t;
    t.g->OnKeyDown = [](QObject*, platform::Word&, platform::TShiftState) { throw EExGridError("boom"); };
    t.g->OnKeyPress = [](QObject*, QChar&) { throw EExGridError("boom"); };
    t.g->OnKeyUp = [](QObject*, platform::Word&, platform::TShiftState) { throw EExGridError("boom"); };
    EXPECT_NO_THROW(t.key(Qt::Key_Down));
    EXPECT_NO_THROW(t.type("a"));
}

TEST(InputChars, TypedTextGoesOnIntoTheOpenEditor)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.goTo(2, 3);
    for (QChar c : QStringLiteral("Temp")) {
        QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : t.g;
        QTest::keyClick(w, c.toLatin1());
    }
    EXPECT_TRUE(t.g->EditorMode());
    EXPECT_TRUE(t.editorText().endsWith("Temp")) << t.editorText().toStdString();
}

TEST(InputKeys, EnterSwitchesEditingOnForEditableCellsUnderRangeSelectAndEdit)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() & ~goEditing);
    t.g->MouseActions().RangeSelectAndEdit = true;
    t.g->SetReadOnly(3, 3, true);
    int keyDowns = 0;
    t.g->OnKeyDown = [&](QObject*, platform::Word&, platform::TShiftState) { ++keyDowns; };
    t.goTo(3, 3);
    t.key(Qt::Key_Return);
    EXPECT_FALSE(t.g->Options() & goEditing);
    EXPECT_EQ(keyDowns, 1);
    t.goTo(2, 3);
    t.key(Qt::Key_Return);
    EXPECT_TRUE(t.g->Options() & goEditing);
    EXPECT_TRUE(t.g->EditorMode());
}

TEST(InputChars, TheKeypadDecimalKeyTypesTheLocaleSeparator)
{
    grid_text_testing::FormatSettingsScope scope(u',', u'.');
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->ExcelStyleDecimalSeparator = true;
    t.goTo(2, 3);
    QTest::keyClick(t.g, Qt::Key_Period, Qt::KeypadModifier);
    ASSERT_TRUE(t.g->EditorMode());
    EXPECT_TRUE(t.editorText().endsWith(",")) << t.editorText().toStdString();

    GridUnderTest u;
    u.g->SetOptions(u.g->Options() | goEditing);
    u.g->ExcelStyleDecimalSeparator = true;
    u.goTo(2, 3);
    QTest::keyClick(u.g, Qt::Key_Period);  // the main keyboard's full stop
    EXPECT_TRUE(u.editorText().endsWith(".")) << u.editorText().toStdString();
}

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using input_test::GridUnderTest;
using platform::goColSizing;
using platform::goEditing;
using platform::goRangeSelect;

// ------------------------------------------------------------ plain clicks

TEST(InputMouse, AClickMakesTheCellCurrentAndFiresOnClickCell)
{
    GridUnderTest t;
    std::vector<QPoint> clicked;
    t.g->OnClickCell = [&](QObject*, int row, int col) { clicked.push_back({col, row}); };
    int selectionChanges = 0;
    t.g->OnSelectionChanged = [&](QObject*, int, int, int, int) { ++selectionChanges; };
    t.click(3, 4);
    EXPECT_EQ(t.cell(), QPoint(3, 4));
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], QPoint(3, 4));
    EXPECT_EQ(selectionChanges, 1);
}

TEST(InputMouse, OnCanClickCellRefusingCancelsTheWholePress)
{
    GridUnderTest t;
    t.goTo(1, 1);
    int clicks = 0, downs = 0;
    t.g->OnCanClickCell = [](QObject*, int, int, bool& allow) { allow = false; };
    t.g->OnClickCell = [&](QObject*, int, int) { ++clicks; };
    t.g->OnMouseDown = [&](QObject*, platform::TMouseButton, platform::TShiftState, int, int) { ++downs; };
    t.click(3, 4);
    EXPECT_EQ(t.cell(), QPoint(1, 1));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(downs, 0);
}

TEST(InputMouse, ASecondClickOnTheCurrentCellOpensTheEditor)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.click(2, 3);
    EXPECT_FALSE(t.g->EditorMode());
    t.click(2, 3);
    EXPECT_TRUE(t.g->EditorMode());
}

TEST(InputMouse, DirectEditOpensTheEditorOnTheFirstClickUnlessRefused)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->MouseActions().DirectEdit = true;
    bool allow = false;
    t.g->OnCellChanging = [&](QObject*, int, int, int, int, bool& a) { a = allow; };
    t.goTo(1, 1);
    t.click(3, 4);
    EXPECT_FALSE(t.g->EditorMode());
    allow = true;
    t.click(2, 5);
    EXPECT_EQ(t.cell(), QPoint(2, 5));
    EXPECT_TRUE(t.g->EditorMode());
}

// ------------------------------------------------------------ cell objects

TEST(InputMouse, ClicksToggleCheckBoxesOfEditableCells)
{
    struct Case {
        const char* name;
        bool editing;
        bool alwaysActive;
        bool readOnly;
        QString expected;
    };
    const Case cases[] = {
        {"editable", true, false, false, "Y"},
        {"not editing", false, false, false, "N"},
        {"read-only cell", true, false, true, "N"},
        {"read-only but always active", true, true, true, "Y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t;
        if (c.editing) t.g->SetOptions(t.g->Options() | goEditing);
        t.g->ControlLook().CheckAlwaysActive = c.alwaysActive;
        t.g->SetCellEx(2, 3, "N");
        t.g->AddCheckBox(2, 3, false, true);
        t.g->SetReadOnly(2, 3, c.readOnly);
        std::vector<bool> clicked, released;
        int clickCells = 0;
        t.g->OnCheckBoxClick = [&](QObject*, int, int, bool s) { clicked.push_back(s); };
        t.g->OnCheckBoxMouseUp = [&](QObject*, int, int, bool s) { released.push_back(s); };
        t.g->OnClickCell = [&](QObject*, int, int) { ++clickCells; };
        t.click(2, 3);
        EXPECT_EQ(t.g->GetCellEx(2, 3), c.expected);
        const bool toggled = c.expected == "Y";
        EXPECT_EQ(clicked, toggled ? std::vector<bool>{true} : std::vector<bool>{});
        EXPECT_EQ(released, toggled ? std::vector<bool>{true} : std::vector<bool>{});
        if (toggled) {
            EXPECT_EQ(clickCells, 0);  // the base class never sees a check-box press
            EXPECT_EQ(t.cell(), QPoint(2, 3));
        }
        EXPECT_FALSE(t.g->EditorMode());
    }
}

TEST(InputMouse, AClickChoosesTheColumnRadioButton)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->AddRadioButtonColumn(4);
    std::vector<QPoint> clicks;
    t.g->OnRadioButtonClick = [&](QObject*, int col, int row) { clicks.push_back({col, row}); };
    t.click(4, 3);
    t.click(4, 6);
    EXPECT_FALSE(t.g->IsRadioButtonChecked(4, 3));
    EXPECT_TRUE(t.g->IsRadioButtonChecked(4, 6));
    EXPECT_EQ(t.g->GetRadioButtonColumnIndex(4), 6);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1], QPoint(4, 6));
}

TEST(InputMouse, AClickOnARadioGroupChoosesTheChoiceUnderThePointer)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->SetRowHeights(3, 80);
    auto g = std::make_unique<TCellGraphic>();
    g->SetCellType(ctRadio);
    g->AdoptCellBitmap(std::make_unique<QStringList>(QStringList{"one", "two", "three"}));
    g->SetCellIndex(0);
    g->SetCellBoolean(false);  // the choices lie down the cell
    t.g->SetGraphicObjectEx(2, 3, std::move(g));
    std::vector<int> chosen, released;
    t.g->OnRadioClick = [&](QObject*, int, int, int idx) { chosen.push_back(idx); };
    t.g->OnRadioMouseUp = [&](QObject*, int, int, int idx) { released.push_back(idx); };
    const int line = std::max(16, QFontMetrics(t.g->font()).height());
    t.click(2, 3, Qt::NoModifier, 6, line + line / 2);  // the second line
    EXPECT_EQ(chosen, std::vector<int>{1});
    EXPECT_EQ(released, std::vector<int>{1});
    EXPECT_EQ(t.g->GetCellGraphic(2, 3)->CellIndex(), 1);
    EXPECT_EQ(t.cell(), QPoint(2, 3));
}

TEST(InputMouse, ACellButtonIsClickedOnReleaseOverIt)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    auto g = std::make_unique<TCellGraphic>();
    g->SetButton(0, 0, "Go", haCenter, vaCenter);  // the whole cell
    t.g->SetGraphicObjectEx(3, 2, std::move(g));
    int clicks = 0;
    t.g->OnButtonClick = [&](QObject*, int, int) { ++clicks; };
    QTest::mousePress(t.g->viewport(), Qt::LeftButton, {}, t.at(3, 2));
    EXPECT_EQ(t.g->PushedCellButton(), QPoint(3, 2));
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(t.g->viewport(), Qt::LeftButton, {}, t.at(3, 2));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(t.g->PushedCellButton(), QPoint(-1, -1));
    // Released elsewhere: no click.
    QTest::mousePress(t.g->viewport(), Qt::LeftButton, {}, t.at(3, 2));
    QTest::mouseRelease(t.g->viewport(), Qt::LeftButton, {}, t.at(4, 5));
    EXPECT_EQ(clicks, 1);
}

TEST(InputMouse, AnExpandButtonTogglesOnEachClickOnIt)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    auto g = std::make_unique<TCellGraphic>();
    g->SetCellType(ctExpand);
    t.g->SetGraphicObjectEx(1, 4, std::move(g));
    std::vector<bool> states;
    t.g->OnExpandClick = [&](QObject*, int, int, bool expanded) { states.push_back(expanded); };
    const platform::TRect r = t.g->CellRect(1, 4);
    const QPoint onButton(r.Right - 8, r.Top + 7);
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, onButton);
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, onButton);
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
    t.click(1, 4);  // elsewhere in the cell: a plain click
    EXPECT_EQ(states.size(), 2u);
    EXPECT_EQ(t.cell(), QPoint(1, 4));
}

TEST(InputMouse, AButtonOfACellThatMayNotBeEditedDoesNothing)
{
    GridUnderTest t;  // no editing
    auto g = std::make_unique<TCellGraphic>();
    g->SetButton(0, 0, "Go", haCenter, vaCenter);
    t.g->SetGraphicObjectEx(3, 2, std::move(g));
    int clicks = 0;
    t.g->OnButtonClick = [&](QObject*, int, int) { ++clicks; };
    t.click(3, 2);
    EXPECT_EQ(clicks, 0);
}

// ------------------------------------------------------------ anchors

TEST(InputMouse, OnlyWebMailAndFileLinksAreOpenable)
{
    const std::pair<const char*, bool> cases[] = {
        {"http://example.com", true},  {"https://example.com/a?b=c", true}, {"mailto:a@b.c", true},
        {"file:///tmp/x.txt", true},   {"HTTP://EXAMPLE.COM", true},       {"ftp://example.com", false},
        {"javascript:alert(1)", false}, {"/bin/sh", false},                 {"cmd.exe /c del", false},
        {"", false},
    };
    for (const auto& [url, ok] : cases) {
        SCOPED_TRACE(url);
        EXPECT_EQ(TExStringGrid::IsOpenableLink(url), ok);
    }
}

TEST(InputMouse, AClickOnACellAnchorGoesToTheCellItNames)
{
    GridUnderTest t;
    t.g->EnableHTML = true;
    t.g->SetCellEx(1, 2, "<a href=\"CELL://R7C4\">jump</a>");
    QString seen;
    t.g->OnAnchorClick = [&](QObject*, int, int, const QString& anchor, bool&) { seen = anchor; };
    t.click(1, 2, Qt::NoModifier, t.g->XYOffset.x() + 3, 6);
    EXPECT_EQ(seen, "CELL://R7C4");
    EXPECT_EQ(t.cell(), QPoint(4, 7));

    // The handler may take the link itself.
    t.g->OnAnchorClick = [&](QObject*, int, int, const QString&, bool& autoHandle) { autoHandle = false; };
    t.g->SetCellEx(1, 3, "<a href=\"CELL://R9C2\">jump</a>");
    t.click(1, 3, Qt::NoModifier, t.g->XYOffset.x() + 3, 6);
    EXPECT_EQ(t.cell(), QPoint(4, 7));
}

// ------------------------------------------------------------ headers, double and right clicks

TEST(InputMouse, HeaderClicksSelectColumnsAndRows)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goRangeSelect);
    t.g->MouseActions().ColSelect = true;
    t.g->MouseActions().RowSelect = true;
    t.click(3, 0, Qt::NoModifier, 20, 6);
    EXPECT_EQ(t.g->Selection(), (platform::TGridRect{3, 1, 3, 11}));
    t.click(0, 5, Qt::NoModifier, 6, 6);
    EXPECT_EQ(t.g->Selection(), (platform::TGridRect{1, 5, 5, 5}));
}

TEST(InputMouse, DoubleClickOnAHeaderBorderSizesTheColumn)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goColSizing);
    t.g->SetCellEx(2, 4, "a rather long text in the cell");
    t.g->SetColWidths(2, 20);
    std::vector<int> asked, ended;
    t.g->OnColumnSize = [&](QObject*, int col, bool&) { asked.push_back(col); };
    t.g->OnEndColumnSize = [&](QObject*, int col) { ended.push_back(col); };
    const platform::TRect r = t.g->CellRect(2, 0);
    QTest::mouseDClick(t.g->viewport(), Qt::LeftButton, {}, QPoint(r.Right - 1, r.Top + 5));
    EXPECT_EQ(asked, std::vector<int>{2});
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_GT(t.g->ColWidths(2), 20);

    // OnColumnSize refusing leaves the width.
    t.g->SetColWidths(3, 20);
    t.g->OnColumnSize = [](QObject*, int, bool& allow) { allow = false; };
    const platform::TRect r3 = t.g->CellRect(3, 0);
    QTest::mouseDClick(t.g->viewport(), Qt::LeftButton, {}, QPoint(r3.Right - 1, r3.Top + 5));
    EXPECT_EQ(t.g->ColWidths(3), 20);
}

TEST(InputMouse, DoubleClickOnACellFiresOnDblClickCellAndMayEdit)
{
    GridUnderTest t;
    std::vector<QPoint> cells;
    int dbl = 0;
    t.g->OnDblClickCell = [&](QObject*, int row, int col) { cells.push_back({col, row}); };
    t.g->OnDblClick = [&](QObject*) { ++dbl; };
    QTest::mouseDClick(t.g->viewport(), Qt::LeftButton, {}, t.at(2, 5));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], QPoint(2, 5));
    EXPECT_EQ(dbl, 1);
    EXPECT_FALSE(t.g->EditorMode());

    t.g->MouseActions().SetEditOnDblClickOnly(true);
    t.g->MouseActions().RangeSelectAndEdit = true;
    t.goTo(3, 5);
    QTest::mouseDClick(t.g->viewport(), Qt::LeftButton, {}, t.at(3, 5));
    EXPECT_TRUE(t.g->Options() & goEditing);
    EXPECT_TRUE(t.g->EditorMode());
}

TEST(InputMouse, RightClickSelectsWithSelectOnRightClick)
{
    GridUnderTest t;
    std::vector<QPoint> right;
    t.g->OnRightClickCell = [&](QObject*, int row, int col) { right.push_back({col, row}); };
    QTest::mouseClick(t.g->viewport(), Qt::RightButton, {}, t.at(3, 4));
    EXPECT_EQ(t.cell(), QPoint(1, 1));
    t.g->MouseActions().SelectOnRightClick = true;
    QTest::mouseClick(t.g->viewport(), Qt::RightButton, {}, t.at(3, 4));
    EXPECT_EQ(t.cell(), QPoint(3, 4));
    EXPECT_EQ(right.size(), 2u);
}

TEST(InputMouse, CtrlClicksCollectDisjunctRows)
{
    GridUnderTest t;
    t.g->MouseActions().SetDisjunctRowSelect(true);
    t.click(2, 3);
    EXPECT_TRUE(t.g->RowSelect(3));
    t.click(2, 5, Qt::ControlModifier);
    EXPECT_TRUE(t.g->RowSelect(3));
    EXPECT_TRUE(t.g->RowSelect(5));
    t.click(2, 3, Qt::ControlModifier);  // removed on release
    EXPECT_FALSE(t.g->RowSelect(3));
    EXPECT_TRUE(t.g->RowSelect(5));
    t.click(2, 7);
    EXPECT_FALSE(t.g->RowSelect(5));
    EXPECT_TRUE(t.g->RowSelect(7));
}

TEST(InputMouse, NoGridErrorLeavesAMouseHandler)
{
    GridUnderTest t;
    t.g->OnClickCell = [](QObject*, int, int) { throw EExGridError("boom"); };
    t.g->OnDblClickCell = [](QObject*, int, int) { throw EExGridError("boom"); };
    EXPECT_NO_THROW(t.click(2, 3));
    EXPECT_NO_THROW(QTest::mouseDClick(t.g->viewport(), Qt::LeftButton, {}, t.at(2, 3)));
}

// ------------------------------------------------------------ wheel and scroll bars

namespace {

void wheel(QWidget* w, int notches, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWheelEvent ev(QPointF(50, 50), w->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120 * notches),
                   Qt::NoButton, mods, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &ev);
}

}  // namespace

TEST(InputScroll, TheWheelScrollsOrMovesTheCurrentRow)
{
    struct Case {
        const char* name;
        TWheelAction action;
        int increment;
        int notches;  // negative: towards the user
        int expectedTop;
        int expectedRow;
    };
    const Case cases[] = {
        {"scroll 3 down", waScroll, 3, -1, 4, 2},
        {"scroll 3 down twice", waScroll, 3, -2, 7, 2},
        {"move 3 down", waMoveSelection, 3, -1, -1, 5},
        {"move 1 up", waMoveSelection, 1, 1, -1, 1},
        {"move never past the last row", waMoveSelection, 50, -1, -1, 39},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t(6, 40);
        t.g->MouseActions().SetWheelAction(c.action);
        t.g->MouseActions().WheelIncrement = c.increment;
        t.goTo(2, 2);
        wheel(t.g->viewport(), c.notches);
        if (c.expectedTop >= 0) { EXPECT_EQ(t.g->TopRow(), c.expectedTop); }
        EXPECT_EQ(t.g->Row(), c.expectedRow);
    }
}

TEST(InputScroll, CtrlWheelZoomsByTheSystemStepAndFitsTheCells)
{
    const int step = std::max(1, QApplication::wheelScrollLines());
    GridUnderTest t(4, 40);
    t.g->SetCellEx(1, 2, QStringLiteral("A rather long text to measure"));
    t.goTo(1, 2);
    const int widthBefore = t.g->ColWidths(1);
    const int heightBefore = t.g->RowHeights(2);

    // Towards the user: larger fonts, and the cells grow to hold them.
    wheel(t.g->viewport(), -1, Qt::ControlModifier);
    EXPECT_EQ(t.g->ZoomFactor, step);
    EXPECT_EQ(t.g->TopRow(), 1) << "Ctrl+wheel zooms instead of scrolling";
    EXPECT_EQ(t.g->Row(), 2);
    const int zoomedWidth = t.g->ColWidths(1);
    EXPECT_GT(zoomedWidth, widthBefore);
    EXPECT_GT(t.g->RowHeights(2), heightBefore);
    const QFontMetrics zoomed(t.g->MeasureFont(1, 2));
    EXPECT_EQ(zoomedWidth, zoomed.horizontalAdvance(QStringLiteral("A rather long text to measure")) + 4 +
                               t.g->XYOffset.x());

    // Away from the user: back to the normal fonts; the column narrows again.
    wheel(t.g->viewport(), 1, Qt::ControlModifier);
    EXPECT_EQ(t.g->ZoomFactor, 0);
    EXPECT_LT(t.g->ColWidths(1), zoomedWidth);

    // Without IntelliZoom the same turn scrolls.
    t.g->IntelliZoom = false;
    t.g->MouseActions().SetWheelAction(waScroll);
    wheel(t.g->viewport(), -1, Qt::ControlModifier);
    EXPECT_EQ(t.g->ZoomFactor, 0);
    EXPECT_GT(t.g->TopRow(), 1);
}

TEST(InputScroll, TheWheelDoesNothingWhenSwitchedOff)
{
    GridUnderTest t(6, 40);
    t.g->EnableWheel = false;
    t.goTo(2, 2);
    wheel(t.g->viewport(), -1);
    EXPECT_EQ(t.g->Row(), 2);
    EXPECT_EQ(t.g->TopRow(), 1);
}

TEST(InputScroll, ScrollBarPagesAndThumbHints)
{
    GridUnderTest t(6, 100);
    QScrollBar* bar = t.g->verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(t.g->TopRow(), 1 + t.g->VisibleRowCount());
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(t.g->TopRow(), 1);

    t.g->ScrollHints = shVertical;
    t.g->ScrollSynch = true;
    bar->setSliderDown(true);
    bar->setSliderPosition(40);
    EXPECT_EQ(t.g->ScrollHintText(), "Row : 41");
    EXPECT_EQ(t.g->TopRow(), 41);
    bar->setSliderDown(false);
    EXPECT_EQ(t.g->ScrollHintText(), "");
    EXPECT_EQ(t.cell(), QPoint(1, 1));  // scrolling leaves the current cell
}

TEST(InputScroll, ASynchronisedGridFollowsTheScrollPosition)
{
    GridUnderTest a(6, 100), b(6, 100);
    a.g->SyncGrid().SetGrid(b.g);
    a.g->SyncGrid().ScrollVertical = true;
    a.g->SetTopRow(30);
    EXPECT_EQ(b.g->TopRow(), 30);
}

// ------------------------------------------------------------ focus

TEST(InputFocus, ThePopUpFocusFlagIsClearedOnceItsFocusChangeCompleted)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->Navigation().AlwaysEdit = true;
    t.goTo(2, 3);
    t.g->InvokedFocusChange = true;
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(t.g, &in);
    EXPECT_FALSE(t.g->InvokedFocusChange);
    EXPECT_FALSE(t.g->EditorMode());  // the pop-up's own focus move did nothing
    QApplication::sendEvent(t.g, &in);
    EXPECT_TRUE(t.g->EditorMode());  // the next focus entry reopens the editor
}

TEST(InputMouse, DraggingTheSelectionResizerCopiesAndPastesThroughTheClipboard)
{
    GridUnderTest t;
    t.g->SelectionRectangle = true;
    t.g->SelectionResizer = true;
    t.g->SetOptions(t.g->Options() | goEditing);
    t.g->Navigation().AllowSmartClipboard = true;
    t.g->SetCellEx(1, 1, "1");
    t.g->SetCellEx(1, 2, "3");
    t.g->SetSelection({1, 1, 1, 2});
    QApplication::clipboard()->setText("CLIP");
    std::vector<platform::TGridRect> resized;
    t.g->OnSelectionResized = [&](QObject*, const platform::TGridRect&, const platform::TGridRect& now) {
        resized.push_back(now);
    };
    const platform::TRect h = t.g->CellRect(1, 2);
    QTest::mousePress(t.g->viewport(), Qt::LeftButton, {}, QPoint(h.Right - 2, h.Bottom - 2));
    EXPECT_TRUE(t.g->MouseResizing());
    EXPECT_EQ(QApplication::clipboard()->text(), "1\r\n3\r\n");
    QTest::mouseMove(t.g->viewport(), t.at(1, 5));
    QTest::mouseRelease(t.g->viewport(), Qt::LeftButton, {}, t.at(1, 5));
    EXPECT_FALSE(t.g->MouseResizing());
    // Dragging the handle continues the series.
    EXPECT_EQ(t.g->GetCellEx(1, 3), "5");
    EXPECT_EQ(t.g->GetCellEx(1, 4), "7");
    EXPECT_EQ(t.g->GetCellEx(1, 5), "9");
    EXPECT_EQ(t.g->GetCellEx(1, 6), "1,6");
    ASSERT_EQ(resized.size(), 1u);
    EXPECT_EQ(resized[0], (platform::TGridRect{1, 1, 1, 5}));
}

TEST(InputScroll, ProportionalBarsGuardEveryDivision)
{
    struct Case {
        const char* name;
        int F, S, D, W, old;
        bool vertical;
        bool shown;
        int max, position;
    };
    const Case cases[] = {
        {"nothing to scroll", 20, 0, 0, 400, 5, false, false, 0, 0},
        {"no room at all", 20, 800, 0, 0, 5, false, false, 0, 0},
        {"everything fits", 20, 380, 0, 400, 5, false, false, 0, 0},
        {"less than 5 pixels to scroll", 20, 383, 0, 400, 5, false, false, 0, 0},
        {"twice as wide, at the start", 0, 800, 0, 400, 5, false, true, 255, 0},
        {"twice as wide, at the end", 0, 800, 400, 400, 5, false, true, 255, 127},
        {"fixed part wider than the grid", 500, 800, 0, 400, 5, false, true, 127, 0},
        {"vertical, grid fits", 20, 900, 0, 950, 5, true, false, 0, 0},
        {"vertical, at the start", 20, 900, 0, 600, 5, true, true, -1, 0},
        {"vertical, height not below the rows", 200, 500, 0, 600, 5, true, true, 639, 127},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TExStringGrid::TProportionalScroll info;
        const bool shown = TExStringGrid::CalcProportionalScroll(c.F, c.S, c.D, c.W, c.old, c.vertical, info);
        EXPECT_EQ(shown, c.shown);
        if (!shown) continue;
        if (c.max >= 0) { EXPECT_EQ(info.Max, c.max); }
        EXPECT_EQ(info.Page, info.Max - 126);
        EXPECT_EQ(info.Position, c.position);
    }
    EXPECT_EQ(TExStringGrid::ThumbToCell(64, 1, 0), 1);  // no scrollable cells: no change
    EXPECT_EQ(TExStringGrid::ThumbToCell(127, 1, 50), 51);
    EXPECT_EQ(TExStringGrid::ThumbToCell(0, 1, 50), 1);

    GridUnderTest t(6, 4);  // all rows visible
    t.g->ScrollProportional = true;
    EXPECT_FALSE(t.g->UpdateVScrollBar());
    GridUnderTest u(6, 200);
    u.g->ScrollProportional = true;
    EXPECT_TRUE(u.g->UpdateVScrollBar());
    EXPECT_EQ(u.g->VScrollInfo().Position, 0);
    u.g->SetTopRow(100);
    EXPECT_TRUE(u.g->UpdateVScrollBar());
    EXPECT_GT(u.g->VScrollInfo().Position, 50);
}

TEST(InputMouse, HeaderClicksFireOnClickCellExceptOnASizingGrab)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goColSizing);
    std::vector<QPoint> clicked;
    t.g->OnClickCell = [&](QObject*, int row, int col) { clicked.push_back({col, row}); };
    const platform::TRect r = t.g->CellRect(3, 0);
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, QPoint(r.Left + 4, r.Top + 5));
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], QPoint(3, 0));
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, QPoint(r.Left + 2, r.Top + 5));
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_EQ(t.cell(), QPoint(1, 1));  // header clicks never move the current cell
}

TEST(InputScroll, MiddleButtonPanningMovesInItsDirectionsUntilAnyButton)
{
    GridUnderTest t(6, 60);
    t.goTo(2, 5);
    QTest::mousePress(t.g->viewport(), Qt::MiddleButton, {}, QPoint(100, 100));
    ASSERT_TRUE(t.g->Panning());
    t.g->PanTick(QPoint(130, 103));  // sideways only: vertical panning ignores it
    EXPECT_EQ(t.cell(), QPoint(2, 5));
    t.g->PanTick(QPoint(100, 106));  // 6 pixels below: one row per tick
    t.g->PanTick(QPoint(100, 106));
    EXPECT_EQ(t.cell(), QPoint(2, 7));
    QTest::mousePress(t.g->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(t.g->Panning());
    t.g->PanTick(QPoint(100, 200));
    EXPECT_EQ(t.cell(), QPoint(2, 7));

    t.g->IntelliPan = ipBoth;
    t.g->MouseActions().SetWheelAction(waScroll);
    QTest::mousePress(t.g->viewport(), Qt::MiddleButton, {}, QPoint(100, 100));
    t.g->PanTick(QPoint(100, 50));  // up: already at the top
    EXPECT_EQ(t.g->TopRow(), 1);
    t.g->PanTick(QPoint(100, 150));
    EXPECT_EQ(t.g->TopRow(), 2);
    EXPECT_EQ(t.cell(), QPoint(2, 7));  // scrolling leaves the cell
    QTest::keyClick(t.g, Qt::Key_Escape);
    EXPECT_FALSE(t.g->Panning());
}

TEST(InputMouse, SizingVetoesLeaveNoSizingCursorAndNoSizing)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | goColSizing | platform::goRowSizing);
    std::vector<int> askedCols, askedRows;
    t.g->OnColumnSize = [&](QObject*, int col, bool& allow) {
        askedCols.push_back(col);
        allow = col != 1;
    };
    t.g->OnRowSize = [&](QObject*, int row, bool& allow) {
        askedRows.push_back(row);
        allow = row != 2;
    };
    auto cursorAt = [&](QPoint p) {
        QTest::mouseMove(t.g->viewport(), p);
        return t.g->viewport()->cursor().shape();
    };
    const platform::TRect c1 = t.g->CellRect(1, 0), c2 = t.g->CellRect(2, 0);
    EXPECT_EQ(cursorAt(QPoint(c1.Right, 5)), Qt::ArrowCursor);  // column 1's border: refused
    EXPECT_EQ(askedCols.back(), 1);
    EXPECT_EQ(cursorAt(QPoint(c2.Right, 5)), Qt::SplitHCursor);
    EXPECT_EQ(askedCols.back(), 2);
    const platform::TRect r2 = t.g->CellRect(0, 2), r3 = t.g->CellRect(0, 3);
    EXPECT_EQ(cursorAt(QPoint(5, r2.Bottom)), Qt::ArrowCursor);  // row 2's border: refused
    EXPECT_EQ(askedRows.back(), 2);
    EXPECT_EQ(cursorAt(QPoint(5, r3.Bottom)), Qt::SplitVCursor);
    // A drag on the refused border does not size the column.
    const int width = t.g->ColWidths(1);
    QTest::mousePress(t.g->viewport(), Qt::LeftButton, {}, QPoint(c1.Right, 5));
    QTest::mouseMove(t.g->viewport(), QPoint(c1.Right + 30, 5));
    QTest::mouseRelease(t.g->viewport(), Qt::LeftButton, {}, QPoint(c1.Right + 30, 5));
    EXPECT_EQ(t.g->ColWidths(1), width);
    // Away from any border nobody is asked.
    const size_t asked = askedCols.size() + askedRows.size();
    cursorAt(t.at(3, 4));
    EXPECT_EQ(askedCols.size() + askedRows.size(), asked);
}

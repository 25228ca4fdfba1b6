// Focus entry and exit, the grid timer (hovering, blinking), the search
// footer's accelerators, clicks on ratings, spin buttons and fixed cells
// pressed as buttons, proportional scroll bars and the panning pictures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollBar>
#include <QToolButton>

#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/search/search_panel.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using input_test::GridUnderTest;

namespace {

// The test grid with a second widget on its form that can take the focus.
struct FocusForm : GridUnderTest {
    QLineEdit* other = nullptr;
    std::vector<QString> events;
    FocusForm()
    {
        other = new QLineEdit(form.get());
        other->setGeometry(0, 320, 100, 24);
        other->show();
        g->OnEnter = [this](QObject*) { events.push_back(QStringLiteral("enter")); };
        g->OnExit = [this](QObject*) { events.push_back(QStringLiteral("exit")); };
        other->setFocus();
        QApplication::processEvents();
        events.clear();
    }
};

}  // namespace

// ------------------------------------------------------------ focus entry and exit

TEST(InputFocus, EntryAndExitCountOnlyFocusFromAndToOtherWidgets)
{
    FocusForm f;
    f.g->SetOptions(f.g->Options() | platform::goEditing);
    f.g->SetCellEx(2, 2, QStringLiteral("before"));
    f.goTo(2, 2);
    f.g->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.events, std::vector<QString>{QStringLiteral("enter")});

    // Into the grid's own editor and back: no exit, no second entry.
    f.g->ShowCellEdit();
    QApplication::processEvents();
    ASSERT_TRUE(f.g->InplaceEditor() != nullptr && f.g->InplaceEditor()->hasFocus());
    f.g->HideInplaceEdit();
    f.g->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.events.size(), 1u);

    f.other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.events, (std::vector<QString>{QStringLiteral("enter"), QStringLiteral("exit")}));
}

TEST(InputFocus, EntryIsBlockedWhileTheEditTakesTheFocusBack)
{
    FocusForm f;
    f.goTo(3, 3);
    f.g->FBlockFocus = true;
    f.g->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(f.events.empty()) << "a blocked entry fires nothing";
    f.g->FBlockFocus = false;
    f.g->FBlockKill = true;
    f.other->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(f.events.empty()) << "a blocked exit fires nothing";
    f.g->FBlockKill = false;
    f.g->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.events, std::vector<QString>{QStringLiteral("enter")});
}

// ------------------------------------------------------------ grid timer

TEST(InputTimer, BlinkFlipsThePhaseAndListsOnlyTaggedCellsOnScreen)
{
    GridUnderTest t(6, 40);
    t.g->SetCellEx(2, 1, QStringLiteral("<BLINK>a</BLINK>"));
    t.g->SetCellEx(3, 0, QStringLiteral("<blink>head</blink>"));
    t.g->SetCellEx(4, 39, QStringLiteral("<blink>far below</blink>"));
    const std::vector<QPoint> cells = t.g->BlinkingCellsOnScreen();
    EXPECT_EQ(cells, (std::vector<QPoint>{QPoint(3, 0), QPoint(2, 1)}));

    EXPECT_FALSE(t.g->GridBlink());
    t.g->GridTimerTick();
    EXPECT_FALSE(t.g->GridBlink()) << "no blinking while EnableBlink is off";
    t.g->SetEnableBlink(true);
    EXPECT_TRUE(t.g->GridTimer().isActive());
    t.g->GridTimerTick();
    EXPECT_TRUE(t.g->GridBlink());
    t.g->GridTimerTick();
    EXPECT_FALSE(t.g->GridBlink());
    t.g->SetEnableBlink(false);
    EXPECT_FALSE(t.g->GridTimer().isActive());
}

TEST(InputTimer, HoveringMakesTheNormalCellUnderTheMouseCurrent)
{
    GridUnderTest t;
    t.goTo(1, 1);
    t.g->SetHovering(true);
    EXPECT_TRUE(t.g->GridTimer().isActive());
    t.g->HoverAt(t.g->viewport()->mapToGlobal(t.at(0, 5)));
    EXPECT_EQ(t.cell(), QPoint(1, 1)) << "over a fixed cell nothing changes";
    t.g->HoverAt(t.g->viewport()->mapToGlobal(t.at(3, 5)));
    EXPECT_EQ(t.cell(), QPoint(3, 5));
    t.g->HoverAt(t.g->viewport()->mapToGlobal(QPoint(-50, -50)));
    EXPECT_EQ(t.cell(), QPoint(3, 5)) << "outside the grid nothing changes";
}

// ------------------------------------------------------------ search footer accelerators

TEST(InputDialogChar, AcceleratorsClickTheVisibleEnabledFooterButtons)
{
    GridUnderTest t;
    std::vector<TSearchAction> actions;
    t.g->OnSearchFooterAction = [&](QObject*, const QString&, int, int, TSearchAction a) { actions.push_back(a); };
    t.g->SearchFooter().AutoSearch = false;
    t.g->SearchFooter().SetFindNextCaption(QStringLiteral("Find &next"));
    t.g->SearchFooter().SetFindPrevCaption(QStringLiteral("Find &previous"));
    t.g->SearchFooter().SetHighLightCaption(QStringLiteral("&Highlight"));
    EXPECT_EQ(t.g->HandleDialogChar(u'n'), 0) << "footer hidden";

    t.g->SearchFooter().SetVisible(true);
    EXPECT_EQ(t.g->HandleDialogChar(u'n'), 0) << "the buttons stay disabled while the find edit is empty";
    t.g->SearchPanel()->EditControl()->setText(QStringLiteral("3,"));
    struct Case {
        QChar ch;
        int result;
    } cases[] = {{u'n', 1}, {u'P', 1}, {u'x', 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString(c.ch).toStdString());
        EXPECT_EQ(t.g->HandleDialogChar(c.ch), c.result);
    }
    EXPECT_EQ(actions, (std::vector<TSearchAction>{saFindNext, saFindPrevious}));
    EXPECT_EQ(t.g->HandleDialogChar(u'h'), 1);
    EXPECT_TRUE(t.g->SearchPanel()->HiliteButton()->isChecked());

    t.g->SearchFooter().SetShowFindNext(false);
    EXPECT_EQ(t.g->HandleDialogChar(u'n'), 0) << "a hidden button takes no accelerator";
}

// ------------------------------------------------------------ cell objects

TEST(InputCellObjects, ARatingTakesHalfAStarPerNinePixelsWhenAllowed)
{
    GridUnderTest t;
    t.g->SetOptions(t.g->Options() | platform::goEditing);
    t.g->SetColWidths(2, 120);
    TCellGraphic* g = t.g->CreateCellGraphic(2, 3);
    g->SetCellType(ctRating);
    g->SetCellAngle(5);
    bool allow = true;
    std::vector<double> asked;
    t.g->OnRatingChange = [&](QObject*, int, int, double& rate, bool& ok) {
        asked.push_back(rate);
        ok = allow;
    };
    t.click(2, 3, Qt::NoModifier, 40, 6);  // 40 / 9 = 4 half stars
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_DOUBLE_EQ(asked[0], 2.0);
    EXPECT_DOUBLE_EQ(t.g->Floats(2, 3), 2.0);
    allow = false;
    t.click(2, 3, Qt::NoModifier, 80, 6);
    EXPECT_DOUBLE_EQ(t.g->Floats(2, 3), 2.0) << "a refused change keeps the rating";
    EXPECT_FALSE(t.g->InplaceEditor() != nullptr && t.g->InplaceEditor()->isVisible());
}

TEST(InputCellObjects, APressOnAlwaysVisibleSpinButtonsNotesTheHalf)
{
    const platform::TRect r = GridUnderTest().g->CellRect(2, 4);
    struct Case {
        int col, dx, dy;
        bool up, down;
    } cases[] = {
        {2, r.Width() - 5, 3, true, false},
        {2, r.Width() - 5, r.Height() - 3, false, true},
        {2, 5, 3, false, false},               // left of the buttons
        {3, r.Width() - 5, 3, false, false},   // no spin buttons there
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.col * 1000 + c.dy);
        // A fresh grid each time: two quick presses would make a double click.
        GridUnderTest t;
        t.g->ControlLook().SetSpinButtonsAlwaysVisible(true);
        t.g->OnHasSpinEdit = [](QObject*, int col, int, bool& has) { has = col == 2; };
        t.click(c.col, 4, Qt::NoModifier, c.dx, c.dy);
        EXPECT_EQ(t.g->SpinUpClick(), c.up);
        EXPECT_EQ(t.g->SpinDnClick(), c.down);
    }
}

TEST(InputCellObjects, ASpinButtonPressThatOpensTheSpinEditorStepsIt)
{
    struct Case {
        int dy;
        QString expected;
    } cases[] = {{3, QStringLiteral("8")}, {-3, QStringLiteral("6")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dy);
        GridUnderTest t;
        t.g->SetOptions(t.g->Options() | platform::goEditing);
        t.g->MouseActions().DirectEdit = true;
        t.g->ControlLook().SetSpinButtonsAlwaysVisible(true);
        t.g->OnGetEditorType = [](QObject*, int, int, TEditorType& e) { e = edSpinEdit; };
        t.g->SetCellEx(2, 4, QStringLiteral("7"));
        const platform::TRect r = t.g->CellRect(2, 4);
        t.click(2, 4, Qt::NoModifier, r.Width() - 5, c.dy > 0 ? c.dy : r.Height() + c.dy);
        ASSERT_TRUE(t.g->EditMode);
        ASSERT_NE(t.g->SpinEdit(), nullptr);
        EXPECT_EQ(t.g->SpinEdit()->text(), c.expected);
    }
}

TEST(InputCellObjects, FixedCellsPressLikeButtons)
{
    GridUnderTest t;
    t.g->FixedAsButtons = true;
    std::vector<QPoint> clicks;
    t.g->OnButtonClick = [&](QObject*, int col, int row) { clicks.push_back({col, row}); };
    QTest::mousePress(t.g->viewport(), Qt::LeftButton, {}, t.at(0, 4));
    EXPECT_TRUE(t.g->FixedCellPushed());
    QTest::mouseRelease(t.g->viewport(), Qt::LeftButton, {}, t.at(0, 4));
    EXPECT_FALSE(t.g->FixedCellPushed());
    EXPECT_EQ(clicks, std::vector<QPoint>{QPoint(0, 4)});

    // A release elsewhere raises the cell without a click.
    QTest::mousePress(t.g->viewport(), Qt::LeftButton, {}, t.at(3, 0));
    QTest::mouseRelease(t.g->viewport(), Qt::LeftButton, {}, t.at(3, 5));
    EXPECT_FALSE(t.g->FixedCellPushed());
    EXPECT_EQ(clicks.size(), 1u);

    // Without FixedAsButtons, or on a normal cell, nothing is pushed.
    t.g->FixedAsButtons = false;
    t.click(0, 4);
    t.g->FixedAsButtons = true;
    t.click(2, 4);
    EXPECT_EQ(clicks.size(), 1u);
}

// ------------------------------------------------------------ proportional scroll bars

TEST(InputScrollBars, ProportionalBarsDriveTheQtBars)
{
    GridUnderTest t(6, 200);
    t.g->ScrollProportional = true;
    t.g->SetRowCount(201);  // the bars follow the new size
    QScrollBar* bar = t.g->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 127) << "128 thumb positions";
    EXPECT_EQ(bar->pageStep(), t.g->VScrollInfo().Page);
    EXPECT_EQ(bar->value(), 0);

    // A thumb at the end shows the last rows; half way the middle ones.
    bar->setSliderPosition(127);
    EXPECT_EQ(t.g->TopRow(), t.g->RowCount() - t.g->VisibleRowCount());
    EXPECT_EQ(bar->value(), 127);
    bar->setSliderPosition(64);
    const int n = t.g->RowCount() - t.g->VisibleRowCount() - t.g->FixedRows();
    EXPECT_EQ(t.g->TopRow(), TExStringGrid::ThumbToCell(64, 1, n));

    // Scrolling by keys moves the thumb along.
    t.goTo(1, 1);
    t.g->SetTopRow(1);
    EXPECT_EQ(bar->value(), 0);
    t.g->SetTopRow(t.g->RowCount() - t.g->VisibleRowCount());
    EXPECT_EQ(bar->value(), 127);

    // Off again: one step per row.
    t.g->ScrollProportional = false;
    t.g->SetRowCount(200);
    EXPECT_EQ(bar->maximum(), 200 - t.g->VisibleRowCount() - 1);
}

TEST(InputScrollBars, AGridThatFitsKeepsNoProportionalBar)
{
    GridUnderTest t(3, 4);
    t.g->ScrollProportional = true;
    t.g->SetRowCount(5);
    EXPECT_FALSE(t.g->verticalScrollBar()->isVisible());
    EXPECT_FALSE(t.g->horizontalScrollBar()->isVisible());
}

// ------------------------------------------------------------ panning pictures

TEST(InputPanning, EachDirectionHasItsCursor)
{
    struct Case {
        int v, h, id;
    } cases[] = {{-1, -1, 8006}, {-1, 0, 8004}, {-1, 1, 8005}, {0, -1, 8002}, {0, 0, 8000},
                 {0, 1, 8003},   {1, -1, 8008}, {1, 0, 8001},  {1, 1, 8007}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(TExStringGrid::PanCursorId(c.v, c.h), c.id);
        EXPECT_FALSE(TExStringGrid::PanCursor(c.v, c.h).pixmap().isNull());
    }
    for (TIntelliPan pan : {ipVertical, ipHorizontal, ipBoth}) {
        const QPixmap glyph = TExStringGrid::PanGlyph(pan);
        EXPECT_EQ(glyph.size(), QSize(32, 32));
    }
    EXPECT_NE(TExStringGrid::PanGlyph(ipVertical).toImage(), TExStringGrid::PanGlyph(ipHorizontal).toImage());
}

TEST(InputPanning, TheCursorFollowsTheDirectionAndTheGlyphIsDrawn)
{
    GridUnderTest t(6, 100);
    t.g->IntelliPan = ipVertical;
    t.g->MouseActions().SetWheelAction(waScroll);
    const QPoint start = t.at(3, 3);
    QTest::mousePress(t.g->viewport(), Qt::MiddleButton, {}, start);
    ASSERT_TRUE(t.g->Panning());
    EXPECT_EQ(t.g->CurrentPanCursorId(), 8000);

    // Sideways under ipVertical: nothing moves, the cursor stays.
    const int top = t.g->TopRow();
    t.g->PanTick(start + QPoint(40, 0));
    EXPECT_EQ(t.g->TopRow(), top);
    EXPECT_EQ(t.g->CurrentPanCursorId(), 8000);
    t.g->PanTick(start + QPoint(0, 6));
    EXPECT_EQ(t.g->TopRow(), top + 1);
    EXPECT_EQ(t.g->CurrentPanCursorId(), 8001);

    // The glyph's centre dot is drawn over the cells.
    const QImage shot = t.g->viewport()->grab().toImage();
    const QColor centre = shot.pixelColor(t.g->PanStart() + QPoint(16, 16));
    EXPECT_LT(centre.lightness(), 100);

    QTest::mousePress(t.g->viewport(), Qt::LeftButton, {}, start);
    EXPECT_FALSE(t.g->Panning());
}

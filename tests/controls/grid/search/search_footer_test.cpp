// The search footer of the string grid: its layout from the footer
// settings, find as typed, next and previous, the highlight toggle, the
// close button, Ctrl+F and the Alt accelerators.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QTest>
#include <QToolButton>

#include "controls/grid/search/search_panel.h"
#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using namespace grid::search;
using input_test::GridUnderTest;

namespace search_footer_test {

struct FooterUnderTest : GridUnderTest {
    TSearchPanel* panel = nullptr;
    std::vector<TSearchAction> actions;
    int created = 0;
    FooterUnderTest()
    {
        g->OnCreatedSearchFooter = [this](QObject*) { ++created; };
        TSearchFooter& f = g->SearchFooter();
        f.SetFindNextCaption("Find &next");
        f.SetFindPrevCaption("Find &previous");
        f.SetHighLightCaption("&Highlight");
        f.SetMatchCaseCaption("Match case");
        f.SetHintFindNext("Next occurrence");
        g->OnSearchFooterAction = [this](QObject*, const QString&, int, int, TSearchAction a) { actions.push_back(a); };
        f.SetVisible(true);
        panel = g->SearchPanel();
        QApplication::processEvents();
    }
    void typeInEdit(const QString& text) { QTest::keyClicks(panel->EditControl(), text); }
    void keyInEdit(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(panel->EditControl(), Qt::Key(key), mods);
    }
};

TEST(SearchFooter, LayoutFollowsTheFooterSettings)
{
    FooterUnderTest t;
    ASSERT_TRUE(t.panel->isVisible());
    EXPECT_EQ(t.created, 1) << "told once, when the panel first shows";
    const QRect vp = t.g->viewport()->geometry();
    EXPECT_EQ(t.panel->geometry(), QRect(vp.left(), vp.bottom() + 1 - 32, vp.width(), 32));
    // Captions short enough for the fixed places.
    t.g->SearchFooter().SetFindNextCaption("&Next");
    t.g->SearchFooter().SetFindPrevCaption("&Back");
    t.g->SearchFooter().SetHighLightCaption("&Mark");
    t.g->SearchFooter().SetMatchCaseCaption("Case");
    struct Place {
        QWidget* control;
        QRect expected;
    } places[] = {
        {t.panel->EditControl(), QRect(25, 6, 110, t.panel->EditControl()->height())},
        {t.panel->ForwardButton(), QRect(140, 5, 90, 23)},
        {t.panel->BackwardButton(), QRect(235, 5, 90, 23)},
        {t.panel->ExitButton(), QRect(5, 7, 14, 14)},
        {t.panel->HiliteButton(), QRect(330, 5, 90, 23)},
        {t.panel->MatchCase(), QRect(425, 8, 98, 18)},
    };
    for (const Place& p : places) EXPECT_EQ(p.control->geometry(), p.expected) << p.control->metaObject()->className();
    EXPECT_EQ(t.panel->ForwardButton()->text(), "&Next");
    EXPECT_EQ(t.panel->ForwardButton()->toolTip(), "Next occurrence");
    EXPECT_TRUE(t.panel->ExitButton()->toolTip().isEmpty()) << "an empty hint shows none";
    for (QToolButton* b : {t.panel->ForwardButton(), t.panel->BackwardButton(), t.panel->HiliteButton()})
        EXPECT_FALSE(b->isEnabled()) << "disabled while the find edit is empty";

    t.g->SearchFooter().SetShowHighLight(false);
    EXPECT_FALSE(t.panel->HiliteButton()->isVisibleTo(t.panel));
    EXPECT_EQ(t.panel->HiliteButton()->height(), 0);
    EXPECT_EQ(t.panel->MatchCase()->x(), 330);
    t.g->SearchFooter().SetShowMatchCase(false);
    EXPECT_EQ(t.panel->MatchCase()->height(), 0);

    t.panel->setLayoutDirection(Qt::RightToLeft);
    t.panel->LayoutControls();
    EXPECT_EQ(t.panel->ForwardButton()->x(), t.panel->width() - 90 - 140);
    EXPECT_EQ(t.panel->MatchCase()->x(), 330) << "the box is not mirrored";

    t.g->SearchFooter().SetVisible(false);
    EXPECT_FALSE(t.panel->isVisible());
}

TEST(SearchFooter, LongCaptionsWidenTheirButtonsAndKeepTheGaps)
{
    FooterUnderTest t;
    t.g->SearchFooter().SetFindPrevCaption("Find the previous occurrence");
    QToolButton* back = t.panel->BackwardButton();
    EXPECT_GE(back->width(), back->sizeHint().width()) << "the caption is not cut";
    EXPECT_EQ(back->x(), t.panel->ForwardButton()->geometry().right() + 1 + 5);
    EXPECT_EQ(t.panel->HiliteButton()->x(), back->geometry().right() + 1 + 5);
    EXPECT_EQ(t.panel->MatchCase()->x(), t.panel->HiliteButton()->geometry().right() + 1 + 5);
}

TEST(SearchFooter, TheEditTurnsRedOnAMissAndBack)
{
    FooterUnderTest t;
    t.typeInEdit("3,4");
    EXPECT_EQ(t.panel->EditColor(), clWindow);
    EXPECT_EQ(t.cell(), QPoint(3, 4)) << "found as typed";
    t.typeInEdit("x");
    EXPECT_EQ(t.panel->EditColor(), clRed);
    EXPECT_EQ(t.panel->EditControl()->palette().color(QPalette::Base), QColor(Qt::red));
    t.keyInEdit(Qt::Key_Backspace);
    EXPECT_EQ(t.panel->EditColor(), clWindow);
    t.typeInEdit("x");
    t.panel->EditControl()->clear();
    EXPECT_EQ(t.panel->EditColor(), clWindow) << "an empty text is no miss";
    EXPECT_FALSE(t.panel->ForwardButton()->isEnabled());
    EXPECT_EQ(t.actions.front(), saFindFirst);
}

TEST(SearchFooter, EnterFindsTheNextCtrlEnterThePrevious)
{
    FooterUnderTest t;
    t.typeInEdit("2,");  // column 2 of every row
    EXPECT_EQ(t.cell(), QPoint(2, 1));
    t.keyInEdit(Qt::Key_Return);
    EXPECT_EQ(t.cell(), QPoint(2, 2));
    t.keyInEdit(Qt::Key_Enter);
    EXPECT_EQ(t.cell(), QPoint(2, 3));
    t.keyInEdit(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(t.cell(), QPoint(2, 2));
    EXPECT_EQ(t.panel->EditControl()->text(), "2,") << "Enter adds no line break";
    EXPECT_EQ(t.actions.back(), saFindPrevious);
    QTest::mouseClick(t.panel->ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(t.cell(), QPoint(2, 3));
    EXPECT_EQ(t.actions.back(), saFindNext);
}

TEST(SearchFooter, NextAndPreviousKeepTheOrderAndCellsOfTheFindAsTyped)
{
    FooterUnderTest t;
    t.g->SearchFooter().SearchDirection = sdLeftRight;
    t.typeInEdit("1");  // all of row 1, and more
    EXPECT_EQ(t.cell(), QPoint(1, 1));
    t.keyInEdit(Qt::Key_Return);
    t.keyInEdit(Qt::Key_Return);
    EXPECT_EQ(t.cell(), QPoint(3, 1));
    t.keyInEdit(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(t.cell(), QPoint(2, 1)) << "previous goes back along the row";

    FooterUnderTest h;
    h.g->SearchFooter().SearchHiddenRows = true;
    h.g->HideRow(3);
    h.typeInEdit("4,");
    EXPECT_EQ(h.g->SearchCell(), QPoint(4, 1));
    h.keyInEdit(Qt::Key_Return);
    h.keyInEdit(Qt::Key_Return);
    EXPECT_EQ(h.g->SearchCell(), QPoint(4, 3)) << "the hidden row is searched by the steps too";
    h.keyInEdit(Qt::Key_Return);
    EXPECT_EQ(h.g->GetCellEx(4, h.g->Row()), "4,4") << "and the rows are counted alike";
}

TEST(SearchFooter, WithoutAutoSearchTheSameTextGoesOnAndANewOneStartsAgain)
{
    FooterUnderTest t;
    t.g->SearchFooter().AutoSearch = false;
    t.goTo(4, 5);
    t.typeInEdit("2,");
    EXPECT_EQ(t.cell(), QPoint(4, 5)) << "typing alone does not search";
    t.keyInEdit(Qt::Key_Return);
    EXPECT_EQ(t.cell(), QPoint(2, 1));
    t.keyInEdit(Qt::Key_Return);
    EXPECT_EQ(t.cell(), QPoint(2, 2));
    t.panel->EditControl()->setText("3,");
    t.keyInEdit(Qt::Key_Return);
    EXPECT_EQ(t.cell(), QPoint(3, 1));
}

TEST(SearchFooter, FindingAsTypedCanBeRefused)
{
    FooterUnderTest t;
    t.g->OnSearchEditChange = [](QObject*, const QString& value, bool& defaultSearch) {
        defaultSearch = value == "4,2";
    };
    t.goTo(1, 1);
    t.typeInEdit("4,");
    EXPECT_EQ(t.cell(), QPoint(1, 1));
    t.typeInEdit("2");
    EXPECT_EQ(t.cell(), QPoint(4, 2));
}

TEST(SearchFooter, TheHighlightToggleMarksAndUnmarksTheMatches)
{
    FooterUnderTest t;
    t.typeInEdit("3,");
    QTest::mouseClick(t.panel->HiliteButton(), Qt::LeftButton);
    ASSERT_TRUE(t.panel->HiliteButton()->isChecked());
    EXPECT_EQ(t.g->GetCellEx(3, 5), "<hi>3,</hi>5");
    EXPECT_EQ(t.g->GetCellEx(3, 0), "3,0") << "normal cells only";
    t.keyInEdit(Qt::Key_Return);
    EXPECT_EQ(t.cell(), QPoint(3, 2)) << "with the highlights on, tags do not stand in the way";
    t.typeInEdit("7");
    EXPECT_EQ(t.g->GetCellEx(3, 5), "3,5") << "a new text takes the old highlights away";
    EXPECT_EQ(t.g->GetCellEx(3, 7), "<hi>3,7</hi>");
    QTest::mouseClick(t.panel->HiliteButton(), Qt::LeftButton);
    EXPECT_EQ(t.g->GetCellEx(3, 7), "3,7");

    QTest::mouseClick(t.panel->HiliteButton(), Qt::LeftButton);
    EXPECT_EQ(t.g->GetCellEx(3, 7), "<hi>3,7</hi>");
    t.g->SearchFooter().SetVisible(false);
    EXPECT_EQ(t.g->GetCellEx(3, 7), "3,7") << "closing the footer with the button down removes them";

    t.g->SearchFooter().SetVisible(true);
    QTest::mouseClick(t.panel->HiliteButton(), Qt::LeftButton);
    ASSERT_FALSE(t.panel->HiliteButton()->isChecked());
    t.g->HilightInCell(false, 3, 7, "3");
    t.g->SearchFooter().SetVisible(false);
    EXPECT_EQ(t.g->GetCellEx(3, 7), "<hi>3</hi>,7") << "with the button up they stay";
}

TEST(SearchFooter, AlwaysHighLightMarksAsTypedInTheSearchColumnWithTheButtonUp)
{
    FooterUnderTest t;
    TSearchFooter& f = t.g->SearchFooter();
    f.AlwaysHighLight = true;
    f.SearchColumn = 2;
    t.typeInEdit("1");
    ASSERT_FALSE(t.panel->HiliteButton()->isChecked());
    EXPECT_EQ(t.cell(), QPoint(2, 1)) << "the find keeps to the search column";
    EXPECT_EQ(t.g->GetCellEx(2, 1), "2,<hi>1</hi>");
    EXPECT_EQ(t.g->GetCellEx(2, 11), "2,<hi>1</hi><hi>1</hi>");
    EXPECT_EQ(t.g->GetCellEx(1, 3), "1,3") << "other columns are left alone";

    t.typeInEdit("0");
    EXPECT_EQ(t.g->GetCellEx(2, 1), "2,1") << "the marks of the old text go";
    EXPECT_EQ(t.g->GetCellEx(2, 10), "2,<hi>10</hi>");

    f.SetColor(clWhite);  // any change of the footer settings clears them
    EXPECT_EQ(t.g->GetCellEx(2, 10), "2,10");
}

TEST(SearchFooter, TheCloseButtonHidesTheFooter)
{
    FooterUnderTest t;
    int closed = 0;
    t.g->OnSearchFooterClose = [&](QObject*) { ++closed; };
    QTest::mouseClick(t.panel->ExitButton(), Qt::LeftButton);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(t.g->SearchFooter().Visible());
    EXPECT_FALSE(t.panel->isVisible());
}

TEST(SearchFooter, CtrlFAndTheAltAccelerators)
{
    FooterUnderTest t;
    t.g->setFocus();
    t.key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(t.panel->EditControl()->hasFocus());
    t.typeInEdit("1,");
    EXPECT_EQ(t.cell(), QPoint(1, 1));
    t.keyInEdit(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(t.cell(), QPoint(1, 2)) << "Alt+N in the edit";
    t.g->setFocus();
    t.key(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(t.cell(), QPoint(1, 3)) << "Alt+N in the grid";
    t.key(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(t.cell(), QPoint(1, 2));

    t.g->SearchFooter().SetVisible(false);
    t.g->setFocus();
    t.key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(t.g->hasFocus()) << "no footer, no focus move";
}

TEST(SearchFooter, GroupingLaysTheFooterOutAgain)
{
    FooterUnderTest t;
    t.g->SetFixedCols(1);
    t.g->SetFixedRows(1);
    const QRect placed = t.panel->geometry();
    // A place gone stale without the viewport telling.
    t.panel->setGeometry(placed.adjusted(40, -20, -80, -20));
    t.g->Group(2);
    ASSERT_EQ(t.g->GroupColumn(), 2);
    const QRect vp = t.g->viewport()->geometry();
    EXPECT_EQ(t.panel->geometry(), QRect(vp.left(), vp.bottom() + 1 - 32, vp.width(), 32));
    // A hidden footer stays hidden.
    t.g->UnGroup();
    t.g->SearchFooter().SetVisible(false);
    t.g->Group(2);
    EXPECT_FALSE(t.panel->isVisible());
}

TEST(SearchFooter, Screenshot)
{
    FooterUnderTest t;
    t.form->resize(640, 330);
    t.typeInEdit("2,");
    QTest::mouseClick(t.panel->HiliteButton(), Qt::LeftButton);
    QApplication::processEvents();
    const QString dir = QCoreApplication::applicationDirPath() + "/../screenshots/grid_search";
    QDir().mkpath(dir);
    EXPECT_TRUE(t.form->grab().save(dir + "/search_footer.png"));
}

}  // namespace search_footer_test

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>

#include "controls/grid/paint/application_html_hints.h"
#include "controls/grid/paint/html_hint_window.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/input_state.h"

using namespace grid;

TEST(GridServiceProperties, TheCursorStaysOverTheCellsAfterBorderHovering)
{
    TExStringGrid g;
    g.resize(400, 200);
    g.SetOptions(g.Options() | platform::goColSizing);
    g.show();
    g.SetCursor(platform::crCross);
    EXPECT_EQ(g.Cursor(), platform::crCross);
    EXPECT_EQ(g.viewport()->cursor().shape(), Qt::CrossCursor);
    const platform::TRect header = g.CellRect(1, 0), cell = g.CellRect(2, 2);
    QTest::mouseMove(g.viewport(), QPoint(header.Right, 5));
    EXPECT_EQ(g.viewport()->cursor().shape(), Qt::SplitHCursor);
    QTest::mouseMove(g.viewport(), QPoint(cell.Left + 5, cell.Top + 5));
    EXPECT_EQ(g.viewport()->cursor().shape(), Qt::CrossCursor);
}

TEST(GridServiceProperties, HTMLHintsAreAnApplicationWideChoice)
{
    TExStringGrid g;
    QPushButton other;  // any widget of the application, not a grid
    other.setToolTip(QStringLiteral("<B>Bold</B> hint"));
    other.show();
    EXPECT_FALSE(ApplicationHTMLHints());
    g.SetUseHTMLHints(true);
    EXPECT_TRUE(g.UseHTMLHints());
    EXPECT_TRUE(ApplicationHTMLHints());
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), other.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&other, &help);
    auto* window = qobject_cast<THTMLHintWindow*>(ApplicationHintWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->HintText(), QStringLiteral("<B>Bold</B> hint"));
    g.SetUseHTMLHints(false);
    EXPECT_FALSE(ApplicationHTMLHints());
    EXPECT_EQ(ApplicationHintWindow(), nullptr);
}

TEST(GridServiceProperties, GradientColoursAreStoredAsRGBAndPainted)
{
    TExStringGrid g;
    g.resize(300, 150);
    g.SetLook(glQVR);
    g.SetQVRGradientFrom(clBtnFace);  // a system colour is stored resolved
    EXPECT_EQ(g.FaceColors().QVRGradientFrom, ColorToRGB(clBtnFace));
    EXPECT_EQ(g.FaceColors().QVRGradientFrom >> 24, 0u);
    for (auto set : {&TExStringGrid::SetQVRGradientFrom, &TExStringGrid::SetQVRGradientTo,
                     &TExStringGrid::SetQVRGradientMirrorFrom, &TExStringGrid::SetQVRGradientMirrorTo})
        (g.*set)(clRed);
    g.show();
    const QImage image = g.viewport()->grab().toImage();
    const platform::TRect header = g.CellRect(2, 0);
    const QRgb p = image.pixel(header.Left + header.Width() / 2, header.Top + header.Height() / 2);
    EXPECT_GT(qRed(p), 200);
    EXPECT_LT(qGreen(p), 60);
}

TEST(GridServiceProperties, FlatBorderInTheFlatLooksUnlessFlatOrNoColour)
{
    struct Case {
        const char* name;
        TGridLook look;
        TColor border;
        bool flat;
        bool red;
    } cases[] = {
        {"XP look", glXP, clRed, false, true},
        {"Office 2007 look", glOffice2007, clRed, false, true},
        {"classic look", glClassic, clRed, false, false},
        {"no border colour", glXP, clNone, false, false},
        {"flat", glXP, clRed, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TExStringGrid g;
        g.resize(200, 120);
        g.SetLook(c.look);
        g.SetBorderColor(c.border);
        g.SetFlat(c.flat);
        g.show();
        // The choice follows every setting, the border colour set last included.
        EXPECT_EQ(g.DrawsFlatFrame(), c.red);
        EXPECT_EQ(g.frameShape() == QFrame::Box, c.red) << "the frame leaves room for the flat border";
    }
}

TEST(GridServiceProperties, IntegralHeightFitsTheHeightWhenSwitchedOn)
{
    TExStringGrid g;
    g.SetDefaultRowHeight(20);
    g.SetColCount(2);
    g.setGeometry(0, 0, 300, 157);
    g.SetIntegralHeight(true);
    EXPECT_NE(g.height(), 157);
    // The same height as bounds set while it is on.
    TExStringGrid other;
    other.SetDefaultRowHeight(20);
    other.SetColCount(2);
    other.SetIntegralHeight(true);
    other.SetBounds(0, 0, 300, 157);
    EXPECT_EQ(g.height(), other.height());
}

#include <gtest/gtest.h>

#include <functional>

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

TEST(GridServiceProperties, FlatBorderShowsInAGrabOfTheGrid)
{
    // A 200 x 120 grid at (10, 10) on a form. With FitCellsInGrid the border
    // runs one pixel in (x = 1, x = 198, y = 1, y = 118) and the outermost
    // pixel takes the form's colour; without it the border is the outermost
    // pixel. Each case reaches its look by another route.
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> set;
        bool fit;
        TColor expect;  // clNone: no flat border
        std::function<void(TExStringGrid&)> afterShown = nullptr;
    };
    const Case cases[] = {
        {"default look and colour", [](TExStringGrid&) {}, true, 0x00B99D7F},
        {"XP look, red", [](TExStringGrid& g) { g.SetLook(glXP); g.SetBorderColor(clRed); }, true, clRed},
        {"red, then an Office style", [](TExStringGrid& g) { g.SetBorderColor(clRed); g.SetComponentStyle(paint::tsOffice2007Luna); }, true, 0x00B99D7F},
        {"classic look, red", [](TExStringGrid& g) { g.SetLook(glClassic); g.SetBorderColor(clRed); }, true, clNone},
        // a look sets the border colour back to its own
        {"classic and red, then XP look", [](TExStringGrid& g) { g.SetLook(glClassic); g.SetBorderColor(clRed); g.SetLook(glXP); }, true, 0x00B99D7F},
        {"XP look, then a style of the standard look", [](TExStringGrid& g) { g.SetLook(glXP); g.SetStyle(paint::gsTerminal); }, true, clNone},
        {"colour tones (flat)", [](TExStringGrid& g) { g.SetColorTones(paint::TColorTones{}); }, true, clNone},
        {"not fitting cells, blue", [](TExStringGrid& g) { g.FitCellsInGrid = false; g.SetBorderColor(clBlue); }, false, clBlue},
        {"fitting switched off after the look", [](TExStringGrid& g) { g.SetBorderColor(clBlue); g.FitCellsInGrid = false; }, false, clBlue},
        {"fitting switched on while shown", [](TExStringGrid& g) { g.FitCellsInGrid = false; g.SetBorderColor(clBlue); }, true, clBlue,
         [](TExStringGrid& g) { g.FitCellsInGrid = true; }},
        {"fitting switched off while shown", [](TExStringGrid& g) { g.SetBorderColor(clBlue); }, false, clBlue,
         [](TExStringGrid& g) { g.FitCellsInGrid = false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget form;
        form.resize(300, 200);
        QPalette pal = form.palette();
        pal.setColor(QPalette::Window, QColor(0, 200, 0));
        form.setPalette(pal);
        auto* g = new TExStringGrid(&form);
        g->setGeometry(10, 10, 200, 120);
        c.set(*g);
        form.show();
        QApplication::processEvents();
        if (c.afterShown) {
            c.afterShown(*g);
            g->repaint();
            QApplication::processEvents();
        }
        EXPECT_EQ(g->DrawsFlatFrame(), c.expect != clNone);
        EXPECT_EQ(g->frameShape() == QFrame::Box, c.expect != clNone);
        const QImage image = g->grab().toImage();
        const int in = c.fit ? 1 : 0;
        for (QPoint pt : {QPoint(in, 60), QPoint(199 - in, 60), QPoint(100, in), QPoint(100, 119 - in)}) {
            SCOPED_TRACE(testing::Message() << "at " << pt.x() << "," << pt.y());
            const TColor at = ColorFromQColor(image.pixelColor(pt));
            if (c.expect != clNone) {
                EXPECT_EQ(at, c.expect);
            } else {
                EXPECT_NE(at, clRed);
            }
            if (c.expect != clNone && c.fit) {
                EXPECT_EQ(image.pixelColor(pt - QPoint(pt.x() == 1 ? 1 : pt.x() == 198 ? -1 : 0, pt.y() == 1 ? 1 : pt.y() == 118 ? -1 : 0)), QColor(0, 200, 0)) << "the parent's colour outside";
            }
        }
        // The first cell starts right inside the border.
        if (c.expect != clNone) {
            EXPECT_EQ(g->viewport()->geometry().topLeft(), QPoint(in + 1, in + 1));
        }
    }
}

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>

#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/paint/html_hint_window.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid::html_hint_window_test {

namespace {

// The engine's line height and widths in the hint window's font.
struct HintFont {
    QFontMetrics Metrics{QToolTip::font()};
    int Line() const { return Metrics.height() + std::max(0, Metrics.leading()); }
    int Width(const QString& text) const { return Metrics.horizontalAdvance(text); }
};

}  // namespace

TEST(HtmlHintWindow, ThreeLinesGetTheWidestLineAndThreeLineHeightsWithTheMargins)
{
    QWidget owner;
    THTMLHintWindow window(&owner);
    const HintFont f;
    const QString hint = "one<BR>three<BR>two";
    EXPECT_EQ(window.CalcHintRect(1008, hint), QRect(0, 0, f.Width("three"), 3 * f.Line()));
    window.ActivateHint(QRect(50, 60, 1, 1), hint);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(50, 60, f.Width("three") + 16, 3 * f.Line() + 4));

    // A packed wide hint: one plain line in the grid font's face, 8 pixels of margin.
    SetHintFontName(QToolTip::font().family());
    window.ActivateHint(QRect(50, 60, 1, 1), PackWideText("wide <B>text"));
    EXPECT_EQ(window.width(), f.Width("wide <B>text") + 8);
    EXPECT_EQ(window.height(), f.Metrics.height() + 4);
}

TEST(HtmlHintWindow, AHintWiderThanTheMeasuringBoxIsWrapped)
{
    QWidget owner;
    THTMLHintWindow window(&owner);
    const HintFont f;
    QString words;
    for (int i = 0; i < 400; ++i) words += "word ";
    const QRect r = window.CalcHintRect(1008, words);
    EXPECT_LE(r.width(), 1008);
    EXPECT_GT(r.height(), f.Line());
}

TEST(HtmlHintWindow, StaysTwoPixelsInsideTheMonitor)
{
    const QRect monitor = QGuiApplication::primaryScreen()->geometry();
    QWidget owner;
    THTMLHintWindow window(&owner);
    const HintFont f;
    window.ActivateHint(QRect(monitor.right() - 10, monitor.bottom() - 5, 1, 1), "a hint near the corner");
    const QRect g = window.geometry();
    EXPECT_EQ(g.right() + 1, monitor.left() + monitor.width() - 2);
    // Runs end at spaces and are measured one by one.
    EXPECT_EQ(g.width(), f.Width("a ") + f.Width("hint ") + f.Width("near ") + f.Width("the ") + f.Width("corner") + 16);
    EXPECT_EQ(g.bottom() + 1, monitor.top() + monitor.height() - 2);
    EXPECT_EQ(g.height(), f.Line() + 4);
}

TEST(HtmlHintWindow, ShowsTheImagesOfTheGridThatAsks)
{
    QWidget owner;
    THTMLHintWindow window(&owner);
    TGridImageList images(16, 16);
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    images.Add(red);
    window.ActivateHintData(QRect(10, 10, 1, 1), R"(<IMG SRC="idx:0"> hint)", &images, nullptr);
    const QImage shot = window.grab().toImage();
    int redPixels = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) == QColor(Qt::red)) ++redPixels;
    EXPECT_EQ(redPixels, 16 * 16);
    EXPECT_EQ(window.height(), std::max(16, HintFont().Line()) + 4);
}

}  // namespace grid::html_hint_window_test

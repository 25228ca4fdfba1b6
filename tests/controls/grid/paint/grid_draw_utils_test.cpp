#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;

namespace {

// An image with a canvas on it, sampled after the painting ends.
struct DrawUtilsTarget {
    explicit DrawUtilsTarget(int w, int h) : Image(w, h, QImage::Format_RGB32)
    {
        Image.fill(Qt::white);
        Painter = std::make_unique<QPainter>(&Image);
        Canvas = std::make_unique<platform::TCanvas>(*Painter);
    }
    TColor At(int x, int y)
    {
        Canvas.reset();
        Painter.reset();
        return ColorFromQColor(Image.pixelColor(x, y));
    }
    QImage Image;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<platform::TCanvas> Canvas;
};

}  // namespace

TEST(GridDrawUtils, ColourArithmetic)
{
    EXPECT_EQ(BlendColorStep(0x00102030, clNone, 0, 5, 10), 0x00102030u);
    EXPECT_EQ(BlendColorStep(0x00000000, 0x00C8C8C8, 0, 5, 10), 0x00646464u);
    EXPECT_EQ(HalveColor(0x00FF8001), 0x007F4000u);
    // 250 + 7 % = 267.5 -> 268, of which the low 8 bits remain.
    EXPECT_EQ(ScaleColorPercent(0x000000FA, 7) & 0xFF, 12u);
    EXPECT_EQ(ScaleColorPercent(0x00000064, -20) & 0xFF, 80u);
}

TEST(GridDrawUtils, GradientFillRectBandsAndSolidFallback)
{
    DrawUtilsTarget t(10, 4);
    GradientFillRect(*t.Canvas, clBlack, 0x00000090, true, platform::TRect(0, 0, 10, 4), 128);
    // 9 steps over 10 pixels: the first band is the start colour, the last the end colour.
    t.Canvas.reset();
    t.Painter.reset();
    EXPECT_EQ(ColorFromQColor(t.Image.pixelColor(0, 0)), clBlack);
    EXPECT_EQ(ColorFromQColor(t.Image.pixelColor(9, 3)), 0x00000090u);
    EXPECT_EQ(ColorFromQColor(t.Image.pixelColor(1, 0)), 0x00000010u);

    DrawUtilsTarget solid(10, 4);
    GradientFillRect(*solid.Canvas, clNone, clRed, false, platform::TRect(0, 0, 10, 4), 128);
    EXPECT_EQ(solid.At(5, 2), clRed);
}

TEST(GridDrawUtils, ProgressBarTextsAndShares)
{
    struct Case {
        const char* format;
        double value, maximum, minimum;
        const char* text;
        int percent;
    } cases[] = {
        {"", 150, 100, 0, "150%", 100},
        {"", -5, 100, 0, "-5%", 0},
        {"%d of 200", 50, 200, 0, "50 of 200", 25},
        {"%.1f", 2.5, 10, 0, "2.5", 25},
        {"%d", 7, 5, 5, "7", 0},  // an empty range shows no share done
    };
    grid_text_testing::FormatSettingsScope fs(u'.', u',');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int percent = -1;
        EXPECT_EQ(ProgressBarText(c.format, c.value, c.maximum, c.minimum, percent), c.text);
        EXPECT_EQ(percent, c.percent);
    }
}

TEST(GridDrawUtils, ProgressBarWithEqualBoundsDrawsNothingDone)
{
    DrawUtilsTarget t(100, 20);
    TProgressBarLook look;
    look.DoneColor = clRed;
    look.RemainingColor = clLime;
    look.DoneTextColor = clRed;
    look.RemainingTextColor = clLime;
    DrawProgressBar(*t.Canvas, platform::TRect(2, 2, 98, 18), look, "%d", 5, 5, 5);
    EXPECT_EQ(t.At(3, 3), clLime);

    DrawUtilsTarget q(100, 20);
    DrawProgressBar(*q.Canvas, platform::TRect(0, 0, 100, 20), look, "%d of 200", 200, 0, 50);
    q.Canvas.reset();
    q.Painter.reset();
    EXPECT_EQ(ColorFromQColor(q.Image.pixelColor(1, 1)), clRed);   // the first quarter is done
    EXPECT_EQ(ColorFromQColor(q.Image.pixelColor(30, 1)), clLime);  // the rest is not
}

TEST(GridDrawUtils, RangeIndicatorGoesLeftForNegativeValues)
{
    DrawUtilsTarget t(104, 10);
    DrawRangeIndicator(*t.Canvas, platform::TRect(0, 0, 104, 10), -200, clLime, clRed, false, 100);
    t.Canvas.reset();
    t.Painter.reset();
    EXPECT_EQ(ColorFromQColor(t.Image.pixelColor(10, 5)), clRed);  // kept to -range: the whole left half
    EXPECT_EQ(ColorFromQColor(t.Image.pixelColor(80, 5)), clWhite);
}

TEST(GridDrawUtils, SelectionFrameRoundsOnlyItsEnds)
{
    const TSelectionFrameColors colors{0x00FCEBDC, 0x00FCDBC1, clNone, clNone, 0x00CEA27D, 0x00FDF4EB,
                                       0x00FDEADB, 0x00E0C5AE};
    DrawUtilsTarget single(40, 20);
    DrawSelectionFrame(*single.Canvas, colors, 0, platform::TRect(0, 0, 40, 20), clWhite);
    EXPECT_EQ(single.At(0, 0), clWhite);  // the rounded corner keeps the grid colour
    DrawUtilsTarget middle(40, 20);
    DrawSelectionFrame(*middle.Canvas, colors, 3, platform::TRect(0, 0, 40, 20), clWhite);
    EXPECT_EQ(middle.At(0, 0), 0x00CEA27Du);  // a middle cell's frame runs to its edges
}

TEST(GridDrawUtils, XPProgressBlocksAndStackedSegments)
{
    TProgressAppearanceRecord look;
    look.CompletionSmooth = false;
    // t = 25: two 7-pixel blocks on a 9-pixel pitch and a last block of 6.
    const auto blocks = XPProgressSegments(100, 25, look);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].Offset, 2);
    EXPECT_EQ(blocks[0].Length, 7);
    EXPECT_EQ(blocks[1].Offset, 11);
    EXPECT_EQ(blocks[2].Length, 6);
    EXPECT_EQ(blocks[0].Color, look.Level0Color);
    EXPECT_TRUE(XPProgressSegments(100, 0, look).empty());

    look.CompletionSmooth = true;
    look.Stacked = true;
    const auto stacked = XPProgressSegments(98, 100, look);
    ASSERT_EQ(stacked.size(), 3u);
    EXPECT_EQ(stacked[2].Offset + stacked[2].Length, 98);  // the last level takes the rest
    EXPECT_EQ(stacked[1].Color, look.Level1Color);

    look.Stacked = false;
    const auto smooth = XPProgressSegments(100, 95, look);
    ASSERT_EQ(smooth.size(), 1u);
    EXPECT_EQ(smooth[0].Color, look.Level2Color);
    EXPECT_EQ(smooth[0].Length, 95);
}

TEST(GridDrawUtils, ShapesPieAndButtonsDrawInsideTheirBoxes)
{
    DrawUtilsTarget t(60, 60);
    DrawCellShape(*t.Canvas, 10, 10, clBlack, clRed, 1 /* circle */, 40, 20);
    DrawCellShape(*t.Canvas, 0, 0, clBlack, clRed, 200, 40, 20);  // beyond the kinds: nothing
    t.Canvas.reset();
    t.Painter.reset();
    EXPECT_EQ(ColorFromQColor(t.Image.pixelColor(20, 20)), clRed);  // the circle uses the smaller side
    EXPECT_EQ(ColorFromQColor(t.Image.pixelColor(45, 20)), clWhite);
    EXPECT_EQ(ColorFromQColor(t.Image.pixelColor(2, 2)), clWhite);

    DrawUtilsTarget pie(40, 40);
    DrawProgressPie(*pie.Canvas, platform::TRect(0, 0, 40, 40), clBlue, false, 25);
    pie.Canvas.reset();
    pie.Painter.reset();
    EXPECT_EQ(ColorFromQColor(pie.Image.pixelColor(28, 12)), clBlue);   // upper right quarter
    EXPECT_EQ(ColorFromQColor(pie.Image.pixelColor(12, 28)), clWhite);  // lower left stays empty

    paint::TColorTones tones;
    tones.Background = {clLime, clBlack, clBlack};
    tones.Hover = {clYellow, clBlack, clBlack};
    DrawUtilsTarget button(40, 20);
    DrawCellButton(*button.Canvas, platform::TRect(0, 0, 40, 20), tones, 1, 3);
    EXPECT_EQ(button.At(20, 10), clYellow);
    DrawUtilsTarget combo(60, 20);
    DrawComboButton(*combo.Canvas, platform::TRect(0, 0, 60, 20), tones, 0, 3);
    combo.Canvas.reset();
    combo.Painter.reset();
    EXPECT_EQ(ColorFromQColor(combo.Image.pixelColor(56, 3)), clLime);
    EXPECT_EQ(ColorFromQColor(combo.Image.pixelColor(20, 3)), clWhite);
}

TEST(GridDrawUtils, ErrorUnderlineRunsOneLineHeightBelowTheTextTop)
{
    // The zig-zag lies 3 to 6 pixels below the top of the line that follows
    // the first one, whatever the font: a row of 20 pixels shows it whole.
    DrawUtilsTarget t(120, 60);
    t.Canvas->Font.setPixelSize(12);
    const int lineHeight = QFontMetrics(t.Canvas->Font).height();
    const int prefix = QFontMetrics(t.Canvas->Font).horizontalAdvance(QStringLiteral("abc "));
    DrawErrorUnderline(*t.Canvas, QStringLiteral("abc wrod"), 4, 5, lineHeight, platform::TRect(2, 4, 100, 24));
    t.Canvas.reset();
    t.Painter.reset();
    int top = -1, bottom = -1, left = -1;
    for (int y = 0; y < t.Image.height(); ++y)
        for (int x = 0; x < t.Image.width(); ++x) {
            const QColor c = t.Image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) {
                if (top < 0) top = y;
                bottom = y;
                if (left < 0 || x < left) left = x;
            }
        }
    ASSERT_GE(top, 0) << "no underline drawn";
    EXPECT_GE(top, 4 + lineHeight + 3 - 1);
    EXPECT_LE(bottom, 4 + lineHeight + 6 + 1);
    // It starts under the fifth character, not at the text's left edge.
    EXPECT_GE(left, 2 + prefix - 1);
}

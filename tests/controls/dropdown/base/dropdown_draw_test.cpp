#include <gtest/gtest.h>

#include <QFontMetrics>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/dropdown_test_support.h"
#include "controls/grid/cells/grid_image_list.h"

using namespace dropdown;
using dropdown_testing::PaintTarget;
using platform::TRect;

TEST(DropDownDraw, GradientBandsRoundHalvesToEvenAndOverlap)
{
    // 4 steps over the 9 pixels left of the right edge: bands of 2.25 pixels,
    // each 3 wide; the third starts at round(4.5) = 4; colours 0, 40, 80, 120.
    PaintTarget t(10, 2);
    DrawGradient(*t.Canvas, clBlack, 0x0000A0, 4, TRect(0, 0, 10, 2), true);
    const TColor expected[10] = {0, 0, 40, 40, 80, 80, 80, 120, 120, 120};
    for (int x = 0; x < 10; ++x) EXPECT_EQ(t.At(x, 1), expected[x]) << "x = " << x;
}

TEST(DropDownDraw, GradientVerticalLeavesTheLastRowWhenTheBandRoundsDown)
{
    // 2 steps over 9 rows: bands of 4.5 rows drawn 5 high at 0 and round(4.5) = 4.
    PaintTarget t(3, 10, 0x00ABCDEF);
    DrawGradient(*t.Canvas, clBlack, 0x00C800, 2, TRect(0, 0, 3, 10), false);
    EXPECT_EQ(t.At(1, 0), clBlack);
    EXPECT_EQ(t.At(1, 3), clBlack);
    EXPECT_EQ(t.At(1, 4), 0x006400u);
    EXPECT_EQ(t.At(1, 8), 0x006400u);
    EXPECT_EQ(t.At(1, 9), 0x00ABCDEFu);
}

TEST(DropDownDraw, GradientStepCountEdges)
{
    {
        // No steps: one band in the start colour over the whole rectangle.
        PaintTarget t(6, 4);
        DrawGradient(*t.Canvas, 0x00123456, clRed, 0, TRect(0, 0, 6, 4), true);
        EXPECT_EQ(t.At(0, 0), 0x00123456u);
        EXPECT_EQ(t.At(5, 3), 0x00123456u);
    }
    {
        // More steps than pixels: every band still paints a pixel; the last wins.
        PaintTarget t(4, 1);
        DrawGradient(*t.Canvas, clBlack, 0x000064, 10, TRect(0, 0, 4, 1), true);
        const TColor expected[4] = {10, 40, 80, 90};
        for (int x = 0; x < 4; ++x) EXPECT_EQ(t.At(x, 0), expected[x]) << "x = " << x;
    }
    {
        // System colours are resolved before the arithmetic.
        PaintTarget t(2, 2);
        DrawGradient(*t.Canvas, clBtnFace, clBtnFace, 1, TRect(0, 0, 2, 2), true);
        EXPECT_EQ(t.At(0, 0), ColorToRGB(clBtnFace));
    }
}

TEST(DropDownDraw, BlendColor)
{
    struct Case {
        TColor c1, c2;
        int percent;
        TColor expected;
    } cases[] = {
        {clBtnFace, clWhite, 100, clBtnFace},   // the first colour as passed, system colour and all
        {clBtnFace, clWhite, 150, clBtnFace},
        {clRed, clNone, 0, clNone},             // the second colour as passed
        {clRed, clBlue, -5, clBlue},
        {0x000064, 0x0000C8, 50, 0x000096},     // the mean
        {0x000001, 0x000000, 50, 0x000000},     // 0.5 rounds to the even 0
        {0x000003, 0x000000, 50, 0x000002},     // 1.5 rounds to the even 2
        {clBlack, clWhite, 20, 0x00CCCCCC},     // 20 % black, 80 % white
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.c1 << " " << c.c2 << " " << std::dec << c.percent);
        EXPECT_EQ(BlendColor(c.c1, c.c2, c.percent), c.expected);
    }
    EXPECT_EQ(BlendColor(clBtnFace, clBlack, 50), BlendColor(ColorToRGB(clBtnFace), clBlack, 50));
}

TEST(DropDownDraw, AdjustColor)
{
    // Red and green to 90 %: 225 -> 202.5 -> 202 (half to even), 240 -> 216.
    EXPECT_EQ(AdjustColor(0xF5F0E1, -10, -10, 0), 0xF5D8CAu);
    EXPECT_EQ(AdjustColor(0xF9D2B2, -10, -10, 0), 0xF9BDA0u);
    // Raising is capped at 100 %; a zero channel takes the percentage itself.
    EXPECT_EQ(AdjustColor(0x808080, 50, 50, 50), 0x808080u);
    EXPECT_EQ(AdjustColor(0x000000, 20, -20, 0), 0x000014u);
    EXPECT_EQ(AdjustColor(0x640000, 0, 0, -50), 0x320000u);
}

TEST(DropDownDraw, FilledRectGradientSolidAndFrame)
{
    {
        PaintTarget t(20, 10);
        DrawFilledRect(t.Canvas.get(), TRect(0, 0, 20, 10), clBlack, 0x0000FF, 0x00FF0000, 1, gdHorizontal);
        EXPECT_EQ(t.At(0, 5), 0x00FF0000u);  // the frame
        EXPECT_LT(t.At(1, 5), 0x20u);        // the gradient starts near black
        EXPECT_GT(t.At(18, 5), t.At(10, 5)); // and grows in red to the right
    }
    {
        PaintTarget t(20, 10);
        DrawFilledRect(t.Canvas.get(), TRect(0, 0, 20, 10), 0x00336699, clNone, clNone, 1, gdVertical);
        EXPECT_EQ(t.At(0, 0), 0x00336699u);
        EXPECT_EQ(t.At(19, 9), 0x00336699u);
    }
    {
        // Neither fill nor frame: the background stays.
        PaintTarget t(20, 10, 0x00010203);
        DrawFilledRect(t.Canvas.get(), TRect(0, 0, 20, 10), clNone, clNone, clRed, 0, gdVertical);
        EXPECT_EQ(t.At(0, 0), 0x00010203u);
    }
    DrawFilledRect(nullptr, TRect(0, 0, 5, 5), clRed, clNone, clRed, 1, gdVertical);  // no canvas, no harm
}

TEST(DropDownDraw, ImageTextPlacesTheImageAndTheText)
{
    grid::TGridImageList images(8, 8);
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    images.Add(red);
    PaintTarget t(60, 20);
    t.Canvas->Font.Color = clBlack;
    DrawImageText(t.Canvas.get(), TRect(0, 0, 60, 20), QStringLiteral("M"), 0, &images);
    t.Finish();
    // The image 4 pixels in, centred: (20 - 8) div 2 = 6.
    EXPECT_EQ(dropdown_testing::PixelAt(t.Image, 4, 6), clRed);
    EXPECT_EQ(dropdown_testing::PixelAt(t.Image, 11, 13), clRed);
    EXPECT_EQ(dropdown_testing::PixelAt(t.Image, 3, 6), clWhite);
    EXPECT_EQ(dropdown_testing::PixelAt(t.Image, 12, 6), clWhite);
    // The text starts at image width + 8 = 16.
    int firstInk = -1;
    for (int x = 12; x < 60 && firstInk < 0; ++x)
        for (int y = 0; y < 20; ++y)
            if (dropdown_testing::PixelAt(t.Image, x, y) != clWhite) {
                firstInk = x;
                break;
            }
    EXPECT_GE(firstInk, 16);
    EXPECT_LE(firstInk, 18);
}

TEST(DropDownDraw, ImageTextWithoutImageCentresTheText)
{
    PaintTarget t(100, 20);
    t.Canvas->Font.Color = clBlack;
    DrawImageText(t.Canvas.get(), TRect(0, 0, 100, 20), QStringLiteral("MMM"), -1, nullptr);
    t.Finish();
    int left = 100, right = -1;
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 20; ++y)
            if (dropdown_testing::PixelAt(t.Image, x, y) != clWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 50, 2);
}

TEST(DropDownDraw, BitmapOnColorReplacesTheTopLeftColour)
{
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::magenta);
    bitmap.setPixelColor(2, 2, Qt::black);
    PaintTarget t(10, 10);
    DrawBitmapOnColor(*t.Canvas, bitmap, 0x0000FF00, TRect(3, 3, 7, 7));
    EXPECT_EQ(t.At(3, 3), 0x0000FF00u);
    EXPECT_EQ(t.At(5, 5), clBlack);
    EXPECT_EQ(t.At(2, 2), clWhite);
}

TEST(DropDownDraw, TextExtentAndTruncation)
{
    PaintTarget t(10, 10);
    platform::TCanvas& canvas = *t.Canvas;
    EXPECT_EQ(GetTextExtent(canvas, QString()), QSize(0, 0));
    const QFontMetrics fm(canvas.Font);
    EXPECT_EQ(GetTextExtent(canvas, QStringLiteral("Drop")).height(), fm.height());

    // A large font, so that the last "@" is clearly wider than "...".
    canvas.Font.setPixelSize(40);
    const QString text = QStringLiteral("Drop@@");
    const int full = GetTextExtent(canvas, text).width();
    EXPECT_EQ(TruncateText(canvas, text, full, true), text);
    // Too wide by one character: one character less and the ellipsis.
    const QString shortened = QStringLiteral("Drop@...");
    const int width = GetTextExtent(canvas, shortened).width() + 1;
    ASSERT_LT(width, full);
    EXPECT_EQ(TruncateText(canvas, text, width, true), shortened);
    // The candidate must be narrower than the limit, not equal to it.
    EXPECT_EQ(TruncateText(canvas, text, width - 1, true), QStringLiteral("Drop..."));
    EXPECT_EQ(TruncateText(canvas, text, full - 1, false), text.left(text.size() - 1));
    // Nothing fits: the text unchanged.
    EXPECT_EQ(TruncateText(canvas, text, 0, true), text);
}

TEST(DropDownDraw, CaseText)
{
    EXPECT_EQ(CaseText(QStringLiteral("Straße"), true), QStringLiteral("Straße"));
    EXPECT_EQ(CaseText(QStringLiteral("abc"), false), QStringLiteral("ABC"));
}

TEST(DropDownDraw, HTMLCaptionMeasuresAndDrawsTheShownText)
{
    PaintTarget t(200, 60);
    platform::TCanvas& canvas = *t.Canvas;
    const TRect room(0, 0, 200, 60);
    EXPECT_EQ(DrawHTMLCaption(canvas, QString(), room, false, nullptr), QSize(0, 0));
    // Mark-up and character entities take no room of their own; a line
    // break starts a second line.
    const QSize plain = GetTextExtent(canvas, QStringLiteral("A && B <x>"));  // "&&" measures one "&"
    EXPECT_EQ(DrawHTMLCaption(canvas, QStringLiteral("<b>A</b> &amp; B &lt;x&gt;"), room, false, nullptr), plain);
    const QSize twoLines = DrawHTMLCaption(canvas, QStringLiteral("A<br>B"), room, false, nullptr);
    EXPECT_EQ(twoLines.height(), 2 * plain.height());
    // Measuring draws nothing; drawing does.
    canvas.Font.Color = clBlack;
    t.Finish();
    for (int x = 0; x < 200; ++x) ASSERT_EQ(dropdown_testing::PixelAt(t.Image, x, 8), clWhite);
    PaintTarget drawn(200, 60);
    drawn.Canvas->Font.Color = clBlack;
    EXPECT_EQ(DrawHTMLCaption(*drawn.Canvas, QStringLiteral("<i>M</i>"), room, true, nullptr),
              GetTextExtent(*drawn.Canvas, QStringLiteral("M")));
    drawn.Finish();
    bool ink = false;
    for (int y = 0; y < 20 && !ink; ++y)
        for (int x = 0; x < 20 && !ink; ++x) ink = dropdown_testing::PixelAt(drawn.Image, x, y) != clWhite;
    EXPECT_TRUE(ink);
}

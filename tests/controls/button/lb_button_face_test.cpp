#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "button_test_support.h"
#include "controls/button/lb_button_face.h"

using namespace button;

namespace {

TEST(LbButtonFace, EveryPictureOfTheButtonLoadsFromTheResources)
{
    struct Case {
        const char* name;
        QSize size;
    };
    const Case cases[] = {
        {"LBOK", {36, 18}},     {"LBCANCEL", {36, 18}}, {"LBHELP", {36, 18}},   {"LBYES", {36, 18}},
        {"LBNO", {36, 18}},     {"LBCLOSE", {36, 18}},  {"LBABORT", {36, 18}},  {"LBRETRY", {36, 18}},
        {"LBIGNORE", {36, 18}}, {"LBALL", {36, 19}},    {"LBARROW", {5, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage picture = LoadButtonBitmap(QString::fromLatin1(c.name));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), c.size);
        // The lower-left pixel is the background that drawing leaves out.
        EXPECT_EQ(qAlpha(picture.pixel(0, picture.height() - 1)), 0);
    }
    EXPECT_TRUE(LoadButtonBitmap(QStringLiteral("LBNOSUCH")).isNull());
}

TEST(LbButtonFace, KindPicturesHaveAColouredAndAGreyedHalf)
{
    const QImage ok = LoadButtonBitmap(QStringLiteral("LBOK")).convertToFormat(QImage::Format_ARGB32);
    int greenish = 0, colouredInGreyHalf = 0;
    for (int y = 0; y < ok.height(); ++y)
        for (int x = 0; x < 18; ++x) {
            const QColor normal = ok.pixelColor(x, y);
            const QColor grey = ok.pixelColor(x + 18, y);
            if (normal.alpha() > 200 && normal.green() > normal.red() + 60)
                ++greenish;
            if (grey.alpha() > 0 && (grey.red() != grey.green() || grey.green() != grey.blue()))
                ++colouredInGreyHalf;
        }
    EXPECT_GT(greenish, 10);
    EXPECT_EQ(colouredInGreyHalf, 0);
}

TEST(LbButtonFace, HotTrackBlendTruncatesEachChannel)
{
    struct Case {
        int step;
        QColor expected;
    };
    const QColor face(248, 247, 237);
    const QColor hot(255, 255, 0);
    const Case cases[] = {
        {0, QColor(248, 247, 237)},
        {1, QColor(248, 248, 207)},  // 248.875, 248.0, 207.375
        {4, QColor(251, 251, 118)},  // 251.5, 251.0, 118.5
        {7, QColor(254, 254, 29)},   // 254.125, 254.0, 29.625
        {8, QColor(255, 255, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        EXPECT_EQ(HotTrackBlendColor(face, hot, c.step), c.expected);
    }
}

TEST(LbButtonFace, GlyphPictureFollowsTheStateAndTheNumberOfPictures)
{
    struct Case {
        bool enabled, hot, down;
        int numGlyphs;
        int expected;
    };
    const Case cases[] = {
        {true, false, false, 1, 0}, {false, false, false, 1, 1}, {false, true, true, 4, 1},
        {true, true, false, 3, 0},  {true, true, false, 4, 3},   {true, false, true, 2, 0},
        {true, false, true, 3, 2},  {true, true, true, 4, 2},  // pressed wins over hot
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.enabled << c.hot << c.down << " n=" << c.numGlyphs);
        EXPECT_EQ(GlyphPictureIndex(c.enabled, c.hot, c.down, c.numGlyphs), c.expected);
    }
}

// A strip of two 4 x 4 pictures on an olive background: picture 0 has a red
// pixel at (1, 1), picture 1 a blue pixel at (2, 2).
QImage twoPictureStrip()
{
    QImage strip(8, 4, QImage::Format_ARGB32);
    strip.fill(QColor(128, 128, 0));
    strip.setPixelColor(1, 1, Qt::red);
    strip.setPixelColor(4 + 2, 2, Qt::blue);
    return strip;
}

QImage drawCell(const QImage& strip, int cellX)
{
    QImage canvasImage(6, 6, QImage::Format_ARGB32);
    canvasImage.fill(Qt::white);
    QPainter canvas(&canvasImage);
    DrawGlyphCell(canvas, 1, 1, strip, cellX, 4, 4);
    canvas.end();
    return canvasImage;
}

TEST(LbButtonFace, GlyphCellIsDrawnWithItsLowerLeftColourTransparent)
{
    const QImage strip = twoPictureStrip();
    const QImage second = drawCell(strip, 4);
    EXPECT_EQ(second.pixelColor(1 + 2, 1 + 2), QColor(Qt::blue));
    EXPECT_EQ(second.pixelColor(1 + 1, 1 + 1), QColor(Qt::white));  // picture 0's red is not there
    EXPECT_EQ(second.pixelColor(1, 1), QColor(Qt::white));          // olive left out
    EXPECT_EQ(second.pixelColor(4, 4), QColor(Qt::white));

    // A picture beyond the end of the strip leaves picture 0 showing.
    const QImage beyond = drawCell(strip, 8);
    EXPECT_EQ(beyond.pixelColor(1 + 1, 1 + 1), QColor(Qt::red));
    EXPECT_EQ(beyond.pixelColor(1 + 2, 1 + 2), QColor(Qt::white));
}

TEST(LbButtonFace, BandGradientHasThirtyTwoBandsFromFirstToLastColour)
{
    // 62 rows: every band two rows high; 0 .. 248 in steps of 8.
    QImage image(10, 62, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter canvas(&image);
    canvas.setPen(QPen(Qt::black));
    DrawBandGradient(QColor(0, 0, 248), QColor(248, 0, 0), 0, 0, 10, 62, canvas);
    EXPECT_EQ(canvas.pen().color(), QColor(Qt::black));  // the pen is given back
    canvas.end();
    for (int band = 0; band < 31; ++band) {
        SCOPED_TRACE(band);
        const QColor expected(band * 8, 0, 248 - band * 8);
        EXPECT_EQ(image.pixelColor(5, band * 2), expected);
        EXPECT_EQ(image.pixelColor(5, band * 2 + 1), expected);
    }
    // Band 31 would start at the bottom edge: the last colour itself is
    // never reached.
    EXPECT_EQ(image.pixelColor(9, 61), QColor(240, 0, 8));
}

TEST(LbButtonFace, CaptionLosesCharactersFromItsEndUntilItFits)
{
    QFont font;
    font.setPointSize(9);
    const QFontMetrics metrics(font);
    const QString caption = QStringLiteral("Configuration of the device");
    const int room = metrics.horizontalAdvance(QStringLiteral("Configuration")) + 1;
    const QString shortened = ShortenCaption(caption, metrics, room);
    EXPECT_TRUE(caption.startsWith(shortened));
    EXPECT_LE(metrics.horizontalAdvance(shortened), room);
    EXPECT_GT(metrics.horizontalAdvance(caption.left(shortened.size() + 1)), room);
    EXPECT_FALSE(shortened.contains(QChar(0x2026)));
    EXPECT_EQ(ShortenCaption(caption, metrics, 10000), caption);
    EXPECT_EQ(ShortenCaption(caption, metrics, 0), QString());
}

TEST(LbButtonFace, LayoutShortensOrWrapsTheCaption)
{
    TLbButtonFaceState state;
    state.Width = 110;
    state.Height = 40;
    state.Font.setPointSize(9);
    state.Caption = QStringLiteral("A rather long caption for this button");
    const QFontMetrics metrics(state.Font);

    const TLbButtonFaceLayout shortened = LayoutButtonFace(state);
    EXPECT_EQ(shortened.AvailableWidth, 110 - 8);
    EXPECT_LT(shortened.Caption.size(), state.Caption.size());
    EXPECT_TRUE(state.Caption.startsWith(shortened.Caption));
    EXPECT_EQ(shortened.TextHeight, metrics.height());

    state.WordWrap = true;
    const TLbButtonFaceLayout wrapped = LayoutButtonFace(state);
    EXPECT_EQ(wrapped.Caption, state.Caption);
    EXPECT_GE(wrapped.TextHeight, 2 * metrics.height());
    EXPECT_LE(wrapped.TextWidth, wrapped.AvailableWidth);
}

TEST(LbButtonFace, LayoutPlacesGlyphAndCaption)
{
    TLbButtonFaceState state;
    state.Width = 110;
    state.Height = 28;
    state.Font.setPointSize(9);
    state.Caption = QStringLiteral("OK");
    state.Glyph = LoadButtonBitmap(QStringLiteral("LBOK"));
    state.NumGlyphs = 2;
    const QFontMetrics metrics(state.Font);
    const int textW = metrics.horizontalAdvance(QStringLiteral("OK"));  // advance, not ink

    struct Case {
        TLbButtonLayout layout;
        TAlignment alignment;
        bool down;
        int glyphX, glyphY;
        int textX;
    };
    const int gap = textW + 4;
    const int textH = metrics.height();
    const int totalH = textH + 18 + 4;
    const Case cases[] = {
        {blGlyphLeft, taLeftJustify, false, 4, 5, 4 + 18 + 4},
        {blGlyphLeft, taCenter, false, (110 - 18) / 2 - gap / 2, 5, 26},
        {blGlyphLeft, taCenter, true, (110 - 18) / 2 + 1 - gap / 2, 6, 27},
        {blGlyphLeft, taRightJustify, false, 110 - 4 - 18 - gap, 5, 26},
        {blGlyphRight, taLeftJustify, false, 4 + gap, 5, 4},
        {blGlyphRight, taRightJustify, false, 110 - 4 - 18, 5, 4},
        {blGlyphRight, taCenter, false, (110 - 18) / 2 + gap / 2, 5, 4},
        {blGlyphTop, taCenter, false, (110 - 18) / 2, (28 - totalH) / 2, 4},
        {blGlyphBottom, taRightJustify, false, 110 - 18 - 4, (28 - totalH) / 2 + textH, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.layout) << "/" << int(c.alignment) << " down=" << c.down);
        state.Layout = c.layout;
        state.Alignment = c.alignment;
        state.Down = c.down;
        const TLbButtonFaceLayout layout = LayoutButtonFace(state);
        EXPECT_EQ(layout.GlyphWidth, 18);
        EXPECT_EQ(layout.GlyphX, c.glyphX);
        EXPECT_EQ(layout.GlyphY, c.glyphY);
        EXPECT_EQ(layout.TextX, c.textX);
    }
}

TEST(LbButtonFace, EncartaFaceTurnsBoldInsteadOfMovingWhenPressed)
{
    TLbButtonFaceState state;
    state.Width = 110;
    state.Height = 28;
    state.Caption = QStringLiteral("Go");
    state.Style = bsEncarta;
    state.Down = true;
    TLbButtonFaceLayout layout = LayoutButtonFace(state);
    EXPECT_EQ(layout.Offset, 0);
    EXPECT_TRUE(layout.Font.bold());

    state.Style = bsNormal;
    layout = LayoutButtonFace(state);
    EXPECT_EQ(layout.Offset, 1);
    EXPECT_FALSE(layout.Font.bold());

    state.Enabled = false;  // never drawn pressed
    layout = LayoutButtonFace(state);
    EXPECT_EQ(layout.Offset, 0);
}

TEST(LbButtonFace, FaceColourFollowsStepAndPressedColour)
{
    TLbButtonFaceState state;
    state.Color = 0x00EDF7F8;  // RGB (248, 247, 237)
    state.HotTrackColor = clYellow;
    state.HotTrackStep = 4;
    EXPECT_EQ(ButtonFaceColor(state), QColor(251, 251, 118));
    state.ColorWhenDown = 0x000080FF;  // orange
    state.Down = true;
    EXPECT_EQ(ButtonFaceColor(state), QColor(255, 128, 0));
    state.Enabled = false;  // disabled: neither pressed nor hot-tracked
    EXPECT_EQ(ButtonFaceColor(state), QColor(248, 247, 237));
    state.Enabled = true;
    state.Down = false;
    state.HotTrackColor = clNone;
    state.HotTrackStep = 8;
    EXPECT_EQ(ButtonFaceColor(state), QColor(248, 247, 237));
}

}  // namespace

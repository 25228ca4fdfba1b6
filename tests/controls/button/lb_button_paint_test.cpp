#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>

#include "button_test_support.h"
#include "controls/button/lb_button.h"

using namespace button;
using namespace button_testing;

namespace {

const QColor kFormGreen(0, 128, 0);

// The faces are checked by a few sampled pixels each, never as whole images.
class LbButtonPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = makeForm(QSize(300, 120), kFormGreen);
        button = new TLbButton(form.get());
        button->setGeometry(20, 20, 110, 28);
        button->SetColor(kFormsFace);
        button->SetLightColor(clWhite);
        button->SetShadowColor(clGray);
        button->setFocusPolicy(Qt::NoFocus);  // no focus rectangle unless a check wants one
        showAndActivate(*form);
    }

    QImage face() { return grabImage(*button); }
    // The form where the button stands: shows what shines through the face.
    QImage onForm() { return grabImage(*form).copy(button->geometry()); }

    int width() const { return button->width(); }
    int height() const { return button->height(); }

    std::unique_ptr<QWidget> form;
    TLbButton* button = nullptr;
};

// The darkest pixel (lowest grey value) inside a rectangle.
int darkestGrey(const QImage& image, const QRect& area)
{
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

bool hasPixel(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

TEST_F(LbButtonPaintTest, NormalFaceIsFramedLightAboveAndDarkBelow)
{
    QImage image = face();
    EXPECT_EQ(image.pixelColor(width() / 2, 3), tcolor(kFormsFace));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(0, height() - 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(width() - 1, 0), tcolor(clGray));
    EXPECT_EQ(image.pixelColor(width() - 1, height() - 1), tcolor(clGray));
    EXPECT_EQ(image.pixelColor(1, height() - 1), tcolor(clGray));

    // Pressed: the frame turns over and the pressed colour fills the face.
    button->SetColorWhenDown(kFormsOrange);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    image = face();
    EXPECT_EQ(image.pixelColor(0, 0), tcolor(clGray));
    EXPECT_EQ(image.pixelColor(width() - 1, height() - 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(width() / 2, 3), tcolor(kFormsOrange));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(face().pixelColor(width() / 2, 3), tcolor(kFormsFace));
}

TEST_F(LbButtonPaintTest, FlatFrameShowsOnlyWhileHot)
{
    button->SetFlat(true);
    EXPECT_EQ(face().pixelColor(0, 0), tcolor(kFormsFace));
    sendEnter(*button);
    EXPECT_EQ(face().pixelColor(0, 0), QColor(Qt::white));
    sendLeave(*button);
    EXPECT_EQ(face().pixelColor(0, 0), tcolor(kFormsFace));
}

TEST_F(LbButtonPaintTest, HotTrackColourFillsTheFaceWhilePointerIsOver)
{
    button->SetHotTrackColor(clYellow);
    sendEnter(*button);
    EXPECT_EQ(face().pixelColor(width() / 2, 3), tcolor(clYellow));
    // Disabled: no hot colour.
    button->setEnabled(false);
    EXPECT_EQ(face().pixelColor(width() / 2, 3), tcolor(kFormsFace));
}

TEST_F(LbButtonPaintTest, CaptionIsGreyOnADisabledButtonExceptInTheShapeStyle)
{
    QFont font = button->font();
    font.setPointSize(12);
    button->setFont(font);
    button->SetCaption(QStringLiteral("WWWW"));
    button->SetFontColor(clBlack);
    const QRect captionArea(4, 4, width() - 8, height() - 8);
    EXPECT_LT(darkestGrey(face(), captionArea), 60);
    button->setEnabled(false);
    const int disabledDarkest = darkestGrey(face(), captionArea);
    EXPECT_GE(disabledDarkest, 120);
    EXPECT_LE(disabledDarkest, 136);
    button->SetStyle(bsShape);
    EXPECT_LT(darkestGrey(onForm(), captionArea), 60);
}

// Four 10 x 10 pictures in red, blue, lime and yellow; every lower-left
// pixel is olive, the colour that drawing leaves out.
QImage fourPictureStrip(int pictures = 4)
{
    const QColor colours[] = {Qt::red, Qt::blue, Qt::green, Qt::yellow};
    QImage strip(10 * pictures, 10, QImage::Format_ARGB32);
    for (int i = 0; i < pictures; ++i)
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                strip.setPixelColor(10 * i + x, y, colours[i]);
    for (int i = 0; i < pictures; ++i)
        strip.setPixelColor(10 * i, 9, QColor(128, 128, 0));
    return strip;
}

TEST_F(LbButtonPaintTest, GlyphPictureFollowsTheButtonState)
{
    button->SetGlyph(fourPictureStrip());
    ASSERT_EQ(button->NumGlyphs(), 4);
    const auto centre = [&] { return face().pixelColor(width() / 2, height() / 2); };
    EXPECT_EQ(centre(), QColor(Qt::red));
    sendEnter(*button);
    EXPECT_EQ(centre(), QColor(Qt::yellow));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(centre(), QColor(Qt::green));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    button->setEnabled(false);
    EXPECT_EQ(centre(), QColor(Qt::blue));

    // A one-picture glyph shows its only picture also when disabled.
    button->SetGlyph(fourPictureStrip(1));
    EXPECT_EQ(centre(), QColor(Qt::red));
    // Its lower-left corner lets the face show through.
    const int glyphLeft = (width() - 10) / 2;
    const int glyphTop = (height() - 10) / 2;
    EXPECT_EQ(face().pixelColor(glyphLeft, glyphTop + 9), tcolor(kFormsFace));
    EXPECT_EQ(face().pixelColor(glyphLeft + 1, glyphTop + 9), QColor(Qt::red));
}

TEST_F(LbButtonPaintTest, KindPictureIsDrawn)
{
    button->SetKind(bkOK);
    const QImage image = face();
    const QRect glyphArea(0, 0, width() / 2, height());
    EXPECT_TRUE(hasPixel(image, glyphArea, [](QColor c) { return c.green() > c.red() + 60 && c.green() > c.blue() + 60; }));
    button->setEnabled(false);
    EXPECT_FALSE(hasPixel(face(), glyphArea, [](QColor c) { return c.green() > c.red() + 60; }));
}

TEST_F(LbButtonPaintTest, ModernFaceHasAGradientInARoundedFrame)
{
    button->SetStyle(bsModern);
    button->SetColor(0x00C0C0C0);
    button->SetLightColor(clWhite);
    button->SetShadowColor(clGray);
    const QImage image = onForm();
    const int x = width() / 2;
    EXPECT_EQ(image.pixelColor(0, 0), kFormGreen);  // outside the rounded corner
    EXPECT_EQ(image.pixelColor(x, 0), tcolor(clGray));
    EXPECT_EQ(image.pixelColor(x, 1), tcolor(0x00C0C0C0));  // inner frame in the face colour
    EXPECT_GE(image.pixelColor(x, 2).red(), 0xF0);          // gradient starts light
    EXPECT_EQ(image.pixelColor(x, height() - 1), tcolor(clGray));
    const int middle = height() / 4 + 1;
    EXPECT_LE(image.pixelColor(x, middle).red(), 0xC8);  // near the face colour mid-way
    EXPECT_GT(image.pixelColor(x, height() - 3).red(), image.pixelColor(x, middle).red());
}

TEST_F(LbButtonPaintTest, ShapeFaceLeavesEverythingButCaptionAndGlyphOut)
{
    button->SetStyle(bsShape);
    button->SetCaption(QString());
    button->SetGlyph(fourPictureStrip(1));
    const QImage image = onForm();
    EXPECT_EQ(image.pixelColor(0, 0), kFormGreen);
    EXPECT_EQ(image.pixelColor(width() / 2, 2), kFormGreen);
    EXPECT_EQ(image.pixelColor(width() - 1, height() - 1), kFormGreen);
    EXPECT_EQ(image.pixelColor(width() / 2, height() / 2), QColor(Qt::red));
}

TEST_F(LbButtonPaintTest, QuickenFaceHasLinesAboveAndBelowOnly)
{
    button->SetColorStyle(lcsQuicken);
    button->SetCaption(QString());
    const QImage image = onForm();
    const QColor face = tcolor(0x00603000);
    EXPECT_EQ(image.pixelColor(0, 0), kFormGreen);
    EXPECT_EQ(image.pixelColor(width() / 2, 0), tcolor(0x00C0C0C0));
    EXPECT_EQ(image.pixelColor(width() / 2, height() - 1), tcolor(0x00C0C0C0));
    EXPECT_EQ(image.pixelColor(0, height() / 2), face);
    EXPECT_EQ(image.pixelColor(width() / 2, height() / 2), face);
}

TEST_F(LbButtonPaintTest, OldFaceHasADoubleFrameAndABlackOneWithFocus)
{
    button->SetStyle(bsOld);
    QImage image = face();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(width() - 1, height() - 1), tcolor(cl3DDkShadow));
    EXPECT_EQ(image.pixelColor(width() - 2, height() / 2), tcolor(clGray));
    EXPECT_EQ(image.pixelColor(width() / 2, 3), tcolor(kFormsFace));

    button->setFocusPolicy(Qt::StrongFocus);
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    image = face();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(width() - 1, height() - 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
}

TEST_F(LbButtonPaintTest, EncartaFaceDoesNotMoveWhenPressed)
{
    button->SetStyle(bsEncarta);
    button->SetGlyph(fourPictureStrip(1));
    button->SetCaption(QString());
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    const QImage image = face();
    EXPECT_EQ(image.pixelColor(0, 0), tcolor(clGray));
    const int glyphLeft = (width() - 10) / 2;
    EXPECT_EQ(image.pixelColor(glyphLeft + 1, (height() - 10) / 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(glyphLeft, (height() - 10) / 2), QColor(Qt::red));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(LbButtonPaintTest, FocusedButtonShowsADottedFocusRectangle)
{
    const QColor plain = tcolor(kFormsFace);
    const QColor inverted(255 - plain.red(), 255 - plain.green(), 255 - plain.blue());
    EXPECT_EQ(face().pixelColor(4, 4), plain);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage image = face();
    EXPECT_EQ(image.pixelColor(4, 4), inverted);
    EXPECT_EQ(image.pixelColor(5, 4), plain);
    EXPECT_EQ(image.pixelColor(6, 4), inverted);
    EXPECT_EQ(image.pixelColor(width() - 6, height() - 5), (width() - 6 + height() - 5) % 2 == 0 ? inverted : plain);
}

TEST_F(LbButtonPaintTest, PopUpMenuIsAnnouncedByASmallArrow)
{
    const QPoint arrowTip(width() - 11 + 2, height() / 2 - 1 + 2);
    EXPECT_EQ(face().pixelColor(arrowTip), tcolor(kFormsFace));
    QMenu menu;
    button->SetPopupMenu(&menu);
    QImage image = face();
    EXPECT_EQ(image.pixelColor(arrowTip), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(width() - 11, height() / 2 - 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(width() - 11, height() / 2 + 1), tcolor(kFormsFace));
}

TEST_F(LbButtonPaintTest, HotTrackFontIsUsedWhileHot)
{
    button->SetCaption(QStringLiteral("WWWW"));
    button->SetFontColor(clBlack);
    button->SetHotTrackFontColor(clRed);
    button->SetUseHotTrackFont(true);
    const QRect captionArea(4, 4, width() - 8, height() - 8);
    const auto reddish = [](QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; };
    EXPECT_FALSE(hasPixel(face(), captionArea, reddish));
    sendEnter(*button);
    EXPECT_TRUE(hasPixel(face(), captionArea, reddish));
}

}  // namespace

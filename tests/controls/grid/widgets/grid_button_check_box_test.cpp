#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include "controls/grid/widgets/grid_button.h"
#include "controls/grid/widgets/grid_check_box.h"

using namespace grid;

namespace {
QImage framedGlyph(QColor inner)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(2, 2, 6, 6, inner);
    return image;
}
}  // namespace

TEST(GridButton, DefaultsMarginAndLooks)
{
    TExGridButton b;
    EXPECT_EQ(b.size(), QSize(23, 22));
    EXPECT_TRUE(b.Flat());
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.Spacing(), 4);
    EXPECT_EQ(b.ColorHot, 0x00CAC7C7u);
    b.SetMargin(-2);
    EXPECT_EQ(b.Margin(), -1);
    b.SetMargin(3);
    b.SetMargin(-1);
    EXPECT_EQ(b.Margin(), -1);

    b.SetLook(2);
    EXPECT_EQ(b.Look(), 2);
    EXPECT_EQ(b.Color, 0x00FDEADAu);
    EXPECT_EQ(b.ColorCheckedTo, 0x0055ADFFu);
    EXPECT_EQ(b.BorderHotColor, clBlack);
    EXPECT_FALSE(b.Rounded());
    EXPECT_TRUE(b.Flat());
    b.SetLook(7);
    EXPECT_EQ(b.Look(), 2);
    EXPECT_EQ(b.Color, 0x00FDEADAu);
    b.SetLook(0);
    EXPECT_TRUE(b.Rounded());
}

TEST(GridButton, DownGroupsAndCheckStyle)
{
    QWidget parent;
    TExGridButton plain(&parent);
    plain.SetDown(true);  // no group, plain style: stays up
    EXPECT_FALSE(plain.Down());

    TExGridButton a(&parent), b(&parent);
    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    a.SetDown(true);
    b.SetDown(true);
    EXPECT_FALSE(a.Down());
    EXPECT_TRUE(b.Down());
    b.SetDown(false);  // a down group button without AllowAllUp stays down
    EXPECT_TRUE(b.Down());
    b.SetAllowAllUp(true);
    EXPECT_TRUE(a.AllowAllUp());  // the group shares it
    b.SetDown(false);
    EXPECT_FALSE(b.Down());

    parent.resize(200, 100);
    parent.show();
    TExGridButton check(&parent);
    check.SetStyle(tasCheck);
    check.show();
    int clicks = 0;
    check.OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(check.Down());
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(check.Down());
    // Released outside: no click, no toggle. The bottom edge counts as inside,
    // the right edge does not.
    QTest::mousePress(&check, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&check, Qt::LeftButton, {}, QPoint(check.width(), 5));
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(check.Down());
    QTest::mousePress(&check, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&check, Qt::LeftButton, {}, QPoint(5, check.height()));
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(check.Down());
}

TEST(GridButton, DropDownPartGlyphsAndPaint)
{
    QWidget parent;
    parent.resize(200, 100);
    TExGridButton b(&parent);
    b.setGeometry(20, 10, 60, 22);
    b.SetDropDownButton(true);
    parent.show();
    int dropDowns = 0, clicks = 0;
    b.OnDropDown = [&](QObject*) { ++dropDowns; };
    b.OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(55, 10));  // the rightmost 12 pixels
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);

    // A grey disabled glyph is made once, from the first glyph.
    b.SetGlyph(framedGlyph(Qt::red));
    const QImage grey = b.GlyphDisabled();
    for (int x = 0; x < grey.width(); ++x)
        for (int y = 0; y < grey.height(); ++y) {
            const QRgb p = grey.pixel(x, y);
            EXPECT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) >= 96 && qRed(p) <= 223);
        }
    EXPECT_EQ(qRed(grey.pixel(4, 4)), (255 / 3) / 2 + 96);
    b.SetGlyph(framedGlyph(Qt::blue));
    EXPECT_EQ(b.GlyphDisabled(), grey);

    // Without a caption the glyph sits at the top-left corner.
    b.SetDropDownButton(false);
    const QImage shot = b.grab().toImage();
    EXPECT_EQ(shot.pixelColor(4, 4), QColor(Qt::blue));
}

TEST(GridButton, FaceGradientBands)
{
    // 16 steps over 22 pixels: bands of round(22 / 16) + 1 = 2 pixels from round(i * 1.375).
    QImage image(10, 22, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    platform::TCanvas canvas(painter);
    DrawButtonGradient(canvas, 0x00000000, 0x00F0F0F0, false, platform::TRect(0, 0, 10, 22), 16, clNone);
    painter.end();
    EXPECT_EQ(image.pixelColor(5, 0), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 21).red(), 15 * 15);  // the last band: 15 steps of 15
    EXPECT_LT(image.pixelColor(5, 10).red(), image.pixelColor(5, 20).red());
}

TEST(GridCheckBox, DefaultsToggleAndMouse)
{
    QWidget parent;
    parent.resize(200, 60);
    TExCheckBox box(&parent);
    EXPECT_EQ(box.size(), QSize(98, 20));
    EXPECT_EQ(box.Caption(), "TExCheckBox");
    EXPECT_EQ(box.State(), cbUnchecked);
    EXPECT_EQ(box.BoxRect().topLeft(), QPoint(0, 4));
    box.SetState(cbGrayed);
    box.Toggle();
    EXPECT_EQ(box.State(), cbChecked);
    box.SetAlignment(taRightJustify);
    EXPECT_EQ(box.BoxRect().left(), box.width() - 15);

    parent.show();
    int clicks = 0;
    box.OnClick = [&](QObject*) { ++clicks; };
    box.ReadOnly = true;
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(box.Checked());  // read-only: no change, yet a click
    EXPECT_EQ(clicks, 1);
    box.ReadOnly = false;
    // The right and bottom edges still count.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(box.width(), box.height()));
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks, 2);
    // A release without a press on the box does nothing.
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks, 2);
}

TEST(GridCheckBox, KeysToggleOnceAndEnterActsAsTab)
{
    QWidget parent;
    TExCheckBox box(&parent);
    parent.show();
    int clicks = 0, ups = 0, lastDown = 0;
    box.OnClick = [&](QObject*) { ++clicks; };
    box.OnKeyUp = [&](QObject*, int) { ++ups; };
    box.OnKeyDown = [&](QObject*, int& key) { lastDown = key; };
    QTest::keyPress(&box, Qt::Key_Space);
    EXPECT_TRUE(box.Down());
    QTest::keyRelease(&box, Qt::Key_Space);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(&box, Qt::Key_A);
    EXPECT_EQ(ups, 2);
    box.ReturnIsTab = true;
    QTest::keyPress(&box, Qt::Key_Return);
    EXPECT_EQ(lastDown, int(Qt::Key_Tab));
    EXPECT_TRUE(box.DialogChar(QChar('x')) == false);
    box.SetCaption("&Match case");
    EXPECT_TRUE(box.DialogChar(QChar('m')));
    EXPECT_FALSE(box.Checked());
}

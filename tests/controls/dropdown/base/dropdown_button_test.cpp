#include <gtest/gtest.h>

#include <QTest>

#include "controls/dropdown/base/dropdown_button.h"
#include "controls/dropdown/dropdown_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;

namespace {

QImage grabFace(TDropDownEditButton& button)
{
    return button.SpeedButton()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void hover(QWidget& widget)
{
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), widget.mapToGlobal(QPointF(3, 3)));
    QApplication::sendEvent(&widget, &enter);
}

}  // namespace

TEST(DropDownButton, AlwaysItsOwnWidth)
{
    QWidget parent;
    TDropDownEditButton button(&parent);
    EXPECT_EQ(button.size(), QSize(16, 25));
    button.SetBounds(5, 6, 40, 30);
    EXPECT_EQ(button.geometry(), QRect(5, 6, 16, 30));
    EXPECT_EQ(button.SpeedButton()->geometry(), QRect(0, 0, 16, 30));
    // A size from outside is put right when it arrives.
    parent.show();
    button.resize(50, 20);
    EXPECT_EQ(button.size(), QSize(16, 20));
    EXPECT_EQ(button.SpeedButton()->geometry(), QRect(0, 0, 16, 20));
    button.SetButtonWidth(20);
    EXPECT_EQ(button.width(), 20);
    EXPECT_EQ(button.SpeedButton()->width(), 20);
}

TEST(DropDownButton, CustomColoursWithPressedOverHot)
{
    DropDownHost host;
    TDropDownEditButton& button = *host.Edit->Button();
    host.Edit->SetBorderColor(clBlue);
    button.SetButtonColor(0x00101010);
    button.SetButtonColorHot(0x00202020);
    button.SetButtonColorDown(0x00303030);
    button.SetButtonTextColor(0x00404040);
    button.SetButtonTextColorHot(0x00505050);
    button.SetButtonTextColorDown(0x00606060);
    // A glyph is never drawn in the custom look.
    QImage glyph(8, 8, QImage::Format_RGB32);
    glyph.fill(Qt::red);
    button.SetGlyph(glyph);

    QImage face = grabFace(button);
    EXPECT_EQ(PixelAt(face, 0, 5), clBlue);             // the line to the text
    EXPECT_EQ(PixelAt(face, 3, 3), 0x00101010u);        // the face
    EXPECT_EQ(PixelAt(face, 8, 8), 0x00404040u);        // the arrow (5,7)-(11,7)-(8,10)

    hover(*button.SpeedButton());
    face = grabFace(button);
    EXPECT_EQ(PixelAt(face, 3, 3), 0x00202020u);
    EXPECT_EQ(PixelAt(face, 8, 8), 0x00505050u);

    QTest::mousePress(button.SpeedButton(), Qt::LeftButton, {}, QPoint(3, 3));
    face = grabFace(button);
    EXPECT_EQ(PixelAt(face, 3, 3), 0x00303030u);
    EXPECT_EQ(PixelAt(face, 8, 8), 0x00606060u);
    QTest::mouseRelease(button.SpeedButton(), Qt::LeftButton, {}, QPoint(3, 3));
}

TEST(DropDownButton, GlyphLook)
{
    DropDownHost host;
    TDropDownEditButton& button = *host.Edit->Button();
    QImage glyph(6, 6, QImage::Format_RGB32);
    glyph.fill(Qt::green);
    glyph.setPixelColor(0, 5, Qt::magenta);  // the lower-left pixel gives the transparent colour
    glyph.setPixelColor(3, 3, Qt::magenta);
    button.SetGlyph(glyph);
    const QImage face = grabFace(button);
    // The glyph at (0, 0) over a button face with a grey frame.
    EXPECT_EQ(PixelAt(face, 2, 2), clLime);
    EXPECT_EQ(PixelAt(face, 3, 3), ColorToRGB(clBtnFace));  // a transparent pixel
    EXPECT_EQ(PixelAt(face, 8, 8), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(face, face.width() - 1, face.height() - 1), clGray);
}

TEST(DropDownButton, ReadOnlyOrDisabledEditDisablesTheFace)
{
    DropDownHost host;
    TExDropDownSpeedButton& face = *host.Edit->Button()->SpeedButton();
    (void)grabFace(*host.Edit->Button());
    EXPECT_TRUE(face.isEnabled());
    host.Edit->SetReadOnly(true);
    (void)grabFace(*host.Edit->Button());
    EXPECT_FALSE(face.isEnabled());
    host.Edit->SetReadOnly(false);
    (void)grabFace(*host.Edit->Button());
    EXPECT_TRUE(face.isEnabled());
    host.Edit->setEnabled(false);
    EXPECT_FALSE(face.isEnabled());
}

TEST(DropDownButton, ClassicFaceWithoutThemes)
{
    DropDownHost host;
    TDropDownEditButton& button = *host.Edit->Button();
    button.SpeedButton()->SetThemesAvailable(false);
    const QImage face = grabFace(button);
    EXPECT_EQ(PixelAt(face, 8, 8), clBlack);  // the black arrow
    EXPECT_EQ(PixelAt(face, 1, 5), clWhite);  // the inner highlight line
    EXPECT_EQ(PixelAt(face, 0, 5), ColorToRGB(clBtnFace));
}

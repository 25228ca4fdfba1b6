#include <gtest/gtest.h>

#include <set>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "platform/canvas.h"
#include "platform/input_state.h"
#include "platform/theme_painter.h"

using namespace platform;

namespace canvas_tests {

struct Surface {
    QImage image{100, 100, QImage::Format_RGB32};
    Surface() { image.fill(Qt::white); }
    QRgb at(int x, int y) const { return image.pixel(x, y) & 0xFFFFFFu; }
};

QRgb rgbOf(TColor c) { return toQColor(c).rgb() & 0xFFFFFFu; }

TEST(Canvas, LinesAndRectanglesLeaveOutTheirEndPixels)
{
    Surface s;
    {
        QPainter p(&s.image);
        TCanvas c(p);
        c.Pen.Color = clBlack;
        c.MoveTo(10, 10);
        c.LineTo(20, 10);
        c.MoveTo(50, 10);
        c.LineTo(50, 20);
        c.MoveTo(60, 10);
        c.LineTo(65, 15);
        c.Brush.Color = clRed;
        c.Pen.Color = clBlue;
        c.Rectangle(30, 30, 40, 40);
    }
    EXPECT_EQ(s.at(10, 10), 0u);
    EXPECT_EQ(s.at(19, 10), 0u);
    EXPECT_EQ(s.at(20, 10), 0xFFFFFFu) << "LineTo leaves out its end point";
    EXPECT_EQ(s.at(50, 19), 0u);
    EXPECT_EQ(s.at(50, 20), 0xFFFFFFu);
    EXPECT_EQ(s.at(64, 14), 0u);
    EXPECT_EQ(s.at(65, 15), 0xFFFFFFu);
    EXPECT_EQ(s.at(30, 30), 0x0000FFu) << "outline in the pen colour";
    EXPECT_EQ(s.at(39, 39), 0x0000FFu);
    EXPECT_EQ(s.at(40, 40), 0xFFFFFFu) << "Right and Bottom lie outside";
    EXPECT_EQ(s.at(35, 35), 0xFF0000u) << "inside in the brush colour";
}

TEST(Canvas, GradientsFillInTheGivenNumberOfBands)
{
    Surface s;
    {
        QPainter p(&s.image);
        TCanvas c(p);
        c.GradientFill(TRect(0, 0, 10, 64), clBlack, clWhite, 8, true);
        c.GradientFill(TRect(20, 0, 84, 10), clRed, clBlue, 4, false);
        c.GradientFill(TRect(20, 20, 30, 30), clLime, clNone, 64, true);
    }
    std::set<QRgb> colours;
    for (int y = 0; y < 64; ++y) colours.insert(s.at(5, y));
    EXPECT_EQ(colours.size(), 8u);
    EXPECT_EQ(s.at(5, 0), 0u);
    EXPECT_EQ(s.at(5, 63), 0xFFFFFFu);
    EXPECT_EQ(s.at(5, 7), s.at(5, 0)) << "bands of equal height";
    EXPECT_NE(s.at(5, 8), s.at(5, 0));
    EXPECT_EQ(s.at(20, 5), 0xFF0000u);
    EXPECT_EQ(s.at(83, 5), 0x0000FFu);
    EXPECT_EQ(s.at(25, 25), 0x00FF00u) << "no end colour: a plain fill";
}

TEST(Canvas, EdgesFocusRectanglesAndTransparentPictures)
{
    Surface s;
    QImage before;
    {
        QPainter p(&s.image);
        TCanvas c(p);
        TRect r(10, 10, 30, 30);
        c.DrawEdge(r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        EXPECT_EQ(r, TRect(12, 12, 28, 28)) << "two borders drawn";
        TRect sunken(40, 10, 60, 30);
        c.DrawEdge(sunken, EDGE_SUNKEN, BF_RECT);
    }
    EXPECT_EQ(s.at(10, 10), rgbOf(cl3DLight));
    EXPECT_EQ(s.at(29, 29), rgbOf(cl3DDkShadow));
    EXPECT_EQ(s.at(11, 11), rgbOf(clBtnHighlight));
    EXPECT_EQ(s.at(28, 28), rgbOf(clBtnShadow));
    EXPECT_EQ(s.at(40, 10), rgbOf(clBtnShadow));
    EXPECT_EQ(s.at(59, 29), rgbOf(clBtnHighlight));

    before = s.image.copy();
    {
        QPainter p(&s.image);
        TCanvas c(p);
        c.DrawFocusRect(TRect(5, 50, 45, 70));
    }
    EXPECT_NE(s.image, before);
    {
        QPainter p(&s.image);
        TCanvas c(p);
        c.DrawFocusRect(TRect(5, 50, 45, 70));
    }
    EXPECT_EQ(s.image, before) << "a focus rectangle drawn twice is gone";

    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 3; y < 7; ++y)
        for (int x = 3; x < 7; ++x) picture.setPixel(x, y, qRgb(0, 0, 255));
    {
        QPainter p(&s.image);
        TCanvas c(p);
        c.DrawTransparent(60, 60, picture, clRed);
        c.DrawTransparent(80, 60, picture);  // bottom-left pixel: red
    }
    for (int x : {60, 80}) {
        EXPECT_EQ(s.at(x, 60), 0xFFFFFFu);
        EXPECT_EQ(s.at(x + 4, 64), 0x0000FFu);
    }
}

TEST(Canvas, FrameControlsShowTheirState)
{
    struct Case {
        const char* name;
        unsigned type, on, off;
    };
    const Case cases[] = {
        {"check box", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, DFCS_BUTTONCHECK},
        {"radio", DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, DFCS_BUTTONRADIO},
        {"push button", DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, DFCS_BUTTONPUSH},
        {"combo arrow", DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_PUSHED, DFCS_SCROLLCOMBOBOX},
        {"up arrow vs down arrow", DFC_SCROLL, DFCS_SCROLLUP, DFCS_SCROLLDOWN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Surface on, off;
        {
            QPainter p(&on.image);
            TCanvas canvas(p);
            canvas.DrawFrameControl(TRect(0, 0, 16, 16), c.type, c.on);
        }
        {
            QPainter p(&off.image);
            TCanvas canvas(p);
            canvas.DrawFrameControl(TRect(0, 0, 16, 16), c.type, c.off);
        }
        EXPECT_NE(on.image, off.image);
        EXPECT_EQ(on.at(50, 50), 0xFFFFFFu) << "nothing outside the rectangle";
    }
}

TEST(Canvas, TextIsOpaqueOnASolidBrushAndTransparentOnAClearOne)
{
    Surface s;
    {
        QPainter p(&s.image);
        TCanvas c(p);
        c.Font.setPixelSize(12);
        c.Brush.Color = clYellow;
        TRect r(0, 0, 100, 20);
        c.DrawText("Mg", r, DT_SINGLELINE);
        c.Brush.Style = Qt::NoBrush;
        TRect r2(0, 40, 100, 60);
        c.DrawText("Mg", r2, DT_SINGLELINE);
    }
    const int w = QFontMetrics([] {
                      QFont f;
                      f.setPixelSize(12);
                      return f;
                  }()).horizontalAdvance("Mg");
    EXPECT_EQ(s.at(w - 1, 1), 0xFFFF00u) << "background of the text in the brush colour";
    EXPECT_EQ(s.at(w - 1, 41), 0xFFFFFFu) << "a clear brush leaves the background";
    EXPECT_EQ(s.at(w + 5, 1), 0xFFFFFFu) << "only the text's own box";
}

TEST(ColourModel, SystemColoursResolveThroughThePalette)
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(ColorToRGB(clBtnFace), ColorFromQColor(face));
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(toQColor(0x00336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ColorFromQColor(QColor(0x99, 0x66, 0x33)), 0x00336699u);
    EXPECT_FALSE(toQColor(clNone).isValid());
    EXPECT_EQ(ColorFromQColor(QColor()), clNone);
}

TEST(ThemePainter, EveryPartDrawsAndStatesDiffer)
{
    EXPECT_TRUE(ThemePainter::ThemesActive());
    EXPECT_GT(ThemePainter::CheckSize(), 0);
    const TThemePart parts[] = {TThemePart::Header, TThemePart::PushButton, TThemePart::CheckBox, TThemePart::Radio,
                                TThemePart::ComboButton, TThemePart::SpinUp, TThemePart::SpinDown,
                                TThemePart::Progress};
    for (TThemePart part : parts) {
        SCOPED_TRACE(int(part));
        Surface blank, drawn;
        {
            QPainter p(&drawn.image);
            ThemePainter::Draw(p, part, TRect(2, 2, 42, 22), tsNormal, 500);
        }
        EXPECT_NE(drawn.image, blank.image);
    }
    Surface unchecked, checked;
    {
        QPainter p(&unchecked.image);
        ThemePainter::Draw(p, TThemePart::CheckBox, TRect(0, 0, 16, 16), tsNormal);
    }
    {
        QPainter p(&checked.image);
        ThemePainter::Draw(p, TThemePart::CheckBox, TRect(0, 0, 16, 16), tsChecked);
    }
    EXPECT_NE(unchecked.image, checked.image);
}

TEST(InputState, KeyCodesShiftStatesBeepAndCursors)
{
    const Word keys[] = {VK_RETURN, VK_TAB, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END, VK_HOME,
                         VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_INSERT, VK_DELETE, VK_F2, 'A', '7'};
    for (Word k : keys) EXPECT_EQ(keyCodeFromQt(qtKeyFromKeyCode(k)), k);
    EXPECT_EQ(keyCodeFromQt(Qt::Key_Backtab), VK_TAB);
    EXPECT_EQ(shiftStateFromQt(Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton), ssShift | ssCtrl | ssLeft);

    setKeyboardStateOverride(ssCtrl | ssAlt | ssLeft);
    EXPECT_EQ(keyboardShiftState(), ssCtrl | ssAlt);
    EXPECT_EQ(mouseButtonState(), ssLeft);
    EXPECT_TRUE(isKeyDown(VK_LBUTTON));
    EXPECT_FALSE(isKeyDown(VK_RBUTTON));
    EXPECT_TRUE(isKeyDown(VK_CONTROL));
    EXPECT_TRUE(isKeyDown(VK_LMENU));
    EXPECT_FALSE(isKeyDown(VK_SHIFT));
    clearKeyboardStateOverride();

    int beeps = 0;
    setBeepHandler([&] { ++beeps; });
    beep();
    setBeepHandler(nullptr);
    EXPECT_EQ(beeps, 1);

    EXPECT_EQ(toQCursor(crHandPoint).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(toQCursor(crHSplit).shape(), Qt::SplitHCursor);
    setScreenCursor(crHourGlass);
    EXPECT_EQ(screenCursor(), crHourGlass);
    setScreenCursor(crDefault);
    EXPECT_EQ(screenCursor(), crDefault);
}

}  // namespace canvas_tests

// Pictures and form controls in mini-HTML texts: their place on the line,
// their drawing and their answer to the hit test.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include <QBuffer>

#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/html/html_renderer.h"
#include "controls/grid/html/picture_container.h"
#include "html_test_support.h"

using namespace grid;
using html_test::Sizes;
using html_test::Surface;
using platform::TRect;

namespace {

// A container with pictures of one colour each, by name.
struct Pictures {
    TPictureContainer Container;
    void Add(const QString& name, int w, int h, QColor colour)
    {
        TPictureItem& item = Container.Items().Add();
        item.Name = name;
        QByteArray bytes = html_test::pngBytes(w, h, colour);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        item.Picture().LoadFromStream(&buffer);
    }
};

bool isRed(QColor c) { return c == QColor(Qt::red); }
bool isGreen(QColor c) { return c == QColor(Qt::green); }

}  // namespace

TEST(HtmlObjects, ImageListPicturesAdvanceByTheirSizeAtTheScreenResolution)
{
    const Sizes f;
    TGridImageList images(16, 16);
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    images.Add(red);
    THTMLRenderParams p;
    p.Images = &images;
    for (const int dpi : {96, 120}) {
        SCOPED_TRACE(dpi);
        Surface s(200, 60, dpi);
        THTMLRenderResult out;
        RenderHTMLText(*s.Canvas, R"(ab<IMG SRC="idx:0">)", TRect(0, 0, 200, 60), p, out);
        const int advance = dpi == 96 ? 16 : 20;
        EXPECT_EQ(out.XSize, f.Width("ab") + advance);
        // Drawn where the pen stands, 16 pixels wide at either resolution.
        EXPECT_EQ(s.Box(isRed), QRect(1 + f.Width("ab"), 0, 16, 16));
    }
    // An index beyond the list places nothing.
    Surface s(200, 60);
    THTMLRenderResult out;
    RenderHTMLText(*s.Canvas, R"(ab<IMG SRC="IDX:1">)", TRect(0, 0, 200, 60), p, out);
    EXPECT_EQ(out.XSize, f.Width("ab"));
    EXPECT_TRUE(s.Box(isRed).isNull());
}

TEST(HtmlObjects, ContainerPicturesAreScaledByWidthOrHeight)
{
    Pictures pictures;
    pictures.Add("Wide", 64, 48, Qt::red);
    THTMLRenderParams p;
    p.PictureContainer = &pictures.Container;
    const struct {
        QString tag;
        QSize drawn;
    } cases[] = {
        {R"(<IMG SRC="wide">)", {64, 48}},
        {R"(<IMG SRC="wide" WIDTH="32">)", {32, 24}},
        {R"(<IMG SRC="wide" HEIGHT="12">)", {16, 12}},
        {R"(<IMG SRC="wide" WIDTH="10" HEIGHT="30">)", {10, 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag.toStdString());
        Surface s(200, 80);
        THTMLRenderResult out;
        RenderHTMLText(*s.Canvas, c.tag, TRect(0, 0, 200, 80), p, out);
        EXPECT_EQ(s.Box(isRed), QRect(QPoint(1, 0), c.drawn));
        EXPECT_EQ(out.XSize, c.drawn.width());
        EXPECT_EQ(out.YSize, std::max(Sizes().Gh, c.drawn.height()));
    }
}

TEST(HtmlObjects, AnImageMovesToTheNextLineUnlessWiderThanTheLine)
{
    const Sizes f;
    Pictures pictures;
    pictures.Add("p", 30, 20, Qt::red);
    pictures.Add("huge", 300, 20, Qt::green);
    THTMLRenderParams p;
    p.MeasureOnly = true;
    p.PictureContainer = &pictures.Container;
    const int width = f.Width("abc") + 20;
    Surface s;
    THTMLRenderResult out;
    RenderHTMLText(*s.Canvas, R"(abc<IMG SRC="p">)", TRect(0, 0, width, 0), p, out);
    EXPECT_EQ(out.YSize, f.Line + 20);
    EXPECT_EQ(out.XSize, std::max(f.Width("abc"), 30));
    RenderHTMLText(*s.Canvas, R"(abc<IMG SRC="huge">)", TRect(0, 0, width, 0), p, out);
    EXPECT_EQ(out.YSize, 20);
    EXPECT_EQ(out.XSize, f.Width("abc") + 300);
}

TEST(HtmlObjects, AnImageInsideAnAnchorIsHitAndShowsItsAlternative)
{
    Pictures pictures;
    pictures.Add("normal", 20, 20, Qt::red);
    pictures.Add("over", 20, 20, Qt::green);
    THTMLRenderParams p;
    p.PictureContainer = &pictures.Container;
    p.X = 10;
    p.Y = 10;
    const QString text = R"(<A HREF="target" TITLE="tip"><IMG SRC="normal" ALT="over"></A>)";
    Surface s(100, 40);
    THTMLRenderResult out;
    EXPECT_TRUE(RenderHTMLText(*s.Canvas, text, TRect(0, 0, 100, 40), p, out));
    EXPECT_EQ(out.AnchorVal, "target");
    EXPECT_EQ(out.AnchorTitle, "tip");
    EXPECT_EQ(s.Box(isGreen), QRect(1, 0, 20, 20));
    EXPECT_TRUE(s.Box(isRed).isNull());

    // The point elsewhere: the picture itself, and no hit.
    p.X = 50;
    Surface away(100, 40);
    THTMLRenderResult none;
    EXPECT_FALSE(RenderHTMLText(*away.Canvas, text, TRect(0, 0, 100, 40), p, none));
    EXPECT_EQ(away.Box(isRed), QRect(1, 0, 20, 20));
    // Outside an anchor a picture is never hit.
    p.X = 10;
    Surface plain(100, 40);
    EXPECT_FALSE(RenderHTMLText(*plain.Canvas, R"(<IMG SRC="normal">)", TRect(0, 0, 100, 40), p, none));
}

TEST(HtmlObjects, AlignTopLiftsTheTextOfTheLine)
{
    const Sizes f;
    Pictures pictures;
    pictures.Add("tall", 10, 40, Qt::red);
    THTMLRenderParams p;
    p.PictureContainer = &pictures.Container;
    auto textBottom = [&](const QString& text) {
        Surface s(200, 60);
        THTMLRenderResult out;
        RenderHTMLText(*s.Canvas, text, TRect(0, 0, 200, 60), p, out);
        return s.Box([](QColor c) { return c.lightness() < 100 && c != QColor(Qt::red); }, QRect(0, 0, 12, 60)).bottom();
    };
    const int plain = textBottom(R"(x<IMG SRC="tall">)");
    const int lifted = textBottom(R"(x<IMG SRC="tall" ALIGN="TOP">)");
    EXPECT_EQ(plain - lifted, 40 - f.Gh);
}

TEST(HtmlObjects, FormControlsArePlacedDrawnAndHit)
{
    const Sizes f;
    auto draw = [](const QString& text, QImage* image = nullptr) {
        Surface s(200, 60);
        THTMLRenderResult out;
        THTMLRenderParams p;
        RenderHTMLText(*s.Canvas, text, TRect(0, 0, 200, 60), p, out);
        if (image != nullptr) *image = s.Done();
        return out;
    };
    // A check box is checked for "true" in any case, unchecked otherwise.
    QImage on, onCaps, off;
    draw(R"(<CONTROL TYPE="CHECK" WIDTH="16" ID="c" VALUE="true">)", &on);
    draw(R"(<CONTROL TYPE="CHECK" WIDTH="16" ID="c" VALUE="TrUe">)", &onCaps);
    draw(R"(<CONTROL TYPE="CHECK" WIDTH="16" ID="c" VALUE="yes">)", &off);
    EXPECT_EQ(on, onCaps);
    EXPECT_NE(on, off);

    // Boxes and line heights: an edit is WIDTH x (text height + 10) on a
    // 23-pixel line; a button 25 high on a line of HEIGHT - 2.
    EXPECT_EQ(draw(R"(<CONTROL TYPE="EDIT" WIDTH="60" ID="e">)").YSize, std::max(23, f.Gh + 10));
    EXPECT_EQ(draw(R"(<CONTROL TYPE="BUTTON" WIDTH="40" HEIGHT="30" ID="b">)").YSize, 28);
    EXPECT_EQ(draw(R"(<CONTROL TYPE="CHECK" WIDTH="40" ID="c">)").XSize, 16);
    EXPECT_EQ(draw(R"(<CONTROL TYPE="EDIT" ID="e">)").XSize, 0);  // without WIDTH: dropped

    // The point on the second control: its box, ID, value and type.
    const QString form = R"(<CONTROL TYPE="EDIT" WIDTH="60" ID="e1" VALUE="a b"><CONTROL TYPE="combo" WIDTH="50" ID="k1" VALUE="x">)";
    Surface s(200, 60);
    THTMLRenderParams p;
    p.X = 1 + 60 + 5;
    p.Y = 5;
    THTMLRenderResult out;
    EXPECT_TRUE(RenderHTMLText(*s.Canvas, form, TRect(0, 0, 200, 60), p, out));
    EXPECT_EQ(out.AnchorVal, "ctrl");
    EXPECT_EQ(out.ControlID, "k1");
    EXPECT_EQ(out.ControlType, "COMBO");
    EXPECT_EQ(out.ControlValue, "x");
    EXPECT_EQ(out.ControlRect, TRect(61, 0, 111, 25));

    // Looked up by ID with HitTestOnly, wherever the point is.
    p = {};
    p.HitTestOnly = true;
    p.ControlID = "e1";
    out = {};
    EXPECT_TRUE(RenderHTMLText(*s.Canvas, form, TRect(0, 0, 200, 60), p, out));
    EXPECT_EQ(out.AnchorVal, "ctrl");
    EXPECT_EQ(out.ControlID, "e1");
    EXPECT_EQ(out.ControlValue, "a b");
    EXPECT_EQ(out.ControlRect, TRect(1, 0, 61, f.Gh + 10));
}

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/text_engine.h"

using namespace platform;

namespace text_engine_tests {

QFont testFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(13);
    return f;
}

QStringList lineTexts(const TextLayout& layout)
{
    QStringList out;
    for (const auto& l : layout.Lines) out << l.Text;
    return out;
}

TEST(TextEngineLayout, WordBreakBreaksAtBlanksAndSplitsOverlongWords)
{
    const QFont font = testFont();
    const QFontMetrics fm(font);
    const int width = std::max(fm.horizontalAdvance("alpha beta"), fm.horizontalAdvance("gamma delta")) + 1;
    TextLayout l = TextEngine::Layout(font, "alpha beta gamma delta", TRect(0, 0, width, 500), DT_WORDBREAK);
    EXPECT_EQ(lineTexts(l), (QStringList{"alpha beta", "gamma delta"}));
    EXPECT_EQ(l.TextHeight, 2 * fm.height());

    l = TextEngine::Layout(font, "one\r\ntwo\rthree\nfour", TRect(0, 0, 500, 500), 0);
    EXPECT_EQ(lineTexts(l), (QStringList{"one", "two", "three", "four"})) << "CR LF, CR and LF break lines";

    const int narrow = fm.horizontalAdvance("abcd") + 1;
    l = TextEngine::Layout(font, "abcdefghij", TRect(0, 0, narrow, 500), DT_WORDBREAK);
    ASSERT_GT(l.Lines.size(), 1u);
    EXPECT_EQ(lineTexts(l).join(QString()), "abcdefghij") << "nothing of the word is lost";
    for (const auto& line : l.Lines) EXPECT_LE(line.Width, narrow);
}

TEST(TextEngineLayout, SingleLinePrefixTabsAndAlignment)
{
    const QFont font = testFont();
    const QFontMetrics fm(font);
    TextLayout l = TextEngine::Layout(font, "one\r\ntwo", TRect(0, 0, 500, 50), DT_SINGLELINE);
    EXPECT_EQ(lineTexts(l), QStringList{"onetwo"});

    l = TextEngine::Layout(font, "&Save && Close", TRect(0, 0, 500, 50), DT_SINGLELINE);
    EXPECT_EQ(l.Lines[0].Text, "Save & Close");
    EXPECT_EQ(l.Lines[0].UnderlineAt, 0);
    l = TextEngine::Layout(font, "&Save && Close", TRect(0, 0, 500, 50), DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(l.Lines[0].Text, "&Save && Close");
    l = TextEngine::Layout(font, "Sa&ve", TRect(0, 0, 500, 50), DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(l.Lines[0].Text, "Save");
    EXPECT_EQ(l.Lines[0].UnderlineAt, -1);

    const int tab = 8 * fm.averageCharWidth();
    EXPECT_EQ(TextEngine::LineWidth(fm, "a\tb", DT_EXPANDTABS), tab + fm.horizontalAdvance("b"));

    const TRect r(10, 20, 210, 120);
    const int w = fm.horizontalAdvance("text");
    struct Case {
        unsigned flags;
        int x, y;
    };
    const Case cases[] = {
        {DT_SINGLELINE, 10, 20},
        {DT_SINGLELINE | DT_RIGHT, 210 - w, 20},
        {DT_SINGLELINE | DT_CENTER | DT_VCENTER, 10 + (200 - w) / 2, 20 + (100 - fm.height()) / 2},
        {DT_SINGLELINE | DT_BOTTOM, 10, 120 - fm.height()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        l = TextEngine::Layout(font, "text", r, c.flags);
        EXPECT_EQ(l.Lines[0].X, c.x);
        EXPECT_EQ(l.Lines[0].Y, c.y);
        EXPECT_EQ(l.Bounds, TRect(c.x, c.y, c.x + w, c.y + fm.height()));
    }
}

TEST(TextEngineLayout, EllipsisCutsTooWideAndTooManyLines)
{
    const QFont font = testFont();
    const QFontMetrics fm(font);
    const int width = fm.horizontalAdvance("a long...") + 2;
    TextLayout l = TextEngine::Layout(font, "a long text that does not fit", TRect(0, 0, width, 40),
                                      DT_SINGLELINE | DT_END_ELLIPSIS);
    ASSERT_EQ(l.Lines.size(), 1u);
    EXPECT_TRUE(l.Lines[0].Text.endsWith("...")) << l.Lines[0].Text.toStdString();
    EXPECT_TRUE(QString("a long text that does not fit").startsWith(l.Lines[0].Text.chopped(3)));
    EXPECT_LE(l.Lines[0].Width, width);

    l = TextEngine::Layout(font, "short", TRect(0, 0, 500, 40), DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(l.Lines[0].Text, "short") << "a text that fits is left alone";

    const int twoLines = 2 * fm.height() + fm.height() / 2;
    l = TextEngine::Layout(font, "one two three four five six seven eight nine ten",
                           TRect(0, 0, fm.horizontalAdvance("three four") + 1, twoLines), DT_WORDBREAK | DT_END_ELLIPSIS);
    ASSERT_EQ(l.Lines.size(), 2u);
    EXPECT_TRUE(l.Lines[1].Text.endsWith("...")) << l.Lines[1].Text.toStdString();
}

// Bounding box of the dark pixels of an image (empty when none).
QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) box = box.united(QRect(x, y, 1, 1));
    return box;
}

// Whether any pixel of the rows y0 .. y1 - 1 is dark.
bool inkInRows(const QImage& image, int y0, int y1)
{
    for (int y = std::max(0, y0); y < std::min(image.height(), y1); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) return true;
    return false;
}

TEST(TextEngineDrawing, MeasuredTextEqualsDrawnText)
{
    const QFont font = testFont();
    const QFontMetrics fm(font);
    struct Case {
        const char* name;
        QString text;
        TRect rect;
        unsigned flags;
    };
    const int narrow = fm.horizontalAdvance("wrapped words") + 4;
    const Case cases[] = {
        {"wrapped, left", "Wrapped words in a narrow cell", TRect(5, 5, 5 + narrow, 200), DT_WORDBREAK},
        {"wrapped, centred", "Wrapped words in a narrow cell", TRect(5, 5, 5 + narrow, 200), DT_WORDBREAK | DT_CENTER},
        {"wrapped, right", "Wrapped words in a narrow cell", TRect(5, 5, 5 + narrow, 200), DT_WORDBREAK | DT_RIGHT},
        {"ellipsis", "An ellipsis text that is far too long", TRect(5, 5, 5 + narrow, 40),
         DT_SINGLELINE | DT_END_ELLIPSIS},
        {"wrapped with ellipsis", "Wrapped words in a narrow cell that runs out of room",
         TRect(5, 5, 5 + narrow, 5 + 2 * fm.height()), DT_WORDBREAK | DT_END_ELLIPSIS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TRect measured = c.rect;
        const int measuredHeight = TextEngine::DrawText(nullptr, font, c.text, measured, c.flags | DT_CALCRECT);
        const TextLayout layout = TextEngine::Layout(font, c.text, c.rect, c.flags);
        EXPECT_EQ(measured.Width(), layout.Bounds.Width());
        EXPECT_EQ(measured.Height(), layout.Bounds.Height());
        EXPECT_EQ(measuredHeight, layout.TextHeight);

        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        TRect drawRect = c.rect;
        const int drawnHeight = TextEngine::DrawText(&painter, font, c.text, drawRect, c.flags);
        painter.end();
        EXPECT_EQ(drawnHeight, measuredHeight);
        const QRect ink = inkBox(image);
        ASSERT_FALSE(ink.isEmpty());
        const QRect bounds = layout.Bounds.toQRect();
        EXPECT_TRUE(bounds.contains(ink)) << "ink outside the measured box";
        EXPECT_LE(ink.left() - bounds.left(), 2);
        EXPECT_LE(bounds.right() - ink.right(), 3);
        for (const auto& line : layout.Lines)
            EXPECT_TRUE(inkInRows(image, line.Y, line.Y + layout.LineHeight)) << "line drawn: " << line.Text.toStdString();
    }
}

TEST(TextEngineDrawing, ClippingAndPartlyVisibleLines)
{
    const QFont font = testFont();
    const QFontMetrics fm(font);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    TRect r(0, 0, 200, fm.height() + fm.height() / 2);  // one and a half lines
    TextEngine::DrawText(&painter, font, "first\nsecond\nthird", r, DT_EDITCONTROL);
    painter.end();
    EXPECT_TRUE(inkInRows(image, 0, fm.height()));
    EXPECT_FALSE(inkInRows(image, fm.height(), 200)) << "an edit-control text shows no partly visible line";
    EXPECT_LE(inkBox(image).bottom(), r.Bottom);
}

}  // namespace text_engine_tests

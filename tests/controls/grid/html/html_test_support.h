#pragma once

// Pieces shared by the mini-HTML tests: a canvas on a white image with a
// known font and resolution, the engine's sizes of that font, and small
// pictures made here (PNG through Qt, GIF written byte by byte).

#include <memory>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/canvas.h"

namespace html_test {

inline QFont testFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    return font;
}

// A white image with a painter and a canvas in the test font; 96 dots per
// inch unless asked otherwise.
struct Surface {
    explicit Surface(int w = 300, int h = 120, int dpi = 96) : Image(w, h, QImage::Format_RGB32)
    {
        const int dotsPerMeter = int(dpi / 0.0254 + 0.5);
        Image.setDotsPerMeterX(dotsPerMeter);
        Image.setDotsPerMeterY(dotsPerMeter);
        Image.fill(Qt::white);
        Painter = std::make_unique<QPainter>(&Image);
        Canvas = std::make_unique<platform::TCanvas>(*Painter);
        Canvas->Font = platform::TFont(testFont(), clBlack);
        Canvas->Brush.Color = clWhite;
    }
    QImage& Done()
    {
        Canvas.reset();
        Painter.reset();
        return Image;
    }
    // Pixels of colour c in r (r in image coordinates, inclusive right/bottom excluded).
    int Count(const QRect& r, QColor c)
    {
        if (Painter) Done();
        int n = 0;
        for (int y = std::max(0, r.top()); y <= std::min(Image.height() - 1, r.bottom()); ++y)
            for (int x = std::max(0, r.left()); x <= std::min(Image.width() - 1, r.right()); ++x)
                if (Image.pixelColor(x, y) == c) ++n;
        return n;
    }
    // The box of pixels in the area (the whole image by default) that pass pred.
    template <typename Pred> QRect Box(Pred pred, QRect area = QRect())
    {
        if (Painter) Done();
        area = area.isNull() ? Image.rect() : area.intersected(Image.rect());
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (pred(Image.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
        return box;
    }
    QRect Ink(QRect area = QRect()) { return Box([](QColor c) { return c != QColor(Qt::white); }, area); }
    // Pixels whose red clearly outweighs green and blue (anti-aliased red text too).
    QRect Reddish() { return Box([](QColor c) { return c.red() > 150 && c.green() < 110 && c.blue() < 110; }); }
    QRect Bluish() { return Box([](QColor c) { return c.blue() > 150 && c.red() < 110 && c.green() < 110; }); }
    QImage Image;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<platform::TCanvas> Canvas;
};

// The engine's sizes in the test font.
struct Sizes {
    explicit Sizes(const QFont& font = testFont()) : Metrics(font)
    {
        // A text run's height: one line with the font's external leading.
        Line = Metrics.height() + std::max(0, Metrics.leading());
        Gh = Metrics.height();
    }
    int Width(const QString& text) const { return Metrics.horizontalAdvance(text); }
    QFontMetrics Metrics;
    int Line = 0;
    int Gh = 0;
};

// A picture of one colour, as PNG bytes.
inline QByteArray pngBytes(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// One frame of a GIF made here: its place, size, colour index (0 red, 1
// green, 2 blue, 3 white) and delay in hundredths of a second.
struct GifFrame {
    int Left = 0, Top = 0, Width = 2, Height = 2;
    int Colour = 0;
    int Delay = 10;
};

// A GIF89a file of the frames on a logical screen of w x h: a global table
// of four colours, each frame a graphic control extension and an image
// whose LZW data restarts (clear code) before every pixel, so codes stay
// 3 bits wide.
inline QByteArray gifBytes(int w, int h, const std::vector<GifFrame>& frames)
{
    QByteArray b("GIF89a");
    auto word = [&](int v) {
        b += char(v & 0xFF);
        b += char((v >> 8) & 0xFF);
    };
    word(w);
    word(h);
    b += char(0x81);  // global colour table of 4 entries
    b += char(0);
    b += char(0);
    const unsigned char table[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    b.append(reinterpret_cast<const char*>(table), sizeof table);
    for (const GifFrame& f : frames) {
        b += char(0x21);
        b += char(0xF9);
        b += char(0x04);
        b += char(0x04);  // disposal: none
        word(f.Delay);
        b += char(0);
        b += char(0);
        b += char(0x2C);
        word(f.Left);
        word(f.Top);
        word(f.Width);
        word(f.Height);
        b += char(0);
        b += char(2);  // LZW minimum code size
        // Codes: clear (4) and the pixel for every pixel, then end (5).
        std::vector<int> codes;
        for (int i = 0; i < f.Width * f.Height; ++i) {
            codes.push_back(4);
            codes.push_back(f.Colour);
        }
        codes.push_back(5);
        QByteArray data;
        unsigned bits = 0;
        int count = 0;
        for (int code : codes) {
            bits |= unsigned(code) << count;
            count += 3;
            while (count >= 8) {
                data += char(bits & 0xFF);
                bits >>= 8;
                count -= 8;
            }
        }
        if (count > 0) data += char(bits & 0xFF);
        for (int at = 0; at < data.size(); at += 255) {
            const QByteArray block = data.mid(at, 255);
            b += char(block.size());
            b += block;
        }
        b += char(0);
    }
    b += char(0x3B);
    return b;
}

}  // namespace html_test

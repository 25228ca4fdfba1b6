#include "controls/grid/paint/grid_focus_glow.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <QPainter>
#include <QRegion>

namespace grid {

TBlurKernel BuildBlurKernel(double Radius, int MaxData, int Granularity)
{
    TBlurKernel k;
    float sum = 0;
    for (int j = -10; j <= 10; ++j) {
        const double x = j / Radius;
        k.Weights[size_t(j + 10)] = float(std::exp(-x * x / 2));
        sum += k.Weights[size_t(j + 10)];
    }
    for (float& w : k.Weights) w /= sum;
    const double delta = double(Granularity) / (2.0 * MaxData);
    int size = 10;
    double t = 0;
    do {
        t += 2 * k.W(size);
        --size;
    } while (t < delta && size > 1);
    k.Size = size;
    float inner = 0;
    for (int j = -size; j <= size; ++j) inner += k.W(j);
    for (int j = -size; j <= size; ++j) k.Weights[size_t(j + 10)] /= inner;
    return k;
}

void BlurLine(uint8_t* pixels, int N, const TBlurKernel& kernel)
{
    if (N <= 0) return;
    std::vector<uint8_t> scratch(size_t(N) * 3);
    for (int j = 0; j < N; ++j)
        for (int ch = 0; ch < 3; ++ch) {
            double s = 0;
            for (int n = -kernel.Size; n <= kernel.Size; ++n) {
                const int i = std::clamp(j - n, 0, N - 1);
                s += double(kernel.W(n)) * pixels[size_t(i) * 3 + size_t(ch)];
            }
            scratch[size_t(j) * 3 + size_t(ch)] = s < 0 ? 0 : s >= 255 ? 255 : uint8_t(s);
        }
    std::memcpy(pixels, scratch.data(), scratch.size());
}

void BlurBitmap(QImage& bitmap, double Radius)
{
    if (bitmap.format() != QImage::Format_BGR888) throw std::runtime_error("Blur only works for 24-bit bitmaps");
    const TBlurKernel kernel = BuildBlurKernel(Radius, 255, 1);
    const int W = bitmap.width(), H = bitmap.height();
    for (int r = 0; r < H; ++r) {
        if (r > 20 && r < H - 20)
            std::memcpy(bitmap.scanLine(r), bitmap.constScanLine(15), size_t(W) * 3);
        else
            BlurLine(bitmap.scanLine(r), W, kernel);
    }
    std::vector<uint8_t> column(size_t(H) * 3);
    for (int c = 0; c < W; ++c) {
        if (c > 20 && c < W - 20) {
            for (int r = 0; r < H; ++r)
                std::memcpy(bitmap.scanLine(r) + size_t(c) * 3, bitmap.constScanLine(r) + 15 * 3, 3);
            continue;
        }
        for (int r = 0; r < H; ++r) std::memcpy(&column[size_t(r) * 3], bitmap.constScanLine(r) + size_t(c) * 3, 3);
        BlurLine(column.data(), H, kernel);
        for (int r = 0; r < H; ++r) std::memcpy(bitmap.scanLine(r) + size_t(c) * 3, &column[size_t(r) * 3], 3);
    }
}

QImage CreateRoundRectMask(int Width, int Height, int PenWidth, int Corner, double Radius)
{
    QImage bitmap(std::max(0, Width), std::max(0, Height), QImage::Format_BGR888);
    if (bitmap.isNull()) return bitmap;
    bitmap.fill(Qt::black);
    {
        QPainter p(&bitmap);
        const int h = PenWidth / 2;
        const QRectF shape(h + 2, h + 2, Width - 2 * h - 4, Height - 2 * h - 4);
        if (PenWidth > 0) {
            p.setPen(QPen(Qt::white, PenWidth));
            p.setBrush(Qt::black);
        } else {
            p.setPen(Qt::white);
            p.setBrush(Qt::white);
        }
        p.drawRoundedRect(shape, Corner / 2.0, Corner / 2.0);
    }
    if (Radius > 0) BlurBitmap(bitmap, Radius);
    return bitmap;
}

void TGridAlphaMask::MergeMask(const QImage& Mask, const QImage& Bitmap)
{
    if (Bitmap.format() != QImage::Format_BGR888) return;
    const int W = Bitmap.width(), H = Bitmap.height();
    Image = QImage(W, H, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < H; ++y) {
        const uint8_t* src = Bitmap.constScanLine(y);
        QRgb* out = reinterpret_cast<QRgb*>(Image.scanLine(y));
        for (int x = 0; x < W; ++x) {
            const int a = y < Mask.height() && x < Mask.width() ? qRed(Mask.pixel(x, y)) : 0;
            const auto scale = [a](uint8_t c) { return int(std::nearbyint(double(c) * a / 255.0)); };
            // Bitmap bytes: blue, green, red.
            out[x] = qRgba(scale(src[x * 3 + 2]), scale(src[x * 3 + 1]), scale(src[x * 3]), a);
        }
    }
}

void TGridAlphaMask::Assign(const TGridAlphaMask& source)
{
    Opacity = source.Opacity;
    QImage copy(Image.size(), QImage::Format_ARGB32_Premultiplied);
    copy.fill(Qt::transparent);
    for (int y = 0; y < Image.height() && y < source.Image.height(); ++y)
        std::memcpy(copy.scanLine(y), source.Image.constScanLine(y),
                    size_t(std::min(Image.width(), source.Image.width())) * 4);
    Image = copy;
}

TGridFocusWindow::TGridFocusWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false);
    resize(0, 0);
    hide();
}

void TGridFocusWindow::ApplyAlphaMask(const TGridAlphaMask& mask)
{
    if (mask.Image.height() == 0) return;
    FMask.Image = mask.Image;
    FMask.Opacity = mask.Opacity;
    resize(mask.Image.size());
    update();
}

void TGridFocusWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setOpacity(FMask.Opacity / 255.0);
    p.drawImage(0, 0, FMask.Image);
}

}  // namespace grid

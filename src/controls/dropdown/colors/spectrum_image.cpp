#include "controls/dropdown/colors/spectrum_image.h"

#include <QColor>

namespace dropdown {

namespace spectrum_image_detail {

QImage BuildSpectrum()
{
    QImage image(kSpectrumSize, kSpectrumSize, QImage::Format_RGB888);
    const int last = kSpectrumSize - 1;
    const int middle = kSpectrumSize / 2;  // rows middle - 1 and middle are the full colour
    for (int x = 0; x < kSpectrumSize; ++x) {
        // The right edge is red again.
        const double hue = double(x) / last;
        const QColor pure = QColor::fromHsvF(hue >= 1.0 ? 0.0 : hue, 1.0, 1.0);
        for (int y = 0; y < kSpectrumSize; ++y) {
            double r, g, b;
            if (y < middle) {
                const double s = double(y) / (middle - 1);  // 0 white .. 1 full colour
                r = 1.0 - s + s * pure.redF();
                g = 1.0 - s + s * pure.greenF();
                b = 1.0 - s + s * pure.blueF();
            } else {
                const double d = 1.0 - double(y - middle) / (last - middle);  // 1 full colour .. 0 black
                r = d * pure.redF();
                g = d * pure.greenF();
                b = d * pure.blueF();
            }
            image.setPixelColor(x, y, QColor::fromRgbF(float(r), float(g), float(b)));
        }
    }
    return image;
}

}  // namespace spectrum_image_detail

using namespace spectrum_image_detail;

const QImage& SpectrumImage()
{
    static const QImage image = BuildSpectrum();
    return image;
}

}  // namespace dropdown

#include "controls/dropdown/colors/color_text.h"

#include "controls/dropdown/colors/color_tables.h"

namespace dropdown {

namespace color_text_detail {

QString hex2(uint32_t byte) { return QStringLiteral("%1").arg(byte & 0xFFu, 2, 16, QLatin1Char('0')).toUpper(); }

}  // namespace color_text_detail

using namespace color_text_detail;

QString ColorToWebColorName(TColor rgb)
{
    const uint32_t r = rgb & 0xFFu, g = (rgb >> 8) & 0xFFu, b = (rgb >> 16) & 0xFFu;
    const uint32_t web = (r << 16) | (g << 8) | b;
    for (const TWebColor& entry : WebColors())
        if (entry.Rgb == web && (rgb >> 24) == 0) return QString::fromLatin1(entry.Name);
    return QLatin1Char('#') + hex2(r) + hex2(g) + hex2(b);
}

QString ColorValueText(TColor color, TColorValueText style)
{
    if (style == cvtNone) return QString();
    if (style == cvtHex) return QStringLiteral("%1").arg(color, 6, 16, QLatin1Char('0')).toUpper();
    const TColor rgb = ColorToRGB(color);
    const uint32_t r = rgb & 0xFFu, g = (rgb >> 8) & 0xFFu, b = (rgb >> 16) & 0xFFu;
    switch (style) {
    case cvtWebName: return ColorToWebColorName(rgb);
    case cvtRGB: return QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(r).arg(g).arg(b);
    case cvtHTML: return QLatin1Char('#') + hex2(r) + hex2(g) + hex2(b);
    default: return QString();
    }
}

}  // namespace dropdown

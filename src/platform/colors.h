#pragma once

#include <cstdint>

#include <QApplication>
#include <QColor>
#include <QPalette>

// A colour as the configurator stores it: 0x00BBGGRR for a plain colour; a top
// byte of 0xFF marks a system colour whose low byte is the system colour index,
// resolved through the application palette; clNone (0x1FFFFFFF) is "no colour".
using TColor = uint32_t;

constexpr TColor clBlack = 0x00000000;
constexpr TColor clMaroon = 0x00000080;
constexpr TColor clGreen = 0x00008000;
constexpr TColor clOlive = 0x00008080;
constexpr TColor clNavy = 0x00800000;
constexpr TColor clPurple = 0x00800080;
constexpr TColor clTeal = 0x00808000;
constexpr TColor clGray = 0x00808080;
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clLime = 0x0000FF00;
constexpr TColor clYellow = 0x0000FFFF;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clFuchsia = 0x00FF00FF;
constexpr TColor clAqua = 0x00FFFF00;
constexpr TColor clWhite = 0x00FFFFFF;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = 0xFF000000;
constexpr TColor clBackground = 0xFF000001;
constexpr TColor clActiveCaption = 0xFF000002;
constexpr TColor clInactiveCaption = 0xFF000003;
constexpr TColor clMenu = 0xFF000004;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowFrame = 0xFF000006;
constexpr TColor clMenuText = 0xFF000007;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clCaptionText = 0xFF000009;
constexpr TColor clActiveBorder = 0xFF00000A;
constexpr TColor clInactiveBorder = 0xFF00000B;
constexpr TColor clAppWorkSpace = 0xFF00000C;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clInactiveCaptionText = 0xFF000013;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;
constexpr TColor clInfoText = 0xFF000017;
constexpr TColor clInfoBk = 0xFF000018;
constexpr TColor clHotLight = 0xFF00001A;
constexpr TColor clGradientActiveCaption = 0xFF00001B;
constexpr TColor clGradientInactiveCaption = 0xFF00001C;
constexpr TColor clMenuHighlight = 0xFF00001D;
constexpr TColor clMenuBar = 0xFF00001E;

constexpr bool isSystemColor(TColor color) { return (color & 0xFF000000u) == 0xFF000000u; }

// The palette role that stands in for a system colour index.
inline QPalette::ColorRole systemColorRole(uint32_t index)
{
    switch (index) {
    case 0x05: return QPalette::Base;             // window background
    case 0x08: return QPalette::Text;             // window text
    case 0x0D: return QPalette::Highlight;
    case 0x0E: return QPalette::HighlightedText;
    case 0x0F: return QPalette::Button;           // button face
    case 0x10: return QPalette::Mid;              // button shadow
    case 0x11: return QPalette::PlaceholderText;  // grey text
    case 0x12: return QPalette::ButtonText;
    case 0x14: return QPalette::Light;            // button highlight
    case 0x15: return QPalette::Shadow;           // dark 3-D shadow
    case 0x16: return QPalette::Midlight;         // 3-D light
    case 0x17: return QPalette::ToolTipText;
    case 0x18: return QPalette::ToolTipBase;
    case 0x1A: return QPalette::Link;             // hot-tracked item
    case 0x07: case 0x09: case 0x13: return QPalette::WindowText;
    default: return QPalette::Window;
    }
}

// The QColor of a TColor: a system colour is looked up in the application
// palette; clNone gives an invalid QColor.
inline QColor toQColor(TColor color)
{
    if (color == clNone) return QColor();
    if (isSystemColor(color)) return QApplication::palette().color(systemColorRole(color & 0xFFu));
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

// The plain 0x00BBGGRR value of a colour: system colours resolved through the
// palette; clNone and clDefault are returned as they are.
inline TColor ColorToRGB(TColor color)
{
    if (!isSystemColor(color)) return color;
    const QColor c = toQColor(color);
    return TColor(c.red()) | (TColor(c.green()) << 8) | (TColor(c.blue()) << 16);
}

// The TColor of a QColor (an invalid QColor gives clNone).
inline TColor ColorFromQColor(const QColor& color)
{
    if (!color.isValid()) return clNone;
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

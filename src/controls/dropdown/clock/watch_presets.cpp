#include "controls/dropdown/clock/watch_presets.h"

#include <algorithm>

#include "controls/dropdown/clock/watch_geometry.h"

namespace dropdown {

namespace {

// A font of the appearance with the name (and, where given, size, colour and weight) changed.
platform::TFont changed(const platform::TFont& base, const char* name, int points = 0, TColor color = clNone,
                        int bold = -1)
{
    platform::TFont f = base;
    f.setFamily(QString::fromLatin1(name));
    if (points > 0) f.setPointSize(points);
    if (color != clNone) f.Color = color;
    if (bold >= 0) f.setBold(bold != 0);
    return f;
}

void centre(TWatchAppearance& a, TColor color, int size, TColor inner, TColor outer)
{
    a.SetCenterPointColor(color);
    a.SetCenterPointSize(uint8_t(size));
    a.SetCenterPointBorderColor(inner);
    a.SetCenterPointOuterBorderColor(outer);
}

void hands(TWatchAppearance& a, TColor color, int hourWidth, int minuteWidth, TColor shadow)
{
    a.SetHourPointer(color);
    a.SetMinutePointer(color);
    if (hourWidth > 0) a.SetHourPointerSize(uint8_t(hourWidth));
    if (minuteWidth > 0) a.SetMinutePointerSize(uint8_t(minuteWidth));
    a.SetHourPointerShadow(shadow);
    a.SetMinutePointerShadow(shadow);
}

void background(TWatchAppearance& a, TColor from, TColor to)
{
    a.SetBackgroundColor(from);
    a.SetBackgroundColorTo(to);
}

}  // namespace

void ApplyWatchStyle(TWatchStyle style, TWatchAppearance& a, TWatchPresetOptions& o, int width, int height)
{
    a.SetDefaults();
    const int side = std::min(width, height);
    switch (style) {
    case wsClassic:
        a.SetAMPMFont(changed(a.AMPMFont(), "MS Sans Serif", 0, clNone, 0));
        a.SetHourFont(changed(a.HourFont(), "Comic Sans MS", 10, clNone, 1));
        a.SetHourMarkLength(8);
        a.SetMinuteMarkLength(4);
        hands(a, a.MinutePointer(), 5, 0, clBtnShadow);
        a.SetHourPointer(clBlack);
        o.Animation = true;
        o.AnimationFactor = 10;
        o.ShowAMPM = true;
        o.ShowNumbers = true;
        break;
    case wsTower:
        a.SetAMPMFont(changed(a.AMPMFont(), "MS Sans Serif"));
        a.SetBorderWidth(1);
        background(a, 0xB1F0FE, 0x5BCCE8);
        a.SetBackgroundGradient(wgDiagonalForward);
        a.SetCenterPointColor(0x002BD5);
        a.SetCenterPointSize(6);
        a.SetHourFont(changed(a.HourFont(), "Century", 0, clWindowText, 1));
        a.SetHourPointer(clBlack);
        a.SetHourPointerSize(5);
        a.SetSecondPointer(0x002BD5);
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        a.SetAMPMColor(a.BackgroundColor());
        a.SetTickMarks(tmHours);
        o.ShowNumbers = false;
        break;
    case wsFluorescent:
        a.SetAMPMFont(changed(a.AMPMFont(), "MS Sans Serif", 10, clWindowText));
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFF3E3E);
        background(a, clBlack, clBlack);
        centre(a, 0xFF3E3E, 20, clBlack, clBlack);
        a.SetHourFont(changed(a.HourFont(), "MS Sans Serif", 8, clWindowText));
        a.SetHourColor(0xFF3E3E);
        a.SetMinuteColor(0xFF3E3E);
        hands(a, 0xFF3E3E, 2, 2, clBtnShadow);
        a.SetHourMarkLength(10);
        a.SetHourMarkWidth(2);
        a.SetHourMarkStyle(hmsQuartDblLine);
        a.SetShape(wsRoundRect);
        a.SetTickMarks(tmHours);
        o.ShowAMPM = false;
        o.ShowNumbers = false;
        break;
    case wsEmerald:
        a.SetAMPMFont(changed(a.AMPMFont(), "MS Sans Serif", 0, 0xA00000));
        a.SetAMPMFrame(apRoundRect);
        a.SetAMPMColor(clNone);
        a.SetBorderColor(0x3AE800);
        background(a, 0x3AE800, clBlack);
        a.SetBackgroundGradient(wgDiagonalForward);
        centre(a, 0x38E100, 16, 0x40FF00, clBlack);
        a.SetHourFont(changed(a.HourFont(), "MS Sans Serif", 0, a.BackgroundColor()));
        hands(a, 0x40FF00, 5, 0, clBtnShadow);
        a.SetHourColor(a.BackgroundColor());
        a.SetHourMarkStyle(hmsQuartDblLine);
        a.SetSecondPointer(0x00FFFF);
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        a.SetTickMarks(tmHours);
        o.ShowNumbers = false;
        o.ShowAMPM = false;
        break;
    case wsBlueStar:
        a.SetAMPMFont(changed(a.AMPMFont(), "MS Sans Serif", 10, 0xA00000));
        a.SetAMPMFrame(apRoundRect);
        a.SetAMPMBorderColor(clNone);
        a.SetAMPMColor(clNone);
        a.SetBorderColor(0xFFD5D5);
        background(a, 0xFFD5D5, 0xA00000);
        a.SetBackgroundGradient(wgRadial);
        a.SetHourFont(changed(a.HourFont(), "MS Sans Serif", 8, a.BackgroundColor()));
        hands(a, 0xA00000, 5, 0, clBtnShadow);
        a.SetShape(wsRoundRect);
        a.SetPointerStyle(psPointer);
        o.ShowAMPM = true;
        o.ShowNumbers = true;
        break;
    case wsFuchsia:
        a.SetAMPMFont(changed(a.AMPMFont(), "MS Sans Serif", 10, clWindowText));
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFFD0FF);
        background(a, clBlack, clBlack);
        a.SetCenterPointBorderColor(0xDD68DD);
        a.SetCenterPointSize(20);
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetHourFont(changed(a.HourFont(), "MS Sans Serif", 8, clWindowText));
        a.SetHourColor(0xFFD0FF);
        a.SetMinuteColor(0xFFD0FF);
        hands(a, 0xFFD0FF, 2, 2, clBtnShadow);
        a.SetHourMarkLength(10);
        a.SetHourMarkWidth(2);
        a.SetHourMarkStyle(hmsQuartDblLine);
        a.SetSecondPointer(0xDD68DD);
        a.SetShape(wsRect);
        a.SetTickMarks(tmQuartHours);
        o.ShowAMPM = false;
        o.ShowNumbers = false;
        break;
    case wsBlack:
        a.SetAMPMFont(changed(a.AMPMFont(), "MS Sans Serif"));
        background(a, 0x202020, clNone);
        a.SetBorderColor(clBlack);
        centre(a, clWhite, a.CenterPointSize(), clWhite, clWhite);
        a.SetHourColor(0x585858);
        a.SetMinuteColor(0x585858);
        a.SetMinuteMarkLength(4);
        a.SetHourFont(changed(a.HourFont(), "Century Gothic", 11, clWhite));
        hands(a, clWhite, 5, 0, clBtnShadow);
        o.ShowAMPM = false;
        o.ShowNumbers = true;
        break;
    case wsBlackWhite:
        background(a, clWhite, clNone);
        a.SetBorderColor(clBlack);
        a.SetBorderWidth(8);
        centre(a, clBlack, 8, clBlack, clBlack);
        a.SetHourColor(0x585858);
        a.SetMinuteMarkLength(4);
        a.SetHourFont(changed(a.HourFont(), "Century Gothic", 14, clBlack, 1));
        hands(a, clBlack, 5, 0, clBtnShadow);
        a.SetSecondPointer(0x000080);
        a.SetPointerStyle(psPointer);
        a.SetTickMarks(tmQuartHours);
        o.ShowAMPM = false;
        o.ShowNumbers = true;
        break;
    case wsGray:
        a.SetAMPMFont(changed(a.AMPMFont(), "MS Sans Serif", 10));
        background(a, 0xD1D1D1, 0x6C6C6C);
        a.SetBackgroundGradient(wgRadial);
        a.SetBorderColor(0x454545);
        centre(a, clBlack, a.CenterPointSize(), 0x454545, clNone);
        a.SetHourColor(clBlack);
        a.SetMinuteColor(clGray);
        a.SetHourFont(changed(a.HourFont(), "Comic Sans MS", 8));
        hands(a, 0x4E4E4E, 1, 1, clNone);
        a.SetSecondPointer(clRed);
        o.ShowAMPM = true;
        o.ShowNumbers = true;
        break;
    case wsSuperNova:
        a.SetBackgroundColorTo(0xD1D3D3);
        a.SetBorderColor(clNone);
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetCenterPointSize(10);
        a.SetHourMarkLength(uint8_t(std::clamp(Nearest(side / 4.5), 0, 255)));
        a.SetMinuteMarkLength(uint8_t(std::clamp(side / 3, 0, 255)));
        a.SetHourPointer(clBlack);
        a.SetHourPointerShadow(clBtnShadow);
        a.SetMinuteColor(clGray);
        a.SetMinutePointer(clBlack);
        o.ShowAMPM = false;
        o.ShowNumbers = false;
        break;
    case wsSports:
        background(a, clBlack, clNone);
        a.SetBorderColor(clBlack);
        a.SetBorderWidth(1);
        centre(a, 0x191919, std::clamp(Nearest(side / 3.6), 0, 255), 0xFF0000, clBlack);
        a.SetHourColor(0xABB0B1);
        a.SetMinuteColor(clGray);
        a.SetMinuteMarkLength(1);
        a.SetHourFont(changed(a.HourFont(), "Times New Roman", 9, 0x797979));
        a.SetHourPointer(clRed);
        a.SetHourPointerSize(2);
        a.SetMinutePointer(clYellow);
        a.SetMinutePointerSize(2);
        a.SetHourPointerShadow(clNone);
        a.SetMinutePointerShadow(clNone);
        a.SetSecondPointer(0x188BFE);
        a.SetTickMarks(tmQuartHours);
        o.ShowAMPM = false;
        o.ShowNumbers = true;
        break;
    case wsSmooth:
        background(a, clWhite, 0xABB0B1);
        a.SetBorderColor(0x585858);
        a.SetBorderWidth(1);
        centre(a, clWhite, 6, clBlack, 0x4A4A4A);
        a.SetHourColor(0xABB0B1);
        a.SetMinuteColor(clGray);
        a.SetMinuteMarkLength(1);
        a.SetHourFont(changed(a.HourFont(), "Times New Roman", 9, 0x797979));
        hands(a, 0x4A4A4A, 2, 2, 0xB2B2B2);
        a.SetSecondPointer(0x4A4A4A);
        a.SetTickMarks(tmQuartHours);
        o.ShowAMPM = false;
        o.ShowNumbers = true;
        break;
    }
}

namespace {

// B, A, G1, G2, L, CB, CC, H, S, SP of a component style.
struct TWatchStyleColors {
    TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, CenterBorder, Center, Marks, Shadow, Second;
};

const TWatchStyleColors* WatchStyleColors(TQVRStyle style)
{
    static const TWatchStyleColors table[StyleCount] = {
        /* tsOffice2003Blue */ {0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF, 0xFFFFFF},
        /* tsOffice2003Silver */ {0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xFFFFFF, 0xFFFFFF},
        /* tsOffice2003Olive */ {0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0xFFFFFF, 0xFFFFFF},
        /* tsOffice2003Classic */ {0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
        /* tsOffice2007Luna */ {0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0xFFFFFF, 0x723708},
        /* tsOffice2007Obsidian */ {0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, 0xFFFFFF, 0xF2F1F0},
        /* tsWindowsXP */ {0x000000, clBtnFace, clBtnFace, clBtnFace, 0x000000, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0x000000},
        /* tsWhidbey */ {0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0xFFFFFF, 0x7E9898},
        /* tsCustom */ {},
        /* tsOffice2007Silver */ {0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0xFFFFFF, 0x74706F},
        /* tsWindowsVista */ {0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFFFFFF, 0xFEDF9A},
        /* tsWindows7 */ {0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFFFFFF, 0xFBD6B8},
        /* tsTerminal */ {0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
        /* tsOffice2010Blue */ {0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xFFFFFF, 0xC7B29F},
        /* tsOffice2010Silver */ {0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
        /* tsOffice2010Black */ {0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0xFFFFFF, 0x6D6D6D},
    };
    if (style == tsCustom || int(style) >= StyleCount) return nullptr;
    return &table[style];
}

platform::TFont coloured(platform::TFont font, TColor color)
{
    font.Color = color;
    return font;
}

}  // namespace

void ApplyWatchComponentStyle(TQVRStyle style, TWatchAppearance& a)
{
    a.SetCenterPointOuterBorderColor(clBlack);
    a.SetHourFont(coloured(a.HourFont(), clBlack));
    a.SetAMPMFont(coloured(a.AMPMFont(), clBlack));
    const TWatchStyleColors* c = WatchStyleColors(style);
    if (!c) return;
    a.SetAMPMBorderColorQuietly(c->AMPMBorder);
    a.SetAMPMColorQuietly(c->AMPM);
    a.SetBackgroundColor(c->Background);
    a.SetBackgroundColorTo(c->BackgroundTo);
    a.SetBorderColor(c->Border);
    a.SetCenterPointBorderColor(c->CenterBorder);
    a.SetCenterPointColor(c->Center);
    a.SetHourColor(c->Marks);
    a.SetMinuteColor(c->Marks);
    a.SetHourPointer(c->Marks);
    a.SetMinutePointer(c->Marks);
    a.SetHourPointerShadow(c->Shadow);
    a.SetMinutePointerShadow(c->Shadow);
    a.SetSecondPointer(c->Second);
    if (style == tsOffice2007Obsidian) {
        a.SetHourFont(coloured(a.HourFont(), 0xF2F1F0));
        a.SetAMPMFont(coloured(a.AMPMFont(), 0xF2F1F0));
    }
}

}  // namespace dropdown

#include "controls/dropdown/selector/item_appearance.h"

namespace dropdown {

TItemAppearance::TItemAppearance() : Font(QStringLiteral("Tahoma")) { SetColorStyle(scOffice2007); }

void TItemAppearance::SetColorStyle(TSelectionColorStyle style)
{
    if (style == FColorStyle) return;
    FColorStyle = style;
    struct Preset {
        TColor Hot, HotTo, MirrorHot, MirrorHotTo, Top, Bottom, Border, Edge, Selected, SelectedTo, MirrorSelected,
            MirrorSelectedTo;
    };
    static const Preset presets[] = {
        /* scOffice2007 */ {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB,
                            0x04B9F4, 0x15C1FB, 0x68E3F9},
        /* scWindowsVista */ {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE,
                              0xFAE3B4, clNone, clNone},
        /* scWindows7 */ {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9,
                          0xFBCAA2, clNone, clNone},
    };
    if (style == scCustom) return;
    const Preset& p = presets[style - scOffice2007];
    ColorHot = p.Hot;
    ColorHotTo = p.HotTo;
    ColorMirrorHot = p.MirrorHot;
    ColorMirrorHotTo = p.MirrorHotTo;
    BorderColorTop = p.Top;
    BorderColorBottom = p.Bottom;
    BorderColor = p.Border;
    EdgeColor = p.Edge;
    ColorSelected = p.Selected;
    ColorSelectedTo = p.SelectedTo;
    ColorMirrorSelected = p.MirrorSelected;
    ColorMirrorSelectedTo = p.MirrorSelectedTo;
}

void TItemAppearance::Assign(const TItemAppearance& source)
{
    if (&source == this) return;
    ColorMirrorHotTo = source.ColorMirrorHotTo;
    BorderColor = source.BorderColor;
    ColorMirrorHot = source.ColorMirrorHot;
    ColorSelectedTo = source.ColorSelectedTo;
    ColorSelected = source.ColorSelected;
    EdgeColor = source.EdgeColor;
    ColorHotTo = source.ColorHotTo;
    BorderColorBottom = source.BorderColorBottom;
    ColorHot = source.ColorHot;
    BorderColorTop = source.BorderColorTop;
    ColorMirrorSelectedTo = source.ColorMirrorSelectedTo;
    ColorMirrorSelected = source.ColorMirrorSelected;
    Font = source.Font;
    SetColorStyle(source.FColorStyle);
    ColorSelectedText = source.ColorSelectedText;
    ColorHotText = source.ColorHotText;
    BorderColorHot = source.BorderColorHot;
    BorderColorSelected = source.BorderColorSelected;
}

}  // namespace dropdown

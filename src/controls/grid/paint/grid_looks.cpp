#include "controls/grid/paint/grid_looks.h"

#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/paint/grid_resources.h"

namespace grid::paint {

namespace grid_looks_detail {

// One two-part face: From..To over the upper half, MirrorFrom..MirrorTo below.
struct Face {
    TColor From, To, MirrorFrom, MirrorTo;
};

}  // namespace grid_looks_detail

bool TGridLooks::SetLook(TGridLook look)
{
    if (look == G.Look) return false;
    G.Look = look;
    if (look != glCustom) {
        CL.SetFixedGradientMirrorFrom(clNone);
        CL.SetFixedGradientMirrorTo(clNone);
        CL.SetFixedGradientFrom(clNone);
        CL.SetFixedGradientTo(clNone);
        G.Faces.QVRGradientFrom = clNone;
        G.Faces.QVRGradientTo = clNone;
        G.Faces.QVRGradientMirrorFrom = clNone;
        G.Faces.QVRGradientMirrorTo = clNone;
        G.SortHeaderColor = clNone;
    }
    switch (look) {
    case glVista:
        SetStyle(gsWindowsVista);
        G.Style = tsWindowsVista;
        G.SelectionStyle = ssVista;
        break;
    case glWin7:
        SetStyle(gsWindows7);
        G.Style = tsWindows7;
        G.SelectionStyle = ssWin7;
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        G.Style = tsOffice2007Luna;
        G.SelectionStyle = ssOffice2007;
        break;
    case glCustom:
        break;
    default: {
        if (OnEditorStyle) OnEditorStyle(tsWindowsXP);
        G.SelectionStyle = ssDefault;
        if (Loading) break;
        const bool plain = look == glStandard || look == glSoft || look == glClassic;
        if (plain) {
            G.FixedColor = clBtnFace;
            CL.SetFixedGradientFrom(clBtnFace);
            CL.SetFixedGradientTo(clNone);
        } else {
            CL.SetFixedGradientFrom(clWhite);
            CL.SetFixedGradientTo(clBtnFace);
        }
        G.GridFixedLineColor = 0x808080;
        CL.SetFixedGradientMirrorFrom(clNone);
        CL.SetFixedGradientMirrorTo(clNone);
        G.GridLineColor = 0xC0C0C0;
        if (look == glQVR || look == glXP) {
            G.ActiveCellColor = 0xEACAB6;
            G.ActiveCellColorTo = clNone;
            G.SelectionColor = 0xEACAB6;
            G.SelectionColorTo = clNone;
            G.SelectionTextColor = clBlack;
            G.SearchFooterColor = G.Faces.QVRGradientFrom;
            G.SearchFooterColorTo = G.Faces.QVRGradientTo;
            CL.SetFixedGradientFrom(clWhite);
            CL.SetFixedGradientTo(look == glXP ? clBtnFace : TColor(0xC0C0C0));
            CL.SetFixedGradientHoverFrom(0xCFD0D1);
            CL.SetFixedGradientHoverTo(0xBEC6C8);
            CL.SetFixedGradientHoverMirrorFrom(0xBEC6C8);
            CL.SetFixedGradientHoverMirrorTo(0xABBCBF);
            CL.SetFixedGradientDownFrom(0x868788);
            CL.SetFixedGradientDownTo(0x737C7E);
            CL.SetFixedGradientDownMirrorFrom(0x737C7E);
            CL.SetFixedGradientDownMirrorTo(0x627376);
        } else {
            G.ActiveCellColor = 0x808080;
            G.ActiveCellColorTo = clNone;
            G.SelectionColor = clHighlight;
            G.SelectionTextColor = clHighlightText;
            G.SearchFooterColor = clBtnFace;
            G.SearchFooterColorTo = clBtnFace;
        }
        break;
    }
    }
    G.ScrollType = ssNormal;
    G.BorderSingle = true;
    G.BorderColor = 0xB99D7F;
    Repaint();
    return true;
}

void TGridLooks::SetStyle(int style)
{
    G.SelectionColor = clHighlight;
    G.SelectionColorTo = clNone;
    G.SelectionTextColor = clHighlightText;
    G.SelectionStyle = ssDefault;
    G.SortHeaderColor = clNone;
    G.SortHeaderColorTo = clNone;
    G.SortHeaderMirrorColor = clNone;
    G.SortHeaderMirrorColorTo = clNone;
    CL.Init();
    if (style >= 0 && style < StyleCount) {
        ApplyStyleColors(style);
        if (style != gsCustom && style != gsTerminal) {
            G.SearchFooterColor = G.Faces.QVRGradientFrom;
            G.SearchFooterColorTo = G.Faces.QVRGradientMirrorTo;
        }
    }
    Repaint();
}

void TGridLooks::ApplyStyleColors(int style)
{
    using grid_looks_detail::Face;
    // The face through the control look (which passes it on to the grid).
    auto lookFace = [&](const Face& f) {
        CL.SetFixedGradientFrom(f.From);
        CL.SetFixedGradientTo(f.To);
        CL.SetFixedGradientMirrorFrom(f.MirrorFrom);
        CL.SetFixedGradientMirrorTo(f.MirrorTo);
    };
    // The face straight into the grid (the control look keeps clNone).
    auto gridFace = [&](const Face& f) {
        G.Faces.QVRGradientFrom = f.From;
        G.Faces.QVRGradientTo = f.To;
        G.Faces.QVRGradientMirrorFrom = f.MirrorFrom;
        G.Faces.QVRGradientMirrorTo = f.MirrorTo;
    };
    auto hover = [&](const Face& f, TColor border) {
        CL.SetFixedGradientHoverFrom(f.From);
        CL.SetFixedGradientHoverTo(f.To);
        CL.SetFixedGradientHoverMirrorFrom(f.MirrorFrom);
        CL.SetFixedGradientHoverMirrorTo(f.MirrorTo);
        CL.SetFixedGradientHoverBorder(border);
    };
    auto pressed = [&](const Face& f, TColor border) {
        CL.SetFixedGradientDownFrom(f.From);
        CL.SetFixedGradientDownTo(f.To);
        CL.SetFixedGradientDownMirrorFrom(f.MirrorFrom);
        CL.SetFixedGradientDownMirrorTo(f.MirrorTo);
        CL.SetFixedGradientDownBorder(border);
    };
    auto active = [&](TColor from, TColor to) {
        G.ActiveCellColor = from;
        G.ActiveCellColorTo = to;
    };
    auto selection = [&](TColor color, TColor text) {
        G.SelectionColor = color;
        G.SelectionTextColor = text;
    };
    auto lines = [&](TColor grid, TColor fixed) {
        G.GridLineColor = grid;
        G.GridFixedLineColor = fixed;
    };
    auto sortHeader = [&](TColor c, TColor to, TColor mirror, TColor mirrorTo) {
        G.SortHeaderColor = c;
        G.SortHeaderColorTo = to;
        G.SortHeaderMirrorColor = mirror;
        G.SortHeaderMirrorColorTo = mirrorTo;
    };
    auto office2003 = [&](TColor from, TColor to) {
        SetLook(glXP);
        lookFace({from, to, clNone, clNone});
        active(0x94E6FB, 0x1595EE);
        selection(0x94E6FB, clBlack);
        G.SelectionColorTo = 0x1595EE;
        lines(0xC0C0C0, 0x808080);
    };
    auto office2010 = [&](TColor face, TColor fixedLine, TColor sort) {
        SetLook(glOffice2007);
        gridFace({face, face, face, face});
        CL.SetFixedGradientFrom(clNone);
        CL.SetFixedGradientTo(clNone);
        G.Faces.QVRGradientHoverFrom = clNone;
        G.Faces.QVRGradientHoverTo = clNone;
        G.Faces.QVRGradientHoverMirrorFrom = clNone;
        G.Faces.QVRGradientHoverMirrorTo = clNone;
        G.Faces.QVRGradientHoverBorder = clNone;
        hover({0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF}, 0x3ABFE8);
        pressed({0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF}, 0x308AC2);
        active(0x5BD5FF, 0x71EFFF);
        selection(0xFFDBB7, clBlack);
        G.SelectionStyle = ssDefault;
        lines(0xC0C0C0, fixedLine);
        sortHeader(sort, sort, sort, sort);
    };

    switch (style) {
    case gsOffice2003Blue: office2003(0xFCE1CB, 0xE0A57D); break;
    case gsOffice2003Silver: office2003(0xECE2E1, 0xB39698); break;
    case gsOffice2003Olive: office2003(0xCFF0EA, 0x8CC0B1); break;
    case gsOffice2003Classic:
        SetLook(glXP);
        lookFace({0xFFFFFF, 0xCCD4D8, clNone, clNone});
        active(0xD8D5D4, 0xD8D5D4);
        lines(0xC0C0C0, 0x808080);
        break;
    case gsOffice2007Luna:
        SetLook(glOffice2007);
        lookFace({0xFBF9F6, 0xE8DBD2, clNone, clNone});
        hover({0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC}, 0xB79F87);
        pressed({0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}, 0xE4C19D);
        active(0x9DD8F9, 0x5EC1F1);
        selection(0x5EC1F1, clBlack);
        if (G.Look == glOffice2007) G.SelectionStyle = ssOffice2007;
        lines(0xF1EDEB, 0xD1BBA4);
        break;
    case gsOffice2007Obsidian:
        SetLook(glOffice2007);
        lookFace({0xF7F7F7, 0xDEDEDE, clNone, clNone});
        active(0x9DD8F9, 0x5EC1F1);
        selection(0x5EC1F1, clBlack);
        lines(0xE5D7D0, 0x808080);
        break;
    case gsWindowsXP:
        SetLook(glXP);
        lookFace({clBtnFace, clBtnFace, clNone, clNone});
        active(clBtnFace, clBtnFace);
        lines(0xC0C0C0, 0x808080);
        SetLook(glXP);
        break;
    case gsWhidbey:
        lookFace({0xFFFFFF, clBtnFace, clNone, clNone});
        active(0x94E6FB, 0x1595EE);
        lines(0xC0C0C0, 0x808080);
        break;
    case gsCustom: break;
    case gsOffice2007Silver:
        SetLook(glOffice2007);
        CL.SetFixedGradientFrom(0xF3F3F1);
        CL.SetFixedGradientTo(0xCAC9C8);
        active(0x99CCFF, 0x699CFF);
        selection(0x95C7F5, clBlack);
        lines(0xE5D7D0, 0x808080);
        break;
    case gsWindowsVista:
        SetLook(glVista);
        gridFace({0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1});
        hover({0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7}, 0xE3C993);
        pressed({0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A}, 0xAE904F);
        active(0xFDF8F1, 0xFCEFD5);
        selection(0xEACAB6, clBlack);
        G.SelectionStyle = ssVista;
        lines(0xECECF0, 0xD4D2D1);
        sortHeader(0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8);
        break;
    case gsWindows7:
        SetLook(glWin7);
        gridFace({0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD});
        hover({0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1}, 0xEEE8E3);
        pressed({0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF}, 0xD5BCAA);
        active(0xFCEBDC, 0xFCDBC1);
        selection(0xEACAB6, clBlack);
        G.SelectionStyle = ssWin7;
        lines(0xECECF0, 0xD4D2D1);
        sortHeader(0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8);
        break;
    case gsTerminal: SetLook(glStandard); break;
    case gsOffice2010Blue: office2010(0xF5E7DA, 0xC7B0A0, 0xD6CEC7); break;
    case gsOffice2010Silver: office2010(0xE8E3DF, 0xBAB5B1, 0xAAAAAA); break;
    case gsOffice2010Black: office2010(0x6A6A6A, 0x444444, 0xBABABA); break;
    default: break;
    }
}

void TGridLooks::SetComponentStyle(TQVRStyle style)
{
    G.Style = style;
    SetStyle(style);
    if (OnEditorStyle) OnEditorStyle(style);
    if (style != tsCustom && G.ScrollType == ssMetro) G.ScrollType = ssNormal;
}

void TGridLooks::SetTheme(TXPColorScheme scheme)
{
    struct Row {
        TColor From, To, MirrorFrom, MirrorTo, Active, ActiveTo, FooterFrom, FooterTo;
        bool LookColors;
    };
    static const Row rows[] = {
        /* xpNone */ {0xFFFFFF, clBtnFace, clNone, clNone, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3, false},
        /* xpBlue */ {0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, true},
        /* xpGreen */ {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, true},
        /* xpGray */ {0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
        /* vistaAero */ {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
    };
    if (scheme > vistaAero) return;
    const Row& r = rows[scheme];
    G.Faces.QVRGradientFrom = r.From;
    G.Faces.QVRGradientTo = r.To;
    G.Faces.QVRGradientMirrorFrom = r.MirrorFrom;
    G.Faces.QVRGradientMirrorTo = r.MirrorTo;
    G.ActiveCellColor = r.Active;
    G.ActiveCellColorTo = r.ActiveTo;
    // The control look remembers the face colours (clNone for xpNone, which
    // leaves the grid's as they are).
    CL.SetFixedGradientFrom(r.LookColors ? r.From : clNone);
    CL.SetFixedGradientTo(r.LookColors ? r.To : clNone);
    G.SearchFooterColor = r.FooterFrom;
    G.SearchFooterColorTo = r.FooterTo;
}

void TGridLooks::SetColorTones(const TColorTones& tones, const QString& uiFontName)
{
    G.Tones = tones;
    SetLook(glClassic);
    G.Flat = true;
    G.ScrollType = ssMetro;
    G.FixedColor = tones.Foreground.BrushColor;
    G.FixedFontColor = tones.Foreground.TextColor;
    G.FixedFontName = uiFontName;
    G.FontName = uiFontName;
    G.Color = tones.Background.BrushColor;
    G.FontColor = tones.Background.TextColor;
    G.SelectionColor = tones.Selected.BrushColor;
    G.SelectionTextColor = tones.Selected.TextColor;
    G.SelectionColorTo = clNone;
    G.GridLineColor = 0xE6E6E6;
    G.GridFixedLineColor = grid::ScaleColorPercent(tones.Foreground.BrushColor, -20);
    G.BorderSingle = false;
    CL.SetControlStyle(csGlyph);
    CL.SetCheckedGlyph(GridResourceBitmap(QStringLiteral("metrocheckon")));
    CL.SetUnCheckedGlyph(GridResourceBitmap(QStringLiteral("metrocheckoff")));
    CL.SetRadioOffGlyph(GridResourceBitmap(QStringLiteral("metroradiooff")));
    CL.SetRadioOnGlyph(GridResourceBitmap(QStringLiteral("metroradioon")));
    CL.SetFlatButton(true);
    G.FloatingFooterColor = tones.Foreground.BrushColor;
    G.SearchFooterColor = tones.Foreground.BrushColor;
    G.SearchFooterColorTo = tones.Foreground.BrushColor;
    G.NodeTypeFlat = true;
    Repaint();
}

bool TGridLooks::UpdateOfficeTheme(TOfficeTheme theme)
{
    if (theme == G.OldOfficeTheme) return false;
    G.OldOfficeTheme = theme;
    if (theme == otUnknown) return false;
    SetComponentStyle(StyleOfOfficeTheme(theme));
    return true;
}

TQVRStyle StyleOfOfficeTheme(TOfficeTheme theme)
{
    switch (theme) {
    case ot2003Blue: return tsOffice2003Blue;
    case ot2003Silver: return tsOffice2003Silver;
    case ot2003Olive: return tsOffice2003Olive;
    case ot2003Classic: return tsOffice2003Classic;
    case ot2007Blue: return tsOffice2007Luna;
    case ot2007Silver: return tsOffice2007Silver;
    case ot2007Black: return tsOffice2007Obsidian;
    case ot2010Blue: return tsOffice2010Blue;
    case ot2010Silver: return tsOffice2010Silver;
    case ot2010Black: return tsOffice2010Black;
    default: return tsCustom;
    }
}

void LookToString(TGridLook look, QString& S)
{
    static const char* const names[] = {"glStandard", "glSoft",   "glClassic", "glQVR",       "glXP",
                                        "glListView", "glVista", "glWin7",    "glOffice2007"};
    if (look < glCustom) S = QString::fromLatin1(names[look]);
}

void LookDisplayName(TGridLook look, QString& S)
{
    static const char* const names[] = {"Standard", "Soft",          "Classic",   "QVR",       "Windows XP",
                                        "ListView", "Windows Vista", "Windows 7", "Office2007"};
    if (look < glCustom) S = QString::fromLatin1(names[look]);
}

}  // namespace grid::paint

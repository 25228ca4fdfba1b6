#pragma once

#include <cstdint>

#include "platform/colors.h"

// The shared types of the grid's looks, colour styles and colour tones. The
// ordinal values are stored data (saved visual properties keep them), so the
// order never changes.
namespace grid::paint {

// Which fixed-cell face the grid draws and which base colours it starts from.
enum TGridLook : uint8_t {
    glStandard, glSoft, glClassic, glQVR, glXP, glListView, glVista, glWin7, glOffice2007, glCustom
};

// Named colour schemes: the component style and the grid's own twin of it.
enum TQVRStyle : uint8_t {
    tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
    tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};
enum TExGridStyle : uint8_t {
    gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
    gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
    gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
};
constexpr int StyleCount = 16;

// The colour theme of the office suite, as the theme detection reports it.
enum TOfficeTheme : uint8_t {
    ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver, ot2007Black, ot2010Blue,
    ot2010Silver, ot2010Black, otUnknown
};

// Colour schemes of SetTheme.
enum TXPColorScheme : uint8_t { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

// How check boxes and radio buttons in cells are drawn.
enum TControlStyle : uint8_t { csClassic, csFlat, csWinXP, csPelmora, csQVR, csGlyph, csTheme };

// The selected-cell face of the base grid.
enum TGridSelectionStyle : uint8_t { ssDefault, ssVista, ssWin7, ssOffice2007 };

// Scroll bar style of the grid.
enum TScrollType : uint8_t { ssNormal, ssFlat, ssEncarta, ssMetro };

// Background picture or gradient of the grid.
enum TBackGroundDisplay : uint8_t { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells : uint8_t { bcNormal, bcFixed, bcAll };

// Colours of one tone of a flat colour scheme.
struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
    bool operator==(const TColorTone&) const = default;
};

// The five tones of a flat colour scheme, in this order.
struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
    bool operator==(const TColorTones&) const = default;
};

}  // namespace grid::paint

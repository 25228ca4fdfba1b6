#pragma once

// The colour presets of the drop-downs, as data: what a component style gives
// the pop-up, its header and footer bars and the bar buttons, what it gives
// an item appearance of the list pickers, and the selection colour styles.

#include <cstdint>
#include <optional>

#include "controls/grid/paint/look_types.h"
#include "platform/colors.h"

namespace dropdown {

using grid::paint::TColorTone;
using grid::paint::TColorTones;
using grid::paint::TQVRStyle;
using enum grid::paint::TQVRStyle;
using grid::paint::StyleCount;

enum TSelectionColorStyle : uint8_t { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// The look of one bar (header or footer) under a style.
struct TBarStyleColors {
    TColor Color;
    TColor ColorTo;
    TColor FontColor;
    TColor BorderColor;
};

// A state of the bar buttons: fill from, fill to and frame.
struct TButtonStateColors {
    TColor From;
    TColor To;
    TColor Border;  // not used in the disabled state: no style sets the disabled frame
};

struct TButtonStyleColors {
    TColor Color;
    TColor ColorTo;
    TColor BorderColor;
    TButtonStateColors Hot;
    TButtonStateColors Down;
    TButtonStateColors Disabled;
    TButtonStateColors Checked;
};

// What SetComponentStyle gives a drop-down.
struct TDropDownStylePreset {
    TColor DropDownColor;
    TColor DropDownColorTo;
    std::optional<TColor> DropDownBorderColor;  // none: the current colour is kept
    TBarStyleColors Header;
    TBarStyleColors Footer;
    TButtonStyleColors Buttons;
};

// The preset of a style; none for tsCustom, which changes nothing.
std::optional<TDropDownStylePreset> DropDownStylePreset(TQVRStyle style);

// The colours a style gives an item appearance of the list pickers (besides
// BorderColorHot and BorderColorSelected clNone and ColorHotText clBlack,
// which every style but tsCustom sets).
struct TItemAppearanceColors {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo;
    TColor ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
    TColor BorderColor;
    TColor BorderColorTop, BorderColorBottom, EdgeColor;
    TColor ColorSelectedText;
    TColor BorderColorHot = clNone;
    TColor BorderColorSelected = clNone;
    TColor ColorHotText = clBlack;
};

// None for tsCustom, which leaves the appearance untouched.
std::optional<TItemAppearanceColors> ItemAppearancePreset(TQVRStyle style);

// The selection colours of a selection colour style (none for scCustom) and
// the frame of its selected-item face.
struct TSelectionStyleColors {
    TColor SelectionColor;
    TColor SelectionColorTo;
    TColor InnerCorner;
    TColor Outer;
    TColor InnerBottom;
    TColor InnerTop;
    TColor MirrorFrom;  // lower half of the fill; clNone: one gradient over the whole inside
    TColor MirrorTo;
};
std::optional<TSelectionStyleColors> SelectionStylePreset(TSelectionColorStyle style);

}  // namespace dropdown

#pragma once

// The looks the component styles give the list drop-downs: header row
// colours, header font colour, the selection colour style, the text colour
// of the selected row and the line colours.

#include <optional>

#include "controls/dropdown/base/dropdown_styles.h"

namespace dropdown::liststyles {

struct TListStylePreset {
    TColor HeaderColor;
    TColor HeaderColorTo;
    std::optional<TColor> HeaderFontColor;
    TSelectionColorStyle SelectionStyle;
    TColor SelectionTextColor;
    TColor LineColor;
    TColor FixedLineColor;
    // Set by the styles with a custom selection colour style.
    std::optional<TColor> SelectionColor;
};

// None for tsCustom, which changes nothing.
std::optional<TListStylePreset> ListStylePreset(TQVRStyle style);

// The line colours of a selection colour style (none for scCustom).
struct TLineColors {
    TColor LineColor;
    TColor FixedLineColor;
};
std::optional<TLineColors> SelectionStyleLines(TSelectionColorStyle style);

}  // namespace dropdown::liststyles

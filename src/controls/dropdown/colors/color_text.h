#pragma once

// A colour as the colour picker shows it beside its box.

#include <cstdint>

#include <QString>

#include "platform/colors.h"

namespace dropdown {

enum TColorValueText : uint8_t { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

// The web colour name of a plain 0x00BBGGRR colour, or "#RRGGBB" when it has none.
QString ColorToWebColorName(TColor rgb);

// The colour as text in a style: cvtHex writes the raw value (system colours
// and clNone as they are), the other styles the colour's current RGB value.
QString ColorValueText(TColor color, TColorValueText style);

}  // namespace dropdown

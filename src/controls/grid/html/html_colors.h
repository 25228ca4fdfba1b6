#pragma once

// Colours of the mini-HTML dialect: named colours, "#RRGGBB" values, and the
// two process-wide colours of the highlight tag HI.

#include <QStringView>

#include "platform/colors.h"

namespace grid {

// The colour of a lower-case name ("clred", "clbtnface", ...); a name not in
// the table gives 0 (black).
TColor HTMLNamedColor(QStringView name);
// "#" and three pairs of hexadecimal digits (red, green, blue; digits and
// upper-case A-F); a pair that is short or not hexadecimal counts 0.
TColor HTMLHexColor(QStringView text);
// A colour attribute's value: false (colour unchanged) when empty; "#..."
// through HTMLHexColor, anything else lower-cased through HTMLNamedColor.
bool HTMLAttributeColor(QStringView value, TColor& color);

// The background and text colour of HI (clHighlight and clHighlightText
// until set); the grid's HighlightColor and HighlightTextColor set them.
void SetHTMLHighlightColors(TColor Color, TColor TextColor);
TColor HTMLHighlightColor();
TColor HTMLHighlightTextColor();

}  // namespace grid

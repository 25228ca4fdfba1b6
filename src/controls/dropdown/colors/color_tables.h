#pragma once

// The fixed colour tables of the colour pickers: the 127 cells of the colour
// hexagon, the 60 boxes of the discrete palette, the 16 named colours of the
// list and the web colour names. Colours are 0x00BBGGRR.

#include <array>
#include <cstdint>
#include <span>

#include "platform/colors.h"

namespace dropdown {

// A cell of the colour hexagon: its centre in panel pixels and its colour.
struct TCubeCell {
    int X = 0;
    int Y = 0;
    TColor Color = clNone;
};

constexpr int kCubeCellCount = 127;

// Cells 1 to 127 at indexes 0 to 126, row by row, left to right.
const std::array<TCubeCell, kCubeCellCount>& CubeCells();

// Where a box of the discrete palette stands in its column.
enum TItemPos : uint8_t { ipStandAlone, ipTop, ipMiddle, ipBottom };

struct TPaletteBox {
    TColor Color;
    TItemPos Pos;
};

// The 60 boxes of the default discrete palette, in order.
std::span<const TPaletteBox> DefaultPaletteBoxes();

struct TNamedColor {
    const char* Name;
    TColor Color;
};

// The 16 named colours the list style starts with, in order.
std::span<const TNamedColor> DefaultNamedColors();

// The web colour names with their values as 0x00RRGGBB (red in the high
// byte, as web colours are written), in search order.
struct TWebColor {
    const char* Name;
    uint32_t Rgb;
};
std::span<const TWebColor> WebColors();

}  // namespace dropdown

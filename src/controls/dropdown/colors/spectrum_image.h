#pragma once

#include <QImage>

namespace dropdown {

constexpr int kSpectrumSize = 128;

// The colour spectrum, 128 x 128, 24 bits per pixel: hue from red through
// yellow, green, cyan, blue and magenta back to red from left to right;
// white at the top, the full colour in the middle rows, black at the bottom.
const QImage& SpectrumImage();

}  // namespace dropdown

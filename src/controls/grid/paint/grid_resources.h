#pragma once

#include <QImage>
#include <QString>

#include "platform/colors.h"

namespace grid::paint {

// The key colour of the grid's pictures: their corner pixels have it, so that
// drawing them transparent (corner colour left out) shows only the figure.
constexpr TColor ResourceKeyColor = 0xFF00FF;

// The grid's own pictures by resource name: check boxes "ESGCHK01" to
// "ESGCHK08" (15 x 15), radio buttons "ESGRAD01" to "ESGRAD08" (16 x 16),
// node marks "ESGLEAFOPEN", "ESGLEAFCLOSE" (12 high), "XPNODEO", "XPNODEC"
// (10 high), the filter glyph "ESGFILT" (16 wide) and the flat check and
// radio glyphs "metrocheckon", "metrocheckoff" (15), "metroradioon",
// "metroradiooff" (16). An unknown name gives a null image. Pictures are made
// once and kept (UI thread only).
QImage GridResourceBitmap(const QString& name);

}  // namespace grid::paint

#pragma once

// The grid's look as a text file of "Key=Value" lines (colours, fonts,
// selection, bands, balloon, control look, look, search footer, grouping,
// grid lines, background): 69 lines in a fixed key order, each ended by
// CR LF, in Windows-1252 (UTF-8 with a byte-order mark when a font name
// needs characters Windows-1252 lacks).
//
// Value forms: colours by name (clWindow) or as "$" and eight hex digits of
// 0x00BBGGRR; Booleans "true"/"false"; integers in decimal; font styles as
// the names "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut" joined by
// commas; font names as they are; enumerations by identifier (the custom
// look as an empty value).
//
// Reading finds keys without regard to case. A missing or empty colour is
// clNone, a missing Boolean false; an enumeration that names none of its
// values, an empty look and an empty font name leave the property alone.
// Every value is checked before the first is applied: an integer that is
// missing or no number, or a colour that is neither a name nor a number,
// raises EExGridError and the grid stays as it was.

#include <QByteArray>

namespace grid {

class TExStringGrid;

QByteArray VisualPropsFile(TExStringGrid& grid);
void ApplyVisualPropsFile(TExStringGrid& grid, const QByteArray& file);

}  // namespace grid

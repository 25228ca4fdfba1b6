#pragma once

// The print settings in one section of an INI file: 45 "key=value" lines,
// written in a fixed order, read back with a default for every missing key.
//
// Value forms: integers in decimal; yes/no as "Y" or "N" (only "Y" reads as
// yes); enumerations as their ordinal (one outside its range leaves the
// setting alone, a header/footer position outside 1..6 reads as none);
// colours as the signed 32-bit value; fonts as name, point size, style bits
// (1 bold, 2 italic, 4 underline, 8 strike-out: reading adds the styles set
// and removes none) and colour. The title lines are one value whose line
// breaks are the two characters "\n" (a backslash of the text itself is
// doubled). A text with blanks at its ends is written in double quotes.
//
// Not stored: FixedFont, PageNumberOffset, MaxPagesOffset, JobName,
// NoAutoSizeRow and FixedCellsAlways.

#include <vector>

#include <QString>

#include "platform/ini_file.h"

namespace grid {

class TPrintSettings;

// The section's lines, in file order.
std::vector<platform::IniValue> PrintSettingsValues(const TPrintSettings& settings);
// The settings as the section's values (or their defaults) give them.
void ReadPrintSettings(TPrintSettings& settings, const platform::IniSection& section);

// The section `section` of the INI file `path` replaced by the settings
// (the file's other sections and keys stay); EExGridError when the file
// exists but cannot be read, or cannot be written.
void SavePrintSettingsFile(const TPrintSettings& settings, const QString& path, const QString& section);
// The settings read from there; a missing file or section reads as all
// defaults. EExGridError when the file exists but cannot be read.
void LoadPrintSettingsFile(TPrintSettings& settings, const QString& path, const QString& section);

}  // namespace grid

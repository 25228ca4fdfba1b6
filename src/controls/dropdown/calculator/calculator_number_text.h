#pragma once

// How the calculator shows and reads its display: numbers with a fixed count
// of decimals (and, when asked, thousand separators) in the locale's
// separators, and the locale's strict float reading.

#include <optional>

#include <QString>

#include "controls/dropdown/base/dropdown_numbers.h"

namespace dropdown {

// What the display shows when a computation fails.
inline QString ErrorText() { return QStringLiteral("Error"); }

// The locale's float conversion: blanks around, an optional sign, digits with
// at most one locale decimal separator, an optional exponent; nothing else.
// None when the text is not such a number.
std::optional<long double> ParseLocaleFloat(const QString& text);

// The display's value as the edit reads it: 0 for an empty text, "Error" and
// a lone "-"; otherwise the text without thousand separators converted, 0
// when it is not a number.
long double DisplayValue(const QString& text);

// The value in the general format: at most 15 significant digits, the locale
// decimal separator.
QString GeneralFloatText(long double value);

// The text a numeric edit shows for value: precision > 0 gives that many
// decimals, with thousand separators when grouped; otherwise the general
// format. Minus zero shows as zero.
QString FixedFloatText(long double value, int precision, bool grouped);

// The text the numeric edit shows when given text: empty gives "0"; "Error"
// stays; anything else is read as a number (0 when it is none) and shown
// with the decimals of precision (when above 0; else as given).
QString NumericDisplayText(const QString& text, int precision, bool grouped);

}  // namespace dropdown

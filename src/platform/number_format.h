#pragma once

// Number formatting and reading with the process-wide format settings, in the
// original framework's format strings: "%.2f" (fixed decimals), "%.2n" (fixed
// decimals with thousand separators), "%g" (general), "%d", "%x", "%s" ...
// The grid and the drop-down controls format through these alone.

#include <cstdint>
#include <initializer_list>
#include <variant>

#include <QString>

namespace platform {

using TFormatArg = std::variant<int64_t, double, QString>;

// Formats the arguments into the format string: %d %u %x (integers), %f %e
// %g %n (numbers), %s (texts) with optional "-", width and ".precision";
// "%%" is one "%". f and n take 2 decimals without a precision, g takes 15
// significant digits. A specifier without an argument, or whose argument is
// of the wrong kind, is written as it stands (an integer argument serves a
// number specifier and the other way round after rounding).
QString FormatWithArgs(const QString& format, std::initializer_list<TFormatArg> args);

// One number through one format ("%.2n", "%g").
inline QString FormatFloat(const QString& format, double value) { return FormatWithArgs(format, {value}); }

// True when the format holds an integer specifier (d or u) for its first argument.
bool FormatTakesInteger(const QString& format);

// Reads a number written with the settings' decimal separator: blanks around
// it, an optional sign, digits with at most one decimal separator, and an
// optional exponent ("1,5E3" where the separator is a comma). No thousand
// separators. False (value untouched) for anything else, the empty text too.
bool TryStrToFloat(const QString& text, double& value);

}  // namespace platform

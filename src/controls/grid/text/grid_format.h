#pragma once

// The grid's number formatting: the original framework's format strings
// ("%.2f", "%d-%d", "%5.1n") applied with the process-wide format settings
// (the decimal separator for f, e, g and n; the thousand separator for n).
// The one formatter of the platform layer does the work.

#include <initializer_list>

#include <QString>

#include "platform/number_format.h"

namespace grid {

using TFormatArg = platform::TFormatArg;

// Formats the arguments into the format string: %d %u %x (integers), %f %e
// %g %n (numbers), %s (texts) with optional "-", width and ".precision";
// "%%" is one "%". A specifier without an argument, or whose argument is of
// the wrong kind, is written as it stands (an integer argument serves a
// number specifier and the other way round after rounding).
inline QString FormatWithArgs(const QString& format, std::initializer_list<TFormatArg> args)
{
    return platform::FormatWithArgs(format, args);
}

// True when the format holds an integer specifier (d or u) for its first argument.
inline bool FormatTakesInteger(const QString& format) { return platform::FormatTakesInteger(format); }

}  // namespace grid

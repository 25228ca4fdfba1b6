#pragma once

#include <cstdint>
#include <optional>

#include <QString>

namespace platform {

// Removes the blanks and control characters (everything up to U+0020) at both
// ends; other white space, such as U+00A0, stays.
QString trimBlanks(const QString& text);
QString trimBlanksLeft(const QString& text);
QString trimBlanksRight(const QString& text);

// Integer text as the configurator reads it everywhere: leading blanks are
// skipped, then an optional sign and decimal digits, or hexadecimal digits
// after "$" or "0x"/"0X". Anything else, trailing blanks included, or a value
// outside the signed 32-bit range (hexadecimal: outside 32 bits) fails.
std::optional<int32_t> parseInt(const QString& text);
int32_t parseIntOr(const QString& text, int32_t fallback);
// The same for 64-bit values.
std::optional<int64_t> parseInt64(const QString& text);

// Value of a hexadecimal digit (either case), -1 for any other character.
int hexDigitValue(QChar c);

// Plain decimal digits with an optional sign and nothing else.
std::optional<int32_t> parseDecimal(const QString& text);

// The operating system's text for the error number `err` (errno).
QString systemErrorText(int err);

}  // namespace platform

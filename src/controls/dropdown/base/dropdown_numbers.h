#pragma once

// The input kinds of the drop-down edit and the number functions its typed
// input and value formatting stand on. Separators are those of the
// process-wide format settings, read at each call.

#include <cstdint>

#include <QChar>
#include <QString>

namespace dropdown {

enum TDropDownEditType : uint8_t {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric,
    etValidChars,
};

// The kinds that read a leading minus as a sign.
inline bool IsSignedNumberKind(TDropDownEditType kind)
{
    return kind == etNumeric || kind == etFloat || kind == etMoney;
}

// What a text is as a number.
enum TNumberClass : int {
    ncInteger = 0,
    ncDecimal = 1,
    ncNotNumber = 2,
    ncHexadecimal = 5,
};

// Digits and minus signs: an integer; digits, ".", ",", "-": a decimal
// number, as long as no thousand separator stands closer than three places to
// the start or to the previous one; digits and A..F: hexadecimal. More than
// one minus or decimal separator, and the empty text, are not numbers.
TNumberClass ClassifyNumber(const QString& text);

// What a numeric value shows when a computation failed; it reads as 0.
inline QString ErrorText() { return QStringLiteral("Error"); }

QString StripThousandSeparators(const QString& text);

// The thousand separators dropped, then read with the decimal separator; 0
// when that fails.
double StrToFloatValue(const QString& text);

// 0..15 for a hexadecimal digit, 0 for anything else.
int HexDigitValue(QChar c);
// The digits summed from the last character backwards (other characters
// count 0), wrapping as a 32-bit integer.
int32_t HexToInt(const QString& text);

// ",", "-" and ";" separate the parts of a range list such as 1-5;7.
inline bool IsRangeSeparator(QChar c) { return c == u',' || c == u'-' || c == u';'; }

// The caret (k characters into the value) stands in a decimal part that
// already holds `precision` digits.
bool DecimalsFull(const QString& value, int k, int precision);

// A thousand or decimal separator typed k characters into the value would
// stand closer or farther than three digits from the nearest thousand
// separator (never while there is none).
bool SeparatorMisplaced(const QString& value, int k);

// The 1-based position that ends the integer part of a value (thousand
// separators not counted): the decimal separator's, or length + 1. One less
// for a value with a minus when signed numbers are typed.
int IntegerPartEnd(const QString& value, bool signedNumber);

}  // namespace dropdown

#pragma once

// What a paste leaves in a drop-down edit of a kind: the value it becomes,
// or nothing when the kind refuses the pasted text.

#include <optional>

#include <QString>

#include "controls/dropdown/base/dropdown_numbers.h"

namespace dropdown {

struct TPasteRules {
    TDropDownEditType Kind = etString;
    int Precision = 0;
    bool Signed = false;
    QString ValidChars;
};

// `value` is the value with the clipboard text `pasted` already in place:
// etNumeric takes integers, etFloat and etMoney integers and decimal
// numbers (with Precision 0 no decimal separator in the pasted text), both
// a minus only when Signed; etAlphaNumeric digits and ASCII letters,
// etValidChars its valid characters; the case kinds change the case; etRange
// and etHex take no paste.
std::optional<QString> PastedValue(const TPasteRules& rules, const QString& value, const QString& pasted);

// `value` with `pasted` put at value position `start` in place of `length`
// characters (both clamped to the value).
QString InsertPastedText(const QString& value, int start, int length, const QString& pasted);

}  // namespace dropdown

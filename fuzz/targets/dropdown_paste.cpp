// A clipboard text pasted into a drop-down edit: the number recognition and
// conversions it meets and what each input kind makes of it.
//
// Input: a format byte, the kind, the precision, Signed, the caret and the
// selection length, a line with the value, a line with the valid characters,
// then the pasted text.

#include <cmath>

#include "controls/dropdown/base/dropdown_numbers.h"
#include "controls/dropdown/base/dropdown_paste.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/format_settings.h"
#include "platform/number_format.h"

namespace {

// What the caret rules read from any value at any caret.
void checkCaretRules(const QString& value, int precision)
{
    for (int k = -1; k <= int(value.size()) + 1; ++k) {
        dropdown::DecimalsFull(value, k, precision);
        dropdown::SeparatorMisplaced(value, k);
    }
    const int end = dropdown::IntegerPartEnd(value, true);
    FUZZ_CHECK(end >= 0 && end <= int(value.size()) + 1);
}

// A number that reads is written again with the settings and reads back.
void checkNumberText(const QString& text)
{
    double value = 0;
    if (!platform::TryStrToFloat(text, value)) return;
    FUZZ_CHECK(std::isfinite(value));
    const QString fixed = platform::FormatFloat(QStringLiteral("%.2f"), value);
    double again = 0;
    FUZZ_CHECK(platform::TryStrToFloat(fixed, again));
    FUZZ_CHECK(std::fabs(again - value) <= 0.005 + std::fabs(value) * 1e-12);
    const QString grouped = platform::FormatFloat(QStringLiteral("%.2n"), value);
    FUZZ_CHECK_EQUAL(dropdown::StripThousandSeparators(grouped), fixed);
}

}  // namespace

FUZZ_TARGET(dropdown_paste)
{
    fuzz::FuzzedData input(data, size);
    const fuzz::FormatSettingsChoice format(input);
    dropdown::TPasteRules rules;
    rules.Kind = dropdown::TDropDownEditType(input.takeInt(dropdown::etString, dropdown::etValidChars));
    rules.Precision = int(input.takeInt(-2, 20));
    rules.Signed = input.takeBool();
    const int start = int(input.takeInt(-2, 300));
    const int length = int(input.takeInt(-2, 300));
    const QString value = input.takeLine();
    rules.ValidChars = input.takeLine();
    const QString pasted = input.takeRestText();

    const QString candidate = dropdown::InsertPastedText(value, start, length, pasted);
    FUZZ_CHECK(candidate.contains(pasted));
    const dropdown::TNumberClass kind = dropdown::ClassifyNumber(candidate);
    FUZZ_CHECK(kind == dropdown::ncInteger || kind == dropdown::ncDecimal || kind == dropdown::ncNotNumber ||
               kind == dropdown::ncHexadecimal);
    FUZZ_CHECK(std::isfinite(dropdown::StrToFloatValue(candidate)));
    dropdown::HexToInt(candidate);
    checkCaretRules(candidate, rules.Precision);
    checkNumberText(candidate);

    const auto result = dropdown::PastedValue(rules, candidate, pasted);
    if (!result) return;
    switch (rules.Kind) {
    case dropdown::etNumeric:
        FUZZ_CHECK(dropdown::ClassifyNumber(*result) == dropdown::ncInteger);
        if (!rules.Signed) FUZZ_CHECK(!result->contains(u'-'));
        break;
    case dropdown::etFloat:
    case dropdown::etMoney: {
        const dropdown::TNumberClass k = dropdown::ClassifyNumber(*result);
        FUZZ_CHECK(k == dropdown::ncInteger || k == dropdown::ncDecimal);
        if (!rules.Signed) FUZZ_CHECK(!result->contains(u'-'));
        break;
    }
    case dropdown::etRange:
    case dropdown::etHex:
        FUZZ_CHECK(false);  // these take no paste
        break;
    case dropdown::etValidChars:
        for (QChar c : *result) FUZZ_CHECK(rules.ValidChars.contains(c));
        break;
    default:
        break;
    }
}

#include "controls/dropdown/base/dropdown_paste.h"

#include <algorithm>

#include "controls/grid/text/grid_text_utils.h"
#include "platform/format_settings.h"

namespace dropdown {

namespace dropdown_paste_detail {

bool isAsciiAlphaNumeric(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

}  // namespace dropdown_paste_detail

using namespace dropdown_paste_detail;

std::optional<QString> PastedValue(const TPasteRules& rules, const QString& value, const QString& pasted)
{
    switch (rules.Kind) {
    case etString:
    case etPassword:
        return value;
    case etNumeric:
        if (ClassifyNumber(value) != ncInteger) return std::nullopt;
        if (!rules.Signed && value.contains(u'-')) return std::nullopt;
        return value;
    case etFloat:
    case etMoney: {
        const TNumberClass kind = ClassifyNumber(value);
        if (kind != ncInteger && kind != ncDecimal) return std::nullopt;
        if (rules.Precision == 0 && pasted.contains(platform::formatSettings().DecimalSeparator)) return std::nullopt;
        if (!rules.Signed && value.contains(u'-')) return std::nullopt;
        return value;
    }
    case etUppercase:
        return value.toUpper();
    case etLowerCase:
        return value.toLower();
    case etMixedCase:
        return grid::MixedCaseText(value);
    case etAlphaNumeric:
        if (!std::all_of(value.begin(), value.end(), isAsciiAlphaNumeric)) return std::nullopt;
        return value;
    case etValidChars:
        if (!std::all_of(value.begin(), value.end(), [&](QChar c) { return rules.ValidChars.contains(c); }))
            return std::nullopt;
        return value;
    case etRange:
    case etHex:
        return std::nullopt;
    }
    return std::nullopt;
}

QString InsertPastedText(const QString& value, int start, int length, const QString& pasted)
{
    const int size = int(value.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    QString out = value;
    out.replace(start, length, pasted);
    return out;
}

}  // namespace dropdown

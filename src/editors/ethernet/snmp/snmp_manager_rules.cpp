#include "editors/ethernet/snmp/snmp_manager_rules.h"

#include "app/shared_checks.h"
#include "platform/strings.h"

namespace snmp {
namespace manager_rules_detail {

QString trimmed(const QString& text) { return platform::trimBlanks(text); }
int32_t number(const QString& text) { return platform::parseIntOr(text, -1); }
bool enabled(const SNMPManagerRow& row) { return trimmed(row.Enable) == QStringLiteral("Y"); }

// The first of three texts (too long, too short, bad character) for a code
// of Check_SNMP_V3_String.
std::optional<int> v3StringBroken(const QString& text, bool isUserName, int firstText)
{
    const uint8_t code = app::Check_SNMP_V3_String(text, isUserName);
    if (code == 0)
        return std::nullopt;
    return firstText + code - 1;
}

// The text of the first rule the row breaks.
std::optional<int> requestRuleBroken(const SNMPManagerRow& row)
{
    using namespace manager_texts;
    QString part1, part2, part3, part4;
    if (!app::Split_IP_Address(row.IP_Address, part1, part2, part3, part4))
        return IPAddress;
    if (const uint8_t code = app::Check_OID(row.OID); code != 0)
        return OIDTooLong + code - 1;
    if (trimmed(row.On_Timer) == QStringLiteral("Y")) {
        const int32_t time = number(row.Time);
        if (time < 1 || time > kMaxRequestTime)
            return Time;
    }
    const int32_t bytes = number(row.Number_Bytes);
    if (bytes < 0 || bytes > kMaxRequestBytes)
        return NumberBytes;
    if (trimmed(row.ConvertFrom).isEmpty())
        return Conversion;
    if (number(row.Version) != 3)
        return std::nullopt;
    if (const auto text = v3StringBroken(row.User, true, UserTooLong))
        return text;
    if (const auto text = v3StringBroken(row.Auth_Pass, false, AuthPassTooLong))
        return text;
    if (const auto text = v3StringBroken(row.Priv_Pass, false, PrivPassTooLong))
        return text;
    const int flags = app::Get_SNMP_Security_Flags(row.Security_Level);
    if (flags < 0)
        return SecurityLevel;
    if ((flags & 1) != 0 && trimmed(row.Auth_Mode).isEmpty())
        return AuthMode;
    if ((flags & 2) != 0 && trimmed(row.Priv_Mode).isEmpty())
        return PrivMode;
    return std::nullopt;
}

// What two enabled requests may not share; empty for a disabled row.
QStringList requestKey(const SNMPManagerRow& row)
{
    if (!enabled(row))
        return {};
    return {trimmed(row.IP_Address), trimmed(row.Version), trimmed(row.OID)};
}

}  // namespace manager_rules_detail
using namespace manager_rules_detail;

std::optional<rule_editor::RuleFailure> checkSNMPManagerRequests(const std::vector<SNMPManagerRow>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (enabled(rows[i]))
            if (const auto text = requestRuleBroken(rows[i]))
                return rule_editor::RuleFailure{0, int(i) + 1, *text};
    std::vector<QStringList> keys;
    keys.reserve(rows.size());
    for (const SNMPManagerRow& row : rows)
        keys.push_back(requestKey(row));
    for (size_t b = 0; b < keys.size(); ++b) {
        if (keys[b].isEmpty())
            continue;
        for (size_t e = b + 1; e < keys.size(); ++e)
            if (keys[e] == keys[b])
                return rule_editor::RuleFailure{0, int(b) + 1, manager_texts::SameRequest, {}, int(e) + 1};
    }
    return std::nullopt;
}

}  // namespace snmp

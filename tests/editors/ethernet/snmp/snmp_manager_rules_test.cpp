// The checks of the SNMP manager request editor without a window: each rule
// with its limits and its text, the order of the rules, the version 3 rules
// only for version 3, and the duplicate pass naming both rows.

#include <functional>

#include <gtest/gtest.h>

#include "editors/ethernet/snmp/snmp_manager_rules.h"
#include "support/qt_printers.h"

namespace snmp_manager_rules_tests {

using rule_editor::RuleFailure;
using snmp::SNMPManagerRow;

SNMPManagerRow versionOneRow()
{
    SNMPManagerRow row;
    row.IP_Address = QStringLiteral("192.168.1.10");
    row.Version = QStringLiteral("1");
    row.Community_String = QStringLiteral("Pumeld");
    row.OID = QStringLiteral("1.3.6.1.2.1.1.5.0");
    row.Type = QStringLiteral("Int");
    row.Mode = QStringLiteral("Get");
    row.Position = QStringLiteral("10");
    row.Number_Bytes = QStringLiteral("4");
    return row;
}

SNMPManagerRow versionThreeRow()
{
    SNMPManagerRow row = versionOneRow();
    row.Version = QStringLiteral("3");
    row.User = QStringLiteral("operator7");
    row.Auth_Pass = QStringLiteral("authPass1");
    row.Priv_Pass = QStringLiteral("privPass22");
    row.Security_Level = QStringLiteral("Auth Priv");
    row.Auth_Mode = QStringLiteral("SHA");
    row.Priv_Mode = QStringLiteral("AES");
    return row;
}

struct Case {
    const char* name;
    std::function<SNMPManagerRow()> row;
    int textId;  // 0: the row passes
};

template <typename Change>
std::function<SNMPManagerRow()> v1(Change change)
{
    return [change] {
        SNMPManagerRow row = versionOneRow();
        change(row);
        return row;
    };
}

template <typename Change>
std::function<SNMPManagerRow()> v3(Change change)
{
    return [change] {
        SNMPManagerRow row = versionThreeRow();
        change(row);
        return row;
    };
}

const auto unchanged = [](SNMPManagerRow&) {};

TEST(SNMPManagerRules, EachRuleWithItsLimitsAndText)
{
    const QString digits62(62, u'1');
    const Case cases[] = {
        {"version 1 row", v1(unchanged), 0},
        {"version 3 row", v3(unchanged), 0},
        // IP Address
        {"three octets", v1([](auto& r) { r.IP_Address = "192.168.1"; }), 4638},
        {"octet above 255", v1([](auto& r) { r.IP_Address = "192.168.1.256"; }), 4638},
        {"address with blanks around", v1([](auto& r) { r.IP_Address = " 10.0.0.1 "; }), 0},
        // OID, by the code of the shared check
        {"OID of digits and dots", v1([](auto& r) { r.OID = "1.4294967295"; }), 0},
        {"OID too long", v1([digits62](auto& r) { r.OID = digits62; }), 4639},
        {"OID with a letter", v1([](auto& r) { r.OID = "1.3.a"; }), 4640},
        {"OID starting with a dot", v1([](auto& r) { r.OID = ".1.3"; }), 4641},
        {"OID ending with a dot", v1([](auto& r) { r.OID = "1.3."; }), 4642},
        {"OID with two dots", v1([](auto& r) { r.OID = "1..3"; }), 4643},
        {"OID component above 32 bits", v1([](auto& r) { r.OID = "1.4294967296"; }), 4644},
        {"empty OID", v1([](auto& r) { r.OID = ""; }), 4640},
        // Time, only with OnTimer
        {"Time 100000000", v1([](auto& r) { r.On_Timer = "Y", r.Time = "100000000"; }), 0},
        {"Time 100000001", v1([](auto& r) { r.On_Timer = "Y", r.Time = "100000001"; }), 4645},
        {"Time 0", v1([](auto& r) { r.On_Timer = "Y", r.Time = "0"; }), 4645},
        {"Time empty", v1([](auto& r) { r.On_Timer = " Y ", r.Time = ""; }), 4645},
        {"Time empty without timer", v1([](auto& r) { r.On_Timer = "N", r.Time = ""; }), 0},
        // Num Bytes
        {"0 bytes", v1([](auto& r) { r.Number_Bytes = "0"; }), 0},
        {"1024 bytes", v1([](auto& r) { r.Number_Bytes = "1024"; }), 0},
        {"1025 bytes", v1([](auto& r) { r.Number_Bytes = "1025"; }), 4646},
        {"no bytes", v1([](auto& r) { r.Number_Bytes = ""; }), 4646},
        {"negative bytes", v1([](auto& r) { r.Number_Bytes = "-1"; }), 4646},
        // Conversion
        {"no conversion", v1([](auto& r) { r.ConvertFrom = "  "; }), 4656},
        // Version 3 only
        {"version 2 without user", v1([](auto& r) { r.Version = "2", r.Security_Level = ""; }), 0},
        {"no user", v3([](auto& r) { r.User = ""; }), 4675},
        {"user of 16", v3([](auto& r) { r.User = "abcdefghijklmnop"; }), 4674},
        {"user of 15", v3([](auto& r) { r.User = "abcdefghijklmno"; }), 0},
        {"user with a blank", v3([](auto& r) { r.User = "op 7"; }), 4676},
        {"auth pass of 7", v3([](auto& r) { r.Auth_Pass = "abcdefg"; }), 4678},
        {"auth pass of 16", v3([](auto& r) { r.Auth_Pass = "abcdefghijklmnop"; }), 4677},
        {"auth pass with a dash", v3([](auto& r) { r.Auth_Pass = "auth-pass"; }), 4679},
        {"priv pass of 7", v3([](auto& r) { r.Priv_Pass = "abcdefg"; }), 4681},
        {"priv pass of 16", v3([](auto& r) { r.Priv_Pass = "abcdefghijklmnop"; }), 4680},
        {"priv pass with an accent", v3([](auto& r) { r.Priv_Pass = QString::fromUtf8("privé1234"); }), 4682},
        {"passwords even without security",
         v3([](auto& r) { r.Security_Level = "NoAuth NoPriv", r.Auth_Pass = ""; }), 4678},
        {"no security level", v3([](auto& r) { r.Security_Level = " "; }), 4683},
        {"no auth mode", v3([](auto& r) { r.Security_Level = "Auth NoPriv", r.Auth_Mode = ""; }), 4684},
        {"auth without priv mode", v3([](auto& r) { r.Security_Level = "Auth NoPriv", r.Priv_Mode = ""; }), 0},
        {"no priv mode", v3([](auto& r) { r.Priv_Mode = ""; }), 4685},
        {"no security, no modes",
         v3([](auto& r) { r.Security_Level = "NoAuth NoPriv", r.Auth_Mode = "", r.Priv_Mode = ""; }), 0},
        // The first rule broken is the one reported.
        {"bad OID before bad time", v1([](auto& r) { r.OID = "1..3", r.On_Timer = "Y", r.Time = "0"; }), 4643},
        {"bad bytes before version 3 rules", v3([](auto& r) { r.Number_Bytes = "2000", r.User = ""; }), 4646},
        // Enable, trimmed, exactly "Y"
        {"lowercase y is not checked", v1([](auto& r) { r.Enable = "y", r.IP_Address = "x"; }), 0},
        {"disabled is not checked", v1([](auto& r) { r.Enable = "N", r.OID = ""; }), 0},
        {"blanks around Y", v1([](auto& r) { r.Enable = " Y ", r.IP_Address = "x"; }), 4638},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The row checked is the second, after a sound one of another OID.
        SNMPManagerRow first = versionThreeRow();
        first.OID = QStringLiteral("1.3.6.1.2.1.1.1.0");
        const std::optional<RuleFailure> failure = snmp::checkSNMPManagerRequests({first, c.row()});
        if (c.textId == 0)
            EXPECT_EQ(failure, std::nullopt) << failure->textId;
        else
            EXPECT_EQ(failure, (RuleFailure{0, 2, c.textId}));
    }
}

TEST(SNMPManagerRules, TheSameAddressVersionAndOidInTwoEnabledRowsNamesBoth)
{
    const auto request = [](const char* ip, const char* version, const char* oid, const char* enable = "Y") {
        SNMPManagerRow row = versionThreeRow();
        row.IP_Address = QString::fromLatin1(ip);
        row.Version = QString::fromLatin1(version);
        row.OID = QString::fromLatin1(oid);
        row.Enable = QString::fromLatin1(enable);
        return row;
    };
    struct PairCase {
        const char* name;
        std::vector<SNMPManagerRow> rows;
        std::optional<RuleFailure> failure;
    };
    SNMPManagerRow otherMode = request("10.0.0.1", "3", "1.3.6.1");
    otherMode.Mode = QStringLiteral("Set");
    const PairCase cases[] = {
        {"same request, other mode", {request("10.0.0.1", "3", "1.3.6.1"), otherMode},
         RuleFailure{0, 1, 4688, {}, 2}},
        {"one of them disabled", {request("10.0.0.1", "3", "1.3.6.1"), request("10.0.0.1", "3", "1.3.6.1", "N")},
         std::nullopt},
        {"blanks around the address", {request("10.0.0.1", "3", "1.3.6.1"), request(" 10.0.0.1 ", "3", "1.3.6.1")},
         RuleFailure{0, 1, 4688, {}, 2}},
        {"other version", {request("10.0.0.1", "3", "1.3.6.1"), request("10.0.0.1", "2", "1.3.6.1")}, std::nullopt},
        {"other OID", {request("10.0.0.1", "3", "1.3.6.1"), request("10.0.0.1", "3", "1.3.6.2")}, std::nullopt},
        {"the first row with a later twin, then its first twin",
         {request("10.0.0.9", "1", "1.1"), request("10.0.0.1", "1", "1.2"), request("10.0.0.2", "1", "1.3"),
          request("10.0.0.2", "1", "1.3"), request("10.0.0.1", "1", "1.2"), request("10.0.0.1", "1", "1.2")},
         RuleFailure{0, 2, 4688, {}, 5}},
        {"a row failing its own rules comes first",
         {request("10.0.0.1", "1", "1.2"), request("10.0.0.1", "1", "1.2"), request("10.0.0.1", "1", "1..2")},
         RuleFailure{0, 3, 4643}},
    };
    for (const PairCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(snmp::checkSNMPManagerRequests(c.rows), c.failure);
    }
}

}  // namespace snmp_manager_rules_tests

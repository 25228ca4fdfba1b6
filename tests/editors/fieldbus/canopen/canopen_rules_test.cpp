// The checks of the CANopen PDO, SDO client and SDO server editors with
// their messages: the ranges, the addresses checked only up to the
// Dimension or the N Byte, the table order, and cells that are not numbers.

#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/canopen/canopen_rules.h"

namespace canopen_rules_tests {

using namespace canopen;
using can_testing::failureText;

class CANopenRulesTest : public can_testing::CANEditorTest {};

PDORule pdoRule(bool transmit)
{
    PDORule r;
    r.COB_ID = "0x201";
    r.Dimension = "2";
    r.Address_B1 = "0";
    r.Address_B2 = "1";
    (transmit ? r.Send_Time : r.TimeOut) = "0";
    return r;
}

// One change to a row of one table; the other table holds a valid row.
template <typename Row>
struct Case {
    const char* name;
    int table;
    void (*edit)(Row&);
    const char* message;
};

TEST_F(CANopenRulesTest, PDORules)
{
    const Case<PDORule> cases[] = {
        {"valid", 0, [](PDORule&) {}, "passes"},
        {"COB-ID as $181", 0, [](PDORule& r) { r.COB_ID = "$181"; }, "passes"},
        {"COB-ID as 385", 1, [](PDORule& r) { r.COB_ID = "385"; }, "passes"},
        {"COB-ID 0x7FF", 0, [](PDORule& r) { r.COB_ID = "0x7FF"; }, "passes"},
        {"COB-ID 0x800", 0, [](PDORule& r) { r.COB_ID = "0x800"; },
         "Error row 1!! [Receive PDO] COB-ID must be between 0x000 and 0x7FF"},
        {"COB-ID text", 1, [](PDORule& r) { r.COB_ID = "0x20G"; },
         "Error row 1!! [Transmit PDO] COB-ID must be between 0x000 and 0x7FF"},
        {"dimension 0", 0, [](PDORule& r) { r.Dimension = "0"; },
         "Error row 1!! [Receive PDO] Dimension must be between 1 and 8"},
        {"dimension 9", 1, [](PDORule& r) { r.Dimension = "9"; },
         "Error row 1!! [Transmit PDO] Dimension must be between 1 and 8"},
        {"address 1 at 1500", 0, [](PDORule& r) { r.Address_B1 = "1500"; },
         "Error row 1!! [Receive PDO] Address Byte1 must be between 0 and 1499"},
        {"address 1 empty", 1, [](PDORule& r) { r.Address_B1 = ""; },
         "Error row 1!! [Transmit PDO] Address Byte1 must be between 0 and 1499"},
        {"address 2 of 2", 0, [](PDORule& r) { r.Address_B2 = "-1"; },
         "Error row 1!! [Receive PDO] Address Byte2 must be between 0 and 1499"},
        {"address 3 beyond dimension 2", 0, [](PDORule& r) { r.Address_B3 = "2000"; }, "passes"},
        {"address 8 of 8", 1,
         [](PDORule& r) {
             r.Dimension = "8";
             r.Address_B3 = r.Address_B4 = r.Address_B5 = r.Address_B6 = r.Address_B7 = "2";
             r.Address_B8 = "1500";
         },
         "Error row 1!! [Transmit PDO] Address Byte8 must be between 0 and 1499"},
        {"address 1499", 1, [](PDORule& r) { r.Address_B2 = "1499"; }, "passes"},
        {"time-out 65535", 0, [](PDORule& r) { r.TimeOut = "65535"; }, "passes"},
        {"time-out 65536", 0, [](PDORule& r) { r.TimeOut = "65536"; },
         "Error row 1!! [Receive PDO] TimeOut must be between 0 and 65535"},
        {"addresses before the time-out", 0, [](PDORule& r) { r.TimeOut = ""; r.Address_B2 = ""; },
         "Error row 1!! [Receive PDO] Address Byte2 must be between 0 and 1499"},
        {"send time 100000000", 1, [](PDORule& r) { r.Send_Time = "100000000"; }, "passes"},
        {"send time 100000001", 1, [](PDORule& r) { r.Send_Time = "100000001"; },
         "Error row 1!! [Transmit PDO] Send Time must be between 0 and 100000000"},
        {"On Change not checked", 1, [](PDORule& r) { r.On_Change = "maybe"; }, "passes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TwoLists<PDORule> rules = {std::vector{pdoRule(false)}, std::vector{pdoRule(true)}};
        c.edit(rules[size_t(c.table)][0]);
        EXPECT_EQ(failureText(checkPDORules(rules), 2668), QString::fromUtf8(c.message));
    }
}

TEST_F(CANopenRulesTest, TheReceiveTableIsCheckedWholeBeforeTheTransmitTable)
{
    TwoLists<PDORule> rules = {std::vector(3, pdoRule(false)), std::vector(2, pdoRule(true))};
    rules[1][0].Dimension = "";
    rules[0][2].TimeOut = "x";
    EXPECT_EQ(checkPDORules(rules), (rule_editor::RuleFailure{0, 3, 2679}));
    rules[0][2].TimeOut = "0";
    EXPECT_EQ(checkPDORules(rules), (rule_editor::RuleFailure{1, 1, 2681}));
    // The limit in the message follows the array.
    rules[1][0].Dimension = "1";
    rules[1][1].Address_B1 = "100";
    EXPECT_EQ(checkPDORules(rules, {1500, 100}), (rule_editor::RuleFailure{1, 2, 2682, "99"}));
}

SDORequest sdoRequest(bool write)
{
    SDORequest r;
    r.Device_ID = "1";
    r.Index = "0x1000";
    r.SubIndex = "0";
    r.NByte = "2";
    r.Poll_Time = "1";
    r.Address_B1 = "10";
    r.Address_B2 = "11";
    if (!write)
        r.TimeOut = "0";
    return r;
}

TEST_F(CANopenRulesTest, SDOClientRules)
{
    const Case<SDORequest> cases[] = {
        {"valid", 0, [](SDORequest&) {}, "passes"},
        {"device 0", 0, [](SDORequest& r) { r.Device_ID = "0"; },
         "Error row 1!! [SDO Read] Device ID must be between 1 and 127"},
        {"device 128", 1, [](SDORequest& r) { r.Device_ID = "128"; },
         "Error row 1!! [SDO Write] Device ID must be between 1 and 127"},
        {"device 127", 1, [](SDORequest& r) { r.Device_ID = "127"; }, "passes"},
        {"index 0x0FFF", 0, [](SDORequest& r) { r.Index = "0x0FFF"; },
         "Error row 1!! [SDO Read] Index must be between 0x1000 and 0xFFFF"},
        {"index 0xFFFF", 0, [](SDORequest& r) { r.Index = "0xFFFF"; }, "passes"},
        {"index 0x10000", 1, [](SDORequest& r) { r.Index = "0x10000"; },
         "Error row 1!! [SDO Write] Index must be between 0x1000 and 0xFFFF"},
        {"sub-index 256", 0, [](SDORequest& r) { r.SubIndex = "256"; },
         "Error row 1!! [SDO Read] SubIndex must be between 0x00 and 0xFF"},
        {"N Byte 3 read", 0, [](SDORequest& r) { r.NByte = "3"; },
         "Error row 1!! [SDO Read] N Byte must be 1 or 2 or 4"},
        {"N Byte 3 write", 1, [](SDORequest& r) { r.NByte = "3"; },
         "Error row 1!! [SDO Write] N Byte must be 1 or 2 or 4"},
        {"read poll time 0", 0, [](SDORequest& r) { r.Poll_Time = "0"; },
         "Error row 1!! [SDO Read] Poll Time must be between 1 and 100000000"},
        {"write poll time 0", 1, [](SDORequest& r) { r.Poll_Time = "0"; }, "passes"},
        {"write poll time beyond", 1, [](SDORequest& r) { r.Poll_Time = "100000001"; },
         "Error row 1!! [SDO Write] Poll Time must be between 0 and 100000000"},
        {"N Byte 2, Add Byte3 empty", 0, [](SDORequest& r) { r.Address_B3 = ""; }, "passes"},
        {"N Byte 4, Add Byte3 empty", 0, [](SDORequest& r) { r.NByte = "4"; r.Address_B4 = "5"; },
         "Error row 1!! [SDO Read] Address Byte3 must be between 0 and 1499"},
        {"N Byte 4, Add Byte4 empty", 1, [](SDORequest& r) { r.NByte = "4"; r.Address_B3 = "5"; },
         "Error row 1!! [SDO Write] Address Byte4 must be between 0 and 1499"},
        {"N Byte 1, Add Byte2 garbage", 1, [](SDORequest& r) { r.NByte = "1"; r.Address_B2 = "x"; }, "passes"},
        {"Add Byte2 1500", 0, [](SDORequest& r) { r.Address_B2 = "1500"; },
         "Error row 1!! [SDO Read] Address Byte2 must be between 0 and 1499"},
        {"Add Byte1 of a write", 1, [](SDORequest& r) { r.Address_B1 = ""; },
         "Error row 1!! [SDO Write] Address Byte1 must be between 0 and 1499"},
        {"read time-out 65536", 0, [](SDORequest& r) { r.TimeOut = "65536"; },
         "Error row 1!! [SDO Read] TimeOut must be between 0 and 65535"},
        {"write has no time-out", 1, [](SDORequest& r) { r.TimeOut = "x"; }, "passes"},
        {"On Change not checked", 1, [](SDORequest& r) { r.On_Change = "?"; }, "passes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TwoLists<SDORequest> requests = {std::vector{sdoRequest(false)}, std::vector{sdoRequest(true)}};
        c.edit(requests[size_t(c.table)][0]);
        EXPECT_EQ(failureText(checkSDOClientRules(requests), 2760), QString::fromUtf8(c.message));
    }
}

SDOObject sdoObject()
{
    SDOObject o;
    o.Index = "0x2000";
    o.SubIndex = "1";
    o.NByte = "1";
    o.Address_B1 = "0";
    return o;
}

TEST_F(CANopenRulesTest, SDOServerRules)
{
    const Case<SDOObject> cases[] = {
        {"valid", 0, [](SDOObject&) {}, "passes"},
        {"index 0x1FFF read", 0, [](SDOObject& o) { o.Index = "0x1FFF"; },
         "Error row 1!! [SDO in Read] Index must be between 0x2000 and 0x5FFF"},
        {"index 0x6000 write", 1, [](SDOObject& o) { o.Index = "0x6000"; },
         "Error row 1!! [SDO in Write] Index must be between 0x2000 and 0x5FFF"},
        {"index 0x5FFF", 1, [](SDOObject& o) { o.Index = "24575"; }, "passes"},
        {"sub-index -1", 0, [](SDOObject& o) { o.SubIndex = "-1"; },
         "Error row 1!! [SDO in Read] SubIndex must be between 0x00 and 0xFF"},
        {"N Byte 0", 1, [](SDOObject& o) { o.NByte = "0"; },
         "Error row 1!! [SDO in Write] N Byte must be 1 or 2 or 4"},
        {"N Byte 1 with garbage after", 0,
         [](SDOObject& o) { o.Address_B2 = "x"; o.Address_B3 = "-5"; o.Address_B4 = "1500"; }, "passes"},
        {"N Byte 2", 0, [](SDOObject& o) { o.NByte = "2"; },
         "Error row 1!! [SDO in Read] Address Byte2 must be between 0 and 1499"},
        {"N Byte 4", 1, [](SDOObject& o) { o.NByte = "4"; o.Address_B2 = o.Address_B3 = "1"; o.Address_B4 = "1500"; },
         "Error row 1!! [SDO in Write] Address Byte4 must be between 0 and 1499"},
        {"Add Byte1", 1, [](SDOObject& o) { o.Address_B1 = "1500"; },
         "Error row 1!! [SDO in Write] Address Byte1 must be between 0 and 1499"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TwoLists<SDOObject> objects = {std::vector{sdoObject()}, std::vector{sdoObject()}};
        c.edit(objects[size_t(c.table)][0]);
        EXPECT_EQ(failureText(checkSDOServerRules(objects), 2850), QString::fromUtf8(c.message));
    }
    // The same index and sub-index in several rows and both tables passes.
    EXPECT_FALSE(checkSDOServerRules({std::vector(2, sdoObject()), std::vector(2, sdoObject())}));
}

}  // namespace canopen_rules_tests

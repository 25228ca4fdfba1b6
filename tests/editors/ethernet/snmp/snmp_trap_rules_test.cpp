// The checks of the SNMP agent variable editor without a window: the name
// rule of community names and descriptions, the numbering of the enabled
// variables, each rule of both tables with its text, and the descriptions
// that must all differ.

#include <functional>

#include <gtest/gtest.h>

#include "editors/ethernet/snmp/snmp_trap_rules.h"
#include "support/qt_printers.h"

namespace snmp_trap_rules_tests {

using rule_editor::RuleFailure;
using snmp::NameCheck;
using snmp::SNMPTrapFile;
using snmp::SNMPTrapReadRow;
using snmp::SNMPTrapWriteRow;

SNMPTrapReadRow readRow(const char* description)
{
    SNMPTrapReadRow row;
    row.Community_Name = QStringLiteral("Pumeld");
    row.Type = QStringLiteral("Int");
    row.Position = QStringLiteral("0");
    row.Bit = QStringLiteral("0");
    row.NumBits = QStringLiteral("8");
    row.Description = QString::fromLatin1(description);
    row.IP_Address = QStringLiteral("192.168.1.50");
    return row;
}

SNMPTrapWriteRow writeRow(const char* description)
{
    SNMPTrapWriteRow row;
    row.Community_Name = QStringLiteral("Vorstik");
    row.Type = QStringLiteral("String");
    row.Position = QStringLiteral("100");
    row.Bit = QStringLiteral("0");
    row.NumBits = QStringLiteral("16");
    row.Description = QString::fromLatin1(description);
    return row;
}

TEST(SNMPTrapRules, CommunityNamesAndDescriptionsHoldLettersAndDigits)
{
    struct Case {
        const char* text;
        NameCheck kind;
        int result;
    };
    const Case cases[] = {
        {"", NameCheck::CommunityName, 0}, {"", NameCheck::Description, 0},
        {"Pumeld7", NameCheck::CommunityName, 0}, {"7up", NameCheck::CommunityName, 0},
        {"pu meld", NameCheck::CommunityName, 1}, {"pu_meld", NameCheck::CommunityName, 1},
        {"temp1", NameCheck::Description, 0}, {"tEMP9", NameCheck::Description, 0},
        {"Temp1", NameCheck::Description, 1}, {"1temp", NameCheck::Description, 1},
        {"te\"mp", NameCheck::Description, 1}, {"temp ", NameCheck::Description, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(snmp::Check_Error_CommName_Desc(QString::fromLatin1(c.text), c.kind), c.result) << c.text;
    EXPECT_EQ(snmp::Check_Error_CommName_Desc(QString::fromUtf8("caffè"), NameCheck::Description), 1);
}

TEST(SNMPTrapRules, EnabledRowsAreNumberedInOrderAndTheOthersLeftEmpty)
{
    EXPECT_EQ(snmp::variableIndexes({"Y", "N", "Y", "y", "", " Y", "n", "Y"}),
              (QStringList{"1", "", "2", "3", "", "", "", "4"}));
    // Unchecking row 2 of three enabled rows.
    EXPECT_EQ(snmp::variableIndexes({"Y", "N", "Y"}), (QStringList{"1", "", "2"}));
}

TEST(SNMPTrapRules, EachReadRuleWithItsLimitsAndText)
{
    struct Case {
        const char* name;
        std::function<void(SNMPTrapReadRow&)> change;
        int textId;  // 0: the row passes
    };
    const Case cases[] = {
        {"sound row", [](auto&) {}, 0},
        {"community with a blank", [](auto& r) { r.Community_Name = "Pu meld"; }, 4776},
        {"typed community", [](auto& r) { r.Community_Name = "plant42"; }, 0},
        {"no type", [](auto& r) { r.Type = " "; }, 4761},
        {"no type before the timer", [](auto& r) { r.Type = "", r.On_Timer = "Y", r.Time = "0"; }, 4761},
        {"Time 1000000000", [](auto& r) { r.On_Timer = "Y", r.Time = "1000000000"; }, 0},
        {"Time 1000000001", [](auto& r) { r.On_Timer = "Y", r.Time = "1000000001"; }, 4762},
        {"lowercase timer, no time", [](auto& r) { r.On_Timer = "y", r.Time = ""; }, 4762},
        {"no time without timer", [](auto& r) { r.On_Timer = "N", r.Time = ""; }, 0},
        {"timer before position", [](auto& r) { r.On_Timer = "Y", r.Time = "", r.Position = ""; }, 4762},
        {"no position", [](auto& r) { r.Position = " "; }, 4763},
        {"no start bit", [](auto& r) { r.Bit = ""; }, 4764},
        {"integer from bit 5 of 12 bits", [](auto& r) { r.Type = "int", r.Bit = "5", r.NumBits = "12"; }, 0},
        {"integer of 64 bits", [](auto& r) { r.NumBits = "64"; }, 0},
        {"integer of 65 bits", [](auto& r) { r.NumBits = "65"; }, 4766},
        {"integer of 0 bits", [](auto& r) { r.NumBits = "0"; }, 4766},
        {"string from bit 1", [](auto& r) { r.Type = "String", r.Bit = "1"; }, 4765},
        {"string of 16 bytes", [](auto& r) { r.Type = "String", r.NumBits = "16"; }, 0},
        {"string of 17 bytes", [](auto& r) { r.Type = "String", r.NumBits = "17"; }, 4767},
        {"any other type is a string", [](auto& r) { r.Type = "Float", r.NumBits = "32"; }, 4767},
        {"description with a capital", [](auto& r) { r.Description = "Temp"; }, 4777},
        {"description with a digit first", [](auto& r) { r.Description = "1temp"; }, 4777},
        {"empty description", [](auto& r) { r.Description = ""; }, 0},
        {"no trap address", [](auto& r) { r.IP_Address = ""; }, 4768},
        {"no conversion", [](auto& r) { r.Conversion = ""; }, 4785},
        {"lowercase y is enabled", [](auto& r) { r.Enable = "y", r.Community_Name = "a-b"; }, 4776},
        {"blank before Y is not", [](auto& r) { r.Enable = " Y", r.Community_Name = "a-b"; }, 0},
        {"disabled with a bad community", [](auto& r) { r.Enable = "N", r.Community_Name = "a b"; }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SNMPTrapFile file;
        file.Read = {readRow("first"), readRow("second")};
        c.change(file.Read[1]);
        const std::optional<RuleFailure> failure = snmp::checkSNMPTrapVariables(file);
        if (c.textId == 0)
            EXPECT_EQ(failure, std::nullopt) << failure->textId;
        else
            EXPECT_EQ(failure, (RuleFailure{0, 2, c.textId}));
    }
}

TEST(SNMPTrapRules, EachWriteRuleWithItsText)
{
    struct Case {
        const char* name;
        std::function<void(SNMPTrapWriteRow&)> change;
        int textId;
    };
    const Case cases[] = {
        {"sound row", [](auto&) {}, 0},
        {"community with a dot", [](auto& r) { r.Community_Name = "a.b"; }, 4778},
        {"no type", [](auto& r) { r.Type = ""; }, 4769},
        {"timer and address are not the write table's",
         [](auto& r) { r.Mnemonic = "no timer, no address"; }, 0},
        {"no position", [](auto& r) { r.Position = ""; }, 4770},
        {"no start bit", [](auto& r) { r.Bit = " "; }, 4771},
        {"string from bit 3", [](auto& r) { r.Bit = "3"; }, 4772},
        {"integer of 65 bits", [](auto& r) { r.Type = "INT", r.NumBits = "65"; }, 4773},
        {"string of 0 bytes", [](auto& r) { r.NumBits = "0"; }, 4774},
        {"description with a blank", [](auto& r) { r.Description = "set point"; }, 4779},
        {"no conversion", [](auto& r) { r.Conversion = " "; }, 4786},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SNMPTrapFile file;
        file.Read = {readRow("first")};
        file.Write = {writeRow("setpoint"), writeRow("mode")};
        c.change(file.Write[1]);
        const std::optional<RuleFailure> failure = snmp::checkSNMPTrapVariables(file);
        if (c.textId == 0)
            EXPECT_EQ(failure, std::nullopt) << failure->textId;
        else
            EXPECT_EQ(failure, (RuleFailure{1, 2, c.textId}));
    }
}

TEST(SNMPTrapRules, DescriptionsOfEnabledRowsOfBothTablesMustDiffer)
{
    const auto disabled = [](SNMPTrapWriteRow row) {
        row.Enable = QStringLiteral("N");
        return row;
    };
    struct Case {
        const char* name;
        std::vector<SNMPTrapReadRow> read;
        std::vector<SNMPTrapWriteRow> write;
        std::optional<RuleFailure> failure;
    };
    const Case cases[] = {
        {"a read and a write row alike", {readRow("temp"), readRow("level")}, {writeRow("temp")},
         RuleFailure{1, 0, 4780}},
        {"two read rows alike", {readRow("temp"), readRow("temp")}, {}, RuleFailure{0, 0, 4780}},
        {"two empty descriptions", {readRow("")}, {writeRow("")}, RuleFailure{1, 0, 4780}},
        {"one empty description", {readRow(""), readRow("level")}, {writeRow("mode")}, std::nullopt},
        {"the twin is disabled", {readRow("temp")}, {disabled(writeRow("temp"))}, std::nullopt},
        {"case counts", {readRow("temp")}, {writeRow("tEmp")}, std::nullopt},
        {"a row failing its rules comes first", {readRow("temp"), readRow("temp")}, {writeRow("BadName")},
         RuleFailure{1, 1, 4779}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(snmp::checkSNMPTrapVariables({c.read, c.write}), c.failure);
    }
}

}  // namespace snmp_trap_rules_tests

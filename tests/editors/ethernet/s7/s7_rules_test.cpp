// The checks of the S7 client editor: every rule of a read and of a write
// rule in its order with its text, the connection count shared by both
// tables, which rules are checked, and the exact texts of the messages.

#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/ethernet/s7/s7_rules.h"

namespace s7_rules_tests {

using namespace ethernet_editors;
using rule_editor::RuleFailure;

// A rule from "Address|Port|PLCType|Rack|Slot|DataType|DataIdentifier|
// DBNumber|PLCArea|PLCAdd|PLCBit|PollTime|Position|Bit".
S7Rule rule(const char* fields)
{
    const QStringList f = QString::fromUtf8(fields).split(u'|');
    S7Rule r;
    r.Enable = QStringLiteral("Y");
    QString S7Rule::*const members[] = {&S7Rule::PLC_Address, &S7Rule::PLC_Port,   &S7Rule::PLC_Type,
                                        &S7Rule::Rack,        &S7Rule::Slot,       &S7Rule::Data_Type,
                                        &S7Rule::Data_Identifier, &S7Rule::DB_Number, &S7Rule::PLC_Area,
                                        &S7Rule::PLC_Add,     &S7Rule::PLC_Bit,    &S7Rule::PollTime,
                                        &S7Rule::Position,    &S7Rule::Bit};
    for (size_t i = 0; i < std::size(members); ++i)
        r.*members[i] = f[qsizetype(i)];
    return r;
}

// A valid rule to the controller at 10.0.0.<n>, port 102.
S7Rule ruleTo(int n, const char* port = "102")
{
    S7Rule r = rule("10.0.0.1|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000|0|0");
    r.PLC_Address = QStringLiteral("10.0.0.%1").arg(n);
    r.PLC_Port = QString::fromLatin1(port);
    return r;
}

struct Case {
    const char* fields;
    int text;  // 0: passes
    const char* tail = "";
};

void expectFailures(int table, const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        S7RuleFile file;
        std::vector<S7Rule>& rules = table == S7Read ? file.Read : file.Write;
        rules = {ruleTo(1), rule(c.fields)};
        std::optional<RuleFailure> expected;
        if (c.text != 0)
            expected = RuleFailure{table, 2, c.text, QString::fromLatin1(c.tail)};
        EXPECT_EQ(checkS7Rules(file), expected) << c.fields;
    }
}

TEST(S7Checks, ReadRulesStepByStep)
{
    expectFailures(S7Read, {
        {"192.168.1.125|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 0},
        {"192.168.001.125|0|Logo0BA8|3|31|DWord|OB|65535|Output (Q)|65535|7|1|1499|7", 0},
        // 1 a valid address; the port is looked at only after it.
        {"192.168.1.300|x|S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5171},
        {"192.168.1|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5171},
        {"1.2.3.4.5|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5171},
        // 2 port.
        {"192.168.1.2|65536|S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5172},
        {"192.168.1.2||S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5172},
        // 4 .. 12; text cells fail when they hold only blanks.
        {"192.168.1.2|102||0|1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5173},
        {"192.168.1.2|102|  |0|1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5173},
        {"192.168.1.2|102|S71200|4|1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5221},
        {"192.168.1.2|102|S71200||1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5221},
        {"192.168.1.2|102|S71200|0|32|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5222},
        {"192.168.1.2|102|S71200|0|-1|Int|DB|1|Inputs (I)|0|0|1000|0|0", 5222},
        {"192.168.1.2|102|S71200|0|1| |DB|1|Inputs (I)|0|0|1000|0|0", 5174},
        {"192.168.1.2|102|S71200|0|1|Int||1|Inputs (I)|0|0|1000|0|0", 5175},
        // An empty DB Number fails whatever the Data Identifier.
        {"192.168.1.2|102|S71200|0|1|Int|OB||Inputs (I)|0|0|1000|0|0", 5205},
        {"192.168.1.2|102|S71200|0|1|Int|DB|65536|Inputs (I)|0|0|1000|0|0", 5205},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1||0|0|1000|0|0", 5206},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|65536|0|1000|0|0", 5207},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|-1|0|1000|0|0", 5207},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0||1000|0|0", 5208},
        // 13 Poll Time from 1.
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|0|0|0", 5176},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|100000000|0|0", 0},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|100000001|0|0", 5176},
        // 14 Position; no length check, a DWord at 1499 passes.
        {"192.168.1.2|102|S71200|0|1|DWord|DB|1|Inputs (I)|0|0|1000|1499|0", 0},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000|1500|0", 5177, "1499"},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000||0", 5177, "1499"},
        // 15 Start Bit.
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|1000|0| ", 5178},
        // The first broken rule is the one reported.
        {"192.168.1.2|102||4|32||||||||||", 5173},
        {"192.168.1.2|102|S7300|0|1|Real|SDB|1|Flags (M) (Merker)|0|0|0|1500|", 5176},
    });
}

TEST(S7Checks, WriteRulesStepByStepWithPollTimeFromZero)
{
    expectFailures(S7Write, {
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|0|0|0", 0},
        {"192.168.1.256|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|0|0|0", 5179},
        {"192.168.1.2|-1|S71200|0|1|Int|DB|1|Inputs (I)|0|0|0|0|0", 5180},
        {"192.168.1.2|102||0|1|Int|DB|1|Inputs (I)|0|0|0|0|0", 5181},
        {"192.168.1.2|102|S71200|4|1|Int|DB|1|Inputs (I)|0|0|0|0|0", 5223},
        {"192.168.1.2|102|S71200|0|32|Int|DB|1|Inputs (I)|0|0|0|0|0", 5224},
        {"192.168.1.2|102|S71200|0|1||DB|1|Inputs (I)|0|0|0|0|0", 5182},
        {"192.168.1.2|102|S71200|0|1|Int||1|Inputs (I)|0|0|0|0|0", 5183},
        {"192.168.1.2|102|S71200|0|1|Int|DB|x|Inputs (I)|0|0|0|0|0", 5209},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1||0|0|0|0|0", 5210},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|65536|0|0|0|0", 5211},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0||0|0|0", 5212},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|-1|0|0", 5184},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|0|1500|0", 5185, "1499"},
        {"192.168.1.2|102|S71200|0|1|Int|DB|1|Inputs (I)|0|0|0|0|", 5186},
    });
}

TEST(S7Checks, TenConnectionsOverBothTables)
{
    std::vector<S7Rule> ten;
    for (int n = 1; n <= 10; ++n)
        ten.push_back(ruleTo(n));
    S7RuleFile file;
    file.Read = ten;
    EXPECT_EQ(checkS7Rules(file), std::nullopt);

    // An eleventh address fails; one of the ten with the same port passes,
    // also written another way; another port is another connection.
    file.Read.push_back(ruleTo(11));
    EXPECT_EQ(checkS7Rules(file), (RuleFailure{S7Read, 11, 5187, {}}));
    file.Read[10] = ruleTo(7);
    EXPECT_EQ(checkS7Rules(file), std::nullopt);
    file.Read[10].PLC_Address = QStringLiteral("010.0.0.007");
    EXPECT_EQ(checkS7Rules(file), std::nullopt);
    file.Read[10] = ruleTo(7, "103");
    EXPECT_EQ(checkS7Rules(file), (RuleFailure{S7Read, 11, 5187, {}}));

    // A disabled rule does not count.
    file.Read[10] = ruleTo(11);
    file.Read[10].Enable = QStringLiteral("N");
    file.Read.push_back(ruleTo(3));
    EXPECT_EQ(checkS7Rules(file), std::nullopt);

    // Rack, slot and controller type play no part.
    file.Read[11].Rack = QStringLiteral("1");
    file.Read[11].Slot = QStringLiteral("2");
    file.Read[11].PLC_Type = QStringLiteral("S7300");
    EXPECT_EQ(checkS7Rules(file), std::nullopt);

    // Five connections in the read table, six new ones in the write table:
    // the sixth new one fails, in the write table's text.
    S7RuleFile both;
    for (int n = 1; n <= 5; ++n)
        both.Read.push_back(ruleTo(n));
    for (int n = 1; n <= 6; ++n)
        both.Write.push_back(ruleTo(100 + n));
    EXPECT_EQ(checkS7Rules(both), (RuleFailure{S7Write, 6, 5188, {}}));
    both.Write[5] = ruleTo(2);
    EXPECT_EQ(checkS7Rules(both), std::nullopt);

    // A rule with an invalid address or port takes no connection: its own
    // failure is reported.
    file.Read.push_back(ruleTo(12, "70000"));
    EXPECT_EQ(checkS7Rules(file), (RuleFailure{S7Read, 13, 5172, {}}));
}

TEST(S7Checks, TheConnectionTable)
{
    S7Connections connections;
    EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, 1, 102), 0);
    EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, 2, 102), 1);
    EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, 1, 102), 0);
    EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, 1, 103), 2);
    for (int n = 3; n <= 9; ++n)
        EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, n, 102), n);
    EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, 10, 102), -1);
    EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, 9, 102), 9);
}

TEST(S7Checks, OnlyEnabledRulesAreCheckedReadTableFirst)
{
    const S7Rule broken = rule("x|||||||||||||");
    S7RuleFile file;
    file.Read = {ruleTo(1), broken};
    file.Write = {broken};
    EXPECT_EQ(checkS7Rules(file), (RuleFailure{S7Read, 2, 5171, {}}));
    file.Read[1].Enable = QStringLiteral("n");
    EXPECT_EQ(checkS7Rules(file), (RuleFailure{S7Write, 1, 5179, {}}));
    file.Write[0].Enable = QString();
    EXPECT_EQ(checkS7Rules(file), std::nullopt);
    file.Write[0].Enable = QStringLiteral(" Y");
    EXPECT_EQ(checkS7Rules(file), (RuleFailure{S7Write, 1, 5179, {}}));
    EXPECT_EQ(checkS7Rules(file, {1500, 1}), (RuleFailure{S7Write, 1, 5179, {}}));

    S7RuleFile small;
    small.Write = {ruleTo(1)};
    small.Write[0].Position = QStringLiteral("1");
    EXPECT_EQ(checkS7Rules(small, {1500, 1}), (RuleFailure{S7Write, 1, 5185, "0"}));
}

TEST(S7Checks, TheTextsOfTheMessages)
{
    app::Load_Default_Texts(app::textTable());
    const std::pair<int, const char*> texts[] = {
        {5170, "Error row "},
        {5171, "!! [S7comm Read] PLC Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {5172, "!! [S7comm Read] PLC Port must be between 0 and 65535"},
        {5187, "!! [S7comm Read] Device support 10 connection"},
        {5173, "!! [S7comm Read] PLC Type cannot be empty"},
        {5221, "!! [S7comm Read] Rack must be between 0 and 3"},
        {5222, "!! [S7comm Read] Slot must be between 0 and 31"},
        {5174, "!! [S7comm Read] Data Type cannot be empty"},
        {5175, "!! [S7comm Read] Data Identifier cannot be empty"},
        {5205, "!! [S7comm Read] DB Number must be between 0 and 65535"},
        {5206, "!! [S7comm Read] PLC Area cannot be empty"},
        {5207, "!! [S7comm Read] PLC Address must be between 0 and 65535"},
        {5208, "!! [S7comm Read] PLC Bit cannot be empty"},
        {5176, "!! [S7comm Read] Poll Time must be between 1 and 100000000"},
        {5177, "!! [S7comm Read] Position must be between 0 and "},
        {5178, "!! [S7comm Read] Start Bit cannot be empty"},
        {5179, "!! [S7comm Write] PLC Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {5180, "!! [S7comm Write] PLC Port must be between 0 and 65535"},
        {5188, "!! [S7comm Write] Device support 10 connection"},
        {5181, "!! [S7comm Write] PLC Type cannot be empty"},
        {5223, "!! [S7comm Write] Rack must be between 0 and 3"},
        {5224, "!! [S7comm Write] Slot must be between 0 and 31"},
        {5182, "!! [S7comm Write] Data Type cannot be empty"},
        {5183, "!! [S7comm Write] Data Identifier cannot be empty"},
        {5209, "!! [S7comm Write] DB Number must be between 0 and 65535"},
        {5210, "!! [S7comm Write] PLC Area cannot be empty"},
        {5211, "!! [S7comm Write] PLC Address must be between 0 and 65535"},
        {5212, "!! [S7comm Write] PLC Bit cannot be empty"},
        {5184, "!! [S7comm Write] Poll Time must be between 0 and 100000000"},
        {5185, "!! [S7comm Write] Position must be between 0 and "},
        {5186, "!! [S7comm Write] Start Bit cannot be empty"},
        {5225, "Are you sure to delete the Row number "},
    };
    for (const auto& [id, text] : texts)
        EXPECT_EQ(app::langText(id), QString::fromLatin1(text)) << id;
}

}  // namespace s7_rules_tests

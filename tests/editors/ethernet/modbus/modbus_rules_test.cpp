// The checks of both Modbus master editors: every rule of a read and of a
// write rule in its order with its text and limit, the last-byte rule of
// bits and registers, which rules are checked at all, and the exact texts
// of the messages.

#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/ethernet/modbus/modbus_rules.h"

namespace modbus_rules_tests {

using namespace ethernet_editors;
using rule_editor::RuleFailure;

// A rule from "IP|Port|SlaveID|Type|Address|NPoint|PollTime|MaxError|Position|Bit".
ModbusRule rule(const char* fields)
{
    const QStringList f = QString::fromUtf8(fields).split(u'|');
    ModbusRule r;
    r.Enable = QStringLiteral("Y");
    r.IP_Address = f[0];
    r.Port = f[1];
    r.Slave_ID = f[2];
    r.Type = f[3];
    r.Address = f[4];
    r.NPoint = f[5];
    r.PollTime = f[6];
    r.MaxError = f[7];
    r.Position = f[8];
    r.Bit = f[9];
    return r;
}

const ModbusRule kValid = rule("10.0.0.1|502|1|Holding Register|0|1|1000|0|0|");

struct Case {
    const char* fields;
    int text;            // 0: passes
    const char* tail = "";
};

// Runs each case as the second rule of `table` (the first one valid) and
// compares the failure found.
void expectFailures(ModbusMaster master, int table, const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        ModbusRuleFile file;
        std::vector<ModbusRule>& rules = table == ModbusRead ? file.Read : file.Write;
        rules = {kValid, rule(c.fields)};
        std::optional<RuleFailure> expected;
        if (c.text != 0)
            expected = RuleFailure{table, 2, c.text, QString::fromLatin1(c.tail)};
        EXPECT_EQ(checkModbusRules(master, file), expected) << c.fields;
    }
}

TEST(ModbusSerialChecks, ReadRulesStepByStep)
{
    expectFailures(ModbusMaster::Serial, ModbusRead, {
        // 1 Slave ID 1 .. 247; no IP address or port is looked at.
        {"||1|Holding Register|0|1|1|0|0|", 0},
        {"||247|Input Register|65535|1|1|0|0|", 0},
        {"||0|Holding Register|0|1|1|0|0|", 1769},
        {"||248|Holding Register|0|1|1|0|0|", 1769},
        {"|||Holding Register|0|1|1|0|0|", 1769},
        {"||5 |Holding Register|0|1|1|0|0|", 1769},
        {"|| 5|Holding Register|0|1|1|0|0|", 0},
        {"||$F7|Holding Register|0|1|1|0|0|", 0},
        // 2 Type: an empty cell fails; blanks pass and make a register type.
        {"||1||0|1|1|0|0|", 1770},
        {"||1|   |0|125|1|0|0|", 0},
        {"||1|   |0|126|1|0|0|", 1772, "125"},
        // 3 Address 0 .. 65535.
        {"||1|Holding Register|-1|1|1|0|0|", 1771},
        {"||1|Holding Register|65536|1|1|0|0|", 1771},
        {"||1|Holding Register|x|1|1|0|0|", 1771},
        // 4 NPoint with the limit of the type: 2000 bits, 125 registers.
        {"||1|Coil Status|0|2000|1|0|0|0", 0},
        {"||1|Coil Status|0|2001|1|0|0|0", 1772, "2000"},
        {"||1|Input Status|0|2001|1|0|0|0", 1772, "2000"},
        {"||1| coil STATUS |0|2000|1|0|0|0", 0},
        {"||1|Holding Register|0|126|1|0|0|", 1772, "125"},
        {"||1|Input Register|0|126|1|0|0|", 1772, "125"},
        {"||1|Input Register|0|0|1|0|0|", 1772, "125"},
        {"||1|Coil Status|0||1|0|0|0", 1772, "2000"},
        // 5 Poll Time from 1.
        {"||1|Holding Register|0|1|0|0|0|", 1773},
        {"||1|Holding Register|0|1|100000000|0|0|", 0},
        {"||1|Holding Register|0|1|100000001|0|0|", 1773},
        // 6 Max Error from 0.
        {"||1|Holding Register|0|1|1|-1|0|", 1774},
        {"||1|Holding Register|0|1|1|100000000|0|", 0},
        {"||1|Holding Register|0|1|1|100000001|0|", 1774},
        {"||1|Holding Register|0|1|1||0|", 1774},
        // 7 Position inside the input array, the last position in the text.
        {"||1|Holding Register|0|1|1|0|1500|", 1775, "1499"},
        {"||1|Holding Register|0|1|1|0|-1|", 1775, "1499"},
        {"||1|Holding Register|0|1|1|0||", 1775, "1499"},
        // 8 Start Bit for bit types only.
        {"||1|Coil Status|0|1|1|0|0|", 1776},
        {"||1|Input Status|0|1|1|0|0|", 1776},
        {"||1|Input Register|0|1|1|0|0|", 0},
        // 9 last byte below 1500.
        {"||1|Holding Register|0|1|1|0|1498|", 0},
        {"||1|Holding Register|0|1|1|0|1499|", 1777},
        // The first broken rule is the one reported.
        {"||0||-1|0|0|-1|1500|", 1769},
        {"||1|Coil Status|-1|0|0|-1|1500|", 1771},
        {"||1|Coil Status|0|1|0|-1|1500|", 1773},
        {"||1|Coil Status|0|1|1|0|1499|", 1776},
    });
}

TEST(ModbusSerialChecks, WriteRulesStepByStep)
{
    expectFailures(ModbusMaster::Serial, ModbusWrite, {
        {"||0|Holding Register|0|1|0|0|0|", 1779},
        {"||1||0|1|0|0|0|", 1780},
        {"||1|Holding Register|65536|1|0|0|0|", 1781},
        // NPoint: 1968 coils, 123 registers; Input Status (only from a
        // file) is a register type here and needs no Start Bit.
        {"||1|Coil Status|0|1968|0|0|0|0", 0},
        {"||1|Coil Status|0|1969|0|0|0|0", 1782, "1968"},
        {"||1|Holding Register|0|123|0|0|0|", 0},
        {"||1|Holding Register|0|124|0|0|0|", 1782, "123"},
        {"||1|Input Status|0|124|0|0|0|", 1782, "123"},
        {"||1|Input Status|0|2|0|0|0|", 0},
        // Poll Time from 0.
        {"||1|Holding Register|0|1|0|0|0|", 0},
        {"||1|Holding Register|0|1|-1|0|0|", 1783},
        {"||1|Holding Register|0|1|100000001|0|0|", 1783},
        {"||1|Holding Register|0|1|0|100000001|0|", 1784},
        {"||1|Holding Register|0|1|0|0|1500|", 1785, "1499"},
        {"||1|Coil Status|0|1|0|0|0|", 1786},
        {"||1|Holding Register|0|2|0|0|1497|", 1787},
        {"||1|Holding Register|0|2|0|0|1496|", 0},
    });
}

// The last byte of a rule: two bytes per register; bits from the Start Bit
// of byte Position, eight to a byte.
TEST(ModbusSerialChecks, LastByteOfBitsAndRegisters)
{
    expectFailures(ModbusMaster::Serial, ModbusRead, {
        {"||1|Holding Register|0|125|1|0|1250|", 0},
        {"||1|Holding Register|0|125|1|0|1251|", 1777},
        {"||1|Coil Status|0|1|1|0|1499|7", 0},
        {"||1|Coil Status|0|2|1|0|1499|7", 1777},
        {"||1|Coil Status|0|8|1|0|1499|0", 0},
        {"||1|Coil Status|0|9|1|0|1499|0", 1777},
        {"||1|Coil Status|0|2000|1|0|1250|0", 0},
        {"||1|Coil Status|0|2000|1|0|1250|1", 1777},
        {"||1|Coil Status|0|2000|1|0|1251|0", 1777},
        {"||1|Coil Status|0|1993|1|0|1250|7", 0},
        {"||1|Coil Status|0|1994|1|0|1250|7", 1777},
        // A Start Bit that is no number counts as 0.
        {"||1|Coil Status|0|8|1|0|1499|x", 0},
        {"||1|Coil Status|0|9|1|0|1499|x", 1777},
        // A register type ignores the Start Bit.
        {"||1|Input Register|0|1|1|0|1498|7", 0},
    });
    expectFailures(ModbusMaster::Serial, ModbusWrite, {
        {"||1|Coil Status|0|1968|0|0|1254|0", 0},
        {"||1|Coil Status|0|1968|0|0|1255|0", 1787},
        {"||1|Coil Status|0|1|0|0|1499|7", 0},
        {"||1|Coil Status|0|2|0|0|1499|7", 1787},
    });
    EXPECT_EQ(modbusLastByte(true, 1499, 2, QStringLiteral("7")), 1500);
    EXPECT_EQ(modbusLastByte(false, 1498, 1, QString()), 1499);
}

TEST(ModbusTcpChecks, TheSlaveAddressAndPortComeFirstThenTheSerialRulesWithTheirOwnTexts)
{
    expectFailures(ModbusMaster::Tcp, ModbusRead, {
        {"192.168.1.125|502|1|Holding Register|0|1|1|0|0|", 0},
        {"192.168.001.010|0|1|Holding Register|0|1|1|0|0|", 0},
        {"192.168.1.300|502|1|Holding Register|0|1|1|0|0|", 1839},
        {"192.168.1|502|1|Holding Register|0|1|1|0|0|", 1839},
        {"1.2.3.4.5|502|1|Holding Register|0|1|1|0|0|", 1839},
        {"a.b.c.d|502|1|Holding Register|0|1|1|0|0|", 1839},
        {"192.168.1.2|65535|1|Holding Register|0|1|1|0|0|", 0},
        {"192.168.1.2|65536|1|Holding Register|0|1|1|0|0|", 1840},
        {"192.168.1.2||1|Holding Register|0|1|1|0|0|", 1840},
        // An invalid address is reported before the port.
        {"192.168.1.300||1|Holding Register|0|1|1|0|0|", 1839},
        {"192.168.1.2|502|248|Holding Register|0|1|1|0|0|", 1841},
        {"192.168.1.2|502|1||0|1|1|0|0|", 1842},
        {"192.168.1.2|502|1|Holding Register|65536|1|1|0|0|", 1843},
        {"192.168.1.2|502|1|Coil Status|0|2001|1|0|0|0", 1844, "2000"},
        {"192.168.1.2|502|1|Input Register|0|126|1|0|0|", 1844, "125"},
        {"192.168.1.2|502|1|Holding Register|0|1|0|0|0|", 1899},
        {"192.168.1.2|502|1|Holding Register|0|1|1|-1|0|", 1846},
        {"192.168.1.2|502|1|Holding Register|0|1|1|0|1500|", 1847, "1499"},
        {"192.168.1.2|502|1|Input Status|0|1|1|0|0|", 1848},
        {"192.168.1.2|502|1|Holding Register|0|1|1|0|1499|", 1849},
    });
    expectFailures(ModbusMaster::Tcp, ModbusWrite, {
        {"192.168.1.2|502|1|Holding Register|0|1|0|0|0|", 0},
        {"192.168.1.256|502|1|Holding Register|0|1|0|0|0|", 1850},
        {"192.168.1.2|-1|1|Holding Register|0|1|0|0|0|", 1851},
        {"192.168.1.2|502|0|Holding Register|0|1|0|0|0|", 1852},
        {"192.168.1.2|502|1||0|1|0|0|0|", 1853},
        {"192.168.1.2|502|1|Holding Register|-1|1|0|0|0|", 1854},
        {"192.168.1.2|502|1|Coil Status|0|1969|0|0|0|0", 1855, "1968"},
        {"192.168.1.2|502|1|Holding Register|0|124|0|0|0|", 1855, "123"},
        {"192.168.1.2|502|1|Holding Register|0|1|-1|0|0|", 1856},
        {"192.168.1.2|502|1|Holding Register|0|1|0|-1|0|", 1857},
        {"192.168.1.2|502|1|Holding Register|0|1|0|0|1500|", 1858, "1499"},
        {"192.168.1.2|502|1|Coil Status|0|1|0|0|0|", 1859},
        {"192.168.1.2|502|1|Holding Register|0|1|0|0|1499|", 1860},
    });
}

TEST(ModbusChecks, OnlyEnabledRulesAreCheckedReadTableFirst)
{
    const ModbusRule broken = rule("x|x|0||-1|0|0|-1|1500|");
    struct EnableCase {
        const char* enable;
        bool checked;
    };
    for (const EnableCase c : {EnableCase{"Y", true}, {" Y ", true}, {"N", false}, {"", false}, {"y", false},
                               {"YES", false}}) {
        ModbusRuleFile file;
        file.Write = {kValid, broken};
        file.Write[1].Enable = QString::fromLatin1(c.enable);
        const std::optional<RuleFailure> found = checkModbusRules(ModbusMaster::Serial, file);
        EXPECT_EQ(found.has_value(), c.checked) << '"' << c.enable << '"';
    }

    ModbusRuleFile file;
    file.Read = {kValid, kValid, broken};
    file.Write = {broken};
    EXPECT_EQ(checkModbusRules(ModbusMaster::Serial, file), (RuleFailure{ModbusRead, 3, 1769, {}}));
    EXPECT_EQ(checkModbusRules(ModbusMaster::Tcp, file), (RuleFailure{ModbusRead, 3, 1839, {}}));
    file.Read[2].Enable = QStringLiteral("N");
    EXPECT_EQ(checkModbusRules(ModbusMaster::Serial, file), (RuleFailure{ModbusWrite, 1, 1779, {}}));

    // The data arrays' sizes bound Position and the last byte.
    ModbusRuleFile small;
    small.Read = {rule("||1|Holding Register|0|2|1|0|8|")};
    EXPECT_EQ(checkModbusRules(ModbusMaster::Serial, small, {12, 1500}), std::nullopt);
    EXPECT_EQ(checkModbusRules(ModbusMaster::Serial, small, {11, 1500}), (RuleFailure{ModbusRead, 1, 1777, {}}));
    EXPECT_EQ(checkModbusRules(ModbusMaster::Serial, small, {8, 1500}), (RuleFailure{ModbusRead, 1, 1775, "7"}));
    EXPECT_EQ(checkModbusRules(ModbusMaster::Serial, ModbusRuleFile()), std::nullopt);
}

TEST(ModbusChecks, TheTextsOfTheMessages)
{
    app::Load_Default_Texts(app::textTable());
    const std::pair<int, const char*> texts[] = {
        {1768, "Error row "},
        {1769, "!! [Modbus Read] Slave ID must be between 1 and 247"},
        {1770, "!! [Modbus Read] Type must be Coil Status or Input Status or Holding Register or Input Register"},
        {1771, "!! [Modbus Read] Address must be between 0 and 65535"},
        {1772, "!! [Modbus Read] NPoint must be between 1 and "},
        {1773, "!! [Modbus Read] Poll Time must be between 1 and 100000000"},
        {1774, "!! [Modbus Read] Max Error must be between 0 and 100000000"},
        {1775, "!! [Modbus Read] Position must be between 0 and "},
        {1776, "!! [Modbus Read] Bit must be between 0 and 7"},
        {1777, "!! [Modbus Read] Too many bytes to save starting from the Position indicate"},
        {1779, "!! [Modbus Write] Slave ID must be between 1 and 247"},
        {1780, "!! [Modbus Write] Type must be Coil Status or Holding Register"},
        {1781, "!! [Modbus Write] Address must be between 0 and 65535"},
        {1782, "!! [Modbus Write] NPoint must be between 1 and "},
        {1783, "!! [Modbus Write] Poll Time must be between 0 and 100000000"},
        {1784, "!! [Modbus Write] Max Error must be between 0 and 100000000"},
        {1785, "!! [Modbus Write] Position must be between 0 and "},
        {1786, "!! [Modbus Write] Bit must be between 0 and 7"},
        {1787, "!! [Modbus Write] Too many bytes to read starting from the Position indicate"},
        {1788, "Are you sure to delete the Row number "},
        {1838, "Error row "},
        {1839, "!! [Modbus Read] Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {1840, "!! [Modbus Read] Port must be between 0 and 65535"},
        {1841, "!! [Modbus Read] Slave ID must be between 1 and 247"},
        {1842, "!! [Modbus Read] Type must be Coil Status or Input Status or Holding Register or Input Register"},
        {1843, "!! [Modbus Read] Address must be between 0 and 65535"},
        {1844, "!! [Modbus Read] NPoint must be between 1 and "},
        {1846, "!! [Modbus Read] Max Error must be between 0 and 100000000"},
        {1847, "!! [Modbus Read] Position must be between 0 and "},
        {1848, "!! [Modbus Read] Bit must be between 0 and 7"},
        {1849, "!! [Modbus Read] Too many bytes to save starting from the Position indicate"},
        {1850, "!! [Modbus Write] Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {1851, "!! [Modbus Write] Port must be between 0 and 65535"},
        {1852, "!! [Modbus Write] Slave ID must be between 1 and 247"},
        {1853, "!! [Modbus Write] Type must be Coil Status or Holding Register"},
        {1854, "!! [Modbus Write] Address must be between 0 and 65535"},
        {1855, "!! [Modbus Write] NPoint must be between 1 and "},
        {1856, "!! [Modbus Write] Poll Time must be between 0 and 100000000"},
        {1857, "!! [Modbus Write] Max Error must be between 0 and 100000000"},
        {1858, "!! [Modbus Write] Position must be between 0 and "},
        {1859, "!! [Modbus Write] Bit must be between 0 and 7"},
        {1860, "!! [Modbus Write] Too many bytes to read starting from the Position indicate"},
        {1861, "Are you sure to delete the Row number "},
        {1899, "!! [Modbus Read] Poll Time must be between 1 and 100000000"},
    };
    for (const auto& [id, text] : texts)
        EXPECT_EQ(app::langText(id), QString::fromLatin1(text)) << id;
}

}  // namespace modbus_rules_tests

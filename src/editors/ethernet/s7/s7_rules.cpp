#include "editors/ethernet/s7/s7_rules.h"

#include "app/shared_checks.h"
#include "platform/strings.h"

namespace ethernet_editors {
namespace s7_rules_detail {

// The texts of one table's checks, in check order.
struct TableTexts {
    int address;
    int port;
    int connections;
    int plcType;
    int rack;
    int slot;
    int dataType;
    int dataIdentifier;
    int dbNumber;
    int plcArea;
    int plcAdd;
    int plcBit;
    int pollTime;
    int position;
    int startBit;
};

constexpr TableTexts kTexts[2] = {
    {5171, 5172, 5187, 5173, 5221, 5222, 5174, 5175, 5205, 5206, 5207, 5208, 5176, 5177, 5178},
    {5179, 5180, 5188, 5181, 5223, 5224, 5182, 5183, 5209, 5210, 5211, 5212, 5184, 5185, 5186},
};
constexpr int kPollTimeMin[2] = {1, 0};
constexpr int kMaxTime = 100000000;

qint32 number(const QString& text) { return platform::parseIntOr(text, -1); }
bool inRange(qint32 value, qint32 low, qint32 high) { return value >= low && value <= high; }
bool blank(const QString& text) { return platform::trimBlanks(text).isEmpty(); }

std::optional<int> ruleBroken(int table, const S7Rule& r, int arraySize, S7Connections& connections, QString& tail)
{
    const TableTexts& t = kTexts[table];
    uint8_t octets[4];
    if (app::Decode_IP_Address(r.PLC_Address, octets[0], octets[1], octets[2], octets[3]))
        return t.address;
    const qint32 port = number(r.PLC_Port);
    if (!inRange(port, 0, 65535))
        return t.port;
    if (connections.Check_IP_Port(octets[0], octets[1], octets[2], octets[3], port) < 0)
        return t.connections;
    if (blank(r.PLC_Type))
        return t.plcType;
    if (!inRange(number(r.Rack), 0, 3))
        return t.rack;
    if (!inRange(number(r.Slot), 0, 31))
        return t.slot;
    if (blank(r.Data_Type))
        return t.dataType;
    if (blank(r.Data_Identifier))
        return t.dataIdentifier;
    if (!inRange(number(r.DB_Number), 0, 65535))
        return t.dbNumber;
    if (blank(r.PLC_Area))
        return t.plcArea;
    if (!inRange(number(r.PLC_Add), 0, 65535))
        return t.plcAdd;
    if (blank(r.PLC_Bit))
        return t.plcBit;
    if (!inRange(number(r.PollTime), kPollTimeMin[table], kMaxTime))
        return t.pollTime;
    if (!inRange(number(r.Position), 0, arraySize - 1)) {
        tail = QString::number(arraySize - 1);
        return t.position;
    }
    if (blank(r.Bit))
        return t.startBit;
    return std::nullopt;
}

}  // namespace s7_rules_detail

using namespace s7_rules_detail;

int S7Connections::Check_IP_Port(int ip1, int ip2, int ip3, int ip4, int port)
{
    const TIPPort wanted{ip1, ip2, ip3, ip4, port};
    for (int i = 0; i < kMaxConnections; ++i) {
        TIPPort& entry = array_ip_Port[size_t(i)];
        if (entry.IP1 == -1) {
            entry = wanted;
            return i;
        }
        if (entry == wanted)
            return i;
    }
    return -1;
}

std::optional<rule_editor::RuleFailure> checkS7Rules(const S7RuleFile& file, const S7DataArrays& arrays)
{
    S7Connections connections;
    const std::vector<S7Rule>* const tables[] = {&file.Read, &file.Write};
    const int sizes[] = {arrays.NByte_IN, arrays.NByte_OUT};
    for (int table = S7Read; table <= S7Write; ++table) {
        const std::vector<S7Rule>& rules = *tables[table];
        for (size_t i = 0; i < rules.size(); ++i) {
            if (platform::trimBlanks(rules[i].Enable) != QStringLiteral("Y"))
                continue;
            QString tail;
            if (const std::optional<int> text = ruleBroken(table, rules[i], sizes[table], connections, tail))
                return rule_editor::RuleFailure{table, int(i) + 1, *text, tail};
        }
    }
    return std::nullopt;
}

}  // namespace ethernet_editors

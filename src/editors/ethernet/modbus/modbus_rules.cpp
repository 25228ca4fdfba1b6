#include "editors/ethernet/modbus/modbus_rules.h"

#include "app/shared_checks.h"
#include "platform/strings.h"

namespace ethernet_editors {
namespace modbus_rules_detail {

// The texts of one table's checks, in check order; -1: no such check.
struct TableTexts {
    int ipAddress;
    int port;
    int slaveId;
    int type;
    int address;
    int nPoint;
    int pollTime;
    int maxError;
    int position;
    int startBit;
    int lastByte;
};

// [master][table]
constexpr TableTexts kTexts[2][2] = {
    {{-1, -1, 1769, 1770, 1771, 1772, 1773, 1774, 1775, 1776, 1777},
     {-1, -1, 1779, 1780, 1781, 1782, 1783, 1784, 1785, 1786, 1787}},
    {{1839, 1840, 1841, 1842, 1843, 1844, 1899, 1846, 1847, 1848, 1849},
     {1850, 1851, 1852, 1853, 1854, 1855, 1856, 1857, 1858, 1859, 1860}},
};

// The quantity limits of one request of the Modbus application protocol,
// and the shortest poll time.
struct TableLimits {
    int bitPoints;
    int registerPoints;
    int pollTimeMin;
};
constexpr TableLimits kLimits[2] = {{2000, 125, 1}, {1968, 123, 0}};

constexpr int kMaxTime = 100000000;

qint32 number(const QString& text) { return platform::parseIntOr(text, -1); }
bool inRange(qint32 value, qint32 low, qint32 high) { return value >= low && value <= high; }

std::optional<int> ruleBroken(ModbusMaster master, int table, const ModbusRule& r, int arraySize, QString& tail)
{
    const TableTexts& t = kTexts[master == ModbusMaster::Serial ? 0 : 1][table];
    const TableLimits& limits = kLimits[table];
    if (master == ModbusMaster::Tcp) {
        uint8_t octets[4];
        if (app::Decode_IP_Address(r.IP_Address, octets[0], octets[1], octets[2], octets[3]))
            return t.ipAddress;
        if (!inRange(number(r.Port), 0, 65535))
            return t.port;
    }
    if (!inRange(number(r.Slave_ID), 1, 247))
        return t.slaveId;
    // Not trimmed: blanks pass and make a register type.
    if (r.Type.isEmpty())
        return t.type;
    if (!inRange(number(r.Address), 0, 65535))
        return t.address;
    const bool bitType = isModbusBitType(table, r.Type);
    const int pointLimit = bitType ? limits.bitPoints : limits.registerPoints;
    const qint32 points = number(r.NPoint);
    if (!inRange(points, 1, pointLimit)) {
        tail = QString::number(pointLimit);
        return t.nPoint;
    }
    if (!inRange(number(r.PollTime), limits.pollTimeMin, kMaxTime))
        return t.pollTime;
    if (!inRange(number(r.MaxError), 0, kMaxTime))
        return t.maxError;
    const qint32 position = number(r.Position);
    if (!inRange(position, 0, arraySize - 1)) {
        tail = QString::number(arraySize - 1);
        return t.position;
    }
    if (bitType && r.Bit.isEmpty())
        return t.startBit;
    if (modbusLastByte(bitType, position, points, r.Bit) >= arraySize)
        return t.lastByte;
    return std::nullopt;
}

}  // namespace modbus_rules_detail

using namespace modbus_rules_detail;

bool isModbusBitType(int table, const QString& type)
{
    const QString t = platform::trimBlanks(type);
    const auto is = [&t](const char* name) { return t.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    return is("Coil Status") || (table == ModbusRead && is("Input Status"));
}

qint64 modbusLastByte(bool bitType, qint32 position, qint32 nPoint, const QString& startBit)
{
    if (!bitType)
        return qint64(position) + 2 * qint64(nPoint) - 1;
    // Truncating division, as the device computes it.
    return qint64(position) + (qint64(nPoint) + platform::parseIntOr(startBit, 0) - 1) / 8;
}

std::optional<rule_editor::RuleFailure> checkModbusRules(ModbusMaster master, const ModbusRuleFile& file,
                                                         const ModbusDataArrays& arrays)
{
    const std::vector<ModbusRule>* const tables[] = {&file.Read, &file.Write};
    const int sizes[] = {arrays.NByte_IN, arrays.NByte_OUT};
    for (int table = ModbusRead; table <= ModbusWrite; ++table) {
        const std::vector<ModbusRule>& rules = *tables[table];
        for (size_t i = 0; i < rules.size(); ++i) {
            if (platform::trimBlanks(rules[i].Enable) != QStringLiteral("Y"))
                continue;
            QString tail;
            if (const std::optional<int> text = ruleBroken(master, table, rules[i], sizes[table], tail))
                return rule_editor::RuleFailure{table, int(i) + 1, *text, tail};
        }
    }
    return std::nullopt;
}

}  // namespace ethernet_editors

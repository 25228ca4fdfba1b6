#include "editors/ethercat_mqtt/ethercat_variable_rules.h"

#include "platform/strings.h"

namespace ethercat_mqtt {
namespace variable_rules_detail {

// A type of the list: its Length when chosen and the bytes it takes in the
// process image (0: read from Length).
struct VariableType {
    const char* name;
    const char* length;
    int bytes;
};

constexpr VariableType kTypes[] = {
    {"Bool", "1", 0},  {"Int8", "1", 1},    {"Int16", "2", 2},    {"Int32", "4", 4},  {"UInt8", "1", 1},
    {"UInt16", "2", 2}, {"UInt32", "4", 4}, {"Float32", "4", 4}, {"Array", "10", 0}, {"String", "10", 0},
};

const VariableType* findType(const QString& name)
{
    for (const VariableType& t : kTypes)
        if (name == QLatin1String(t.name))
            return &t;
    return nullptr;
}

bool isType(const QString& type, const char* name) { return type == QLatin1String(name); }

// Bytes an enabled variable that is no Bool takes.
qint64 bytesTaken(const VariableSlot& row)
{
    const VariableType* type = findType(row.type);
    if (type != nullptr && type->bytes > 0)
        return type->bytes;
    const qint64 length = platform::parseIntOr(row.length, 0);
    return isType(row.type, "String") ? length + 1 : length;
}

bool lengthInRange(const QString& text)
{
    const int32_t length = platform::parseIntOr(text, -1);
    return length >= 1 && length <= 255;
}

}  // namespace variable_rules_detail

using namespace variable_rules_detail;

const QStringList& etherCATVariableTypes()
{
    static const QStringList types = [] {
        QStringList list;
        for (const VariableType& t : kTypes)
            list << QString::fromLatin1(t.name);
        return list;
    }();
    return types;
}

std::optional<TypeLength> VarSetLength(const QString& type)
{
    const VariableType* t = findType(type);
    if (t == nullptr)
        return std::nullopt;
    const bool sized = isType(type, "Array") || isType(type, "String");
    return TypeLength{QString::fromLatin1(t->length), !sized};
}

std::vector<PackedPlace> Calc_Position_Bit(const std::vector<VariableSlot>& rows)
{
    std::vector<PackedPlace> places;
    places.reserve(rows.size());
    qint64 byte = 0;
    int bit = 0;
    bool bitRun = false;
    const QString zero = QStringLiteral("0");
    for (const VariableSlot& row : rows) {
        if (platform::trimBlanks(row.type).isEmpty())
            break;
        if (!row.enabled) {
            places.push_back({zero, zero});
            continue;
        }
        if (isType(row.type, "Bool")) {
            places.push_back({QString::number(byte), QString::number(bit)});
            if (!bitRun) {
                bitRun = true;
                bit = 1;
            } else if (++bit == 8) {
                bit = 0;
                ++byte;
            }
            continue;
        }
        if (bitRun) {
            bitRun = false;
            if (bit > 0)
                ++byte;
            bit = 0;
        }
        places.push_back({QString::number(byte), zero});
        byte += bytesTaken(row);
    }
    return places;
}

std::vector<QString> Show_Group(const std::vector<bool>& enabled, const std::vector<EtherCATGroup>& groups)
{
    std::vector<QString> shown(enabled.size());
    size_t row = 0;
    for (const EtherCATGroup& group : groups) {
        for (int32_t taken = 0; taken < group.numVariables && row < enabled.size(); ++row) {
            if (enabled[row]) {
                shown[row] = group.name;
                ++taken;
            }
        }
    }
    return shown;
}

bool CheckArraySting(const QString& text)
{
    for (const QChar c : text)
        if (platform::hexDigitValue(c) < 0)
            return false;
    return true;
}

namespace variable_rules_detail {

// The first rule a slave-to-master row breaks (0: none).
int slaveToMasterRule(const EtherCATVariableRow& row)
{
    using namespace variable_texts;
    const int32_t length = platform::parseIntOr(row.Length, -1);
    if (isType(row.Type, "Array")) {
        if (!lengthInRange(row.Length))
            return StoMArrayLength;
        if (row.InitValue.isEmpty())
            return 0;
        if (row.InitValue.size() % 2 != 0)
            return StoMArrayInitOdd;
        if (row.InitValue.size() / 2 > length)
            return StoMArrayInitTooLong;
        if (!CheckArraySting(row.InitValue))
            return StoMArrayInitNotHex;
    } else if (isType(row.Type, "String")) {
        if (!lengthInRange(row.Length))
            return StoMStringLength;
        if (!row.InitValue.isEmpty() && row.InitValue.size() > length)
            return StoMStringInitTooLong;
    }
    return 0;
}

int masterToSlaveRule(const EtherCATVariableRow& row)
{
    const bool sized = isType(row.Type, "Array") || isType(row.Type, "String");
    return sized && !lengthInRange(row.Length) ? variable_texts::MtoSLength : 0;
}

std::optional<rule_editor::RuleFailure> firstFailure(int table, const std::vector<EtherCATVariableRow>& rows,
                                                     int (*rule)(const EtherCATVariableRow&))
{
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].enabled())
            continue;
        if (const int text = rule(rows[i]))
            return rule_editor::RuleFailure{table, int(i) + 1, text};
    }
    return std::nullopt;
}

}  // namespace variable_rules_detail

std::optional<rule_editor::RuleFailure> checkEtherCATVariables(const EtherCATSlaveFile& file)
{
    if (auto failure = firstFailure(0, file.SlaveToMaster, slaveToMasterRule))
        return failure;
    return firstFailure(1, file.MasterToSlave, masterToSlaveRule);
}

}  // namespace ethercat_mqtt

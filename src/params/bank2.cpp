#include "params/bank2.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include <QLocale>

#include "params/par_gen_reader.h"
#include "platform/strings.h"

namespace params {
namespace bank2_detail {

using ethercat_mqtt::EtherCATGroup;
using ethercat_mqtt::EtherCATVariableRow;

struct TypeInfo {
    const char* name;
    uint8_t code;
    int size;
};

constexpr TypeInfo kTypes[] = {
    {"Bool", 1, 1},   {"Int8", 2, 1},   {"Int16", 3, 2},   {"Int32", 4, 4},  {"UInt8", 5, 1},
    {"UInt16", 6, 2}, {"UInt32", 7, 4}, {"Float32", 8, 4}, {"String", 9, 0}, {"Array", 10, 0},
};

constexpr uint8_t kCodeFloat32 = 8;
constexpr uint8_t kCodeString = 9;
constexpr uint8_t kCodeArray = 10;

// A Float32 initial value: "." and "," both count as the decimal separator,
// so a project gives the same bytes on every computer. Anything else is 0.
float parseFloat32(const QString& text)
{
    QString s = platform::trimBlanks(text);
    s.replace(u',', u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return 0.0f;
    return static_cast<float>(value);
}

// The enabled rows of a direction that fit the table, in file order.
std::vector<const EtherCATVariableRow*> enabledRows(const std::vector<EtherCATVariableRow>& rows)
{
    std::vector<const EtherCATVariableRow*> result;
    for (const EtherCATVariableRow& row : rows) {
        if (static_cast<int>(result.size()) == kEtherCATEntries)
            break;
        if (row.enabled())
            result.push_back(&row);
    }
    return result;
}

// The named groups of a direction that fit the group table.
std::vector<EtherCATGroup> tableGroups(const std::vector<ethercat_mqtt::EtherCATGroupRow>& rows)
{
    std::vector<EtherCATGroup> groups = ethercat_mqtt::namedGroups(rows);
    if (groups.size() > static_cast<size_t>(kEtherCATGroups))
        groups.resize(kEtherCATGroups);
    return groups;
}

// Fills the entries of one direction from its enabled rows; names are laid
// out from `nameAddress`, initial values from `valueAddress` (both advance).
uint16_t fillDirection(const std::vector<const EtherCATVariableRow*>& rows, const std::vector<EtherCATGroup>& groups,
                       bool slaveToMaster, uint32_t emptyAddress, uint32_t& nameAddress, uint32_t& valueAddress,
                       std::vector<EtherCATEntry>& entries)
{
    for (size_t n = 0; n < rows.size(); ++n) {
        const EtherCATVariableRow& row = *rows[n];
        EtherCATEntry& entry = entries[n];
        entry.access = slaveToMaster ? 1 : 0;
        int size = 0;
        entry.Data_Type = Get_EtherCAT_Type(row.Type, size);
        entry.length = static_cast<uint8_t>(size != 0 ? size : platform::parseIntOr(row.Length, 1) & 0xFF);
        if (slaveToMaster) {
            entry.position = static_cast<uint32_t>(platform::parseIntOr(row.Position, 0));
            entry.bit_address = static_cast<uint8_t>(platform::parseIntOr(row.BitStart, 0) & 0xFF);
        }
        entry.subindex = static_cast<uint32_t>(n);
        entry.entry_index = 0;
        entry.group_index = static_cast<uint32_t>(ethercat_mqtt::groupOfVariable(groups, static_cast<int>(n)));
        valueAddress = Set_Init_Value(row.InitValue, entry, valueAddress);
        entry.name = utf8Bytes(row.Name);
        entry.name_length = static_cast<uint32_t>(entry.name.size());
        if (entry.name.isEmpty()) {
            entry.name_add = emptyAddress;
        } else {
            entry.name_add = nameAddress;
            nameAddress += utf8StringSize(entry.name);
        }
    }
    return static_cast<uint16_t>(rows.size());
}

uint32_t namesSize(const std::vector<const EtherCATVariableRow*>& rows)
{
    uint32_t size = 0;
    for (const EtherCATVariableRow* row : rows)
        size += utf8StringSize(utf8Bytes(row->Name));
    return size;
}

void layOutGroupNames(const std::vector<EtherCATGroup>& groups, uint32_t& address, std::vector<QByteArray>& names,
                      std::array<uint32_t, kEtherCATGroups>& addresses)
{
    for (size_t i = 0; i < groups.size(); ++i) {
        names.push_back(utf8Bytes(groups[i].name));
        addresses[i] = address;
        address += utf8StringSize(names.back());
    }
}

void writeEntry(const EtherCATEntry& entry, ImageWriter& out)
{
    out.u8(entry.Data_Type);
    out.u8(entry.length);
    out.u8(entry.access);
    out.u8(entry.bit_address);
    out.u32(entry.position);
    out.u32(entry.subindex);
    out.u32(entry.entry_index);
    out.u32(entry.group_index);
    out.u32(entry.init_value_Add);
    out.u32(entry.name_length);
    out.u32(entry.name_add);
}

}  // namespace bank2_detail
using namespace bank2_detail;

void Init_EtherCAT_Data(EtherCATData& data)
{
    data = EtherCATData();
}

void Parse_Eeprom_Config(const QString& text, EtherCATHeader& header)
{
    header.eeprom.fill(0);
    size_t index = 0;
    QString rest = text;
    bool more = true;
    while (more) {
        QString pair;
        if (rest.size() > 2) {
            pair = rest.left(2);
            rest = rest.mid(2);
        } else {
            pair = rest;
            more = false;
        }
        const auto value = platform::parseInt(QStringLiteral("$") + pair);
        if (value && *value >= 0 && *value <= 255 && index < header.eeprom.size())
            header.eeprom[index++] = static_cast<uint8_t>(*value);
    }
}

uint8_t Get_EtherCAT_Type(const QString& type, int& size)
{
    for (const TypeInfo& info : kTypes) {
        if (type == QLatin1String(info.name)) {
            size = info.size;
            return info.code;
        }
    }
    size = 0;
    return 0;
}

void Read_EtherCAT_Identity(const ParGenReader& reader, EtherCATHeader& header)
{
    if (!reader.exists())
        return;
    Parse_Eeprom_Config(reader.textOr("EtherCAT_Slave_Eeprom_Config", QStringLiteral("800F00CC8813ff00000000800000")),
                        header);
    header.revision = EtherCAT_Revision_Number(reader);
    header.stationAddress = EtherCAT_Node_Address(reader);
    header.clearData = reader.flag("EtherCAT_Slave_Clear_Data") ? 1 : 0;
}

uint32_t Set_Init_Value(const QString& text, EtherCATEntry& entry, uint32_t address)
{
    entry.init_value.fill(0);
    if (text.isEmpty() || entry.Data_Type == 0) {
        entry.init_value_Add = 0;
        return address;
    }
    entry.init_value_Add = address;
    if (entry.Data_Type == kCodeFloat32) {
        const float value = parseFloat32(text);
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 4; ++i)
            entry.init_value[i] = static_cast<uint8_t>(bits >> (8 * i));
    } else if (entry.Data_Type == kCodeString) {
        const QByteArray stored = codePageBytes(text, entry.length);
        std::memcpy(entry.init_value.data(), stored.constData(), static_cast<size_t>(stored.size()));
    } else if (entry.Data_Type == kCodeArray) {
        for (int i = 0; i < entry.length; ++i) {
            const qsizetype at = 2 * static_cast<qsizetype>(i);
            if (at + 1 >= text.size())
                break;
            const int high = platform::hexDigitValue(text[at]);
            const int low = platform::hexDigitValue(text[at + 1]);
            if (high >= 0 && low >= 0)
                entry.init_value[i] = static_cast<uint8_t>(high * 16 + low);
        }
    } else {
        const uint64_t value = static_cast<uint64_t>(platform::parseInt64(text).value_or(0));
        if (entry.Data_Type == 1) {
            entry.init_value[0] = static_cast<uint8_t>(value & 1);
        } else {
            for (int i = 0; i < entry.length; ++i)
                entry.init_value[i] = static_cast<uint8_t>(value >> (8 * i));
        }
    }
    return address + entry.length;
}

void Read_EtherCAT_Slave(uint32_t loadAddress, const ethercat_mqtt::EtherCATSlaveFile* variables,
                         const ethercat_mqtt::EtherCATGroupFile* groups, EtherCATData& data)
{
    EtherCATHeader& header = data.header;
    header.groupTablesAddress = loadAddress + bank2::kGroupTables;
    header.slaveToMasterTableAddress = loadAddress + bank2::kSlaveToMasterTable;
    header.masterToSlaveTableAddress = loadAddress + bank2::kMasterToSlaveTable;

    const std::vector<const EtherCATVariableRow*> toMaster =
        variables ? enabledRows(variables->SlaveToMaster) : std::vector<const EtherCATVariableRow*>();
    const std::vector<const EtherCATVariableRow*> toSlave =
        variables ? enabledRows(variables->MasterToSlave) : std::vector<const EtherCATVariableRow*>();
    const std::vector<EtherCATGroup> groupsIn = groups ? tableGroups(groups->Slave_to_Master) : std::vector<EtherCATGroup>();
    const std::vector<EtherCATGroup> groupsOut = groups ? tableGroups(groups->Master_to_Slave) : std::vector<EtherCATGroup>();

    // Entry names, then group names, then the initial values.
    const uint32_t emptyAddress = loadAddress + bank2::kEmptyString;
    uint32_t nameAddress = loadAddress + bank2::kNames;
    uint32_t groupAddress = nameAddress + namesSize(toMaster) + namesSize(toSlave);
    uint32_t valueAddress = groupAddress;
    for (const auto* list : {&groupsIn, &groupsOut})
        for (const EtherCATGroup& group : *list)
            valueAddress += utf8StringSize(utf8Bytes(group.name));

    header.slaveToMasterCount =
        fillDirection(toMaster, groupsIn, true, emptyAddress, nameAddress, valueAddress, data.slaveToMaster);
    header.masterToSlaveCount =
        fillDirection(toSlave, groupsOut, false, emptyAddress, nameAddress, valueAddress, data.masterToSlave);
    layOutGroupNames(groupsIn, groupAddress, data.groups.inNames, data.groups.inAddresses);
    layOutGroupNames(groupsOut, groupAddress, data.groups.outNames, data.groups.outAddresses);
    data.endAddress = valueAddress;
}

void Build_Bank2(const EtherCATData& data, ImageWriter& out)
{
    const EtherCATHeader& h = data.header;
    out.bytes(reinterpret_cast<const char*>(h.eeprom.data()), kEepromBytes);
    out.u16(h.stationAddress);
    out.u8(h.clearData);
    out.zeros(3);
    out.u32(h.groupTablesAddress);
    out.u32(h.revision);
    out.u16(h.slaveToMasterCount);
    out.u16(h.masterToSlaveCount);
    out.u32(h.slaveToMasterTableAddress);
    out.u32(h.masterToSlaveTableAddress);

    for (const auto* table : {&data.slaveToMaster, &data.masterToSlave})
        for (const EtherCATEntry& entry : *table)
            writeEntry(entry, out);

    for (uint32_t address : data.groups.inAddresses)
        out.u32(address);
    for (uint32_t address : data.groups.outAddresses)
        out.u32(address);
    out.u8(static_cast<uint32_t>(data.groups.inNames.size()));
    out.u8(static_cast<uint32_t>(data.groups.outNames.size()));
    out.zeros(2);
    out.u8(0);  // the empty string

    for (const auto* table : {&data.slaveToMaster, &data.masterToSlave})
        for (const EtherCATEntry& entry : *table)
            Write_UTF8_String(entry.name, out);
    for (const auto* names : {&data.groups.inNames, &data.groups.outNames})
        for (const QByteArray& name : *names)
            Write_UTF8_String(name, out);

    for (const auto* table : {&data.slaveToMaster, &data.masterToSlave})
        for (const EtherCATEntry& entry : *table)
            if (entry.init_value_Add != 0)
                out.bytes(reinterpret_cast<const char*>(entry.init_value.data()), entry.length);
}

}  // namespace params

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>

#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "params/image_bytes.h"

namespace params {

class ParGenReader;

// Limits of the EtherCAT process-data map.
constexpr int kEtherCATEntries = 256;     // per direction
constexpr int kEtherCATGroups = 16;       // per direction
constexpr int kEepromBytes = 14;
constexpr int kInitValueBytes = 256;

// Offsets in bank 2.
namespace bank2 {
constexpr uint32_t kSlaveToMasterTable = 40;
constexpr uint32_t kMasterToSlaveTable = 8232;
constexpr uint32_t kGroupTables = 16424;
constexpr uint32_t kEmptyString = 16556;
constexpr uint32_t kNames = 16557;
constexpr uint32_t kEntrySize = 32;
}  // namespace bank2

// The header: bank 2's first 40 bytes.
struct EtherCATHeader {
    std::array<uint8_t, kEepromBytes> eeprom{};
    uint16_t stationAddress = 0;
    uint8_t clearData = 0;
    uint32_t groupTablesAddress = 0;
    uint32_t revision = 0;
    uint16_t slaveToMasterCount = 0;
    uint16_t masterToSlaveCount = 0;
    uint32_t slaveToMasterTableAddress = 0;
    uint32_t masterToSlaveTableAddress = 0;
};

// TEtherCAT_pd: one process-data entry.
struct EtherCATEntry {
    uint8_t Data_Type = 0;
    uint8_t length = 0;
    uint8_t access = 0;
    uint8_t bit_address = 0;
    uint32_t position = 0;
    uint32_t subindex = 0;
    uint32_t entry_index = 0;
    uint32_t group_index = 0xFFFFFFFF;
    uint32_t init_value_Add = 0;
    std::array<uint8_t, kInitValueBytes> init_value{};
    QByteArray name;  // UTF-8
    uint32_t name_length = 0;
    uint32_t name_add = 0;
};

// TEtherCAT_Group: the group names of both directions and their addresses.
struct EtherCATGroupNames {
    std::array<uint32_t, kEtherCATGroups> inAddresses{};
    std::array<uint32_t, kEtherCATGroups> outAddresses{};
    std::vector<QByteArray> inNames;   // UTF-8, at most 16
    std::vector<QByteArray> outNames;  // UTF-8, at most 16
};

// Everything bank 2 is built from.
struct EtherCATData {
    EtherCATHeader header;
    std::vector<EtherCATEntry> slaveToMaster = std::vector<EtherCATEntry>(kEtherCATEntries);
    std::vector<EtherCATEntry> masterToSlave = std::vector<EtherCATEntry>(kEtherCATEntries);
    EtherCATGroupNames groups;
    // Address just after the last initial value: the image's end.
    uint32_t endAddress = 0;
};

// Init_EtherCAT_Data: header zero, every entry empty with no group, no groups.
void Init_EtherCAT_Data(EtherCATData& data);

// Parse_Eeprom_Config: two hexadecimal digits per byte; a pair that is not
// hexadecimal is skipped; at most 14 bytes are taken, the rest stay 0.
void Parse_Eeprom_Config(const QString& text, EtherCATHeader& header);

// Get_EtherCAT_Type: the type code of a Type text (case-sensitive) and its
// fixed size (0 for String, Array and unknown texts).
uint8_t Get_EtherCAT_Type(const QString& type, int& size);

// The EtherCAT identity values of ParGen.xml.
void Read_EtherCAT_Identity(const ParGenReader& reader, EtherCATHeader& header);

// Set_Init_Value: encodes `text` as the entry's initial value at `address`
// and returns the next free address. An empty text, or an entry of unknown
// type, has no initial value (address 0, no bytes).
uint32_t Set_Init_Value(const QString& text, EtherCATEntry& entry, uint32_t address);

// Read_EtherCAT_Slave: fills both tables and the groups from the two files
// (either may be absent) and lays out every address for `loadAddress`. Only
// the first 256 enabled rows of a direction and its first 16 named groups
// are taken.
void Read_EtherCAT_Slave(uint32_t loadAddress, const ethercat_mqtt::EtherCATSlaveFile* variables,
                         const ethercat_mqtt::EtherCATGroupFile* groups, EtherCATData& data);

// Build_Bank2: emits the image as laid out.
void Build_Bank2(const EtherCATData& data, ImageWriter& out);

}  // namespace params

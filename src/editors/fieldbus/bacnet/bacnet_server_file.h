#pragma once

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace bacnet {

// One object of BACnet_Slave.xml that the gateway offers as a BACnet server:
// every value as the server editor shows it.
struct BACnetServerObject {
    QString Data_Type;
    QString Eng_Unit;
    QString Position;
    QString Bit;
    QString Length;
    QString Swap;
    QString Mnemonic;
    bool operator==(const BACnetServerObject&) const = default;
};

// BACnet_Slave.xml: the objects clients read (their data in the gateway's
// input array), then the objects clients write (output array).
struct BACnetServerFile {
    std::vector<BACnetServerObject> Read;
    std::vector<BACnetServerObject> Write;
    bool operator==(const BACnetServerFile&) const = default;
};

// The attributes of an object in the order the file writes them.
const std::vector<ethercat_mqtt::RowAttribute<BACnetServerObject>>& serverObjectAttributes();

// Reads BACnet_Slave.xml: the rows of BACnet_in_Read and BACnet_in_Write,
// a missing attribute as empty text. A file lacking one of the two lists
// gives that list empty; a file that cannot be parsed, or that has neither
// list, sets the error of the result. A missing file gives no objects.
ethercat_mqtt::ProjectFileRead readBACnetServerFile(const QString& path, platform::XmlDocument& doc,
                                                    BACnetServerFile& objects);

// Writes BACnet_Slave.xml whole: the root BACnet_to_Modbus, the comment
// "SW_VERSION = 1.000" after it, then BACnet_in_Read and BACnet_in_Write
// (also when empty). False with `error` set when it cannot be written.
bool writeBACnetServerFile(const QString& path, platform::XmlDocument& doc, const BACnetServerFile& objects,
                           QString* error = nullptr);

}  // namespace bacnet

#pragma once

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace bacnet {

// One read rule of BACnet_Master_Access.xml: an object property of a BACnet
// device that the gateway reads into its input data; every value as the
// client editor shows it.
struct BACnetReadRule {
    QString Enable = QStringLiteral("Y");
    QString IP_Address_Slave_ID;
    QString Object_Type;
    QString Instance;
    QString Property;
    QString NumByte;
    QString Enable_Destination = QStringLiteral("N");
    QString Destination_Network;
    QString Destination_Length;
    QString Destination_Address;
    QString PollTime;
    QString MaxError;
    QString Position;
    QString StartBit;
    QString Mnemonic;
    bool operator==(const BACnetReadRule&) const = default;
};

// One write rule: an object property the gateway writes from its output
// data.
struct BACnetWriteRule {
    QString Enable = QStringLiteral("Y");
    QString IP_Address_Slave_ID;
    QString Object_Type;
    QString Data_Type;
    QString Instance;
    QString Property;
    QString Priority;
    QString NumByte;
    QString Enable_Destination = QStringLiteral("N");
    QString Destination_Network;
    QString Destination_Length;
    QString Destination_Address;
    QString OnChange = QStringLiteral("N");
    QString OnTimer = QStringLiteral("N");
    QString PollTime;
    QString MaxError;
    QString Position;
    QString StartBit;
    QString Mnemonic;
    bool operator==(const BACnetWriteRule&) const = default;
};

// BACnet_Master_Access.xml: both rule lists in table order.
struct BACnetClientFile {
    std::vector<BACnetReadRule> Read;
    std::vector<BACnetWriteRule> Write;
    bool operator==(const BACnetClientFile&) const = default;
};

// The attributes of a rule in the order the file writes them.
const std::vector<ethercat_mqtt::RowAttribute<BACnetReadRule>>& readRuleAttributes();
const std::vector<ethercat_mqtt::RowAttribute<BACnetWriteRule>>& writeRuleAttributes();

// Reads BACnet_Master_Access.xml: the rows of BACnet_Read and BACnet_Write.
// A missing Enable reads as "Y"; a missing Enable_Destination, OnChange or
// OnTimer as "N"; any other missing attribute as empty text. A file lacking
// one of the two lists gives that list empty; a file that cannot be parsed,
// or that has neither list (it is no rule file of this editor), sets the
// error of the result. A missing file gives no rules.
ethercat_mqtt::ProjectFileRead readBACnetClientFile(const QString& path, platform::XmlDocument& doc,
                                                    BACnetClientFile& rules);

// Writes BACnet_Master_Access.xml whole: the root BACnet_Master_Access, the
// comment "SW_VERSION = 1.000" after it, then BACnet_Read and BACnet_Write
// (also when empty). False with `error` set when it cannot be written.
bool writeBACnetClientFile(const QString& path, platform::XmlDocument& doc, const BACnetClientFile& rules,
                           QString* error = nullptr);

}  // namespace bacnet

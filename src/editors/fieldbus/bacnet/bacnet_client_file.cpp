#include "editors/fieldbus/bacnet/bacnet_client_file.h"

#include "editors/fieldbus/bacnet/bacnet_list_pair.h"

namespace bacnet {
namespace client_file_detail {

using Read = BACnetReadRule;
using Write = BACnetWriteRule;
namespace io = ethercat_mqtt::project_file_io;

const QString kClientRoot = QStringLiteral("BACnet_Master_Access");
const QString kClientVersion = QStringLiteral("SW_VERSION = 1.000");
const QString kClientReadList = QStringLiteral("BACnet_Read");
const QString kClientWriteList = QStringLiteral("BACnet_Write");

const std::vector<io::AttributeDefault>& clientDefaults()
{
    static const std::vector<io::AttributeDefault> values = {
        {"Enable", QStringLiteral("Y")},
        {"Enable_Destination", QStringLiteral("N")},
        {"OnChange", QStringLiteral("N")},
        {"OnTimer", QStringLiteral("N")},
    };
    return values;
}

}  // namespace client_file_detail

using namespace client_file_detail;

const std::vector<ethercat_mqtt::RowAttribute<BACnetReadRule>>& readRuleAttributes()
{
    static const std::vector<ethercat_mqtt::RowAttribute<Read>> attributes = {
        {"Enable", &Read::Enable},
        {"IP_Address_Slave_ID", &Read::IP_Address_Slave_ID},
        {"Object_Type", &Read::Object_Type},
        {"Instance", &Read::Instance},
        {"Property", &Read::Property},
        {"NumByte", &Read::NumByte},
        {"Enable_Destination", &Read::Enable_Destination},
        {"Destination_Network", &Read::Destination_Network},
        {"Destination_Length", &Read::Destination_Length},
        {"Destination_Address", &Read::Destination_Address},
        {"PollTime", &Read::PollTime},
        {"MaxError", &Read::MaxError},
        {"Position", &Read::Position},
        {"StartBit", &Read::StartBit},
        {"Mnemonic", &Read::Mnemonic},
    };
    return attributes;
}

const std::vector<ethercat_mqtt::RowAttribute<BACnetWriteRule>>& writeRuleAttributes()
{
    static const std::vector<ethercat_mqtt::RowAttribute<Write>> attributes = {
        {"Enable", &Write::Enable},
        {"IP_Address_Slave_ID", &Write::IP_Address_Slave_ID},
        {"Object_Type", &Write::Object_Type},
        {"Data_Type", &Write::Data_Type},
        {"Instance", &Write::Instance},
        {"Property", &Write::Property},
        {"Priority", &Write::Priority},
        {"NumByte", &Write::NumByte},
        {"Enable_Destination", &Write::Enable_Destination},
        {"Destination_Network", &Write::Destination_Network},
        {"Destination_Length", &Write::Destination_Length},
        {"Destination_Address", &Write::Destination_Address},
        {"OnChange", &Write::OnChange},
        {"OnTimer", &Write::OnTimer},
        {"PollTime", &Write::PollTime},
        {"MaxError", &Write::MaxError},
        {"Position", &Write::Position},
        {"StartBit", &Write::StartBit},
        {"Mnemonic", &Write::Mnemonic},
    };
    return attributes;
}

ethercat_mqtt::ProjectFileRead readBACnetClientFile(const QString& path, platform::XmlDocument& doc,
                                                    BACnetClientFile& rules)
{
    rules = BACnetClientFile();
    platform::XmlElement read;
    platform::XmlElement write;
    const ethercat_mqtt::ProjectFileRead result =
        loadListPair(path, doc, kClientReadList, kClientWriteList, read, write);
    if (!result.ok())
        return result;
    rules.Read = io::readRows(read, readRuleAttributes(), clientDefaults());
    rules.Write = io::readRows(write, writeRuleAttributes(), clientDefaults());
    return result;
}

bool writeBACnetClientFile(const QString& path, platform::XmlDocument& doc, const BACnetClientFile& rules,
                           QString* error)
{
    platform::XmlElement root = io::start(doc, kClientRoot, kClientVersion);
    io::writeRows(root.appendChild(kClientReadList), rules.Read, readRuleAttributes());
    io::writeRows(root.appendChild(kClientWriteList), rules.Write, writeRuleAttributes());
    return doc.save(path, error);
}

}  // namespace bacnet

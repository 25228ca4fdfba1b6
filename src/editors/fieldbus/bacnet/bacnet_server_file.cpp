#include "editors/fieldbus/bacnet/bacnet_server_file.h"

#include "editors/fieldbus/bacnet/bacnet_list_pair.h"

namespace bacnet {
namespace server_file_detail {

namespace io = ethercat_mqtt::project_file_io;

const QString kServerRoot = QStringLiteral("BACnet_to_Modbus");
const QString kServerVersion = QStringLiteral("SW_VERSION = 1.000");
const QString kServerReadList = QStringLiteral("BACnet_in_Read");
const QString kServerWriteList = QStringLiteral("BACnet_in_Write");

}  // namespace server_file_detail

using namespace server_file_detail;

const std::vector<ethercat_mqtt::RowAttribute<BACnetServerObject>>& serverObjectAttributes()
{
    using O = BACnetServerObject;
    static const std::vector<ethercat_mqtt::RowAttribute<O>> attributes = {
        {"Data_Type", &O::Data_Type}, {"Eng_Unit", &O::Eng_Unit}, {"Position", &O::Position}, {"Bit", &O::Bit},
        {"Length", &O::Length},       {"Swap", &O::Swap},         {"Mnemonic", &O::Mnemonic},
    };
    return attributes;
}

ethercat_mqtt::ProjectFileRead readBACnetServerFile(const QString& path, platform::XmlDocument& doc,
                                                    BACnetServerFile& objects)
{
    objects = BACnetServerFile();
    platform::XmlElement read;
    platform::XmlElement write;
    const ethercat_mqtt::ProjectFileRead result =
        loadListPair(path, doc, kServerReadList, kServerWriteList, read, write);
    if (!result.ok())
        return result;
    objects.Read = io::readRows(read, serverObjectAttributes());
    objects.Write = io::readRows(write, serverObjectAttributes());
    return result;
}

bool writeBACnetServerFile(const QString& path, platform::XmlDocument& doc, const BACnetServerFile& objects,
                           QString* error)
{
    platform::XmlElement root = io::start(doc, kServerRoot, kServerVersion);
    io::writeRows(root.appendChild(kServerReadList), objects.Read, serverObjectAttributes());
    io::writeRows(root.appendChild(kServerWriteList), objects.Write, serverObjectAttributes());
    return doc.save(path, error);
}

}  // namespace bacnet

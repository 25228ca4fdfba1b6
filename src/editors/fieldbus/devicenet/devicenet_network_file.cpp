#include "editors/fieldbus/devicenet/devicenet_network_file.h"

namespace devicenet {
namespace network_file_detail {

const QString kNetworkRoot = QStringLiteral("DNET_Net");
const QString kNetworkVersion = QStringLiteral("SW_VERSION = 1.000");

}  // namespace network_file_detail

using namespace network_file_detail;

const std::vector<ethercat_mqtt::RowAttribute<DeviceNetSlave>>& deviceNetSlaveAttributes()
{
    static const std::vector<ethercat_mqtt::RowAttribute<DeviceNetSlave>> attributes = {
        {"ID", &DeviceNetSlave::ID},
        {"NB_IN", &DeviceNetSlave::NB_IN},
        {"NB_OUT", &DeviceNetSlave::NB_OUT},
        {"Mnemonic", &DeviceNetSlave::Mnemonic},
    };
    return attributes;
}

ethercat_mqtt::ProjectFileRead readDeviceNetNetworkFile(const QString& path, platform::XmlDocument& doc,
                                                        std::vector<DeviceNetSlave>& slaves)
{
    namespace io = ethercat_mqtt::project_file_io;
    slaves.clear();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (result.exists && result.ok())
        slaves = io::readRows(root, deviceNetSlaveAttributes());
    return result;
}

bool writeDeviceNetNetworkFile(const QString& path, platform::XmlDocument& doc,
                               const std::vector<DeviceNetSlave>& slaves, QString* error)
{
    namespace io = ethercat_mqtt::project_file_io;
    io::writeRows(io::start(doc, kNetworkRoot, kNetworkVersion), slaves, deviceNetSlaveAttributes());
    return doc.save(path, error);
}

}  // namespace devicenet

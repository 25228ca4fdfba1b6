#include "editors/fieldbus/devicenet/devicenet_offset_file.h"

namespace devicenet {
namespace offset_file_detail {

const QString kOffsetRoot = QStringLiteral("Define_Offset");
const QString kOffsetVersion = QStringLiteral("SW_VERSION = 1.000");
const QString kNode = QStringLiteral("Nodo_DNET");
const QString kInputs = QStringLiteral("ByteIN");
const QString kOutputs = QStringLiteral("ByteOUT");

const std::vector<ethercat_mqtt::RowAttribute<DeviceNetByte>> kByteAttributes = {
    {"Offset", &DeviceNetByte::Offset},
    {"Mnemonic", &DeviceNetByte::Mnemonic},
};

}  // namespace offset_file_detail

using namespace offset_file_detail;

ethercat_mqtt::ProjectFileRead readDeviceNetOffsetFile(const QString& path, platform::XmlDocument& doc,
                                                       std::vector<DeviceNetNode>& nodes)
{
    namespace io = ethercat_mqtt::project_file_io;
    nodes.clear();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    for (const platform::XmlElement& element : root.children()) {
        DeviceNetNode node;
        node.ByteIN = io::readRows(element.child(kInputs), kByteAttributes);
        node.ByteOUT = io::readRows(element.child(kOutputs), kByteAttributes);
        nodes.push_back(std::move(node));
    }
    return result;
}

bool writeDeviceNetOffsetFile(const QString& path, platform::XmlDocument& doc, const std::vector<DeviceNetNode>& nodes,
                              QString* error)
{
    namespace io = ethercat_mqtt::project_file_io;
    platform::XmlElement root = io::start(doc, kOffsetRoot, kOffsetVersion);
    for (const DeviceNetNode& node : nodes) {
        platform::XmlElement element = root.appendChild(kNode);
        io::writeRows(element.appendChild(kInputs), node.ByteIN, kByteAttributes);
        io::writeRows(element.appendChild(kOutputs), node.ByteOUT, kByteAttributes);
    }
    return doc.save(path, error);
}

}  // namespace devicenet

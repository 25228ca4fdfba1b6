#include "editors/fieldbus/dmx/dmx_default_values_file.h"

namespace dmx {
namespace dmx_file_detail {

const QString kDMXRoot = QStringLiteral("DMX_Default_Values");
const QString kDMXVersion = QStringLiteral("SW_VERSION = 1.000");
const QString kDMXRow = QStringLiteral("Row");

}  // namespace dmx_file_detail

const std::vector<ethercat_mqtt::RowAttribute<DMXChannel>>& dmxChannelAttributes()
{
    static const std::vector<ethercat_mqtt::RowAttribute<DMXChannel>> attributes = {
        {"Default_Value", &DMXChannel::Default_Value},
        {"Mnemonic", &DMXChannel::Mnemonic},
    };
    return attributes;
}

ethercat_mqtt::ProjectFileRead readDMXDefaultValuesFile(const QString& path, platform::XmlDocument& doc,
                                                        std::vector<DMXChannel>& channels)
{
    namespace io = ethercat_mqtt::project_file_io;
    channels.clear();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (result.exists && result.ok())
        channels = io::readRows(root, dmxChannelAttributes());
    return result;
}

bool writeDMXDefaultValuesFile(const QString& path, platform::XmlDocument& doc,
                               const std::vector<DMXChannel>& channels, QString* error)
{
    namespace io = ethercat_mqtt::project_file_io;
    io::writeRows(io::start(doc, dmx_file_detail::kDMXRoot, dmx_file_detail::kDMXVersion), channels,
                  dmxChannelAttributes(), dmx_file_detail::kDMXRow);
    return doc.save(path, error);
}

}  // namespace dmx

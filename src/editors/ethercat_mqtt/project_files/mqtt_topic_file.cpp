#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"

namespace ethercat_mqtt {
namespace topic_file_detail {

using Pub = MQTTPublishRow;
using Sub = MQTTSubscribeRow;

const QString kTopicRoot = QStringLiteral("MQTT_Set_Topic");
const QString kPublishList = QStringLiteral("MQTT_Publish");
const QString kSubscribeList = QStringLiteral("MQTT_Subscribe");

const std::vector<RowAttribute<Pub>>& publishAttributes()
{
    static const std::vector<RowAttribute<Pub>> attributes = {
        {"Topic", &Pub::Topic},         {"Retained", &Pub::Retained},
        {"QoS", &Pub::QoS},             {"DataType", &Pub::DataType},
        {"Dimension", &Pub::Dimension}, {"Position", &Pub::Position},
        {"IPAddress", &Pub::IPAddress}, {"InputTemplate", &Pub::InputTemplate},
        {"Template", &Pub::Template},   {"OnChange", &Pub::OnChange},
        {"OnTimer", &Pub::OnTimer},     {"Time", &Pub::Time},
        {"Mnemonic", &Pub::Mnemonic},
    };
    return attributes;
}

const std::vector<RowAttribute<Sub>>& subscribeAttributes()
{
    static const std::vector<RowAttribute<Sub>> attributes = {
        {"Topic", &Sub::Topic},       {"Retained", &Sub::Retained},           {"QoS", &Sub::QoS},
        {"DataType", &Sub::DataType}, {"Dimension", &Sub::Dimension},         {"Position", &Sub::Position},
        {"IPAddress", &Sub::IPAddress}, {"Port", &Sub::Port},                 {"EthType", &Sub::EthType},
        {"InputTemplate", &Sub::InputTemplate}, {"Template", &Sub::Template}, {"Mnemonic", &Sub::Mnemonic},
    };
    return attributes;
}

// A missing check-box attribute reads as "N".
const std::vector<project_file_io::AttributeDefault> kPublishDefaults = {{"OnChange", QStringLiteral("N")},
                                                        {"OnTimer", QStringLiteral("N")}};

}  // namespace topic_file_detail
using namespace topic_file_detail;

ProjectFileRead readMQTTTopicFile(const QString& path, platform::XmlDocument& doc, MQTTTopicFile& data)
{
    data = MQTTTopicFile();
    platform::XmlElement root;
    ProjectFileRead result = project_file_io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    const platform::XmlElement publish = project_file_io::list(root, kPublishList, path, result);
    const platform::XmlElement subscribe = project_file_io::list(root, kSubscribeList, path, result);
    data.Publish = project_file_io::readRows(publish, publishAttributes(), kPublishDefaults);
    data.Subscribe = project_file_io::readRows(subscribe, subscribeAttributes());
    return result;
}

bool writeMQTTTopicFile(const QString& path, platform::XmlDocument& doc, const MQTTTopicFile& data, QString* error)
{
    platform::XmlElement root = project_file_io::start(doc, kTopicRoot);
    project_file_io::writeRows(root.appendChild(kPublishList), data.Publish, publishAttributes());
    project_file_io::writeRows(root.appendChild(kSubscribeList), data.Subscribe, subscribeAttributes());
    return doc.save(path, error);
}

}  // namespace ethercat_mqtt

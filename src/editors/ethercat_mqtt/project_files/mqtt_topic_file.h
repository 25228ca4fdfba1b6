#pragma once

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace ethercat_mqtt {

// One publish topic of MQTT_Set_Topic.xml: the attribute texts as the topic
// editor writes them.
struct MQTTPublishRow {
    QString Topic;
    QString Retained;
    QString QoS;
    QString DataType;
    QString Dimension;
    QString Position;
    QString IPAddress;
    QString InputTemplate;
    QString Template;
    QString OnChange = QStringLiteral("N");
    QString OnTimer = QStringLiteral("N");
    QString Time;
    QString Mnemonic;
};

// One subscribe topic of MQTT_Set_Topic.xml.
struct MQTTSubscribeRow {
    QString Topic;
    QString Retained;
    QString QoS;
    QString DataType;
    QString Dimension;
    QString Position;
    QString IPAddress;
    QString Port;
    QString EthType;
    QString InputTemplate;
    QString Template;
    QString Mnemonic;
};

// MQTT_Set_Topic.xml: both topic lists, in table order.
struct MQTTTopicFile {
    std::vector<MQTTPublishRow> Publish;
    std::vector<MQTTSubscribeRow> Subscribe;
};

// Reads MQTT_Set_Topic.xml (see ProjectFileRead). A missing OnChange or
// OnTimer reads as "N", any other missing attribute as empty text. A file
// without MQTT_Publish or MQTT_Subscribe is an error; the list found is
// still read.
ProjectFileRead readMQTTTopicFile(const QString& path, platform::XmlDocument& doc, MQTTTopicFile& data);

// Writes MQTT_Set_Topic.xml whole (both lists, also when empty). False with
// `error` set when the file cannot be written.
bool writeMQTTTopicFile(const QString& path, platform::XmlDocument& doc, const MQTTTopicFile& data,
                        QString* error = nullptr);

}  // namespace ethercat_mqtt

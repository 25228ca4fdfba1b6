// MQTT_Set_Topic.xml: the publish and subscribe topics. The file written from
// what was read reads back the same.

#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(mqtt_topic_file)
{
    using namespace ethercat_mqtt;
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("MQTT_Set_Topic.xml"), input.takeRest());
    platform::XmlDocument doc;
    MQTTTopicFile file;
    readMQTTTopicFile(path, doc, file);

    fuzz::checkWriteReadWrite(
        file, [&](const QString& to, const MQTTTopicFile& topics) { return writeMQTTTopicFile(to, doc, topics); },
        [&](const QString& from, MQTTTopicFile& topics) { return readMQTTTopicFile(from, doc, topics).ok(); });
}

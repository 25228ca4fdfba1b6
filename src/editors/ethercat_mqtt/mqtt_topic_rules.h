#pragma once

// The checks of the MQTT topic editor, without a window.

#include <optional>

#include <QString>

#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"
#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"

namespace ethercat_mqtt {

// Text ids of the checks; the publish text of a rule, and the subscribe
// text where it differs.
namespace topic_texts {
constexpr int ErrorRow = 3751;
constexpr int PubQoS = 3774;
constexpr int SubQoS = 3775;
constexpr int PubDataType = 3752;
constexpr int PubDimensionInt = 3753;
constexpr int PubDimensionFloat = 3754;
constexpr int PubDimensionOther = 3755;
constexpr int PubPosition = 3756;
constexpr int SubDataType = 3757;
constexpr int SubDimensionInt = 3758;
constexpr int SubDimensionFloat = 3759;
constexpr int SubDimensionOther = 3760;
constexpr int SubPosition = 3761;
constexpr int PubTemplate = 3778;
constexpr int SubTemplate = 3780;
constexpr int PubTime = 3789;
}  // namespace topic_texts

// Sizes in bytes of the internal data arrays that the positions address.
struct TopicDataArrays {
    int Byte_IN = 1500;   // publish positions
    int Byte_OUT = 1500;  // subscribe positions
};

// Longest publish period, in milliseconds.
constexpr int kMaxPublishTime = 1000000000;

// Error_In_Topic_Template: true when the text holds an odd number of "$".
bool Error_In_Topic_Template(const QString& text);

// Controllo_dati of the topic editor over the rows OK would save (every row
// has a Topic): the publish rows first, then the subscribe rows. Per row, in
// this order: a QoS of 0, 1 or 2 chosen (the device needs one: the image
// compiler refuses a row without it); a Data Type chosen; the Dimension for the type (Int 1, 2, 4 or
// 8; Float 4 or 8; any other type above 0); the Position inside the data
// array (the message ends with the last position); an even number of "$" in
// the Template; publish rows with OnTimer on: Time 1 .. 1000000000.
std::optional<rule_editor::RuleFailure> checkMQTTTopics(const MQTTTopicFile& file,
                                                        const TopicDataArrays& arrays = {});

}  // namespace ethercat_mqtt

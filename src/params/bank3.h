#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>

#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"
#include "params/image_bytes.h"

namespace params {

class ParGenReader;

namespace bank3 {
// The zero byte that every empty text field points at.
constexpr uint32_t kEmptyString = 173;
// Where the texts, tables and records begin.
constexpr uint32_t kVariablePart = 174;
constexpr uint32_t kStringReferenceSize = 12;
constexpr uint32_t kSubscribeRecordSize = 27;
constexpr uint32_t kPublishRecordSize = 49;
}  // namespace bank3

// TMQTTString: a text written with a string reference (address, length,
// address); both 0 when the text is empty.
struct MQTTString {
    QByteArray text;  // UTF-8
    uint32_t Address = 0;
    int32_t Len = 0;
};

// A text field that holds the text's address, or that of the empty string.
struct MQTTText {
    QByteArray text;  // UTF-8
    uint32_t offset = bank3::kEmptyString;
};

// TMQTT_Subscribe_Data.
struct MQTTSubscribeData {
    uint32_t Position = 0;
    uint32_t Length = 0;
    uint32_t Type_SubData = 0;
    MQTTText Input_Template;
    MQTTText Output_Template;
    uint32_t IP_Address = 0;
    uint16_t Port = 0;
    uint8_t Proto = 0;
};

// TMQTT_Publish_Data.
struct MQTTPublishData {
    MQTTText Description;
    MQTTString Publish_Topic;
    uint8_t Retained = 0;
    int32_t QoS = 0;
    MQTTText Input_Template;
    MQTTText Output_Template;
    uint32_t Source_IP_Address = 0;
    uint32_t Position = 0;
    uint16_t Length = 0;
    uint16_t Type_Data = 0;
    uint32_t Timer = 0;
    uint32_t Options = 0;  // bit 0 on change, bit 2 on timer
};

// TMQTT: everything bank 3 is built from. Address fields hold offsets in
// bank 3; the image holds load address + offset.
struct MQTTRecord {
    uint32_t Mode = 0;
    uint32_t Time_Poll = 0;
    MQTTText Server_Address;
    uint16_t Server_Port = 0;
    // Connect data ("MQTC", version 0, MQTT 3.1.1) with its will ("MQTW").
    MQTTString ClientID;
    uint16_t KeepAliveInterval = 0;
    uint8_t CleanSession = 0;
    uint8_t WillFlag = 0;
    MQTTString Will_TopicName;
    MQTTString Will_Message;
    uint8_t Will_Retained = 0;
    uint8_t Will_QoS = 0;
    MQTTString Username;
    MQTTString Password;

    std::vector<MQTTString> Topic_Filters;
    std::vector<int32_t> Topic_Filter_QoS;
    std::vector<MQTTSubscribeData> Subscribe_Data;
    uint32_t Topic_Filters_Add = 0;
    uint32_t Topic_Filter_QoS_Add = 0;
    uint32_t Subscribe_Data_Add = 0;
    std::vector<MQTTPublishData> Publish_Data;
    uint32_t Publish_Data_Add = 0;

    uint32_t TLS_Flag = 0;
    uint32_t TLS_Server_Authentication = 0;
    MQTTText TLS_Server_Cert;
    uint32_t TLS_Client_Authentication = 0;
    MQTTText TLS_Client_Cert;
    MQTTText TLS_Client_Key;
    MQTTText TLS_Client_Key_Pass;
    MQTTText NTP_Server_Address;
    uint32_t NTP_Server_Poll = 0;

    // Offset just after the last text: the image's length.
    uint32_t endOffset = bank3::kVariablePart;
};

// Init_MQTT_Data: mode 0, everything empty.
void Init_MQTT_Data(MQTTRecord& mqtt);

// Remove_CR_LF: the text without line feeds and carriage returns.
QString Remove_CR_LF(const QString& text);

// Get_MQTT_Data_Type: "STRING" 0, "INT" 1, "FLOAT" 2, "BASE64" 3, else 0.
uint32_t Get_MQTT_Data_Type(const QString& text);

// The MQTT connection values, and the TLS and NTP values, of ParGen.xml.
void Read_MQTT_Connection(const ParGenReader& reader, MQTTRecord& mqtt);
void Read_MQTT_TLS_NTP(const ParGenReader& reader, MQTTRecord& mqtt);

// Read_MQTT_Topic: fills both topic lists from MQTT_Set_Topic.xml (null when
// the file is missing) and lays out every offset. False, with `error` naming
// the file (`path`) and the row, when a row has no numeric QoS.
bool Read_MQTT_Topic(const ethercat_mqtt::MQTTTopicFile* topics, const QString& path, MQTTRecord& mqtt,
                     QString* error);

// Write_MQTT_String: the 12-byte string reference.
void Write_MQTT_String(const MQTTString& text, uint32_t loadAddress, ImageWriter& out);

// Build_Bank3: emits the image as laid out.
void Build_Bank3(const MQTTRecord& mqtt, uint32_t loadAddress, ImageWriter& out);

}  // namespace params

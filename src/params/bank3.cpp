#include "params/bank3.h"

#include "params/par_gen_reader.h"
#include "platform/strings.h"

namespace params {
namespace bank3_detail {

using ethercat_mqtt::MQTTPublishRow;
using ethercat_mqtt::MQTTSubscribeRow;

bool isYes(const QString& text)
{
    return text.toUpper() == QStringLiteral("Y");
}

uint32_t dataType(const QString& text)
{
    return Get_MQTT_Data_Type(platform::trimBlanks(text).toUpper());
}

// Lays out a text field: the next free offset, or the empty string.
void place(MQTTText& text, uint32_t& next)
{
    if (text.text.isEmpty()) {
        text.offset = bank3::kEmptyString;
    } else {
        text.offset = next;
        next += utf8StringSize(text.text);
    }
}

// Lays out a string-reference text: the next free offset, or 0 and 0.
void place(MQTTString& text, uint32_t& next)
{
    if (text.text.isEmpty()) {
        text.Address = 0;
        text.Len = 0;
    } else {
        text.Address = next;
        text.Len = static_cast<int32_t>(text.text.size());
        next += utf8StringSize(text.text);
    }
}

QString qosError(const QString& path, const char* list, size_t row, const QString& qos)
{
    return QStringLiteral("The file \"%1\": %2 topic %3 has no valid QoS (\"%4\"); choose 0, 1 or 2.")
        .arg(path, QLatin1String(list))
        .arg(row + 1)
        .arg(qos);
}

MQTTPublishData publishData(const MQTTPublishRow& row, int32_t qos)
{
    MQTTPublishData data;
    data.Publish_Topic.text = utf8Bytes(Remove_CR_LF(row.Topic));
    data.Retained = isYes(row.Retained) ? 1 : 0;
    data.QoS = qos;
    data.Options = (isYes(row.OnChange) ? 1u : 0u) | (isYes(row.OnTimer) ? 4u : 0u);
    data.Timer = (data.Options & 4u) ? static_cast<uint32_t>(platform::parseIntOr(platform::trimBlanks(row.Time), 0)) : 0;
    data.Type_Data = static_cast<uint16_t>(dataType(row.DataType));
    data.Length = static_cast<uint16_t>(platform::parseIntOr(row.Dimension, 4));
    data.Position = static_cast<uint32_t>(platform::parseIntOr(row.Position, 0));
    data.Output_Template.text = utf8Bytes(Remove_CR_LF(row.Template));
    data.Description.text = utf8Bytes(row.Mnemonic);
    return data;
}

MQTTSubscribeData subscribeData(const MQTTSubscribeRow& row)
{
    MQTTSubscribeData data;
    data.Type_SubData = dataType(row.DataType);
    data.Length = static_cast<uint32_t>(platform::parseIntOr(row.Dimension, 4));
    data.Position = static_cast<uint32_t>(platform::parseIntOr(row.Position, 0));
    data.Input_Template.text = utf8Bytes(row.Template);
    return data;
}

// Offsets of everything after the fixed part, in the order it is emitted.
void layOut(MQTTRecord& m)
{
    uint32_t p = bank3::kVariablePart;
    place(m.Server_Address, p);
    for (MQTTString* s : {&m.ClientID, &m.Will_TopicName, &m.Will_Message, &m.Username, &m.Password})
        place(*s, p);
    for (MQTTText* t : {&m.TLS_Server_Cert, &m.TLS_Client_Cert, &m.TLS_Client_Key, &m.TLS_Client_Key_Pass,
                        &m.NTP_Server_Address})
        place(*t, p);

    const auto n = static_cast<uint32_t>(m.Topic_Filters.size());
    m.Topic_Filters_Add = m.Topic_Filter_QoS_Add = m.Subscribe_Data_Add = 0;
    if (n > 0) {
        m.Topic_Filters_Add = p;
        p += bank3::kStringReferenceSize * n;
        for (MQTTString& filter : m.Topic_Filters)
            place(filter, p);
        m.Topic_Filter_QoS_Add = p;
        p += 4 * n;
        m.Subscribe_Data_Add = p;
        p += bank3::kSubscribeRecordSize * n;
        for (MQTTSubscribeData& data : m.Subscribe_Data) {
            place(data.Input_Template, p);
            place(data.Output_Template, p);
        }
    }

    const auto count = static_cast<uint32_t>(m.Publish_Data.size());
    m.Publish_Data_Add = 0;
    if (count > 0) {
        m.Publish_Data_Add = p;
        p += bank3::kPublishRecordSize * count;
        for (MQTTPublishData& data : m.Publish_Data) {
            place(data.Description, p);
            place(data.Publish_Topic, p);
            place(data.Input_Template, p);
            place(data.Output_Template, p);
        }
    }
    m.endOffset = p;
}

void writeText(const MQTTText& text, ImageWriter& out)
{
    Write_UTF8_String(text.text, out);
}

void writeText(const MQTTString& text, ImageWriter& out)
{
    Write_UTF8_String(text.text, out);
}

void writeChars(const char* fourChars, ImageWriter& out)
{
    out.bytes(fourChars, 4);
}

}  // namespace bank3_detail
using namespace bank3_detail;

void Init_MQTT_Data(MQTTRecord& mqtt)
{
    mqtt = MQTTRecord();
}

QString Remove_CR_LF(const QString& text)
{
    QString result = text;
    result.remove(u'\n');
    result.remove(u'\r');
    return result;
}

uint32_t Get_MQTT_Data_Type(const QString& text)
{
    if (text == QStringLiteral("INT"))
        return 1;
    if (text == QStringLiteral("FLOAT"))
        return 2;
    if (text == QStringLiteral("BASE64"))
        return 3;
    return 0;
}

void Read_MQTT_Connection(const ParGenReader& reader, MQTTRecord& m)
{
    if (!reader.exists())
        return;
    m.Mode = 2;
    m.Time_Poll = static_cast<uint32_t>(reader.integer("MQTT_ASync_Send_Time", 10));
    m.Server_Address.text = utf8Bytes(reader.text("MQTT_Server_URL"));
    m.Server_Port = static_cast<uint16_t>(reader.integer("MQTT_Server_Port", 1883));
    m.ClientID.text = utf8Bytes(reader.text("MQTT_Client_ID"));
    m.KeepAliveInterval = static_cast<uint16_t>(reader.integer("MQTT_Keep_Alive", 0));
    m.CleanSession = static_cast<uint8_t>(reader.integer("MQTT_Clean_Session", 0));
    m.WillFlag = static_cast<uint8_t>(reader.integer("MQTT_WillFlag", 0));
    m.Will_TopicName.text = utf8Bytes(reader.text("MQTT_Will_Topic_Name"));
    m.Will_Message.text = utf8Bytes(reader.text("MQTT_Will_Message"));
    m.Will_Retained = static_cast<uint8_t>(reader.integer("MQTT_Will_Retained", 0));
    m.Will_QoS = static_cast<uint8_t>(reader.listIndex("MQTT_Will_QoS", 3, 0));
    m.Username.text = utf8Bytes(reader.text("MQTT_Username"));
    m.Password.text = utf8Bytes(reader.text("MQTT_Password"));
}

void Read_MQTT_TLS_NTP(const ParGenReader& reader, MQTTRecord& m)
{
    if (!reader.exists())
        return;
    m.TLS_Flag = static_cast<uint32_t>(reader.integer("TLS_Enable", 0));
    m.TLS_Server_Authentication = static_cast<uint32_t>(reader.integer("TLS_En_Server_Auth", 0));
    m.TLS_Server_Cert.text = utf8Bytes(reader.text("TLS_Server_Auth_Certificate"));
    m.TLS_Client_Authentication = static_cast<uint32_t>(reader.integer("TLS_En_Client_Auth", 0));
    m.TLS_Client_Cert.text = utf8Bytes(reader.text("TLS_Client_Auth_Certificate"));
    m.TLS_Client_Key.text = utf8Bytes(reader.text("TLS_Client_Auth_Key"));
    m.TLS_Client_Key_Pass.text = utf8Bytes(reader.text("TLS_Client_Auth_Key_Password"));
    m.NTP_Server_Address.text = utf8Bytes(reader.text("NTP_Server_URL"));
    m.NTP_Server_Poll = static_cast<uint32_t>(reader.integer("NTP_Poll_Time", 1000));
}

bool Read_MQTT_Topic(const ethercat_mqtt::MQTTTopicFile* topics, const QString& path, MQTTRecord& m, QString* error)
{
    m.Publish_Data.clear();
    m.Topic_Filters.clear();
    m.Topic_Filter_QoS.clear();
    m.Subscribe_Data.clear();
    if (topics) {
        for (size_t i = 0; i < topics->Publish.size(); ++i) {
            const MQTTPublishRow& row = topics->Publish[i];
            const auto qos = platform::parseInt(row.QoS);
            if (!qos) {
                if (error)
                    *error = qosError(path, "publish", i, row.QoS);
                return false;
            }
            m.Publish_Data.push_back(publishData(row, *qos));
        }
        for (size_t i = 0; i < topics->Subscribe.size(); ++i) {
            const MQTTSubscribeRow& row = topics->Subscribe[i];
            const auto qos = platform::parseInt(row.QoS);
            if (!qos) {
                if (error)
                    *error = qosError(path, "subscribe", i, row.QoS);
                return false;
            }
            MQTTString filter;
            filter.text = utf8Bytes(Remove_CR_LF(row.Topic));
            m.Topic_Filters.push_back(filter);
            m.Topic_Filter_QoS.push_back(*qos);
            m.Subscribe_Data.push_back(subscribeData(row));
        }
    }
    layOut(m);
    return true;
}

void Write_MQTT_String(const MQTTString& text, uint32_t loadAddress, ImageWriter& out)
{
    const uint32_t address = text.Address == 0 ? 0 : loadAddress + text.Address;
    out.u32(address);
    out.u32(static_cast<uint32_t>(text.Len));
    out.u32(address);
}

void Build_Bank3(const MQTTRecord& m, uint32_t load, ImageWriter& out)
{
    out.u32(m.Mode);
    out.u32(m.Time_Poll);
    out.u32(load + m.Server_Address.offset);
    out.u16(m.Server_Port);
    writeChars("MQTC", out);
    out.u32(0);
    out.u8(4);
    Write_MQTT_String(m.ClientID, load, out);
    out.u16(m.KeepAliveInterval);
    out.u8(m.CleanSession);
    out.u8(m.WillFlag);
    writeChars("MQTW", out);
    out.u32(0);
    Write_MQTT_String(m.Will_TopicName, load, out);
    Write_MQTT_String(m.Will_Message, load, out);
    out.u8(m.Will_Retained);
    out.u8(m.Will_QoS);
    Write_MQTT_String(m.Username, load, out);
    Write_MQTT_String(m.Password, load, out);
    out.u32(static_cast<uint32_t>(m.Topic_Filters.size()));
    out.u32(load + m.Topic_Filters_Add);
    out.u32(load + m.Topic_Filter_QoS_Add);
    out.u32(load + m.Subscribe_Data_Add);
    out.u32(static_cast<uint32_t>(m.Publish_Data.size()));
    out.u32(load + m.Publish_Data_Add);
    out.u32(m.TLS_Flag);
    out.u32(m.TLS_Server_Authentication);
    out.u32(load + m.TLS_Server_Cert.offset);
    out.u32(static_cast<uint32_t>(m.TLS_Server_Cert.text.size()));
    out.u32(m.TLS_Client_Authentication);
    out.u32(load + m.TLS_Client_Cert.offset);
    out.u32(static_cast<uint32_t>(m.TLS_Client_Cert.text.size()));
    out.u32(load + m.TLS_Client_Key.offset);
    out.u32(static_cast<uint32_t>(m.TLS_Client_Key.text.size()));
    out.u32(0);
    out.u32(load + m.TLS_Client_Key_Pass.offset);
    out.u32(load + m.NTP_Server_Address.offset);
    out.u32(m.NTP_Server_Poll);
    out.u8(0);  // the empty string

    writeText(m.Server_Address, out);
    for (const MQTTString* s : {&m.ClientID, &m.Will_TopicName, &m.Will_Message, &m.Username, &m.Password})
        writeText(*s, out);
    for (const MQTTText* t : {&m.TLS_Server_Cert, &m.TLS_Client_Cert, &m.TLS_Client_Key, &m.TLS_Client_Key_Pass,
                              &m.NTP_Server_Address})
        writeText(*t, out);

    for (const MQTTString& filter : m.Topic_Filters)
        Write_MQTT_String(filter, load, out);
    for (const MQTTString& filter : m.Topic_Filters)
        writeText(filter, out);
    for (int32_t qos : m.Topic_Filter_QoS)
        out.u32(static_cast<uint32_t>(qos));
    for (const MQTTSubscribeData& d : m.Subscribe_Data) {
        out.u32(d.Position);
        out.u32(d.Length);
        out.u32(d.Type_SubData);
        out.u32(load + d.Input_Template.offset);
        out.u32(load + d.Output_Template.offset);
        out.u32(d.IP_Address);
        out.u16(d.Port);
        out.u8(d.Proto);
    }
    for (const MQTTSubscribeData& d : m.Subscribe_Data) {
        writeText(d.Input_Template, out);
        writeText(d.Output_Template, out);
    }

    for (const MQTTPublishData& d : m.Publish_Data) {
        out.u32(load + d.Description.offset);
        Write_MQTT_String(d.Publish_Topic, load, out);
        out.u8(d.Retained);
        out.u32(static_cast<uint32_t>(d.QoS));
        out.u32(load + d.Input_Template.offset);
        out.u32(load + d.Output_Template.offset);
        out.u32(d.Source_IP_Address);
        out.u32(d.Position);
        out.u16(d.Length);
        out.u16(d.Type_Data);
        out.u32(d.Timer);
        out.u32(d.Options);
    }
    for (const MQTTPublishData& d : m.Publish_Data) {
        writeText(d.Description, out);
        writeText(d.Publish_Topic, out);
        writeText(d.Input_Template, out);
        writeText(d.Output_Template, out);
    }
}

}  // namespace params

#include "params/par_gen_file.h"

#include <QSet>

#include "platform/paths.h"

namespace params {

const std::vector<ParGenElement>& parGenElements()
{
    using K = ParGenValueKind;
    static const std::vector<ParGenElement> elements = {
        {"Eth_Conn_Device_Name", K::Text, ""},
        {"Eth_Conn_DHCP_Cable", K::CheckBox, "0"},
        {"Eth_Conn_DHCP_WiFi", K::CheckBox, "0"},
        {"Eth_Conn_Enable_DNS", K::CheckBox, "0"},
        {"Eth_Conn_Primary_DNS1", K::Text, "8"},
        {"Eth_Conn_Primary_DNS2", K::Text, "8"},
        {"Eth_Conn_Primary_DNS3", K::Text, "8"},
        {"Eth_Conn_Primary_DNS4", K::Text, "8"},
        {"Eth_Conn_Secondary_DNS1", K::Text, "8"},
        {"Eth_Conn_Secondary_DNS2", K::Text, "8"},
        {"Eth_Conn_Secondary_DNS3", K::Text, "4"},
        {"Eth_Conn_Secondary_DNS4", K::Text, "4"},
        {"EtherCAT_Slave_Revision_Number", K::Text, "0"},
        {"EtherCAT_Slave_Name", K::Text, "devicename1"},
        {"EtherCAT_Slave_Node_Address", K::Text, "1"},
        {"EtherCAT_Slave_Clear_Data", K::CheckBox, "0"},
        {"Ethernet_IP1", K::Text, "192"},
        {"Ethernet_IP2", K::Text, "168"},
        {"Ethernet_IP3", K::Text, "0"},
        {"Ethernet_IP4", K::Text, "5"},
        {"Ethernet_SM1", K::Text, "255"},
        {"Ethernet_SM2", K::Text, "255"},
        {"Ethernet_SM3", K::Text, "255"},
        {"Ethernet_SM4", K::Text, "0"},
        {"Ethernet_GAT1", K::Text, "192"},
        {"Ethernet_GAT2", K::Text, "168"},
        {"Ethernet_GAT3", K::Text, "0"},
        {"Ethernet_GAT4", K::Text, "1"},
        {"Ethernet_EN_GAT", K::CheckBox, "0"},
        {"Select_Device", K::ListIndex, "0"},
        {"MQTT_Server_URL", K::Text, ""},
        {"MQTT_Server_Port", K::Text, "1883"},
        {"MQTT_Client_ID", K::Text, ""},
        {"MQTT_Keep_Alive", K::Text, ""},
        {"MQTT_Clean_Session", K::CheckBox, "0"},
        {"MQTT_WillFlag", K::CheckBox, "0"},
        {"MQTT_Will_Topic_Name", K::Text, ""},
        {"MQTT_Will_Message", K::Text, ""},
        {"MQTT_Will_Retained", K::CheckBox, "0"},
        {"MQTT_Will_QoS", K::ListIndex, "0"},
        {"MQTT_PublishTopicConnection", K::CheckBox, "0"},
        {"MQTT_Connection_Topic_Name", K::Text, ""},
        {"MQTT_Connection_Message", K::Text, ""},
        {"MQTT_Connection_Retained", K::CheckBox, "0"},
        {"MQTT_Username", K::Text, ""},
        {"MQTT_Password", K::Text, ""},
        {"MQTT_ASync_Send_Time", K::Text, ""},
        {"MQTT_Topic_DALI_Answer", K::Text, ""},
        {"MQTT_Enable_Reprogram", K::CheckBox, "0"},
        {"MQTT_Reprogram_Topic", K::Text, ""},
        {"MQTT_Reprogram_Value", K::Text, ""},
        {"WiFi_Type", K::ListIndex, "0"},
        {"WiFi_IP1", K::Text, "192"},
        {"WiFi_IP2", K::Text, "168"},
        {"WiFi_IP3", K::Text, "0"},
        {"WiFi_IP4", K::Text, "100"},
        {"WiFi_SM1", K::Text, "255"},
        {"WiFi_SM2", K::Text, "255"},
        {"WiFi_SM3", K::Text, "255"},
        {"WiFi_SM4", K::Text, "0"},
        {"WiFi_EN_Gateway", K::NumericCheckBox, "0"},
        {"WiFi_GAT1", K::Text, "192"},
        {"WiFi_GAT2", K::Text, "168"},
        {"WiFi_GAT3", K::Text, "0"},
        {"WiFi_GAT4", K::Text, "1"},
        {"WiFi_IP2_IP1", K::Text, "192"},
        {"WiFi_IP2_IP2", K::Text, "168"},
        {"WiFi_IP2_IP3", K::Text, "0"},
        {"WiFi_IP2_IP4", K::Text, "110"},
        {"WiFi_IP2_SM1", K::Text, "255"},
        {"WiFi_IP2_SM2", K::Text, "255"},
        {"WiFi_IP2_SM3", K::Text, "255"},
        {"WiFi_IP2_SM4", K::Text, "0"},
        {"WiFi_IP2_EN_Gateway", K::NumericCheckBox, "0"},
        {"WiFi_IP2_GAT1", K::Text, "192"},
        {"WiFi_IP2_GAT2", K::Text, "168"},
        {"WiFi_IP2_GAT3", K::Text, "0"},
        {"WiFi_IP2_GAT4", K::Text, "1"},
        {"WiFi_SSID", K::Text, ""},
        {"WiFi_PWD", K::Text, ""},
        {"WiFi_Secure_Type", K::ListIndex, "0"},
        {"WiFi_EN_DHCP", K::NumericCheckBox, "0"},
        {"WiFi_DHCP_First_IP1", K::Text, "192"},
        {"WiFi_DHCP_First_IP2", K::Text, "168"},
        {"WiFi_DHCP_First_IP3", K::Text, "0"},
        {"WiFi_DHCP_First_IP4", K::Text, "200"},
        {"WiFi_DHCP_SM1", K::Text, "255"},
        {"WiFi_DHCP_SM2", K::Text, "255"},
        {"WiFi_DHCP_SM3", K::Text, "255"},
        {"WiFi_DHCP_SM4", K::Text, "0"},
        {"WiFi_Lease_Time", K::Text, "86400"},
        {"WiFi_Max_Client", K::ListIndex, "0"},
        {"WiFi_Channel", K::ListIndex, "1"},
        {"TLS_Enable", K::NumericCheckBox, "0"},
        {"TLS_En_Server_Auth", K::NumericCheckBox, "0"},
        {"TLS_Server_Auth_Certificate", K::Text, ""},
        {"TLS_En_Client_Auth", K::NumericCheckBox, "0"},
        {"TLS_Client_Auth_Certificate", K::Text, ""},
        {"TLS_Client_Auth_Key", K::Text, ""},
        {"TLS_Client_Auth_Key_Password", K::Text, ""},
        {"NTP_Server_URL", K::Text, ""},
        {"NTP_Poll_Time", K::Text, ""},
        {"GSM_GPRS_PIN", K::Text, ""},
        {"GSM_GPRS_APN", K::Text, ""},
        {"GSM_GPRS_AUTHTYPE", K::ListText, "None"},
        {"GSM_GPRS_USERNAME", K::Text, ""},
        {"GSM_GPRS_PASSWORD", K::Text, ""},
    };
    return elements;
}

std::optional<QString> ParGenFile::value(const QString& name) const
{
    const auto it = values_.constFind(name);
    if (it == values_.constEnd())
        return std::nullopt;
    return *it;
}

QString ParGenFile::formValue(const QString& name) const
{
    if (const auto text = value(name))
        return *text;
    if (!exists_ && name == QStringLiteral("MQTT_ASync_Send_Time"))
        return QStringLiteral("10");
    for (const ParGenElement& element : parGenElements())
        if (name == QLatin1String(element.name))
            return QString::fromLatin1(element.formDefault);
    return {};
}

void ParGenFile::set(const QString& name, const QString& text)
{
    values_.insert(name, text);
}

bool readParGenFile(const QString& path, platform::XmlDocument& doc, ParGenFile& file, QString* error)
{
    file = ParGenFile();
    doc.clear();
    if (path.isEmpty() || !platform::fileExists(path))
        return true;
    QString reason;
    if (!doc.load(path, &reason)) {
        if (error)
            *error = QStringLiteral("The file \"%1\" cannot be read: %2").arg(path, reason);
        return false;
    }
    file.setExists(true);
    QSet<QString> seen;
    for (const platform::XmlElement& element : doc.root().children()) {
        // The first element of a name counts; one holding elements of its
        // own cannot be read and counts as missing.
        const QString name = element.name();
        if (seen.contains(name))
            continue;
        seen.insert(name);
        if (element.children().empty())
            file.set(name, element.text());
    }
    return true;
}

bool writeParGenFile(const QString& path, platform::XmlDocument& doc, const QHash<QString, QString>& values,
                     QString* error)
{
    doc.clear();
    platform::XmlElement root = doc.appendRoot(kParGenRoot);
    doc.appendComment(kParGenVersionComment);
    for (const ParGenElement& element : parGenElements()) {
        const QString name = QString::fromLatin1(element.name);
        root.appendTextChild(name, values.value(name, QString::fromLatin1(element.formDefault)));
    }
    return doc.save(path, error);
}

}  // namespace params

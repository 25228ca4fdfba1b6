#include "params/forms/par_gen_panels.h"

#include <cstring>

namespace params {
namespace par_gen_panels_detail {

using K = ParGenRowKind;

ParGenRow makeRow(ParGenRowKind kind, const char* name, const char* fields = nullptr)
{
    ParGenRow r;
    r.kind = kind;
    r.name = name;
    r.fields = fields;
    return r;
}

ParGenRow capped(ParGenRow row)
{
    row.imageCapacity = true;
    return row;
}

ParGenRow edit(const char* name, int id = 0, int maxLength = 0, bool digits = false, bool lower = false)
{
    ParGenRow r = makeRow(K::Edit, name);
    r.firstTextId = id;
    r.maxLength = maxLength;
    r.digitsOnly = digits;
    r.lowerCase = lower;
    return r;
}

ParGenRow rich(const char* name, int id = 0, int height = 21, int offset = 3)
{
    ParGenRow r = makeRow(K::Rich, name);
    r.firstTextId = id;
    r.fieldHeight = height;
    r.fieldOffset = offset;
    return r;
}

ParGenRow list(const char* name, QStringList items, int id = 0)
{
    ParGenRow r = makeRow(K::List, name);
    r.firstTextId = id;
    r.items = std::move(items);
    return r;
}

ParGenRow address(const char* stem, int id = 0)
{
    ParGenRow r = makeRow(K::Address, stem);
    r.firstTextId = id;
    return r;
}

ParGenRow check(const char* name, int id = 0)
{
    ParGenRow r = makeRow(K::Check, name);
    r.firstTextId = id;
    return r;
}

ParGenRow gateway(const char* box, const char* fields, int id = 0)
{
    ParGenRow r = makeRow(K::Gateway, box, fields);
    r.firstTextId = id;
    r.fieldOffset = 2;
    return r;
}

ParGenRow caption(const char* name, int id = 0)
{
    ParGenRow r = makeRow(K::Caption, name);
    r.firstTextId = id;
    return r;
}

ParGenRow checkField(const char* box, const char* field, int id = 0)
{
    ParGenRow r = makeRow(K::CheckField, box, field);
    r.firstTextId = id;
    r.fieldOffset = 2;
    return r;
}

// The address, subnet mask and gateway rows of a panel whose names start
// with `p` (E_<p>_IP1.., E_<p>_SM1.., CB_<p>_En_GAT with E_<p>_GAT1..).
std::vector<ParGenRow> ipBlock(const char* ip, const char* sm, const char* box, const char* gat, int id = 0)
{
    return {address(ip, id), address(sm), gateway(box, gat)};
}

std::vector<ParGenRow> operator+(std::vector<ParGenRow> a, const std::vector<ParGenRow>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const QStringList kSerialTypes = {"RS232", "RS485"};
const QStringList kSerialBauds = {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"};
const QStringList kParities = {"NONE", "ODD", "EVEN"};
const QStringList kStopBits = {"1 Stop Bits", "2 Stop Bits"};
const QStringList kCanBauds = {"10K", "20K", "50K", "62.5K", "100K", "125K", "250K", "500K", "800K", "1000K"};
const QStringList kCanOpenBauds = {"10K", "20K", "50K", "100K", "125K", "250K", "500K", "800K", "1000K", ""};
const QStringList kDeviceNetBauds = {"125K", "250K", "500K"};
const QStringList kBacnetTypes = {"BACnet/IP", "BACnet MS/TP"};
const QStringList kBacnetBauds = {"9600", "19200", "38400", "57600", "76800", "115200"};

std::vector<ParGenRow> serialRows(const char* p)
{
    // The four serial lists; `p` selects the panel's names.
    static const char* const names[][4] = {
        {"CB_Serial_Type", "CB_Serial_Baudrate", "CB_Serial_Parity", "CB_Serial_StopBits"},
        {"CB_Modbus_Master_Serial", "CB_Modbus_Master_Baudrate", "CB_Modbus_Master_Parity",
         "CB_Modbus_Master_StopBits"},
        {"CB_Modbus_Slave_Serial", "CB_Modbus_Slave_Baudrate", "CB_Modbus_Slave_Parity", "CB_Modbus_Slave_StopBits"},
    };
    const int k = std::strcmp(p, "Serial") == 0 ? 0 : std::strcmp(p, "Modbus_Master") == 0 ? 1 : 2;
    return {list(names[k][0], kSerialTypes), list(names[k][1], kSerialBauds), list(names[k][2], kParities),
            list(names[k][3], kStopBits)};
}

std::vector<ParGenPanel> buildPanels()
{
    using D = ParGenDhcpSwitch;
    std::vector<ParGenPanel> p;
    // ------------------------------------------------ this variant's panels
    p.push_back({"CP_Ethernet_Connection", 1544, 1562, "E_EthConn_Sec_DNS_IP4", D::None,
                 {edit("E_EthConn_Device_Name", 1545, 31), check("CB_EthConn_En_DHCP_Cable"),
                  check("CB_EthConn_En_DHCP_WiFi"), check("CB_EthConn_Enable_DNS"), address("E_EthConn_Pri_DNS_IP"),
                  address("E_EthConn_Sec_DNS_IP")}});
    p.push_back({"CP_EtherCAT_Slave", 406, 1685, "CB_EtherCAT_Slave_Clear_Data", D::None,
                 {edit("E_EtherCAT_Slave_Revision_Number", 413, 0, true), edit("E_EtherCAT_Slave_Name", 415, 15),
                  edit("E_EtherCAT_Slave_Node_Address", 987, 0, true), check("CB_EtherCAT_Slave_Clear_Data", 1684)}});
    p.push_back({"CP_Select_Device", 1610, 1612, "CB_Select_Device_Device", D::None,
                 {list("CB_Select_Device_Device",
                       {"Only Ethernet Cable ", "Ethernet Cable + Wi-Fi", "Ethernet Cable + Mobile Connection"},
                       1611)}});
    p.push_back({"CP_MQTT", 858, 1586, "E_MQTT_Password", D::None,
                 {edit("E_MQTT_Server", 859), edit("E_MQTT_Server_Port"), edit("E_MQTT_Client_ID"),
                  edit("E_MQTT_Keep_Alive"), check("CB_MQTT_Clean_Session"), check("CB_MQTT_WillFlag"),
                  edit("E_MQTT_Will_TopicName"), edit("E_MQTT_Will_Message"), check("CB_MQTT_Will_Retained"),
                  list("CB_MQTT_Will_QoS", {"0", "1", "2"}), check("CB_MQTT_PublishTopicConnection", 1571),
                  edit("E_MQTT_Connection_TopicName"), edit("E_MQTT_Connection_Message"),
                  check("CB_MQTT_Connection_Retained"), edit("E_MQTT_Username", 879), rich("E_MQTT_Password"),
                  edit("E_MQTT_ASync_Send_Time"), edit("E_MQTT_TopicDALIAns", 1579), check("CB_MQTT_Enable_ReProgram"),
                  edit("E_MQTT_Reprogram_Topic"), edit("E_MQTT_Reproram_Value")}});
    p.push_back({"CP_Ethernet", 693, 719, "E_Ethernet_GAT4", D::WithGateway,
                 ipBlock("E_Ethernet_IP", "E_Ethernet_SM", "CB_Ethernet_En_GAT", "E_Ethernet_GAT", 694) +
                     std::vector<ParGenRow>{edit("E_Ethernet_TCP_Port", 716), edit("E_Ethernet_UDP_Port")}});
    p.push_back({"CP_TLS", 1300, 1314, "E_TLS_Client_Cert_Key_Pass", D::None,
                 {check("CB_TLS_Enable", 1301), check("CB_TLS_En_Server_Auth"), rich("E_TLS_Server_Cert", 0, 23, 5),
                  check("CB_TLS_En_Client_Auth"), rich("E_TLS_Client_Cert", 0, 23, 5),
                  rich("E_TLS_Client_Cert_Key", 0, 23, 5), edit("E_TLS_Client_Cert_Key_Pass")}});
    p.push_back({"CP_NTP", 1315, 1319, "E_NTP_Poll_Time", D::None,
                 {edit("E_NTP_Server_URL", 1316), edit("E_NTP_Poll_Time")}});
    p.push_back({"CP_WiFi2", 885, 951, "CB_WiFi2_Channel", D::None,
                 std::vector<ParGenRow>{list("CB_WiFi2_Type", {"Access Point", "Station"}, 886),
                                        caption("L_WiFi2_IP1", 890)} +
                     ipBlock("E_WiFi2_IP1_IP", "E_WiFi2_IP1_SM", "CB_WiFi2_IP1_En_GAT", "E_WiFi2_IP1_GAT") +
                     std::vector<ParGenRow>{caption("L_WiFi2_IP2", 907)} +
                     ipBlock("E_WiFi2_IP2_IP", "E_WiFi2_IP2_SM", "CB_WiFi2_IP2_En_GAT", "E_WiFi2_IP2_GAT") +
                     std::vector<ParGenRow>{
                         capped(edit("E_WiFi2_SSID", 924, 32)), capped(edit("E_WiFi2_Password", 926, 64)),
                         list("CB_WiFi2_Secure_Type", {"Unsecured", "WPA", "WPA2", "WEP"}, 928),
                         check("CB_WiFi2_En_DHCP", 934), address("E_WiFi2_DHCP_First_IP"), address("E_WiFi2_DHCP_SM"),
                         edit("E_WiFi2_Lease_Time"),
                         list("CB_WiFi2_Max_Client", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}),
                         list("CB_WiFi2_Channel",
                              {"Auto Search", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"})}});
    p.push_back({"CP_GSM_GPRS", 1613, 1623, "E_GSM_GPRS_Password", D::None,
                 {edit("E_GSM_GPRS_PIN", 1614, 8, true), edit("E_GSM_GPRS_APN"),
                  list("CB_GSM_GPRS_AuthType", {"None", "PAP", "CHAP", "PAP or CHAP"}),
                  edit("E_GSM_GPRS_UserName", 0, 32), edit("E_GSM_GPRS_Password", 0, 32)}});

    // ------------------------------------------------ the other variants' panels
    p.push_back({"CP_Serial", 449, 457, "CB_Serial_StopBits", D::None, serialRows("Serial")});
    p.back().rows.front().firstTextId = 450;
    p.push_back({"CP_Modbus_Master", 459, 471, "E_Modbus_Master_Cyclic_Delay", D::None,
                 serialRows("Modbus_Master") + std::vector<ParGenRow>{edit("E_Modbus_Master_TimeOut", 0, 0, true),
                                                                      edit("E_Modbus_Master_Cyclic_Delay", 0, 0, true)}});
    p.back().rows.front().firstTextId = 460;
    p.push_back({"CP_Modbus_Slave", 475, 487, "CB_Modbus_Slave_Read_Input", D::None,
                 serialRows("Modbus_Slave") + std::vector<ParGenRow>{edit("E_Modbus_Slave_ID_Device", 0, 0, true),
                                                                     check("CB_Modbus_Slave_Read_Input")}});
    p.back().rows.front().firstTextId = 476;
    p.push_back({"CP_Modbus_TCP_Master", 490, 510, "E_Modbus_TCP_Master_Cyclic_Delay", D::WithGateway,
                 ipBlock("E_Modbus_TCP_Master_IP", "E_Modbus_TCP_Master_SM", "CB_Modbus_TCP_Master_En_GAT",
                         "E_Modbus_TCP_Master_GAT", 491) +
                     std::vector<ParGenRow>{edit("E_Modbus_TCP_Master_TimeOut", 0, 0, true),
                                            edit("E_Modbus_TCP_Master_Cyclic_Delay", 0, 0, true)}});
    p.push_back({"CP_Modbus_TCP_Slave", 417, 435, "E_Modbus_TCP_Slave_Port", D::WithGateway,
                 ipBlock("E_Modbus_TCP_Slave_IP", "E_Modbus_TCP_Slave_SM", "CB_Modbus_TCP_Slave_En_GAT",
                         "E_Modbus_TCP_Slave_GAT", 418) +
                     std::vector<ParGenRow>{edit("E_Modbus_TCP_Slave_Port", 0, 0, true)}});
    p.push_back({"CP_BACnet_Master", 525, 565, "E_BACnet_Master_Device_Instance", D::None,
                 std::vector<ParGenRow>{list("CB_BACnet_Master_Type", kBacnetTypes, 526)} +
                     ipBlock("E_BACnet_Master_IP", "E_BACnet_Master_SM", "CB_BACnet_Master_En_GAT",
                             "E_BACnet_Master_GAT") +
                     std::vector<ParGenRow>{
                         edit("E_BACnet_Master_Port", 0, 0, true), edit("E_BACnet_Master_Name", 0, 15, false, true),
                         edit("E_BACnet_Master_Device_ID", 0, 0, true), edit("E_BACnet_Master_TimeOut", 0, 0, true),
                         list("CB_BACnet_Master_Baudrate", kBacnetBauds), list("CB_BACnet_Master_Parity", kParities),
                         edit("E_BACnet_Master_Ser_Name", 0, 15, false, true),
                         edit("E_BACnet_Master_MAC", 0, 0, true), edit("E_BACnet_Master_Max_Master", 0, 15, false, true),
                         edit("E_BACnet_Master_Max_Info_Frame", 0, 0, true),
                         edit("E_BACnet_Master_Device_Instance", 0, 15, false, true)}});
    p.push_back({"CP_BACnet_Slave", 587, 629, "CB_BACnet_Slave_Desc_32", D::None,
                 std::vector<ParGenRow>{list("CB_BACnet_Slave_Type", kBacnetTypes, 588)} +
                     ipBlock("E_BACnet_Slave_IP", "E_BACnet_Slave_SM", "CB_BACnet_Slave_En_GAT",
                             "E_BACnet_Slave_GAT") +
                     std::vector<ParGenRow>{
                         edit("E_BACnet_Slave_Port", 0, 0, true), edit("E_BACnet_Slave_Name", 0, 15, false, true),
                         edit("E_BACnet_Slave_Device_ID", 0, 0, true), list("CB_BACnet_Slave_Baudrate", kBacnetBauds),
                         list("CB_BACnet_Slave_Parity", kParities), edit("E_BACnet_Slave_Ser_Name", 0, 15, false, true),
                         edit("E_BACnet_Slave_MAC", 0, 0, true), edit("E_BACnet_Slave_Max_Master", 0, 15, false, true),
                         edit("E_BACnet_Slave_Max_Info_Frame", 0, 0, true),
                         edit("E_BACnet_Slave_Device_Instance", 0, 15, false, true),
                         edit("E_BACnet_Slave_NetWork", 0, 0, true), check("CB_BACnet_Slave_Desc_32")}});
    p.push_back({"CP_CAN", 651, 653, "CB_CAN_Baudrate", D::None, {list("CB_CAN_Baudrate", kCanBauds, 652)}});
    p.push_back({"CP_CANopen", 654, 665, "E_CANopen_SDO_TimeOut", D::None,
                 {edit("E_CANopen_ID_Device", 655, 0, true), list("CB_CANopen_Baudrate", kCanOpenBauds),
                  check("CB_CANopen_Operational"), check("CB_CANopen_Network_Start"),
                  edit("E_CANopen_Delay", 0, 0, true), edit("E_CANopen_SDO_TimeOut", 0, 0, true)}});
    p.push_back({"CP_DeviceNet_Master", 669, 673, "CB_DeviceNet_Master_Baudrate", D::None,
                 {edit("E_DeviceNet_Master_ID_Device", 670, 0, true),
                  list("CB_DeviceNet_Master_Baudrate", kDeviceNetBauds)}});
    p.push_back({"CP_DeviceNet_Slave", 675, 683, "E_DeviceNet_Slave_Byte_Out", D::None,
                 {edit("E_DeviceNet_Slave_ID_Device", 676, 0, true),
                  list("CB_DeviceNet_Slave_Baudrate", kDeviceNetBauds), edit("E_DeviceNet_Slave_Byte_In", 0, 0, true),
                  edit("E_DeviceNet_Slave_Byte_Out", 0, 0, true)}});
    p.push_back({"CP_DMX", 687, 691, "E_DMX_Channel_Number", D::None,
                 {list("CB_DMX_Type", {"IN", "OUT"}, 688), edit("E_DMX_Channel_Number", 0, 0, true)}});
    p.push_back({"CP_EtherNetIP", 738, 760, "E_EtherNetIP_Bytes_Output", D::None,
                 ipBlock("E_EtherNetIP_IP", "E_EtherNetIP_SM", "CB_EtherNetIP_En_GAT", "E_EtherNetIP_GAT", 739) +
                     std::vector<ParGenRow>{edit("E_EtherNetIP_Port", 0, 0, true),
                                            edit("E_EtherNetIP_Bytes_Input", 0, 0, true),
                                            edit("E_EtherNetIP_Bytes_Output", 0, 0, true)}});
    p.push_back({"CP_IEC61850_Client", 780, 800, "E_IEC61850_Client_App_ID", D::WithGateway,
                 ipBlock("E_IEC61850_Client_IP", "E_IEC61850_Client_SM", "CB_IEC61850_Client_En_GAT",
                         "E_IEC61850_Client_GAT", 781) +
                     std::vector<ParGenRow>{edit("E_IEC61850_Client_VLAN", 0, 8, true),
                                            edit("E_IEC61850_Client_App_ID")}});
    // The server panel's Port and Password rows take the first ids of its block.
    p.push_back({"CP_IEC61850_Server", 813, 833, "E_IEC61850_Server_Password", D::WithGateway,
                 ipBlock("E_IEC61850_Server_IP", "E_IEC61850_Server_SM", "CB_IEC61850_Server_En_GAT",
                         "E_IEC61850_Server_GAT", 818) +
                     std::vector<ParGenRow>{edit("E_IEC61850_Server_Port", 814, 0, true),
                                            edit("E_IEC61850_Server_Password")}});
    p.push_back({"CP_J1939", 847, 855, "E_J1939_ID_Device", D::None,
                 {list("CB_J1939_Baudrate", kCanBauds, 848), edit("E_J1939_TimeOut", 0, 0, true),
                  check("CB_J1939_Peer_To_Peer"), edit("E_J1939_ID_Device", 0, 0, true)}});
    p.push_back({"CP_NMEA2000", 1321, 1327, "CB_NMEA2000_Peer_To_Peer", D::None,
                 {list("CB_NMEA2000_Baudrate", kCanBauds, 1322), edit("E_NMEA2000_TimeOut", 0, 0, true),
                  check("CB_NMEA2000_Peer_To_Peer")}});
    p.push_back({"CP_OPC_UA_Client", 1329, 1345, "E_OPC_UA_Client_GAT4", D::WithGateway,
                 ipBlock("E_OPC_UA_Client_IP", "E_OPC_UA_Client_SM", "CB_OPC_UA_Client_En_GAT", "E_OPC_UA_Client_GAT",
                         1330)});
    p.push_back({"CP_OPC_UA_Server", 1368, 1392, "E_OPC_UA_Server_Port", D::WithGateway,
                 ipBlock("E_OPC_UA_Server_IP", "E_OPC_UA_Server_SM", "CB_OPC_UA_Server_En_GAT", "E_OPC_UA_Server_GAT",
                         1369) +
                     std::vector<ParGenRow>{edit("E_OPC_UA_Server_Port", 1391, 0, true)}});
    p.push_back({"CP_PROFINET", 1406, 1687, "CB_PROFINET_Disable_Reset", D::WithGateway,
                 ipBlock("E_PROFINET_IP", "E_PROFINET_SM", "CB_PROFINET_En_GAT", "E_PROFINET_GAT", 1407) +
                     std::vector<ParGenRow>{edit("E_PROFINET_Tunneling_Port", 0, 0, true),
                                            edit("E_PROFINET_Name_Station", 0, 15, false, true),
                                            edit("E_PROFINET_Bytes_Input", 0, 0, true),
                                            edit("E_PROFINET_Bytes_Output", 0, 0, true),
                                            checkField("CB_PROFINET_Diagnostic", "E_PROFINET_Diagnostic"),
                                            check("CB_PROFINET_Disable_Reset", 1686)}});
    p.push_back({"CP_SNMP_Manager", 1450, 1467, "E_SNMP_Manager_Name_Station", D::WithGateway,
                 ipBlock("E_SNMP_Manager_IP", "E_SNMP_Manager_SM", "CB_SNMP_Manager_En_GAT", "E_SNMP_Manager_GAT",
                         1451) +
                     std::vector<ParGenRow>{edit("E_SNMP_Manager_Name_Station", 0, 15, false, true)}});
    p.push_back({"CP_SNMP_Agent", 1480, 1518, "E_SNMP_Agent_PrivacyMode", D::WithGateway,
                 ipBlock("E_SNMP_Agent_IP", "E_SNMP_Agent_SM", "CB_SNMP_Agent_En_GAT", "E_SNMP_Agent_GAT", 1481) +
                     std::vector<ParGenRow>{
                         edit("E_SNMP_Agent_Name_Station", 0, 15, false, true), edit("E_SNMP_Agent_Contact", 0, 16),
                         edit("E_SNMP_Agent_Location", 0, 16), check("CB_SNMP_Agent_Version1"),
                         check("CB_SNMP_Agent_Version2"), check("CB_SNMP_Agent_Version3"),
                         edit("E_SNMP_Agent_User", 0, 19),
                         list("CB_SNMP_Agent_SecurityLevel",
                              {"NoAuthority NoPrivacy", "Authority NoPrivacy", "Authority Privacy"}),
                         edit("E_SNMP_Agent_Authority", 0, 15), list("CB_SNMP_Agent_AuthorityMode", {"MD5", "SHA"}),
                         edit("E_SNMP_Agent_Privacy", 0, 15), list("CB_SNMP_Agent_PrivacyMode", {"DES", "AES"})}});
    p.push_back({"CP_TLS_Server", 1531, 1543, "CB_TLS_Server_Known_Cert", D::None,
                 {check("CB_TLS_Server_Enable", 1532), rich("E_TLS_Server_Key", 0, 23, 5),
                  edit("E_TLS_Server_Key_Pass"), rich("E_TLS_Server_Server_Cert", 0, 23, 5),
                  rich("E_TLS_Server_Root_Cert", 0, 23, 5), check("CB_TLS_Server_Known_Cert")}});
    p.push_back({"CP_EtherNetIP_Master", 1624, 1642, "E_EtherNetIP_Master_Port", D::WithoutGateway,
                 ipBlock("E_EtherNetIP_Master_IP", "E_EtherNetIP_Master_SM", "CB_EtherNetIP_Master_En_GAT",
                         "E_EtherNetIP_Master_GAT", 1625) +
                     std::vector<ParGenRow>{edit("E_EtherNetIP_Master_Port", 0, 0, true)}});
    p.push_back({"CP_S7_Protocol", 1655, 1671, "E_S7_Protocol_GAT4", D::WithoutGateway,
                 ipBlock("E_S7_Protocol_IP", "E_S7_Protocol_SM", "CB_S7_Protocol_En_GAT", "E_S7_Protocol_GAT", 1656)});
    return p;
}

QString withoutPrefix(const QString& name)
{
    if (name.startsWith(QLatin1String("CB_")))
        return name.mid(3);
    if (name.startsWith(QLatin1String("E_")))
        return name.mid(2);
    return name;
}

}  // namespace par_gen_panels_detail

int ParGenRow::textCount() const
{
    switch (kind) {
    case ParGenRowKind::Address:
        return 5;
    case ParGenRowKind::Gateway:
        return 6;
    case ParGenRowKind::Caption:
        return 1;
    case ParGenRowKind::CheckField:
        return 3;
    default:
        return 2;
    }
}

QStringList ParGenRow::fieldNames() const
{
    const QString n = QString::fromLatin1(name);
    switch (kind) {
    case ParGenRowKind::Address:
        return {n + '1', n + '2', n + '3', n + '4'};
    case ParGenRowKind::Gateway: {
        const QString f = QString::fromLatin1(fields);
        return {f + '1', f + '2', f + '3', f + '4'};
    }
    case ParGenRowKind::CheckField:
        return {QString::fromLatin1(fields)};
    case ParGenRowKind::Check:
    case ParGenRowKind::Caption:
        return {};
    default:
        return {n};
    }
}

QString ParGenRow::labelName() const
{
    switch (kind) {
    case ParGenRowKind::Caption:
        return QString::fromLatin1(name);
    case ParGenRowKind::Check:
    case ParGenRowKind::Gateway:
    case ParGenRowKind::CheckField:
        return {};
    default:
        return QStringLiteral("L_") + par_gen_panels_detail::withoutPrefix(QString::fromLatin1(name));
    }
}

QStringList ParGenRow::dotNames() const
{
    if (kind != ParGenRowKind::Address && kind != ParGenRowKind::Gateway)
        return {};
    const QString stem =
        QStringLiteral("L_") +
        par_gen_panels_detail::withoutPrefix(QString::fromLatin1(kind == ParGenRowKind::Address ? name : fields));
    return {stem + QStringLiteral("_Dot1"), stem + QStringLiteral("_Dot2"), stem + QStringLiteral("_Dot3")};
}

QString ParGenRow::keyControl() const
{
    switch (kind) {
    case ParGenRowKind::Check:
    case ParGenRowKind::Gateway:
    case ParGenRowKind::CheckField:
        return QString::fromLatin1(name);
    case ParGenRowKind::Caption:
        return QString::fromLatin1(name);
    default:
        return fieldNames().front();
    }
}

const std::vector<ParGenPanel>& parGenPanels()
{
    static const std::vector<ParGenPanel> panels = par_gen_panels_detail::buildPanels();
    return panels;
}

const ParGenPanel* findParGenPanel(const QString& name)
{
    for (const ParGenPanel& panel : parGenPanels())
        if (name == QLatin1String(panel.name))
            return &panel;
    return nullptr;
}

const std::vector<ParGenVariant>& parGenVariants()
{
    static const std::vector<ParGenVariant> variants = {
        {"41T00", {"CP_Serial", "CP_Ethernet"}},
        {"41T01", {"CP_Modbus_Master", "CP_Ethernet"}},
        {"41T02", {"CP_Modbus_Slave", "CP_Ethernet"}},
        {"41T03", {"CP_Modbus_TCP_Master"}},
        {"41T04", {"CP_Modbus_TCP_Slave"}},
        {"41T05", {"CP_BACnet_Master", "CP_Ethernet"}},
        {"41T06", {"CP_BACnet_Slave", "CP_Ethernet"}},
        {"41T07", {"CP_CAN", "CP_Ethernet"}},
        {"41T08", {"CP_CANopen", "CP_Ethernet"}},
        {"41T09", {"CP_DeviceNet_Master", "CP_Ethernet"}},
        {"41T10", {"CP_DeviceNet_Slave", "CP_Ethernet"}},
        {"41T11", {"CP_DMX", "CP_Ethernet"}},
        {"41T12", {"CP_Ethernet"}},
        {"41T13", {"CP_EtherNetIP"}},
        {"41T14", {"CP_IEC61850_Client"}},
        {"41T15", {"CP_IEC61850_Server", "CP_TLS_Server"}},
        {"41T16", {"CP_J1939", "CP_Ethernet"}},
        {"41T17",
         {"CP_Select_Device", "CP_MQTT", "CP_Ethernet", "CP_TLS", "CP_NTP", "CP_WiFi2", "CP_GSM_GPRS"}},
        {"41T19", {"CP_NMEA2000", "CP_Ethernet"}},
        {"41T20", {"CP_OPC_UA_Client", "CP_NTP"}},
        {"41T21", {"CP_OPC_UA_Server", "CP_NTP"}},
        {"41T23", {"CP_PROFINET"}},
        {"41T24", {"CP_SNMP_Manager"}},
        {"41T25", {"CP_SNMP_Agent"}},
        {"41T26", {"CP_EtherNetIP_Master"}},
        {"41T27", {"CP_EtherNetIP"}},
        {"41T28", {"CP_S7_Protocol"}},
    };
    return variants;
}

QStringList parGenPanelOrder(const QString& variantCode)
{
    QStringList order = {QStringLiteral("CP_Ethernet_Connection"), QStringLiteral("CP_EtherCAT_Slave")};
    for (const ParGenVariant& v : parGenVariants())
        if (variantCode == QLatin1String(v.code))
            for (const char* panel : v.panels)
                order << QString::fromLatin1(panel);
    return order;
}

const char* parGenControlOf(const char* element)
{
    static const std::pair<const char*, const char*> controls[] = {
        {"Eth_Conn_Device_Name", "E_EthConn_Device_Name"},
        {"Eth_Conn_DHCP_Cable", "CB_EthConn_En_DHCP_Cable"},
        {"Eth_Conn_DHCP_WiFi", "CB_EthConn_En_DHCP_WiFi"},
        {"Eth_Conn_Enable_DNS", "CB_EthConn_Enable_DNS"},
        {"Eth_Conn_Primary_DNS1", "E_EthConn_Pri_DNS_IP1"},
        {"Eth_Conn_Primary_DNS2", "E_EthConn_Pri_DNS_IP2"},
        {"Eth_Conn_Primary_DNS3", "E_EthConn_Pri_DNS_IP3"},
        {"Eth_Conn_Primary_DNS4", "E_EthConn_Pri_DNS_IP4"},
        {"Eth_Conn_Secondary_DNS1", "E_EthConn_Sec_DNS_IP1"},
        {"Eth_Conn_Secondary_DNS2", "E_EthConn_Sec_DNS_IP2"},
        {"Eth_Conn_Secondary_DNS3", "E_EthConn_Sec_DNS_IP3"},
        {"Eth_Conn_Secondary_DNS4", "E_EthConn_Sec_DNS_IP4"},
        {"EtherCAT_Slave_Revision_Number", "E_EtherCAT_Slave_Revision_Number"},
        {"EtherCAT_Slave_Name", "E_EtherCAT_Slave_Name"},
        {"EtherCAT_Slave_Node_Address", "E_EtherCAT_Slave_Node_Address"},
        {"EtherCAT_Slave_Clear_Data", "CB_EtherCAT_Slave_Clear_Data"},
        {"Ethernet_IP1", "E_Ethernet_IP1"},
        {"Ethernet_IP2", "E_Ethernet_IP2"},
        {"Ethernet_IP3", "E_Ethernet_IP3"},
        {"Ethernet_IP4", "E_Ethernet_IP4"},
        {"Ethernet_SM1", "E_Ethernet_SM1"},
        {"Ethernet_SM2", "E_Ethernet_SM2"},
        {"Ethernet_SM3", "E_Ethernet_SM3"},
        {"Ethernet_SM4", "E_Ethernet_SM4"},
        {"Ethernet_GAT1", "E_Ethernet_GAT1"},
        {"Ethernet_GAT2", "E_Ethernet_GAT2"},
        {"Ethernet_GAT3", "E_Ethernet_GAT3"},
        {"Ethernet_GAT4", "E_Ethernet_GAT4"},
        {"Ethernet_EN_GAT", "CB_Ethernet_En_GAT"},
        {"Select_Device", "CB_Select_Device_Device"},
        {"MQTT_Server_URL", "E_MQTT_Server"},
        {"MQTT_Server_Port", "E_MQTT_Server_Port"},
        {"MQTT_Client_ID", "E_MQTT_Client_ID"},
        {"MQTT_Keep_Alive", "E_MQTT_Keep_Alive"},
        {"MQTT_Clean_Session", "CB_MQTT_Clean_Session"},
        {"MQTT_WillFlag", "CB_MQTT_WillFlag"},
        {"MQTT_Will_Topic_Name", "E_MQTT_Will_TopicName"},
        {"MQTT_Will_Message", "E_MQTT_Will_Message"},
        {"MQTT_Will_Retained", "CB_MQTT_Will_Retained"},
        {"MQTT_Will_QoS", "CB_MQTT_Will_QoS"},
        {"MQTT_PublishTopicConnection", "CB_MQTT_PublishTopicConnection"},
        {"MQTT_Connection_Topic_Name", "E_MQTT_Connection_TopicName"},
        {"MQTT_Connection_Message", "E_MQTT_Connection_Message"},
        {"MQTT_Connection_Retained", "CB_MQTT_Connection_Retained"},
        {"MQTT_Username", "E_MQTT_Username"},
        {"MQTT_Password", "E_MQTT_Password"},
        {"MQTT_ASync_Send_Time", "E_MQTT_ASync_Send_Time"},
        {"MQTT_Topic_DALI_Answer", "E_MQTT_TopicDALIAns"},
        {"MQTT_Enable_Reprogram", "CB_MQTT_Enable_ReProgram"},
        {"MQTT_Reprogram_Topic", "E_MQTT_Reprogram_Topic"},
        {"MQTT_Reprogram_Value", "E_MQTT_Reproram_Value"},
        {"WiFi_Type", "CB_WiFi2_Type"},
        {"WiFi_IP1", "E_WiFi2_IP1_IP1"},
        {"WiFi_IP2", "E_WiFi2_IP1_IP2"},
        {"WiFi_IP3", "E_WiFi2_IP1_IP3"},
        {"WiFi_IP4", "E_WiFi2_IP1_IP4"},
        {"WiFi_SM1", "E_WiFi2_IP1_SM1"},
        {"WiFi_SM2", "E_WiFi2_IP1_SM2"},
        {"WiFi_SM3", "E_WiFi2_IP1_SM3"},
        {"WiFi_SM4", "E_WiFi2_IP1_SM4"},
        {"WiFi_EN_Gateway", "CB_WiFi2_IP1_En_GAT"},
        {"WiFi_GAT1", "E_WiFi2_IP1_GAT1"},
        {"WiFi_GAT2", "E_WiFi2_IP1_GAT2"},
        {"WiFi_GAT3", "E_WiFi2_IP1_GAT3"},
        {"WiFi_GAT4", "E_WiFi2_IP1_GAT4"},
        {"WiFi_IP2_IP1", "E_WiFi2_IP2_IP1"},
        {"WiFi_IP2_IP2", "E_WiFi2_IP2_IP2"},
        {"WiFi_IP2_IP3", "E_WiFi2_IP2_IP3"},
        {"WiFi_IP2_IP4", "E_WiFi2_IP2_IP4"},
        {"WiFi_IP2_SM1", "E_WiFi2_IP2_SM1"},
        {"WiFi_IP2_SM2", "E_WiFi2_IP2_SM2"},
        {"WiFi_IP2_SM3", "E_WiFi2_IP2_SM3"},
        {"WiFi_IP2_SM4", "E_WiFi2_IP2_SM4"},
        {"WiFi_IP2_EN_Gateway", "CB_WiFi2_IP2_En_GAT"},
        {"WiFi_IP2_GAT1", "E_WiFi2_IP2_GAT1"},
        {"WiFi_IP2_GAT2", "E_WiFi2_IP2_GAT2"},
        {"WiFi_IP2_GAT3", "E_WiFi2_IP2_GAT3"},
        {"WiFi_IP2_GAT4", "E_WiFi2_IP2_GAT4"},
        {"WiFi_SSID", "E_WiFi2_SSID"},
        {"WiFi_PWD", "E_WiFi2_Password"},
        {"WiFi_Secure_Type", "CB_WiFi2_Secure_Type"},
        {"WiFi_EN_DHCP", "CB_WiFi2_En_DHCP"},
        {"WiFi_DHCP_First_IP1", "E_WiFi2_DHCP_First_IP1"},
        {"WiFi_DHCP_First_IP2", "E_WiFi2_DHCP_First_IP2"},
        {"WiFi_DHCP_First_IP3", "E_WiFi2_DHCP_First_IP3"},
        {"WiFi_DHCP_First_IP4", "E_WiFi2_DHCP_First_IP4"},
        {"WiFi_DHCP_SM1", "E_WiFi2_DHCP_SM1"},
        {"WiFi_DHCP_SM2", "E_WiFi2_DHCP_SM2"},
        {"WiFi_DHCP_SM3", "E_WiFi2_DHCP_SM3"},
        {"WiFi_DHCP_SM4", "E_WiFi2_DHCP_SM4"},
        {"WiFi_Lease_Time", "E_WiFi2_Lease_Time"},
        {"WiFi_Max_Client", "CB_WiFi2_Max_Client"},
        {"WiFi_Channel", "CB_WiFi2_Channel"},
        {"TLS_Enable", "CB_TLS_Enable"},
        {"TLS_En_Server_Auth", "CB_TLS_En_Server_Auth"},
        {"TLS_Server_Auth_Certificate", "E_TLS_Server_Cert"},
        {"TLS_En_Client_Auth", "CB_TLS_En_Client_Auth"},
        {"TLS_Client_Auth_Certificate", "E_TLS_Client_Cert"},
        {"TLS_Client_Auth_Key", "E_TLS_Client_Cert_Key"},
        {"TLS_Client_Auth_Key_Password", "E_TLS_Client_Cert_Key_Pass"},
        {"NTP_Server_URL", "E_NTP_Server_URL"},
        {"NTP_Poll_Time", "E_NTP_Poll_Time"},
        {"GSM_GPRS_PIN", "E_GSM_GPRS_PIN"},
        {"GSM_GPRS_APN", "E_GSM_GPRS_APN"},
        {"GSM_GPRS_AUTHTYPE", "CB_GSM_GPRS_AuthType"},
        {"GSM_GPRS_USERNAME", "E_GSM_GPRS_UserName"},
        {"GSM_GPRS_PASSWORD", "E_GSM_GPRS_Password"},
    };
    for (const auto& [e, c] : controls)
        if (std::strcmp(e, element) == 0)
            return c;
    return nullptr;
}

}  // namespace params

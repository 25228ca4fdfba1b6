#include "params/bank1.h"

#include "app/shared_checks.h"
#include "params/bank2.h"
#include "params/bank3.h"
#include "params/par_gen_reader.h"

namespace params {
namespace bank1_detail {

using namespace bank1;

// Four octets from the elements `prefix`1 .. `prefix`4, each with its own
// fallback, each keeping its low 8 bits.
std::array<uint8_t, 4> readOctets(const ParGenReader& reader, const char* prefix,
                                  const std::array<int, 4>& fallbacks)
{
    std::array<uint8_t, 4> octets{};
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = QByteArray(prefix) + static_cast<char>('1' + i);
        octets[i] = static_cast<uint8_t>(reader.integer(name.constData(), fallbacks[i]) & 0xFF);
    }
    return octets;
}

void storeOctets(GeneralBlock& block, int offset, const std::array<uint8_t, 4>& o)
{
    block.setAddress(offset, o[0], o[1], o[2], o[3]);
}

// An address block (address, mask, gateway); the gateway becomes
// 255.255.255.255 unless `gatewayFlag` is "1".
struct AddressElements {
    const char* address;
    const char* mask;
    const char* gateway;
    const char* gatewayFlag;
    std::array<int, 4> addressFallback;
};

void readAddressBlock(const ParGenReader& reader, GeneralBlock& block, int offset, const AddressElements& e)
{
    storeOctets(block, offset, readOctets(reader, e.address, e.addressFallback));
    storeOctets(block, offset + 4, readOctets(reader, e.mask, {255, 255, 255, 0}));
    storeOctets(block, offset + 8, readOctets(reader, e.gateway, {192, 168, 0, 1}));
    if (!reader.flag(e.gatewayFlag))
        block.setAddress(offset + 8, 255, 255, 255, 255);
}

// The DHCP first address and mask: octet1 + octet2 * 256 + ... as one
// 32-bit number, so an octet above 255 carries into the next one.
uint32_t readCarriedAddress(const ParGenReader& reader, const char* prefix, const std::array<int, 4>& fallbacks)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        const QByteArray name = QByteArray(prefix) + static_cast<char>('1' + i);
        value = value * 256u + static_cast<uint32_t>(reader.integer(name.constData(), fallbacks[i]));
    }
    return value;
}

void readDns(const ParGenReader& reader, GeneralBlock& block)
{
    block.setAddress(kPrimaryDns, 0, 0, 0, 0);
    block.setAddress(kSecondaryDns, 0, 0, 0, 0);
    if (!reader.flag("Eth_Conn_Enable_DNS"))
        return;
    storeOctets(block, kPrimaryDns, readOctets(reader, "Eth_Conn_Primary_DNS", {8, 8, 8, 8}));
    storeOctets(block, kSecondaryDns, readOctets(reader, "Eth_Conn_Secondary_DNS", {8, 8, 4, 4}));
}

void readWiFi(const ParGenReader& reader, GeneralBlock& block)
{
    const int mode = reader.listIndex("WiFi_Type", 2, 0);
    block.setU8(kWiFiMode, static_cast<uint32_t>(mode));
    readAddressBlock(reader, block, kWiFiAddress, {"WiFi_IP", "WiFi_SM", "WiFi_GAT", "WiFi_EN_Gateway", {192, 168, 0, 100}});

    QString protocol1;
    QString protocol2;
    if (mode == 1 && app::Get_Protocol_Names(protocol1, protocol2) == 2) {
        readAddressBlock(reader, block, kWiFi2Address,
                         {"WiFi_IP2_IP", "WiFi_IP2_SM", "WiFi_IP2_GAT", "WiFi_IP2_EN_Gateway", {192, 168, 0, 110}});
    } else {
        for (int offset : {kWiFi2Address, kWiFi2Mask, kWiFi2Gateway})
            block.setAddress(offset, 0, 0, 0, 0);
    }

    block.setText(kSsid, kSsidSize, reader.text("WiFi_SSID"));
    block.setText(kPassPhrase, kPassPhraseSize, reader.text("WiFi_PWD"));

    if (mode != 0)
        return;
    block.setU8(kWiFiSecurity, static_cast<uint32_t>(reader.listIndex("WiFi_Secure_Type", 4, 0)));
    block.setU8(kWiFiDhcpServer, static_cast<uint32_t>(reader.integer("WiFi_EN_DHCP", 0)));
    block.setU32(kWiFiDhcpFirst, readCarriedAddress(reader, "WiFi_DHCP_First_IP", {192, 168, 0, 200}));
    block.setU32(kWiFiDhcpMask, readCarriedAddress(reader, "WiFi_DHCP_SM", {255, 255, 255, 0}));
    block.setU32(kWiFiLeaseTime, static_cast<uint32_t>(reader.integer("WiFi_Lease_Time", 86400)));
    // The list holds 1 .. 10 clients; its fallback is the stored value 10.
    block.setU8(kWiFiMaxClients, static_cast<uint32_t>(reader.listIndex("WiFi_Max_Client", 10, 9) + 1));
    const int channel = reader.listIndex("WiFi_Channel", 12, 1);
    block.setU8(kWiFiChannel, static_cast<uint32_t>(channel));
    block.setU8(kWiFiAutoChannel, channel == 0 ? 1 : 0);
}

}  // namespace bank1_detail
using namespace bank1_detail;

void GeneralBlock::setU16(int offset, uint32_t value)
{
    setU8(offset, value);
    setU8(offset + 1, value >> 8);
}

void GeneralBlock::setU32(int offset, uint32_t value)
{
    setU16(offset, value);
    setU16(offset + 2, value >> 16);
}

void GeneralBlock::setAddress(int offset, uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    bytes[offset] = a;
    bytes[offset + 1] = b;
    bytes[offset + 2] = c;
    bytes[offset + 3] = d;
}

void GeneralBlock::setText(int offset, int size, const QString& text)
{
    const QByteArray stored = codePageBytes(text, size);
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = i < stored.size() ? static_cast<uint8_t>(stored[i]) : 0;
}

uint32_t GeneralBlock::u32(int offset) const
{
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16)
           | (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

void Init_Par_Gen(GeneralBlock& block)
{
    block.bytes.fill(0);
    block.setU32(0, 250000);
    block.setU32(4, 250000);
    block.setU32(8, 0);
    block.setU32(12, 9600);
    block.setAddress(kCableAddress, 192, 168, 2, 205);
    block.setAddress(kCableMask, 255, 255, 255, 0);
    block.setAddress(kCableGateway, 255, 255, 255, 255);
    block.setU16(52, 10000);
    block.setU16(54, 10001);
    block.setU16(56, 10001);
    for (int i = 436; i < 444; ++i)
        block.setU8(i, 8);
    block.setU32(kBank3Address, kBank3LoadAddress);
    block.setU32(kBank2Address, kBank2LoadAddress);
}

void Set_SW_Version(GeneralBlock& block)
{
    block.setText(kVersion, kVersionSize, QStringLiteral("1.001"));
}

QString Get_GSM_Auth_Type(const QString& name)
{
    const QString upper = name.toUpper();
    if (upper == QStringLiteral("PAP"))
        return QStringLiteral("1");
    if (upper == QStringLiteral("CHAP"))
        return QStringLiteral("2");
    if (upper == QStringLiteral("PAP OR CHAP"))
        return QStringLiteral("3");
    return QStringLiteral("0");
}

QString Mobile_Link_Text(const ParGenFile& file)
{
    const ParGenReader reader(file);
    const QString lineEnd = QStringLiteral("\r\n");
    return QStringLiteral("PIN=") + reader.text("GSM_GPRS_PIN") + lineEnd + QStringLiteral("APN=")
           + reader.text("GSM_GPRS_APN") + lineEnd + QStringLiteral("AUTHTYPE=")
           + Get_GSM_Auth_Type(reader.text("GSM_GPRS_AUTHTYPE")) + lineEnd + QStringLiteral("USERNAME=")
           + reader.text("GSM_GPRS_USERNAME") + lineEnd + QStringLiteral("PASSWORD=")
           + reader.text("GSM_GPRS_PASSWORD") + lineEnd + QChar(u'\0');
}

void Read_Par_Gen(const ParGenFile& file, GeneralBlock& block, EtherCATData& ethercat, MQTTRecord& mqtt)
{
    if (!file.exists())
        return;
    const ParGenReader reader(file);
    Set_SW_Version(block);
    block.setText(kHostName, kHostNameSize - 1, reader.text("Eth_Conn_Device_Name"));
    block.setU16(kFlags, reader.flag("Eth_Conn_DHCP_Cable") ? 1 : 0);
    readDns(reader, block);

    Read_EtherCAT_Identity(reader, ethercat.header);
    block.setText(kSlaveName, kSlaveNameSize - 1,
                  reader.textOr("EtherCAT_Slave_Name", QStringLiteral("devicename1")));

    readAddressBlock(reader, block, kCableAddress,
                     {"Ethernet_IP", "Ethernet_SM", "Ethernet_GAT", "Ethernet_EN_GAT", {192, 168, 0, 10}});
    Read_MQTT_Connection(reader, mqtt);
    readWiFi(reader, block);
    block.setText(kMobileText, kMobileTextSize, Mobile_Link_Text(file));
    Read_MQTT_TLS_NTP(reader, mqtt);
}

void Build_Bank1(GeneralBlock& block, ImageWriter& out)
{
    uint32_t sum = 0;
    for (int i = 0; i < bank1::kChecksum; ++i)
        sum += block.bytes[i];
    block.setU32(bank1::kChecksum, sum);
    out.bytes(reinterpret_cast<const char*>(block.bytes.data()), kBank1Size);
}

}  // namespace params

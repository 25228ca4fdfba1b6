// The general parameter block (bank1.bin): golden images and field rules.

#include <gtest/gtest.h>

#include "params/bank1.h"
#include "params/par_gen_file.h"
#include "support/temp_folder.h"
#include "params/image_expectation.h"

namespace bank1_tests {

using params_testing::ExpectedImage;
using params_testing::sameBytes;

// The fixed values every block holds, written down from the layout table.
ExpectedImage bank1Constants()
{
    ExpectedImage e(2048);
    e.u32(0, 250000).u32(4, 250000).u32(8, 0).u32(12, 9600);
    e.u16(52, 10000).u16(54, 10001).u16(56, 10001);
    e.bytes(436, {8, 8, 8, 8, 8, 8, 8, 8});
    e.u32(1424, 0xA0000).u32(1776, 0x80000);
    return e;
}

params::BankImages compileWithParGen(const QByteArray& parGen)
{
    testing_support::TempFolder folder;
    if (!parGen.isNull())
        folder.write(QStringLiteral("ParGen.xml"), parGen);
    return params_testing::compileFolder(folder.path());
}

QByteArray parGenWith(const QByteArray& elements)
{
    return "<Par_Gen>" + elements + "</Par_Gen><!--SW_VERSION = 1.001-->";
}

TEST(Bank1Golden, WithoutParGenTheBlockKeepsItsDefaults)
{
    ExpectedImage e = bank1Constants();
    e.bytes(40, {192, 168, 2, 205}).bytes(44, {255, 255, 255, 0}).bytes(48, {255, 255, 255, 255});
    e.bytes(2044, {0x94, 0x0D, 0x00, 0x00});  // 3476
    const params::BankImages images = compileWithParGen(QByteArray());
    EXPECT_TRUE(sameBytes(images.bank1, e));
}

TEST(Bank1Golden, RootOnlyParGenTakesTheCompilerFallbacks)
{
    ExpectedImage e = bank1Constants();
    e.bytes(40, {192, 168, 0, 10}).bytes(44, {255, 255, 255, 0}).bytes(48, {255, 255, 255, 255});
    e.text(80, "devicename1");
    e.text(532, "PIN=\r\nAPN=\r\nAUTHTYPE=0\r\nUSERNAME=\r\nPASSWORD=\r\n");
    e.bytes(1260, {192, 168, 0, 200}).bytes(1264, {255, 255, 255, 0});
    e.u32(1268, 86400).u8(1272, 10).u8(1273, 0).u8(1274, 1).u8(1275, 0);
    e.bytes(1276, {192, 168, 0, 100}).bytes(1280, {255, 255, 255, 0}).bytes(1284, {255, 255, 255, 255});
    e.text(1644, "1.001");
    e.u32(2044, 11185);  // worked out by hand: 0x2BB1
    const params::BankImages images = params_testing::compileFolder(params_testing::fixture("root_only"));
    EXPECT_TRUE(sameBytes(images.bank1, e));
}

struct FieldCase {
    const char* what;
    QByteArray elements;
    std::vector<std::pair<int, std::vector<uint8_t>>> expected;  // offset, bytes
};

class Bank1Fields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(Bank1Fields, StoresWhatTheRulesSay)
{
    const FieldCase& c = GetParam();
    const params::BankImages images = compileWithParGen(parGenWith(c.elements));
    ASSERT_EQ(images.bank1.size(), 2048);
    for (const auto& [offset, bytes] : c.expected) {
        SCOPED_TRACE(offset);
        for (size_t i = 0; i < bytes.size(); ++i)
            EXPECT_EQ(params_testing::byteAt(images.bank1, offset + static_cast<int>(i)), bytes[i]) << "byte " << i;
    }
    // Whatever was stored, the checksum covers bytes 0 .. 2043.
    uint32_t sum = 0;
    for (int i = 0; i < 2044; ++i)
        sum += params_testing::byteAt(images.bank1, i);
    EXPECT_EQ(params_testing::le32(images.bank1, 2044), sum);
}

const std::string kForty(40, 'h');

INSTANTIATE_TEST_SUITE_P(
    Rules, Bank1Fields,
    ::testing::Values(
        FieldCase{"cable gateway only with its flag",
                  "<Ethernet_EN_GAT>0</Ethernet_EN_GAT><Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_GAT2>0</Ethernet_GAT2>"
                  "<Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>1</Ethernet_GAT4>",
                  {{48, {255, 255, 255, 255}}}},
        FieldCase{"cable gateway with its flag",
                  "<Ethernet_EN_GAT>1</Ethernet_EN_GAT><Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_GAT2>0</Ethernet_GAT2>"
                  "<Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>1</Ethernet_GAT4><Ethernet_IP1>x</Ethernet_IP1>"
                  "<Ethernet_IP4>300</Ethernet_IP4>",
                  // a non-number octet takes its fallback, 300 keeps its low 8 bits
                  {{48, {10, 0, 0, 1}}, {40, {192, 168, 0, 44}}}},
        FieldCase{"DNS only when enabled",
                  "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>",
                  {{1420, {0, 0, 0, 0}}, {1340, {0, 0, 0, 0}}}},
        FieldCase{"DNS enabled, octets with their own fallbacks",
                  "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>"
                  "<Eth_Conn_Secondary_DNS4>9</Eth_Conn_Secondary_DNS4>",
                  {{1420, {1, 8, 8, 8}}, {1340, {8, 8, 4, 9}}}},
        FieldCase{"cable DHCP flag", "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>", {{1256, {1, 0}}}},
        FieldCase{"cable DHCP flag needs exactly 1", "<Eth_Conn_DHCP_Cable>01</Eth_Conn_DHCP_Cable>", {{1256, {0, 0}}}},
        FieldCase{"station mode leaves the access-point fields zero",
                  "<WiFi_Type>1</WiFi_Type><WiFi_EN_DHCP>1</WiFi_EN_DHCP><WiFi_Secure_Type>2</WiFi_Secure_Type>"
                  "<WiFi_Channel>0</WiFi_Channel><WiFi_EN_Gateway>1</WiFi_EN_Gateway><WiFi_IP2_IP1>10</WiFi_IP2_IP1>",
                  {{1258, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
                   {1284, {192, 168, 0, 1}},
                   {1288, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}},
        FieldCase{"access point: DHCP server, security, channel 0 is automatic",
                  "<WiFi_Type>0</WiFi_Type><WiFi_EN_DHCP>1</WiFi_EN_DHCP><WiFi_Secure_Type>3</WiFi_Secure_Type>"
                  "<WiFi_Channel>0</WiFi_Channel><WiFi_Max_Client>4</WiFi_Max_Client><WiFi_Lease_Time>3600</WiFi_Lease_Time>",
                  {{1258, {1, 3}}, {1268, {0x10, 0x0E, 0, 0}}, {1272, {5, 0, 0, 1}}}},
        FieldCase{"DHCP octets above 255 carry into the next one",
                  "<WiFi_DHCP_First_IP1>256</WiFi_DHCP_First_IP1><WiFi_DHCP_First_IP2>1</WiFi_DHCP_First_IP2>"
                  "<WiFi_DHCP_First_IP3>2</WiFi_DHCP_First_IP3><WiFi_DHCP_First_IP4>3</WiFi_DHCP_First_IP4>",
                  {{1260, {0, 2, 2, 3}}}},
        FieldCase{"list indexes out of range take the fallbacks, never 0xFF",
                  "<WiFi_Type>-1</WiFi_Type><WiFi_Secure_Type>-1</WiFi_Secure_Type><WiFi_Max_Client>-1</WiFi_Max_Client>"
                  "<WiFi_Channel>-1</WiFi_Channel>",
                  {{1259, {0}}, {1272, {10, 0, 1, 0}}}},
        FieldCase{"list indexes above the list take the fallbacks",
                  "<WiFi_Type>2</WiFi_Type><WiFi_Secure_Type>4</WiFi_Secure_Type><WiFi_Max_Client>10</WiFi_Max_Client>"
                  "<WiFi_Channel>12</WiFi_Channel>",
                  {{1259, {0}}, {1272, {10, 0, 1, 0}}}},
        FieldCase{"host name cut to 31 characters",
                  "<Eth_Conn_Device_Name>" + QByteArray::fromStdString(kForty) + "</Eth_Conn_Device_Name>",
                  {{1300, std::vector<uint8_t>(31, 'h')}, {1331, {0}}}},
        FieldCase{"slave name cut to 15 characters",
                  "<EtherCAT_Slave_Name>ABCDEFGHIJKLMNOPQRST</EtherCAT_Slave_Name>",
                  {{80, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 0}}}},
        FieldCase{"an empty slave name stays empty", "<EtherCAT_Slave_Name></EtherCAT_Slave_Name>", {{80, {0}}}},
        FieldCase{"SSID and pass phrase cut to their fields",
                  "<WiFi_SSID>" + QByteArray(40, 's') + "</WiFi_SSID><WiFi_PWD>" + QByteArray(70, 'p') + "</WiFi_PWD>",
                  {{1148, std::vector<uint8_t>(32, 's')},
                   {1180, std::vector<uint8_t>(64, 'p')},
                   {1244, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}},
        FieldCase{"mobile link with every line",
                  "<GSM_GPRS_PIN>1234</GSM_GPRS_PIN><GSM_GPRS_APN>web</GSM_GPRS_APN>"
                  "<GSM_GPRS_AUTHTYPE>pap or chap</GSM_GPRS_AUTHTYPE><GSM_GPRS_USERNAME>u</GSM_GPRS_USERNAME>"
                  "<GSM_GPRS_PASSWORD>p</GSM_GPRS_PASSWORD>",
                  {{532, {'P', 'I', 'N', '=', '1', '2', '3', '4', 13, 10, 'A', 'P', 'N', '=', 'w', 'e', 'b', 13, 10,
                          'A', 'U', 'T', 'H', 'T', 'Y', 'P', 'E', '=', '3', 13, 10, 'U', 'S', 'E', 'R', 'N', 'A', 'M',
                          'E', '=', 'u', 13, 10, 'P', 'A', 'S', 'S', 'W', 'O', 'R', 'D', '=', 'p', 13, 10, 0}}}},
        FieldCase{"unknown authentication gives 0", "<GSM_GPRS_AUTHTYPE>MSCHAP</GSM_GPRS_AUTHTYPE>",
                  {{532 + 12, {'A', 'U', 'T', 'H', 'T', 'Y', 'P', 'E', '=', '0'}}}},
        // Windows-1252 holds "é" as E9 and "€" as 80; "測" and the emoji (one
        // character outside the 16-bit range) it cannot hold become "?".
        FieldCase{"texts are stored in the device's code page",
                  "<Eth_Conn_Device_Name>h\xE6\xB8\xAC\xE2\x82\xAC\xC3\xA9</Eth_Conn_Device_Name>"
                  "<EtherCAT_Slave_Name>\xE6\xB8\xAC\xF0\x9F\x98\x80s</EtherCAT_Slave_Name>"
                  "<WiFi_SSID>\xE2\x82\xAC\xE6\xB8\xAC</WiFi_SSID><WiFi_PWD>p\xE6\xB8\xAC</WiFi_PWD>"
                  "<GSM_GPRS_PIN>\xE6\xB8\xAC</GSM_GPRS_PIN>",
                  {{1300, {'h', '?', 0x80, 0xE9, 0}},
                   {80, {'?', '?', 's', 0}},
                   {1148, {0x80, '?', 0}},
                   {1180, {'p', '?', 0}},
                   {532, {'P', 'I', 'N', '=', '?', 13, 10, 'A'}}}},
        FieldCase{"a name is cut to its field in the code page's bytes",
                  "<EtherCAT_Slave_Name>" + QByteArray(14, 'n') + "\xE2\x82\xAC\xE2\x82\xAC</EtherCAT_Slave_Name>",
                  {{80 + 13, {'n', 0x80, 0}}}},
        // 4294967296 keeps no low bits: like any text that is not a 32-bit
        // integer it takes the element's fallback.
        FieldCase{"integers outside 32 bits take their fallbacks",
                  "<Ethernet_IP4>4294967296</Ethernet_IP4><WiFi_Lease_Time>4294967295</WiFi_Lease_Time>"
                  "<WiFi_DHCP_First_IP1>4294967296</WiFi_DHCP_First_IP1><Ethernet_SM1>-2147483649</Ethernet_SM1>",
                  {{40, {192, 168, 0, 10}}, {44, {255, 255, 255, 0}}, {1260, {192, 168, 0, 200}},
                   {1268, {0x80, 0x51, 0x01, 0x00}}}},
        FieldCase{"load addresses cannot be changed by the file",
                  "<Bank2>1</Bank2>", {{1424, {0, 0, 0x0A, 0}}, {1776, {0, 0, 0x08, 0}}}}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return "case" + std::to_string(info.index); });

TEST(Bank1Text, MobileLinkTextIsCutTo512Bytes)
{
    const params::BankImages images = compileWithParGen(parGenWith("<GSM_GPRS_APN>" + QByteArray(600, 'a') + "</GSM_GPRS_APN>"));
    // "PIN=" CR LF "APN=" then the name: the field ends at 532 + 512.
    EXPECT_EQ(params_testing::byteAt(images.bank1, 532 + 10), 'a');
    EXPECT_EQ(params_testing::byteAt(images.bank1, 532 + 511), 'a');
    EXPECT_EQ(params_testing::byteAt(images.bank1, 532 + 512), 0);
}

TEST(Bank1Text, GsmAuthTypeMapsNamesWithoutRegardToCase)
{
    const std::pair<const char*, const char*> cases[] = {
        {"None", "0"}, {"pap", "1"}, {"CHAP", "2"}, {"Pap Or Chap", "3"}, {"", "0"}, {"PAP/CHAP", "0"}};
    for (const auto& [name, code] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(params::Get_GSM_Auth_Type(QString::fromUtf8(name)), QString::fromUtf8(code));
    }
}

}  // namespace bank1_tests

// BACnet_Master_Access.xml and BACnet_Slave.xml without a window: written
// byte for byte as worked out by hand, the defaults of missing attributes,
// a missing list, and files that are not theirs.

#include "bacnet_editor_fixture.h"
#include "editors/fieldbus/bacnet/bacnet_client_file.h"
#include "editors/fieldbus/bacnet/bacnet_server_file.h"
#include "platform/xml_document.h"

namespace bacnet_files_tests {

using bacnet_testing::BACnetEditorTest;
using bacnet_testing::readFile;

class BACnetFiles : public BACnetEditorTest {
protected:
    platform::XmlDocument doc;
};

TEST_F(BACnetFiles, TheClientFileAsWrittenAndReadBack)
{
    bacnet::BACnetClientFile rules;
    bacnet::BACnetReadRule r;
    r.IP_Address_Slave_ID = QStringLiteral("10.0.0.5");
    r.Object_Type = QStringLiteral("Analog Input");
    r.Instance = QStringLiteral("3");
    r.Property = QStringLiteral("Present Value (85)");
    r.NumByte = QStringLiteral("4");
    r.PollTime = QStringLiteral("1000");
    r.MaxError = QStringLiteral("0");
    r.Position = QStringLiteral("0");
    r.StartBit = QStringLiteral("0");
    r.Mnemonic = QStringLiteral("T & \"x\"");
    rules.Read.push_back(r);
    bacnet::BACnetWriteRule w;
    w.Enable = QStringLiteral("N");
    w.IP_Address_Slave_ID = QStringLiteral("10.0.0.5");
    w.Object_Type = QStringLiteral("Binary Value");
    w.Data_Type = QStringLiteral("Enumerated");
    w.Instance = QStringLiteral("1");
    w.Property = QStringLiteral("Present Value (85)");
    w.Priority = QStringLiteral("8");
    w.NumByte = QStringLiteral("1");
    w.Enable_Destination = QStringLiteral("Y");
    w.Destination_Network = QStringLiteral("5");
    w.Destination_Length = QStringLiteral("M2");
    w.Destination_Address = QStringLiteral("1,2");
    w.OnChange = QStringLiteral("Y");
    w.PollTime = QStringLiteral("500");
    w.MaxError = QStringLiteral("3");
    w.Position = QStringLiteral("4");
    w.StartBit = QStringLiteral("2");
    rules.Write.push_back(w);
    ASSERT_TRUE(bacnet::writeBACnetClientFile(clientPath(), doc, rules));
    EXPECT_EQ(readFile(clientPath()),
              "<BACnet_Master_Access>\n"
              "\t<BACnet_Read>\n"
              "\t\t<row Enable=\"Y\" IP_Address_Slave_ID=\"10.0.0.5\" Object_Type=\"Analog Input\" Instance=\"3\" "
              "Property=\"Present Value (85)\" NumByte=\"4\" Enable_Destination=\"N\" Destination_Network=\"\" "
              "Destination_Length=\"\" Destination_Address=\"\" PollTime=\"1000\" MaxError=\"0\" Position=\"0\" "
              "StartBit=\"0\" Mnemonic=\"T &amp; &quot;x&quot;\" />\n"
              "\t</BACnet_Read>\n"
              "\t<BACnet_Write>\n"
              "\t\t<row Enable=\"N\" IP_Address_Slave_ID=\"10.0.0.5\" Object_Type=\"Binary Value\" "
              "Data_Type=\"Enumerated\" Instance=\"1\" Property=\"Present Value (85)\" Priority=\"8\" NumByte=\"1\" "
              "Enable_Destination=\"Y\" Destination_Network=\"5\" Destination_Length=\"M2\" "
              "Destination_Address=\"1,2\" OnChange=\"Y\" OnTimer=\"N\" PollTime=\"500\" MaxError=\"3\" "
              "Position=\"4\" StartBit=\"2\" Mnemonic=\"\" />\n"
              "\t</BACnet_Write>\n"
              "</BACnet_Master_Access>\n"
              "<!--SW_VERSION = 1.000-->\n");
    bacnet::BACnetClientFile back;
    EXPECT_TRUE(bacnet::readBACnetClientFile(clientPath(), doc, back).ok());
    EXPECT_EQ(back, rules);
}

TEST_F(BACnetFiles, MissingAttributesListsAndFilesThatAreNotRuleFiles)
{
    writeClient(
        "<BACnet_Master_Access><BACnet_Write><row Object_Type=\"Analog Value\" /></BACnet_Write>"
        "</BACnet_Master_Access>");
    bacnet::BACnetClientFile rules;
    ethercat_mqtt::ProjectFileRead read = bacnet::readBACnetClientFile(clientPath(), doc, rules);
    EXPECT_TRUE(read.ok());
    EXPECT_TRUE(rules.Read.empty());
    ASSERT_EQ(rules.Write.size(), 1u);
    bacnet::BACnetWriteRule expected;
    expected.Object_Type = QStringLiteral("Analog Value");
    EXPECT_EQ(rules.Write[0], expected);  // Enable "Y"; En Dest, Change, Timer "N"; the rest empty
    EXPECT_EQ(rules.Write[0].Enable, QStringLiteral("Y"));
    EXPECT_EQ(rules.Write[0].OnTimer, QStringLiteral("N"));

    writeClient("<BACnet_to_Modbus><BACnet_in_Read /></BACnet_to_Modbus>");
    read = bacnet::readBACnetClientFile(clientPath(), doc, rules);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.missingElement, QStringLiteral("BACnet_Read"));
    writeClient("<BACnet_Master_Access><BACnet_Read>");
    read = bacnet::readBACnetClientFile(clientPath(), doc, rules);
    EXPECT_FALSE(read.ok());
    EXPECT_FALSE(read.reason.isEmpty());
    QFile::remove(clientPath());
    read = bacnet::readBACnetClientFile(clientPath(), doc, rules);
    EXPECT_TRUE(read.ok());
    EXPECT_FALSE(read.exists);

    writeServer(
        "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Mnemonic=\"m\" /></BACnet_in_Read>"
        "</BACnet_to_Modbus>");
    bacnet::BACnetServerFile objects;
    EXPECT_TRUE(bacnet::readBACnetServerFile(serverPath(), doc, objects).ok());
    ASSERT_EQ(objects.Read.size(), 1u);
    EXPECT_EQ(objects.Read[0], (bacnet::BACnetServerObject{"Analog Input", "", "", "", "", "", "m"}));
    EXPECT_TRUE(objects.Write.empty());
    writeServer("<BACnet_Master_Access><BACnet_Read /></BACnet_Master_Access>");
    EXPECT_EQ(bacnet::readBACnetServerFile(serverPath(), doc, objects).missingElement,
              QStringLiteral("BACnet_in_Read"));
}

TEST_F(BACnetFiles, TheServerFileAsWritten)
{
    bacnet::BACnetServerFile objects;
    objects.Read.push_back({"Analog Input", "62", "0", "", "4", "", "Boiler"});
    objects.Write.push_back({"Binary Out", "95", "1499", "7", "1", "Y", "Pump"});
    ASSERT_TRUE(bacnet::writeBACnetServerFile(serverPath(), doc, objects));
    EXPECT_EQ(readFile(serverPath()),
              "<BACnet_to_Modbus>\n"
              "\t<BACnet_in_Read>\n"
              "\t\t<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" Length=\"4\" Swap=\"\" "
              "Mnemonic=\"Boiler\" />\n"
              "\t</BACnet_in_Read>\n"
              "\t<BACnet_in_Write>\n"
              "\t\t<row Data_Type=\"Binary Out\" Eng_Unit=\"95\" Position=\"1499\" Bit=\"7\" Length=\"1\" Swap=\"Y\" "
              "Mnemonic=\"Pump\" />\n"
              "\t</BACnet_in_Write>\n"
              "</BACnet_to_Modbus>\n"
              "<!--SW_VERSION = 1.000-->\n");
}

}  // namespace bacnet_files_tests

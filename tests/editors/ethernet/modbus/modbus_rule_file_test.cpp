// The Modbus master project files without a window: the layout of each
// file (root, comment, lists, attributes in order), the defaults of
// attributes a row lacks, and files that cannot be used.

#include <gtest/gtest.h>

#include "editors/ethernet/modbus/modbus_rule_file.h"
#include "editors/ethernet/ethernet_editor_fixture.h"
#include "support/temp_folder.h"

namespace modbus_rule_file_tests {

using namespace ethernet_editors;
using ethernet_editor_testing::fixture;
using ethernet_editor_testing::readFile;

ModbusRule fromTexts(const QStringList& texts, ModbusMaster master, int table)
{
    ModbusRule rule;
    const auto& attributes = modbusAttributes(master, table);
    for (size_t i = 0; i < attributes.size() && i < size_t(texts.size()); ++i)
        rule.*attributes[i].second = texts[qsizetype(i)];
    return rule;
}

TEST(ModbusRuleFile, EachMasterWritesItsRootListsAndAttributesInOrder)
{
    struct Case {
        ModbusMaster master;
        QStringList read;
        QStringList write;
        QByteArray expected;
    };
    const Case cases[] = {
        {ModbusMaster::Serial,
         {"Y", "1", "Holding Register", "100", "10", "1000", "3", "0", "", "N", "Y", "", "a"},
         {"N", "2", "Coil Status", "5", "8", "0", "Y", "N", "0", "100", "0", "N", "N", "b"},
         "<EtherNetIP_to_Modbus>\n"
         "\t<Modbus_Read>\n"
         "\t\t<row Enable=\"Y\" Slave_ID=\"1\" Type=\"Holding Register\" Address=\"100\" NPoint=\"10\" "
         "PollTime=\"1000\" MaxError=\"3\" Position=\"0\" Bit=\"\" Swap=\"N\" SwapWord=\"Y\" Index_Topic=\"\" "
         "Mnemonic=\"a\" />\n"
         "\t</Modbus_Read>\n"
         "\t<Modbus_Write>\n"
         "\t\t<row Enable=\"N\" Slave_ID=\"2\" Type=\"Coil Status\" Address=\"5\" NPoint=\"8\" PollTime=\"0\" "
         "OnChange=\"Y\" OnCMD=\"N\" MaxError=\"0\" Position=\"100\" Bit=\"0\" Swap=\"N\" SwapWord=\"N\" "
         "Mnemonic=\"b\" />\n"
         "\t</Modbus_Write>\n"
         "</EtherNetIP_to_Modbus>\n"
         "<!--SW_VERSION = 1.001-->\n"},
        {ModbusMaster::Tcp,
         {"Y", "10.0.0.1", "502", "1", "Input Register", "0", "2", "100", "0", "4", "", "N", "N", "-1", " c "},
         {"Y", "10.0.0.2", "503", "9", "Holding Register", "7", "1", "0", "N", "Y", "1", "8", "", "Y", "Y", ""},
         "<PROFINET_Master_to_Modbus_TCP_Master>\n"
         "\t<Modbus_Read>\n"
         "\t\t<row Enable=\"Y\" IP_Address=\"10.0.0.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Input Register\" "
         "Address=\"0\" NPoint=\"2\" PollTime=\"100\" MaxError=\"0\" Position=\"4\" Bit=\"\" Swap=\"N\" "
         "SwapWord=\"N\" Index_Topic=\"-1\" Mnemonic=\" c \" />\n"
         "\t</Modbus_Read>\n"
         "\t<Modbus_Write>\n"
         "\t\t<row Enable=\"Y\" IP_Address=\"10.0.0.2\" Port=\"503\" Slave_ID=\"9\" Type=\"Holding Register\" "
         "Address=\"7\" NPoint=\"1\" PollTime=\"0\" OnChange=\"N\" OnCMD=\"Y\" MaxError=\"1\" Position=\"8\" "
         "Bit=\"\" Swap=\"Y\" SwapWord=\"Y\" Mnemonic=\"\" />\n"
         "\t</Modbus_Write>\n"
         "</PROFINET_Master_to_Modbus_TCP_Master>\n"
         "<!--SW_VERSION = 1.001-->\n"},
    };
    testing_support::TempFolder folder;
    platform::XmlDocument doc;
    for (const Case& c : cases) {
        ModbusRuleFile file;
        file.Read = {fromTexts(c.read, c.master, ModbusRead)};
        file.Write = {fromTexts(c.write, c.master, ModbusWrite)};
        const QString path = folder.file(QStringLiteral("out.xml"));
        ASSERT_TRUE(writeModbusRuleFile(c.master, path, doc, file));
        EXPECT_EQ(readFile(path), c.expected);
    }
    // Empty tables: both lists, empty.
    const QString path = folder.file(QStringLiteral("empty.xml"));
    ASSERT_TRUE(writeModbusRuleFile(ModbusMaster::Serial, path, doc, ModbusRuleFile()));
    EXPECT_EQ(readFile(path), QByteArray("<EtherNetIP_to_Modbus>\n\t<Modbus_Read />\n\t<Modbus_Write />\n"
                                         "</EtherNetIP_to_Modbus>\n<!--SW_VERSION = 1.001-->\n"));
}

TEST(ModbusRuleFile, MissingAttributesReadTheirDefaultsOthersEmpty)
{
    testing_support::TempFolder folder;
    const QString path = folder.write(
        QStringLiteral("ModbusTCPM_SetAccess.xml"),
        "<any><Modbus_Write><row Slave_ID=\"4\" /><x Enable=\"\" Swap=\"Y\" SwapWord=\"Y\" OnCMD=\"Y\" />"
        "</Modbus_Write><!-- c --><Modbus_Read><row Index_Topic=\"2\" /></Modbus_Read></any>");
    platform::XmlDocument doc;
    ModbusRuleFile data;
    const ethercat_mqtt::ProjectFileRead read = readModbusRuleFile(ModbusMaster::Tcp, path, doc, data);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(data.Read.size(), 1u);
    ASSERT_EQ(data.Write.size(), 2u);
    const ModbusRule& r = data.Read[0];
    EXPECT_EQ(r.Enable, QStringLiteral("Y"));
    EXPECT_EQ(r.Swap, QStringLiteral("N"));
    EXPECT_EQ(r.SwapWord, QStringLiteral("N"));
    EXPECT_EQ(r.Index_Topic, QStringLiteral("2"));
    EXPECT_TRUE(r.OnCMD.isEmpty()) << "a read list has no OnCMD";
    EXPECT_TRUE(r.IP_Address.isEmpty() && r.Port.isEmpty() && r.Type.isEmpty() && r.Mnemonic.isEmpty());
    const ModbusRule& w = data.Write[0];
    EXPECT_EQ(w.Slave_ID, QStringLiteral("4"));
    EXPECT_EQ(w.Enable, QStringLiteral("Y"));
    EXPECT_EQ(w.OnCMD, QStringLiteral("N"));
    EXPECT_TRUE(w.OnChange.isEmpty() && w.Position.isEmpty() && w.Bit.isEmpty());
    // Present attributes keep their text, empty ones included; the row
    // element's name is not looked at.
    EXPECT_EQ(data.Write[1].Enable, QString());
    EXPECT_EQ(data.Write[1].Swap, QStringLiteral("Y"));
    EXPECT_EQ(data.Write[1].OnCMD, QStringLiteral("Y"));
}

TEST(ModbusRuleFile, ReadsTheFilesAsTheEditorsWriteThem)
{
    platform::XmlDocument doc;
    ModbusRuleFile data;
    ASSERT_TRUE(readModbusRuleFile(ModbusMaster::Serial, fixture("ModbusM_SetAccess.xml"), doc, data).ok());
    ASSERT_EQ(data.Read.size(), 3u);
    ASSERT_EQ(data.Write.size(), 1u);
    EXPECT_EQ(data.Read[0].Mnemonic, QStringLiteral("Boiler & pump"));
    EXPECT_EQ(data.Read[1].Bit, QStringLiteral("3"));
    EXPECT_EQ(data.Write[0].OnChange, QStringLiteral("Y"));
    ASSERT_TRUE(readModbusRuleFile(ModbusMaster::Tcp, fixture("ModbusTCPM_SetAccess.xml"), doc, data).ok());
    ASSERT_EQ(data.Read.size(), 2u);
    EXPECT_EQ(data.Read[1].IP_Address, QStringLiteral("10.0.0.7"));
    EXPECT_EQ(data.Read[1].Mnemonic, QStringLiteral("Disabled \"spare\""));
    EXPECT_EQ(data.Write[0].Port, QStringLiteral("502"));
}

TEST(ModbusRuleFile, AMissingFileIsEmptyADamagedOneAnError)
{
    testing_support::TempFolder folder;
    platform::XmlDocument doc;
    ModbusRuleFile data;
    data.Read.resize(2);
    ethercat_mqtt::ProjectFileRead read =
        readModbusRuleFile(ModbusMaster::Serial, folder.file(QStringLiteral("none.xml")), doc, data);
    EXPECT_FALSE(read.exists);
    EXPECT_TRUE(read.ok());
    EXPECT_TRUE(data.Read.empty());

    const QString noWrite =
        folder.write(QStringLiteral("a.xml"), "<r><Modbus_Read><row Slave_ID=\"1\" /></Modbus_Read></r>");
    read = readModbusRuleFile(ModbusMaster::Serial, noWrite, doc, data);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.missingElement, QStringLiteral("Modbus_Write"));
    EXPECT_EQ(data.Read.size(), 1u);

    const QString broken = folder.write(QStringLiteral("b.xml"), "<r><Modbus_Read><row Slave_ID=\"1\" </r>");
    read = readModbusRuleFile(ModbusMaster::Serial, broken, doc, data);
    EXPECT_TRUE(read.exists);
    EXPECT_FALSE(read.ok());
    EXPECT_FALSE(read.reason.isEmpty());
}

}  // namespace modbus_rule_file_tests

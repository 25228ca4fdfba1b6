// The three CANopen project files written as worked out by hand, read back,
// and read when a list or the whole file is not what the editors write.

#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/canopen/canopen_files.h"

namespace canopen_files_tests {

using namespace canopen;
using can_testing::readFile;

class CANopenFilesTest : public can_testing::CANEditorTest {
protected:
    platform::XmlDocument doc;
};

TEST_F(CANopenFilesTest, PDOFileAsWritten)
{
    PDORule receive;
    receive.COB_ID = "0x201";
    receive.Dimension = "2";
    receive.Address_B1 = "0";
    receive.Address_B2 = "1";
    receive.TimeOut = "0";
    PDORule transmit;
    transmit.COB_ID = "385";
    transmit.Dimension = "1";
    transmit.Address_B1 = "7";
    transmit.Address_B3 = "2000";
    transmit.Send_Time = "100";
    transmit.On_Change = "Y";
    transmit.Mnemonic = "out";
    const QString path = state().PDO_CANopen_Path;
    ASSERT_TRUE(writeTwoLists(path, doc, pdoFileLayout(), {std::vector{receive}, std::vector{transmit}}, nullptr));
    const QByteArray expected =
        "<PDO_CANopen>\n"
        "\t<Receive_PDO>\n"
        "\t\t<row COB-ID=\"0x201\" Dimension=\"2\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"\" "
        "Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" TimeOut=\"0\" "
        "Mnemonic=\"\" />\n"
        "\t</Receive_PDO>\n"
        "\t<Transmit_PDO>\n"
        "\t\t<row COB-ID=\"385\" Dimension=\"1\" Address_B1=\"7\" Address_B2=\"\" Address_B3=\"2000\" "
        "Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" Send_Time=\"100\" "
        "On_Change=\"Y\" Mnemonic=\"out\" />\n"
        "\t</Transmit_PDO>\n"
        "</PDO_CANopen>\n"
        "<!--SW_VERSION = 1.003-->\n";
    EXPECT_EQ(readFile(path), expected);

    TwoLists<PDORule> read;
    ASSERT_TRUE(readTwoLists(path, doc, pdoFileLayout(), read).ok());
    ASSERT_EQ(read[0].size(), 1u);
    ASSERT_EQ(read[1].size(), 1u);
    EXPECT_EQ(read[1][0].Address_B3, QStringLiteral("2000"));
    EXPECT_EQ(read[1][0].Mnemonic, QStringLiteral("out"));
    ASSERT_TRUE(writeTwoLists(path, doc, pdoFileLayout(), read, nullptr));
    EXPECT_EQ(readFile(path), expected);
}

TEST_F(CANopenFilesTest, SDOClientAndServerFilesAsWritten)
{
    SDORequest read;
    read.Device_ID = "5";
    read.Index = "0x6000";
    read.SubIndex = "1";
    read.NByte = "2";
    read.Poll_Time = "100";
    read.Address_B1 = "0";
    read.Address_B2 = "1";
    read.TimeOut = "500";
    read.Mnemonic = "in";
    SDORequest write = read;
    write.On_Change = "";
    write.Mnemonic = "out";
    ASSERT_TRUE(writeTwoLists(state().SDO_Client_CANopen_Path, doc, sdoClientFileLayout(),
                              {std::vector{read}, std::vector{write}}, nullptr));
    EXPECT_EQ(readFile(state().SDO_Client_CANopen_Path),
              QByteArray("<SDO_Client_CANopen>\n"
                         "\t<SDO_Read>\n"
                         "\t\t<row Device_ID=\"5\" Index=\"0x6000\" SubIndex=\"1\" NByte=\"2\" Poll_Time=\"100\" "
                         "Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"\" Address_B4=\"\" TimeOut=\"500\" "
                         "Mnemonic=\"in\" />\n"
                         "\t</SDO_Read>\n"
                         "\t<SDO_Write>\n"
                         "\t\t<row Device_ID=\"5\" Index=\"0x6000\" SubIndex=\"1\" NByte=\"2\" Poll_Time=\"100\" "
                         "On_Change=\"\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"\" Address_B4=\"\" "
                         "Mnemonic=\"out\" />\n"
                         "\t</SDO_Write>\n"
                         "</SDO_Client_CANopen>\n"
                         "<!--SW_VERSION = 1.003-->\n"));

    SDOObject object;
    object.Index = "0x2000";
    object.SubIndex = "3";
    object.NByte = "4";
    object.Address_B1 = "1";
    object.Address_B2 = "2";
    object.Address_B3 = "3";
    object.Address_B4 = "4";
    ASSERT_TRUE(writeTwoLists(state().SDO_Server_CANopen_Path, doc, sdoServerFileLayout(),
                              {std::vector{object}, std::vector<SDOObject>()}, nullptr));
    EXPECT_EQ(readFile(state().SDO_Server_CANopen_Path),
              QByteArray("<SDO_Server_CANopen>\n"
                         "\t<SDO_Read>\n"
                         "\t\t<row Index=\"0x2000\" SubIndex=\"3\" NByte=\"4\" Address_B1=\"1\" Address_B2=\"2\" "
                         "Address_B3=\"3\" Address_B4=\"4\" Mnemonic=\"\" />\n"
                         "\t</SDO_Read>\n"
                         "\t<SDO_Write />\n"
                         "</SDO_Server_CANopen>\n"
                         "<!--SW_VERSION = 1.003-->\n"));
}

TEST_F(CANopenFilesTest, AMissingListIsEmptyAFileWithNeitherListOrNoXmlIsAnError)
{
    const QString path = state().SDO_Server_CANopen_Path;
    TwoLists<SDOObject> objects;
    ethercat_mqtt::ProjectFileRead read = readTwoLists(path, doc, sdoServerFileLayout(), objects);
    EXPECT_TRUE(read.ok());
    EXPECT_FALSE(read.exists);

    write(path, "<SDO_Server_CANopen><SDO_Write><row Index=\"0x2001\" /></SDO_Write></SDO_Server_CANopen>");
    read = readTwoLists(path, doc, sdoServerFileLayout(), objects);
    EXPECT_TRUE(read.ok());
    EXPECT_TRUE(objects[0].empty());
    ASSERT_EQ(objects[1].size(), 1u);
    EXPECT_EQ(objects[1][0].Index, QStringLiteral("0x2001"));
    EXPECT_EQ(objects[1][0].NByte, QString());

    write(path, "<Other><row Index=\"0x2001\" /></Other>");
    read = readTwoLists(path, doc, sdoServerFileLayout(), objects);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.missingElement, QStringLiteral("SDO_Read"));
    EXPECT_TRUE(objects[0].empty() && objects[1].empty());

    write(path, "<SDO_Server_CANopen><SDO_Read>");
    read = readTwoLists(path, doc, sdoServerFileLayout(), objects);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.missingElement.isEmpty());
    EXPECT_FALSE(read.reason.isEmpty());
}

}  // namespace canopen_files_tests

// The EtherCAT and MQTT project files: reading, writing in the editors'
// layout, and the group membership rule.

#include <QFile>
#include <gtest/gtest.h>

#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"
#include "support/temp_folder.h"

namespace project_files_tests {

using namespace ethercat_mqtt;

QString fixture(const char* name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/ethercat_mqtt/project_files/") + QLatin1String(name);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(EtherCATSlaveFile, ReadsBothListsAndWritesThemBackUnchanged)
{
    platform::XmlDocument doc;
    EtherCATSlaveFile data;
    const ProjectFileRead read = readEtherCATSlaveFile(fixture("EtherCAT_Slave.xml"), doc, data);
    ASSERT_TRUE(read.exists);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(data.SlaveToMaster.size(), 3u);
    ASSERT_EQ(data.MasterToSlave.size(), 1u);
    EXPECT_EQ(data.SlaveToMaster[1].Enable, QStringLiteral("N"));
    EXPECT_EQ(data.SlaveToMaster[1].Mnemonic, QStringLiteral("spare & <unused>"));
    EXPECT_EQ(data.SlaveToMaster[2].Name, QStringLiteral("Temp°C"));
    EXPECT_EQ(data.MasterToSlave[0].Type, QStringLiteral("UInt16"));

    testing_support::TempFolder folder;
    const QString out = folder.file(QStringLiteral("EtherCAT_Slave.xml"));
    ASSERT_TRUE(writeEtherCATSlaveFile(out, doc, data));
    EXPECT_EQ(readFile(out), readFile(fixture("EtherCAT_Slave.xml")));
}

TEST(EtherCATSlaveFile, EmptyProjectAndMasterToSlaveWithoutInitValue)
{
    testing_support::TempFolder folder;
    const QString out = folder.file(QStringLiteral("EtherCAT_Slave.xml"));
    platform::XmlDocument doc;
    ASSERT_TRUE(writeEtherCATSlaveFile(out, doc, EtherCATSlaveFile()));
    EXPECT_EQ(readFile(out), QByteArray("<EtherCAT_Slave>\n\t<EtherCAT_Slave_Variables>\n"
                                        "\t\t<EtherCAT_Slave_To_Master />\n\t\t<EtherCAT_Master_To_Slave />\n"
                                        "\t</EtherCAT_Slave_Variables>\n</EtherCAT_Slave>\n<!--SW_VERSION = 1.001-->\n"));

    EtherCATSlaveFile data;
    EtherCATVariableRow row;
    row.Type = QStringLiteral("Int8");
    row.InitValue = QStringLiteral("5");
    data.MasterToSlave.push_back(row);
    ASSERT_TRUE(writeEtherCATSlaveFile(out, doc, data));
    EXPECT_FALSE(readFile(out).contains("InitValue"));

    // One written by hand is still read.
    const QString handMade = folder.write(QStringLiteral("hand.xml"),
                                          "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
                                          "<EtherCAT_Master_To_Slave><row Enable=\"Y\" Type=\"UInt8\" Length=\"1\" "
                                          "InitValue=\"7\"/></EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables>"
                                          "</EtherCAT_Slave>");
    ASSERT_TRUE(readEtherCATSlaveFile(handMade, doc, data).ok());
    ASSERT_EQ(data.MasterToSlave.size(), 1u);
    EXPECT_EQ(data.MasterToSlave[0].InitValue, QStringLiteral("7"));
}

TEST(EtherCATSlaveFile, MissingEnableMeansWhatTheReaderSays)
{
    testing_support::TempFolder folder;
    const QString path = folder.write(
        QStringLiteral("EtherCAT_Slave.xml"),
        "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master><row Type=\"Int8\" /></EtherCAT_Slave_To_Master>"
        "<EtherCAT_Master_To_Slave><row Enable=\"N\" Type=\"Int8\" /></EtherCAT_Master_To_Slave>"
        "</EtherCAT_Slave_Variables></EtherCAT_Slave>");
    platform::XmlDocument doc;
    EtherCATSlaveFile data;
    ASSERT_TRUE(readEtherCATSlaveFile(path, doc, data).ok());
    EXPECT_TRUE(data.SlaveToMaster[0].enabled());
    EXPECT_FALSE(data.MasterToSlave[0].enabled());
    ASSERT_TRUE(readEtherCATSlaveFile(path, doc, data, MissingEnable::Disabled).ok());
    EXPECT_FALSE(data.SlaveToMaster[0].enabled());
}

TEST(ProjectFiles, MissingFilesAndMissingLists)
{
    testing_support::TempFolder folder;
    platform::XmlDocument doc;
    EtherCATSlaveFile slave;
    EtherCATGroupFile groups;
    MQTTTopicFile topics;
    const ProjectFileRead missing = readMQTTTopicFile(folder.file(QStringLiteral("MQTT_Set_Topic.xml")), doc, topics);
    EXPECT_FALSE(missing.exists);
    EXPECT_TRUE(missing.ok());

    const QString noList = folder.write(QStringLiteral("a.xml"), "<Root><Slave_to_Master><row Group_Name=\"g\" /></Slave_to_Master></Root>");
    const ProjectFileRead partial = readEtherCATGroupFile(noList, doc, groups);
    EXPECT_FALSE(partial.ok());
    EXPECT_TRUE(partial.error.contains(QStringLiteral("Master_to_Slave")));
    EXPECT_EQ(groups.Slave_to_Master.size(), 1u);  // the list found is still read

    const QString notXml = folder.write(QStringLiteral("b.xml"), "<EtherCAT_Slave>");
    const ProjectFileRead broken = readEtherCATSlaveFile(notXml, doc, slave);
    EXPECT_TRUE(broken.exists);
    EXPECT_FALSE(broken.ok());
    EXPECT_TRUE(broken.error.contains(notXml));

    // A declaration or comment before the root is passed over.
    const QString commented = folder.write(QStringLiteral("d.xml"),
                                           "<?xml version=\"1.0\"?>\n<!-- edited by hand -->\n"
                                           "<Root><Slave_to_Master><row Group_Name=\"g\" Num_Variables=\"2\"/></Slave_to_Master>"
                                           "<Master_to_Slave/></Root>");
    const ProjectFileRead withComment = readEtherCATGroupFile(commented, doc, groups);
    EXPECT_TRUE(withComment.ok()) << withComment.error.toStdString();
    ASSERT_EQ(groups.Slave_to_Master.size(), 1u);
    EXPECT_EQ(groups.Slave_to_Master[0].Num_Variables, QStringLiteral("2"));

    const QString noVariables = folder.write(QStringLiteral("c.xml"), "<EtherCAT_Slave />");
    EXPECT_TRUE(readEtherCATSlaveFile(noVariables, doc, slave).error.contains(QStringLiteral("EtherCAT_Slave_Variables")));
}

TEST(EtherCATGroupFile, ReadsAndWritesBackUnchanged)
{
    platform::XmlDocument doc;
    EtherCATGroupFile data;
    ASSERT_TRUE(readEtherCATGroupFile(fixture("EtherCAT_Slave_Group.xml"), doc, data).ok());
    ASSERT_EQ(data.Slave_to_Master.size(), 1u);
    EXPECT_EQ(data.Slave_to_Master[0].Num_Variables, QStringLiteral("2"));
    EXPECT_TRUE(data.Master_to_Slave.empty());
    testing_support::TempFolder folder;
    const QString out = folder.file(QStringLiteral("EtherCAT_Slave_Group.xml"));
    ASSERT_TRUE(writeEtherCATGroupFile(out, doc, data));
    EXPECT_EQ(readFile(out), readFile(fixture("EtherCAT_Slave_Group.xml")));
}

TEST(GroupMembership, GroupsTakeConsecutiveRunsOfEnabledVariables)
{
    // Groups of 3 and 2: enabled variables 0 .. 2 in the first, 3 and 4 in
    // the second, the rest in none.
    const std::vector<EtherCATGroupRow> rows = {
        {QStringLiteral("first"), QStringLiteral("3"), {}},
        {QString(), QStringLiteral("7"), {}},  // no name: no group
        {QStringLiteral("second"), QStringLiteral("2"), {}},
    };
    const std::vector<EtherCATGroup> groups = namedGroups(rows);
    ASSERT_EQ(groups.size(), 2u);
    const int expected[] = {0, 0, 0, 1, 1, -1, -1};
    for (int v = 0; v < 7; ++v)
        EXPECT_EQ(groupOfVariable(groups, v), expected[v]) << v;

    // A count that is no number counts 0: its group takes no variable.
    const std::vector<EtherCATGroup> withEmpty =
        namedGroups({{QStringLiteral("a"), QStringLiteral("x"), {}}, {QStringLiteral("b"), QStringLiteral("1"), {}}});
    EXPECT_EQ(groupOfVariable(withEmpty, 0), 1);
    EXPECT_EQ(groupOfVariable({}, 0), -1);
}

TEST(MQTTTopicFile, KeepsHiddenColumnsAndLineBreaksThroughLoadAndSave)
{
    platform::XmlDocument doc;
    MQTTTopicFile data;
    ASSERT_TRUE(readMQTTTopicFile(fixture("MQTT_Set_Topic.xml"), doc, data).ok());
    ASSERT_EQ(data.Publish.size(), 1u);
    ASSERT_EQ(data.Subscribe.size(), 1u);
    EXPECT_EQ(data.Publish[0].IPAddress, QStringLiteral("10.0.0.1"));
    EXPECT_EQ(data.Publish[0].Template, QStringLiteral("{\"t\":$VALUE$,\n\"u\":1}"));
    EXPECT_EQ(data.Publish[0].Time, QStringLiteral("abc"));
    EXPECT_EQ(data.Subscribe[0].Port, QStringLiteral("502"));
    EXPECT_EQ(data.Subscribe[0].QoS, QString());

    testing_support::TempFolder folder;
    const QString out = folder.file(QStringLiteral("MQTT_Set_Topic.xml"));
    ASSERT_TRUE(writeMQTTTopicFile(out, doc, data));
    EXPECT_EQ(readFile(out), readFile(fixture("MQTT_Set_Topic.xml")));
}

TEST(MQTTTopicFile, MissingCheckBoxesReadAsNoAndEmptyListsAreWritten)
{
    testing_support::TempFolder folder;
    const QString path = folder.write(QStringLiteral("MQTT_Set_Topic.xml"),
                                      "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"t\" QoS=\"0\" /></MQTT_Publish>"
                                      "<MQTT_Subscribe /></MQTT_Set_Topic>");
    platform::XmlDocument doc;
    MQTTTopicFile data;
    ASSERT_TRUE(readMQTTTopicFile(path, doc, data).ok());
    ASSERT_EQ(data.Publish.size(), 1u);
    EXPECT_EQ(data.Publish[0].OnChange, QStringLiteral("N"));
    EXPECT_EQ(data.Publish[0].OnTimer, QStringLiteral("N"));
    EXPECT_EQ(data.Publish[0].Template, QString());

    ASSERT_TRUE(writeMQTTTopicFile(path, doc, MQTTTopicFile()));
    EXPECT_EQ(readFile(path), QByteArray("<MQTT_Set_Topic>\n\t<MQTT_Publish />\n\t<MQTT_Subscribe />\n</MQTT_Set_Topic>\n"
                                         "<!--SW_VERSION = 1.001-->\n"));
}

}  // namespace project_files_tests

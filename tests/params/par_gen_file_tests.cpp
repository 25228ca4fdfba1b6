// ParGen.xml: the writer's element order and values, and how the file is
// read (first element of a name, unreadable elements, missing file).

#include <QFile>
#include <gtest/gtest.h>

#include "params/par_gen_file.h"
#include "platform/xml_document.h"
#include "support/temp_folder.h"

namespace par_gen_file_tests {

QStringList expectedOrder()
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/params/par_gen_element_order.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

TEST(ParGenWrite, AllElementsInOrderWithTheirValuesThenTheComment)
{
    testing_support::TempFolder folder;
    const QString path = folder.file(QStringLiteral("ParGen.xml"));
    const QHash<QString, QString> values = {
        {QStringLiteral("Eth_Conn_Device_Name"), QStringLiteral("gateway-1")},
        {QStringLiteral("GSM_GPRS_AUTHTYPE"), QStringLiteral("PAP or CHAP")},
        {QStringLiteral("TLS_Server_Auth_Certificate"), QStringLiteral("-----BEGIN-----\nAAAA\n-----END-----")},
        {QStringLiteral("MQTT_Server_Port"), QString()},
    };
    platform::XmlDocument doc;
    QString error;
    ASSERT_TRUE(params::writeParGenFile(path, doc, values, &error)) << error.toStdString();

    const QByteArray text = folder.read(QStringLiteral("ParGen.xml"));
    EXPECT_TRUE(text.startsWith("<Par_Gen>")) << "no declaration before the root";
    EXPECT_TRUE(text.trimmed().endsWith("<!--SW_VERSION = 1.001-->"));

    platform::XmlDocument reread;
    ASSERT_TRUE(reread.load(path));
    ASSERT_EQ(reread.root().name(), QStringLiteral("Par_Gen"));
    const std::vector<platform::XmlElement> elements = reread.root().children();
    const QStringList order = expectedOrder();
    ASSERT_EQ(elements.size(), static_cast<size_t>(order.size()));
    for (size_t i = 0; i < elements.size(); ++i)
        EXPECT_EQ(elements[i].name(), order[static_cast<qsizetype>(i)]) << i;

    // Values given, and the form's defaults for the others.
    const auto textOf = [&](const char* name) { return reread.root().childText(QString::fromLatin1(name)); };
    EXPECT_EQ(textOf("Eth_Conn_Device_Name"), QStringLiteral("gateway-1"));
    EXPECT_EQ(textOf("GSM_GPRS_AUTHTYPE"), QStringLiteral("PAP or CHAP"));
    EXPECT_EQ(textOf("TLS_Server_Auth_Certificate"), QStringLiteral("-----BEGIN-----\nAAAA\n-----END-----"));
    EXPECT_EQ(textOf("MQTT_Server_Port"), QString());
    EXPECT_EQ(textOf("Eth_Conn_Secondary_DNS3"), QStringLiteral("4"));
    EXPECT_EQ(textOf("EtherCAT_Slave_Name"), QStringLiteral("devicename1"));
    EXPECT_EQ(textOf("WiFi_Channel"), QStringLiteral("1"));
    EXPECT_EQ(textOf("WiFi_Lease_Time"), QStringLiteral("86400"));
    EXPECT_EQ(textOf("Eth_Conn_DHCP_WiFi"), QStringLiteral("0"));
}

TEST(ParGenRead, ElementsByNameWithTheFormDefaults)
{
    testing_support::TempFolder folder;
    const QString path = folder.write(
        QStringLiteral("ParGen.xml"),
        "<Whatever><Ethernet_IP1>10</Ethernet_IP1><Ethernet_IP1>11</Ethernet_IP1>"
        "<Ethernet_IP2><b>1</b></Ethernet_IP2><Ethernet_IP2>12</Ethernet_IP2>"
        "<MQTT_ASync_Send_Time></MQTT_ASync_Send_Time><Unknown>1</Unknown></Whatever><!--SW_VERSION = 1.001-->");
    platform::XmlDocument doc;
    params::ParGenFile file;
    ASSERT_TRUE(params::readParGenFile(path, doc, file));
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.value(QStringLiteral("Ethernet_IP1")), QStringLiteral("10"));  // the first counts
    EXPECT_FALSE(file.has(QStringLiteral("Ethernet_IP2")));  // the first cannot be read
    EXPECT_EQ(file.formValue(QStringLiteral("Ethernet_IP2")), QStringLiteral("168"));
    EXPECT_EQ(file.formValue(QStringLiteral("MQTT_ASync_Send_Time")), QString());  // empty, not the default
    EXPECT_EQ(file.formValue(QStringLiteral("Ethernet_IP4")), QStringLiteral("5"));
    EXPECT_EQ(file.formValue(QStringLiteral("GSM_GPRS_AUTHTYPE")), QStringLiteral("None"));
}

TEST(ParGenRead, MissingFileAndFilesWithoutSettings)
{
    testing_support::TempFolder folder;
    platform::XmlDocument doc;
    params::ParGenFile file;
    ASSERT_TRUE(params::readParGenFile(folder.file(QStringLiteral("ParGen.xml")), doc, file));
    EXPECT_FALSE(file.exists());
    EXPECT_EQ(file.formValue(QStringLiteral("MQTT_ASync_Send_Time")), QStringLiteral("10"));
    EXPECT_EQ(file.formValue(QStringLiteral("WiFi_IP4")), QStringLiteral("100"));

    // The root is the first element: a comment or declaration before it is
    // passed over.
    const QString commentFirst = folder.write(QStringLiteral("comment.xml"),
                                              "<?xml version=\"1.0\"?><!--x--><Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen>");
    ASSERT_TRUE(params::readParGenFile(commentFirst, doc, file));
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.value(QStringLiteral("Ethernet_IP1")), QStringLiteral("10"));

    const QString broken = folder.write(QStringLiteral("broken.xml"), "<Par_Gen><Ethernet_IP1>");
    QString error;
    EXPECT_FALSE(params::readParGenFile(broken, doc, file, &error));
    EXPECT_TRUE(error.contains(broken)) << error.toStdString();
}

}  // namespace par_gen_file_tests

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/ethercat_mqtt/updater_job.h"
#include "platform/xml_document.h"
#include "support/temp_folder.h"

using namespace ethercat_mqtt;

namespace {

struct Expected_Step {
    const char* file;  // relative to the scratch folder
    const char* start;
    const char* bank;
    const char* writeCss;
};

const Expected_Step kFirmware{"MASTER/Sim41T17.sim", "0x8000", "1", "1"};
const Expected_Step kBank1{"PROJECTS/Line 4/bin/bank1.bin", "0x07000", "2", "0"};
const Expected_Step kBank2{"PROJECTS/Line 4/bin/bank2.bin", "0x80000", "2", "0"};
const Expected_Step kBank3{"PROJECTS/Line 4/bin/bank3.bin", "0xA0000", "2", "0"};

}  // namespace

struct UpdaterJobTest : ::testing::Test {
    testing_support::TempFolder dir;
    app::AppState state;
    platform::XmlDocument xml;

    UpdaterJobTest()
    {
        state.Exe_Path = dir.path();
        state.Master_Path = dir.path() + "/MASTER";
        state.Projects_Path = dir.path() + "/PROJECTS";
        state.Project_Path = state.Projects_Path + "/Line 4";
        app::Load_Default_Texts(app::textTable());
    }

    // Checks the job file's operations against `steps`, child by child.
    void expectOperations(const std::vector<Expected_Step>& steps, const char* readBack)
    {
        platform::XmlDocument job;
        ASSERT_TRUE(job.load(dir.file("Ethernet_Update.xml")));
        const auto ops = job.root().child("Operations").children();
        ASSERT_EQ(ops.size(), steps.size());
        for (size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE(i);
            const Expected_Step& s = steps[i];
            const QStringList expected = {
                "Ope_Protection_Enabled=",  "Ope_GoToBoot_Before=0", "Ope_GoToApp_Before=0",
                "Ope_IP_Address=",          "Ope_Port=2008",         "Ope_Port_Sec=2007",
                "Ope_Erase_Memory=0",       "Ope_FileName=" + dir.path() + "/" + s.file,
                QString("Ope_Start_Address=") + s.start,               "Ope_Memory_Type=0",
                QString("Ope_Bank_Type=") + s.bank,                    QString("Ope_Read_Back=") + readBack,
                QString("Ope_Write_CSS=") + s.writeCss,                "Ope_Address_CSS=0x07A00",
                "Ope_Command_CSS=0x02",     "Ope_Write_Internal_Data=0", "Ope_WID_Address=0x07810",
                "Ope_WID_Command=0x02",     "Ope_WID_Data=0x00, 0x00, 0x00, 0x01",
                QString("Ope_GoToApp_After=") + (i + 1 == steps.size() ? "1" : "0"),
            };
            QStringList actual;
            EXPECT_EQ(ops[i].name(), "Operation");
            for (const platform::XmlElement& e : ops[i].children())
                actual << e.name() + "=" + e.text();
            EXPECT_EQ(actual, expected);
        }
    }
};

TEST_F(UpdaterJobTest, FirmwareOnlyWithoutReadBackIsTheExactFile)
{
    ASSERT_TRUE(Compile_XML_Parameter_New_Boot(xml, state, "192.168.2.205", Update_Firmware_Only, false));
    const QString expected =
        "<Ethernet_Update>\n"
        "\t<Version>1000</Version>\n"
        "\t<Title>Olvenk - CQ41T17 Ethernet Update</Title>\n"
        "\t<IP_Address_Dev>192.168.2.205</IP_Address_Dev>\n"
        "\t<Application_Port>10000</Application_Port>\n"
        "\t<Boot_Port>2008</Boot_Port>\n"
        "\t<Boot_Port_Sec>2007</Boot_Port_Sec>\n"
        "\t<Address_Protection>0x07800</Address_Protection>\n"
        "\t<Protections>\n"
        "\t\t<Protection>0x2F6</Protection>\n"
        "\t</Protections>\n"
        "\t<Operations>\n"
        "\t\t<Operation>\n"
        "\t\t\t<Ope_Protection_Enabled />\n"
        "\t\t\t<Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>\n"
        "\t\t\t<Ope_GoToApp_Before>0</Ope_GoToApp_Before>\n"
        "\t\t\t<Ope_IP_Address />\n"
        "\t\t\t<Ope_Port>2008</Ope_Port>\n"
        "\t\t\t<Ope_Port_Sec>2007</Ope_Port_Sec>\n"
        "\t\t\t<Ope_Erase_Memory>0</Ope_Erase_Memory>\n"
        "\t\t\t<Ope_FileName>" + dir.path() + "/MASTER/Sim41T17.sim</Ope_FileName>\n"
        "\t\t\t<Ope_Start_Address>0x8000</Ope_Start_Address>\n"
        "\t\t\t<Ope_Memory_Type>0</Ope_Memory_Type>\n"
        "\t\t\t<Ope_Bank_Type>1</Ope_Bank_Type>\n"
        "\t\t\t<Ope_Read_Back>0</Ope_Read_Back>\n"
        "\t\t\t<Ope_Write_CSS>1</Ope_Write_CSS>\n"
        "\t\t\t<Ope_Address_CSS>0x07A00</Ope_Address_CSS>\n"
        "\t\t\t<Ope_Command_CSS>0x02</Ope_Command_CSS>\n"
        "\t\t\t<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>\n"
        "\t\t\t<Ope_WID_Address>0x07810</Ope_WID_Address>\n"
        "\t\t\t<Ope_WID_Command>0x02</Ope_WID_Command>\n"
        "\t\t\t<Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>\n"
        "\t\t\t<Ope_GoToApp_After>1</Ope_GoToApp_After>\n"
        "\t\t</Operation>\n"
        "\t</Operations>\n"
        "</Ethernet_Update>\n";
    EXPECT_EQ(QString::fromUtf8(dir.read("Ethernet_Update.xml")), expected);
}

TEST_F(UpdaterJobTest, StepsOfEveryChoice)
{
    struct Case {
        int choice;
        bool readBack;
        std::vector<Expected_Step> steps;
    };
    const Case cases[] = {
        {Update_Firmware_And_Configuration, true, {kFirmware, kBank1, kBank2, kBank3}},
        {Update_Firmware_And_Configuration, false, {kFirmware, kBank1, kBank2, kBank3}},
        {Update_Firmware_Only, true, {kFirmware}},
        {Update_Configuration_Only, false, {kBank1, kBank2, kBank3}},
        {Update_Configuration_Only, true, {kBank1, kBank2, kBank3}},
        {3, true, {}},
        {-1, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "choice " << c.choice << " read back " << c.readBack);
        ASSERT_TRUE(Compile_XML_Parameter_New_Boot(xml, state, "10.0.0.7", c.choice, c.readBack));
        expectOperations(c.steps, c.readBack ? "1" : "0");
    }
}

TEST_F(UpdaterJobTest, TheUpdaterRunsOnlyAfterTheJobFileIsWritten)
{
    // A fake updater that copies the job it finds next to itself.
    const QString updater = dir.write("Ethernet_Update",
                                      "#!/bin/sh\ncd \"$(dirname \"$0\")\"\nsleep 0.2\ncp Ethernet_Update.xml seen.xml\n");
    ::chmod(QFile::encodeName(updater).constData(), 0755);

    EXPECT_EQ(Run_Update_Job(xml, state, "10.0.0.7", Update_Configuration_Only, true), "");
    EXPECT_TRUE(dir.read("seen.xml").contains("<IP_Address_Dev>10.0.0.7</IP_Address_Dev>"));

    // A job file that cannot be written: the updater is not started.
    QFile::remove(dir.file("seen.xml"));
    QDir(dir.path()).mkdir("blocked");
    QFile::remove(dir.file("Ethernet_Update.xml"));
    QDir(dir.path()).mkdir("Ethernet_Update.xml");
    const QString message = Run_Update_Job(xml, state, "10.0.0.7", Update_Firmware_Only, true);
    EXPECT_TRUE(message.startsWith("Error!!! The update job file cannot be written: ")) << message.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file("seen.xml")));
}

TEST_F(UpdaterJobTest, AMissingUpdaterIsReportedAfterTheJobIsWritten)
{
    const QString message = Run_Update_Job(xml, state, "10.0.0.7", Update_Firmware_Only, false);
    EXPECT_TRUE(message.startsWith("Error!!! The update program cannot be started: ")) << message.toStdString();
    EXPECT_TRUE(message.contains("Ethernet_Update")) << message.toStdString();
    EXPECT_TRUE(QFile::exists(dir.file("Ethernet_Update.xml")));
}

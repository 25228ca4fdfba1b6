#include <sys/stat.h>

#include <QFile>
#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "platform/xml_document.h"
#include "support/temp_folder.h"

namespace {


const QByteArray kFullSettings =
    "<Conf_Settings><lastproj><projectname>Plant_7</projectname></lastproj>"
    "<lastipadd><ipaddress>10.1.2.3</ipaddress></lastipadd>"
    "<lastlang><language>Deutsch</language></lastlang>"
    "<lastinternet><enable_internet>1</enable_internet><enable_update>0</enable_update>"
    "<enable_jump_field_tables>1</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

}  // namespace

struct SettingsFileTest : ::testing::Test {
    testing_support::TempFolder dir;
    platform::XmlDocument xml;
    app::AppState state;

    SettingsFileTest() { state.Exe_Path = dir.path(); }

    void writeSettings(const QByteArray& text) { dir.write("Velmoraxis.xml", text); }

    // Fills the state with values that differ from every default.
    void dirty()
    {
        state.Project_Name = "stale";
        state.Project_Path = "/stale";
        state.Last_IP_Address = "10.0.0.9";
        state.Language_Name = "Italiano";
        state.Enable_Internet = state.Enable_Update = true;
        state.Enable_Jump_Field_Tables = state.Double_Click_Auto_Size = true;
    }

    void expectDefaults()
    {
        EXPECT_EQ(state.Project_Name, "");
        EXPECT_EQ(state.Project_Path, "");
        EXPECT_EQ(state.Last_IP_Address, "192.168.2.205");
        EXPECT_EQ(state.Language_Name, "English");
        EXPECT_FALSE(state.Enable_Internet);
        EXPECT_FALSE(state.Enable_Update);
        EXPECT_FALSE(state.Enable_Jump_Field_Tables);
        EXPECT_FALSE(state.Double_Click_Auto_Size);
    }
};

TEST_F(SettingsFileTest, UnreadableFilesGiveEveryDefault)
{
    const QByteArray files[] = {
        QByteArray(),                            // no file at all
        "<Conf_Settings><lastproj><projectname>P",  // truncated
        "not xml",
    };
    for (const QByteArray& content : files) {
        SCOPED_TRACE(content.constData());
        if (content.isNull())
            QFile::remove(app::settingsFilePath(state));
        else
            writeSettings(content);
        dirty();
        app::Read_Settings(state, xml);
        expectDefaults();
    }
}

TEST_F(SettingsFileTest, ReadsEveryValue)
{
    writeSettings(kFullSettings);
    dirty();
    app::Read_Settings(state, xml);
    EXPECT_EQ(state.Project_Name, "Plant_7");
    EXPECT_EQ(state.Project_Path, "");  // the project is opened by the caller
    EXPECT_EQ(state.Last_IP_Address, "10.1.2.3");
    EXPECT_EQ(state.Language_Name, "Deutsch");
    EXPECT_TRUE(state.Enable_Internet);
    EXPECT_FALSE(state.Enable_Update);
    EXPECT_TRUE(state.Enable_Jump_Field_Tables);
    EXPECT_TRUE(state.Double_Click_Auto_Size);
}

TEST_F(SettingsFileTest, EachValueFallsBackOnItsOwn)
{
    struct Case {
        const char* name;
        QByteArray file;
        void (*check)(const app::AppState&);
    };
    const Case cases[] = {
        {"root of another name, comment before it",
         QByteArray("<!-- kept by hand --><Other>") + kFullSettings.mid(15, kFullSettings.size() - 31) + "</Other>",
         [](const app::AppState& s) {
             EXPECT_EQ(s.Project_Name, "Plant_7");
             EXPECT_TRUE(s.Double_Click_Auto_Size);
         }},
        {"declaration before the root", QByteArray("<?xml version=\"1.0\"?>\n") + kFullSettings,
         [](const app::AppState& s) { EXPECT_EQ(s.Language_Name, "Deutsch"); }},
        {"no options group",
         "<Conf_Settings><lastproj><projectname>P</projectname></lastproj>"
         "<lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
         [](const app::AppState& s) {
             EXPECT_EQ(s.Project_Name, "P");
             EXPECT_EQ(s.Last_IP_Address, "192.168.2.205");
             EXPECT_EQ(s.Language_Name, "Deutsch");
             EXPECT_FALSE(s.Enable_Internet || s.Enable_Update || s.Enable_Jump_Field_Tables
                          || s.Double_Click_Auto_Size);
         }},
        {"only the exact text 1 is true",
         "<C><lastinternet><enable_internet>true</enable_internet><enable_update> 1</enable_update>"
         "<enable_jump_field_tables>1</enable_jump_field_tables>"
         "<double_click_auto_size>1</double_click_auto_size></lastinternet></C>",
         [](const app::AppState& s) {
             EXPECT_FALSE(s.Enable_Internet);
             EXPECT_FALSE(s.Enable_Update);
             EXPECT_TRUE(s.Enable_Jump_Field_Tables);
             EXPECT_FALSE(s.Double_Click_Auto_Size);  // element names are case-sensitive
         }},
        {"present but empty values stay empty",
         "<C><lastipadd><ipaddress/></lastipadd><lastlang><language></language></lastlang></C>",
         [](const app::AppState& s) {
             EXPECT_EQ(s.Last_IP_Address, "");
             EXPECT_EQ(s.Language_Name, "");
         }},
        {"a value holding elements is not plain text",
         "<C><lastlang><language><b>x</b></language></lastlang></C>",
         [](const app::AppState& s) { EXPECT_EQ(s.Language_Name, "English"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings(c.file);
        dirty();
        app::Read_Settings(state, xml);
        c.check(state);
    }
}

TEST_F(SettingsFileTest, WritesTheExactElementsInOrder)
{
    state.Project_Name = "Plant_7";
    state.Last_IP_Address = "10.1.2.3";
    state.Language_Name = "Deutsch";
    state.Enable_Internet = true;
    state.Double_Click_Auto_Size = true;
    ASSERT_TRUE(app::Save_Setting(state, xml));
    EXPECT_EQ(dir.read("Velmoraxis.xml"),
              "<Conf_Settings>\n"
              "\t<lastproj>\n\t\t<projectname>Plant_7</projectname>\n\t</lastproj>\n"
              "\t<lastipadd>\n\t\t<ipaddress>10.1.2.3</ipaddress>\n\t</lastipadd>\n"
              "\t<lastlang>\n\t\t<language>Deutsch</language>\n\t</lastlang>\n"
              "\t<lastinternet>\n"
              "\t\t<enable_internet>1</enable_internet>\n"
              "\t\t<enable_update>0</enable_update>\n"
              "\t\t<enable_jump_field_tables>0</enable_jump_field_tables>\n"
              "\t\t<Double_Click_Auto_Size>1</Double_Click_Auto_Size>\n"
              "\t</lastinternet>\n"
              "</Conf_Settings>\n");
}

TEST_F(SettingsFileTest, RoundTripKeepsEveryValueButNotTheUpdateChoices)
{
    state.Project_Name = QString::fromUtf8("Linea \xC3\xA8 <1> & \"2\"");
    state.Last_IP_Address = "";
    state.Language_Name = "Italiano";
    state.Enable_Update = true;
    state.Enable_Jump_Field_Tables = true;
    state.Last_Update_Option = 2;
    state.Last_Read_Back = false;
    ASSERT_TRUE(app::Save_Setting(state, xml));

    app::AppState back;
    back.Exe_Path = dir.path();
    app::Read_Settings(back, xml);
    EXPECT_EQ(back.Project_Name, state.Project_Name);
    EXPECT_EQ(back.Last_IP_Address, "");
    EXPECT_EQ(back.Language_Name, "Italiano");
    EXPECT_FALSE(back.Enable_Internet);
    EXPECT_TRUE(back.Enable_Update);
    EXPECT_TRUE(back.Enable_Jump_Field_Tables);
    EXPECT_FALSE(back.Double_Click_Auto_Size);
    EXPECT_EQ(back.Last_Update_Option, 0);
    EXPECT_TRUE(back.Last_Read_Back);
    EXPECT_FALSE(dir.read("Velmoraxis.xml").contains("Last_Update"));
}

TEST_F(SettingsFileTest, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    writeSettings(kFullSettings);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
    QString error;
    const bool saved = app::Save_Setting(state, xml, &error);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into a read-only folder";
    EXPECT_FALSE(saved);
    EXPECT_TRUE(error.contains("Velmoraxis.xml")) << error.toStdString();
    EXPECT_EQ(dir.read("Velmoraxis.xml"), kFullSettings);
}

TEST_F(SettingsFileTest, AWriteOverAFolderFailsCleanly)
{
    // Works as root too: a folder where the file should be cannot be replaced.
    QDir(dir.path()).mkdir("Velmoraxis.xml");
    QString error;
    EXPECT_FALSE(app::Save_Setting(state, xml, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.file("Velmoraxis.xml")).isDir());
}

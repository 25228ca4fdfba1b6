#include <QDir>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "support/temp_folder.h"

TEST(AppState, StartValues)
{
    const app::AppState state;
    EXPECT_FALSE(state.projectOpen());
    EXPECT_EQ(state.Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(state.Language_Name, "English");
    EXPECT_EQ(state.Last_Update_Option, 0);
    EXPECT_TRUE(state.Last_Read_Back);
    EXPECT_EQ(app::projectFiles().size(), 29u);
    EXPECT_STREQ(app::projectFiles().front().fileName, "ParGen.xml");
    EXPECT_STREQ(app::projectFiles().back().fileName, "EtherCAT_Slave_Group.xml");
}

TEST(AppState, FoldersAreCreatedNextToTheExecutable)
{
    testing_support::TempFolder dir;
    app::AppState state;
    app::Set_Folders(state, dir.path() + "/");
    EXPECT_EQ(state.Exe_Path, dir.path());
    EXPECT_EQ(state.Projects_Path, dir.path() + "/PROJECTS");
    EXPECT_EQ(state.Master_Path, dir.path() + "/MASTER");
    EXPECT_EQ(state.Language_Path, dir.path() + "/LANGUAGE");
    for (const char* name : {"PROJECTS", "MASTER", "LANGUAGE"})
        EXPECT_TRUE(QDir(dir.path()).exists(name)) << name;
    app::Set_Build_Identity(state);
    EXPECT_EQ(state.Main_Caption, "Olvenk - Configurator CQ41T17 - EtherCAT Slave / MQTT ");
    EXPECT_EQ(state.SW_Code, "CQ41T17");
    EXPECT_EQ(state.SW_Desc, "EtherCAT Slave / MQTT - Converter");
}

TEST(AppState, FilePathsFollowTheOpenProject)
{
    testing_support::TempFolder dir;
    app::AppState state;
    app::Set_Folders(state, dir.path());
    QDir(state.Projects_Path).mkpath("Plant_A/bin");

    // No project: every path empty.
    app::Set_Files(state);
    for (const app::ProjectFile& f : app::projectFiles())
        EXPECT_EQ(state.*f.path, "") << f.fileName;

    ASSERT_TRUE(app::Open_Project_Folder(state, "plant_a"));
    EXPECT_EQ(state.Project_Name, "plant_a");  // the name as remembered
    EXPECT_EQ(state.Project_Path, state.Projects_Path + "/Plant_A");
    EXPECT_EQ(state.ParGen_Path, state.Projects_Path + "/Plant_A/ParGen.xml");
    EXPECT_EQ(state.MQTT_Set_Topic_Path, state.Project_Path + "/MQTT_Set_Topic.xml");
    EXPECT_EQ(state.EtherCAT_Slave_Group_Path, state.Project_Path + "/EtherCAT_Slave_Group.xml");
    for (const app::ProjectFile& f : app::projectFiles())
        EXPECT_EQ(state.*f.path, state.Project_Path + "/" + f.fileName);

    // A remembered project whose folder is gone: none open, the name kept.
    for (const char* name : {"Gone", "", "..", "Plant_A/bin"}) {
        SCOPED_TRACE(name);
        state.Project_Name = name;
        EXPECT_FALSE(app::Open_Project_Folder(state, name));
        EXPECT_FALSE(state.projectOpen());
        EXPECT_EQ(state.Project_Name, name);
        EXPECT_EQ(state.ParGen_Path, "");
    }
}

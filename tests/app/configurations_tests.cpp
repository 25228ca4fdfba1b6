#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "app/configurations.h"
#include "support/temp_folder.h"

struct ConfigurationsTest : ::testing::Test {
    testing_support::TempFolder dir;
    app::AppState state;
    ConfigurationsTest() { app::Set_Folders(state, dir.path()); }
};

TEST_F(ConfigurationsTest, NewConfigurationCreatesItsFolderAndOpensIt)
{
    ASSERT_EQ(app::Create_Project(state, "Line 4").result, app::New_Project_Result::Created);
    EXPECT_TRUE(QFileInfo(state.Projects_Path + "/Line 4/bin").isDir());
    EXPECT_EQ(state.Project_Name, "Line 4");
    EXPECT_EQ(state.Project_Path, state.Projects_Path + "/Line 4");
    EXPECT_EQ(state.ParGen_Path, state.Projects_Path + "/Line 4/ParGen.xml");
    EXPECT_EQ(QDir(state.Project_Path).entryList(QDir::Files), QStringList{});  // no file yet
}

TEST_F(ConfigurationsTest, NewConfigurationRefusals)
{
    QDir(state.Projects_Path).mkdir("Plant");
    struct Case {
        QString name;
        app::New_Project_Result result;
    };
    const Case cases[] = {
        {"", app::New_Project_Result::Name_Empty},
        {"plant", app::New_Project_Result::Folder_Exists},
        {"PLANT", app::New_Project_Result::Folder_Exists},
        {".", app::New_Project_Result::Name_Not_Valid},
        {"..", app::New_Project_Result::Name_Not_Valid},
        {"../outside", app::New_Project_Result::Name_Not_Valid},
        {"a\\b", app::New_Project_Result::Name_Not_Valid},
        {"tab\tname", app::New_Project_Result::Name_Not_Valid},
        {QString("x") + QChar(0x7F), app::New_Project_Result::Name_Not_Valid},
        // Names a folder on the other platform of the family cannot carry,
        // or whose blanks nobody sees in the Open list.
        {" lead", app::New_Project_Result::Name_Not_Valid},
        {"trail ", app::New_Project_Result::Name_Not_Valid},
        {QString("nbsp") + QChar(0xA0), app::New_Project_Result::Name_Not_Valid},
        {" ", app::New_Project_Result::Name_Not_Valid},
        {"a*b", app::New_Project_Result::Name_Not_Valid},
        {"a?b", app::New_Project_Result::Name_Not_Valid},
        {"a<b", app::New_Project_Result::Name_Not_Valid},
        {"a>b", app::New_Project_Result::Name_Not_Valid},
        {"a|b", app::New_Project_Result::Name_Not_Valid},
        {"a:b", app::New_Project_Result::Name_Not_Valid},
        {"a\"b", app::New_Project_Result::Name_Not_Valid},
        // A bad name is refused as such even when a folder of it exists.
        {"Plant ", app::New_Project_Result::Name_Not_Valid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        app::AppState before = state;
        EXPECT_EQ(app::Create_Project(state, c.name).result, c.result);
        EXPECT_FALSE(state.projectOpen());
        EXPECT_EQ(state.Project_Name, before.Project_Name);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/outside"));
    EXPECT_EQ(QDir(state.Projects_Path).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Plant"});
    // Blanks inside the name are kept as typed.
    EXPECT_EQ(app::Create_Project(state, "Line  4").result, app::New_Project_Result::Created);
    EXPECT_EQ(state.Project_Name, "Line  4");
}

TEST_F(ConfigurationsTest, FolderThatCannotBeCreatedGivesTheSystemsReasonAndTheFolder)
{
    const QString name(300, u'x');  // longer than a folder name may be
    const app::New_Project_Outcome outcome = app::Create_Project(state, name);
    EXPECT_EQ(outcome.result, app::New_Project_Result::Folder_Not_Created);
    EXPECT_EQ(outcome.folder, state.Projects_Path + "/" + name);
    EXPECT_EQ(outcome.reason, "File name too long");
    EXPECT_FALSE(state.projectOpen());
}

TEST_F(ConfigurationsTest, OpenListsFoldersAndPreselectsWithoutRegardToCase)
{
    for (const char* name : {"B", "a", "C"})
        QDir(state.Projects_Path).mkdir(name);
    dir.write("PROJECTS/notes.txt", "x");
    const QStringList names = app::Load_Existing_Configuration(state.Projects_Path);
    EXPECT_EQ(names, (QStringList{"a", "B", "C"}));

    EXPECT_EQ(app::Preselected_Configuration(names, state), names.first());  // nothing open
    state.Project_Path = state.Projects_Path + "/c";
    EXPECT_EQ(app::Search_Open_Conf(names, "c"), names.indexOf("C"));
    EXPECT_EQ(app::Preselected_Configuration(names, state), "C");
    state.Project_Path = state.Projects_Path + "/gone";
    EXPECT_EQ(app::Preselected_Configuration(names, state), names.first());
    EXPECT_EQ(app::Preselected_Configuration({}, state), "");
    // Names that differ in case only: the exact one wins.
    EXPECT_EQ(app::Search_Open_Conf({"a", "A"}, "A"), 1);
    EXPECT_EQ(app::Search_Open_Conf({"a", "A"}, "b"), -1);
}

TEST_F(ConfigurationsTest, OpenListIsSortedByNameWithoutRegardToCase)
{
    // Letters compare as capitals, so "_" (after "Z") follows every letter;
    // names that differ in case only keep a fixed order.
    for (const char* name : {"b", "A_1", "a2", "Zeta", "A1", "a1", "10", "9", "\xC3\xA4rger"})
        QDir(state.Projects_Path).mkdir(QString::fromUtf8(name));
    EXPECT_EQ(app::Load_Existing_Configuration(state.Projects_Path),
              (QStringList{"10", "9", "A1", "a1", "a2", "A_1", "b", "Zeta", QString::fromUtf8("\xC3\xA4rger")}));
}

TEST_F(ConfigurationsTest, LanguageFilesOfferedSortedAndWritableOnly)
{
    for (const char* name : {"English.lng", "deutsch.lng", "Italiano.lng", "readme.txt"})
        dir.write(QString("LANGUAGE/") + name, "STR0 = x\n");
    const QString readOnly = dir.write("LANGUAGE/Locked.lng", "STR0 = x\n");
    ::chmod(QFile::encodeName(readOnly).constData(), 0444);
    QDir(state.Language_Path).mkdir("Folder.lng");
    QFile::link(state.Language_Path + "/English.lng", state.Language_Path + "/Linked.lng");
    EXPECT_EQ(app::Language_Files(state.Language_Path), (QStringList{"deutsch.lng", "English.lng", "Italiano.lng"}));
    EXPECT_EQ(app::Language_Pages(0), 0);
    EXPECT_EQ(app::Language_Pages(6), 1);
    EXPECT_EQ(app::Language_Pages(7), 2);
}

// Compile_Banks and Save_Banks as the main window uses them: results,
// written files, and the failures that must write nothing.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "params/bank_compiler.h"
#include "params/image_expectation.h"
#include "support/temp_folder.h"

namespace compiler_tests {

// Copies the files of a fixture project into a fresh project folder and
// opens it in the application state.
class OpenProject {
public:
    explicit OpenProject(const QString& fixtureName = QString())
    {
        if (!fixtureName.isEmpty()) {
            const QDir source(params_testing::fixture(fixtureName));
            for (const QString& name : source.entryList(QDir::Files))
                QFile::copy(source.filePath(name), folder_.file(name));
        }
        app::AppState& state = app::appState();
        saved_ = state;
        state.Project_Path = folder_.path();
        app::Set_Files(state);
    }
    ~OpenProject() { app::appState() = saved_; }

    const testing_support::TempFolder& folder() const { return folder_; }
    QString bin(const QString& name = QString()) const
    {
        return name.isEmpty() ? folder_.file(QStringLiteral("bin")) : folder_.file(QStringLiteral("bin/") + name);
    }
    void write(const QString& name, const QByteArray& bytes) const { folder_.write(name, bytes); }

private:
    testing_support::TempFolder folder_;
    app::AppState saved_;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CompileAndSave, WritesTheThreeImagesIntoANewBinFolder)
{
    OpenProject project(QStringLiteral("ethercat_groups"));
    ASSERT_FALSE(QFileInfo::exists(project.bin()));
    const params::CompileResult compiled = params::Compile_Banks();
    ASSERT_TRUE(compiled.ok) << compiled.error.toStdString();
    const params::CompileResult saved = params::Save_Banks();
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();

    const params::BankImages expected = params_testing::compileFolder(project.folder().path());
    EXPECT_EQ(readFile(project.bin(QStringLiteral("bank1.bin"))), expected.bank1);
    EXPECT_EQ(readFile(project.bin(QStringLiteral("bank2.bin"))), expected.bank2);
    EXPECT_EQ(readFile(project.bin(QStringLiteral("bank3.bin"))), expected.bank3);
    EXPECT_EQ(expected.bank1.size(), 2048);
    EXPECT_EQ(expected.bank2.size(), 16593);
    EXPECT_EQ(expected.bank3.size(), 174);
}

TEST(CompileAndSave, CompilingTwiceGivesTheSameBytesAlsoAfterLongerImages)
{
    OpenProject project(QStringLiteral("mqtt_topics"));
    ASSERT_TRUE(params::Compile_Banks().ok);
    ASSERT_TRUE(params::Save_Banks().ok);
    const QByteArray first3 = readFile(project.bin(QStringLiteral("bank3.bin")));
    const QByteArray first2 = readFile(project.bin(QStringLiteral("bank2.bin")));

    // A longer project in between, then the first one again.
    const QByteArray topics = readFile(project.folder().file(QStringLiteral("MQTT_Set_Topic.xml")));
    QByteArray longer = topics;
    longer.replace("Mnemonic=\"desc\"", "Mnemonic=\"" + QByteArray(3000, 'd') + "\"");
    project.write(QStringLiteral("MQTT_Set_Topic.xml"), longer);
    ASSERT_TRUE(params::Compile_Banks().ok);
    ASSERT_TRUE(params::Save_Banks().ok);
    EXPECT_GT(readFile(project.bin(QStringLiteral("bank3.bin"))).size(), first3.size());

    project.write(QStringLiteral("MQTT_Set_Topic.xml"), topics);
    ASSERT_TRUE(params::Compile_Banks().ok);
    ASSERT_TRUE(params::Save_Banks().ok);
    EXPECT_EQ(readFile(project.bin(QStringLiteral("bank3.bin"))), first3);
    EXPECT_EQ(readFile(project.bin(QStringLiteral("bank2.bin"))), first2);
}

TEST(CompileAndSave, NoProjectOpenIsAnError)
{
    const app::AppState saved = app::appState();
    app::appState().Project_Path.clear();
    app::Set_Files(app::appState());
    const params::CompileResult result = params::Compile_Banks();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_FALSE(params::Save_Banks().ok);
    app::appState() = saved;
}

TEST(CompileAndSave, BinFolderThatCannotBeCreatedIsReported)
{
    OpenProject project(QStringLiteral("root_only"));
    project.write(QStringLiteral("bin"), "a file where the folder should be");
    ASSERT_TRUE(params::Compile_Banks().ok);
    const params::CompileResult saved = params::Save_Banks();
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.error.contains(project.bin())) << saved.error.toStdString();
}

TEST(CompileAndSave, AProjectFolderRemovedAfterCompilingIsNotMadeAgain)
{
    OpenProject project(QStringLiteral("root_only"));
    ASSERT_TRUE(params::Compile_Banks().ok);
    ASSERT_TRUE(QDir(project.folder().path()).removeRecursively());
    const params::CompileResult saved = params::Save_Banks();
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(QFileInfo::exists(project.folder().path()));
}

TEST(CompileAndSave, FileThatCannotBeWrittenIsReportedAndTheOldSetStays)
{
    OpenProject project(QStringLiteral("root_only"));
    ASSERT_TRUE(params::Compile_Banks().ok);
    ASSERT_TRUE(params::Save_Banks().ok);
    const QByteArray oldBank1 = readFile(project.bin(QStringLiteral("bank1.bin")));
    const QByteArray oldBank3 = readFile(project.bin(QStringLiteral("bank3.bin")));

    // Other settings give other bank1 and bank3 images; a folder in place of
    // bank2.bin cannot be replaced by a file.
    project.write(QStringLiteral("ParGen.xml"),
                  "<Par_Gen><Ethernet_IP4>7</Ethernet_IP4><MQTT_Server_URL>b</MQTT_Server_URL></Par_Gen>");
    ASSERT_TRUE(QFile::remove(project.bin(QStringLiteral("bank2.bin"))));
    ASSERT_TRUE(QDir().mkpath(project.bin(QStringLiteral("bank2.bin"))));
    ASSERT_TRUE(params::Compile_Banks().ok);
    const params::CompileResult saved = params::Save_Banks();
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.error.contains(QStringLiteral("bank2.bin"))) << saved.error.toStdString();
    EXPECT_EQ(readFile(project.bin(QStringLiteral("bank1.bin"))), oldBank1);
    EXPECT_EQ(readFile(project.bin(QStringLiteral("bank3.bin"))), oldBank3);
    EXPECT_EQ(QDir(project.bin()).entryList(QDir::Files | QDir::Hidden), QStringList({"bank1.bin", "bank3.bin"}));
}

// Every failure that ends a compile: the result says why, Save_Banks then
// writes nothing, and images of an earlier compile are left as they were.
struct FailureCase {
    const char* what;
    const char* file;
    QByteArray content;
    const char* messagePart;
};

QByteArray manyLongTopics()
{
    QByteArray topics = "<MQTT_Set_Topic><MQTT_Publish>";
    for (int i = 0; i < 200; ++i)
        topics += "<row Topic=\"t\" QoS=\"0\" Template=\"" + QByteArray(700, 'x') + "\" />";
    return topics + "</MQTT_Publish><MQTT_Subscribe /></MQTT_Set_Topic>";
}

QByteArray manyLongInitialValues()
{
    QByteArray variables = "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>";
    for (int i = 0; i < 256; ++i)
        variables += "<row Enable=\"Y\" Type=\"String\" Length=\"255\" Name=\"" + QByteArray(200, 'n')
                     + "\" InitValue=\"v\" Position=\"0\" BitStart=\"0\" />";
    return variables + "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave /></EtherCAT_Slave_Variables></EtherCAT_Slave>";
}

TEST(CompileFailures, NothingIsWritten)
{
    const FailureCase cases[] = {
        {"ParGen.xml not XML", "ParGen.xml", "<Par_Gen><Eth", "ParGen.xml"},
        {"topic file not XML", "MQTT_Set_Topic.xml", "<MQTT", "MQTT_Set_Topic.xml"},
        {"variable file without its lists", "EtherCAT_Slave.xml", "<EtherCAT_Slave />", "EtherCAT_Slave_Variables"},
        {"variable file without one list", "EtherCAT_Slave.xml",
         "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/></EtherCAT_Slave_Variables></EtherCAT_Slave>",
         "EtherCAT_Master_To_Slave"},
        {"group file without one list", "EtherCAT_Slave_Group.xml", "<G><Slave_to_Master/></G>", "Master_to_Slave"},
        {"topic file without one list", "MQTT_Set_Topic.xml", "<MQTT_Set_Topic><MQTT_Publish/></MQTT_Set_Topic>",
         "MQTT_Subscribe"},
        {"publish row without QoS", "MQTT_Set_Topic.xml",
         "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"t\" /></MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic>", "QoS"},
        {"subscribe row with an empty QoS", "MQTT_Set_Topic.xml",
         "<MQTT_Set_Topic><MQTT_Publish/><MQTT_Subscribe><row Topic=\"t\" QoS=\"\" /></MQTT_Subscribe></MQTT_Set_Topic>",
         "subscribe topic 1"},
        {"bank3 larger than the device holds", "MQTT_Set_Topic.xml", manyLongTopics(), "bank3.bin"},
        {"bank2 larger than the device holds", "EtherCAT_Slave.xml", manyLongInitialValues(), "bank2.bin"},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        {
            // A fresh project: no bin folder appears.
            OpenProject project(QStringLiteral("root_only"));
            project.write(QString::fromLatin1(c.file), c.content);
            const params::CompileResult compiled = params::Compile_Banks();
            EXPECT_FALSE(compiled.ok);
            EXPECT_TRUE(compiled.error.contains(QString::fromLatin1(c.messagePart))) << compiled.error.toStdString();
            EXPECT_FALSE(params::Save_Banks().ok);
            EXPECT_FALSE(QFileInfo::exists(project.bin()));
        }
        {
            // A project compiled before: its images stay as they were.
            OpenProject project(QStringLiteral("root_only"));
            ASSERT_TRUE(params::Compile_Banks().ok);
            ASSERT_TRUE(params::Save_Banks().ok);
            const QByteArray before = readFile(project.bin(QStringLiteral("bank1.bin")));
            project.write(QString::fromLatin1(c.file), c.content);
            EXPECT_FALSE(params::Compile_Banks().ok);
            EXPECT_FALSE(params::Save_Banks().ok);
            EXPECT_EQ(readFile(project.bin(QStringLiteral("bank1.bin"))), before);
            EXPECT_EQ(QDir(project.bin()).entryList(QDir::Files).size(), 3);
        }
    }
}

TEST(CompileFailures, TheLargestImageThatFitsIsAccepted)
{
    // Publish rows of 49 + 2 + 2 bytes (a record, "t" and a one-byte
    // template), the first template long enough to give exactly 131072.
    const int rows = 2000;
    const int used = 174 + rows * (49 + 2 + 2);
    // The first template's text and zero byte replace one 2-byte template.
    const int firstTemplate = 131072 - used + 1;
    QByteArray topics = "<MQTT_Set_Topic><MQTT_Publish>";
    for (int i = 0; i < rows; ++i)
        topics += "<row Topic=\"t\" QoS=\"0\" Template=\"" + (i == 0 ? QByteArray(firstTemplate, 'f') : QByteArray("x"))
                  + "\" />";
    topics += "</MQTT_Publish><MQTT_Subscribe /></MQTT_Set_Topic>";
    OpenProject project;
    project.write(QStringLiteral("MQTT_Set_Topic.xml"), topics);
    const params::CompileResult fits = params::Compile_Banks();
    ASSERT_TRUE(fits.ok) << fits.error.toStdString();
    ASSERT_TRUE(params::Save_Banks().ok);
    EXPECT_EQ(QFileInfo(project.bin(QStringLiteral("bank3.bin"))).size(), 131072);

    topics.replace("QoS=\"0\" Template=\"f", "QoS=\"0\" Template=\"ff");
    project.write(QStringLiteral("MQTT_Set_Topic.xml"), topics);
    EXPECT_FALSE(params::Compile_Banks().ok);
}

}  // namespace compiler_tests

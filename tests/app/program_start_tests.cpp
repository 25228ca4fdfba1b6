#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include "support/temp_folder.h"

// Starts a copy of the program in a scratch folder (it keeps its folders and
// settings next to the executable), lets it come up, asks it to quit and
// checks that it closed cleanly and saved its settings.
TEST(ProgramStart, StartsAndQuitsCleanlyWhenTold)
{
    testing_support::TempFolder dir;
    const QString exe = dir.file("configurator");
    ASSERT_TRUE(QFile::copy(CONFIGURATOR_EXE, exe));
    dir.write("Velmoraxis.xml", "<Conf_Settings><lastlang><language>English</language></lastlang>"
                                "<lastinternet><enable_update>1</enable_update></lastinternet></Conf_Settings>");

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.start(exe, {});
    ASSERT_TRUE(program.waitForStarted(30000));
    // Wait until start-up has created its folders, then a little more.
    // Generous waits: the machine may be busy with other tests.
    for (int i = 0; i < 400 && !QFile::exists(dir.file("LANGUAGE")); ++i)
        QThread::msleep(50);
    QThread::msleep(300);
    ASSERT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();

    program.terminate();
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(QFileInfo(dir.file(folder)).isDir()) << folder;
    const QByteArray settings = dir.read("Velmoraxis.xml");
    EXPECT_TRUE(settings.startsWith("<Conf_Settings>")) << settings.constData();
    EXPECT_TRUE(settings.contains("<enable_update>1</enable_update>")) << settings.constData();
}

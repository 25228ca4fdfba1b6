#include <csignal>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include "platform/process.h"
#include "support/temp_folder.h"

using namespace std::chrono_literals;

namespace {

QString writeScript(const testing_support::TempFolder& dir, const QString& name, const QByteArray& body)
{
    const QString path = dir.write(name, "#!/bin/sh\n" + body);
    ::chmod(QFile::encodeName(path).constData(), 0755);
    return path;
}

}  // namespace

TEST(RunProgram, WaitsUntilTheProgramEnds)
{
    testing_support::TempFolder dir;
    const QString script = writeScript(dir, "ends.sh", "sleep 0.3\necho \"$1\" > \"$2\"\nexit 3\n");
    QElapsedTimer clock;
    clock.start();
    const platform::ProgramRun run =
        platform::runProgramAndWait(script, {"hello", dir.file("out.txt")}, 10s);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(run.started);
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(dir.read("out.txt"), "hello\n");
}

TEST(RunProgram, StopsWaitingAtTheLimitAndLeavesTheProgramRunning)
{
    testing_support::TempFolder dir;
    const QString script = writeScript(dir, "runs.sh", "echo $$ > \"$1\"\nexec sleep 30\n");
    QElapsedTimer clock;
    clock.start();
    const platform::ProgramRun run = platform::runProgramAndWait(script, {dir.file("pid")}, 400ms);
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(run.started);
    EXPECT_FALSE(run.finished);
    const pid_t pid = dir.read("pid").trimmed().toInt();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0) << "the program must still run";
    ::kill(pid, SIGKILL);
}

TEST(RunProgram, ProgramsThatCannotStartReturnAtOnceWithAReason)
{
    testing_support::TempFolder dir;
    const QString notExecutable = dir.write("plain.txt", "text");
    struct Case {
        const char* name;
        QString path;
    };
    const Case cases[] = {
        {"missing", dir.file("Ethernet_Update")},
        {"not executable", notExecutable},
        {"a folder", dir.path()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QElapsedTimer clock;
        clock.start();
        const platform::ProgramRun run = platform::runProgramAndWait(c.path, {}, 10s);
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_FALSE(run.started);
        EXPECT_TRUE(run.error.contains(c.path)) << run.error.toStdString();
    }
}

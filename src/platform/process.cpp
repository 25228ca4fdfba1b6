#include "platform/process.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <QFile>
#include <QFileInfo>

#include "platform/strings.h"

extern char** environ;

namespace platform {
namespace {

// Reaps a program the caller stopped waiting for, so that it leaves no
// zombie behind when it ends.
void reapInBackground(pid_t pid)
{
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace

ProgramRun runProgramAndWait(const QString& program, const QStringList& arguments, std::chrono::milliseconds limit,
                             std::chrono::milliseconds pollInterval)
{
    ProgramRun run;
    const QFileInfo info(program);
    if (!info.exists()) {
        run.error = QStringLiteral("\"%1\" does not exist").arg(program);
        return run;
    }
    if (info.isDir() || !info.isExecutable()) {
        run.error = QStringLiteral("\"%1\" is not an executable program").arg(program);
        return run;
    }

    std::vector<QByteArray> storage;
    storage.push_back(QFile::encodeName(program));
    for (const QString& a : arguments)
        storage.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, storage.front().constData(), nullptr, nullptr, argv.data(), environ);
    if (rc != 0) {
        run.error = QStringLiteral("\"%1\" cannot be started: %2").arg(program, systemErrorText(rc));
        return run;
    }
    run.started = true;

    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            run.finished = true;
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            std::this_thread::sleep_for(pollInterval);
            return run;
        }
        if (done < 0 && errno != EINTR) {
            // Someone else reaped it; it has ended all the same.
            run.finished = true;
            return run;
        }
        if (std::chrono::steady_clock::now() - start >= limit) {
            reapInBackground(pid);
            return run;
        }
        std::this_thread::sleep_for(pollInterval);
    }
}

}  // namespace platform

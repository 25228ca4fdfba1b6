#pragma once

#include <chrono>

#include <QString>
#include <QStringList>

namespace platform {

struct ProgramRun {
    bool started = false;
    // Why the program could not be started (empty when it was).
    QString error;
    // The program ended within the time allowed.
    bool finished = false;
    int exitCode = -1;
};

// Starts `program` with `arguments` and waits, polling every `pollInterval`
// without serving any event loop, until it ends or `limit` has passed. A
// program still running at the limit is left running (never killed); it is
// reaped in the background when it ends.
ProgramRun runProgramAndWait(const QString& program, const QStringList& arguments, std::chrono::milliseconds limit,
                             std::chrono::milliseconds pollInterval = std::chrono::milliseconds(10));

}  // namespace platform

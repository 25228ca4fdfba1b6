#pragma once

#include <functional>
#include <vector>

#include <QByteArray>
#include <QString>

namespace platform {

// Replaces the file at `path` whole with `data`: the bytes go to a temporary
// file in the same folder, are flushed to disk, and the temporary file is then
// renamed over the target. A reader sees either the old file or the new one,
// never a truncated mix. On failure the target is untouched, the temporary
// file is removed, and `error` (when given) receives a readable reason.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

// One file of a set written together.
struct FileContent {
    QString path;
    QByteArray data;
};

// Replaces several files as one set: every new content first goes to a
// temporary file next to its target and is flushed to disk; only when all
// are written are they renamed over their targets, in order. When any step
// fails, the files already replaced get their old content back (a file that
// did not exist before is removed again), so the folder holds the old set
// whole; nothing temporary is left behind and `error` (when given) names the
// file and the reason.
bool writeFilesAtomically(const std::vector<FileContent>& files, QString* error = nullptr);

namespace atomic_file_testing {

// The steps of a set write that a test can make fail.
enum class Step {
    WriteTemporary,  // writing a new content to its temporary file
    KeepOld,         // keeping the old content by a hard link (on failure it is moved aside instead)
    Replace,         // renaming a temporary file over its target
};

// Called before each step with the target's path; a non-zero result makes
// the step fail with that errno value. An empty hook (the default) fails
// nothing.
using FailureHook = std::function<int(Step step, const QString& target)>;
void setFailureHook(FailureHook hook);

}  // namespace atomic_file_testing

}  // namespace platform

#include "platform/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSet>

namespace platform {
namespace {

QString systemError(const QString& what, const QString& path, int err)
{
    return QStringLiteral("%1 \"%2\": %3").arg(what, path, QString::fromLocal8Bit(std::strerror(err)));
}

bool writeAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

atomic_file_testing::FailureHook& failureHook()
{
    static atomic_file_testing::FailureHook hook;
    return hook;
}

// The errno value a test makes this step fail with; 0 normally.
int injectedFailure(atomic_file_testing::Step step, const QString& path)
{
    const atomic_file_testing::FailureHook& hook = failureHook();
    return hook ? hook(step, path) : 0;
}

// A unique new name next to `target`, created empty; empty on failure.
QByteArray reserveName(const QByteArray& target, const char* suffix, int& err)
{
    QByteArray pattern = target + suffix + "-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        err = errno;
        return {};
    }
    ::close(fd);
    return pattern;
}

// One file of a set on its way from the old content to the new one.
struct PendingFile {
    QString path;             // as the caller gave it, for messages
    QByteArray target;        // absolute, encoded
    QByteArray folder;
    QByteArray temporary;     // the new content, until it is renamed over the target
    QByteArray backup;        // a reserved name for the old content
    bool existed = false;     // the target existed before
    bool backupHoldsOld = false;  // `backup` is the old content (linked or moved aside)
    bool moveAside = false;   // no hard link: the old content is renamed to `backup` when replaced
    bool replaced = false;    // the target holds the new content
    bool keepBackup = false;  // the old content could not be put back: leave it
};

// Writes the new content to a temporary file next to the target and flushes
// it; returns 0 or the errno value of the failure.
int writeTemporary(PendingFile& file, const QByteArray& data)
{
    struct stat old {};
    file.existed = ::lstat(file.target.constData(), &old) == 0;
    if (file.existed && S_ISDIR(old.st_mode))
        return EISDIR;
    QByteArray pattern = file.target + ".tmp-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return errno;
    file.temporary = pattern;
    // mkstemp creates the file private; give it the permissions a plain new
    // file would have, or keep those of the file being replaced.
    if (file.existed && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    int err = injectedFailure(atomic_file_testing::Step::WriteTemporary, file.path);
    if (err == 0 && (!writeAll(fd, data) || ::fsync(fd) != 0))
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    return err;
}

// Keeps the old content of an existing target under a name of its own, by
// a hard link; where the file system has none, the old file is moved aside
// when it is replaced. Returns 0 or the errno value of the failure.
int keepOld(PendingFile& file)
{
    int err = 0;
    file.backup = reserveName(file.target, ".old", err);
    if (file.backup.isEmpty())
        return err;
    if (injectedFailure(atomic_file_testing::Step::KeepOld, file.path) == 0) {
        ::unlink(file.backup.constData());
        if (::link(file.target.constData(), file.backup.constData()) == 0) {
            file.backupHoldsOld = true;
            return 0;
        }
    }
    file.moveAside = true;
    return 0;
}

// Renames the temporary file over the target; returns 0 or the errno value.
int replace(PendingFile& file)
{
    if (const int err = injectedFailure(atomic_file_testing::Step::Replace, file.path))
        return err;
    if (file.moveAside) {
        if (::rename(file.target.constData(), file.backup.constData()) != 0)
            return errno;
        file.backupHoldsOld = true;
    }
    if (::rename(file.temporary.constData(), file.target.constData()) != 0)
        return errno;
    file.temporary.clear();
    file.replaced = true;
    return 0;
}

// Puts the old content back where a target was touched: the backup renamed
// over it, or the new file removed when there was none before. False when
// the backup cannot be renamed; it is then kept.
bool restore(PendingFile& file)
{
    const bool touched = file.replaced || (file.moveAside && file.backupHoldsOld);
    if (!touched)
        return true;
    if (file.backupHoldsOld) {
        if (::rename(file.backup.constData(), file.target.constData()) != 0) {
            file.keepBackup = true;
            return false;
        }
        file.backup.clear();
    } else if (!file.existed) {
        ::unlink(file.target.constData());
    }
    file.replaced = false;
    return true;
}

// Removes the temporary files not renamed and the backups not needed.
void removeLeftovers(const std::vector<PendingFile>& files)
{
    for (const PendingFile& file : files) {
        if (!file.temporary.isEmpty())
            ::unlink(file.temporary.constData());
        if (!file.backup.isEmpty() && !file.keepBackup)
            ::unlink(file.backup.constData());
    }
}

// Runs `step` on the first `count` files in order until one fails; returns
// 0, or the errno value with `failed` set to the file that failed.
template <typename Step>
int eachFile(std::vector<PendingFile>& files, size_t count, size_t& failed, Step step)
{
    for (size_t i = 0; i < count; ++i) {
        if (const int err = step(files[i], i)) {
            failed = i;
            return err;
        }
    }
    return 0;
}

}  // namespace

namespace atomic_file_testing {

void setFailureHook(FailureHook hook)
{
    failureHook() = std::move(hook);
}

}  // namespace atomic_file_testing

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    return writeFilesAtomically({{path, data}}, error);
}

bool writeFilesAtomically(const std::vector<FileContent>& contents, QString* error)
{
    std::vector<PendingFile> files(contents.size());
    for (size_t i = 0; i < contents.size(); ++i) {
        const QFileInfo info(contents[i].path);
        files[i].path = contents[i].path;
        files[i].target = QFile::encodeName(info.absoluteFilePath());
        files[i].folder = QFile::encodeName(info.absolutePath());
    }

    // Every new content on disk first; then the old contents kept (the last
    // file needs no backup: nothing can fail after it is replaced); then the
    // renames.
    size_t failed = 0;
    int err = eachFile(files, files.size(), failed,
                       [&contents](PendingFile& file, size_t i) { return writeTemporary(file, contents[i].data); });
    if (err == 0 && !files.empty())
        err = eachFile(files, files.size() - 1, failed,
                       [](PendingFile& file, size_t) { return file.existed ? keepOld(file) : 0; });
    if (err == 0)
        err = eachFile(files, files.size(), failed, [](PendingFile& file, size_t) { return replace(file); });

    QString kept;
    if (err != 0) {
        for (auto it = files.rbegin(); it != files.rend(); ++it)
            if (!restore(*it))
                kept += QStringLiteral(" The earlier \"%1\" is kept as \"%2\".").arg(it->path, QFile::decodeName(it->backup));
    }
    removeLeftovers(files);
    QSet<QByteArray> folders;
    for (const PendingFile& file : files)
        folders.insert(file.folder);
    for (const QByteArray& folder : folders)
        syncFolder(folder);

    if (err == 0)
        return true;
    if (error)
        *error = systemError(QStringLiteral("Cannot write"), files[failed].path, err) + kept;
    return false;
}

}  // namespace platform

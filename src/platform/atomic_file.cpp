#include "platform/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>

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

}  // namespace

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    QByteArray pattern = target + ".tmp-XXXXXX";

    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        if (error)
            *error = systemError(QStringLiteral("Cannot write"), path, errno);
        return false;
    }
    // mkstemp creates the file private; give it the permissions a plain new
    // file would have, or keep those of the file being replaced.
    struct stat old {};
    if (::stat(target.constData(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    int err = 0;
    if (!writeAll(fd, data) || ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(pattern.constData(), target.constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(pattern.constData());
        if (error)
            *error = systemError(QStringLiteral("Cannot write"), path, err);
        return false;
    }
    syncFolder(folder);
    return true;
}

}  // namespace platform

#include "platform/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace platform {

FileStamp FileStamp::of(const QString& path)
{
    FileStamp stamp;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return stamp;
    stamp.exists_ = true;
    stamp.size_ = info.size();
    stamp.modifiedMs_ = info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch();
    // A file that cannot be read keeps an empty hash. The hash only tells
    // whether the content changed, never travels and guards against no
    // forger: SHA-1 does that several times faster than SHA-256 on the
    // largest project files.
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (file.open(QIODevice::ReadOnly) && hash.addData(&file))
        stamp.hash_ = hash.result();
    return stamp;
}

bool FileStamp::changedOn(const QString& path) const
{
    return !(of(path) == *this);
}

}  // namespace platform

#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// What a file was at one moment: whether it existed, its size, its
// modification time and a hash of its content. A form takes the stamp of the
// file it loads and, before replacing the file, asks the stamp whether the
// file is still that one, so that a change made meanwhile by another copy of
// the program or by another program is not overwritten unasked.
class FileStamp {
public:
    // The stamp of a file that does not exist.
    FileStamp() = default;
    // The stamp of `path` as it is now.
    static FileStamp of(const QString& path);

    bool exists() const { return exists_; }
    // True when the file at `path` is no longer the one stamped: created,
    // removed, or of another size, modification time or content.
    bool changedOn(const QString& path) const;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;

private:
    bool exists_ = false;
    qint64 size_ = -1;
    qint64 modifiedMs_ = 0;
    QByteArray hash_;
};

}  // namespace platform

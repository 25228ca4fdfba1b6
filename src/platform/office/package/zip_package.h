#pragma once

// The zip container of office documents, held whole in memory: read from
// untrusted bytes within fixed limits, changed part by part, written back.

#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform::office {

class ZipPackage {
public:
    // Limits a package must keep to be read at all.
    static constexpr int MaxEntries = 4096;
    static constexpr qint64 MaxEntrySize = 64 * 1024 * 1024;
    static constexpr qint64 MaxTotalSize = 256 * 1024 * 1024;
    // A package file is no larger than its parts: a larger file is refused
    // before it is read.
    static constexpr qint64 MaxFileSize = MaxTotalSize;

    // Throws AutomationError with the reason when `bytes` is no zip archive,
    // a member is damaged or a limit is passed.
    static ZipPackage Read(const QByteArray& bytes);

    // Part names compare without regard to case, as packages name them.
    bool Contains(const QString& name) const;
    // The part's bytes; throws AutomationError when there is none.
    QByteArray Part(const QString& name) const;
    // Replaces the part, or adds it at the end.
    void SetPart(const QString& name, const QByteArray& bytes);
    QStringList Names() const;

    // The archive's bytes, parts in their order, deflated.
    QByteArray Write() const;

private:
    int indexOf(const QString& name) const;
    std::vector<std::pair<QString, QByteArray>> parts_;
};

}  // namespace platform::office

#include "platform/paths.h"

#include <climits>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform {

QString executableFolder()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return QDir::currentPath();
    return QFileInfo(QString::fromLocal8Bit(buffer, n)).absolutePath();
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

bool fileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool folderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool createFolder(const QString& path)
{
    if (folderExists(path))
        return true;
    return QDir().mkdir(path);
}

bool createFolderPath(const QString& path)
{
    if (folderExists(path))
        return true;
    return QDir().mkpath(path);
}

QStringList subFolders(const QString& folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
}

QStringList filesMatching(const QString& folder, const QString& pattern)
{
    QDir dir(folder);
    dir.setNameFilters({pattern});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString findEntry(const QString& folder, const QString& name)
{
    if (QFileInfo::exists(joinPath(folder, name)))
        return joinPath(folder, name);
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries)
        if (sameName(entry, name))
            return joinPath(folder, entry);
    return {};
}

QString resolveEntry(const QString& folder, const QString& name)
{
    const QString found = findEntry(folder, name);
    return found.isEmpty() ? joinPath(folder, name) : found;
}

}  // namespace platform

#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testing_support {

TempFolder::TempFolder() = default;

QString TempFolder::file(const QString& name) const
{
    return dir_.filePath(name);
}

QString TempFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray TempFolder::read(const QString& name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace testing_support

#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Folder of the running executable, without a trailing separator.
QString executableFolder();

// `folder` + "/" + `name`.
QString joinPath(const QString& folder, const QString& name);

bool fileExists(const QString& path);
bool folderExists(const QString& path);

// Creates one folder level; true when it exists afterwards.
bool createFolder(const QString& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool createFolderPath(const QString& path);

// Names of the sub-folders of `folder`, in the order the file system lists them.
QStringList subFolders(const QString& folder);

// Names of the files of `folder` whose names match the wildcard `pattern`
// (for example "*.lng"), compared without regard to case, sorted by name.
QStringList filesMatching(const QString& folder, const QString& pattern);

// The configurator's folder and file names were once compared without regard
// to case; these keep that behaviour on a case-sensitive file system.
bool sameName(const QString& a, const QString& b);
// Full path of the entry of `folder` whose name equals `name` without regard
// to case (the exact name wins when several match); empty when none does.
QString findEntry(const QString& folder, const QString& name);
// `folder`/`name` when such an entry exists under any case, else the path as
// given; a path to open a file whose name may differ in case.
QString resolveEntry(const QString& folder, const QString& name);

}  // namespace platform

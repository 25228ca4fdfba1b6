#include "app/configurations.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

#include "platform/paths.h"

namespace app {

bool Valid_Project_Name(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F;
    });
}

New_Project_Result Create_Project(AppState& state, const QString& name)
{
    if (!Valid_Project_Name(name))
        return name.isEmpty() ? New_Project_Result::Name_Not_Valid : New_Project_Result::Folder_Not_Created;
    if (!platform::findEntry(state.Projects_Path, name).isEmpty())
        return New_Project_Result::Folder_Exists;
    const QString folder = platform::joinPath(state.Projects_Path, name);
    if (!QDir().mkdir(folder))
        return New_Project_Result::Folder_Not_Created;
    platform::createFolderPath(platform::joinPath(folder, QStringLiteral("bin")));
    state.Project_Name = name;
    state.Project_Path = folder;
    Set_Files(state);
    return New_Project_Result::Created;
}

QStringList Load_Existing_Configuration(const QString& projectsPath)
{
    return platform::subFolders(projectsPath);
}

int Search_Open_Conf(const QStringList& names, const QString& name)
{
    // The exact name first: PROJECTS may hold names that differ in case only.
    const int exact = static_cast<int>(names.indexOf(name));
    if (exact >= 0)
        return exact;
    for (int i = 0; i < names.size(); ++i)
        if (platform::sameName(names[i], name))
            return i;
    return -1;
}

QString Open_Project_Name(const AppState& state)
{
    if (!state.projectOpen())
        return {};
    return QFileInfo(state.Project_Path).fileName();
}

QString Preselected_Configuration(const QStringList& names, const AppState& state)
{
    const int found = Search_Open_Conf(names, Open_Project_Name(state));
    if (found >= 0)
        return names[found];
    return names.isEmpty() ? QString() : names.first();
}

QStringList Language_Files(const QString& languagePath)
{
    QStringList offered;
    const QFileInfoList entries =
        QDir(languagePath).entryInfoList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& info : entries) {
        if (info.isSymLink() || !info.isFile() || !info.permission(QFileDevice::WriteOwner))
            continue;
        offered << info.fileName();
    }
    std::sort(offered.begin(), offered.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return offered;
}

}  // namespace app

#include "app/configurations.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/language.h"
#include "platform/paths.h"

namespace app {

namespace {

constexpr int kTextFolderNotCreated = 111;

// Characters no folder name may hold on either platform of the family.
bool forbiddenInFolderName(QChar c)
{
    static const QString forbidden = QStringLiteral("/\\*?<>|:\"");
    return c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c);
}

// The order of the original platform's folder listing: code units compared
// as capitals; names that are then equal in their exact order.
bool listedBefore(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t ua = QChar::toUpper(a[i].unicode());
        const char32_t ub = QChar::toUpper(b[i].unicode());
        if (ua != ub)
            return ua < ub;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

}  // namespace

QString New_Project_Outcome::message() const
{
    if (result == New_Project_Result::Folder_Not_Created)
        return langText(kTextFolderNotCreated) + folder + QStringLiteral(" (") + reason + u')';
    return langText(static_cast<int>(result));
}

bool Valid_Project_Name(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    if (name.front().isSpace() || name.back().isSpace())
        return false;
    return std::none_of(name.begin(), name.end(), forbiddenInFolderName);
}

New_Project_Outcome Create_Project(AppState& state, const QString& name)
{
    New_Project_Outcome outcome;
    if (name.isEmpty()) {
        outcome.result = New_Project_Result::Name_Empty;
        return outcome;
    }
    if (!Valid_Project_Name(name)) {
        outcome.result = New_Project_Result::Name_Not_Valid;
        return outcome;
    }
    if (!platform::findEntry(state.Projects_Path, name).isEmpty()) {
        outcome.result = New_Project_Result::Folder_Exists;
        return outcome;
    }
    const QString folder = platform::joinPath(state.Projects_Path, name);
    std::error_code error;
    const bool created = std::filesystem::create_directory(QFile::encodeName(folder).toStdString(), error);
    if (error) {
        outcome.result = New_Project_Result::Folder_Not_Created;
        outcome.folder = folder;
        outcome.reason = QString::fromLocal8Bit(error.message());
        return outcome;
    }
    if (!created) {  // made by someone else a moment ago
        outcome.result = New_Project_Result::Folder_Exists;
        return outcome;
    }
    platform::createFolderPath(platform::joinPath(folder, QStringLiteral("bin")));
    state.Project_Name = name;
    state.Project_Path = folder;
    Set_Files(state);
    return outcome;
}

QStringList Load_Existing_Configuration(const QString& projectsPath)
{
    QStringList names = platform::subFolders(projectsPath);
    std::sort(names.begin(), names.end(), listedBefore);
    return names;
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

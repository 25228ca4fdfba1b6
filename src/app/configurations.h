#pragma once

#include <QString>
#include <QStringList>

#include "app/app_state.h"

namespace app {

// Outcome of creating a new configuration; each refusal names the text the
// New dialog shows.
enum class New_Project_Result {
    Created,
    Name_Empty = 107,           // nothing typed
    Folder_Exists = 106,        // a folder of that name (in any case) exists
    Name_Not_Valid = 105,       // a name no configuration folder may carry
    Folder_Not_Created = 111,   // the system refused to create the folder
};

struct New_Project_Outcome {
    New_Project_Result result = New_Project_Result::Created;
    // The folder that could not be created, and the system's reason.
    QString folder;
    QString reason;

    // The message the New dialog shows for a refusal.
    QString message() const;
};

// True for a name a configuration folder may carry inside PROJECTS, here and
// on the other platform the program family runs on: not empty, not "." or
// "..", no blank at either end, none of / \ * ? < > | : " and no control
// character.
bool Valid_Project_Name(const QString& name);

// Creates PROJECTS/<name> and its bin folder and opens it as the project
// (Project_Name, Project_Path, file paths). The name is taken as typed.
New_Project_Outcome Create_Project(AppState& state, const QString& name);

// Names of the configuration folders in PROJECTS, sorted by name without
// regard to case (letters compared as capitals, names equal so compared in
// their exact order), as the family's original platform lists folders.
QStringList Load_Existing_Configuration(const QString& projectsPath);

// Index of the first name equal to `name` without regard to case, -1 if none.
int Search_Open_Conf(const QStringList& names, const QString& name);

// Name of the open project's folder (empty when none is open).
QString Open_Project_Name(const AppState& state);

// The name the Open dialog selects first: the open project's when listed,
// else the first one, else empty.
QString Preselected_Configuration(const QStringList& names, const AppState& state);

// The language files offered in the options dialog: plain, writable *.lng
// files of `languagePath` (no folder, link or read-only file), sorted by name
// without regard to case.
QStringList Language_Files(const QString& languagePath);

// Number of pages of six languages.
inline int Language_Pages(int count) { return (count + 5) / 6; }

}  // namespace app

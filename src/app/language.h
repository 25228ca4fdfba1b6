#pragma once

#include <QString>
#include <QStringList>

#include "app/app_state.h"

namespace app {

// Number of text ids of the table (0 .. 5399).
inline constexpr int kLangNumTexts = 5400;

// The user-interface texts addressed by text id. Ids that hold no built-in
// text keep a single blank.
struct TextTable {
    QStringList Lang_Texts;
    int Lang_Num_Texts = 0;

    // The text of `id`; empty for an id outside the table.
    QString text(int id) const;
};

// The one text table of the running program.
TextTable& textTable();
// Shorthand for textTable().text(id).
QString langText(int id);

// Fills the table with the built-in English texts: one blank for every id,
// then the texts of the embedded English language files (every *.lng file
// of the built-in text resources, read with the language-file rules).
void Load_Default_Texts(TextTable& table);

// Overlays the table from language-file lines; the table must already be
// filled. Ids outside the table and malformed lines are passed over.
void Parse_Lng_Lines(TextTable& table, const QStringList& lines);
// The same for a language file; false when it cannot be read (the table is
// then unchanged).
bool Parse_Lng_File(TextTable& table, const QString& path);

// The built-in texts, then the language file of Language_Name from
// Language_Path. Without such a file Language_Name becomes "English" and
// English.lng is applied when present.
void Load_Language(TextTable& table, AppState& state);

}  // namespace app

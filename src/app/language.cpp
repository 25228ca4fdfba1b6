#include "app/language.h"

#include <QDir>
#include <QFile>

#include "platform/paths.h"
#include "platform/strings.h"
#include "platform/text_lines.h"

namespace app {
namespace {

const QString kComment = QStringLiteral("/#/");
constexpr QChar kPilcrow = QChar(0x00B6);
const QString kBuiltinTexts = QStringLiteral(":/texts");

}  // namespace

QString TextTable::text(int id) const
{
    if (id < 0 || id >= Lang_Texts.size())
        return {};
    return Lang_Texts[id];
}

TextTable& textTable()
{
    static TextTable table;
    return table;
}

QString langText(int id)
{
    return textTable().text(id);
}

void Load_Default_Texts(TextTable& table)
{
    table.Lang_Texts.clear();
    table.Lang_Texts.reserve(kLangNumTexts);
    for (int i = 0; i < kLangNumTexts; ++i)
        table.Lang_Texts.append(QStringLiteral(" "));
    table.Lang_Num_Texts = kLangNumTexts;

    // The built-in files are UTF-8.
    const QStringList files = QDir(kBuiltinTexts).entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        QFile file(kBuiltinTexts + u'/' + name);
        if (file.open(QIODevice::ReadOnly))
            Parse_Lng_Lines(table, platform::splitLines(QString::fromUtf8(file.readAll())));
    }
}

void Parse_Lng_Lines(TextTable& table, const QStringList& lines)
{
    for (const QString& line : lines) {
        const QString s = platform::trimBlanks(line);
        if (!s.startsWith(QStringLiteral("STR")))
            continue;
        const qsizetype equals = s.indexOf(u'=');
        if (equals < 0)
            continue;
        // The id is what stands between "STR" and "=", with or without the
        // blank the format puts before "=".
        const auto id = platform::parseDecimal(platform::trimBlanks(s.mid(3, equals - 3)));
        if (!id || *id < 0 || *id >= table.Lang_Num_Texts || *id >= table.Lang_Texts.size())
            continue;
        QString v = platform::trimBlanks(s.mid(equals + 1));
        if (v.isEmpty())
            continue;
        const qsizetype comment = v.indexOf(kComment);
        if (comment >= 0) {
            v = platform::trimBlanks(v.left(comment));
            if (v.isEmpty())
                continue;
        }
        if (v.startsWith(kPilcrow))
            v.remove(0, 1);
        const qsizetype pilcrow = v.indexOf(kPilcrow);
        if (pilcrow >= 0)
            v.truncate(pilcrow);
        table.Lang_Texts[*id] = v;
    }
}

bool Parse_Lng_File(TextTable& table, const QString& path)
{
    const auto lines = platform::readTextFileLines(path);
    if (!lines)
        return false;
    Parse_Lng_Lines(table, *lines);
    return true;
}

void Load_Language(TextTable& table, AppState& state)
{
    Load_Default_Texts(table);
    if (!state.Language_Name.isEmpty() && !state.Language_Name.contains(u'/')) {
        const QString file = platform::findEntry(state.Language_Path, state.Language_Name + QStringLiteral(".lng"));
        if (!file.isEmpty() && platform::fileExists(file)) {
            Parse_Lng_File(table, file);
            return;
        }
    }
    state.Language_Name = kDefaultLanguage;
    const QString english = platform::findEntry(state.Language_Path, QStringLiteral("English.lng"));
    if (!english.isEmpty() && platform::fileExists(english))
        Parse_Lng_File(table, english);
}

}  // namespace app

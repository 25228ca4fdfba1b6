// A language file (*.lng) laid over the built-in texts: every text id keeps
// its place, and only texts the file names by a valid id change.

#include "app/language.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/text_lines.h"

namespace {

const app::TextTable& builtInTexts()
{
    static const app::TextTable table = [] {
        app::TextTable texts;
        app::Load_Default_Texts(texts);
        return texts;
    }();
    return table;
}

}  // namespace

FUZZ_TARGET(language_file)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();
    app::TextTable table = builtInTexts();
    FUZZ_CHECK(app::Parse_Lng_File(table, fuzz::scratchFile(QStringLiteral("Language.lng"), bytes)));
    FUZZ_CHECK(table.Lang_Num_Texts == builtInTexts().Lang_Num_Texts);
    FUZZ_CHECK(table.Lang_Texts.size() == builtInTexts().Lang_Texts.size());
    if (!platform::decodeTextFile(bytes).contains(QStringLiteral("STR"))) {
        for (qsizetype id = 0; id < table.Lang_Texts.size(); ++id)
            FUZZ_CHECK_EQUAL(table.Lang_Texts[id], builtInTexts().Lang_Texts[id]);
    }
}

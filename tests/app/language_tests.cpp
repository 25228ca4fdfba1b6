#include <gtest/gtest.h>

#include "app/language.h"
#include "support/temp_folder.h"

namespace {

const QString kPilcrow = QString(QChar(0x00B6));


}  // namespace

struct LanguageTest : ::testing::Test {
    app::TextTable table;
    LanguageTest() { app::Load_Default_Texts(table); }

    void parse(const QString& line) { app::Parse_Lng_Lines(table, {line}); }
};

TEST_F(LanguageTest, BuiltInTableHasEveryIdWithBlanksForSpares)
{
    ASSERT_EQ(table.Lang_Num_Texts, 5400);
    ASSERT_EQ(table.Lang_Texts.size(), 5400);
    EXPECT_EQ(table.text(0), "Begin");
    EXPECT_EQ(table.text(9), "None Configuration Opened ");
    EXPECT_EQ(table.text(11), "Opened Configuration of the Converter : ");
    EXPECT_EQ(table.text(18), "Error! Project not Valid");
    EXPECT_EQ(table.text(304), "Selected Language : ");
    EXPECT_EQ(table.text(306), " / ");
    EXPECT_EQ(table.text(317), " to ");
    EXPECT_EQ(table.text(1105), "File already exists. Do you want to overwrite?");
    EXPECT_EQ(table.text(4640), "!! OID string can contains only number and \".\"");
    // Texts of the general parameters block come from their own built-in file.
    EXPECT_EQ(table.text(411), "Error EtherCAT Slave!! Slave Name cannot be empty");
    EXPECT_EQ(table.text(37), " ");    // read by no form
    EXPECT_EQ(table.text(5399), " ");  // spare
    EXPECT_EQ(table.text(5400), "");   // outside the table
    EXPECT_EQ(table.text(-1), "");
}

TEST_F(LanguageTest, LineRules)
{
    struct Case {
        QString line;
        int id;
        QString expected;  // text of `id` after the line
    };
    const Case cases[] = {
        {"STR9 = " + kPilcrow + kPilcrow, 9, ""},
        {"STR11 = " + kPilcrow + "Opened: " + kPilcrow, 11, "Opened: "},
        {"STR12 = " + kPilcrow + "  both  " + kPilcrow, 12, "  both  "},
        {"STR5 = /#/ only a comment", 5, "Step 5"},
        {"STR5 = Passo 5 /#/ with a note", 5, "Passo 5"},
        {"STR12=x", 12, "x"},
        {"STR12=x", 1, "Step 1"},  // never sets another id
        {"STR12 =x", 12, "x"},
        {"STR13 = a = b", 13, "a = b"},
        {"STR14 = cut" + kPilcrow + "here", 14, "cut"},
        {"   STR15   =   indented  ", 15, "indented"},
        {"STR16 =", 16, "Open Configuration"},
        {"STR16 =    ", 16, "Open Configuration"},
        {"str16 = lower case", 16, "Open Configuration"},
        {"X STR16 = not at the start", 16, "Open Configuration"},
        {"STR16 no equals", 16, "Open Configuration"},
        {"STR 17 = spaced id", 17, "spaced id"},
        {"STR5399 = last", 5399, "last"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        app::Load_Default_Texts(table);
        parse(c.line);
        EXPECT_EQ(table.text(c.id), c.expected);
        EXPECT_EQ(table.Lang_Texts.size(), 5400);
    }
}

TEST_F(LanguageTest, IgnoredIdsChangeNothing)
{
    const QStringList before = table.Lang_Texts;
    app::Parse_Lng_Lines(table, {"STR5400 = x", "STR-1 = x", "STRx = y", "STR$10 = hex", "STR = none",
                                 "[Heading]", "", "/#/ comment line", "STR99999999999 = big"});
    EXPECT_EQ(table.Lang_Texts, before);
}

TEST_F(LanguageTest, LaterLinesWin)
{
    app::Parse_Lng_Lines(table, {"STR20 = first", "STR20 = second"});
    EXPECT_EQ(table.text(20), "second");
}

TEST(LanguageFiles, LoadLanguagePicksTheFileOrFallsBackToEnglish)
{
    testing_support::TempFolder dir;
    app::AppState state;
    state.Language_Path = dir.path();
    app::TextTable table;

    // UTF-16 LE with a mark, CR line ends.
    const QString italian = "STR0 = Inizio\rSTR18 = " + QString::fromUtf8("Errore! Progetto non valido \xC3\xA8") + "\r";
    QByteArray utf16("\xFF\xFE", 2);
    for (QChar c : italian)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    dir.write("Italiano.lng", utf16);
    // No mark: Windows-1252.
    dir.write("Francais.lng", "STR0 = D\xE9\x62ut\r\nSTR1 = \xC9tape 1\r\n");

    state.Language_Name = "Italiano";
    app::Load_Language(table, state);
    EXPECT_EQ(table.text(0), "Inizio");
    EXPECT_EQ(table.text(18), QString::fromUtf8("Errore! Progetto non valido \xC3\xA8"));
    EXPECT_EQ(table.text(1), "Step 1");
    EXPECT_EQ(state.Language_Name, "Italiano");

    state.Language_Name = "francais";  // names match without regard to case
    app::Load_Language(table, state);
    EXPECT_EQ(table.text(0), QString::fromUtf8("D\xC3\xA9\x62ut"));
    EXPECT_EQ(table.text(1), QString::fromUtf8("\xC3\x89tape 1"));
    EXPECT_EQ(table.text(18), "Error! Project not Valid");  // rebuilt from English first

    for (const char* name : {"Klingon", "", "../Italiano"}) {
        SCOPED_TRACE(name);
        state.Language_Name = name;
        app::Load_Language(table, state);
        EXPECT_EQ(state.Language_Name, "English");
        EXPECT_EQ(table.text(0), "Begin");
    }

    dir.write("English.lng", "STR0 = Start here\n");
    state.Language_Name = "Klingon";
    app::Load_Language(table, state);
    EXPECT_EQ(state.Language_Name, "English");
    EXPECT_EQ(table.text(0), "Start here");
}

#include <gtest/gtest.h>

#include "platform/ini_file.h"

using namespace platform;

TEST(IniFile, ReadsOneSectionsKeysAndValues)
{
    const QByteArray file =
        "A=outside\r\n[Other]\r\nKey=other\r\n  [grid]  \r\n Key = first \r\nkey=second\r\nno value line\r\n"
        "Empty=\r\n; comment=not skipped\r\n[Next]\r\nKey=next\r\n";
    const IniSection s = ReadIniSection(file, "Grid");
    ASSERT_TRUE(s.Exists());
    EXPECT_EQ(s.Values().size(), 4u);
    EXPECT_EQ(s.Value("KEY"), "first");  // any case, blanks trimmed, the first counts
    EXPECT_EQ(s.Value("Empty"), "");
    EXPECT_EQ(s.Value("A"), std::nullopt);
    EXPECT_EQ(s.ReadString("Missing", "x"), "x");
    EXPECT_EQ(s.ReadInteger("Key", 7), 7);  // no number: the fallback

    EXPECT_FALSE(ReadIniSection(file, "None").Exists());
    EXPECT_TRUE(ReadIniSection("[E]", "e").Exists());
    // UTF-16 with its mark.
    const QByteArray utf16("\xFF\xFE[\0S\0]\0\n\0N\0=\0""4\0""2\0", 18);
    EXPECT_EQ(ReadIniSection(utf16, "S").ReadInteger("N", 0), 42);
}

TEST(IniFile, WritingReplacesOnlyTheKeysAsked)
{
    const QByteArray file = "[S]\r\nA=1\r\nB=2\r\nC=3\r\n";
    const auto replaces = [](const QString& key) { return key == "A" || key == "C"; };
    EXPECT_EQ(WriteIniSection(file, "s", {{"C", "30"}, {"A", "10"}}, replaces), "[S]\r\nB=2\r\nC=30\r\nA=10\r\n");
    // A value Windows-1252 cannot hold turns the file into UTF-8.
    EXPECT_EQ(WriteIniSection("[S]\r\nX=\xE9\r\n", "S", {{"N", QString::fromUtf8("\xD0\x96")}}, replaces),
              "\xEF\xBB\xBF[S]\r\nX=\xC3\xA9\r\nN=\xD0\x96\r\n");
}

TEST(IniFile, QuotesKeepBlanksAtTheEnds)
{
    for (const char* text : {"plain", "", " of ", "tail ", "\"quoted\"", "\"", "a \"b\""}) {
        SCOPED_TRACE(text);
        const QString quoted = QuotedIniText(QString::fromLatin1(text));
        EXPECT_EQ(UnquotedIniText(ReadIniSection("[S]\nK=" + quoted.toLatin1(), "S").ReadString("K", "?")),
                  QString::fromLatin1(text));
    }
    EXPECT_EQ(QuotedIniText(" of "), "\" of \"");
    EXPECT_EQ(QuotedIniText("plain"), "plain");
}

TEST(IniFile, NumberedKeys)
{
    EXPECT_TRUE(IsNumberedKey("Col0", "Col"));
    EXPECT_TRUE(IsNumberedKey("cOL12", "Col"));
    for (const char* key : {"Col", "Col1a", "Colx", "XCol1", "Co1"}) EXPECT_FALSE(IsNumberedKey(key, "Col")) << key;
}

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/text_lines.h"
#include "support/temp_folder.h"

using testing_support::TempFolder;

TEST(AtomicFile, CreatesAndReplacesWholeFiles)
{
    TempFolder dir;
    const QString path = dir.file("out.bin");
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray("first version, long")));
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray("second")));
    EXPECT_EQ(dir.read("out.bin"), QByteArray("second"));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.bin"});
}

TEST(AtomicFile, KeepsThePermissionsOfTheReplacedFile)
{
    TempFolder dir;
    const QString path = dir.write("keep.txt", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(platform::writeFileAtomically(path, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFile, FailureLeavesTheTargetAndReportsWhy)
{
    TempFolder dir;
    QString error;
    EXPECT_FALSE(platform::writeFileAtomically(dir.file("missing/folder/x.xml"), "data", &error));
    EXPECT_TRUE(error.contains("missing/folder/x.xml")) << error.toStdString();

    // A folder standing where the file should go cannot be replaced.
    QDir(dir.path()).mkdir("taken");
    error.clear();
    EXPECT_FALSE(platform::writeFileAtomically(dir.file("taken"), "data", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.file("taken")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

TEST(TextLines, SplitsAtEveryKindOfLineEnd)
{
    EXPECT_EQ(platform::splitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(platform::splitLines("a\n\nb\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(platform::splitLines("\r\n"), (QStringList{""}));
    EXPECT_EQ(platform::splitLines(""), QStringList{});
}

TEST(TextLines, ByteOrderMarkChoosesTheEncoding)
{
    const QString text = QString::fromUtf8("Lingua: \xC3\xA0\xC3\xA8 \xE2\x82\xAC \xC2\xB6");
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        le.append(char(u & 0xFF)).append(char(u >> 8));
        be.append(char(u >> 8)).append(char(u & 0xFF));
    }
    const Case cases[] = {
        {"utf-8 with mark", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
        {"utf-16 le", le},
        {"utf-16 be", be},
        {"no mark: windows-1252", QByteArray("Lingua: \xE0\xE8 \x80 \xB6")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::decodeTextFile(c.bytes), text);
    }
}

TEST(TextLines, MissingFileIsNotEmptyFile)
{
    TempFolder dir;
    EXPECT_FALSE(platform::readTextFileLines(dir.file("none.txt")).has_value());
    dir.write("empty.txt", "");
    ASSERT_TRUE(platform::readTextFileLines(dir.file("empty.txt")).has_value());
}

TEST(CodePages, AnsiAndOemRoundTripAndReplaceWhatTheyCannotHold)
{
    const QString text = QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC");  // café €
    EXPECT_EQ(platform::toAnsi(text), QByteArray("caf\xE9 \x80"));
    EXPECT_EQ(platform::fromAnsi(platform::toAnsi(text)), text);
    EXPECT_EQ(platform::toOem(QString::fromUtf8("\xC3\xA9")), QByteArray("\x82"));
    EXPECT_EQ(platform::fromOem("\x82"), QString::fromUtf8("\xC3\xA9"));
    EXPECT_EQ(platform::toAnsi(QString::fromUtf8("\xE4\xB8\xAD")), QByteArray("?"));  // a CJK character
    // 0x81 is undefined in Windows-1252: it keeps its number.
    EXPECT_EQ(platform::fromAnsi("\x81"), QString(QChar(0x81)));
}

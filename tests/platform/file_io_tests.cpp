#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <vector>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

namespace atomic_set_tests {

using platform::atomic_file_testing::Step;

// The files of a folder with their contents.
using Contents = std::map<std::string, std::string>;

Contents folderContents(const TempFolder& dir)
{
    Contents contents;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System))
        contents[name.toStdString()] = dir.read(name).toStdString();
    return contents;
}

// Fails the given steps for the given targets while it lives.
struct Failure {
    Step step;
    const char* target;
    int err;
};

class InjectedFailures {
public:
    explicit InjectedFailures(std::vector<Failure> failures)
    {
        platform::atomic_file_testing::setFailureHook([failures](Step step, const QString& path) {
            for (const Failure& f : failures)
                if (f.step == step && QFileInfo(path).fileName() == QLatin1String(f.target))
                    return f.err;
            return 0;
        });
    }
    ~InjectedFailures() { platform::atomic_file_testing::setFailureHook(nullptr); }
    InjectedFailures(const InjectedFailures&) = delete;
    InjectedFailures& operator=(const InjectedFailures&) = delete;
};

std::vector<platform::FileContent> newSet(const TempFolder& dir)
{
    return {{dir.file("a.bin"), "new a"}, {dir.file("b.bin"), "new b"}, {dir.file("c.bin"), "new c"}};
}

TEST(AtomicFileSet, ReplacesEveryFileAndLeavesNothingElse)
{
    TempFolder dir;
    dir.write("a.bin", "old a");
    dir.write("c.bin", "old c");
    ASSERT_TRUE(platform::writeFilesAtomically(newSet(dir)));
    const Contents expected{{"a.bin", "new a"}, {"b.bin", "new b"}, {"c.bin", "new c"}};
    EXPECT_EQ(folderContents(dir), expected);
}

TEST(AtomicFileSet, AnyFailureKeepsTheOldSetWhole)
{
    struct Case {
        const char* what;
        std::vector<Failure> failures;
    };
    const Case cases[] = {
        {"disk full while writing the second file", {{Step::WriteTemporary, "b.bin", ENOSPC}}},
        {"disk full while writing the last file", {{Step::WriteTemporary, "c.bin", ENOSPC}}},
        {"the first file cannot be replaced", {{Step::Replace, "a.bin", EACCES}}},
        {"the new file cannot take the place of one that did not exist", {{Step::Replace, "b.bin", EIO}}},
        {"the last file cannot be replaced after the others were", {{Step::Replace, "c.bin", EIO}}},
        // Without hard links the old file is moved aside instead; a later
        // failure still brings it back.
        {"no hard link for the old file, then a failure",
         {{Step::KeepOld, "a.bin", EPERM}, {Step::Replace, "c.bin", EIO}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        dir.write("a.bin", "old a");
        dir.write("c.bin", "old c");
        // b.bin did not exist: it must not exist afterwards either.
        const Contents before = folderContents(dir);
        InjectedFailures failures(c.failures);
        QString error;
        EXPECT_FALSE(platform::writeFilesAtomically(newSet(dir), &error));
        EXPECT_EQ(folderContents(dir), before);
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(AtomicFileSet, WithoutHardLinksTheSetIsStillReplaced)
{
    TempFolder dir;
    dir.write("a.bin", "old a");
    dir.write("b.bin", "old b");
    InjectedFailures failures({{Step::KeepOld, "a.bin", EPERM}, {Step::KeepOld, "b.bin", EPERM}});
    ASSERT_TRUE(platform::writeFilesAtomically(newSet(dir)));
    const Contents expected{{"a.bin", "new a"}, {"b.bin", "new b"}, {"c.bin", "new c"}};
    EXPECT_EQ(folderContents(dir), expected);
}

TEST(AtomicFileSet, FailureNamesTheFileAndTheReason)
{
    TempFolder dir;
    InjectedFailures failures({{Step::WriteTemporary, "b.bin", ENOSPC}});
    QString error;
    EXPECT_FALSE(platform::writeFilesAtomically(newSet(dir), &error));
    EXPECT_TRUE(error.contains(dir.file("b.bin"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << error.toStdString();
    EXPECT_TRUE(folderContents(dir).empty());
}

TEST(AtomicFileSet, AFolderInTheWayKeepsTheOldSetWhole)
{
    TempFolder dir;
    dir.write("a.bin", "old a");
    dir.write("c.bin", "old c");
    ASSERT_TRUE(QDir(dir.path()).mkdir("b.bin"));
    QString error;
    EXPECT_FALSE(platform::writeFilesAtomically(newSet(dir), &error));
    EXPECT_TRUE(error.contains("b.bin")) << error.toStdString();
    const Contents expected{{"a.bin", "old a"}, {"c.bin", "old c"}};
    EXPECT_EQ(folderContents(dir), expected);
    EXPECT_TRUE(QFileInfo(dir.file("b.bin")).isDir());
}

}  // namespace atomic_set_tests

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

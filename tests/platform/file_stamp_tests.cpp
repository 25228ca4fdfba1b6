#include <functional>

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

#include "platform/file_stamp.h"
#include "support/temp_folder.h"

using testing_support::TempFolder;

namespace {

// Gives the file back the modification time it had.
void setModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

QDateTime modified(const QString& path)
{
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

}  // namespace

TEST(FileStamp, TellsWhetherTheFileIsStillTheOneStamped)
{
    struct Case {
        const char* what;
        const char* before;  // nullptr: no file
        std::function<void(const TempFolder&, const QString&)> change;
        bool changed;
    };
    const auto write = [](const QByteArray& bytes) {
        return [bytes](const TempFolder& dir, const QString&) { dir.write("f.xml", bytes); };
    };
    const Case cases[] = {
        {"untouched", "<a>1</a>", [](const TempFolder&, const QString&) {}, false},
        {"still missing", nullptr, [](const TempFolder&, const QString&) {}, false},
        {"created", nullptr, write("<a>1</a>"), true},
        {"created empty", nullptr, write(""), true},
        {"removed", "<a>1</a>", [](const TempFolder&, const QString& p) { QFile::remove(p); }, true},
        {"longer", "<a>1</a>", write("<a>12</a>"), true},
        {"same size, same time, other content", "<a>1</a>",
         [](const TempFolder& dir, const QString& p) {
             const QDateTime time = modified(p);
             dir.write("f.xml", "<a>2</a>");
             setModified(p, time);
         },
         true},
        {"same content, other time", "<a>1</a>",
         [](const TempFolder&, const QString& p) { setModified(p, modified(p).addSecs(-60)); }, true},
        {"rewritten with the same content and time", "<a>1</a>",
         [](const TempFolder& dir, const QString& p) {
             const QDateTime time = modified(p);
             dir.write("f.xml", "<a>1</a>");
             setModified(p, time);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        const QString path = dir.file("f.xml");
        if (c.before)
            dir.write("f.xml", c.before);
        const platform::FileStamp loaded = platform::FileStamp::of(path);
        EXPECT_EQ(loaded.exists(), c.before != nullptr);
        c.change(dir, path);
        EXPECT_EQ(loaded.changedOn(path), c.changed);
        EXPECT_FALSE(platform::FileStamp::of(path).changedOn(path));
    }
}

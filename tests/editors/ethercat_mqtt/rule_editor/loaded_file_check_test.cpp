// The stamp of a loaded file: any change of its existence, size or content
// since it was taken shows.

#include <QFile>
#include <gtest/gtest.h>

#include "editors/ethercat_mqtt/rule_editor/loaded_file_check.h"
#include "support/temp_folder.h"

namespace loaded_file_check_tests {

TEST(LoadedFileCheck, NoticesEveryKindOfChange)
{
    struct Case {
        const char* name;
        const char* before;  // nullptr: no file
        const char* after;
        bool changed;
    };
    const Case cases[] = {
        {"untouched", "<a x=\"1\"/>", "<a x=\"1\"/>", false},
        {"rewritten with the same bytes", "<a x=\"1\"/>", "<a x=\"1\"/>", false},
        {"same size, other content", "<a x=\"1\"/>", "<a x=\"2\"/>", true},
        {"longer", "<a/>", "<a x=\"1\"/>", true},
        {"removed", "<a/>", nullptr, true},
        {"created", nullptr, "<a/>", true},
        {"still missing", nullptr, nullptr, false},
    };
    for (const Case& c : cases) {
        testing_support::TempFolder folder;
        const QString path = folder.file(QStringLiteral("A.xml"));
        if (c.before)
            folder.write(QStringLiteral("A.xml"), c.before);
        rule_editor::LoadedFileCheck check;
        check.remember(path);
        const bool rewrite = std::string(c.name) != "untouched";
        if (rewrite) {
            QFile::remove(path);
            if (c.after)
                folder.write(QStringLiteral("A.xml"), c.after);
        }
        EXPECT_EQ(check.changed(), c.changed) << c.name;
        check.remember(path);
        EXPECT_FALSE(check.changed()) << c.name;
    }
}

}  // namespace loaded_file_check_tests

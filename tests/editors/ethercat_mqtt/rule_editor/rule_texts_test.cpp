// The frame's text helpers, and the built-in text table as a whole: every
// id is given once.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"

namespace rule_texts_tests {

using rule_editor::formatText;

TEST(RuleTexts, PlaceholdersAreFilledInOrder)
{
    struct Case {
        const char* format;
        QStringList values;
        const char* expected;
    };
    const Case cases[] = {
        {"%d rows after row %d of \"%s\"", {"2", "3", "Page"}, "2 rows after row 3 of \"Page\""},
        {"no placeholder", {"1"}, "no placeholder"},
        {"%s and %s", {"one"}, "one and %s"},
        {"100%% of %d", {"7"}, "100% of 7"},
        {"%x %d%", {"5"}, "%x 5%"},
        {"%s", {"%d"}, "%d"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatText(QString::fromUtf8(c.format), c.values), QString::fromUtf8(c.expected)) << c.format;
}

TEST(RuleTexts, TheDeleteQuestionTakesTheRowNumber)
{
    EXPECT_EQ(rule_editor::deleteQuestion(QStringLiteral("Are you sure to delete the Row number %d"), 12),
              QStringLiteral("Are you sure to delete the Row number 12"));
    EXPECT_EQ(rule_editor::deleteQuestion(QStringLiteral("Are you sure to delete the Row number "), 7),
              QStringLiteral("Are you sure to delete the Row number 7"));
}

TEST(RuleTexts, FileProblemsNameTheFile)
{
    app::Load_Default_Texts(app::textTable());
    EXPECT_EQ(rule_editor::fileProblemText(QStringLiteral("/p/A.xml"), QStringLiteral("bad tag"), QString()),
              QStringLiteral("Error!!! The file /p/A.xml cannot be read: bad tag"));
    EXPECT_EQ(rule_editor::fileProblemText(QStringLiteral("/p/A.xml"), QString(), QStringLiteral("Rules")),
              QStringLiteral("Error!!! The file /p/A.xml has no element Rules"));
}

// Two files of the built-in table giving the same id would silently let
// the later one win.
TEST(BuiltInTexts, EveryIdIsGivenOnce)
{
    const QRegularExpression line(QStringLiteral("^\\s*STR(\\d+)\\s*="));
    QHash<int, QString> seen;
    const QDir texts(QStringLiteral(":/texts"));
    const QStringList files = texts.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(texts.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        for (const QString& text : QString::fromUtf8(file.readAll()).split(u'\n')) {
            const QRegularExpressionMatch m = line.match(text);
            if (!m.hasMatch())
                continue;
            const int id = m.captured(1).toInt();
            EXPECT_FALSE(seen.contains(id)) << "STR" << id << " in " << name.toStdString() << " and "
                                            << seen.value(id).toStdString();
            seen.insert(id, name);
        }
    }
}

}  // namespace rule_texts_tests

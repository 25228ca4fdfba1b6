// The written MIB module through a real SMI parser (smilint and smidump of
// the Debian package smitools), where it is installed: its diagnostics are
// recorded in the test's output, and every object the module declares must
// reach the parser's tree under its parent. The fixed lines of the module
// stay as they are (managers may already load it), so what the parser says
// of them is recorded, not mended: its errors may stand only on the trap
// lines, whose NOTIFICATION-TYPE carries the SYNTAX and MAX-ACCESS clauses
// of an object and is not imported.

#include <iostream>

#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "editors/ethernet/snmp/snmp_mib.h"
#include "platform/codepage.h"
#include "platform/xml_document.h"
#include "snmp_editor_fixture.h"

namespace snmp_mib_parser_tests {

using snmp_testing::fixture;
using testing_support::TempFolder;

struct ParserRun {
    QString output;
    bool ran = false;
};

// Runs one of the parser's programs on `module` with the stand-ins of the
// standard modules the module imports.
ParserRun runParser(const QString& program, const QStringList& arguments, const QString& module)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SMIPATH"), fixture(QStringLiteral("smi")));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStandardPaths::findExecutable(program), arguments + QStringList{module});
    ParserRun run;
    run.ran = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

struct Diagnostic {
    int line = 0;
    int severity = 0;  // 1 severe .. 6 a hint
    QString tag;
    QString text;
};

// smilint -m -s: "<file>:<line>: [<severity>] {<tag>} <text>".
std::vector<Diagnostic> diagnosticsOf(const QString& output)
{
    static const QRegularExpression pattern(QStringLiteral(R"(:(\d+): \[(\d)\] \{([^}]*)\} (.*)$)"));
    std::vector<Diagnostic> found;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = pattern.match(line);
        if (m.hasMatch())
            found.push_back({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3), m.captured(4)});
    }
    return found;
}

// smidump -f identifiers: "<module> <name> <kind> <oid>" per node.
QHash<QString, QString> identifiersOf(const QString& output)
{
    QHash<QString, QString> oids;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        if (parts.size() == 4 && parts[0] == QStringLiteral("GATEWAY"))
            oids.insert(parts[1], parts[3]);
    }
    return oids;
}

class MibParserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("smilint")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("smidump")).isEmpty())
            GTEST_SKIP() << "no SMI parser here: smilint and smidump come with the Debian package smitools "
                            "(scripts/setup.sh installs it)";
    }

    // Writes the module for the variables of `trapFile` and has the parser
    // check it; the diagnostics are recorded.
    void checkModule(const QString& trapFile, const char* name)
    {
        platform::XmlDocument doc;
        const snmp::MibVariables variables = snmp::Load_SNMP_Trap_Variables(trapFile, doc);
        ASSERT_TRUE(variables.error.isEmpty());
        const QString module = dir.file(QString::fromLatin1(name) + QStringLiteral(".mib"));
        ASSERT_TRUE(snmp::Write_MIB_File(module, variables));
        const QStringList lines = platform::fromAnsi(dir.read(QString::fromLatin1(name) + QStringLiteral(".mib")))
                                      .split(QStringLiteral("\r\n"));

        const ParserRun lint = runParser(QStringLiteral("smilint"), {"-m", "-s", "-l", "9"}, module);
        ASSERT_TRUE(lint.ran) << lint.output.toStdString();
        std::cout << "smilint on the module of " << name << ":\n" << lint.output.toStdString() << std::flush;
        RecordProperty(std::string("smilint_") + name, lint.output.toStdString());

        for (const Diagnostic& d : diagnosticsOf(lint.output)) {
            if (d.severity > 2)
                continue;  // warnings: recorded above
            const QString line = lines.value(d.line - 1);
            EXPECT_TRUE(line.startsWith(QStringLiteral("trapval"))
                        && (d.tag == QStringLiteral("macro-not-imported") || d.tag == QStringLiteral("internal-other")))
                << "an error outside the trap lines, line " << d.line << ": " << d.text.toStdString() << "\n  "
                << line.toStdString();
        }

        const ParserRun dump = runParser(QStringLiteral("smidump"), {"-k", "-f", "identifiers"}, module);
        ASSERT_TRUE(dump.ran) << dump.output.toStdString();
        const QHash<QString, QString> oids = identifiersOf(dump.output);
        static const QRegularExpression objectLine(
            QStringLiteral(R"(^\s*(\S+)\s+OBJECT[- ](?:TYPE|IDENTIFIER).*::=\s*\{\s*(\S+)\s+(\d+)\s*\}$)"));
        int objects = 0;
        for (const QString& line : lines) {
            const QRegularExpressionMatch m = objectLine.match(line);
            if (!m.hasMatch())
                continue;
            ++objects;
            const QString object = m.captured(1);
            const QString parent = m.captured(2);
            ASSERT_TRUE(oids.contains(object)) << "the parser lost " << object.toStdString();
            if (oids.contains(parent)) {
                EXPECT_EQ(oids.value(object), oids.value(parent) + u'.' + m.captured(3)) << object.toStdString();
            }
        }
        EXPECT_GT(objects, 30);
        EXPECT_EQ(oids.value(QStringLiteral("data")), QStringLiteral("1.3.6.1.4.1.99999.1.1.1"));
    }

    TempFolder dir;
};

TEST_F(MibParserTest, TheModuleOfASmallAgentTable)
{
    checkModule(fixture(QStringLiteral("SNMP_Trap.xml")), "small_table");
}

// Descriptions with double quotes, blanks and a line break, as a hand-edited
// file may give them.
TEST_F(MibParserTest, TheModuleOfHandEditedDescriptions)
{
    const QString trapFile = dir.write(
        QStringLiteral("SNMP_Trap.xml"),
        "<SNMP_Trap><SNMP_Trap_Read>"
        "<row Enable=\"Y\" Type=\"Int\" Description=\"te&quot;mp\" />"
        "<row Enable=\"Y\" Type=\"String\" Description=\" tank level \" />"
        "<row Enable=\"Y\" Type=\"Int\" Description=\"&quot;\" />"
        "<row Enable=\"Y\" Type=\"Int\" Description=\"two&#13;&#10;lines\" />"
        "<row Enable=\"Y\" Type=\"Int\" Description=\"temp\" />"
        "</SNMP_Trap_Read><SNMP_Trap_Write>"
        "<row Enable=\"Y\" Type=\"Int\" Description=\"set &quot;point&quot;\" />"
        "<row Enable=\"Y\" Type=\"Int\" Description=\"Mode\" />"
        "</SNMP_Trap_Write></SNMP_Trap>");
    checkModule(trapFile, "hand_edited");
}

}  // namespace snmp_mib_parser_tests

// The SNMP MIB module writer without a window: the module of a small agent
// table line by line as worked out by hand, which rows become variables,
// any number of them, descriptions from hand-edited files that must not
// break the module, and the command's dialogs.

#include <QSet>
#include <gtest/gtest.h>

#include "editors/ethernet/snmp/snmp_mib.h"
#include "platform/codepage.h"
#include "platform/xml_document.h"
#include "snmp_editor_fixture.h"

namespace snmp_mib_tests {

using snmp::MibVariables;
using snmp_testing::fixture;
using snmp_testing::readFile;
using snmp_testing::SNMPEditorTest;
using testing_support::TempFolder;

MibVariables variablesOf(const QString& path)
{
    platform::XmlDocument doc;
    return snmp::Load_SNMP_Trap_Variables(path, doc);
}

QStringList moduleLines(const QByteArray& bytes)
{
    QStringList lines = platform::fromAnsi(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The lines of the module that describe variables: under bufferinval,
// bufferoutval and trapsval.
QStringList variableLines(const QStringList& lines)
{
    QStringList found;
    for (const QString& line : lines)
        if (line.contains(QStringLiteral("{ bufferinval ")) || line.contains(QStringLiteral("{ bufferoutval "))
            || line.contains(QStringLiteral("{ trapsval ")))
            found << line;
    return found;
}

TEST(SNMPMibModule, TheModuleOfASmallAgentTableLineByLine)
{
    const MibVariables variables = variablesOf(fixture(QStringLiteral("SNMP_Trap.xml")));
    ASSERT_TRUE(variables.error.isEmpty());
    TempFolder dir;
    const QString file = dir.file(QStringLiteral("gateway.mib"));
    ASSERT_TRUE(snmp::Write_MIB_File(file, variables));
    const QByteArray expected = readFile(fixture(QStringLiteral("SNMP_Trap.mib")));
    ASSERT_FALSE(expected.isEmpty());
    const QStringList want = moduleLines(expected);
    const QStringList got = moduleLines(dir.read(QStringLiteral("gateway.mib")));
    for (qsizetype i = 0; i < std::min(want.size(), got.size()); ++i)
        EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
    EXPECT_EQ(got.size(), want.size());
    EXPECT_EQ(dir.read(QStringLiteral("gateway.mib")), expected) << "CR LF after every line, 8-bit text";
}

TEST(SNMPMibModule, EnabledRowsAreTheVariablesNumberedInFileOrder)
{
    TempFolder dir;
    const QString path = dir.write(
        QStringLiteral("SNMP_Trap.xml"),
        "<SNMP_Trap><SNMP_Trap_Read>"
        "<row Enable=\"Y\" Type=\"int\" Description=\"first\" />"
        "<row Type=\"Int\" Description=\"noenable\" />"  // no Enable: not a variable
        "<row Enable=\"N\" Type=\"Int\" Description=\"off\" />"
        "<row Enable=\"y\" Description=\"notype\" />"  // no Type: a string
        "<row Enable=\"Y\" Type=\"INT\" />"            // no Description
        "</SNMP_Trap_Read><SNMP_Trap_Write><row Enable=\"Y\" Type=\"String\" Description=\"w\" /></SNMP_Trap_Write>"
        "</SNMP_Trap>");
    const MibVariables variables = variablesOf(path);
    ASSERT_TRUE(variables.error.isEmpty());
    ASSERT_EQ(variables.read.size(), 3u);
    EXPECT_EQ(variables.read[0].description, QStringLiteral("first"));
    EXPECT_TRUE(variables.read[0].integer);
    EXPECT_EQ(variables.read[1].description, QStringLiteral("notype"));
    EXPECT_FALSE(variables.read[1].integer);
    EXPECT_EQ(variables.read[2].description, QString());
    EXPECT_TRUE(variables.read[2].integer);
    ASSERT_EQ(variables.write.size(), 1u);

    EXPECT_EQ(variableLines(snmp::Write_MIB_Lines(variables)),
              (QStringList{
                  "first OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION \"first\" ::= "
                  "{ bufferinval 1 }",
                  "notype OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION "
                  "\"notype\" ::= { bufferinval 2 }",
                  "bufferinval3 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION \"\" ::= "
                  "{ bufferinval 3 }",
                  "w OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current DESCRIPTION \"w\" ::= "
                  "{ bufferoutval 1 }",
                  "trapval1 NOTIFICATION-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "
                  "\"first\" ::= { trapsval 1 }",
                  "trapval2 NOTIFICATION-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION "
                  "\"notype\" ::= { trapsval 2 }",
                  "trapval3 NOTIFICATION-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION \"\" "
                  "::= { trapsval 3 }",
              }));
}

TEST(SNMPMibModule, FilesWithoutVariablesGiveTheFixedLinesAndBrokenFilesAnError)
{
    app::Load_Default_Texts(app::textTable());
    TempFolder dir;
    const MibVariables none = variablesOf(dir.file(QStringLiteral("SNMP_Trap.xml")));
    EXPECT_TRUE(none.error.isEmpty());
    EXPECT_TRUE(none.read.empty() && none.write.empty());
    const QStringList fixedOnly = snmp::Write_MIB_Lines(none);
    EXPECT_EQ(fixedOnly.size(), 56);
    EXPECT_TRUE(variableLines(fixedOnly).isEmpty());
    EXPECT_EQ(fixedOnly.last(), QStringLiteral("END"));

    const MibVariables noLists = variablesOf(dir.write(QStringLiteral("a.xml"), "<SNMP_Trap />"));
    EXPECT_TRUE(noLists.error.isEmpty());
    EXPECT_TRUE(noLists.read.empty() && noLists.write.empty());

    const QString broken = dir.write(QStringLiteral("b.xml"), "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\"");
    const MibVariables unreadable = variablesOf(broken);
    EXPECT_TRUE(unreadable.error.startsWith(QStringLiteral("Error!!! The file ") + broken + " cannot be read: "))
        << unreadable.error.toStdString();
}

// More enabled rows than the editor's tables hold (as a hand-edited file may
// have): every one is a variable, numbered on.
TEST(SNMPMibModule, AnyNumberOfEnabledRowsIsWritten)
{
    constexpr int kRows = 600;
    QByteArray xml = "<SNMP_Trap><SNMP_Trap_Read>";
    for (int i = 1; i <= kRows; ++i)
        xml += "<row Enable=\"Y\" Type=\"" + QByteArray(i % 2 ? "Int" : "String") + "\" Description=\"in"
               + QByteArray::number(i) + "\" />";
    xml += "</SNMP_Trap_Read><SNMP_Trap_Write>";
    for (int i = 1; i <= kRows; ++i)
        xml += "<row Enable=\"Y\" Type=\"Int\" Description=\"out" + QByteArray::number(i) + "\" />";
    xml += "</SNMP_Trap_Write></SNMP_Trap>";
    TempFolder dir;
    const MibVariables variables = variablesOf(dir.write(QStringLiteral("SNMP_Trap.xml"), xml));
    ASSERT_EQ(variables.read.size(), size_t(kRows));
    ASSERT_EQ(variables.write.size(), size_t(kRows));
    EXPECT_FALSE(variables.read[kRows - 1].integer);
    EXPECT_TRUE(variables.read[kRows - 2].integer);

    const QStringList lines = variableLines(snmp::Write_MIB_Lines(variables));
    ASSERT_EQ(lines.size(), 3 * kRows);
    EXPECT_EQ(lines[kRows - 1], QStringLiteral("in600 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS "
                                               "current DESCRIPTION \"in600\" ::= { bufferinval 600 }"));
    EXPECT_EQ(lines[2 * kRows - 1], QStringLiteral("out600 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write STATUS "
                                                   "current DESCRIPTION \"out600\" ::= { bufferoutval 600 }"));
    EXPECT_EQ(lines[3 * kRows - 2], QStringLiteral("trapval599 NOTIFICATION-TYPE SYNTAX INTEGER MAX-ACCESS read-only "
                                                   "STATUS current DESCRIPTION \"in599\" ::= { trapsval 599 }"));
}

// Descriptions the editor would refuse, from a hand-edited file: the object
// names keep only letters and digits and stay distinct, and the quoted texts
// lose their double quotes, so that every object stays one well-formed line.
TEST(SNMPMibModule, HandEditedDescriptionsGiveWellFormedDistinctNames)
{
    MibVariables variables;
    variables.read = {{QStringLiteral("te\"mp"), true},        // a double quote
                      {QStringLiteral(" tank level "), false},  // blanks
                      {QStringLiteral("Pressure"), true},       // a capital first
                      {QStringLiteral("\"\""), true},           // nothing left
                      {QStringLiteral("temp"), true},           // the name of variable 1
                      {QStringLiteral("bufferinval7"), true},   // the name variable 7 would get
                      {QString(), true},
                      {QStringLiteral("line\r\nbreak"), false},
                      {QStringLiteral("data"), true}};          // an object of the module
    const QString longName = QStringLiteral("a") + QString(70, u'b');
    variables.write = {{QStringLiteral("trapval2"), true},
                       {QStringLiteral("tank level"), true},
                       {longName, true},          // longer than a name may be
                       {longName + u'c', true}};  // the same name once cut
    const QStringList lines = variableLines(snmp::Write_MIB_Lines(variables));
    ASSERT_EQ(lines.size(), 9 + 4 + 9);
    QStringList names;
    for (const QString& line : lines.mid(0, 13))
        names << line.section(u' ', 0, 0);
    EXPECT_EQ(names, (QStringList{"temp", "tanklevel", "bufferinval3", "bufferinval4", "bufferinval5",
                                  "bufferinval7", "bufferinval7x", "linebreak", "bufferinval9", "bufferoutval1",
                                  "bufferoutval2", longName.left(64), "bufferoutval4"}));
    EXPECT_EQ(lines[0], QStringLiteral("temp OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                                       "DESCRIPTION \"temp\" ::= { bufferinval 1 }"));
    EXPECT_EQ(lines[1], QStringLiteral("tanklevel OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS "
                                       "current DESCRIPTION \" tank level \" ::= { bufferinval 2 }"));
    EXPECT_TRUE(lines[7].contains(QStringLiteral("DESCRIPTION \"line  break\" ::=")));
    EXPECT_EQ(lines[14], QStringLiteral("trapval2 NOTIFICATION-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS "
                                        "current DESCRIPTION \" tank level \" ::= { trapsval 2 }"));
    for (const QString& line : lines) {
        EXPECT_EQ(line.count(u'"'), 2) << line.toStdString();
        EXPECT_FALSE(line.contains(u'\n') || line.contains(u'\r')) << line.toStdString();
    }
}

class BuildMibFileTest : public SNMPEditorTest {
protected:
    QString target() const { return folder.file(QStringLiteral("out/gateway.mib")); }
};

TEST_F(BuildMibFileTest, AsksWhereAndBeforeOverwritingThenWritesTheModule)
{
    QDir().mkpath(folder.file(QStringLiteral("out")));
    writeTrap(readFile(fixture(QStringLiteral("SNMP_Trap.xml"))));
    app::AppState& state = app::appState();

    dialogs.chooseFile(std::nullopt);
    snmp::Build_MIB_File(state);
    ASSERT_EQ(dialogs.fileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs()[0].filter, QStringLiteral("Management Information Base (*.mib)|*.mib"));
    EXPECT_EQ(dialogs.fileDialogs()[0].initialFolder, folder.path());
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(QFile::exists(target()));

    dialogs.chooseFile(target());
    snmp::Build_MIB_File(state);
    EXPECT_TRUE(dialogs.shown().empty()) << "no question for a new file";
    EXPECT_EQ(readFile(target()), readFile(fixture(QStringLiteral("SNMP_Trap.mib"))));
    EXPECT_EQ(state.MIB_Read_Vars, (QStringList{"temp", "level"}));
    EXPECT_EQ(state.MIB_Write_Vars, QStringList{""});

    folder.write(QStringLiteral("out/gateway.mib"), "kept");
    dialogs.chooseFile(target());
    dialogs.answer(platform::MessageResult::No);
    snmp::Build_MIB_File(state);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Confirmation);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("File already exists. Do you want to overwrite?"));
    EXPECT_EQ(readFile(target()), "kept");

    dialogs.reset();
    dialogs.chooseFile(target());
    dialogs.answer(platform::MessageResult::Yes);
    snmp::Build_MIB_File(state);
    EXPECT_EQ(readFile(target()), readFile(fixture(QStringLiteral("SNMP_Trap.mib"))));
}

TEST_F(BuildMibFileTest, AVariableFileThatCannotBeReadIsReportedAndNothingIsWritten)
{
    QDir().mkpath(folder.file(QStringLiteral("out")));
    writeTrap("<SNMP_Trap><SNMP_Trap_Read>");
    dialogs.chooseFile(target());
    snmp::Build_MIB_File(app::appState());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Error);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(trapPath())) << dialogs.shown()[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(target()));

    dialogs.reset();
    writeTrap(readFile(fixture(QStringLiteral("SNMP_Trap.xml"))));
    dialogs.chooseFile(folder.file(QStringLiteral("no/such/folder/gateway.mib")));
    snmp::Build_MIB_File(app::appState());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Error!!! The file cannot be saved: ")))
        << dialogs.shown()[0].text.toStdString();
}

}  // namespace snmp_mib_tests

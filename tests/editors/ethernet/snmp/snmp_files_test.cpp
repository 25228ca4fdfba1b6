// SNMP_Manager.xml and SNMP_Trap.xml without a window: files as the editors
// write them come back byte for byte, missing attributes read as their
// defaults, and files that cannot be used are told apart from missing ones.

#include <gtest/gtest.h>

#include "editors/ethernet/snmp/snmp_manager_file.h"
#include "editors/ethernet/snmp/snmp_trap_file.h"
#include "snmp_editor_fixture.h"

namespace snmp_files_tests {

using snmp_testing::fixture;
using snmp_testing::readFile;
using testing_support::TempFolder;

TEST(SNMPManagerFile, ReadsEveryRequestAndWritesItBackUnchanged)
{
    platform::XmlDocument doc;
    std::vector<snmp::SNMPManagerRow> rows;
    const auto read = snmp::readSNMPManagerFile(fixture(QStringLiteral("SNMP_Manager.xml")), doc, rows);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].IP_Address, QStringLiteral("192.168.1.10"));
    EXPECT_EQ(rows[0].Priv_Pass, QStringLiteral("privPass22"));
    EXPECT_EQ(rows[0].Mnemonic, QStringLiteral("Name of the agent"));
    EXPECT_EQ(rows[1].Enable, QStringLiteral("N"));
    EXPECT_EQ(rows[1].Community_String, QStringLiteral("plant & co"));
    EXPECT_EQ(rows[1].ConvertFrom, QStringLiteral("Float * 100"));
    EXPECT_EQ(rows[1].Mnemonic, QString::fromUtf8("Setpoint in °C"));

    TempFolder dir;
    ASSERT_TRUE(snmp::writeSNMPManagerFile(dir.file(QStringLiteral("SNMP_Manager.xml")), doc, rows));
    EXPECT_EQ(dir.read(QStringLiteral("SNMP_Manager.xml")), readFile(fixture(QStringLiteral("SNMP_Manager.xml"))));
}

TEST(SNMPManagerFile, MissingAttributesReadAsTheirDefaults)
{
    TempFolder dir;
    const QString path = dir.write(QStringLiteral("SNMP_Manager.xml"),
                                   "<SNMP_Manager_Access><row IP_Address=\"1.2.3.4\" /><other OID=\"1.3\" Enable=\"N\" "
                                   "/></SNMP_Manager_Access>");
    platform::XmlDocument doc;
    std::vector<snmp::SNMPManagerRow> rows;
    ASSERT_TRUE(snmp::readSNMPManagerFile(path, doc, rows).ok());
    ASSERT_EQ(rows.size(), 2u) << "row elements are taken by position, whatever their name";
    const snmp::SNMPManagerRow& r = rows[0];
    EXPECT_EQ((QStringList{r.Enable, r.On_Change, r.On_Command, r.On_Timer, r.ConvertFrom, r.Cancel}),
              (QStringList{"Y", "N", "N", "N", "None", "N"}));
    EXPECT_EQ((QStringList{r.Version, r.OID, r.Time, r.User, r.Security_Level, r.Mnemonic}),
              (QStringList{"", "", "", "", "", ""}));
    EXPECT_EQ(rows[1].OID, QStringLiteral("1.3"));
    EXPECT_EQ(rows[1].Enable, QStringLiteral("N"));
}

TEST(SNMPTrapFile, ReadsBothListsAndWritesThemBackUnchanged)
{
    platform::XmlDocument doc;
    snmp::SNMPTrapFile file;
    const auto read = snmp::readSNMPTrapFile(fixture(QStringLiteral("SNMP_Trap.xml")), doc, file);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(file.Read.size(), 3u);
    ASSERT_EQ(file.Write.size(), 1u);
    EXPECT_EQ(file.Read[0].Conversion, QStringLiteral("Float * 10"));
    EXPECT_EQ(file.Read[2].Description, QStringLiteral("level"));
    EXPECT_EQ(file.Write[0].Bit, QStringLiteral("3"));

    TempFolder dir;
    ASSERT_TRUE(snmp::writeSNMPTrapFile(dir.file(QStringLiteral("SNMP_Trap.xml")), doc, file));
    EXPECT_EQ(dir.read(QStringLiteral("SNMP_Trap.xml")), readFile(fixture(QStringLiteral("SNMP_Trap.xml"))));

    // Empty tables give both lists all the same.
    ASSERT_TRUE(snmp::writeSNMPTrapFile(dir.file(QStringLiteral("Empty.xml")), doc, {}));
    EXPECT_EQ(dir.read(QStringLiteral("Empty.xml")),
              "<SNMP_Trap>\n\t<SNMP_Trap_Read />\n\t<SNMP_Trap_Write />\n</SNMP_Trap>\n<!--SW_VERSION = 1.000-->\n");
}

TEST(SNMPTrapFile, MissingAttributesAndListsAndFilesThatCannotBeUsed)
{
    TempFolder dir;
    platform::XmlDocument doc;
    snmp::SNMPTrapFile file;

    const QString onlyWrite = dir.write(QStringLiteral("a.xml"),
                                        "<SNMP_Trap><SNMP_Trap_Write><row Description=\"x\" /></SNMP_Trap_Write>"
                                        "</SNMP_Trap>");
    ASSERT_TRUE(snmp::readSNMPTrapFile(onlyWrite, doc, file).ok()) << "a missing list is an empty table";
    EXPECT_TRUE(file.Read.empty());
    ASSERT_EQ(file.Write.size(), 1u);
    EXPECT_EQ((QStringList{file.Write[0].Enable, file.Write[0].Conversion, file.Write[0].Type}),
              (QStringList{"Y", "None", ""}));
    ASSERT_TRUE(snmp::readSNMPTrapFile(onlyWrite, doc, file, QString()).ok());
    EXPECT_EQ(file.Write[0].Enable, QString()) << "the reader's own default for Enable";

    const QString readRow = dir.write(QStringLiteral("b.xml"),
                                      "<SNMP_Trap><SNMP_Trap_Read><row Type=\"Int\" /></SNMP_Trap_Read></SNMP_Trap>");
    ASSERT_TRUE(snmp::readSNMPTrapFile(readRow, doc, file).ok());
    ASSERT_EQ(file.Read.size(), 1u);
    const snmp::SNMPTrapReadRow& r = file.Read[0];
    EXPECT_EQ((QStringList{r.Enable, r.On_Change, r.On_Command, r.On_Timer, r.Conversion, r.Time, r.Description}),
              (QStringList{"Y", "N", "N", "N", "None", "", ""}));

    const QString other = dir.write(QStringLiteral("c.xml"), "<Other><row /></Other>");
    const auto neither = snmp::readSNMPTrapFile(other, doc, file);
    EXPECT_FALSE(neither.ok()) << "a file with neither list is no variable file";
    EXPECT_EQ(neither.missingElement, QStringLiteral("SNMP_Trap_Read"));

    const auto broken = snmp::readSNMPTrapFile(dir.write(QStringLiteral("d.xml"), "<SNMP_Trap><SNMP_Trap_Read>"), doc,
                                               file);
    EXPECT_TRUE(broken.exists);
    EXPECT_FALSE(broken.ok());
    EXPECT_FALSE(broken.reason.isEmpty());

    const auto missing = snmp::readSNMPTrapFile(dir.file(QStringLiteral("none.xml")), doc, file);
    EXPECT_FALSE(missing.exists);
    EXPECT_TRUE(missing.ok());
    EXPECT_TRUE(file.Read.empty() && file.Write.empty());
}

}  // namespace snmp_files_tests

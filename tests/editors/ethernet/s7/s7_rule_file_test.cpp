// The S7 project file without a window: its layout (root, the comment of
// version 1.000, lists, attributes in order), the defaults of attributes a
// row lacks, and files that cannot be used.

#include <gtest/gtest.h>

#include "editors/ethernet/s7/s7_rule_file.h"
#include "editors/ethernet/ethernet_editor_fixture.h"
#include "support/temp_folder.h"

namespace s7_rule_file_tests {

using namespace ethernet_editors;
using ethernet_editor_testing::fixture;
using ethernet_editor_testing::readFile;

S7Rule fromTexts(const QStringList& texts, int table)
{
    S7Rule rule;
    const auto& attributes = s7Attributes(table);
    for (size_t i = 0; i < attributes.size() && i < size_t(texts.size()); ++i)
        rule.*attributes[i].second = texts[qsizetype(i)];
    return rule;
}

TEST(S7RuleFile, WritesTheRootListsAndAttributesInOrder)
{
    S7RuleFile file;
    file.Read = {fromTexts({"Y", "10.0.0.1", "102", "S7300", "0", "2", "Word", "DB", "1", "Inputs (I)", "4", "0",
                            "100", "6", "0", "N", "N", "m"},
                           S7Read)};
    file.Write = {fromTexts({"N", "10.0.0.2", "102", "S7400", "1", "3", "Bit", "FB", "2", "Output (Q)", "5", "7", "0",
                             "Y", "N", "7", "1", "Y", "Y", ""},
                            S7Write)};
    testing_support::TempFolder folder;
    platform::XmlDocument doc;
    const QString path = folder.file(QStringLiteral("S7_Protocol.xml"));
    ASSERT_TRUE(writeS7RuleFile(path, doc, file));
    EXPECT_EQ(readFile(path),
              QByteArray("<S7_Protocol>\n"
                         "\t<S7_Protocol_Read>\n"
                         "\t\t<row Enable=\"Y\" PLC_Address=\"10.0.0.1\" PLC_Port=\"102\" PLC_Type=\"S7300\" "
                         "Rack=\"0\" Slot=\"2\" Data_Type=\"Word\" Data_Identifier=\"DB\" DB_Number=\"1\" "
                         "PLC_Area=\"Inputs (I)\" PLC_Add=\"4\" PLC_Bit=\"0\" PollTime=\"100\" Position=\"6\" "
                         "Bit=\"0\" Swap=\"N\" SwapWord=\"N\" Mnemonic=\"m\" />\n"
                         "\t</S7_Protocol_Read>\n"
                         "\t<S7_Protocol_Write>\n"
                         "\t\t<row Enable=\"N\" PLC_Address=\"10.0.0.2\" PLC_Port=\"102\" PLC_Type=\"S7400\" "
                         "Rack=\"1\" Slot=\"3\" Data_Type=\"Bit\" Data_Identifier=\"FB\" DB_Number=\"2\" "
                         "PLC_Area=\"Output (Q)\" PLC_Add=\"5\" PLC_Bit=\"7\" PollTime=\"0\" OnChange=\"Y\" "
                         "OnCMD=\"N\" Position=\"7\" Bit=\"1\" Swap=\"Y\" SwapWord=\"Y\" Mnemonic=\"\" />\n"
                         "\t</S7_Protocol_Write>\n"
                         "</S7_Protocol>\n"
                         "<!--SW_VERSION = 1.000-->\n"));

    ASSERT_TRUE(writeS7RuleFile(path, doc, S7RuleFile()));
    EXPECT_EQ(readFile(path), QByteArray("<S7_Protocol>\n\t<S7_Protocol_Read />\n\t<S7_Protocol_Write />\n"
                                         "</S7_Protocol>\n<!--SW_VERSION = 1.000-->\n"));
}

TEST(S7RuleFile, MissingRackSlotAndEnableReadTheirDefaultsOthersEmpty)
{
    testing_support::TempFolder folder;
    const QString path = folder.write(
        QStringLiteral("S7_Protocol.xml"),
        "<S7_Protocol><S7_Protocol_Read><row PLC_Address=\"10.0.0.1\" /></S7_Protocol_Read>"
        "<S7_Protocol_Write><row Enable=\"N\" Rack=\"2\" Slot=\"\" Swap=\"\" /></S7_Protocol_Write></S7_Protocol>");
    platform::XmlDocument doc;
    S7RuleFile data;
    ASSERT_TRUE(readS7RuleFile(path, doc, data).ok());
    ASSERT_EQ(data.Read.size(), 1u);
    ASSERT_EQ(data.Write.size(), 1u);
    EXPECT_EQ(data.Read[0].Enable, QStringLiteral("Y"));
    EXPECT_EQ(data.Read[0].Rack, QStringLiteral("0"));
    EXPECT_EQ(data.Read[0].Slot, QStringLiteral("0"));
    EXPECT_TRUE(data.Read[0].Swap.isEmpty() && data.Read[0].SwapWord.isEmpty() && data.Read[0].PLC_Port.isEmpty());
    EXPECT_EQ(data.Write[0].Enable, QStringLiteral("N"));
    EXPECT_EQ(data.Write[0].Rack, QStringLiteral("2"));
    EXPECT_EQ(data.Write[0].Slot, QString());
    EXPECT_TRUE(data.Write[0].OnCMD.isEmpty());
}

TEST(S7RuleFile, ReadsTheFileAsTheEditorWritesItAndRefusesOneWithoutAList)
{
    platform::XmlDocument doc;
    S7RuleFile data;
    ASSERT_TRUE(readS7RuleFile(fixture("S7_Protocol.xml"), doc, data).ok());
    ASSERT_EQ(data.Read.size(), 2u);
    ASSERT_EQ(data.Write.size(), 1u);
    EXPECT_EQ(data.Read[1].Mnemonic, QStringLiteral("Spare <off>"));
    EXPECT_EQ(data.Write[0].PLC_Area, QStringLiteral("Output (Q)"));

    testing_support::TempFolder folder;
    const QString path =
        folder.write(QStringLiteral("S7_Protocol.xml"), "<S7_Protocol><S7_Protocol_Write /></S7_Protocol>");
    const ethercat_mqtt::ProjectFileRead read = readS7RuleFile(path, doc, data);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.missingElement, QStringLiteral("S7_Protocol_Read"));
}

}  // namespace s7_rule_file_tests

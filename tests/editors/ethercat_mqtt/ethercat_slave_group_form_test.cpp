// The EtherCAT group editor: its file read and written back unchanged, its
// checks on both pages, and its row commands.

#include "editors/ethercat_mqtt/ethercat_slave_group_form.h"
#include "ethercat_editor_fixture.h"

namespace ethercat_slave_group_form_tests {

using ethercat_editor_testing::EditorTest;
using ethercat_editor_testing::groupFileXml;
using ethercat_editor_testing::readFile;
using ethercat_mqtt::TFEtherCATSlave_Group;
using platform::MessageKind;
using platform::MessageResult;

class GroupEditorTest : public EditorTest {
protected:
    QStringList row(int r, int table = 0) const { return form.table(table).rowTexts(r); }
    void setRow(int r, const QStringList& texts, int table = 0) { form.table(table).setRowTexts(r, texts); }

    TFEtherCATSlave_Group form;
};

TEST_F(GroupEditorTest, ReadsTheGroupsAndWritesThemBackUnchanged)
{
    const QByteArray file = "<PROFINET_Master_to_Modbus_TCP_Master>\n"
                            "\t<Slave_to_Master>\n"
                            "\t\t<row Group_Name=\"Motor\" Num_Variables=\"3\" Mnemonic=\"drive &amp; brake\" />\n"
                            "\t\t<row Group_Name=\"Valves\" Num_Variables=\"4\" Mnemonic=\"\" />\n"
                            "\t</Slave_to_Master>\n"
                            "\t<Master_to_Slave>\n"
                            "\t\t<row Group_Name=\"Setpoints\" Num_Variables=\"2\" Mnemonic=\"\" />\n"
                            "\t</Master_to_Slave>\n"
                            "</PROFINET_Master_to_Modbus_TCP_Master>\n"
                            "<!--SW_VERSION = 1.001-->\n";
    writeGroups(file);
    show(form);
    EXPECT_EQ(row(1), (QStringList{"Motor", "3", "drive & brake"}));
    EXPECT_EQ(row(2), (QStringList{"Valves", "4", ""}));
    EXPECT_EQ(row(3), (QStringList{"", "", ""}));
    EXPECT_EQ(row(1, 1), (QStringList{"Setpoints", "2", ""}));
    EXPECT_EQ(form.table(0).grid().GetCellEx(0, 16), QStringLiteral("16"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(groupPath()), file);
}

TEST_F(GroupEditorTest, NewGroupsAreWrittenInTheFileLayout)
{
    show(form);
    setRow(1, {"In A", "200", "first"});
    setRow(2, {"In B", "56", ""});
    setRow(3, {"   ", "", ""});
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(readFile(groupPath()), QByteArray("<PROFINET_Master_to_Modbus_TCP_Master>\n"
                                                "\t<Slave_to_Master>\n"
                                                "\t\t<row Group_Name=\"In A\" Num_Variables=\"200\" Mnemonic=\"first\" />\n"
                                                "\t\t<row Group_Name=\"In B\" Num_Variables=\"56\" Mnemonic=\"\" />\n"
                                                "\t</Slave_to_Master>\n"
                                                "\t<Master_to_Slave />\n"
                                                "</PROFINET_Master_to_Modbus_TCP_Master>\n"
                                                "<!--SW_VERSION = 1.001-->\n"));
}

TEST_F(GroupEditorTest, ChecksOnBothPagesWithAndWithoutARow)
{
    writeGroups(groupFileXml({"A=200", "B=57"}, {"C=5", "D=0"}));
    show(form);
    form.Btn_OKClick();
    form.table(0).setCellText(2, 2, QStringLiteral("56"));
    form.Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.texts()[0], QStringLiteral("Error!! [Slave to Master] Num Variables in total must be minor or "
                                                 "equal to 256"));
    EXPECT_EQ(dialogs.texts()[1], QStringLiteral("Error row 2!! [Master to Slave] Num Variables must be beetween 1 "
                                                 "and 256"));
    EXPECT_EQ(form.activeTable(), 1);
    EXPECT_EQ(form.table(1).grid().Row(), 2);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(readFile(groupPath()), groupFileXml({"A=200", "B=57"}, {"C=5", "D=0"}));
}

// A blank group name ends the list: the groups below it are neither checked
// nor saved, and the frame asks before dropping them.
TEST_F(GroupEditorTest, ABlankGroupNameEndsTheList)
{
    show(form);
    setRow(1, {"A", "2", ""});
    setRow(2, {"  ", "", ""});
    setRow(3, {"C", "999", ""});
    dialogs.answer(MessageResult::Yes);
    form.Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Confirmation);
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("The list of \"Slave To Master\" ends at row 2, whose "
                                                             "\"Group Name\" cell is empty: 1 rows")));
    EXPECT_EQ(readFile(groupPath()), groupFileXml({"A=2"}, {}));
}

TEST_F(GroupEditorTest, RowCommandsOnTheActivePage)
{
    writeGroups(groupFileXml({}, {"A=1", "B=2", "C=3"}));
    show(form);
    form.setActiveTable(1);
    grid::TExColumnGrid& g = *form.ECG_Group_MtoS;
    g.FocusCell(1, 2);
    dialogs.answer(MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 2"});
    EXPECT_EQ(row(2, 1), (QStringList{"C", "3", ""}));

    form.Btn_CopyRowClick();
    g.FocusCell(1, 16);
    form.Btn_PasteRowClick();
    EXPECT_EQ(row(16, 1), (QStringList{"C", "3", ""}));
    // Insert on the last row empties it without a question.
    form.Btn_InsRowClick();
    EXPECT_EQ(row(16, 1), (QStringList{"", "", ""}));
    g.FocusCell(1, 1);
    form.Btn_InsRowClick();
    EXPECT_EQ(row(1, 1), (QStringList{"", "", ""}));
    EXPECT_EQ(row(2, 1), (QStringList{"A", "1", ""}));
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(row(1, 0), (QStringList{"", "", ""}));
}

}  // namespace ethercat_slave_group_form_tests

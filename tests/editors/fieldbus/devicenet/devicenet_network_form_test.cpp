// The DeviceNet network editor: its file through the table and back, the
// list ending at the first ID cell without any text, the checks with their
// texts, the row buttons and the texts of its block.

#include <QTest>

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/devicenet/devicenet_network_form.h"
#include "editors/fieldbus/devicenet/devicenet_network_rules.h"
#include "editors/fieldbus/fieldbus_project_fixture.h"

namespace devicenet_network_form_tests {

using devicenet::DeviceNetSlave;
using devicenet::TFDNet;
using fieldbus_project_testing::FieldbusEditorTest;
using platform::MessageKind;

class NetworkEditorTest : public FieldbusEditorTest {
protected:
    QStringList row(int r) const { return form.table(0).rowTexts(r); }
    QString messages() const { return dialogs.texts().join(u'\n'); }

    TFDNet form;
};

TEST_F(NetworkEditorTest, TheFileFillsTheTableAndOkWritesItBackUnchanged)
{
    const QByteArray original = writeFixture("DNETM_Net.xml", QStringLiteral("devicenet/DNETM_Net.xml"));
    show(form);
    EXPECT_EQ(row(1), (QStringList{"5", "4", "2", "Valve island & sensors"}));
    EXPECT_EQ(row(2), (QStringList{"0x07", "0", "16", "Drive 7"}));
    EXPECT_EQ(row(3), (QStringList{"12", "65535", "0", ""}));
    EXPECT_EQ(row(4), (QStringList{"", "", "", ""}));
    EXPECT_EQ(form.ESG->GetCellEx(0, 64), QStringLiteral("64"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(bytes("DNETM_Net.xml"), original);
}

TEST_F(NetworkEditorTest, OkWritesTheSlavesUpToTheFirstIdWithoutText)
{
    show(form);
    form.table(0).setRowTexts(1, {"1", "8", "8", "First"});
    form.table(0).setRowTexts(2, {"1", "0", "0", "Same ID, no data"});
    form.table(0).setRowTexts(4, {"zz", "", "", "after the end: neither checked nor written"});
    dialogs.answer(platform::MessageResult::Yes);  // save although a row after the list holds data
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible()) << messages().toStdString();
    EXPECT_EQ(bytes("DNETM_Net.xml"), "<DNET_Net>\n"
                                      "\t<row ID=\"1\" NB_IN=\"8\" NB_OUT=\"8\" Mnemonic=\"First\" />\n"
                                      "\t<row ID=\"1\" NB_IN=\"0\" NB_OUT=\"0\" Mnemonic=\"Same ID, no data\" />\n"
                                      "</DNET_Net>\n"
                                      "<!--SW_VERSION = 1.000-->\n");

    // No slave at all: the root and the comment.
    show(form);
    form.table(0).setRowTexts(1, {"", "", "", ""});
    form.table(0).setRowTexts(2, {"", "", "", ""});
    form.Btn_OKClick();
    EXPECT_EQ(bytes("DNETM_Net.xml"), "<DNET_Net />\n<!--SW_VERSION = 1.000-->\n");
}

TEST(DeviceNetNetworkRules, RangesOfIdAndByteCounts)
{
    using devicenet::checkDeviceNetNetwork;
    namespace t = devicenet::network_texts;
    struct Case {
        DeviceNetSlave slave;
        int text;  // 0: passes
    };
    const Case cases[] = {
        {{"0", "0", "0", ""}, 0},
        {{"63", "65535", "65535", ""}, 0},
        {{"0x3F", "$FFFF", "0", ""}, 0},
        {{"64", "0", "0", ""}, t::IdRange},
        {{"-1", "0", "0", ""}, t::IdRange},
        {{" ", "0", "0", ""}, t::IdRange},
        {{"5", "65536", "0", ""}, t::BytesInRange},
        {{"5", "", "0", ""}, t::BytesInRange},
        {{"5", "1 ", "0", ""}, t::BytesInRange},
        {{"5", "1", "65536", ""}, t::BytesOutRange},
        {{"5", "1", "x", ""}, t::BytesOutRange},
        // ID first, then In, then Out.
        {{"99", "-1", "-1", ""}, t::IdRange},
        {{"9", "-1", "-1", ""}, t::BytesInRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slave.ID.toStdString() + "/" + c.slave.NB_IN.toStdString() + "/" + c.slave.NB_OUT.toStdString());
        const auto failure = checkDeviceNetNetwork({{"1", "1", "1", ""}, c.slave});
        if (c.text == 0)
            EXPECT_EQ(failure, std::nullopt);
        else
            EXPECT_EQ(failure, (rule_editor::RuleFailure{0, 2, c.text}));
    }
}

// The form's messages: "Error in row " + the row + the rule's text, the
// first failing row only; a slave in the last row is checked like the
// others; an ID of one blank does not end the list.
TEST_F(NetworkEditorTest, ChecksShowTheRowAndTheRuleAndWriteNothing)
{
    const QByteArray original = writeFixture("DNETM_Net.xml", QStringLiteral("devicenet/DNETM_Net.xml"));
    struct Case {
        int row;
        int column;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {2, TFDNet::IDSlave, "64", "Error in row 2!! ID must be 0 or 63"},
        {4, TFDNet::IDSlave, " ", "Error in row 4!! ID must be 0 or 63"},
        {3, TFDNet::NumByteIn, "65536", "Error in row 3!! Number Byte IN must be 0 or 65535"},
        {1, TFDNet::NumByteOut, "", "Error in row 1!! Number Byte OUT must be 0 or 65535"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        show(form);
        dialogs.reset();
        form.table(0).setCellText(c.column, c.row, QString::fromLatin1(c.text));
        form.Btn_OKClick();
        ASSERT_EQ(dialogs.shown().size(), 1u) << messages().toStdString();
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
        EXPECT_EQ(dialogs.shown()[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(form.ESG->Row(), c.row);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(bytes("DNETM_Net.xml"), original);
        form.close();
    }

    show(form);
    dialogs.reset();
    for (int r = 1; r <= TFDNet::kSlaves; ++r)
        form.table(0).setRowTexts(r, {QString::number(r % 64), "1", "1", ""});
    form.table(0).setCellText(TFDNet::IDSlave, 64, QStringLiteral("64"));
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error in row 64!! ID must be 0 or 63"});
    form.table(0).setCellText(TFDNet::IDSlave, 64, QStringLiteral("63"));
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(bytes("DNETM_Net.xml").count("<row "), 64);
}

TEST_F(NetworkEditorTest, TypedRowsAreGoneAfterCancel)
{
    const QByteArray original = writeFixture("DNETM_Net.xml", QStringLiteral("devicenet/DNETM_Net.xml"));
    show(form);
    form.table(0).setRowTexts(4, {"20", "1", "1", "typed"});
    QTest::mouseClick(form.Btn_Cancel, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
    show(form);
    EXPECT_TRUE(form.table(0).keyEmpty(4));
    EXPECT_EQ(bytes("DNETM_Net.xml"), original);
}

TEST_F(NetworkEditorTest, DeleteAsksWithTheRowNumberAndInsertGivesAnEmptyRow)
{
    writeFixture("DNETM_Net.xml", QStringLiteral("devicenet/DNETM_Net.xml"));
    show(form);
    form.ESG->FocusCell(2, 2);
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 2"});
    EXPECT_EQ(row(2), (QStringList{"12", "65535", "0", ""}));
    form.ESG->FocusCell(1, 1);
    form.Btn_InsRowClick();
    EXPECT_EQ(row(1), (QStringList{"", "", "", ""}));
    EXPECT_EQ(row(2), (QStringList{"5", "4", "2", "Valve island & sensors"}));
}

TEST_F(NetworkEditorTest, TextsOfTheBlock)
{
    EXPECT_EQ(form.objectName(), QStringLiteral("FDNet"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("DeviceNet Network"));
    EXPECT_EQ(form.title.L_SW_Desc->text(), QStringLiteral("DeviceNet Network"));
    EXPECT_EQ(form.title.L_SW_Code->text(), QStringLiteral("CQ41T17"));
    EXPECT_EQ(form.Btn_OK->toolTip(), QStringLiteral("Confirm and save the DeviceNet Slaves List"));
    EXPECT_EQ(form.Btn_PasteRow->Caption(), QStringLiteral("Paste Row"));
    EXPECT_EQ(form.Btn_PasteRow->toolTip(), QStringLiteral("Paste the Copied Fields in the Selected Row"));
    EXPECT_EQ(form.ESG->RowCount(), 65);
    const QStringList headers = {"N", "ID Slave", "Num Byte In", "Num Byte Out", "Mnemonic"};
    const int widths[] = {45, 100, 100, 100, 375};
    ASSERT_EQ(form.ESG->ColCount(), 5);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(form.ESG->Columns()[c]->Header(), headers[c]) << c;
        EXPECT_EQ(form.ESG->Columns()[c]->Width(), widths[c]) << c;
    }
    QString hint;
    form.ESG->OnGridHint(form.ESG, 0, 3, hint);
    EXPECT_EQ(hint, QStringLiteral("Insert the Output Number of Bytes of DeviceNet Slave"));

    app::textTable().Lang_Texts[2915] = QStringLiteral("ID Slave IT");
    app::textTable().Lang_Texts[2923] = QStringLiteral("Errore riga ");
    form.Set_Lang();
    EXPECT_EQ(form.ESG->Columns()[1]->Header(), QStringLiteral("ID Slave IT"));
    show(form);
    form.table(0).setRowTexts(1, {"70", "0", "0", ""});
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Errore riga 1!! ID must be 0 or 63"});
}

}  // namespace devicenet_network_form_tests

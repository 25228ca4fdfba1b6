// The CANopen PDO, SDO client and SDO server editors on the frame: the
// texts of their blocks (tab captions, headers in row 0, the hints of each
// page), a file loaded and written back, the active page reset at every
// showing, the checks through OK on their page, the row commands of the
// active page, and files the editors must not overwrite.

#include <QTabWidget>
#include <QTimer>

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/canopen/canopen_forms.h"

namespace canopen_forms_tests {

using namespace canopen;
using can_testing::readFile;

class CANopenFormsTest : public can_testing::CANEditorTest {
protected:
    static QStringList headers(grid::TExColumnGrid& g)
    {
        QStringList texts;
        for (int c = 0; c < g.ColCount(); ++c)
            texts << g.GetCellEx(c, 0);
        return texts;
    }
    static QString hint(grid::TExColumnGrid& g, int column)
    {
        QString text;
        g.OnGridHint(&g, 0, column, text);
        return text;
    }
};

TEST_F(CANopenFormsTest, TextsOfThePDOBlock)
{
    TFSet_PDO_Access form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Set PDO Access"));
    EXPECT_EQ(form.Btn_OK->toolTip(), QStringLiteral("Confirm and save the CANopen PDOs List"));
    EXPECT_EQ(form.Btn_PasteRow->Caption(), QStringLiteral("Paste Row"));
    EXPECT_EQ(form.PageControl1->tabText(0), QStringLiteral("Receive PDO"));
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("Transmit PDO"));
    EXPECT_EQ(form.sga->RowCount(), 31);
    EXPECT_EQ(form.sgb->RowCount(), 31);
    EXPECT_EQ(headers(*form.sga), (QStringList{"N", "COB-ID", "Dimension", "Add B1", "Add B2", "Add B3", "Add B4",
                                               "Add B5", "Add B6", "Add B7", "Add B8", "TimeOut", "Mnemonic"}));
    EXPECT_EQ(headers(*form.sgb),
              (QStringList{"N", "COB-ID", "Dimension", "Add B1", "Add B2", "Add B3", "Add B4", "Add B5", "Add B6",
                           "Add B7", "Add B8", "Send Time", "On Change", "Mnemonic"}));
    EXPECT_EQ(hint(*form.sga, 1), QStringLiteral("Insert the CobID of the CANopen PDO in Receive"));
    EXPECT_EQ(hint(*form.sga, 5), QStringLiteral("Insert the position of array where put the byte 3 of CANopen PDO frame"));
    EXPECT_EQ(hint(*form.sgb, 1), QStringLiteral("Insert the CobID of the CANopen PDO in Transmit"));
    EXPECT_EQ(hint(*form.sgb, 12),
              QStringLiteral("Enable or Disable the possibility to send the CANopen PDO Frame if a Data Byte changes"));
    EXPECT_EQ(form.sgb->Columns()[12]->Editor(), grid::edDataCheckBox);
    for (int c = 1; c <= 11; ++c)
        EXPECT_EQ(form.sgb->Columns()[c]->Editor(), grid::edNormal) << c;
}

TEST_F(CANopenFormsTest, TextsOfTheSDOBlocks)
{
    TFSet_SDO_Client_Access client;
    EXPECT_EQ(client.windowTitle(), QStringLiteral("Set SDO Client Access"));
    EXPECT_EQ(client.PageControl1->tabText(1), QStringLiteral("SDO Write"));
    EXPECT_EQ(client.sga->RowCount(), 257);
    EXPECT_EQ(headers(*client.sga), (QStringList{"N", "ID Device", "Index", "SubIndex", "N Byte", "Poll Time",
                                                 "Add Byte1", "Add Byte2", "Add Byte3", "Add Byte4", "TimeOut",
                                                 "Mnemonic"}));
    EXPECT_EQ(headers(*client.sgb), (QStringList{"N", "ID Device", "Index", "SubIndex", "N Byte", "Poll Time",
                                                 "On Change", "Add Byte1", "Add Byte2", "Add Byte3", "Add Byte4",
                                                 "Mnemonic"}));
    EXPECT_EQ(hint(*client.sga, 10), QStringLiteral("Insert the TimeOut in milliseconds of data for each CANopen SDO "
                                                    "Client requests, insert 0 do disable the function"));
    EXPECT_EQ(hint(*client.sga, 11), QStringLiteral("Insert a description of the CANopen SDO Request"));
    EXPECT_EQ(hint(*client.sgb, 7), QStringLiteral("Insert the position of array where put the byte 1 of CANopen SDO "
                                                   "Request"));
    EXPECT_EQ(client.sgb->Columns()[6]->Editor(), grid::edDataCheckBox);

    TFSet_SDO_Server_Access server;
    EXPECT_EQ(server.windowTitle(), QStringLiteral("Set SDO Server Access"));
    EXPECT_EQ(server.Btn_Cancel->toolTip(), QStringLiteral("Exit without save the CANopen SDOs Server List"));
    EXPECT_EQ(server.PageControl1->tabText(0), QStringLiteral("SDO in Read"));
    EXPECT_EQ(server.sgb->RowCount(), 501);
    const QStringList columns = {"N", "Index", "SubIndex", "N Byte", "Add Byte1", "Add Byte2", "Add Byte3",
                                 "Add Byte4", "Mnemonic"};
    EXPECT_EQ(headers(*server.sga), columns);
    EXPECT_EQ(headers(*server.sgb), columns);
    EXPECT_EQ(hint(*server.sga, 4), QStringLiteral("Insert the position of array where read the byte 1 of CANopen SDO "
                                                   "Request"));
    EXPECT_EQ(hint(*server.sgb, 4), QStringLiteral("Insert the position of array where write the byte 1 of CANopen "
                                                   "SDO Request"));

    app::textTable().Lang_Texts[2815] = QStringLiteral("SDO in Schreiben");
    app::textTable().Lang_Texts[2826] = QStringLiteral("Indice");
    server.Set_Lang();
    EXPECT_EQ(server.PageControl1->tabText(1), QStringLiteral("SDO in Schreiben"));
    EXPECT_EQ(server.sgb->GetCellEx(1, 0), QStringLiteral("Indice"));
    EXPECT_EQ(server.sga->GetCellEx(1, 0), QStringLiteral("Index"));
}

TEST_F(CANopenFormsTest, AShowingResetsLoadsOnTheFirstPageAndOkWritesTheFileBack)
{
    const QByteArray original =
        "<PDO_CANopen>\n"
        "\t<Receive_PDO>\n"
        "\t\t<row COB-ID=\"0x201\" Dimension=\"2\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"2000\" "
        "Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" TimeOut=\"0\" "
        "Mnemonic=\"\" />\n"
        "\t</Receive_PDO>\n"
        "\t<Transmit_PDO>\n"
        "\t\t<row COB-ID=\"$181\" Dimension=\"1\" Address_B1=\"1499\" Address_B2=\"\" Address_B3=\"\" "
        "Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" Send_Time=\"100000000\" "
        "On_Change=\"\" Mnemonic=\"Valve\" />\n"
        "\t</Transmit_PDO>\n"
        "</PDO_CANopen>\n"
        "<!--SW_VERSION = 1.003-->\n";
    write(state().PDO_CANopen_Path, original);
    TFSet_PDO_Access form;
    form.table(1).setRowTexts(3, {"old"});
    form.setActiveTable(TFSet_PDO_Access::Transmit);
    form.arrays.NByte_OUT = 7;
    show(form);
    EXPECT_EQ(form.activeTable(), TFSet_PDO_Access::Receive);
    EXPECT_EQ(form.arrays.NByte_IN, 1500);
    EXPECT_EQ(form.arrays.NByte_OUT, 1500);
    EXPECT_EQ(form.table(0).rowTexts(1),
              (QStringList{"0x201", "2", "0", "1", "2000", "", "", "", "", "", "0", ""}));
    EXPECT_EQ(form.table(1).rowTexts(1),
              (QStringList{"$181", "1", "1499", "", "", "", "", "", "", "", "100000000", "", "Valve"}));
    EXPECT_EQ(form.table(1).rowTexts(3), QStringList(13)) << "the On Change cells start empty";
    EXPECT_EQ(form.sgb->GetCellEx(0, 30), QStringLiteral("30"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(state().PDO_CANopen_Path), original);
}

TEST_F(CANopenFormsTest, OkShowsTheFirstFailureOnItsPageAndWritesNothing)
{
    TFSet_SDO_Client_Access form;
    show(form);
    form.table(0).setRowTexts(1, {"1", "0x1000", "0", "1", "1", "0", "", "", "", "0"});
    form.table(1).setRowTexts(1, {"1", "0x1000", "0", "4", "0", "Y", "0", "1", "2", "1500"});
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error row 1!! [SDO Write] Address Byte4 must be between 0 and 1499"});
    EXPECT_EQ(form.activeTable(), TFSet_SDO_Client_Access::Write);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(QFile::exists(state().SDO_Client_CANopen_Path));

    // A failure of the read table is reported first.
    dialogs.reset();
    form.table(0).setRowTexts(2, {"1", "0x1000", "0", "1", "0", "0", "", "", "", "0"});
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error row 2!! [SDO Read] Poll Time must be between 1 and 100000000"});
    EXPECT_EQ(form.activeTable(), TFSet_SDO_Client_Access::Read);
    EXPECT_EQ(form.sga->Row(), 2);

    dialogs.reset();
    form.table(0).setCellText(5, 2, QStringLiteral("1"));
    form.table(1).setCellText(10, 1, QStringLiteral("3"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(readFile(state().SDO_Client_CANopen_Path).contains("Poll_Time=\"0\" On_Change=\"Y\" Address_B1=\"0\""));
}

TEST_F(CANopenFormsTest, RowCommandsActOnTheActivePage)
{
    write(state().SDO_Server_CANopen_Path,
          "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000\" /><row Index=\"0x2001\" /></SDO_Read>"
          "<SDO_Write><row Index=\"0x3000\" /><row Index=\"0x3001\" /><row Index=\"0x3002\" /></SDO_Write>"
          "</SDO_Server_CANopen>");
    TFSet_SDO_Server_Access form;
    show(form);
    // Copy on the read page, paste on the write page: the write grid has
    // copied nothing.
    form.sga->FocusCell(1, 1);
    form.Btn_CopyRowClick();
    form.setActiveTable(TFSet_SDO_Server_Access::Write);
    form.sgb->FocusCell(1, 2);
    form.Btn_PasteRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error!!! Copy a valid row before Paste it"});
    EXPECT_EQ(form.table(1).cellText(1, 2), QStringLiteral("0x3001"));

    dialogs.reset();
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 2"});
    EXPECT_EQ(form.table(1).cellText(1, 2), QStringLiteral("0x3002"));
    EXPECT_EQ(form.table(0).cellText(1, 2), QStringLiteral("0x2001"));
    // Insert gives an empty row: column 1 is no Enable box.
    form.Btn_InsRowClick();
    EXPECT_EQ(form.table(1).rowTexts(2), QStringList(8));
    EXPECT_EQ(form.table(1).cellText(1, 3), QStringLiteral("0x3002"));

    // A click on a row number selects that row of the grid clicked.
    form.sgb->OnClickCell(form.sgb, 3, 0);
    EXPECT_EQ(form.sgb->Selection().Top, 3);
    EXPECT_EQ(form.sgb->Selection().Bottom, 3);
}

TEST_F(CANopenFormsTest, FilesThatCannotBeUsedAreNeverOverwritten)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const Case cases[] = {
        {"not well-formed", "<PDO_CANopen>\n\t<Receive_PDO>\n\t\t<row COB-ID=\"1\" \n", " cannot be read: "},
        {"neither list", "<S7_Protocol><row COB-ID=\"1\" /></S7_Protocol>", " has no element Receive_PDO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.reset();
        write(state().PDO_CANopen_Path, c.bytes);
        TFSet_PDO_Access form;
        bool opened = false;
        QTimer::singleShot(0, &form, [&] {
            opened = form.isVisible();
            form.Btn_OKClick();
        });
        EXPECT_EQ(form.exec(), QDialog::Rejected);
        QApplication::processEvents();
        EXPECT_FALSE(opened);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_TRUE(dialogs.texts()[0].contains(state().PDO_CANopen_Path + QString::fromLatin1(c.message)))
            << dialogs.texts()[0].toStdString();
        EXPECT_EQ(readFile(state().PDO_CANopen_Path), c.bytes);
    }
}

TEST_F(CANopenFormsTest, SurplusRowsAreReportedWithTheirPage)
{
    QByteArray xml = "<PDO_CANopen><Receive_PDO /><Transmit_PDO>";
    for (int i = 1; i <= 32; ++i)
        xml += "<row COB-ID=\"" + QByteArray::number(i) + "\" />";
    xml += "</Transmit_PDO></PDO_CANopen>";
    write(state().PDO_CANopen_Path, xml);
    TFSet_PDO_Access form;
    show(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("The file ") + state().PDO_CANopen_Path
                                           + QStringLiteral(" holds 2 rows more than the table \"Transmit PDO\" can "
                                                            "show: they are not shown, and OK would remove them from "
                                                            "the file.")});
    EXPECT_EQ(form.table(1).cellText(1, 30), QStringLiteral("30"));
}

}  // namespace canopen_forms_tests

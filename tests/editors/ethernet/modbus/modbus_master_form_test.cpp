// The two Modbus master editors: what a showing loads (defaults of missing
// attributes, the hidden Topic column and the index saved for it), the
// header hints behind the hidden column, the texts of each block (the TCP
// editor's Copy Row and Paste Row keep their captions), and the delete
// question.

#include <QTabWidget>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/ethernet_editor_fixture.h"
#include "editors/ethernet/modbus/modbus_set_access_form.h"
#include "editors/ethernet/modbus/modbus_tcp_master_form.h"

namespace modbus_master_form_tests {

using ethernet_editor_testing::EthernetEditorTest;
using ethernet_editor_testing::readFile;
using ethernet_editors::TFModbus_TCP_Master_Set_Access;
using ethernet_editors::TFSetAccess;
using ethernet_editors::TModbusMasterForm;

class ModbusFormTest : public EthernetEditorTest {
protected:
    TFSetAccess serial;
    TFModbus_TCP_Master_Set_Access tcp;
};

TEST_F(ModbusFormTest, MissingAttributesShowTheirDefaultsAndTheTopicColumnStaysHiddenAndEmpty)
{
    folder.write(QStringLiteral("ModbusM_SetAccess.xml"),
                 "<EtherNetIP_to_Modbus><Modbus_Read><row Slave_ID=\"1\" Index_Topic=\"2\" /></Modbus_Read>"
                 "<Modbus_Write><row Slave_ID=\"2\" Enable=\"N\" OnChange=\"Y\" /></Modbus_Write>"
                 "</EtherNetIP_to_Modbus>");
    folder.write(QStringLiteral("ModbusTCPM_SetAccess.xml"),
                 "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read><row IP_Address=\"10.0.0.1\" Index_Topic=\"0\" />"
                 "</Modbus_Read><Modbus_Write><row IP_Address=\"10.0.0.2\" Swap=\"Y\" /></Modbus_Write>"
                 "</PROFINET_Master_to_Modbus_TCP_Master>");
    for (int pass = 0; pass < 2; ++pass) {
        show(serial);
        show(tcp);
        // Enable "Y", Swap and SwapWord "N", the Topic empty, the rest empty.
        EXPECT_EQ(serial.table(0).rowTexts(1),
                  (QStringList{"Y", "1", "", "", "", "", "", "", "", "N", "N", "", ""}));
        EXPECT_EQ(serial.table(1).rowTexts(1),
                  (QStringList{"N", "2", "", "", "", "", "Y", "N", "", "", "", "N", "N", ""}));
        EXPECT_EQ(tcp.table(0).rowTexts(1),
                  (QStringList{"Y", "10.0.0.1", "", "", "", "", "", "", "", "", "", "N", "N", "", ""}));
        EXPECT_EQ(tcp.table(1).rowTexts(1),
                  (QStringList{"Y", "10.0.0.2", "", "", "", "", "", "", "", "N", "", "", "", "Y", "N", ""}));
        EXPECT_EQ(serial.topicColumn(), 12);
        EXPECT_EQ(tcp.topicColumn(), 14);
        for (TModbusMasterForm* form : std::initializer_list<TModbusMasterForm*>{&serial, &tcp}) {
            EXPECT_TRUE(form->ECG_Modbus_Read->IsHiddenColumn(form->topicColumn()));
            EXPECT_EQ(form->ECG_Modbus_Read->NumHiddenColumns(), 1);
            EXPECT_EQ(form->ECG_Modbus_Write->NumHiddenColumns(), 0);
            EXPECT_EQ(form->ECG_Modbus_Read->RowCount(), 513);
            EXPECT_EQ(form->ECG_Modbus_Write->RowCount(), 513);
            EXPECT_EQ(form->activeTable(), TModbusMasterForm::Read);
            // What another showing may leave behind.
            form->ECG_Modbus_Read->UnHideColumn(form->topicColumn());
            form->setActiveTable(TModbusMasterForm::Write);
            form->close();
        }
    }
    show(serial);
    show(tcp);
    // Disabled, the incomplete rules are saved without a check.
    serial.table(0).setCellText(1, 1, QStringLiteral("N"));
    tcp.table(0).setCellText(1, 1, QStringLiteral("N"));
    tcp.table(1).setCellText(1, 1, QStringLiteral("N"));
    serial.Btn_OKClick();
    tcp.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    // The serial master saves no index while the column is hidden, the TCP
    // master the index of the (empty) topic: -1.
    EXPECT_TRUE(readFile(modbusPath()).contains("<row Enable=\"N\" Slave_ID=\"1\" Type=\"\" Address=\"\" NPoint=\"\" "
                                                "PollTime=\"\" MaxError=\"\" Position=\"\" Bit=\"\" Swap=\"N\" "
                                                "SwapWord=\"N\" Index_Topic=\"\" Mnemonic=\"\" />"))
        << readFile(modbusPath()).toStdString();
    EXPECT_TRUE(readFile(modbusTcpPath()).contains("SwapWord=\"N\" Index_Topic=\"-1\" Mnemonic=\"\" />"))
        << readFile(modbusTcpPath()).toStdString();
}

TEST_F(ModbusFormTest, HeaderHintsFollowTheRealColumnBehindTheHiddenTopic)
{
    show(serial);
    show(tcp);
    struct Case {
        TModbusMasterForm* form;
        int table;
        int shownColumn;
        int textId;
    };
    const Case cases[] = {
        {&serial, 0, 1, 1743}, {&serial, 0, 11, 1792}, {&serial, 0, 12, 1754}, {&serial, 1, 7, 1761},
        {&serial, 1, 14, 1767}, {&tcp, 0, 2, 1870},    {&tcp, 0, 13, 1902},    {&tcp, 0, 14, 1882},
        {&tcp, 1, 3, 1885},     {&tcp, 1, 16, 1897},
    };
    for (const Case& c : cases) {
        grid::TExStringGrid& g = c.form->table(c.table).grid();
        QString hint;
        g.OnGridHint(&g, 0, c.shownColumn, hint);
        EXPECT_EQ(hint, app::langText(c.textId)) << c.textId;
    }
    EXPECT_EQ(app::langText(1754), QStringLiteral("Insert the Description of Modbus Rule"));
    EXPECT_EQ(app::langText(1882), QStringLiteral("Insert the Description of Modbus Rule"));
}

TEST_F(ModbusFormTest, TextsOfEachBlock)
{
    EXPECT_EQ(serial.windowTitle(), QStringLiteral("Set Modbus Access"));
    EXPECT_EQ(tcp.windowTitle(), QStringLiteral("Set Modbus TCP Master Access"));
    EXPECT_EQ(serial.title.L_SW_Desc->text(), QStringLiteral("Set Modbus Access"));
    EXPECT_EQ(tcp.title.L_SW_Code->text(), QStringLiteral("CQ41T17"));
    EXPECT_EQ(serial.PageControl1->tabText(1), QStringLiteral("Modbus Write"));
    EXPECT_EQ(tcp.PageControl1->tabText(0), QStringLiteral("Modbus Read"));
    EXPECT_EQ(serial.Btn_DelRow->Caption(), QStringLiteral("Delete Row"));
    EXPECT_EQ(serial.Btn_OK->toolTip(), QStringLiteral("Confirm and save the Modbus Master Set Access List"));
    EXPECT_EQ(tcp.Btn_PasteRow->toolTip(), QStringLiteral("Paste the Copied Fields in the Selected Row"));

    const QStringList serialRead = {"N", "Enable", "Slave ID", "Type", "Address", "NPoint", "Poll Time",
                                    "Max Error", "Position", "Start Bit", "Swap", "SwapWord", "Topic", "Mnemonic"};
    const QStringList tcpWrite = {"N",         "Enable",   "Slave IP Address", "Port",     "Slave ID",
                                  "Type",      "Address",  "NPoint",           "Poll Time", "On Change",
                                  "On CMD",    "Max Error", "Position",        "Start Bit", "Swap",
                                  "Swap Word", "Mnemonic"};
    ASSERT_EQ(serial.ECG_Modbus_Read->ColCount() + serial.ECG_Modbus_Read->NumHiddenColumns(), serialRead.size());
    ASSERT_EQ(tcp.ECG_Modbus_Write->ColCount(), tcpWrite.size());
    for (int c = 0; c < serialRead.size(); ++c)
        EXPECT_EQ(serial.ECG_Modbus_Read->Columns()[c]->Header(), serialRead[c]) << c;
    for (int c = 0; c < tcpWrite.size(); ++c)
        EXPECT_EQ(tcp.ECG_Modbus_Write->Columns()[c]->Header(), tcpWrite[c]) << c;
    EXPECT_EQ(serial.ECG_Modbus_Read->Columns()[3]->ComboItems,
              (QStringList{"Coil Status", "Input Status", "Holding Register", "Input Register"}));
    EXPECT_EQ(tcp.ECG_Modbus_Write->Columns()[5]->ComboItems, (QStringList{"Coil Status", "Holding Register"}));
    const QStringList& positions = serial.ECG_Modbus_Write->Columns()[10]->ComboItems;
    ASSERT_EQ(positions.size(), 1500);
    EXPECT_EQ(positions.first(), QStringLiteral("0"));
    EXPECT_EQ(positions.last(), QStringLiteral("1499"));
    EXPECT_EQ(tcp.ECG_Modbus_Read->Columns()[11]->ComboItems.size(), 8);
    EXPECT_EQ(tcp.ECG_Modbus_Read->Columns()[12]->Editor(), grid::edDataCheckBox);

    // The TCP block has no texts for Copy Row and Paste Row: they keep
    // their captions in every language.
    app::textTable().Lang_Texts[1706] = QStringLiteral("Copia Riga");
    app::textTable().Lang_Texts[1806] = QStringLiteral("Lettura Modbus");
    app::textTable().Lang_Texts[1807] = QStringLiteral("Scrittura Modbus");
    app::textTable().Lang_Texts[1810] = QStringLiteral("Indirizzo IP");
    serial.Set_Lang();
    tcp.Set_Lang();
    EXPECT_EQ(serial.Btn_CopyRow->Caption(), QStringLiteral("Copia Riga"));
    EXPECT_EQ(tcp.PageControl1->tabText(0), QStringLiteral("Lettura Modbus"));
    EXPECT_EQ(tcp.ECG_Modbus_Read->Columns()[2]->Header(), QStringLiteral("Indirizzo IP"));
    EXPECT_EQ(tcp.Btn_CopyRow->Caption(), QStringLiteral("Copy Row"));
    EXPECT_EQ(tcp.Btn_PasteRow->Caption(), QStringLiteral("Paste Row"));
}

TEST_F(ModbusFormTest, DeleteAsksWithTheRowNumberAndInsertEnablesTheNewRow)
{
    folder.write(QStringLiteral("ModbusTCPM_SetAccess.xml"),
                 "<r><Modbus_Read /><Modbus_Write><row IP_Address=\"1.1.1.1\" /><row IP_Address=\"2.2.2.2\" "
                 "Enable=\"N\" /></Modbus_Write></r>");
    show(tcp);
    tcp.setActiveTable(TModbusMasterForm::Write);
    tcp.ECG_Modbus_Write->FocusCell(2, 1);
    tcp.Btn_DelRowClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Are you sure to delete the Row number 1"));
    EXPECT_EQ(tcp.table(1).cellText(2, 1), QStringLiteral("1.1.1.1")) << "No keeps the row";
    dialogs.answer(platform::MessageResult::Yes);
    tcp.Btn_DelRowClick();
    EXPECT_EQ(tcp.table(1).cellText(2, 1), QStringLiteral("2.2.2.2"));
    tcp.Btn_InsRowClick();
    EXPECT_EQ(tcp.table(1).rowTexts(1).first(), QStringLiteral("Y"));
    EXPECT_TRUE(tcp.table(1).keyEmpty(1));
    EXPECT_EQ(tcp.table(1).rowTexts(2).first(), QStringLiteral("N"));
    EXPECT_TRUE(tcp.table(0).keyEmpty(1)) << "the read table is untouched";

    show(serial);
    serial.Btn_DelRowClick();
    EXPECT_EQ(dialogs.shown().back().text, QStringLiteral("Are you sure to delete the Row number 1"));
}

}  // namespace modbus_master_form_tests

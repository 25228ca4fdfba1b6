// The S7 client editor: what a showing loads (Rack and Slot "0" when
// missing, no hidden column), its texts and drop-down lists, the delete
// question under its own id of the block, and the connection limit through
// the form.

#include <QTabWidget>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/ethernet_editor_fixture.h"
#include "editors/ethernet/s7/s7_protocol_form.h"

namespace s7_protocol_form_tests {

using ethernet_editor_testing::EthernetEditorTest;
using ethernet_editor_testing::readFile;
using ethernet_editors::TFS7_Protocol_Set_Access;

class S7FormTest : public EthernetEditorTest {
protected:
    TFS7_Protocol_Set_Access form;
};

TEST_F(S7FormTest, MissingRackAndSlotShowZero)
{
    folder.write(QStringLiteral("S7_Protocol.xml"),
                 "<S7_Protocol><S7_Protocol_Read><row PLC_Address=\"10.0.0.1\" Swap=\"Y\" /></S7_Protocol_Read>"
                 "<S7_Protocol_Write><row PLC_Address=\"10.0.0.2\" Enable=\"N\" Rack=\"3\" /></S7_Protocol_Write>"
                 "</S7_Protocol>");
    show(form);
    EXPECT_EQ(form.table(0).rowTexts(1), (QStringList{"Y", "10.0.0.1", "", "", "0", "0", "", "", "", "", "", "", "",
                                                      "", "", "Y", "", ""}));
    EXPECT_EQ(form.table(1).rowTexts(1), (QStringList{"N", "10.0.0.2", "", "", "3", "0", "", "", "", "", "", "", "",
                                                      "", "", "", "", "", "", ""}));
    EXPECT_EQ(form.ECG_S7_Read->NumHiddenColumns(), 0);
    EXPECT_EQ(form.ECG_S7_Read->ColCount(), 19);
    EXPECT_EQ(form.ECG_S7_Write->ColCount(), 21);
    EXPECT_EQ(form.ECG_S7_Write->RowCount(), 513);
    EXPECT_EQ(form.activeTable(), TFS7_Protocol_Set_Access::Read);
}

TEST_F(S7FormTest, TextsAndDropDownLists)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("S7comm Access"));
    EXPECT_EQ(form.PageControl1->tabText(0), QStringLiteral("S7comm Read"));
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("S7comm Write"));
    EXPECT_EQ(form.Btn_CopyRow->Caption(), QStringLiteral("Copy Row"));
    EXPECT_EQ(form.Btn_Cancel->toolTip(), QStringLiteral("Exit without save the S7comm Set Access List"));
    const QStringList write = {"N",         "Enable",    "PLC Address", "PLC Port", "PLC Type", "Rack",
                               "Slot",      "Data Type", "Data Identifier", "DB Number", "PLC Area", "PLC Add",
                               "PLC Bit",   "Poll Time", "On Change",  "On CMD",   "Position", "Start Bit",
                               "Swap",      "Swap Word", "Mnemonic"};
    for (int c = 0; c < write.size(); ++c)
        EXPECT_EQ(form.ECG_S7_Write->Columns()[c]->Header(), write[c]) << c;
    EXPECT_EQ(form.ECG_S7_Read->Columns()[18]->Header(), QStringLiteral("Mnemonic"));
    EXPECT_EQ(form.ECG_S7_Read->Columns()[4]->ComboItems,
              (QStringList{"Logo0BA8", "S7200", "S7300", "S7400", "S71200", "S71500"}));
    EXPECT_EQ(form.ECG_S7_Read->Columns()[7]->ComboItems,
              (QStringList{"Bit", "Byte", "Char", "Word", "Int", "DWord", "DInt", "Real"}));
    EXPECT_EQ(form.ECG_S7_Write->Columns()[8]->ComboItems, (QStringList{"OB", "DB", "SDB", "FC", "SFC", "FB", "SFB"}));
    EXPECT_EQ(form.ECG_S7_Write->Columns()[10]->ComboItems,
              (QStringList{"Direct peripheral access (P)", "Inputs (I)", "Output (Q)", "Flags (M) (Merker)"}));
    EXPECT_EQ(form.ECG_S7_Write->Columns()[12]->ComboItems.size(), 8);
    EXPECT_EQ(form.ECG_S7_Write->Columns()[16]->ComboItems.size(), 1500);
    EXPECT_EQ(form.ECG_S7_Write->Columns()[15]->Editor(), grid::edDataCheckBox);

    // Header hints of both tables, by real column.
    const std::tuple<int, int, int> hints[] = {{0, 5, 5217}, {0, 18, 5155}, {1, 6, 5220}, {1, 14, 5163}, {1, 20, 5169}};
    for (const auto& [table, column, id] : hints) {
        grid::TExStringGrid& g = form.table(table).grid();
        QString hint;
        g.OnGridHint(&g, 0, column, hint);
        EXPECT_EQ(hint, app::langText(id)) << id;
    }
    EXPECT_EQ(app::langText(5220), QStringLiteral("Insert the Slot number (0..31)"));

    app::textTable().Lang_Texts[5213] = QStringLiteral("Baugruppenträger");
    form.Set_Lang();
    EXPECT_EQ(form.ECG_S7_Read->Columns()[5]->Header(), QStringLiteral("Baugruppenträger"));
}

TEST_F(S7FormTest, TheDeleteQuestionHasItsOwnIdInTheBlock)
{
    show(form);
    form.table(1).setRowTexts(1, {"Y", "10.0.0.9"});
    form.setActiveTable(TFS7_Protocol_Set_Access::Write);
    form.ECG_S7_Write->FocusCell(2, 1);
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Are you sure to delete the Row number 1"));
    EXPECT_TRUE(form.table(1).keyEmpty(1));

    // A language file translates it like every text of the block.
    app::textTable().Lang_Texts[TFS7_Protocol_Set_Access::kDeleteQuestion] = QStringLiteral("Riga %d cancellare?");
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.shown().back().text, QStringLiteral("Riga 1 cancellare?"));
}

TEST_F(S7FormTest, AnEleventhConnectionInTheWriteTableIsRefused)
{
    show(form);
    const auto rule = [](int n) {
        return QStringList{"Y", QStringLiteral("192.168.0.%1").arg(n), "102", "S71200", "0", "1", "Int", "DB", "1",
                           "Inputs (I)", "0", "0", "100", "0", "0", "N", "N", ""};
    };
    for (int n = 1; n <= 5; ++n)
        form.table(0).setRowTexts(n, rule(n));
    for (int n = 1; n <= 6; ++n) {
        QStringList w = rule(10 + n);
        w.insert(13, QStringLiteral("N"));
        w.insert(13, QStringLiteral("N"));
        form.table(1).setRowTexts(n, w);
    }
    form.Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Error row 6!! [S7comm Write] Device support 10 connection"));
    EXPECT_EQ(form.activeTable(), TFS7_Protocol_Set_Access::Write);
    EXPECT_FALSE(QFile::exists(s7Path()));

    dialogs.reset();
    form.table(1).setCellText(2, 6, QStringLiteral("192.168.0.3"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_TRUE(QFile::exists(s7Path()));
}

}  // namespace s7_protocol_form_tests

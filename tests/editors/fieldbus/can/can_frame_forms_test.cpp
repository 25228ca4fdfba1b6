// The CAN frame editors on the frame: texts of their blocks (headers in
// row 0, header hints), the position choices rebuilt at every showing, a
// file loaded and written back, the checks through OK, the row buttons,
// and files the editors must not overwrite.

#include <QTest>
#include <QTimer>

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/can/can_frame_forms.h"

namespace can_frame_forms_tests {

using can_editors::TFReceiveCAN;
using can_editors::TFTransmitCAN;
using can_testing::readFile;

class CANFormsTest : public can_testing::CANEditorTest {
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

TEST_F(CANFormsTest, TextsOfTheReceiveBlockWithHeadersInRowZero)
{
    TFReceiveCAN form;
    grid::TExColumnGrid& g = *form.ECG_CAN_Receive;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Receive CAN Frames Set Access"));
    EXPECT_EQ(form.title.L_SW_Desc->text(), QStringLiteral("Receive CAN Frames Set Access"));
    EXPECT_EQ(form.Btn_DelRow->Caption(), QStringLiteral("Delete Row"));
    EXPECT_EQ(form.Btn_OK->toolTip(), QStringLiteral("Confirm and save the Receive CAN Frames List"));
    EXPECT_EQ(form.Btn_DelRow->toolTip(), QStringLiteral("Delete the selected Row in the table"));
    EXPECT_EQ(g.RowCount(), 513);
    EXPECT_EQ(headers(g), (QStringList{"N", "Enable", "CobID", "Type", "Dimension", "TimeOut", "Byte1", "Byte2",
                                       "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8", "Mnemonic"}));
    // Column c shows text 2428 + c: the TimeOut column the text after the
    // Dimension's, the Mnemonic column the one of byte 8.
    EXPECT_EQ(hint(g, 1), QStringLiteral("Enable or Disable the Rule for CAN Receive"));
    EXPECT_EQ(hint(g, 4), QStringLiteral("Insert the Dimension in Byte of CAN Frame (from 1 to 8)"));
    EXPECT_EQ(hint(g, 5), QStringLiteral("Enable or Disable the possibility to cancel che byte after the Timeout"));
    EXPECT_EQ(hint(g, 6), QStringLiteral("Insert the TimeOut in milliseconds of data for each CAN frames, insert 0 do "
                                         "disable the function"));
    EXPECT_EQ(hint(g, 14), QStringLiteral("Insert the position of array where put the byte 8 of CAN frame"));

    app::textTable().Lang_Texts[2413] = QStringLiteral("Zeitlimit");
    form.Set_Lang();
    EXPECT_EQ(g.GetCellEx(5, 0), QStringLiteral("Zeitlimit"));
}

TEST_F(CANFormsTest, TextsOfTheTransmitBlockWithHeadersInRowZero)
{
    TFTransmitCAN form;
    grid::TExColumnGrid& g = *form.ECG_CAN_Transmit;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Transmit CAN Frames Set Access"));
    EXPECT_EQ(form.Btn_Cancel->toolTip(), QStringLiteral("Exit without save the Transmit CAN Frames List"));
    EXPECT_EQ(form.Btn_PasteRow->toolTip(), QStringLiteral("Paste the Copied Fields in the Selected Row"));
    EXPECT_EQ(headers(g),
              (QStringList{"N", "Enable", "CobID", "Type", "Dimension", "OnChange", "OnCMD", "OnTimer", "Time", "Byte1",
                           "Byte2", "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8", "Mnemonic"}));
    EXPECT_EQ(hint(g, 6), QStringLiteral("Enable or Disable the possibility to send the CAN Frame by Command"));
    EXPECT_EQ(hint(g, 7), QStringLiteral("Enable or Disable the possibility to send the CAN Frame on Timer"));
    EXPECT_EQ(hint(g, 9), QStringLiteral("Insert the position of array to place in byte 1 of CAN frame"));
    EXPECT_EQ(hint(g, 17), QStringLiteral("Insert a description of the CAN Frame"));
    for (int c : {1, 5, 6, 7})
        EXPECT_EQ(g.Columns()[c]->Editor(), grid::edDataCheckBox) << c;
    EXPECT_EQ(g.Columns()[3]->ComboItems, (QStringList{"2.0A (11 bits)", "2.0B (29 bits)"}));
}

TEST_F(CANFormsTest, EveryShowingRebuildsThePositionChoicesOfTheEightByteColumns)
{
    TFReceiveCAN receive;
    TFTransmitCAN transmit;
    receive.ECG_CAN_Receive->Columns()[6]->ComboItems = QStringList{"stale"};
    receive.MAX_Byte = 5;
    show(receive);
    show(transmit);
    EXPECT_EQ(receive.MAX_Byte, 2000);
    EXPECT_EQ(transmit.MAX_Byte, 2500);
    struct Expect {
        grid::TExColumnGrid* grid;
        int first;
        int count;
        const char* last;
    };
    for (const Expect& e : {Expect{receive.ECG_CAN_Receive, 6, 2001, "1999"},
                            Expect{transmit.ECG_CAN_Transmit, 9, 2501, "2499"}}) {
        for (int c = e.first; c < e.first + 8; ++c) {
            const QStringList& items = e.grid->Columns()[c]->ComboItems;
            ASSERT_EQ(items.size(), e.count) << c;
            EXPECT_EQ(items.mid(0, 3), (QStringList{"None", "0", "1"})) << c;
            EXPECT_EQ(items.last(), QString::fromLatin1(e.last)) << c;
            EXPECT_EQ(e.grid->Columns()[c]->Editor(), grid::edComboList) << c;
        }
        // The drop-down of a Byte cell offers that list.
        grid::TEditorType editor = grid::edNormal;
        e.grid->GetCellEditor(e.first + 3, 7, editor);
        EXPECT_EQ(editor, grid::edComboList);
        EXPECT_EQ(e.grid->ComboItems().size(), e.count);
        EXPECT_EQ(e.grid->ComboItems().last(), QString::fromLatin1(e.last));
    }
}

TEST_F(CANFormsTest, AShowingResetsLoadsAndOkWritesTheFileBack)
{
    const QByteArray original =
        "<Transmit_Frames>\n"
        "\t<row Enable=\"Y\" COBID=\"0x181\" CAN_Type=\"2.0A (11 bits)\" Dim=\"2\" OnChange=\"Y\" OnCMD=\"N\" "
        "OnTimer=\"Y\" Time=\"1000\" Byte1=\"0\" Byte2=\"None\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" "
        "Byte8=\"\" Mnemonic=\"Motor\" />\n"
        "\t<row Enable=\"N\" COBID=\"x\" CAN_Type=\"\" Dim=\"\" OnChange=\"\" OnCMD=\"\" OnTimer=\"\" Time=\"\" "
        "Byte1=\"\" Byte2=\"\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"\" />\n"
        "</Transmit_Frames>\n"
        "<!--SW_VERSION = 1.001-->\n";
    write(state().CAN_Send_Frames_Path, original);
    TFTransmitCAN form;
    // What an earlier showing left behind.
    form.table(0).setRowTexts(5, {"N", "7", "", "1"});
    show(form);
    EXPECT_EQ(form.table(0).rowTexts(1), (QStringList{"Y", "0x181", "2.0A (11 bits)", "2", "Y", "N", "Y", "1000", "0",
                                                      "None", "", "", "", "", "", "", "Motor"}));
    EXPECT_EQ(form.table(0).rowTexts(2).mid(0, 3), (QStringList{"N", "x", ""}));
    for (int r : {3, 5, 512}) {
        EXPECT_EQ(form.ECG_CAN_Transmit->GetCellEx(0, r), QString::number(r));
        EXPECT_EQ(form.table(0).rowTexts(r), QStringList{"Y"} + QStringList(16)) << r;
    }
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(state().CAN_Send_Frames_Path), original);

    // An empty CobID in row 1 ends the list there.
    show(form);
    form.table(0).setCellText(2, 1, QStringLiteral("  "));
    dialogs.answer(platform::MessageResult::Yes);  // row 2 holds data that will not be saved
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(state().CAN_Send_Frames_Path),
              QByteArray("<Transmit_Frames />\n<!--SW_VERSION = 1.001-->\n"));
}

TEST_F(CANFormsTest, OkShowsTheFirstFailureAndWritesNothing)
{
    struct Case {
        int column;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {2, "2048", "Error row 2!! CobID must be between 0 and 2047"},
        {3, "2.0B (29 bits)", ""},
        {6, "2000", "Error row 2!! Byte1 must be between 0 and 1999 or None"},
        {7, "none", "Error row 2!! Byte2 must be between 0 and 1999 or None"},
        {8, "none", ""},
        {5, "", "Error row 2!! TimeOut must be between 0 and 100000000 milliseconds"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TFReceiveCAN form;
        show(form);
        dialogs.reset();
        for (int r : {1, 2})
            form.table(0).setRowTexts(r, {"Y", "2047", "2.0A (11 bits)", "2", "0", "0", "1"});
        form.table(0).setCellText(c.column, 2, QString::fromLatin1(c.text));
        QFile::remove(state().CAN_Rec_Frames_Path);
        form.Btn_OKClick();
        if (*c.message == 0) {
            EXPECT_TRUE(dialogs.shown().empty());
            EXPECT_FALSE(form.isVisible());
            continue;
        }
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.ECG_CAN_Receive->Row(), 2);
        EXPECT_FALSE(QFile::exists(state().CAN_Rec_Frames_Path));
    }
}

TEST_F(CANFormsTest, RowButtons)
{
    write(state().CAN_Rec_Frames_Path, "<Receive_Frames><row COBID=\"1\" /><row COBID=\"2\" /><row COBID=\"3\" />"
                                       "</Receive_Frames>");
    TFReceiveCAN form;
    show(form);
    form.ECG_CAN_Receive->FocusCell(2, 2);
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 2"});
    EXPECT_EQ(form.table(0).cellText(2, 2), QStringLiteral("3"));
    // An inserted row is enabled and empty.
    form.table(0).setCellText(1, 2, QStringLiteral("N"));
    form.Btn_InsRowClick();
    EXPECT_EQ(form.table(0).rowTexts(2), QStringList{"Y"} + QStringList(13));
    EXPECT_EQ(form.table(0).rowTexts(3).mid(0, 2), (QStringList{"N", "3"}));
    // Paste needs a copy from this grid in this showing.
    dialogs.reset();
    form.Btn_PasteRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error!!! Copy a valid row before Paste it"});
    form.ECG_CAN_Receive->FocusCell(2, 1);
    form.Btn_CopyRowClick();
    form.ECG_CAN_Receive->FocusCell(2, 2);
    form.Btn_PasteRowClick();
    EXPECT_EQ(form.table(0).rowTexts(2), form.table(0).rowTexts(1));
}

TEST_F(CANFormsTest, AFileThatCannotBeParsedIsNeverOverwrittenAndSurplusRowsAreReported)
{
    const QByteArray broken = "<Receive_Frames>\n\t<row Enable=\"Y\" COBID=\"1\" \n";
    write(state().CAN_Rec_Frames_Path, broken);
    TFReceiveCAN form;
    bool opened = false;
    QTimer::singleShot(0, &form, [&] {
        opened = form.isVisible();
        form.Btn_OKClick();
    });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.texts()[0].contains(state().CAN_Rec_Frames_Path + QStringLiteral(" cannot be read: ")));
    // Shown by a plain show(), OK writes nothing either.
    dialogs.reset();
    show(form);
    form.Btn_OKClick();
    EXPECT_EQ(readFile(state().CAN_Rec_Frames_Path), broken);

    QByteArray xml = "<Receive_Frames>";
    for (int i = 1; i <= 515; ++i)
        xml += "<row COBID=\"" + QByteArray::number(i) + "\" />";
    xml += "</Receive_Frames>";
    write(state().CAN_Rec_Frames_Path, xml);
    dialogs.reset();
    show(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("The file ") + state().CAN_Rec_Frames_Path
                                           + QStringLiteral(" holds 3 rows more than the table \"Receive CAN Frames "
                                                            "Set Access\" can show: they are not shown, and OK would "
                                                            "remove them from the file.")});
    EXPECT_EQ(form.table(0).cellText(2, 512), QStringLiteral("512"));
}

}  // namespace can_frame_forms_tests

// The J1939 receive and transmit editors: their files through the tables
// and back (the older transmit file too), the list ending at the first PGN
// without any text, the checks with their texts (the totals without a
// row), editing by keys and clicks with the column grid switching editing
// on per cell, the row buttons and the texts of their blocks.

#include <QTest>

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/fieldbus_project_fixture.h"
#include "editors/fieldbus/j1939/j1939_receive_form.h"
#include "editors/fieldbus/j1939/j1939_transmit_form.h"
#include "support/rule_form_user.h"

namespace j1939_forms_tests {

using fieldbus_project_testing::FieldbusEditorTest;
using j1939::TFReceiveJ1939;
using j1939::TFTransmitJ1939;
using platform::MessageKind;

class J1939EditorTest : public FieldbusEditorTest {
protected:
    QString messages() const { return dialogs.texts().join(u'\n'); }
};

TEST_F(J1939EditorTest, TheReceiveFileFillsTheTableAndOkWritesItBackUnchanged)
{
    const QByteArray original = writeFixture("J1939_Rec_Frames.xml", QStringLiteral("j1939/J1939_Rec_Frames.xml"));
    TFReceiveJ1939 form;
    show(form);
    EXPECT_EQ(form.table(0).rowTexts(2), (QStringList{"1", "0xFECA", "3", "Y", "10", "100", "N", "Y", "5000",
                                                      "Diagnostics & lamps"}));
    EXPECT_TRUE(form.table(0).keyEmpty(4));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(bytes("J1939_Rec_Frames.xml"), original);
}

TEST_F(J1939EditorTest, AReceiveRowWithoutItsCheckBoxesOrRequestTimeReadsTheirDefaults)
{
    write("J1939_Rec_Frames.xml", "<Receive_J1939><row DP=\"0\" PGN=\"1\" SA=\"2\" /></Receive_J1939>");
    TFReceiveJ1939 form;
    show(form);
    EXPECT_EQ(form.table(0).rowTexts(1), (QStringList{"0", "1", "2", "N", "", "", "N", "N", "1000", ""}));
}

TEST_F(J1939EditorTest, TheTransmitFileInBothFormsIsWrittenInTheNewerOne)
{
    const QByteArray original = writeFixture("J1939_Send_Frames.xml", QStringLiteral("j1939/J1939_Send_Frames.xml"));
    TFTransmitJ1939 form;
    show(form);
    EXPECT_EQ(form.table(0).rowTexts(2),
              (QStringList{"3", "1", "0x1FFFF", "255", "0", "Y", "N", "N", "", "Requested \"only\""}));
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible()) << messages().toStdString();
    EXPECT_EQ(bytes("J1939_Send_Frames.xml"), original);

    // The older form: T_Type names the sending mode (in any case); a row
    // without a size sends a whole frame.
    writeFixture("J1939_Send_Frames.xml", QStringLiteral("j1939/J1939_Send_Frames_old.xml"));
    show(form);
    EXPECT_EQ(form.table(0).rowTexts(1), (QStringList{"6", "0", "65265", "128", "4", "N", "N", "Y", "100", "timer"}));
    EXPECT_EQ(form.table(0).rowTexts(2),
              (QStringList{"6", "0", "65266", "128", "8", "N", "Y", "N", "", "change, no size"}));
    EXPECT_EQ(form.table(0).rowTexts(3),
              (QStringList{"6", "0", "65267", "128", "8", "N", "N", "N", "", "empty size, another mode"}));
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible()) << messages().toStdString();
    EXPECT_EQ(bytes("J1939_Send_Frames.xml"),
              "<Transmit_J1939>\n"
              "\t<row Priority=\"6\" DP=\"0\" PGN=\"65265\" SA=\"128\" TP_NByte=\"4\" On_Request=\"N\" "
              "On_Data_Change=\"N\" On_Timer=\"Y\" SendTimer=\"100\" Mnemonic=\"timer\" />\n"
              "\t<row Priority=\"6\" DP=\"0\" PGN=\"65266\" SA=\"128\" TP_NByte=\"8\" On_Request=\"N\" "
              "On_Data_Change=\"Y\" On_Timer=\"N\" SendTimer=\"\" Mnemonic=\"change, no size\" />\n"
              "\t<row Priority=\"6\" DP=\"0\" PGN=\"65267\" SA=\"128\" TP_NByte=\"8\" On_Request=\"N\" "
              "On_Data_Change=\"N\" On_Timer=\"N\" SendTimer=\"\" Mnemonic=\"empty size, another mode\" />\n"
              "</Transmit_J1939>\n"
              "<!--SW_VERSION = 1.000-->\n");
}

// The list ends at the first PGN cell without any text; one of blanks is a
// rule, which fails its PGN check. The totals name no row.
TEST_F(J1939EditorTest, ChecksOfBothEditorsThroughTheForms)
{
    TFReceiveJ1939 receive;
    TFTransmitJ1939 transmit;
    struct Case {
        rule_editor::TRuleEditorForm* form;
        std::vector<QStringList> rows;
        const char* message;
        int cursorRow;
    };
    std::vector<QStringList> wholeFrames(181, QStringList{"0", "61444", "0", "N", "", "", "N", "N", "", ""});
    std::vector<QStringList> sixteenBytes(33, QStringList{"6", "0", "1", "1", "16", "N", "N", "N", "", ""});
    const Case cases[] = {
        {&receive, {{"", "61444", "0"}}, "Error in row 1!! Data Page must be 0 or 1", 1},
        {&receive, {{"0", "61444", "0"}, {"0", " ", "0"}}, "Error in row 2!! PGN must be between 0x0000 and 0xFFFF", 2},
        {&receive, {{"0", "1", "0", "N", "", "", "N", "Y", "1"}},
         "Error in row 1!! Time(ms) must be between 2 and 10000000", 1},
        {&receive, {{"0", "1", "0", "N", "3", ""}}, "Error in row 1!! Start Byte and Number Bytes must be both compiled",
         1},
        {&receive, wholeFrames, "Error!! Too many bytes of data, the max number is 1440", 1},
        {&transmit, {{"8", "0", "1", "1", "8"}}, "Error in row 1!! Priority must be between 0 and 7", 1},
        {&transmit, {{"1", "0", "1", "1", "513"}}, "Error in row 1!! Num Byte must be between 0 and 512", 1},
        {&transmit, {{"1", "0", " ", "1", "8"}}, "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF", 1},
        {&transmit, sixteenBytes, "Error!! Too many bytes of data, the max number is 512", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        dialogs.reset();
        show(*c.form);
        for (size_t r = 0; r < c.rows.size(); ++r)
            c.form->table(0).setRowTexts(int(r) + 1, c.rows[r]);
        c.form->Btn_OKClick();
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(c.message)});
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
        EXPECT_TRUE(c.form->isVisible());
        EXPECT_EQ(c.form->table(0).grid().Row(), c.cursorRow);
        c.form->close();
    }
    EXPECT_FALSE(QFile::exists(path("J1939_Rec_Frames.xml")));
    EXPECT_FALSE(QFile::exists(path("J1939_Send_Frames.xml")));

    // An empty PGN in row 1: the file holds the root and the comment only.
    show(receive);
    receive.table(0).setRowTexts(2, {"", "", "", "", "", "", "", "", "", "after the end"});
    dialogs.answer(platform::MessageResult::Yes);
    receive.Btn_OKClick();
    EXPECT_EQ(bytes("J1939_Rec_Frames.xml"), "<Receive_J1939 />\n<!--SW_VERSION = 1.000-->\n");
}

// The grid leaves in-place editing off until the cursor enters a cell of an
// editable column; there the column grid switches it on, and off again in
// a cell that may not be edited.
TEST_F(J1939EditorTest, EditingIsSwitchedOnPerCellByTheColumnGridAndRulesAreTypedAndClicked)
{
    TFReceiveJ1939 form;
    show(form);
    form.activateWindow();
    testing_support::RuleFormUser user(form);
    EXPECT_FALSE(form.sga->Options() & platform::goEditing);
    user.clickCell(TFReceiveJ1939::PGN, 1);
    EXPECT_TRUE(form.sga->Options() & platform::goEditing);
    user.type(QStringLiteral("61444"));
    user.key(Qt::Key_Return);
    user.choose(TFReceiveJ1939::DataPage, 1, 1);
    user.typeInto(TFReceiveJ1939::SourceAddress, 1, QStringLiteral("17"));
    user.clickCell(TFReceiveJ1939::TransportProtocol, 1);
    user.typeInto(TFReceiveJ1939::StartByte, 1, QStringLiteral("0"));
    user.typeInto(TFReceiveJ1939::NByte, 1, QStringLiteral("20"));
    // A cell locked on its own: editing goes off there, and on again after.
    form.sga->SetReadOnly(TFReceiveJ1939::Mnemonic, 2, true);
    user.clickCell(TFReceiveJ1939::Mnemonic, 2);
    EXPECT_FALSE(form.sga->Options() & platform::goEditing);
    user.clickCell(TFReceiveJ1939::Mnemonic, 3);
    EXPECT_TRUE(form.sga->Options() & platform::goEditing);
    EXPECT_EQ(form.table(0).rowTexts(1), (QStringList{"1", "61444", "17", "Y", "0", "20", "", "", "", ""}));

    user.press(form.Btn_OK);
    EXPECT_FALSE(form.isVisible()) << messages().toStdString();
    EXPECT_TRUE(bytes("J1939_Rec_Frames.xml").contains("<row DP=\"1\" PGN=\"61444\" SA=\"17\" TP=\"Y\" TP_Start=\"0\" "
                                                       "TP_NByte=\"20\" Delete=\"\" OnRequest=\"\" OnReq_Time=\"\" "
                                                       "Mnemonic=\"\" />"));
}

TEST_F(J1939EditorTest, DeleteAsksWithTheRowNumberAndInsertGivesAnEmptyRow)
{
    writeFixture("J1939_Send_Frames.xml", QStringLiteral("j1939/J1939_Send_Frames.xml"));
    TFTransmitJ1939 form;
    show(form);
    form.sga->FocusCell(3, 1);
    form.Btn_InsRowClick();
    EXPECT_EQ(form.table(0).rowTexts(1), QStringList(10, QString()));
    EXPECT_EQ(form.table(0).rowTexts(2)[9], QStringLiteral("Vehicle speed"));
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 1"});
    EXPECT_EQ(form.table(0).rowTexts(1)[9], QStringLiteral("Vehicle speed"));
}

TEST_F(J1939EditorTest, TextsOfBothBlocks)
{
    TFReceiveJ1939 receive;
    TFTransmitJ1939 transmit;
    EXPECT_EQ(receive.objectName(), QStringLiteral("FReceiveJ1939"));
    EXPECT_EQ(receive.windowTitle(), QStringLiteral("Receive J1939 Frames"));
    EXPECT_EQ(receive.Btn_Cancel->toolTip(), QStringLiteral("Exit without save the 1939 Receive Frames List"));
    EXPECT_EQ(transmit.windowTitle(), QStringLiteral("Transmit J1939 Frames"));
    EXPECT_EQ(transmit.title.L_SW_Desc->text(), QStringLiteral("Transmit J1939 Frames"));
    EXPECT_EQ(transmit.Btn_OK->toolTip(), QStringLiteral("Confirm and save the J1939 Transmit Frames List"));
    EXPECT_EQ(receive.sga->RowCount(), 513);
    EXPECT_EQ(transmit.sga->RowCount(), 513);
    const QStringList receiveHeaders = {"N", "Data Page", "PGN", "Source Address", "Transport Protocol", "Start Byte",
                                        "N Byte", "Cancel Data", "On Request", "Time(ms)", "Mnemonic"};
    const QStringList transmitHeaders = {"N", "Priority", "Data Page", "PGN", "Source Address", "N Bytes", "Request",
                                         "Data Change", "On Timer", "Send Timer", "Mnemonic"};
    for (int c = 0; c < 11; ++c) {
        EXPECT_EQ(receive.sga->Columns()[c]->Header(), receiveHeaders[c]);
        EXPECT_EQ(transmit.sga->Columns()[c]->Header(), transmitHeaders[c]);
    }
    EXPECT_EQ(receive.sga->Columns()[TFReceiveJ1939::DataPage]->ComboItems, (QStringList{"0", "1"}));
    EXPECT_EQ(receive.sga->Columns()[TFReceiveJ1939::CancelData]->Editor(), grid::edDataCheckBox);
    EXPECT_EQ(transmit.sga->Columns()[TFTransmitJ1939::OnTimer]->Editor(), grid::edDataCheckBox);
    QString hint;
    receive.sga->OnGridHint(receive.sga, 0, TFReceiveJ1939::TimeMs, hint);
    EXPECT_EQ(hint, QStringLiteral("Insert the Time Between Two Request for the J1939 Frame"));
    transmit.sga->OnGridHint(transmit.sga, 0, TFTransmitJ1939::Priority, hint);
    EXPECT_EQ(hint, QStringLiteral("Select the Priority of J1939 Frame, from 0 to 7"));

    app::textTable().Lang_Texts[3616] = QStringLiteral("Pagina Dati");
    transmit.Set_Lang();
    EXPECT_EQ(transmit.sga->Columns()[TFTransmitJ1939::DataPage]->Header(), QStringLiteral("Pagina Dati"));
}

}  // namespace j1939_forms_tests

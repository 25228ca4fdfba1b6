// The SNMP manager request editor: its file through the table and back, the
// checks through the form (a pair of rows named in one message, the empty
// OID), files that cannot be used or hold more rows than the table, the row
// buttons, and the texts of its block.

#include <QTest>
#include <QTimer>

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/snmp/snmp_manager_form.h"
#include "snmp_editor_fixture.h"

namespace snmp_manager_form_tests {

using platform::MessageKind;
using snmp::TFSNMPManagerAccess;
using snmp_testing::fixture;
using snmp_testing::readFile;
using snmp_testing::SNMPEditorTest;

class ManagerEditorTest : public SNMPEditorTest {
protected:
    QStringList row(int r) const { return form.table(0).rowTexts(r); }
    QString messages() const { return dialogs.texts().join(u'\n'); }

    TFSNMPManagerAccess form;
};

TEST_F(ManagerEditorTest, TheFileFillsTheTableAndOkWritesItBackUnchanged)
{
    const QByteArray original = readFile(fixture(QStringLiteral("SNMP_Manager.xml")));
    ASSERT_FALSE(original.isEmpty());
    writeManager(original);
    show(form);
    EXPECT_EQ(row(1), (QStringList{"Y", "192.168.1.10", "3", "Pumeld", "1.3.6.1.2.1.1.5.0", "String", "Get", "N", "N",
                                   "Y", "1000", "12", "16", "None", "Y", "operator7", "authPass1", "privPass22",
                                   "Auth Priv", "SHA", "AES", "Name of the agent"}));
    EXPECT_EQ(row(2)[3], QStringLiteral("plant & co"));
    EXPECT_TRUE(form.table(0).keyEmpty(3));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(managerPath()), original);
}

TEST_F(ManagerEditorTest, OkWritesTheRowsUpToTheFirstEmptyAddressWithTheVersionComment)
{
    show(form);
    form.table(0).setRowTexts(1, {"Y", "10.0.0.1", "1", "Vorstik", "1.3.6.1.2.1.1.3.0", "Int", "Get", "N", "N", "N",
                                  "", "0", "4", "None"});
    // After an empty address: neither checked nor written.
    form.table(0).setRowTexts(3, {"Y", "not an address"});
    dialogs.answer(platform::MessageResult::Yes);  // save although a row after the list holds data
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible()) << messages().toStdString();
    EXPECT_EQ(readFile(managerPath()),
              "<SNMP_Manager_Access>\n"
              "\t<row Enable=\"Y\" IP_Address=\"10.0.0.1\" Version=\"1\" Community_String=\"Vorstik\" "
              "OID=\"1.3.6.1.2.1.1.3.0\" Type=\"Int\" Mode=\"Get\" On_Change=\"N\" On_Command=\"N\" On_Timer=\"N\" "
              "Time=\"\" Position=\"0\" Number_Bytes=\"4\" ConvertFrom=\"None\" Cancel=\"\" User=\"\" "
              "Auth_Pass=\"\" Priv_Pass=\"\" Security_Level=\"\" Auth_Mode=\"\" Priv_Mode=\"\" Mnemonic=\"\" />\n"
              "</SNMP_Manager_Access>\n"
              "<!--SW_VERSION = 1.000-->\n");
}

TEST_F(ManagerEditorTest, ChecksShowTheRowOrBothRowsOfADuplicateAndWriteNothing)
{
    const QByteArray original = readFile(fixture(QStringLiteral("SNMP_Manager.xml")));
    writeManager(original);
    using Cells = std::vector<std::tuple<int, int, const char*>>;  // row, column, text
    struct Case {
        const char* name;
        Cells cells;
        const char* message;
    };
    const Case cases[] = {
        {"empty OID", {{1, TFSNMPManagerAccess::OID, ""}},
         "Error row 1!! OID string can contains only number and \".\""},
        {"bad priv pass", {{1, TFSNMPManagerAccess::PrivPass, "short"}},
         "Error row 1!! Priv Pass string must have at least 8 characters"},
        {"no security level", {{1, TFSNMPManagerAccess::SecurityLevel, ""}},
         "Error row 1!! Security Level must be selected"},
        {"row 2 enabled with row 1's request",
         {{1, TFSNMPManagerAccess::Version, "2"},
          {2, TFSNMPManagerAccess::Enable, "Y"},
          {2, TFSNMPManagerAccess::IPAddress, "192.168.1.10"},
          {2, TFSNMPManagerAccess::OID, "1.3.6.1.2.1.1.5.0"}},
         "Error in rows 1 and 2!! Same IP Address, Version and OID used"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        show(form);
        dialogs.reset();
        for (const auto& [r, column, text] : c.cells)
            form.table(0).setCellText(column, r, QString::fromUtf8(text));
        form.Btn_OKClick();
        ASSERT_EQ(dialogs.shown().size(), 1u) << messages().toStdString();
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
        EXPECT_EQ(dialogs.shown()[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(form.ECG_SNMP->Row(), 1);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(readFile(managerPath()), original);
        form.close();
    }
}

// A file that cannot be parsed is reported and the form does not open on
// empty tables, so that OK cannot write over it.
TEST_F(ManagerEditorTest, AFileThatCannotBeParsedIsReportedAndNeverOverwritten)
{
    const QByteArray damaged = "<SNMP_Manager_Access>\n\t<row Enable=\"Y\" IP_Address=\"10.0.0.1\" \n";
    writeManager(damaged);
    bool opened = false;
    QTimer::singleShot(0, &form, [&] {
        opened = form.isVisible();
        form.Btn_OKClick();
    });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Error!!! The file ") + managerPath()
                                                   + QStringLiteral(" cannot be read: ")))
        << messages().toStdString();
    EXPECT_EQ(readFile(managerPath()), damaged);
}

TEST_F(ManagerEditorTest, SurplusRowsAreReportedWhenTheEditorIsShown)
{
    QByteArray xml = "<SNMP_Manager_Access>";
    for (int i = 1; i <= 515; ++i)
        xml += "<row IP_Address=\"10.0.0." + QByteArray::number(i % 250) + "\" OID=\"1." + QByteArray::number(i)
               + "\" />";
    xml += "</SNMP_Manager_Access>";
    writeManager(xml);
    show(form);
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("The file ") + managerPath()
                  + QStringLiteral(" holds 3 rows more than the table \"Set SNMP Manager Access\" can show: they are "
                                   "not shown, and OK would remove them from the file."));
    EXPECT_EQ(form.table(0).cellText(TFSNMPManagerAccess::OID, 512), QStringLiteral("1.512"));
    EXPECT_EQ(form.table(0).savedRowCount(), 512);
}

TEST_F(ManagerEditorTest, RowButtonsAndAClickOnTheRowNumber)
{
    writeManager(readFile(fixture(QStringLiteral("SNMP_Manager.xml"))));
    show(form);
    form.ECG_SNMP->FocusCell(2, 1);
    form.Btn_InsRowClick();
    EXPECT_EQ(row(1), (QStringList{"Y", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                   "", ""}));
    EXPECT_EQ(row(2)[1], QStringLiteral("192.168.1.10"));

    form.ECG_SNMP->FocusCell(2, 3);
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Are you sure to delete the Row number 3"));
    EXPECT_TRUE(form.table(0).keyEmpty(3));

    // This editor selects no row on a click on its number.
    form.activateWindow();
    const platform::TRect cell = form.ECG_SNMP->CellRect(0, 2);
    QTest::mouseClick(form.ECG_SNMP->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
    QApplication::processEvents();
    EXPECT_FALSE(form.ECG_SNMP->RowSelect(2));
}

TEST_F(ManagerEditorTest, TextsOfTheBlock)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Set SNMP Manager Access"));
    EXPECT_EQ(form.title.L_SW_Desc->text(), QStringLiteral("Set SNMP Manager Access"));
    EXPECT_EQ(form.title.L_SW_Code->text(), QStringLiteral("CQ41T17"));
    EXPECT_EQ(form.Btn_OK->toolTip(),
              QStringLiteral("Confirm and Save the current configuration of SNMP Manager Request"));
    EXPECT_EQ(form.Btn_PasteRow->toolTip(), QStringLiteral("Paste the fields in the selected row"));
    const QStringList headers = {"N", "Enable", "IP Address", "Version", "Community Name", "OID", "Type", "Mode",
                                 "OnChange", "OnCMD", "OnTimer", "Time", "Position", "Num Bytes", "Conversion",
                                 "Cancel", "User", "Auth Pass", "Priv Pass", "Security Level", "Auth Mode",
                                 "Priv Mode", "Mnemonic"};
    ASSERT_EQ(form.ECG_SNMP->ColCount(), 23);
    EXPECT_EQ(form.ECG_SNMP->RowCount(), 513);
    for (int c = 0; c < headers.size(); ++c)
        EXPECT_EQ(form.ECG_SNMP->Columns()[c]->Header(), headers[c]) << c;
    const struct {
        int column;
        const char* hint;
    } hints[] = {{1, "Enable or Disable the Rule for the SNMP Manager"},
                 {14, "Enable the data conversion"},
                 {15, "Enable/Disable Cancel Data if no answer from Agent"},
                 {21, "Select the Privacy Mode (only if Security Level is set to \"Auth Priv\""},
                 {22, "Description of the SNMP Request"}};
    for (const auto& h : hints) {
        QString hint;
        form.ECG_SNMP->OnGridHint(form.ECG_SNMP, 0, h.column, hint);
        EXPECT_EQ(hint, QString::fromLatin1(h.hint)) << h.column;
    }
    const auto items = [this](int column) { return form.ECG_SNMP->Columns()[column]->ComboItems; };
    EXPECT_EQ(items(TFSNMPManagerAccess::Version), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(items(TFSNMPManagerAccess::CommunityName), (QStringList{"Pumeld", "Vorstik"}));
    EXPECT_EQ(form.ECG_SNMP->Columns()[TFSNMPManagerAccess::CommunityName]->Editor(), grid::edComboEdit);
    EXPECT_EQ(items(TFSNMPManagerAccess::Position).size(), 1440);
    EXPECT_EQ(items(TFSNMPManagerAccess::Position).last(), QStringLiteral("1439"));
    EXPECT_EQ(items(TFSNMPManagerAccess::Conversion),
              (QStringList{"None", "Float", "Float * 10", "Float * 100"}));
    EXPECT_EQ(items(TFSNMPManagerAccess::SecurityLevel), (QStringList{"NoAuth NoPriv", "Auth NoPriv", "Auth Priv"}));
    EXPECT_EQ(form.ECG_SNMP->Columns()[TFSNMPManagerAccess::OnTimer]->Editor(), grid::edDataCheckBox);

    app::textTable().Lang_Texts[4613] = QStringLiteral("Objekt-ID");
    app::textTable().Lang_Texts[4637] = QStringLiteral("Fehler Zeile ");
    form.Set_Lang();
    EXPECT_EQ(form.ECG_SNMP->Columns()[TFSNMPManagerAccess::OID]->Header(), QStringLiteral("Objekt-ID"));
    show(form);
    form.table(0).setRowTexts(1, {"Y", "1.2.3"});
    form.Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Fehler Zeile 1!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"));
}

}  // namespace snmp_manager_form_tests

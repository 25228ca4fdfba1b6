// The EtherNet/IP scanner editor on the rule editor frame: its file read
// with the defaults and written in its layout, its checks with their
// messages, the rows OK saves, Import EDS through the connection picker,
// and the faults of a damaged or overfull file.

#include <QTest>

#include "controls/button/lb_button.h"
#include "editors/ethernet/ethernet_ip/eds_picker_form.h"
#include "editors/ethernet/ethernet_ip/scanner_form.h"
#include "eip_editor_fixture.h"

namespace scanner_form_tests {

using eip_editor_testing::edsFixture;
using eip_editor_testing::EipEditorTest;
using ethercat_editor_testing::readFile;
using ethercat_editor_testing::whileShown;
using ethernet_ip::TFEtherNEtIP_EDS;
using ethernet_ip::TFEtherNetIP_Master_Access;
using platform::MessageKind;
using platform::MessageResult;

const QByteArray kTwoRules =
    "<EtherNetIP_Master_Access>\n"
    "\t<row Enable=\"Y\" IP_Address=\"192.168.1.10\" Start_Input=\"0\" Num_Input=\"16\" Start_Output=\"0\" "
    "Num_Output=\"8\" Time_Poll=\"100\" Instance_T_O=\"1\" Connection_Point_T_O=\"100\" Instance_O_T=\"1\" "
    "Connection_Point_O_T=\"101\" Dim_Header_T_O=\"0\" Dim_Header_O_T=\"4\" Mnemonic=\"Valve island &amp; drives\" />\n"
    "\t<row IP_Address=\"192.168.1.11\" Start_Input=\"16\" Num_Input=\"4\" Start_Output=\"8\" Num_Output=\"4\" "
    "Time_Poll=\"50\" Instance_T_O=\"2\" Connection_Point_T_O=\"110\" Instance_O_T=\"2\" Connection_Point_O_T=\"111\" />\n"
    "</EtherNetIP_Master_Access>\n"
    "<!--SW_VERSION = 1.000-->\n";

// The same rules as OK writes them: every attribute, the defaults filled in.
const QByteArray kTwoRulesWritten =
    "<EtherNetIP_Master_Access>\n"
    "\t<row Enable=\"Y\" IP_Address=\"192.168.1.10\" Start_Input=\"0\" Num_Input=\"16\" Start_Output=\"0\" "
    "Num_Output=\"8\" Time_Poll=\"100\" Instance_T_O=\"1\" Connection_Point_T_O=\"100\" Instance_O_T=\"1\" "
    "Connection_Point_O_T=\"101\" Dim_Header_T_O=\"0\" Dim_Header_O_T=\"4\" Mnemonic=\"Valve island &amp; drives\" />\n"
    "\t<row Enable=\"N\" IP_Address=\"192.168.1.11\" Start_Input=\"16\" Num_Input=\"4\" Start_Output=\"8\" "
    "Num_Output=\"4\" Time_Poll=\"50\" Instance_T_O=\"2\" Connection_Point_T_O=\"110\" Instance_O_T=\"2\" "
    "Connection_Point_O_T=\"111\" Dim_Header_T_O=\"Default\" Dim_Header_O_T=\"Default\" Mnemonic=\"\" />\n"
    "</EtherNetIP_Master_Access>\n"
    "<!--SW_VERSION = 1.000-->\n";

QStringList validRow(const char* address)
{
    return {"Y", QString::fromLatin1(address), "0", "16", "0", "8", "100", "1", "100", "1", "101", "Default", "Default",
            ""};
}

class ScannerEditorTest : public EipEditorTest {
protected:
    ScannerEditorTest() { form.setEdsPicker(&picker); }

    QStringList row(int r) const { return form.table(0).rowTexts(r); }
    void setRow(int r, const QStringList& texts) { form.table(0).setRowTexts(r, texts); }
    void okExpecting(const QString& message)
    {
        dialogs.reset();
        form.Btn_OKClick();
        EXPECT_EQ(dialogs.texts(), QStringList{message});
        EXPECT_TRUE(form.isVisible());
    }
    // Import EDS with `file` chosen; while the picker is open, `inPicker`
    // runs. True when the picker was shown.
    template <typename InPicker>
    bool importEds(const QString& file, InPicker inPicker)
    {
        dialogs.chooseFile(file);
        // Whatever happens, the picker does not stay open.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &picker, [this] { picker.reject(); });
        guard.start(5000);
        return whileShown(picker, [this] { form.Btn_Import_EDSClick(); }, inPicker);
    }

    TFEtherNEtIP_EDS picker;
    TFEtherNetIP_Master_Access form;
};

TEST_F(ScannerEditorTest, ReadsTheRulesWithTheirDefaultsAndWritesThemInTheFileLayout)
{
    writeRules(kTwoRules);
    show(form);
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(row(1), (QStringList{"Y", "192.168.1.10", "0", "16", "0", "8", "100", "1", "100", "1", "101", "0", "4",
                                   "Valve island & drives"}));
    EXPECT_EQ(row(2), (QStringList{"N", "192.168.1.11", "16", "4", "8", "4", "50", "2", "110", "2", "111", "Default",
                                   "Default", ""}));
    // The rows below are reset: Enable ticked, the rest empty.
    EXPECT_EQ(row(3), (QStringList{"Y", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(form.table(0).dataRows(), 10);
    EXPECT_EQ(form.ECG->GetCellEx(0, 10), QStringLiteral("10"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(rulesPath()), kTwoRulesWritten);
}

TEST_F(ScannerEditorTest, ChecksWithTheirMessages)
{
    show(form);
    setRow(1, validRow("10.0.0.1"));
    QStringList second = validRow("10.0.0.2");
    second[6] = QStringLiteral("0");
    setRow(2, second);
    okExpecting(QStringLiteral("Error row 2!! Poll Time must be between 1 and 100000000"));
    EXPECT_EQ(form.ECG->Row(), 2);

    // A row typed into a freshly reset row: its header formats are empty.
    second = validRow("10.0.0.2");
    second[11] = second[12] = QString();
    setRow(2, second);
    okExpecting(QStringLiteral("Error row 2!! Dimension Header T > O must be between 0 and 7. Default Value 0"));
    second[11] = QStringLiteral(" default ");
    setRow(2, second);
    okExpecting(QStringLiteral("Error row 2!! Dimension Header O > T must be between 0 and 7. Default Value 4"));
    second[12] = QStringLiteral("4");

    // Totals: ten enabled rows of 200 input bytes.
    for (int r = 1; r <= 10; ++r) {
        QStringList texts = validRow("10.0.0.9");
        texts[3] = QStringLiteral("200");
        setRow(r, texts);
    }
    okExpecting(QStringLiteral("Error!! The Total Number of Input Bytes must be between 0 and 1438"));
    EXPECT_TRUE(readFile(rulesPath()).isEmpty());
}

TEST_F(ScannerEditorTest, ADisabledRowWithWrongValuesIsSavedAsTyped)
{
    show(form);
    setRow(1, {"N", "not an address", "x", "", "", "", "0", "", "", "", "", "", "", "spare"});
    setRow(2, validRow("10.0.0.2"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_EQ(readFile(rulesPath()),
              QByteArray("<EtherNetIP_Master_Access>\n"
                         "\t<row Enable=\"N\" IP_Address=\"not an address\" Start_Input=\"x\" Num_Input=\"\" "
                         "Start_Output=\"\" Num_Output=\"\" Time_Poll=\"0\" Instance_T_O=\"\" Connection_Point_T_O=\"\" "
                         "Instance_O_T=\"\" Connection_Point_O_T=\"\" Dim_Header_T_O=\"\" Dim_Header_O_T=\"\" "
                         "Mnemonic=\"spare\" />\n"
                         "\t<row Enable=\"Y\" IP_Address=\"10.0.0.2\" Start_Input=\"0\" Num_Input=\"16\" "
                         "Start_Output=\"0\" Num_Output=\"8\" Time_Poll=\"100\" Instance_T_O=\"1\" "
                         "Connection_Point_T_O=\"100\" Instance_O_T=\"1\" Connection_Point_O_T=\"101\" "
                         "Dim_Header_T_O=\"Default\" Dim_Header_O_T=\"Default\" Mnemonic=\"\" />\n"
                         "</EtherNetIP_Master_Access>\n"
                         "<!--SW_VERSION = 1.000-->\n"));
}

// Rows after a disabled row without an IP Address are not saved: they are not
// checked either, and OK asks before it drops them.
TEST_F(ScannerEditorTest, RowsAfterAnEmptyAddressAreNeitherCheckedNorSilentlyDropped)
{
    show(form);
    setRow(1, validRow("10.0.0.1"));
    setRow(2, {"N", "", "", "", "", "", "", "", "", "", "", "", "", ""});
    QStringList third = validRow("10.0.0.3");
    third[6] = QStringLiteral("0");
    setRow(3, third);
    form.Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Confirmation);
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("The list of \"Set EtherNet/IP Slaves Access\" ends at "
                                                             "row 2, whose \"IP Address\" cell is empty: 1 rows")))
        << dialogs.texts()[0].toStdString();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(readFile(rulesPath()).isEmpty());

    dialogs.reset();
    dialogs.answer(MessageResult::Yes);
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible());
    const QByteArray written = readFile(rulesPath());
    EXPECT_EQ(written.count("<row "), 1);
    EXPECT_TRUE(written.contains("IP_Address=\"10.0.0.1\""));
}

TEST_F(ScannerEditorTest, AFileThatCannotBeParsedIsNeverOverwritten)
{
    const QByteArray damaged = "<EtherNetIP_Master_Access>\n\t<row Enable=\"Y\" IP_Address=\"10.0.0.1\" \n";
    writeRules(damaged);
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
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("Error!!! The file ") + rulesPath() + " cannot be read: "))
        << dialogs.texts()[0].toStdString();
    form.Btn_OKClick();
    EXPECT_EQ(readFile(rulesPath()), damaged);
}

TEST_F(ScannerEditorTest, SurplusRowsAreReportedWhenTheEditorIsShown)
{
    QByteArray xml = "<EtherNetIP_Master_Access>";
    for (int i = 1; i <= 12; ++i)
        xml += "<row Enable=\"N\" IP_Address=\"10.0.0." + QByteArray::number(i) + "\" />";
    xml += "</EtherNetIP_Master_Access>";
    writeRules(xml);
    show(form);
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(row(10)[1], QStringLiteral("10.0.0.10"));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("The file ") + rulesPath() + " holds 2 rows more"))
        << dialogs.texts()[0].toStdString();
}

TEST_F(ScannerEditorTest, ImportEdsFillsTheFirstFreeRowFromThePickedConnection)
{
    writeRules(kTwoRules);
    show(form);
    setRow(3, {"Y", "", "", "", "", "", "", "", "", "", "", "", "", "keeps its note"});
    const bool shown = importEds(edsFixture("two_connections.eds"), [this] {
        EXPECT_EQ(picker.ECG->RowCount(), 3);
        picker.ECG->FocusCell(1, 2);
        QTest::mouseClick(picker.buttons.Btn_OK, Qt::LeftButton);
    });
    EXPECT_TRUE(shown);
    ASSERT_EQ(dialogs.fileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs()[0].filter, QStringLiteral("EtherNet/IP EDS (*.eds)|*.eds"));
    // Connection2: O > T 100 / 150, T > O 101 / 151, headers O > T 3 and
    // T > O 2.
    EXPECT_EQ(row(3), (QStringList{"Y", "", "", "", "", "", "", "101", "151", "100", "150", "2", "3", "keeps its note"}));
    EXPECT_EQ(row(2)[7], QStringLiteral("2"));

    // The next import goes to the row after it; the first connection's
    // header formats are shown as "Default".
    importEds(edsFixture("two_connections.eds"),
              [this] { QTest::mouseClick(picker.buttons.Btn_OK, Qt::LeftButton); });
    EXPECT_EQ(row(4), (QStringList{"Y", "", "", "", "", "", "", "1", "100", "1", "101", "Default", "Default", ""}));

    // Cancel in the picker, or in the file dialog, changes nothing.
    importEds(edsFixture("two_connections.eds"),
              [this] { QTest::mouseClick(picker.buttons.Btn_Cancel, Qt::LeftButton); });
    dialogs.chooseFile(std::nullopt);
    form.Btn_Import_EDSClick();
    EXPECT_EQ(row(5), (QStringList{"Y", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ScannerEditorTest, ImportFromAFileWithoutConnectionsOrIntoAFullTableChangesNothing)
{
    show(form);
    importEds(edsFixture("no_connections.eds"), [] {});
    EXPECT_EQ(dialogs.texts(), QStringList{"Error!! No Valid Connection found"});
    EXPECT_EQ(row(1), (QStringList{"Y", "", "", "", "", "", "", "", "", "", "", "", "", ""}));

    dialogs.reset();
    for (int r = 1; r <= 10; ++r) {
        QStringList texts(14);
        texts[r % 2 == 0 ? 1 : 7] = QStringLiteral("1");
        setRow(r, texts);
    }
    std::vector<QStringList> before;
    for (int r = 1; r <= 10; ++r)
        before.push_back(row(r));
    EXPECT_TRUE(importEds(edsFixture("two_connections.eds"),
                          [this] { QTest::mouseClick(picker.buttons.Btn_OK, Qt::LeftButton); }));
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(row(r), before[size_t(r - 1)]) << r;
}

TEST_F(ScannerEditorTest, RowCommandsAndTexts)
{
    writeRules(kTwoRules);
    show(form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Set EtherNet/IP Slaves Access"));
    EXPECT_EQ(form.Btn_Import_EDS->Caption(), QStringLiteral("Import EDS"));
    EXPECT_EQ(form.Btn_Import_EDS->toolTip(), QStringLiteral("Import a slave EtherNet/IP from EDS File"));
    EXPECT_EQ(form.ECG->Columns()[12]->Header(), QStringLiteral("Dim Header T > O"));
    EXPECT_EQ(form.ECG->Columns()[12]->ComboItems, QStringList{"Default"});
    form.ECG->FocusCell(2, 1);
    dialogs.answer(MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 1"});
    EXPECT_EQ(row(1)[1], QStringLiteral("192.168.1.11"));
    form.Btn_InsRowClick();
    EXPECT_EQ(row(1), (QStringList{"Y", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(row(2)[1], QStringLiteral("192.168.1.11"));
}

}  // namespace scanner_form_tests

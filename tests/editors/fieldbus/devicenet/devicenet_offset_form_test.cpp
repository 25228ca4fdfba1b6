// The DeviceNet offset editor: the slaves of the network list and their
// bytes from the offset file, picking slaves by mouse and keys with the
// edits kept, the offsets matched to the slaves by position, the checks of
// OK, lists that cannot be used, and the texts of its block.

#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/devicenet/devicenet_offset_form.h"
#include "editors/fieldbus/fieldbus_project_fixture.h"

namespace devicenet_offset_form_tests {

using devicenet::TFDefOffset;
using fieldbus_project_testing::FieldbusEditorTest;
using fieldbus_project_testing::fixture;
using fieldbus_project_testing::readFile;
using platform::MessageKind;

class OffsetEditorTest : public FieldbusEditorTest {
protected:
    // The network list and the offset file of the fixtures: slaves 5 (3 in,
    // 2 out), 7 (0 in, 4 out) and 12 (2 in, 0 out).
    QByteArray writeFixtures()
    {
        writeFixture("DNETM_Net.xml", QStringLiteral("devicenet/offsets_DNETM_Net.xml"));
        return writeFixture("DNETM_DefOff.xml", QStringLiteral("devicenet/offsets_DNETM_DefOff.xml"));
    }
    static QStringList rowOf(grid::TExColumnGrid* g, int r)
    {
        QStringList texts;
        for (int c = 0; c < g->ColCount(); ++c)
            texts << g->GetCellEx(c, r);
        return texts;
    }
    static void click(grid::TExColumnGrid* g, int col, int row)
    {
        const platform::TRect r = g->CellRect(col, row);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        QApplication::processEvents();
    }
    static void key(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget(), k);
        QApplication::processEvents();
    }
    QString messages() const { return dialogs.texts().join(u'\n'); }

    TFDefOffset form;
};

TEST_F(OffsetEditorTest, ShowsTheSlavesAndTheFirstSlavesBytesAndOkWritesTheFileBackUnchanged)
{
    const QByteArray original = writeFixtures();
    show(form);
    ASSERT_TRUE(form.isVisible());
    ASSERT_EQ(form.ECG_DN_Slaves->RowCount(), 4);
    EXPECT_EQ(rowOf(form.ECG_DN_Slaves, 1), (QStringList{"5", "3", "2", "Valve island"}));
    EXPECT_EQ(rowOf(form.ECG_DN_Slaves, 3), (QStringList{"12", "2", "0", "Sensor"}));
    EXPECT_TRUE(form.ECG_DN_Slaves->RowSelect(1));
    EXPECT_EQ(form.Slave_Before_Select, 0);
    for (grid::TExColumnGrid* g : {form.ECG_DN_Slaves, form.ECG_ByteIN, form.ECG_ByteOUT})
        EXPECT_EQ(g->FixedRows(), 1) << "the headers stay fixed above the data";
    ASSERT_EQ(form.ECG_ByteIN->RowCount(), 4);
    EXPECT_EQ(rowOf(form.ECG_ByteIN, 1), (QStringList{"0", "0", "Valve status"}));
    EXPECT_EQ(rowOf(form.ECG_ByteIN, 2), (QStringList{"1", "None", ""}));
    EXPECT_EQ(rowOf(form.ECG_ByteIN, 3), (QStringList{"2", "2", "Pressure & flow"}));
    ASSERT_EQ(form.ECG_ByteOUT->RowCount(), 3);
    EXPECT_EQ(rowOf(form.ECG_ByteOUT, 2), (QStringList{"1", "11", "Valve 2"}));
    EXPECT_EQ(form.PageControl1->currentIndex(), TFDefOffset::InputPage);

    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(bytes("DNETM_DefOff.xml"), original);
}

// Edits in the byte tables go back into their slave when another slave is
// picked (by a click or by the keys) and when OK is pressed.
TEST_F(OffsetEditorTest, OffsetsChosenForOneSlaveSurviveSwitchingToAnotherAndBack)
{
    writeFixtures();
    show(form);
    form.activateWindow();
    form.PageControl1->setCurrentIndex(TFDefOffset::OutputPage);
    QApplication::processEvents();

    // Slave 5, output byte 1: offset 11 -> 12 from the list, a new description.
    click(form.ECG_ByteOUT, TFDefOffset::Offset, 2);
    key(Qt::Key_F2);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(form.ECG_ByteOUT->GetCellEx(TFDefOffset::Offset, 2), QStringLiteral("12"));
    click(form.ECG_ByteOUT, TFDefOffset::ByteMnemonic, 2);
    for (const QChar c : QStringLiteral("Valve two")) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QApplication::processEvents();
    }
    // Still open when the slave list is clicked: the edit is kept all the same.
    click(form.ECG_DN_Slaves, 0, 2);
    EXPECT_EQ(form.Slave_Before_Select, 1);
    EXPECT_EQ(rowOf(form.ECG_ByteIN, 1), (QStringList{"", "", ""})) << "slave 7 has no input bytes";
    EXPECT_EQ(form.ECG_ByteIN->RowCount(), 2);
    EXPECT_FALSE(form.ECG_ByteIN->IsEditable(TFDefOffset::Offset, 1));
    EXPECT_EQ(form.ECG_ByteOUT->FixedRows(), 1);
    ASSERT_EQ(form.ECG_ByteOUT->RowCount(), 5);
    EXPECT_EQ(rowOf(form.ECG_ByteOUT, 4), (QStringList{"3", "1439", "Last position"}));
    form.ECG_ByteOUT->SetCellEx(TFDefOffset::Offset, 3, QStringLiteral("30"));

    click(form.ECG_DN_Slaves, 0, 1);
    EXPECT_EQ(form.Slave_Before_Select, 0);
    EXPECT_EQ(rowOf(form.ECG_ByteOUT, 2), (QStringList{"1", "12", "Valve two"}));

    // The keys move through the list too.
    form.ECG_DN_Slaves->setFocus();
    key(Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(form.Slave_Before_Select, 1);
    EXPECT_EQ(form.ECG_ByteOUT->GetCellEx(TFDefOffset::Offset, 3), QStringLiteral("30"));
    EXPECT_TRUE(form.ECG_DN_Slaves->RowSelect(2));

    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible()) << messages().toStdString();
    const QByteArray written = bytes("DNETM_DefOff.xml");
    EXPECT_TRUE(written.contains("<row Offset=\"12\" Mnemonic=\"Valve two\" />"));
    EXPECT_TRUE(written.contains("<row Offset=\"30\" Mnemonic=\"\" />"));
}

// The file does not name the slaves: its nodes go to the slaves by
// position, so a slave removed from the middle of the network list passes
// its offsets on to the next; what is left over is reported and dropped
// by OK.
TEST_F(OffsetEditorTest, OffsetsAreMatchedToTheSlavesByPosition)
{
    writeFixtures();
    write("DNETM_Net.xml", "<DNET_Net><row ID=\"5\" NB_IN=\"3\" NB_OUT=\"2\" /><row ID=\"12\" NB_IN=\"2\" NB_OUT=\"0\" />"
                           "</DNET_Net>");
    show(form);
    ASSERT_TRUE(form.isVisible());
    ASSERT_EQ(dialogs.shown().size(), 2u) << messages().toStdString();
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("The file ") + path("DNETM_DefOff.xml")
                                           + " holds the offsets of 1 slaves more than the DeviceNet Slaves List: they "
                                             "are not shown, and OK would remove them from the file.");
    EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("The file ") + path("DNETM_DefOff.xml")
                                           + " holds 4 offsets more than the bytes of the slaves: they are not shown, "
                                             "and OK would remove them from the file.");
    click(form.ECG_DN_Slaves, 0, 2);
    // Slave 12 got the second node, which has no input rows: its bytes stay None.
    EXPECT_EQ(rowOf(form.ECG_ByteIN, 1), (QStringList{"0", "None", ""}));
    EXPECT_EQ(rowOf(form.ECG_ByteIN, 2), (QStringList{"1", "None", ""}));
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(bytes("DNETM_DefOff.xml").count("<Nodo_DNET>"), 2);
    EXPECT_FALSE(bytes("DNETM_DefOff.xml").contains("Speed low"));
}

TEST_F(OffsetEditorTest, WithoutTheNetworkListThereAreNoSlavesAndOkWritesAnEmptyFile)
{
    show(form);
    ASSERT_TRUE(form.isVisible());
    // One empty row below each header.
    for (grid::TExColumnGrid* g : {form.ECG_DN_Slaves, form.ECG_ByteIN, form.ECG_ByteOUT}) {
        EXPECT_EQ(g->RowCount(), 2) << g->objectName().toStdString();
        EXPECT_EQ(g->FixedRows(), 1);
        EXPECT_EQ(rowOf(g, 1).join(QString()), QString());
    }
    click(form.ECG_DN_Slaves, 0, 1);
    EXPECT_EQ(form.Slave_Before_Select, -1);
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_EQ(bytes("DNETM_DefOff.xml"), "<Define_Offset />\n<!--SW_VERSION = 1.000-->\n");
}

TEST_F(OffsetEditorTest, TwoOutputBytesAtOnePositionAreRefusedWithBothSlavesAndBytes)
{
    const QByteArray original = writeFixtures();
    show(form);
    click(form.ECG_DN_Slaves, 0, 2);
    form.ECG_ByteOUT->SetCellEx(TFDefOffset::Offset, 4, QStringLiteral("10"));  // slave 7 byte 3: slave 5 byte 0's
    form.Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Error in ByteOUT! The same byte of EtherCAT is used in two bytes DeviceNet.\n\r"
                             "( First ID = 5 Byte = 0, Second ID = 7 Byte = 3)"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(bytes("DNETM_DefOff.xml"), original);

    // Input bytes may share a position (slaves 5 and 12 both use 0 already).
    form.ECG_ByteOUT->SetCellEx(TFDefOffset::Offset, 4, QStringLiteral("None"));
    click(form.ECG_DN_Slaves, 0, 3);
    form.ECG_ByteIN->SetCellEx(TFDefOffset::Offset, 2, QStringLiteral("2"));
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible()) << messages().toStdString();
}

// An offset that the choice list never offers, from a file edited by hand,
// is refused by OK with the slave and the byte.
TEST_F(OffsetEditorTest, AnOffsetOutsideTheDataArrayFromTheFileIsReportedWithItsSlaveAndByte)
{
    writeFixtures();
    const QByteArray edited = QByteArray(readFile(fixture(QStringLiteral("devicenet/offsets_DNETM_DefOff.xml"))))
                                  .replace("<row Offset=\"3\" Mnemonic=\"\" />", "<row Offset=\"1440\" Mnemonic=\"\" />");
    write("DNETM_DefOff.xml", edited);
    show(form);
    ASSERT_TRUE(form.isVisible());
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(),
              QStringList{"Error in ByteIN! The offset of a byte must be None or a position of the data array from 0 "
                          "to 1439\n\r( ID = 12 Byte = 1 Offset = 1440)"});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(bytes("DNETM_DefOff.xml"), edited);
}

// A network list the editor cannot use keeps the form closed, so that OK
// cannot write an offset file of other slaves.
TEST_F(OffsetEditorTest, ANetworkListOfValuesThatAreNoCountsKeepsTheFormClosed)
{
    const QByteArray original = writeFixtures();
    write("DNETM_Net.xml", "<DNET_Net><row ID=\"5\" NB_IN=\"3\" NB_OUT=\"2\" /><row ID=\"7\" NB_IN=\"abc\" NB_OUT=\"2\" />"
                           "</DNET_Net>");
    bool opened = false;
    QTimer::singleShot(0, &form, [&] {
        opened = form.isVisible();
        form.Btn_OKClick();
    });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Error!!! The DeviceNet Slaves List ") + path("DNETM_Net.xml")
                                           + " cannot be used: in row 2 the value of \"Num Byte In\" is \"abc\", which "
                                             "is not a whole number from 0 to 65535"});
    form.Btn_OKClick();
    EXPECT_EQ(bytes("DNETM_DefOff.xml"), original);
}

TEST_F(OffsetEditorTest, TextsOfTheBlock)
{
    EXPECT_EQ(form.objectName(), QStringLiteral("FDefOffset"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Define Offset"));
    EXPECT_EQ(form.title.L_SW_Desc->text(), QStringLiteral("Define DeviceNet Offset"));
    EXPECT_EQ(form.title.L_SW_Code->text(), QStringLiteral("CQ41T17"));
    EXPECT_EQ(form.Btn_OK->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(form.Btn_Cancel->toolTip(), QStringLiteral("Exit without save the Bytes Configuration"));
    EXPECT_EQ(form.Btn_DelRow, nullptr);
    EXPECT_EQ(form.PageControl1->tabText(0), QStringLiteral("Byte In"));
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("Byte Out"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Select the Slave DeviceNet"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("Use \"None\" to not pass the byte from DeviceNet to EtherCAT"));
    EXPECT_EQ(form.ECG_DN_Slaves->Columns()[3]->Header(), QStringLiteral("Mnemonic"));
    EXPECT_EQ(form.ECG_ByteOUT->Columns()[0]->Header(), QStringLiteral("Byte"));
    EXPECT_EQ(form.ECG_ByteOUT->Columns()[1]->Header(), QStringLiteral("Offset"));
    EXPECT_EQ(form.ECG_ByteIN->Columns()[2]->Header(), QStringLiteral("Mnemonic"));

    show(form);
    const QStringList items = form.ECG_ByteIN->Columns()[TFDefOffset::Offset]->ComboItems;
    ASSERT_EQ(items.size(), 1441);
    EXPECT_EQ(items.first(), QStringLiteral("None"));
    EXPECT_EQ(items[1], QStringLiteral("0"));
    EXPECT_EQ(items.last(), QStringLiteral("1439"));
    EXPECT_EQ(form.ECG_ByteOUT->Columns()[TFDefOffset::Offset]->Editor(), grid::edComboList);

    app::textTable().Lang_Texts[3007] = QStringLiteral("Byte Uscita");
    app::textTable().Lang_Texts[3019] = QStringLiteral("Posizione");
    form.Set_Lang();
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("Byte Uscita"));
    EXPECT_EQ(form.ECG_ByteOUT->Columns()[1]->Header(), QStringLiteral("Posizione"));
}

}  // namespace devicenet_offset_form_tests

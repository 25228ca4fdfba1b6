// The scanner editor driven as a user drives it: cells typed, a header
// format taken from its drop-down list, a box unticked, a connection
// imported from an EDS file by clicks in the picker, OK pressed. The file
// it writes is compared with the one worked out by hand.

#include <QTest>

#include "controls/button/lb_button.h"
#include "editors/ethernet/ethernet_ip/eds_picker_form.h"
#include "editors/ethernet/ethernet_ip/scanner_form.h"
#include "eip_editor_fixture.h"

namespace scanner_form_gui_tests {

using eip_editor_testing::edsFixture;
using eip_editor_testing::EipEditorTest;
using ethercat_editor_testing::readFile;
using ethercat_editor_testing::whileShown;

QPoint centre(grid::TExStringGrid& g, int col, int row)
{
    const platform::TRect r = g.CellRect(col, row);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

void clickCell(grid::TExStringGrid& g, int col, int row)
{
    QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, centre(g, col, row));
    QApplication::processEvents();
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::activePopupWidget();
    QTest::keyClick(target != nullptr ? target : QApplication::focusWidget(), k, modifiers);
    QApplication::processEvents();
}

void type(const QString& text)
{
    for (const QChar c : text) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QApplication::processEvents();
    }
}

class ScannerGuiTest : public EipEditorTest {
protected:
    ScannerGuiTest() { form.setEdsPicker(&picker); }

    void openForm()
    {
        // Wide enough for every column.
        form.resize(1400, 480);
        show(form);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void typeInto(int col, int row, const QString& text)
    {
        clickCell(*form.ECG, col, row);
        type(text);
        key(Qt::Key_Return);
    }
    // The first item of a drop-down cell that also takes typed text: the
    // list opened, its first item taken, the cell left.
    void pickFirstItem(int col, int row)
    {
        clickCell(*form.ECG, col, row);
        key(Qt::Key_F2);
        key(Qt::Key_Down, Qt::AltModifier);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        for (const Qt::Key k : {Qt::Key_Home, Qt::Key_Return}) {
            QTest::keyClick(QApplication::focusWidget(), k);
            QApplication::processEvents();
        }
        key(Qt::Key_Return);
    }

    ethernet_ip::TFEtherNEtIP_EDS picker;
    ethernet_ip::TFEtherNetIP_Master_Access form;
};

TEST_F(ScannerGuiTest, KeysAndClicksWriteTheRules)
{
    openForm();
    const char* values[] = {"10.0.0.5", "0", "32", "0", "16", "20", "1", "100", "1", "101"};
    for (int c = 2; c <= 11; ++c)
        typeInto(c, 1, QString::fromLatin1(values[c - 2]));
    pickFirstItem(12, 1);
    EXPECT_EQ(form.ECG->GetCellEx(12, 1), QStringLiteral("Default"));
    typeInto(13, 1, QStringLiteral("4"));
    typeInto(14, 1, QStringLiteral("Press line"));

    // Row 2: the box unticked, an address, then a connection from the EDS
    // file, the second in the picker.
    clickCell(*form.ECG, 1, 2);
    dialogs.chooseFile(edsFixture("two_connections.eds"));
    const bool picked = whileShown(
        picker, [this] { QTest::mouseClick(form.Btn_Import_EDS, Qt::LeftButton); },
        [this] {
            clickCell(*picker.ECG, 1, 2);
            QTest::mouseClick(picker.buttons.Btn_OK, Qt::LeftButton);
        });
    EXPECT_TRUE(picked);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    typeInto(2, 2, QStringLiteral("10.0.0.6"));

    QTest::mouseClick(form.Btn_OK, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(rulesPath()),
              QByteArray("<EtherNetIP_Master_Access>\n"
                         "\t<row Enable=\"Y\" IP_Address=\"10.0.0.5\" Start_Input=\"0\" Num_Input=\"32\" "
                         "Start_Output=\"0\" Num_Output=\"16\" Time_Poll=\"20\" Instance_T_O=\"1\" "
                         "Connection_Point_T_O=\"100\" Instance_O_T=\"1\" Connection_Point_O_T=\"101\" "
                         "Dim_Header_T_O=\"Default\" Dim_Header_O_T=\"4\" Mnemonic=\"Press line\" />\n"
                         "\t<row Enable=\"N\" IP_Address=\"10.0.0.6\" Start_Input=\"\" Num_Input=\"\" "
                         "Start_Output=\"\" Num_Output=\"\" Time_Poll=\"\" Instance_T_O=\"101\" "
                         "Connection_Point_T_O=\"151\" Instance_O_T=\"100\" Connection_Point_O_T=\"150\" "
                         "Dim_Header_T_O=\"2\" Dim_Header_O_T=\"3\" Mnemonic=\"\" />\n"
                         "</EtherNetIP_Master_Access>\n"
                         "<!--SW_VERSION = 1.000-->\n"));
}

}  // namespace scanner_form_gui_tests

// Pictures of the EDS connection picker, the EtherNet/IP scanner editor and
// the PROFINET file name dialog, written to <build>/screenshots/eip_profinet
// for looking at.

#include <QLineEdit>
#include <QPixmap>

#include "editors/ethernet/ethernet_ip/eds_picker_form.h"
#include "editors/ethernet/ethernet_ip/scanner_form.h"
#include "editors/ethernet/profinet/profinet_file_name_form.h"
#include "eip_editor_fixture.h"

namespace eip_profinet_screenshot_tests {

using eip_editor_testing::edsFixture;
using eip_editor_testing::EipEditorTest;

class EipProfinetScreenshot : public EipEditorTest {
protected:
    static QString folderPath()
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/eip_profinet");
        QDir().mkpath(dir);
        return dir;
    }
    static void grab(QWidget& form, const QString& name)
    {
        QApplication::processEvents();
        ASSERT_TRUE(form.grab().save(folderPath() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
};

TEST_F(EipProfinetScreenshot, PickerScannerAndFileNameDialog)
{
    ethernet_ip::TFEtherNEtIP_EDS picker;
    picker.EDS_FileName = edsFixture("two_connections.eds");
    show(picker);
    grab(picker, QStringLiteral("01_eds_picker"));
    picker.hide();

    writeRules("<EtherNetIP_Master_Access>"
               "<row Enable=\"Y\" IP_Address=\"192.168.1.10\" Start_Input=\"0\" Num_Input=\"16\" Start_Output=\"0\" "
               "Num_Output=\"8\" Time_Poll=\"100\" Instance_T_O=\"1\" Connection_Point_T_O=\"100\" Instance_O_T=\"1\" "
               "Connection_Point_O_T=\"101\" Dim_Header_T_O=\"Default\" Dim_Header_O_T=\"Default\" "
               "Mnemonic=\"Valve island\" />"
               "<row Enable=\"N\" IP_Address=\"192.168.1.11\" Start_Input=\"16\" Num_Input=\"4\" Start_Output=\"8\" "
               "Num_Output=\"4\" Time_Poll=\"50\" Instance_T_O=\"101\" Connection_Point_T_O=\"151\" "
               "Instance_O_T=\"100\" Connection_Point_O_T=\"150\" Dim_Header_T_O=\"2\" Dim_Header_O_T=\"3\" "
               "Mnemonic=\"Spare drive\" />"
               "</EtherNetIP_Master_Access>");
    ethernet_ip::TFEtherNetIP_Master_Access scanner;
    scanner.setEdsPicker(&picker);
    show(scanner);
    ASSERT_TRUE(scanner.isVisible());
    grab(scanner, QStringLiteral("02_scanner_editor"));

    profinet::TFProfinetFileName dialog(nullptr, QDate(2013, 1, 9));
    dialog.E_XML_User->setText(QStringLiteral("hall_3"));
    show(dialog);
    grab(dialog, QStringLiteral("03_profinet_file_name"));
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
}

}  // namespace eip_profinet_screenshot_tests

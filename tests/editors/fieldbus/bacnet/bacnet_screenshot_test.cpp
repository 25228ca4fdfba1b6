// Pictures of the EDE import dialog, both pages of the client editor after
// an import, both pages of the server editor and the unit picker, written
// to <build>/screenshots/bacnet_editors for looking at.

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "bacnet_editor_fixture.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/bacnet/bacnet_client_form.h"
#include "editors/fieldbus/bacnet/bacnet_server_form.h"
#include "editors/fieldbus/bacnet/ede_import_form.h"
#include "editors/fieldbus/bacnet/eng_unit_form.h"

namespace bacnet_screenshot_tests {

using bacnet_testing::BACnetEditorTest;
using bacnet_testing::fixture;
using bacnet_testing::readFile;
using bacnet_testing::whileShown;

class BACnetScreenshots : public BACnetEditorTest {
protected:
    static QString folderPath()
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/bacnet_editors");
        QDir().mkpath(dir);
        return dir;
    }
    static void grab(QWidget& form, const QString& name)
    {
        QApplication::processEvents();
        ASSERT_TRUE(form.grab().save(folderPath() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
};

TEST_F(BACnetScreenshots, TheImportDialogAndBothPagesOfTheClientEditor)
{
    writeParGen({{"BACnet_Master_Type", "0"}});
    writeClient(readFile(fixture(QStringLiteral("BACnet_Master_Access.xml"))));
    bacnet::TFImportEDEFile dialog;
    bacnet::TFBACnetAccess client;
    client.setImportDialog(&dialog);
    show(client);
    ASSERT_TRUE(client.isVisible());
    dialogs.chooseFile(fixture(QStringLiteral("room_controller.csv")));
    EXPECT_TRUE(whileShown(
        dialog, [&] { client.Btn_Import_CSVClick(); },
        [&] {
            dialog.E_ID_IP->setText(QStringLiteral("192.168.1.40"));
            QApplication::processEvents();
            grab(dialog, QStringLiteral("01_ede_import"));
            QTest::mouseClick(dialog.Btn_OK, Qt::LeftButton);
        }));
    grab(client, QStringLiteral("02_client_read"));
    client.ECG1->SetLeftCol(8);
    grab(client, QStringLiteral("03_client_read_right"));
    client.PageControl1->setCurrentIndex(1);
    grab(client, QStringLiteral("04_client_write"));
    client.ECG2->SetLeftCol(9);
    grab(client, QStringLiteral("04b_client_write_right"));
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
}

TEST_F(BACnetScreenshots, BothPagesOfTheServerEditorAndTheUnitPicker)
{
    writeServer(readFile(fixture(QStringLiteral("BACnet_Slave.xml"))));
    bacnet::TFBACnetSlaveSetAccess server;
    show(server);
    ASSERT_TRUE(server.isVisible());
    grab(server, QStringLiteral("05_server_read"));
    server.PageControl1->setCurrentIndex(1);
    grab(server, QStringLiteral("06_server_write"));

    bacnet::TFBACnet_Eng_Unit picker;
    picker.preset(QStringLiteral("62"));
    picker.CB_Select_Type->setCurrentIndex(16);
    show(picker);
    grab(picker, QStringLiteral("07_unit_picker"));
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
}

}  // namespace bacnet_screenshot_tests

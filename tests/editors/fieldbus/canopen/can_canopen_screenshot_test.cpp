// Pictures of the CAN receive and transmit editors and of both pages of the
// CANopen PDO, SDO client and SDO server editors with data, written to
// <build>/screenshots/can_canopen_editors for looking at.

#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/can/can_frame_forms.h"
#include "editors/fieldbus/canopen/canopen_forms.h"

namespace can_canopen_screenshot_tests {

class CANopenScreenshot : public can_testing::CANEditorTest {
protected:
    static QString folderPath()
    {
        const QString dir =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/can_canopen_editors");
        QDir().mkpath(dir);
        return dir;
    }
    static void grab(QWidget& form, const QString& name)
    {
        QApplication::processEvents();
        ASSERT_TRUE(form.grab().save(folderPath() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
};

TEST_F(CANopenScreenshot, EveryEditorWithData)
{
    write(state().CAN_Rec_Frames_Path,
          "<Receive_Frames>"
          "<row Enable=\"Y\" COBID=\"0x181\" CAN_Type=\"2.0A (11 bits)\" Dim=\"8\" TimeOut=\"1000\" Byte1=\"0\" "
          "Byte2=\"1\" Byte3=\"2\" Byte4=\"3\" Byte5=\"4\" Byte6=\"5\" Byte7=\"6\" Byte8=\"1999\" Mnemonic=\"Drive status\" />"
          "<row Enable=\"N\" COBID=\"0x18FF50E5\" CAN_Type=\"2.0B (29 bits)\" Dim=\"2\" TimeOut=\"0\" Byte1=\"None\" "
          "Byte2=\"8\" Mnemonic=\"Charger\" />"
          "</Receive_Frames>");
    write(state().CAN_Send_Frames_Path,
          "<Transmit_Frames>"
          "<row Enable=\"Y\" COBID=\"0x201\" CAN_Type=\"2.0A (11 bits)\" Dim=\"4\" OnChange=\"Y\" OnCMD=\"N\" "
          "OnTimer=\"Y\" Time=\"100\" Byte1=\"10\" Byte2=\"11\" Byte3=\"12\" Byte4=\"2499\" Mnemonic=\"Setpoint\" />"
          "<row Enable=\"Y\" COBID=\"0x301\" CAN_Type=\"2.0A (11 bits)\" Dim=\"1\" OnChange=\"N\" OnCMD=\"Y\" "
          "OnTimer=\"N\" Time=\"\" Byte1=\"None\" Mnemonic=\"Command\" />"
          "</Transmit_Frames>");
    write(state().PDO_CANopen_Path,
          "<PDO_CANopen><Receive_PDO>"
          "<row COB-ID=\"0x201\" Dimension=\"2\" Address_B1=\"0\" Address_B2=\"1\" TimeOut=\"0\" Mnemonic=\"Speed\" />"
          "</Receive_PDO><Transmit_PDO>"
          "<row COB-ID=\"0x181\" Dimension=\"8\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"2\" Address_B4=\"3\" "
          "Address_B5=\"4\" Address_B6=\"5\" Address_B7=\"6\" Address_B8=\"7\" Send_Time=\"100\" On_Change=\"Y\" "
          "Mnemonic=\"Status\" />"
          "</Transmit_PDO></PDO_CANopen>");
    write(state().SDO_Client_CANopen_Path,
          "<SDO_Client_CANopen><SDO_Read>"
          "<row Device_ID=\"5\" Index=\"0x6041\" SubIndex=\"0\" NByte=\"2\" Poll_Time=\"100\" Address_B1=\"0\" "
          "Address_B2=\"1\" TimeOut=\"500\" Mnemonic=\"Status word\" />"
          "</SDO_Read><SDO_Write>"
          "<row Device_ID=\"5\" Index=\"0x6040\" SubIndex=\"0\" NByte=\"2\" Poll_Time=\"0\" On_Change=\"Y\" "
          "Address_B1=\"0\" Address_B2=\"1\" Mnemonic=\"Control word\" />"
          "</SDO_Write></SDO_Client_CANopen>");
    write(state().SDO_Server_CANopen_Path,
          "<SDO_Server_CANopen><SDO_Read>"
          "<row Index=\"0x2000\" SubIndex=\"1\" NByte=\"4\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"2\" "
          "Address_B4=\"3\" Mnemonic=\"Counter\" />"
          "</SDO_Read><SDO_Write>"
          "<row Index=\"0x2100\" SubIndex=\"0\" NByte=\"1\" Address_B1=\"100\" Mnemonic=\"Mode\" />"
          "</SDO_Write></SDO_Server_CANopen>");

    can_editors::TFReceiveCAN receive;
    show(receive);
    grab(receive, QStringLiteral("01_can_receive"));
    can_editors::TFTransmitCAN transmit;
    show(transmit);
    grab(transmit, QStringLiteral("02_can_transmit"));

    canopen::TFSet_PDO_Access pdo;
    show(pdo);
    grab(pdo, QStringLiteral("03_pdo_receive"));
    pdo.PageControl1->setCurrentIndex(1);
    grab(pdo, QStringLiteral("04_pdo_transmit"));
    canopen::TFSet_SDO_Client_Access client;
    show(client);
    grab(client, QStringLiteral("05_sdo_client_read"));
    client.PageControl1->setCurrentIndex(1);
    grab(client, QStringLiteral("06_sdo_client_write"));
    canopen::TFSet_SDO_Server_Access server;
    show(server);
    grab(server, QStringLiteral("07_sdo_server_read"));
    server.PageControl1->setCurrentIndex(1);
    grab(server, QStringLiteral("08_sdo_server_write"));
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
}

}  // namespace can_canopen_screenshot_tests

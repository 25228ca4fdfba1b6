// Pictures of the OPC UA client editor with its server list, the add-server
// dialog in its three layouts, the browse dialog with what the fake search
// library finds, and the OPC UA server variable editor, written to
// <build>/screenshots/opc_ua for looking at.

#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTest>

#include "editors/ethernet/opc_ua/opc_ua_add_server_form.h"
#include "editors/ethernet/opc_ua/opc_ua_client_form.h"
#include "editors/ethernet/opc_ua/opc_ua_scan_server_form.h"
#include "editors/ethernet/opc_ua/opc_ua_server_form.h"
#include "opc_ua_editor_fixture.h"

namespace opc_ua_screenshot_tests {

using opc_ua_testing::opcUaFixture;
using opc_ua_testing::OpcUaEditorTest;
using opc_ua_testing::readFile;

class OpcUaScreenshot : public OpcUaEditorTest {
protected:
    static QString folderPath()
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/opc_ua");
        QDir().mkpath(dir);
        return dir;
    }
    static void grab(QWidget& form, const QString& name)
    {
        QApplication::processEvents();
        ASSERT_TRUE(form.grab().save(folderPath() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
};

TEST_F(OpcUaScreenshot, ClientEditorDialogsAndServerEditor)
{
    writeClient(readFile(opcUaFixture("OPC_UA_Client.xml")));
    opc_ua::TFOPC_UA_Client_Access client;
    show(client);
    ASSERT_TRUE(client.isVisible());
    grab(client, QStringLiteral("01_client_read_variables"));
    client.setActiveTable(opc_ua::TFOPC_UA_Client_Access::Write);
    grab(client, QStringLiteral("02_client_write_variables"));

    opc_ua::TFOPC_UA_Add_Server addServer;
    show(addServer);
    addServer.E_Server_Add->setText(QStringLiteral("opc.tcp://10.0.0.5:4840"));
    grab(addServer, QStringLiteral("03_add_server_anonymous"));
    addServer.CB_Auth->setCurrentIndex(1);
    addServer.E_User->setText(QStringLiteral("operator"));
    addServer.E_Pass->setText(QStringLiteral("secret"));
    grab(addServer, QStringLiteral("04_add_server_user"));
    addServer.CB_Auth->setCurrentIndex(2);
    addServer.RE_Certificate->setPlainText(QStringLiteral("-----BEGIN CERTIFICATE-----\nMIIBszCCAVmgAwIBAgIU\n"
                                                          "-----END CERTIFICATE-----"));
    addServer.CB_Sec_Type->setCurrentIndex(2);
    addServer.CB_Sec_Policy->setCurrentIndex(4);
    grab(addServer, QStringLiteral("05_add_server_certificate"));

    opc_ua::TFOPC_UA_Scan_Server scan;
    scan.searchFolders = {opc_ua_testing::kFakeSearchFolder};
    scan.Server = opc_ua::searchServerOf(opc_ua_testing::anonymousServer("opc.tcp://10.0.0.5:4840"));
    show(scan);
    grab(scan, QStringLiteral("06_browse_waiting"));
    QTRY_VERIFY_WITH_TIMEOUT(!scan.Timer_Scan->isActive(), 20000);
    scan.markAll(opc_ua::TFOPC_UA_Scan_Server::ColWrite, false);
    grab(scan, QStringLiteral("07_browse_found"));

    writeServer(readFile(opcUaFixture("OPC_UA_Server.xml")));
    opc_ua::TFOPC_UA_Server_Access server;
    show(server);
    server.table(0).setRowTexts(3, {"Y", "Int16", "36", "2", "Counter", "Read/Write", ""});
    grab(server, QStringLiteral("08_server_variables"));
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
}

}  // namespace opc_ua_screenshot_tests

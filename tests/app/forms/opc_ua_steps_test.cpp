// The OPC UA editors of the family's other variants: created with the other
// forms (the client editor using the add-server and browse dialogs of the
// set), shown by their step buttons (which this variant keeps hidden) on the
// open project's files, and following a language change.

#include <QApplication>
#include <QTest>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include <QCheckBox>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/opc_ua/opc_ua_add_server_form.h"
#include "editors/ethernet/opc_ua/opc_ua_client_form.h"
#include "editors/ethernet/opc_ua/opc_ua_scan_server_form.h"
#include "editors/ethernet/opc_ua/opc_ua_server_form.h"
#include "main_window_fixture.h"

namespace opc_ua_steps_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, TheOpcUaEditorsAreCreatedShownByTheirStepsAndFollowTheLanguage)
{
    startWithProject(QStringLiteral("Plant"));
    const QStringList created = forms->created();
    const int first = int(created.indexOf("TFOPC_UA_Add_Server"));
    ASSERT_GE(first, 0) << created.join(u' ').toStdString();
    EXPECT_EQ(created.mid(first, 4), (QStringList{"TFOPC_UA_Add_Server", "TFOPC_UA_Client_Access",
                                                  "TFOPC_UA_Scan_Server", "TFOPC_UA_Server_Access"}));
    auto* client = form<opc_ua::TFOPC_UA_Client_Access>("TFOPC_UA_Client_Access");
    auto* server = form<opc_ua::TFOPC_UA_Server_Access>("TFOPC_UA_Server_Access");
    auto* addServer = form<opc_ua::TFOPC_UA_Add_Server>("TFOPC_UA_Add_Server");
    auto* scan = form<opc_ua::TFOPC_UA_Scan_Server>("TFOPC_UA_Scan_Server");
    ASSERT_TRUE(client && server && addServer && scan);
    EXPECT_EQ(&client->addServerDialog(), addServer);
    EXPECT_EQ(&client->scanDialog(), scan);
    EXPECT_TRUE(main().stepButton("Btn_OPC_UA_Client_Access")->isHidden()) << "not a step of this variant";

    const QByteArray servers = "<OPC_UA_Client>\n\t<OPC_UA_Server_List>\n\t\t<OPC_UA_Server Enable=\"1\" "
                               "ServerAddress=\"opc.tcp://plc\" Authorization=\"Anonymous\" UserName=\"\" Password=\"\" "
                               "Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" SecurityPolicy=\"None\" "
                               "Mnemonic=\"\">\n\t\t\t<OPC_UA_Variables>\n\t\t\t\t<OPC_UA_Read_Var />\n\t\t\t\t"
                               "<OPC_UA_Write_Var />\n\t\t\t</OPC_UA_Variables>\n\t\t</OPC_UA_Server>\n\t"
                               "</OPC_UA_Server_List>\n</OPC_UA_Client>\n";
    dir.write(QStringLiteral("PROJECTS/Plant/OPC_UA_Client.xml"), servers);
    const QByteArray variables = "<OPC_UA_Server><OPC_UA_Server_Variables><row Type=\"Float\" Name=\"Level\" />"
                                 "</OPC_UA_Server_Variables></OPC_UA_Server>";
    dir.write(QStringLiteral("PROJECTS/Plant/OPC_UA_Server.xml"), variables);

    QString shownAddress;
    soon([&] {
        shownAddress = client->ECG_OPC_UA_Server->GetCellEx(2, 1);
        QTest::mouseClick(client->Btn_Cancel, Qt::LeftButton);
    });
    main().Btn_Click(main().stepButton("Btn_OPC_UA_Client_Access"));
    EXPECT_EQ(shownAddress, "opc.tcp://plc");
    QString shownName;
    soon([&] {
        shownName = server->table(0).cellText(opc_ua::TFOPC_UA_Server_Access::ColName, 1);
        QTest::mouseClick(server->Btn_Cancel, Qt::LeftButton);
    });
    main().Btn_Click(main().stepButton("Btn_OPC_UA_Server_Access"));
    EXPECT_EQ(shownName, "Level");
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/OPC_UA_Client.xml")), servers);

    app::textTable().Lang_Texts[4113] = QStringLiteral("Indirizzo del Server");
    app::textTable().Lang_Texts[4304] = QStringLiteral("Server attivo");
    app::textTable().Lang_Texts[4412] = QStringLiteral("Nome");
    app::textTable().Lang_Texts[4519] = QStringLiteral("Nome variabile");
    forms->Change_Language();
    EXPECT_EQ(client->ECG_OPC_UA_Server->Columns()[2]->Header(), QStringLiteral("Indirizzo del Server"));
    EXPECT_EQ(addServer->CB_OPC_UA_Server_Enable->text(), QStringLiteral("Server attivo"));
    EXPECT_EQ(scan->ECG_OPC_UA_Scan_Var->Columns()[3]->Header(), QStringLiteral("Nome"));
    EXPECT_EQ(server->ESG->GetCellEx(5, 0), QStringLiteral("Nome variabile"));
}

}  // namespace opc_ua_steps_tests

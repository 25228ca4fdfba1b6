// The Modbus serial, Modbus TCP and S7 editors are created with the other
// forms, at their place, and follow a language change, although no step of
// this variant shows them; the TCP and S7 step buttons, hidden here, show
// their editors on the open project's files.

#include <QApplication>
#include <QTest>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/modbus/modbus_set_access_form.h"
#include "editors/ethernet/modbus/modbus_tcp_master_form.h"
#include "editors/ethernet/s7/s7_protocol_form.h"
#include "main_window_fixture.h"

namespace ethernet_editors_step_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, TheModbusAndS7EditorsAreCreatedAtTheirPlaceAndFollowTheLanguage)
{
    start();
    const QStringList created = forms->created();
    EXPECT_EQ(created.indexOf("TFSetAccess"), created.indexOf("TFBoot") + 1) << created.join(u' ').toStdString();
    EXPECT_EQ(created.indexOf("TFModbus_TCP_Master_Set_Access"), created.indexOf("TFSetAccess") + 1);
    EXPECT_GT(created.indexOf("TFS7_Protocol_Set_Access"), created.indexOf("TFMQTT_Set_Topic"));
    EXPECT_EQ(created.indexOf("TFEtherCATSlave_Group"), created.indexOf("TFS7_Protocol_Set_Access") + 1);
    auto* serial = form<ethernet_editors::TFSetAccess>("TFSetAccess");
    auto* tcp = form<ethernet_editors::TFModbus_TCP_Master_Set_Access>("TFModbus_TCP_Master_Set_Access");
    auto* s7 = form<ethernet_editors::TFS7_Protocol_Set_Access>("TFS7_Protocol_Set_Access");
    ASSERT_NE(serial, nullptr);
    ASSERT_NE(tcp, nullptr);
    ASSERT_NE(s7, nullptr);
    EXPECT_EQ(s7->title.L_SW_Code->text(), QStringLiteral("CQ41T17"));

    app::textTable().Lang_Texts[1700] = QStringLiteral("Accesso Modbus");
    app::textTable().Lang_Texts[1812] = QStringLiteral("ID Slave");
    app::textTable().Lang_Texts[5115] = QStringLiteral("S7comm Scrittura");
    forms->Change_Language();
    EXPECT_EQ(serial->windowTitle(), QStringLiteral("Accesso Modbus"));
    EXPECT_EQ(tcp->ECG_Modbus_Read->Columns()[4]->Header(), QStringLiteral("ID Slave"));
    EXPECT_EQ(tcp->Btn_CopyRow->Caption(), QStringLiteral("Copy Row"));
    EXPECT_EQ(s7->PageControl1->tabText(1), QStringLiteral("S7comm Scrittura"));
}

TEST_F(MainWindowTest, TheHiddenTcpAndS7ButtonsShowTheirEditorsOnTheOpenProject)
{
    startWithProject(QStringLiteral("Plant"));
    const QByteArray s7File = "<S7_Protocol><S7_Protocol_Read><row PLC_Address=\"10.0.0.5\" /></S7_Protocol_Read>"
                              "<S7_Protocol_Write /></S7_Protocol>";
    dir.write(QStringLiteral("PROJECTS/Plant/S7_Protocol.xml"), s7File);
    auto* s7 = form<ethernet_editors::TFS7_Protocol_Set_Access>("TFS7_Protocol_Set_Access");
    auto* tcp = form<ethernet_editors::TFModbus_TCP_Master_Set_Access>("TFModbus_TCP_Master_Set_Access");
    ASSERT_NE(s7, nullptr);
    ASSERT_NE(tcp, nullptr);
    QString address;
    bool shownModal = false;
    soon([&] {
        shownModal = s7->isVisible() && s7->isModal();
        address = s7->table(0).cellText(2, 1);
        QTest::mouseClick(s7->Btn_Cancel, Qt::LeftButton);
    });
    main().Btn_Click(main().stepButton("Btn_S7_Protocol_Access"));
    EXPECT_TRUE(shownModal);
    EXPECT_EQ(address, QStringLiteral("10.0.0.5"));
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/S7_Protocol.xml")), s7File);

    bool tcpShown = false;
    soon([&] {
        tcpShown = tcp->isVisible();
        QTest::mouseClick(tcp->Btn_OK, Qt::LeftButton);
    });
    main().Btn_Click(main().stepButton("Btn_Modbus_Set_Access"));
    EXPECT_TRUE(tcpShown);
    EXPECT_FALSE(tcp->isVisible());
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/ModbusTCPM_SetAccess.xml")),
              QByteArray("<PROFINET_Master_to_Modbus_TCP_Master>\n\t<Modbus_Read />\n\t<Modbus_Write />\n"
                         "</PROFINET_Master_to_Modbus_TCP_Master>\n<!--SW_VERSION = 1.001-->\n"));
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
}

}  // namespace ethernet_editors_step_tests

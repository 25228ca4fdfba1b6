// The panel order and layout routines of the other device variants of the
// family: which panels each shows, the heights that follow the lowest shown
// control, and the rules of the BACnet, SNMP agent, PROFINET and TLS server
// panels.

#include "par_gen_form_fixture.h"

namespace par_gen_form_variants_tests {

using par_gen_form_testing::ParGenFormTest;

struct VariantCase {
    const char* code;
    QStringList panels;  // header texts after Ethernet Connection and EtherCAT Slave
};

const VariantCase kVariants[] = {
    {"41T00", {"Serial", "Ethernet"}},
    {"41T01", {"Modbus Master", "Ethernet"}},
    {"41T02", {"Modbus Slave", "Ethernet"}},
    {"41T03", {"Modbus TCP Master"}},
    {"41T04", {"Modbus TCP Slave"}},
    {"41T05", {"BACnet Master", "Ethernet"}},
    {"41T06", {"BACnet Slave", "Ethernet"}},
    {"41T07", {"CAN", "Ethernet"}},
    {"41T08", {"CANopen", "Ethernet"}},
    {"41T09", {"DeviceNet Master", "Ethernet"}},
    {"41T10", {"DeviceNet Slave", "Ethernet"}},
    {"41T11", {"DMX", "Ethernet"}},
    {"41T12", {"Ethernet"}},
    {"41T13", {"EtherNet/IP"}},
    {"41T14", {"IEC61850 Client"}},
    {"41T15", {"IEC61850 Server", "TLS (Transport Layer Security) Server"}},
    {"41T16", {"J1939", "Ethernet"}},
    {"41T17",
     {"Select Device", "MQTT", "Ethernet", "TLS (Transport Layer Security)", "NTP (Network Time Protocol)", "Wi-Fi",
      "GSM / GPRS / LTE"}},
    {"41T19", {"NMEA 2000", "Ethernet"}},
    {"41T20", {"OPC UA Client", "NTP (Network Time Protocol)"}},
    {"41T21", {"OPC UA Server", "NTP (Network Time Protocol)"}},
    {"41T23", {"PROFINET"}},
    {"41T24", {"SNMP Manager"}},
    {"41T25", {"SNMP Agent"}},
    {"41T26", {"EtherNet/IP Master"}},
    {"41T27", {"EtherNet/IP"}},
    {"41T28", {"S7comm"}},
};

class ParGenVariantTest : public ParGenFormTest {
protected:
    QStringList shownHeaders() const
    {
        QStringList headers;
        for (platform::TCategoryPanel* p : form->CPG->Panels())
            if (p->PanelVisible())
                headers << p->Caption();
        return headers;
    }

    // The bottom of the lowest shown control of a panel.
    static int lowestBottom(const platform::TCategoryPanel* panel)
    {
        int bottom = 0;
        for (const QWidget* w : panel->Surface()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden())
                bottom = std::max(bottom, w->y() + w->height());
        return bottom;
    }

    void expectHeightsFollowTheLowestControl()
    {
        for (platform::TCategoryPanel* p : form->CPG->Panels()) {
            if (p->PanelVisible()) {
                EXPECT_EQ(p->PanelHeight() - form->CPG->HeaderHeight() - 12, lowestBottom(p)) << p->objectName().toStdString();
            }
        }
    }

    void useVariant(const char* code)
    {
        form->Order_TAB_Panels_Variant(QString::fromLatin1(code));
        form->RePosition_Objects_Variant(QString::fromLatin1(code));
    }
};

TEST_F(ParGenVariantTest, EachVariantShowsItsPanelsNumberedAndSizedToTheirRows)
{
    show();
    ASSERT_EQ(std::size(kVariants), 27u);
    // The BACnet variants show the Ethernet panel for BACnet MS/TP only.
    list("CB_BACnet_Master_Type")->setCurrentIndex(1);
    list("CB_BACnet_Slave_Type")->setCurrentIndex(1);
    for (const VariantCase& v : kVariants) {
        SCOPED_TRACE(v.code);
        useVariant(v.code);
        QStringList expected = {"1. Ethernet Connection", "2. EtherCAT Slave"};
        for (int k = 0; k < v.panels.size(); ++k)
            expected << QStringLiteral("%1. %2").arg(k + 3).arg(v.panels[k]);
        EXPECT_EQ(shownHeaders().join(" | ").toStdString(), expected.join(" | ").toStdString());
        expectHeightsFollowTheLowestControl();
    }
}

TEST_F(ParGenVariantTest, BacnetTypeMovesTheSerialRowsUpAndDecidesTheEthernetPanel)
{
    show();
    useVariant("41T05");
    QComboBox* type = list("CB_BACnet_Master_Type");
    ASSERT_EQ(type->currentIndex(), 0);
    EXPECT_FALSE(panel("CP_Ethernet")->PanelVisible()) << "BACnet/IP carries the address itself";
    EXPECT_EQ(widget("L_BACnet_Master_IP")->y(), 40);
    EXPECT_TRUE(widget("CB_BACnet_Master_Baudrate")->isHidden());

    type->setCurrentIndex(1);
    form->RePosition_Objects_Variant("41T05");
    EXPECT_TRUE(panel("CP_Ethernet")->PanelVisible());
    EXPECT_TRUE(widget("E_BACnet_Master_IP1")->isHidden());
    EXPECT_TRUE(widget("L_BACnet_Master_IP_Dot1")->isHidden());
    EXPECT_EQ(widget("L_BACnet_Master_Baudrate")->y(), 40);
    EXPECT_EQ(widget("CB_BACnet_Master_Baudrate")->y(), 37);
    EXPECT_EQ(widget("L_BACnet_Master_Parity")->y(), 68);
    EXPECT_EQ(widget("L_BACnet_Master_Device_Instance")->y(), 40 + 6 * 28);
    expectHeightsFollowTheLowestControl();

    useVariant("41T06");
    EXPECT_EQ(widget("CB_BACnet_Slave_Desc_32")->y(), widget("L_BACnet_Slave_Device_ID")->y() + 28);
    list("CB_BACnet_Slave_Type")->setCurrentIndex(1);
    form->RePosition_Objects_Variant("41T06");
    EXPECT_EQ(widget("L_BACnet_Slave_NetWork")->y(), 40 + 7 * 28);
    EXPECT_EQ(widget("CB_BACnet_Slave_Desc_32")->y(), 40 + 8 * 28);
    expectHeightsFollowTheLowestControl();
}

TEST_F(ParGenVariantTest, SnmpAgentVersionThreeRows)
{
    show();
    useVariant("41T25");
    const auto shown = [this](const char* name) { return !widget(name)->isHidden(); };
    EXPECT_FALSE(shown("E_SNMP_Agent_User"));
    box("CB_SNMP_Agent_Version3")->setChecked(true);
    form->RePosition_Objects_Variant("41T25");
    EXPECT_TRUE(shown("E_SNMP_Agent_User"));
    EXPECT_FALSE(shown("E_SNMP_Agent_Authority"));
    list("CB_SNMP_Agent_SecurityLevel")->setCurrentIndex(1);
    form->RePosition_Objects_Variant("41T25");
    EXPECT_TRUE(shown("CB_SNMP_Agent_AuthorityMode"));
    EXPECT_FALSE(shown("E_SNMP_Agent_Privacy"));
    list("CB_SNMP_Agent_SecurityLevel")->setCurrentIndex(2);
    form->RePosition_Objects_Variant("41T25");
    EXPECT_TRUE(shown("CB_SNMP_Agent_PrivacyMode"));
    expectHeightsFollowTheLowestControl();
}

TEST_F(ParGenVariantTest, ProfinetTlsServerAndDhcpSwitch)
{
    show();
    useVariant("41T23");
    EXPECT_TRUE(widget("CB_PROFINET_Diagnostic")->isHidden());
    EXPECT_TRUE(widget("E_PROFINET_Diagnostic")->isHidden());
    EXPECT_EQ(widget("CB_PROFINET_Disable_Reset")->y(), 12 + 7 * 28);
    box("CB_EthConn_En_DHCP_Cable")->setChecked(true);
    form->RePosition_Objects_Variant("41T23");
    EXPECT_FALSE(widget("E_PROFINET_IP1")->isEnabled());
    EXPECT_FALSE(widget("CB_PROFINET_En_GAT")->isEnabled());

    useVariant("41T26");
    EXPECT_FALSE(widget("E_EtherNetIP_Master_GAT4")->isEnabled());
    EXPECT_TRUE(widget("CB_EtherNetIP_Master_En_GAT")->isEnabled()) << "switch without the gateway box";

    useVariant("41T15");
    EXPECT_TRUE(widget("E_TLS_Server_Key")->isHidden());
    box("CB_TLS_Server_Enable")->setChecked(true);
    form->RePosition_Objects_Variant("41T15");
    EXPECT_FALSE(widget("CB_TLS_Server_Known_Cert")->isHidden());
    expectHeightsFollowTheLowestControl();
}

}  // namespace par_gen_form_variants_tests

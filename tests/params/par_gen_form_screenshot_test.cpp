// Pictures of the general parameters form, expanded and with each choice,
// written to <build>/screenshots/par_gen for looking at.

#include <QDir>
#include <QPixmap>
#include <QScrollBar>

#include "par_gen_form_fixture.h"

namespace par_gen_form_screenshot_tests {

using par_gen_form_testing::ParGenFormTest;

class ParGenFormScreenshot : public ParGenFormTest {
protected:
    QString folderPath() const
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/par_gen");
        QDir().mkpath(dir);
        return dir;
    }

    // The whole form with the panel group tall enough for every panel.
    void grab(const QString& name)
    {
        QApplication::processEvents();
        const int content = form->CPG->widget()->minimumHeight();
        form->resize(form->width(), content + 69 + 40 + 4);
        QApplication::processEvents();
        const QPixmap picture = form->grab();
        ASSERT_TRUE(picture.save(folderPath() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
};

TEST_F(ParGenFormScreenshot, WritesTheFormWithEachChoice)
{
    show();
    grab(QStringLiteral("01_new_project"));

    edit("E_NTP_Poll_Time")->setText(QStringLiteral("60"));
    box("CB_MQTT_WillFlag")->setChecked(true);
    box("CB_MQTT_PublishTopicConnection")->setChecked(true);
    box("CB_TLS_Enable")->setChecked(true);
    box("CB_TLS_En_Server_Auth")->setChecked(true);
    box("CB_TLS_En_Client_Auth")->setChecked(true);
    box("CB_EthConn_Enable_DNS")->setChecked(true);
    box("CB_Ethernet_En_GAT")->setChecked(true);
    grab(QStringLiteral("02_mqtt_and_tls_options_on"));

    list("CB_Select_Device_Device")->setCurrentIndex(1);
    list("CB_WiFi2_Type")->setCurrentIndex(0);
    grab(QStringLiteral("03_wifi_access_point_unsecured"));

    list("CB_WiFi2_Secure_Type")->setCurrentIndex(2);
    box("CB_WiFi2_En_DHCP")->setChecked(true);
    box("CB_WiFi2_IP1_En_GAT")->setChecked(true);
    grab(QStringLiteral("04_wifi_access_point_secured_dhcp"));

    list("CB_WiFi2_Type")->setCurrentIndex(1);
    grab(QStringLiteral("05_wifi_station"));

    box("CB_EthConn_En_DHCP_Cable")->setChecked(true);
    list("CB_Select_Device_Device")->setCurrentIndex(2);
    grab(QStringLiteral("06_mobile_link_and_cable_dhcp"));

    // The form as it opens, 700 px high, scrolled half-way.
    form->resize(form->width(), 700);
    QApplication::processEvents();
    form->CPG->verticalScrollBar()->setValue(form->CPG->verticalScrollBar()->maximum() / 2);
    QApplication::processEvents();
    ASSERT_TRUE(form->grab().save(folderPath() + QStringLiteral("/07_opening_size_scrolled.png")));
}

TEST_F(ParGenFormScreenshot, WritesOtherVariantsOfTheFamily)
{
    show();
    list("CB_BACnet_Slave_Type")->setCurrentIndex(1);
    box("CB_SNMP_Agent_Version3")->setChecked(true);
    list("CB_SNMP_Agent_SecurityLevel")->setCurrentIndex(2);
    for (const char* code : {"41T06", "41T15", "41T25"}) {
        form->Order_TAB_Panels_Variant(QString::fromLatin1(code));
        form->RePosition_Objects_Variant(QString::fromLatin1(code));
        grab(QStringLiteral("variant_%1").arg(QLatin1String(code)));
    }
}

}  // namespace par_gen_form_screenshot_tests

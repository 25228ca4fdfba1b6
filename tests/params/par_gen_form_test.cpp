// The general parameters form: loading and saving ParGen.xml, the checks on
// OK, the panel order and the row layout that follows the user's choices,
// and the dot key of the address fields.

#include <QFile>
#include <QScrollBar>
#include <QPlainTextEdit>
#include <QTest>

#include "par_gen_form_fixture.h"
#include "platform/xml_document.h"

namespace par_gen_form_tests {

using par_gen_form_testing::ParGenFormTest;

// name=value lines of a fixture, in order.
QList<QPair<QString, QString>> fixtureElements(const QString& name)
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/params/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QPair<QString, QString>> elements;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype eq = line.indexOf(u'=');
        elements.append({line.left(eq), line.mid(eq + 1)});
    }
    return elements;
}

// The elements of a written ParGen.xml, in file order.
QList<QPair<QString, QString>> writtenElements(const QString& path)
{
    platform::XmlDocument doc;
    EXPECT_TRUE(doc.load(path));
    QList<QPair<QString, QString>> elements;
    for (const platform::XmlElement& e : doc.root().children())
        elements.append({e.name(), e.text()});
    return elements;
}

QString xmlWith(const QList<QPair<QString, QString>>& elements)
{
    QString text = QStringLiteral("<Par_Gen>");
    for (const auto& [name, value] : elements)
        text += QStringLiteral("<%1>%2</%1>").arg(name, value);
    return text + QStringLiteral("</Par_Gen><!--SW_VERSION = 1.001-->");
}

// ---------------------------------------------------------------- load and save

TEST_F(ParGenFormTest, NewProjectOkFailsOnThePollTimeThenWritesEveryElementInOrder)
{
    show();
    EXPECT_EQ(edit("E_NTP_Poll_Time")->text(), QString());
    form->Btn_OKClick();
    ASSERT_EQ(dialogs.texts(), QStringList{"Error NTP!! Poll Time must be between 0 and 10000000 seconds"});
    EXPECT_FALSE(QFile::exists(path())) << "a failed check writes nothing";
    EXPECT_TRUE(form->isVisible());

    edit("E_NTP_Poll_Time")->setText(QStringLiteral("60"));
    form->Btn_OKClick();
    EXPECT_EQ(dialogs.texts().size(), 1);
    EXPECT_EQ(form->result(), platform::mrOk);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(writtenElements(path()), fixtureElements(QStringLiteral("par_gen_form_new_project.txt")));
    EXPECT_TRUE(folder.read(QStringLiteral("ParGen.xml")).startsWith("<Par_Gen>"));
}

TEST_F(ParGenFormTest, ShowingGivesEveryControlItsElementOrItsDefault)
{
    // Every element present with a value that differs from its default.
    QList<QPair<QString, QString>> elements = fixtureElements(QStringLiteral("par_gen_form_new_project.txt"));
    const QHash<QString, QString> changed = {
        {"Eth_Conn_Device_Name", "gw-01"}, {"Eth_Conn_DHCP_WiFi", "1"},   {"Eth_Conn_Primary_DNS3", "1"},
        {"EtherCAT_Slave_Name", "slave"},  {"Select_Device", "2"},        {"MQTT_Password", "a\nb"},
        {"MQTT_Will_QoS", "2"},            {"MQTT_Reprogram_Value", "7"}, {"WiFi_Type", "1"},
        {"WiFi_EN_Gateway", "1"},          {"WiFi_Channel", "11"},        {"TLS_Enable", "01"},
        {"MQTT_Clean_Session", "01"},      {"WiFi_SSID", "net"},          {"GSM_GPRS_AUTHTYPE", "pap or chap"},
        {"NTP_Poll_Time", ""},
    };
    for (auto& [name, value] : elements)
        if (changed.contains(name))
            value = changed.value(name);
    folder.write(QStringLiteral("ParGen.xml"), xmlWith(elements).toUtf8());
    show();
    EXPECT_EQ(edit("E_EthConn_Device_Name")->text(), "gw-01");
    EXPECT_FALSE(box("CB_EthConn_En_DHCP_WiFi")->isChecked()) << "never read";
    EXPECT_EQ(edit("E_EthConn_Pri_DNS_IP3")->text(), "1");
    EXPECT_EQ(edit("E_EtherCAT_Slave_Name")->text(), "slave");
    EXPECT_EQ(list("CB_Select_Device_Device")->currentIndex(), 2);
    EXPECT_EQ(form->fieldText("E_MQTT_Password"), "a\nb");
    EXPECT_EQ(list("CB_MQTT_Will_QoS")->currentIndex(), 2);
    EXPECT_EQ(edit("E_MQTT_Reproram_Value")->text(), "7");
    EXPECT_EQ(list("CB_WiFi2_Type")->currentIndex(), 1);
    EXPECT_TRUE(box("CB_WiFi2_IP1_En_GAT")->isChecked());
    EXPECT_EQ(list("CB_WiFi2_Channel")->currentIndex(), 11);
    EXPECT_TRUE(box("CB_TLS_Enable")->isChecked()) << "\"01\" is the number 1";
    EXPECT_FALSE(box("CB_MQTT_Clean_Session")->isChecked()) << "only the text \"1\" checks it";
    EXPECT_EQ(edit("E_WiFi2_SSID")->text(), "net");
    EXPECT_EQ(list("CB_GSM_GPRS_AuthType")->currentText(), "PAP or CHAP");
    EXPECT_EQ(edit("E_NTP_Poll_Time")->text(), "") << "present but empty";
    EXPECT_EQ(edit("E_MQTT_ASync_Send_Time")->text(), "10") << "the element's own value";

    // Saved again, the file holds what was read (the Wi-Fi DHCP box as 0).
    edit("E_NTP_Poll_Time")->setText("5");
    form->Btn_OKClick();
    ASSERT_TRUE(dialogs.texts().isEmpty()) << dialogs.texts().join('\n').toStdString();
    for (auto& [name, value] : elements) {
        if (name == "Eth_Conn_DHCP_WiFi")
            value = "0";
        else if (name == "TLS_Enable")
            value = "1";
        else if (name == "MQTT_Clean_Session")
            value = "0";
        else if (name == "GSM_GPRS_AUTHTYPE")
            value = "PAP or CHAP";
        else if (name == "NTP_Poll_Time")
            value = "5";
    }
    EXPECT_EQ(writtenElements(path()), elements);
}

TEST_F(ParGenFormTest, MissingOrUnreadableElementsTakeTheirDefaults)
{
    folder.write(QStringLiteral("ParGen.xml"),
                 "<Par_Gen><Ethernet_IP1><x/></Ethernet_IP1><WiFi_Channel>abc</WiFi_Channel>"
                 "<TLS_Enable>yes</TLS_Enable><GSM_GPRS_AUTHTYPE>MSCHAP</GSM_GPRS_AUTHTYPE>"
                 "<Select_Device>7</Select_Device><WiFi_Secure_Type>-1</WiFi_Secure_Type></Par_Gen>");
    box("CB_TLS_Enable")->setChecked(true);
    show();
    EXPECT_EQ(edit("E_Ethernet_IP1")->text(), "192");
    EXPECT_EQ(list("CB_WiFi2_Channel")->currentIndex(), 1);
    EXPECT_FALSE(box("CB_TLS_Enable")->isChecked());
    EXPECT_EQ(list("CB_GSM_GPRS_AuthType")->currentText(), "None");
    EXPECT_EQ(edit("E_EtherCAT_Slave_Name")->text(), "devicename1");
    EXPECT_EQ(edit("E_MQTT_ASync_Send_Time")->text(), "") << "the file exists: the element's default";
    // An index outside its list selects the element's default item and is
    // never saved as -1.
    EXPECT_EQ(list("CB_Select_Device_Device")->currentIndex(), 0);
    EXPECT_EQ(list("CB_WiFi2_Secure_Type")->currentIndex(), 0);
    edit("E_NTP_Poll_Time")->setText("1");
    form->Btn_OKClick();
    for (const auto& [name, value] : writtenElements(path()))
        EXPECT_NE(value, "-1") << name.toStdString();
}

TEST_F(ParGenFormTest, WithoutAFileTheHiddenReprogrammingFieldsAreReset)
{
    show();
    box("CB_MQTT_Enable_ReProgram")->setChecked(true);
    edit("E_MQTT_Reprogram_Topic")->setText("old/topic");
    edit("E_MQTT_Reproram_Value")->setText("9");
    edit("E_MQTT_ASync_Send_Time")->setText("30");
    form->hide();
    show();
    EXPECT_FALSE(box("CB_MQTT_Enable_ReProgram")->isChecked());
    EXPECT_EQ(edit("E_MQTT_Reprogram_Topic")->text(), "");
    EXPECT_EQ(edit("E_MQTT_Reproram_Value")->text(), "");
    EXPECT_EQ(edit("E_MQTT_ASync_Send_Time")->text(), "10");
}

TEST_F(ParGenFormTest, CancelWritesNothingAndTheNextShowingReloads)
{
    form->setModal(true);
    show();
    edit("E_EthConn_Device_Name")->setText("typed");
    QTest::mouseClick(form->buttons.Btn_Cancel, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(form->result(), platform::mrCancel);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(path()));
    show();
    EXPECT_EQ(edit("E_EthConn_Device_Name")->text(), "");
}

TEST_F(ParGenFormTest, UnreadableFileOrFailedSaveIsShownAndNothingIsLost)
{
    folder.write(QStringLiteral("ParGen.xml"), "<Par_Gen><unclosed></Par_Gen>");
    EXPECT_FALSE(form->FormShow());
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts().front().contains("ParGen.xml"));

    dialogs.reset();
    app::appState().ParGen_Path = folder.file(QStringLiteral("missing-folder/ParGen.xml"));
    show();
    edit("E_NTP_Poll_Time")->setText("60");
    form->Btn_OKClick();
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(form->isVisible()) << "the form stays open with the user's values";
    EXPECT_EQ(edit("E_NTP_Poll_Time")->text(), "60");
}

TEST_F(ParGenFormTest, OkAsksBeforeReplacingAFileChangedSinceItWasLoaded)
{
    const QString question =
        "ParGen.xml was changed, created or removed by another program after this window loaded it. "
        "Do you want to replace it with the values shown here?";
    const QByteArray theirs = "<Par_Gen><NTP_Poll_Time>5</NTP_Poll_Time></Par_Gen>";
    struct Case {
        const char* what;
        const char* atLoad;  // nullptr: no file when the form loads
        const char* atOk;    // nullptr: no file when OK is pressed
    };
    const Case cases[] = {
        {"changed", "<Par_Gen><NTP_Poll_Time>1</NTP_Poll_Time></Par_Gen>", theirs.constData()},
        {"created", nullptr, theirs.constData()},
        {"removed", "<Par_Gen><NTP_Poll_Time>1</NTP_Poll_Time></Par_Gen>", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path());
        if (c.atLoad)
            folder.write(QStringLiteral("ParGen.xml"), c.atLoad);
        show();
        edit("E_NTP_Poll_Time")->setText("60");
        QFile::remove(path());
        if (c.atOk)
            folder.write(QStringLiteral("ParGen.xml"), c.atOk);

        // No: nothing is written and the form stays open with the values.
        dialogs.reset();
        dialogs.answer(platform::MessageResult::No);
        form->Btn_OKClick();
        ASSERT_EQ(dialogs.texts(), QStringList{question});
        EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Confirmation);
        EXPECT_EQ(dialogs.shown()[0].buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(QFile::exists(path()), c.atOk != nullptr);
        if (c.atOk) {
            EXPECT_EQ(folder.read(QStringLiteral("ParGen.xml")), QByteArray(c.atOk));
        }
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(edit("E_NTP_Poll_Time")->text(), "60");

        // Yes: the form's values replace the file.
        dialogs.reset();
        dialogs.answer(platform::MessageResult::Yes);
        form->Btn_OKClick();
        EXPECT_EQ(dialogs.texts(), QStringList{question});
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(folder.read(QStringLiteral("ParGen.xml")).contains("<NTP_Poll_Time>60</NTP_Poll_Time>"));
    }

    // A failed check comes first; a file left as loaded is replaced unasked.
    show();
    edit("E_NTP_Poll_Time")->setText("");
    folder.write(QStringLiteral("ParGen.xml"), theirs);
    dialogs.reset();
    form->Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error NTP!! Poll Time must be between 0 and 10000000 seconds"});
    form->hide();
    show();
    edit("E_NTP_Poll_Time")->setText("70");
    dialogs.reset();
    form->Btn_OKClick();
    EXPECT_TRUE(dialogs.texts().isEmpty());
    EXPECT_TRUE(folder.read(QStringLiteral("ParGen.xml")).contains("<NTP_Poll_Time>70</NTP_Poll_Time>"));
}

TEST_F(ParGenFormTest, ChecksReadTheFieldsEvenInACollapsedOrDisabledPanel)
{
    show();
    edit("E_NTP_Poll_Time")->setText("60");
    box("CB_EthConn_En_DHCP_Cable")->setChecked(true);
    edit("E_Ethernet_IP1")->setText("300");
    EXPECT_FALSE(edit("E_Ethernet_IP1")->isEnabled());
    EXPECT_FALSE(form->Controllo_Dati());
    EXPECT_EQ(dialogs.texts().back(), "Error Ethernet!! IP Address 1 must be between 0 and 255");

    edit("E_Ethernet_IP1")->setText("10");
    ASSERT_EQ(list("CB_Select_Device_Device")->currentIndex(), 0);
    EXPECT_FALSE(panel("CP_WiFi2")->isEnabled());
    edit("E_WiFi2_IP1_SM2")->setText("");
    EXPECT_FALSE(form->Controllo_Dati());
    EXPECT_EQ(dialogs.texts().back(), "Error WiFi!! SubNet Mask 2 must be between 0 and 255");

    list("CB_WiFi2_Type")->setCurrentIndex(1);
    EXPECT_FALSE(form->Controllo_Dati());
    EXPECT_EQ(dialogs.texts().back(), "Error WiFi - IP Address 1 !! SubNet Mask 2 must be between 0 and 255");
    edit("E_WiFi2_IP1_SM2")->setText("255");
    EXPECT_TRUE(form->Controllo_Dati());
}

// ---------------------------------------------------------------- panels

TEST_F(ParGenFormTest, NinePanelsInOrderWithNumberedHeaders)
{
    show();
    const QStringList expected = {"1. Ethernet Connection", "2. EtherCAT Slave", "3. Select Device",
                                  "4. MQTT", "5. Ethernet", "6. TLS (Transport Layer Security)",
                                  "7. NTP (Network Time Protocol)", "8. Wi-Fi", "9. GSM / GPRS / LTE"};
    QStringList shown;
    int lastTop = -1;
    for (platform::TCategoryPanel* p : form->CPG->Panels()) {
        if (!p->PanelVisible())
            continue;
        shown << p->Caption();
        EXPECT_GT(form->CPG->PanelTop(p), lastTop);
        lastTop = form->CPG->PanelTop(p);
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(form->CPG->Panels().size(), 34u);

    // The tab order runs through the panels in order, each header before its rows.
    const auto nextTabStop = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    EXPECT_EQ(nextTabStop(panel("CP_Ethernet_Connection")), widget("E_EthConn_Device_Name"));
    EXPECT_EQ(nextTabStop(widget("E_EthConn_Device_Name")), widget("CB_EthConn_En_DHCP_Cable"));
    EXPECT_EQ(nextTabStop(widget("E_EthConn_Sec_DNS_IP4")), panel("CP_EtherCAT_Slave"));
    EXPECT_EQ(nextTabStop(widget("E_GSM_GPRS_Password")), form->buttons.Btn_OK);
    EXPECT_EQ(form->width(), 460);
    EXPECT_EQ(form->windowTitle(), "Set Communication");
}

TEST_F(ParGenFormTest, LinkChoiceEnablesTheWiFiOrTheMobilePanel)
{
    show();
    struct Case {
        int index;
        bool wifi;
        bool mobile;
    };
    for (const Case c : {Case{1, true, false}, Case{2, false, true}, Case{0, false, false}}) {
        SCOPED_TRACE(c.index);
        list("CB_Select_Device_Device")->setCurrentIndex(c.index);
        EXPECT_EQ(panel("CP_WiFi2")->isEnabled(), c.wifi);
        EXPECT_EQ(!panel("CP_WiFi2")->Collapsed(), c.wifi);
        EXPECT_EQ(panel("CP_GSM_GPRS")->isEnabled(), c.mobile);
        EXPECT_EQ(!panel("CP_GSM_GPRS")->Collapsed(), c.mobile);
    }
    list("CB_Select_Device_Device")->setCurrentIndex(-1);
    EXPECT_FALSE(panel("CP_WiFi2")->isEnabled());
    EXPECT_TRUE(panel("CP_GSM_GPRS")->isEnabled());
}

int top(const QWidget* w)
{
    return w->y();
}

TEST_F(ParGenFormTest, WiFiRowsFollowTheTypeSecurityAndDhcp)
{
    show();
    list("CB_Select_Device_Device")->setCurrentIndex(1);
    // Station.
    list("CB_WiFi2_Type")->setCurrentIndex(1);
    EXPECT_EQ(top(widget("L_WiFi2_Type")), 12);
    EXPECT_TRUE(widget("L_WiFi2_IP1")->isHidden());
    EXPECT_EQ(top(widget("L_WiFi2_IP1_IP")), 40);
    EXPECT_EQ(top(widget("E_WiFi2_IP1_IP1")), 37);
    EXPECT_EQ(top(widget("L_WiFi2_IP1_IP_Dot1")), 40);
    EXPECT_EQ(top(widget("L_WiFi2_IP1_SM")), 68);
    EXPECT_EQ(top(widget("CB_WiFi2_IP1_En_GAT")), 96);
    EXPECT_EQ(top(widget("E_WiFi2_IP1_GAT4")), 94);
    EXPECT_EQ(top(widget("L_WiFi2_SSID")), 124);
    EXPECT_EQ(top(widget("E_WiFi2_SSID")), 121);
    EXPECT_EQ(top(widget("L_WiFi2_Password")), 152);
    for (const char* hidden : {"L_WiFi2_IP2", "E_WiFi2_IP2_IP1", "L_WiFi2_IP2_IP_Dot2", "CB_WiFi2_IP2_En_GAT",
                               "CB_WiFi2_Secure_Type", "CB_WiFi2_En_DHCP", "E_WiFi2_Lease_Time",
                               "CB_WiFi2_Max_Client", "CB_WiFi2_Channel"})
        EXPECT_TRUE(widget(hidden)->isHidden()) << hidden;

    // Access point, unsecured, DHCP off.
    list("CB_WiFi2_Type")->setCurrentIndex(0);
    const struct {
        const char* control;
        int top;
    } unsecured[] = {{"L_WiFi2_IP1_IP", 40},       {"L_WiFi2_IP1_SM", 68},     {"CB_WiFi2_IP1_En_GAT", 96},
                     {"L_WiFi2_SSID", 124},        {"L_WiFi2_Secure_Type", 152}, {"CB_WiFi2_Secure_Type", 149},
                     {"CB_WiFi2_En_DHCP", 180},    {"L_WiFi2_Max_Client", 208}, {"CB_WiFi2_Max_Client", 205},
                     {"L_WiFi2_Channel", 236}};
    for (const auto& c : unsecured)
        EXPECT_EQ(top(widget(c.control)), c.top) << c.control;
    EXPECT_TRUE(widget("E_WiFi2_Password")->isHidden());
    EXPECT_TRUE(widget("L_WiFi2_IP2")->isHidden());
    EXPECT_TRUE(widget("L_WiFi2_IP2_SM_Dot3")->isHidden()) << "separators of the second block hidden too";

    // Access point, secured, DHCP on.
    list("CB_WiFi2_Secure_Type")->setCurrentIndex(1);
    box("CB_WiFi2_En_DHCP")->setChecked(true);
    const struct {
        const char* control;
        int top;
    } secured[] = {{"L_WiFi2_Password", 180},   {"CB_WiFi2_En_DHCP", 208}, {"L_WiFi2_DHCP_First_IP", 236},
                   {"E_WiFi2_DHCP_First_IP4", 233}, {"L_WiFi2_DHCP_SM", 264}, {"L_WiFi2_Lease_Time", 292},
                   {"L_WiFi2_Max_Client", 320}, {"L_WiFi2_Channel", 348}};
    for (const auto& c : secured)
        EXPECT_EQ(top(widget(c.control)), c.top) << c.control;
    EXPECT_FALSE(widget("E_WiFi2_Password")->isHidden());

    // The panel's height follows its lowest control: the channel list.
    const QWidget* channel = widget("CB_WiFi2_Channel");
    EXPECT_EQ(panel("CP_WiFi2")->PanelHeight(), channel->y() + channel->height() + form->CPG->HeaderHeight() + 12);
}

TEST_F(ParGenFormTest, MqttRowsFollowWillAndConnectionPublishing)
{
    show();
    EXPECT_EQ(top(widget("CB_MQTT_PublishTopicConnection")), 180);
    EXPECT_EQ(top(widget("L_MQTT_Username")), 208);
    EXPECT_EQ(top(widget("E_MQTT_Username")), 205);
    EXPECT_EQ(top(widget("L_MQTT_Password")), 236);
    EXPECT_TRUE(widget("E_MQTT_Will_TopicName")->isHidden());
    for (const char* hidden : {"E_MQTT_ASync_Send_Time", "E_MQTT_TopicDALIAns", "CB_MQTT_Enable_ReProgram",
                               "E_MQTT_Reprogram_Topic", "E_MQTT_Reproram_Value"})
        EXPECT_TRUE(widget(hidden)->isHidden()) << hidden;

    box("CB_MQTT_WillFlag")->setChecked(true);
    box("CB_MQTT_PublishTopicConnection")->setChecked(true);
    const struct {
        const char* control;
        int top;
    } both[] = {{"L_MQTT_Will_TopicName", 180}, {"L_MQTT_Will_Message", 208},
                {"CB_MQTT_Will_Retained", 236}, {"L_MQTT_Will_QoS", 264},
                {"CB_MQTT_PublishTopicConnection", 292}, {"L_MQTT_Connection_TopicName", 320},
                {"E_MQTT_Connection_TopicName", 317}, {"L_MQTT_Connection_Message", 348},
                {"CB_MQTT_Connection_Retained", 376}, {"L_MQTT_Username", 404},
                {"L_MQTT_Password", 432}, {"E_MQTT_Password", 429}};
    for (const auto& c : both) {
        EXPECT_EQ(top(widget(c.control)), c.top) << c.control;
        EXPECT_FALSE(widget(c.control)->isHidden()) << c.control;
    }
}

TEST_F(ParGenFormTest, TlsRowsFollowTheAuthenticationBoxes)
{
    show();
    EXPECT_TRUE(widget("CB_TLS_En_Server_Auth")->isHidden());
    const QWidget* enable = widget("CB_TLS_Enable");
    EXPECT_EQ(panel("CP_TLS")->PanelHeight(), enable->y() + enable->height() + form->CPG->HeaderHeight() + 12);

    box("CB_TLS_Enable")->setChecked(true);
    box("CB_TLS_En_Client_Auth")->setChecked(true);
    EXPECT_EQ(top(widget("CB_TLS_En_Server_Auth")), 40);
    EXPECT_TRUE(widget("E_TLS_Server_Cert")->isHidden());
    EXPECT_EQ(top(widget("CB_TLS_En_Client_Auth")), 68);
    EXPECT_EQ(top(widget("L_TLS_Client_Cert")), 96);
    EXPECT_EQ(top(widget("E_TLS_Client_Cert")), 93);
    EXPECT_EQ(top(widget("L_TLS_Client_Cert_Key")), 124);
    EXPECT_EQ(top(widget("L_TLS_Client_Cert_Key_Pass")), 152);

    box("CB_TLS_En_Server_Auth")->setChecked(true);
    EXPECT_EQ(top(widget("L_TLS_Server_Cert")), 68);
    EXPECT_EQ(top(widget("E_TLS_Server_Cert")), 63);
    EXPECT_EQ(top(widget("CB_TLS_En_Client_Auth")), 91);
    const QWidget* pass = widget("E_TLS_Client_Cert_Key_Pass");
    EXPECT_EQ(panel("CP_TLS")->PanelHeight(), pass->y() + pass->height() + form->CPG->HeaderHeight() + 12);
}

TEST_F(ParGenFormTest, CableDhcpDisablesTheCableAddress)
{
    show();
    box("CB_EthConn_En_DHCP_Cable")->setChecked(true);
    for (const char* name : {"E_Ethernet_IP1", "E_Ethernet_SM4", "E_Ethernet_GAT2", "CB_Ethernet_En_GAT"})
        EXPECT_FALSE(widget(name)->isEnabled()) << name;
    EXPECT_TRUE(widget("E_Ethernet_TCP_Port")->isHidden());
    EXPECT_FALSE(widget("CB_EthConn_En_DHCP_WiFi")->isEnabled());
    box("CB_EthConn_En_DHCP_Cable")->setChecked(false);
    EXPECT_TRUE(widget("E_Ethernet_IP1")->isEnabled());
    EXPECT_TRUE(widget("CB_Ethernet_En_GAT")->isEnabled());
}

// ---------------------------------------------------------------- keys and wheel

TEST_F(ParGenFormTest, DotKeyMovesAlongTheAddressChains)
{
    show();
    form->activateWindow();
    list("CB_Select_Device_Device")->setCurrentIndex(1);
    box("CB_WiFi2_En_DHCP")->setChecked(true);
    struct Case {
        const char* from;
        const char* to;  // nullptr: the focus stays
    };
    const Case cases[] = {
        {"E_Ethernet_IP1", "E_Ethernet_IP2"},         {"E_Ethernet_IP4", "E_Ethernet_SM1"},
        {"E_Ethernet_SM4", "E_Ethernet_GAT1"},        {"E_Ethernet_GAT4", nullptr},
        {"E_EthConn_Pri_DNS_IP4", "E_EthConn_Sec_DNS_IP1"}, {"E_EthConn_Sec_DNS_IP4", nullptr},
        {"E_WiFi2_IP1_SM4", "E_WiFi2_IP1_GAT1"},      {"E_WiFi2_DHCP_First_IP4", "E_WiFi2_DHCP_SM1"},
        {"E_WiFi2_DHCP_SM4", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        QLineEdit* from = edit(c.from);
        const QString before = from->text();
        from->setFocus();
        QApplication::processEvents();
        QTest::keyClick(from, '.');
        EXPECT_EQ(from->text(), before) << "no dot is typed";
        EXPECT_EQ(QApplication::focusWidget(), c.to ? widget(c.to) : from);
    }
    // A next field that cannot take the focus leaves it where it is.
    edit("E_Ethernet_IP3")->setEnabled(false);
    edit("E_Ethernet_IP2")->setFocus();
    QTest::keyClick(edit("E_Ethernet_IP2"), '.');
    EXPECT_EQ(QApplication::focusWidget(), widget("E_Ethernet_IP2"));
    edit("E_Ethernet_IP3")->setEnabled(true);
    // Other keys pass unchanged.
    edit("E_WiFi2_IP1_IP4")->setFocus();
    QTest::keyClicks(edit("E_WiFi2_IP1_IP4"), "2,");
    EXPECT_EQ(edit("E_WiFi2_IP1_IP4")->text(), "1002,");
}

TEST_F(ParGenFormTest, WheelScrollsOnlyOverThePanelGroup)
{
    show();
    ASSERT_EQ(form->height(), 700);
    ASSERT_GT(form->CPG->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(form->FormMouseWheel(form->mapToGlobal(QPoint(100, 20)), -120)) << "over the title";
    EXPECT_FALSE(form->FormMouseWheel(form->buttons.P_Button->mapToGlobal(QPoint(10, 10)), -120));
    EXPECT_EQ(form->CPG->ScrollPosition(), 0);
    EXPECT_TRUE(form->FormMouseWheel(form->CPG->viewport()->mapToGlobal(QPoint(50, 50)), -120));
    EXPECT_GT(form->CPG->ScrollPosition(), 0);

    // A wheel over a list scrolls the group and leaves the list's choice.
    form->CPG->verticalScrollBar()->setValue(0);
    QComboBox* type = list("CB_Select_Device_Device");
    const QPoint at = type->rect().center();
    QWheelEvent wheel(at, type->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(type, &wheel);
    EXPECT_EQ(type->currentIndex(), 0);
    EXPECT_GT(form->CPG->ScrollPosition(), 0);
}

TEST_F(ParGenFormTest, FieldLimitsAndKeyFilters)
{
    // The SSID and the pass phrase never hold more than bank1 takes.
    EXPECT_EQ(edit("E_WiFi2_SSID")->maxLength(), 32);
    EXPECT_EQ(edit("E_WiFi2_Password")->maxLength(), 64);
    show();
    list("CB_Select_Device_Device")->setCurrentIndex(2);
    // The other limits stop typing; a longer text read from the file stays
    // whole and can be shortened.
    const std::pair<const char*, int> typingLimits[] = {
        {"E_EthConn_Device_Name", 31}, {"E_EtherCAT_Slave_Name", 15}, {"E_GSM_GPRS_UserName", 32}, {"E_GSM_GPRS_PIN", 8}};
    for (const auto& [name, limit] : typingLimits) {
        SCOPED_TRACE(name);
        QLineEdit* e = edit(name);
        e->clear();
        e->setFocus();
        QTest::keyClicks(e, QString(limit + 3, u'1'));
        EXPECT_EQ(e->text().size(), limit);
        e->setText(QString(limit + 3, u'1'));
        EXPECT_EQ(e->text().size(), limit + 3);
        e->end(false);
        QTest::keyClick(e, Qt::Key_Backspace);
        EXPECT_EQ(e->text().size(), limit + 2);
        QTest::keyClick(e, Qt::Key_1);
        EXPECT_EQ(e->text().size(), limit + 2);
    }
    // No typing limit where none is given.
    for (const char* name : {"E_EtherCAT_Slave_Revision_Number", "E_EtherCAT_Slave_Node_Address", "E_WiFi2_Lease_Time"}) {
        edit(name)->setText(QString(12, u'9'));
        EXPECT_EQ(edit(name)->text().size(), 12) << name;
    }
    // Multi-line texts come back exactly, non-breaking spaces included.
    const QString password = QStringLiteral("pa") + QChar(0xA0) + QStringLiteral("ss\nword");
    form->controlAs<QPlainTextEdit>(QStringLiteral("E_MQTT_Password"))->setPlainText(password);
    EXPECT_EQ(form->fieldText(QStringLiteral("E_MQTT_Password")), password);
    edit("E_GSM_GPRS_PIN")->clear();
    edit("E_GSM_GPRS_PIN")->setFocus();
    QTest::keyClicks(edit("E_GSM_GPRS_PIN"), "12a3");
    EXPECT_EQ(edit("E_GSM_GPRS_PIN")->text(), "123");
    edit("E_Ethernet_IP1")->clear();
    QTest::keyClicks(edit("E_Ethernet_IP1"), "ab");
    EXPECT_EQ(edit("E_Ethernet_IP1")->text(), "ab") << "octet fields accept any text";

    for (const auto& [in, kept] : std::vector<std::pair<QChar, bool>>{
             {u'0', true}, {u'1', true}, {u'A', true}, {u'F', true}, {u'\b', true}, {u'2', false}, {u'a', false}, {u'G', false}}) {
        QChar key = in;
        params::TFParGen::E_EtherCAT_Slave_NameKeyPress(key);
        EXPECT_EQ(key == in, kept) << int(in.unicode());
    }
}

TEST_F(ParGenFormTest, LanguageChangeRenewsLabelsAndTranslatedLists)
{
    show();
    list("CB_WiFi2_Type")->setCurrentIndex(1);
    app::Parse_Lng_Lines(app::textTable(), {"STR1545 = Gerätename", "STR889 = Client", "STR1544 = Verbindung"});
    form->Set_Lang();
    EXPECT_EQ(form->controlAs<QLabel>("L_EthConn_Device_Name")->text(), "Gerätename");
    EXPECT_EQ(list("CB_WiFi2_Type")->itemText(1), "Client");
    EXPECT_EQ(list("CB_WiFi2_Type")->currentIndex(), 0);
    EXPECT_EQ(panel("CP_Ethernet_Connection")->Caption(), "1. Ethernet Connection") << "headers stay";
    app::Load_Default_Texts(app::textTable());
}

}  // namespace par_gen_form_tests

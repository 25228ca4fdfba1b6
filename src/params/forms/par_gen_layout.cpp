// Panel order and row layout of the general parameters form, per device
// variant: which panels a variant shows, in which order and with which
// numbered headers, and where the rows inside them stand.
#include <QDebug>

#include "app/language.h"
#include "app/shared_checks.h"
#include "params/forms/par_gen_form.h"

namespace params {
namespace par_gen_layout_detail {

constexpr int kLayoutRowStep = 28;
constexpr int kPanelBottomMargin = 12;

}  // namespace par_gen_layout_detail

using par_gen_layout_detail::kLayoutRowStep;

// ---------------------------------------------------------------- helpers

const TFParGen::RowWidgets& TFParGen::row(const QString& key) const
{
    static const RowWidgets none;
    const auto it = rows_.constFind(key);
    if (it == rows_.constEnd()) {
        qWarning() << "TFParGen: no row" << key;
        return none;
    }
    return *it;
}

void TFParGen::placeRow(const QString& key, int labelTop, int fieldOffset)
{
    const RowWidgets& r = row(key);
    if (!r.desc)
        return;
    const int offset = fieldOffset < 0 ? r.desc->fieldOffset : fieldOffset;
    if (r.label)
        r.label->move(r.label->x(), labelTop);
    if (r.box)
        r.box->move(r.box->x(), labelTop);
    for (QWidget* f : r.fields)
        f->move(f->x(), labelTop - offset);
    for (QLabel* d : r.dots)
        d->move(d->x(), labelTop);
}

int TFParGen::designTop(const QString& key) const
{
    const RowWidgets& r = row(key);
    if (!r.desc)
        return 0;
    const ParGenPanel* desc = findParGenPanel(r.panel->objectName());
    int top = 12;
    for (const ParGenRow& candidate : desc->rows) {
        if (&candidate == r.desc)
            break;
        top += kLayoutRowStep;
    }
    return top;
}

void TFParGen::placeRowAtDesign(const QString& key)
{
    placeRow(key, designTop(key));
}

void TFParGen::showRow(const QString& key, bool shown)
{
    const RowWidgets& r = row(key);
    if (r.label)
        r.label->setVisible(shown);
    if (r.box)
        r.box->setVisible(shown);
    for (QWidget* f : r.fields)
        f->setVisible(shown);
    for (QLabel* d : r.dots)
        d->setVisible(shown);
}

void TFParGen::enableRowFields(const QString& key, bool enabled, bool withBox)
{
    const RowWidgets& r = row(key);
    for (QWidget* f : r.fields)
        f->setEnabled(enabled);
    if (withBox && r.box)
        r.box->setEnabled(enabled);
}

int TFParGen::rowTop(const QString& key) const
{
    const RowWidgets& r = row(key);
    if (r.label)
        return r.label->y();
    if (r.box)
        return r.box->y();
    return r.fields.isEmpty() ? 0 : r.fields.front()->y() + r.desc->fieldOffset;
}

int TFParGen::fieldTop(const QString& key) const
{
    const RowWidgets& r = row(key);
    return r.fields.isEmpty() ? rowTop(key) : r.fields.front()->y();
}

void TFParGen::heightFrom(const QString& panelName, const QString& controlName)
{
    const QWidget* w = control(controlName);
    platform::TCategoryPanel* p = panel(panelName);
    if (!w || !p)
        return;
    p->SetPanelHeight(w->y() + w->height() + CPG->HeaderHeight() + par_gen_layout_detail::kPanelBottomMargin);
}

void TFParGen::applyDhcpSwitch(const ParGenPanel& desc)
{
    if (desc.dhcp == ParGenDhcpSwitch::None)
        return;
    const bool enabled = !isChecked(QStringLiteral("CB_EthConn_En_DHCP_Cable"));
    for (const ParGenRow& r : desc.rows)
        if (r.kind == ParGenRowKind::Address || r.kind == ParGenRowKind::Gateway)
            enableRowFields(QString::fromLatin1(r.name), enabled, desc.dhcp == ParGenDhcpSwitch::WithGateway);
}

// ---------------------------------------------------------------- families

void TFParGen::Order_TAB_Panels()
{
    Order_TAB_Panels_Variant(QString::fromLatin1(kParGenVariant));
}

void TFParGen::Move_GroupBoxs()
{
    if (layingOut_)
        return;
    layingOut_ = true;
    RePosition_Objects_Variant(QString::fromLatin1(kParGenVariant));
    layingOut_ = false;
}

void TFParGen::Order_TAB_Panels_Variant(const QString& variantCode)
{
    const QStringList names = parGenPanelOrder(variantCode);
    std::vector<platform::TCategoryPanel*> order;
    for (platform::TCategoryPanel* p : CPG->Panels())
        p->SetPanelVisible(names.contains(p->objectName()));
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* w) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (int k = 0; k < names.size(); ++k) {
        platform::TCategoryPanel* p = panel(names[k]);
        const ParGenPanel* desc = findParGenPanel(names[k]);
        order.push_back(p);
        p->SetCaption(QStringLiteral("%1. ").arg(k + 1) + app::langText(desc->headerTextId));
        chain(p);
        for (const ParGenRow& r : desc->rows) {
            const RowWidgets& w = row(QString::fromLatin1(r.name));
            if (w.box)
                chain(w.box);
            for (QWidget* f : w.fields)
                chain(f);
        }
    }
    CPG->SetPanelOrder(order);
    chain(buttons.Btn_OK);
    chain(buttons.Btn_Cancel);
}

void TFParGen::RePosition_Objects_Variant(const QString& variantCode)
{
    const QStringList names = parGenPanelOrder(variantCode);
    for (const QString& name : names)
        RePosition_Object(name);
    if (variantCode == QLatin1String("41T05") || variantCode == QLatin1String("41T06")) {
        // With BACnet/IP the protocol panel carries the address itself.
        const QString type =
            variantCode == QLatin1String("41T05") ? QStringLiteral("CB_BACnet_Master_Type") : QStringLiteral("CB_BACnet_Slave_Type");
        panel(QStringLiteral("CP_Ethernet"))->SetPanelVisible(listIndex(type) != 0);
    }
    if (variantCode == QLatin1String("41T17"))
        applyLinkChoice();
}

void TFParGen::applyLinkChoice()
{
    platform::TCategoryPanel* wifi = panel(QStringLiteral("CP_WiFi2"));
    platform::TCategoryPanel* mobile = panel(QStringLiteral("CP_GSM_GPRS"));
    const auto off = [](platform::TCategoryPanel* p) {
        p->Collapse();
        p->setEnabled(false);
    };
    const auto on = [](platform::TCategoryPanel* p) {
        p->setEnabled(true);
        p->Expand();
    };
    switch (listIndex(QStringLiteral("CB_Select_Device_Device"))) {
    case 0:
        off(wifi);
        off(mobile);
        break;
    case 1:
        on(wifi);
        off(mobile);
        break;
    default:
        off(wifi);
        on(mobile);
        break;
    }
}

// ---------------------------------------------------------------- panels

void TFParGen::RePosition_Object(const QString& panelName)
{
    const ParGenPanel* desc = findParGenPanel(panelName);
    if (!desc)
        return;
    if (panelName == QLatin1String("CP_Ethernet_Connection")) {
        control(QStringLiteral("CB_EthConn_En_DHCP_WiFi"))->setEnabled(false);
    } else if (panelName == QLatin1String("CP_MQTT")) {
        layoutMqtt();
        return;
    } else if (panelName == QLatin1String("CP_Ethernet")) {
        showRow(QStringLiteral("E_Ethernet_TCP_Port"), false);
        showRow(QStringLiteral("E_Ethernet_UDP_Port"), false);
    } else if (panelName == QLatin1String("CP_TLS")) {
        layoutTls();
        return;
    } else if (panelName == QLatin1String("CP_WiFi2")) {
        layoutWiFi();
        return;
    } else if (panelName == QLatin1String("CP_BACnet_Master") || panelName == QLatin1String("CP_BACnet_Slave")) {
        layoutBacnet(panelName);
        return;
    } else if (panelName == QLatin1String("CP_SNMP_Agent")) {
        layoutSnmpAgent();
        applyDhcpSwitch(*desc);
        return;
    } else if (panelName == QLatin1String("CP_PROFINET")) {
        layoutProfinet();
    } else if (panelName == QLatin1String("CP_TLS_Server")) {
        layoutTlsServer();
        return;
    }
    heightFrom(panelName, QString::fromLatin1(desc->heightFrom));
    applyDhcpSwitch(*desc);
}

void TFParGen::layoutMqtt()
{
    const QString panelName = QStringLiteral("CP_MQTT");
    const QStringList willRows = {"E_MQTT_Will_TopicName", "E_MQTT_Will_Message", "CB_MQTT_Will_Retained",
                                  "CB_MQTT_Will_QoS"};
    int v = designTop(willRows.front());
    const bool will = isChecked(QStringLiteral("CB_MQTT_WillFlag"));
    for (const QString& key : willRows) {
        placeRowAtDesign(key);
        showRow(key, will);
    }
    if (will)
        v = rowTop(QStringLiteral("CB_MQTT_Will_QoS")) + kLayoutRowStep;
    placeRow(QStringLiteral("CB_MQTT_PublishTopicConnection"), v);

    const QStringList connectionRows = {"E_MQTT_Connection_TopicName", "E_MQTT_Connection_Message",
                                        "CB_MQTT_Connection_Retained"};
    const bool publish = isChecked(QStringLiteral("CB_MQTT_PublishTopicConnection"));
    int w = v + kLayoutRowStep;
    for (const QString& key : connectionRows) {
        if (publish) {
            placeRow(key, w);
            w += kLayoutRowStep;
        }
        showRow(key, publish);
    }
    placeRow(QStringLiteral("E_MQTT_Username"), w);
    placeRow(QStringLiteral("E_MQTT_Password"), w + kLayoutRowStep);
    for (const char* key : {"E_MQTT_ASync_Send_Time", "E_MQTT_TopicDALIAns", "CB_MQTT_Enable_ReProgram",
                            "E_MQTT_Reprogram_Topic", "E_MQTT_Reproram_Value"})
        showRow(QString::fromLatin1(key), false);
    heightFrom(panelName, QStringLiteral("E_MQTT_Password"));
}

void TFParGen::layoutTls()
{
    const QString panelName = QStringLiteral("CP_TLS");
    const QString serverBox = QStringLiteral("CB_TLS_En_Server_Auth");
    const QString serverCert = QStringLiteral("E_TLS_Server_Cert");
    const QString clientBox = QStringLiteral("CB_TLS_En_Client_Auth");
    const QStringList clientRows = {"E_TLS_Client_Cert", "E_TLS_Client_Cert_Key", "E_TLS_Client_Cert_Key_Pass"};
    if (!isChecked(QStringLiteral("CB_TLS_Enable"))) {
        for (const QString& key : QStringList{serverBox, serverCert, clientBox} + clientRows)
            showRow(key, false);
        heightFrom(panelName, QStringLiteral("CB_TLS_Enable"));
        return;
    }
    placeRowAtDesign(serverBox);
    showRow(serverBox, true);
    int v = rowTop(serverBox) + kLayoutRowStep;
    const bool server = isChecked(serverBox);
    showRow(serverCert, server);
    if (server) {
        placeRowAtDesign(serverCert);
        v = fieldTop(serverCert) + kLayoutRowStep;
    }
    placeRow(clientBox, v);
    showRow(clientBox, true);
    const bool client = isChecked(clientBox);
    int top = v + kLayoutRowStep;
    for (const QString& key : clientRows) {
        if (client) {
            placeRow(key, top, 3);
            top += kLayoutRowStep;
        }
        showRow(key, client);
    }
    heightFrom(panelName, client ? clientRows.back() : clientBox);
}

void TFParGen::layoutWiFi()
{
    const QString panelName = QStringLiteral("CP_WiFi2");
    const int t = rowTop(QStringLiteral("CB_WiFi2_Type"));
    const QStringList block1 = {"E_WiFi2_IP1_IP", "E_WiFi2_IP1_SM", "CB_WiFi2_IP1_En_GAT"};
    const QStringList block2 = {"E_WiFi2_IP2_IP", "E_WiFi2_IP2_SM", "CB_WiFi2_IP2_En_GAT"};
    const QString caption1 = QStringLiteral("L_WiFi2_IP1");
    const QString caption2 = QStringLiteral("L_WiFi2_IP2");
    const QStringList dhcpRows = {"E_WiFi2_DHCP_First_IP", "E_WiFi2_DHCP_SM", "E_WiFi2_Lease_Time"};
    const auto placeBlock = [this](const QStringList& block, int top, bool enabled) {
        for (const QString& key : block) {
            placeRow(key, top);
            showRow(key, true);
            enableRowFields(key, enabled, true);
            top += kLayoutRowStep;
        }
    };
    const auto hideAll = [this](const QStringList& keys) {
        for (const QString& key : keys)
            showRow(key, false);
    };

    if (listIndex(QStringLiteral("CB_WiFi2_Type")) == 0) {
        // Access point: one fixed address, its own network and DHCP server.
        showRow(caption1, false);
        placeBlock(block1, t + kLayoutRowStep, true);
        hideAll(QStringList{caption2} + block2);
        placeRow(QStringLiteral("E_WiFi2_SSID"), t + 4 * kLayoutRowStep);
        showRow(QStringLiteral("E_WiFi2_SSID"), true);
        placeRow(QStringLiteral("CB_WiFi2_Secure_Type"), t + 5 * kLayoutRowStep);
        showRow(QStringLiteral("CB_WiFi2_Secure_Type"), true);
        int c = t + 6 * kLayoutRowStep;
        const bool secured = listIndex(QStringLiteral("CB_WiFi2_Secure_Type")) >= 1;
        showRow(QStringLiteral("E_WiFi2_Password"), secured);
        if (secured) {
            placeRow(QStringLiteral("E_WiFi2_Password"), c);
            c += kLayoutRowStep;
        }
        placeRow(QStringLiteral("CB_WiFi2_En_DHCP"), c);
        showRow(QStringLiteral("CB_WiFi2_En_DHCP"), true);
        const bool dhcp = isChecked(QStringLiteral("CB_WiFi2_En_DHCP"));
        int d = c + kLayoutRowStep;
        for (const QString& key : dhcpRows) {
            if (dhcp) {
                placeRow(key, d);
                d += kLayoutRowStep;
            }
            showRow(key, dhcp);
        }
        placeRow(QStringLiteral("CB_WiFi2_Max_Client"), d);
        placeRow(QStringLiteral("CB_WiFi2_Channel"), d + kLayoutRowStep);
        showRow(QStringLiteral("CB_WiFi2_Max_Client"), true);
        showRow(QStringLiteral("CB_WiFi2_Channel"), true);
        heightFrom(panelName, QStringLiteral("CB_WiFi2_Channel"));
        return;
    }

    // Station: one address block per IP-side protocol.
    QString name1, name2;
    const int protocols = app::Get_Protocol_Names(name1, name2);
    const bool enabled = !isChecked(QStringLiteral("CB_EthConn_En_DHCP_WiFi"));
    int b = t + kLayoutRowStep;
    if (protocols == 2) {
        placeRow(caption1, b);
        showRow(caption1, true);
        controlAs<QLabel>(caption1)->setText(app::langText(890) + QStringLiteral(" - ") + name1);
        controlAs<QLabel>(caption1)->adjustSize();
        b += kLayoutRowStep;
    } else {
        showRow(caption1, false);
    }
    placeBlock(block1, b, enabled);
    int e = b + 3 * kLayoutRowStep;
    if (protocols == 2) {
        placeRow(caption2, e);
        showRow(caption2, true);
        controlAs<QLabel>(caption2)->setText(app::langText(907) + QStringLiteral(" - ") + name2);
        controlAs<QLabel>(caption2)->adjustSize();
        placeBlock(block2, e + kLayoutRowStep, enabled);
        e += 4 * kLayoutRowStep;
    } else {
        hideAll(QStringList{caption2} + block2);
    }
    placeRow(QStringLiteral("E_WiFi2_SSID"), e);
    placeRow(QStringLiteral("E_WiFi2_Password"), e + kLayoutRowStep);
    showRow(QStringLiteral("E_WiFi2_SSID"), true);
    showRow(QStringLiteral("E_WiFi2_Password"), true);
    hideAll(QStringList{"CB_WiFi2_Secure_Type", "CB_WiFi2_En_DHCP", "CB_WiFi2_Max_Client", "CB_WiFi2_Channel"} +
            dhcpRows);
    heightFrom(panelName, QStringLiteral("E_WiFi2_Password"));
}

void TFParGen::layoutBacnet(const QString& panelName)
{
    const bool master = panelName == QLatin1String("CP_BACnet_Master");
    const QString p = master ? QStringLiteral("BACnet_Master") : QStringLiteral("BACnet_Slave");
    const auto e = [&p](const char* suffix) { return QStringLiteral("E_") + p + QLatin1String(suffix); };
    const auto cb = [&p](const char* suffix) { return QStringLiteral("CB_") + p + QLatin1String(suffix); };
    QStringList ipRows = {e("_IP"), e("_SM"), cb("_En_GAT"), e("_Port"), e("_Name"), e("_Device_ID")};
    if (master)
        ipRows << e("_TimeOut");
    QStringList msRows = {cb("_Baudrate"), cb("_Parity"), e("_Ser_Name"), e("_MAC"),
                          e("_Max_Master"), e("_Max_Info_Frame"), e("_Device_Instance")};
    if (!master)
        msRows << e("_NetWork");
    const bool ip = listIndex(cb("_Type")) == 0;
    const bool enabled = !isChecked(QStringLiteral("CB_EthConn_En_DHCP_Cable"));
    for (const QString& key : ipRows) {
        placeRowAtDesign(key);
        showRow(key, ip);
    }
    for (const QString& key : {ipRows[0], ipRows[1], ipRows[2]})
        enableRowFields(key, enabled, true);
    int top = rowTop(ipRows.front());
    for (const QString& key : msRows) {
        showRow(key, !ip);
        placeRow(key, top);
        top += kLayoutRowStep;
    }
    if (master) {
        heightFrom(panelName, ip ? e("_TimeOut") : e("_Device_Instance"));
        return;
    }
    const QString box = cb("_Desc_32");
    placeRow(box, rowTop(ip ? e("_Device_ID") : e("_NetWork")) + kLayoutRowStep);
    heightFrom(panelName, box);
}

void TFParGen::layoutSnmpAgent()
{
    const bool v3 = isChecked(QStringLiteral("CB_SNMP_Agent_Version3"));
    const int level = listIndex(QStringLiteral("CB_SNMP_Agent_SecurityLevel"));
    const struct {
        const char* key;
        bool shown;
    } rows[] = {
        {"E_SNMP_Agent_User", v3},
        {"CB_SNMP_Agent_SecurityLevel", v3},
        {"E_SNMP_Agent_Authority", v3 && level != 0},
        {"CB_SNMP_Agent_AuthorityMode", v3 && level != 0},
        {"E_SNMP_Agent_Privacy", v3 && level != 0 && level != 1},
        {"CB_SNMP_Agent_PrivacyMode", v3 && level != 0 && level != 1},
    };
    QString lowest = QStringLiteral("CB_SNMP_Agent_Version3");
    for (const auto& r : rows) {
        showRow(QString::fromLatin1(r.key), r.shown);
        if (r.shown)
            lowest = QString::fromLatin1(r.key);
    }
    heightFrom(QStringLiteral("CP_SNMP_Agent"), lowest);
}

void TFParGen::layoutProfinet()
{
    showRow(QStringLiteral("CB_PROFINET_Diagnostic"), false);
    placeRow(QStringLiteral("CB_PROFINET_Disable_Reset"), designTop(QStringLiteral("CB_PROFINET_Diagnostic")));
}

void TFParGen::layoutTlsServer()
{
    const bool enabled = isChecked(QStringLiteral("CB_TLS_Server_Enable"));
    for (const char* key : {"E_TLS_Server_Key", "E_TLS_Server_Key_Pass", "E_TLS_Server_Server_Cert",
                            "E_TLS_Server_Root_Cert", "CB_TLS_Server_Known_Cert"})
        showRow(QString::fromLatin1(key), enabled);
    heightFrom(QStringLiteral("CP_TLS_Server"),
               enabled ? QStringLiteral("CB_TLS_Server_Known_Cert") : QStringLiteral("CB_TLS_Server_Enable"));
}

}  // namespace params

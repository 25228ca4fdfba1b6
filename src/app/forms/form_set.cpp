#include "app/forms/form_set.h"

#include <functional>

#include "app/forms/about_dialog.h"
#include "app/forms/main_window.h"
#include "app/forms/new_project_dialog.h"
#include "app/forms/open_conf_dialog.h"
#include "app/forms/soft_options_dialog.h"
#include "editors/ethercat_mqtt/device_update_form.h"
#include "editors/ethercat_mqtt/ethercat_slave_form.h"
#include "editors/ethercat_mqtt/ethercat_slave_group_form.h"
#include "editors/ethercat_mqtt/mqtt_set_topic_form.h"
#include "editors/ethercat_mqtt/topic_template_form.h"
#include "editors/ethernet/ethernet_ip/eds_picker_form.h"
#include "editors/ethernet/ethernet_ip/scanner_form.h"
#include "editors/ethernet/iec61850/client_form.h"
#include "editors/ethernet/iec61850/server_variables_form.h"
#include "editors/ethernet/modbus/modbus_set_access_form.h"
#include "editors/ethernet/modbus/modbus_tcp_master_form.h"
#include "editors/ethernet/opc_ua/opc_ua_add_server_form.h"
#include "editors/ethernet/opc_ua/opc_ua_client_form.h"
#include "editors/ethernet/opc_ua/opc_ua_scan_server_form.h"
#include "editors/ethernet/opc_ua/opc_ua_server_form.h"
#include "editors/ethernet/profinet/profinet_file_name_form.h"
#include "editors/ethernet/s7/s7_protocol_form.h"
#include "editors/ethernet/snmp/snmp_manager_form.h"
#include "editors/ethernet/snmp/snmp_trap_form.h"
#include "editors/fieldbus/bacnet/bacnet_client_form.h"
#include "editors/fieldbus/bacnet/bacnet_server_form.h"
#include "editors/fieldbus/bacnet/ede_import_form.h"
#include "editors/fieldbus/bacnet/eng_unit_form.h"
#include "editors/fieldbus/can/can_frame_forms.h"
#include "editors/fieldbus/canopen/canopen_forms.h"
#include "editors/fieldbus/devicenet/devicenet_network_form.h"
#include "editors/fieldbus/devicenet/devicenet_offset_form.h"
#include "editors/fieldbus/dmx/dmx_default_values_form.h"
#include "editors/fieldbus/j1939/j1939_receive_form.h"
#include "editors/fieldbus/j1939/j1939_transmit_form.h"
#include "editors/fieldbus/nmea2000/nmea_receive_form.h"
#include "editors/fieldbus/nmea2000/nmea_transmit_form.h"
#include "editors/ethernet/tls/tls_known_cert_form.h"
#include "params/forms/par_gen_form.h"

namespace app_forms {
namespace {

using Factory = std::function<std::unique_ptr<QWidget>()>;

template <typename Form>
Factory make()
{
    return [] { return std::make_unique<Form>(); };
}

// The forms in creation order. The forms of the family's other editors join
// this list, at their place, when they are built.
struct Creation {
    const char* className;
    Factory factory;
};

std::vector<Creation> creationList()
{
    return {
        {"TFNew_Project", make<TFNew_Project>()},
        {"TFOpenConf", make<TFOpenConf>()},
        {"TFAbout", make<TFAbout>()},
        {"TFSoftOptions", make<TFSoftOptions>()},
        {"TFParGen", make<params::TFParGen>()},
        {"TFEtherCATSlave", make<ethercat_mqtt::TFEtherCATSlave>()},
        {"TFBoot", make<ethercat_mqtt::TFBoot>()},
        {"TFSetAccess", make<ethernet_editors::TFSetAccess>()},
        {"TFModbus_TCP_Master_Set_Access", make<ethernet_editors::TFModbus_TCP_Master_Set_Access>()},
        {"TFBACnetAccess", make<bacnet::TFBACnetAccess>()},
        {"TFImportEDEFile", make<bacnet::TFImportEDEFile>()},
        {"TFBACnet_Eng_Unit", make<bacnet::TFBACnet_Eng_Unit>()},
        {"TFBACnetSlaveSetAccess", make<bacnet::TFBACnetSlaveSetAccess>()},
        {"TFReceiveCAN", make<can_editors::TFReceiveCAN>()},
        {"TFTransmitCAN", make<can_editors::TFTransmitCAN>()},
        {"TFSet_PDO_Access", make<canopen::TFSet_PDO_Access>()},
        {"TFSet_SDO_Client_Access", make<canopen::TFSet_SDO_Client_Access>()},
        {"TFSet_SDO_Server_Access", make<canopen::TFSet_SDO_Server_Access>()},
        {"TFDefOffset", make<devicenet::TFDefOffset>()},
        {"TFDNet", make<devicenet::TFDNet>()},
        {"TFDMXDefVal", make<dmx::TFDMXDefVal>()},
        {"TFIEC_61850_Access", make<iec61850::TFIEC_61850_Access>()},
        {"TFIEC61850_Variables", make<iec61850::TFIEC61850_Variables>()},
        {"TFTLS_Server_Known_Cert", make<tls_certificates::TFTLS_Server_Known_Cert>()},
        {"TFReceiveJ1939", make<j1939::TFReceiveJ1939>()},
        {"TFTransmitJ1939", make<j1939::TFTransmitJ1939>()},
        {"TFMQTT_Set_Topic", make<ethercat_mqtt::TFMQTT_Set_Topic>()},
        {"TFTopicTemplate", make<ethercat_mqtt::TFTopicTemplate>()},
        {"TFReceiveNMEA", make<nmea2000::TFReceiveNMEA>()},
        {"TFTransmitNMEA", make<nmea2000::TFTransmitNMEA>()},
        {"TFOPC_UA_Add_Server", make<opc_ua::TFOPC_UA_Add_Server>()},
        {"TFOPC_UA_Client_Access", make<opc_ua::TFOPC_UA_Client_Access>()},
        {"TFOPC_UA_Scan_Server", make<opc_ua::TFOPC_UA_Scan_Server>()},
        {"TFOPC_UA_Server_Access", make<opc_ua::TFOPC_UA_Server_Access>()},
        {"TFSNMPManagerAccess", make<snmp::TFSNMPManagerAccess>()},
        {"TFSNMP_Trap_Access", make<snmp::TFSNMP_Trap_Access>()},
        {"TFProfinetFileName", make<profinet::TFProfinetFileName>()},
        {"TFEtherNEtIP_EDS", make<ethernet_ip::TFEtherNEtIP_EDS>()},
        {"TFEtherNetIP_Master_Access", make<ethernet_ip::TFEtherNetIP_Master_Access>()},
        {"TFS7_Protocol_Set_Access", make<ethernet_editors::TFS7_Protocol_Set_Access>()},
        {"TFEtherCATSlave_Group", make<ethercat_mqtt::TFEtherCATSlave_Group>()},
    };
}

// The order in which a language change re-applies the forms' texts.
const char* const kLanguageOrder[] = {
    "TFZuderivuridFirmWare", "TFNew_Project", "TFOpenConf", "TFSoftOptions", "TFBoot", "TFParGen",
    "TFEtherCATSlave", "TFSetAccess", "TFModbus_TCP_Master_Set_Access", "TFBACnetAccess", "TFImportEDEFile",
    "TFBACnetSlaveSetAccess", "TFBACnet_Eng_Unit", "TFReceiveCAN", "TFTransmitCAN", "TFSet_PDO_Access",
    "TFSet_SDO_Client_Access", "TFSet_SDO_Server_Access", "TFDNet", "TFDefOffset", "TFDMXDefVal",
    "TFIEC_61850_Access", "TFTLS_Server_Known_Cert", "TFIEC61850_Variables", "TFReceiveJ1939", "TFTransmitJ1939",
    "TFMQTT_Set_Topic", "TFTopicTemplate", "TFReceiveNMEA", "TFTransmitNMEA", "TFOPC_UA_Client_Access",
    "TFOPC_UA_Add_Server", "TFOPC_UA_Scan_Server", "TFOPC_UA_Server_Access", "TFSNMPManagerAccess",
    "TFSNMP_Trap_Access", "TFProfinetFileName", "TFEtherNetIP_Master_Access", "TFEtherNEtIP_EDS",
    "TFS7_Protocol_Set_Access", "TFEtherCATSlave_Group",
};

}  // namespace

FormSet::FormSet(const QString& exeFolder)
{
    auto main = std::make_unique<TFZuderivuridFirmWare>(*this, exeFolder);
    main_ = main.get();
    forms_.push_back({QStringLiteral("TFZuderivuridFirmWare"), std::move(main)});
    for (Creation& c : creationList())
        if (c.factory)
            forms_.push_back({QString::fromLatin1(c.className), c.factory()});
    if (auto* options = qobject_cast<TFSoftOptions*>(form(QStringLiteral("TFSoftOptions"))))
        options->OnLanguageChanged = [this] { Change_Language(); };
    if (auto* topics = qobject_cast<ethercat_mqtt::TFMQTT_Set_Topic*>(form(QStringLiteral("TFMQTT_Set_Topic"))))
        topics->setTemplateDialog(qobject_cast<ethercat_mqtt::TFTopicTemplate*>(form(QStringLiteral("TFTopicTemplate"))));
    if (auto* scanner = qobject_cast<ethernet_ip::TFEtherNetIP_Master_Access*>(form(QStringLiteral("TFEtherNetIP_Master_Access"))))
        scanner->setEdsPicker(qobject_cast<ethernet_ip::TFEtherNEtIP_EDS*>(form(QStringLiteral("TFEtherNEtIP_EDS"))));
    if (auto* opcUa = qobject_cast<opc_ua::TFOPC_UA_Client_Access*>(form(QStringLiteral("TFOPC_UA_Client_Access")))) {
        opcUa->setAddServerDialog(qobject_cast<opc_ua::TFOPC_UA_Add_Server*>(form(QStringLiteral("TFOPC_UA_Add_Server"))));
        opcUa->setScanDialog(qobject_cast<opc_ua::TFOPC_UA_Scan_Server*>(form(QStringLiteral("TFOPC_UA_Scan_Server"))));
    }
    if (auto* client = qobject_cast<bacnet::TFBACnetAccess*>(form(QStringLiteral("TFBACnetAccess"))))
        client->setImportDialog(qobject_cast<bacnet::TFImportEDEFile*>(form(QStringLiteral("TFImportEDEFile"))));
    if (auto* server = qobject_cast<bacnet::TFBACnetSlaveSetAccess*>(form(QStringLiteral("TFBACnetSlaveSetAccess"))))
        server->setUnitPicker(qobject_cast<bacnet::TFBACnet_Eng_Unit*>(form(QStringLiteral("TFBACnet_Eng_Unit"))));
}

FormSet::~FormSet()
{
    // The other forms go before the main window, which owns shared objects.
    while (forms_.size() > 1)
        forms_.pop_back();
}

QWidget* FormSet::form(const QString& className) const
{
    for (const Entry& e : forms_)
        if (e.className == className)
            return e.widget.get();
    return nullptr;
}

QStringList FormSet::created() const
{
    QStringList names;
    for (const Entry& e : forms_)
        names << e.className;
    return names;
}

void FormSet::Change_Language() const
{
    for (const char* name : kLanguageOrder)
        if (auto* translatable = dynamic_cast<TranslatableForm*>(form(QString::fromLatin1(name))))
            translatable->Set_Lang();
}

}  // namespace app_forms

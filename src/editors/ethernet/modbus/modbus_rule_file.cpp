#include "editors/ethernet/modbus/modbus_rule_file.h"

#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"

namespace ethernet_editors {
namespace modbus_file_detail {

using Rule = ModbusRule;
using Attributes = std::vector<ethercat_mqtt::RowAttribute<Rule>>;

const QString kReadList = QStringLiteral("Modbus_Read");
const QString kWriteList = QStringLiteral("Modbus_Write");

QString rootName(ModbusMaster master)
{
    return master == ModbusMaster::Serial ? QStringLiteral("EtherNetIP_to_Modbus")
                                          : QStringLiteral("PROFINET_Master_to_Modbus_TCP_Master");
}

// The attributes from Slave_ID to PollTime, then those from MaxError on, of
// every list; the TCP master puts IP_Address and Port after Enable, a write
// list OnChange and OnCMD after PollTime, a read list Index_Topic before
// Mnemonic.
Attributes attributesOf(ModbusMaster master, int table)
{
    Attributes a = {{"Enable", &Rule::Enable}};
    if (master == ModbusMaster::Tcp)
        a.insert(a.end(), {{"IP_Address", &Rule::IP_Address}, {"Port", &Rule::Port}});
    a.insert(a.end(), {{"Slave_ID", &Rule::Slave_ID},
                       {"Type", &Rule::Type},
                       {"Address", &Rule::Address},
                       {"NPoint", &Rule::NPoint},
                       {"PollTime", &Rule::PollTime}});
    if (table == ModbusWrite)
        a.insert(a.end(), {{"OnChange", &Rule::OnChange}, {"OnCMD", &Rule::OnCMD}});
    a.insert(a.end(), {{"MaxError", &Rule::MaxError},
                       {"Position", &Rule::Position},
                       {"Bit", &Rule::Bit},
                       {"Swap", &Rule::Swap},
                       {"SwapWord", &Rule::SwapWord}});
    if (table == ModbusRead)
        a.push_back({"Index_Topic", &Rule::Index_Topic});
    a.push_back({"Mnemonic", &Rule::Mnemonic});
    return a;
}

const std::vector<ethercat_mqtt::project_file_io::AttributeDefault>& defaultsOf(int table)
{
    static const std::vector<ethercat_mqtt::project_file_io::AttributeDefault> read = {
        {"Enable", QStringLiteral("Y")}, {"Swap", QStringLiteral("N")}, {"SwapWord", QStringLiteral("N")}};
    static const std::vector<ethercat_mqtt::project_file_io::AttributeDefault> write = {
        {"Enable", QStringLiteral("Y")}, {"Swap", QStringLiteral("N")}, {"SwapWord", QStringLiteral("N")},
        {"OnCMD", QStringLiteral("N")}};
    return table == ModbusRead ? read : write;
}

}  // namespace modbus_file_detail

using namespace modbus_file_detail;

const std::vector<ethercat_mqtt::RowAttribute<ModbusRule>>& modbusAttributes(ModbusMaster master, int table)
{
    static const Attributes lists[2][2] = {
        {attributesOf(ModbusMaster::Serial, ModbusRead), attributesOf(ModbusMaster::Serial, ModbusWrite)},
        {attributesOf(ModbusMaster::Tcp, ModbusRead), attributesOf(ModbusMaster::Tcp, ModbusWrite)},
    };
    return lists[master == ModbusMaster::Serial ? 0 : 1][table == ModbusRead ? 0 : 1];
}

ethercat_mqtt::ProjectFileRead readModbusRuleFile(ModbusMaster master, const QString& path, platform::XmlDocument& doc,
                                                  ModbusRuleFile& data)
{
    namespace io = ethercat_mqtt::project_file_io;
    data = ModbusRuleFile();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    const platform::XmlElement read = io::list(root, kReadList, path, result);
    const platform::XmlElement write = io::list(root, kWriteList, path, result);
    data.Read = ethercat_mqtt::project_file_io::readRows(read, modbusAttributes(master, ModbusRead), defaultsOf(ModbusRead));
    data.Write = ethercat_mqtt::project_file_io::readRows(write, modbusAttributes(master, ModbusWrite), defaultsOf(ModbusWrite));
    return result;
}

bool writeModbusRuleFile(ModbusMaster master, const QString& path, platform::XmlDocument& doc,
                         const ModbusRuleFile& data, QString* error)
{
    namespace io = ethercat_mqtt::project_file_io;
    platform::XmlElement root = io::start(doc, rootName(master));
    io::writeRows(root.appendChild(kReadList), data.Read, modbusAttributes(master, ModbusRead));
    io::writeRows(root.appendChild(kWriteList), data.Write, modbusAttributes(master, ModbusWrite));
    return doc.save(path, error);
}

}  // namespace ethernet_editors

#include "editors/ethernet/s7/s7_rule_file.h"

#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"

namespace ethernet_editors {
namespace s7_file_detail {

using Rule = S7Rule;
using Attributes = std::vector<ethercat_mqtt::RowAttribute<Rule>>;

const QString kRoot = QStringLiteral("S7_Protocol");
const QString kVersion = QStringLiteral("SW_VERSION = 1.000");
const QString kReadList = QStringLiteral("S7_Protocol_Read");
const QString kWriteList = QStringLiteral("S7_Protocol_Write");

// Both lists share the attributes up to PollTime and from Position on; a
// write list has OnChange and OnCMD between them.
Attributes attributesOf(int table)
{
    Attributes a = {{"Enable", &Rule::Enable},
                    {"PLC_Address", &Rule::PLC_Address},
                    {"PLC_Port", &Rule::PLC_Port},
                    {"PLC_Type", &Rule::PLC_Type},
                    {"Rack", &Rule::Rack},
                    {"Slot", &Rule::Slot},
                    {"Data_Type", &Rule::Data_Type},
                    {"Data_Identifier", &Rule::Data_Identifier},
                    {"DB_Number", &Rule::DB_Number},
                    {"PLC_Area", &Rule::PLC_Area},
                    {"PLC_Add", &Rule::PLC_Add},
                    {"PLC_Bit", &Rule::PLC_Bit},
                    {"PollTime", &Rule::PollTime}};
    if (table == S7Write)
        a.insert(a.end(), {{"OnChange", &Rule::OnChange}, {"OnCMD", &Rule::OnCMD}});
    a.insert(a.end(), {{"Position", &Rule::Position},
                       {"Bit", &Rule::Bit},
                       {"Swap", &Rule::Swap},
                       {"SwapWord", &Rule::SwapWord},
                       {"Mnemonic", &Rule::Mnemonic}});
    return a;
}

const std::vector<ethercat_mqtt::project_file_io::AttributeDefault> kDefaults = {
    {"Enable", QStringLiteral("Y")}, {"Rack", QStringLiteral("0")}, {"Slot", QStringLiteral("0")}};

}  // namespace s7_file_detail

using namespace s7_file_detail;

const std::vector<ethercat_mqtt::RowAttribute<S7Rule>>& s7Attributes(int table)
{
    static const Attributes lists[2] = {attributesOf(S7Read), attributesOf(S7Write)};
    return lists[table == S7Read ? 0 : 1];
}

ethercat_mqtt::ProjectFileRead readS7RuleFile(const QString& path, platform::XmlDocument& doc, S7RuleFile& data)
{
    namespace io = ethercat_mqtt::project_file_io;
    data = S7RuleFile();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    const platform::XmlElement read = io::list(root, kReadList, path, result);
    const platform::XmlElement write = io::list(root, kWriteList, path, result);
    data.Read = ethercat_mqtt::project_file_io::readRows(read, s7Attributes(S7Read), kDefaults);
    data.Write = ethercat_mqtt::project_file_io::readRows(write, s7Attributes(S7Write), kDefaults);
    return result;
}

bool writeS7RuleFile(const QString& path, platform::XmlDocument& doc, const S7RuleFile& data, QString* error)
{
    namespace io = ethercat_mqtt::project_file_io;
    platform::XmlElement root = io::start(doc, kRoot, kVersion);
    io::writeRows(root.appendChild(kReadList), data.Read, s7Attributes(S7Read));
    io::writeRows(root.appendChild(kWriteList), data.Write, s7Attributes(S7Write));
    return doc.save(path, error);
}

}  // namespace ethernet_editors

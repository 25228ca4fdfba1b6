#include "editors/ethernet/snmp/snmp_manager_file.h"

#include "editors/ethernet/snmp/snmp_shared.h"

namespace snmp {
namespace manager_file_detail {

using Row = SNMPManagerRow;
using ethercat_mqtt::RowAttribute;
namespace io = ethercat_mqtt::project_file_io;

const QString kManagerRoot = QStringLiteral("SNMP_Manager_Access");

const std::vector<RowAttribute<Row>>& managerAttributes()
{
    static const std::vector<RowAttribute<Row>> attributes = {
        {"Enable", &Row::Enable},
        {"IP_Address", &Row::IP_Address},
        {"Version", &Row::Version},
        {"Community_String", &Row::Community_String},
        {"OID", &Row::OID},
        {"Type", &Row::Type},
        {"Mode", &Row::Mode},
        {"On_Change", &Row::On_Change},
        {"On_Command", &Row::On_Command},
        {"On_Timer", &Row::On_Timer},
        {"Time", &Row::Time},
        {"Position", &Row::Position},
        {"Number_Bytes", &Row::Number_Bytes},
        {"ConvertFrom", &Row::ConvertFrom},
        {"Cancel", &Row::Cancel},
        {"User", &Row::User},
        {"Auth_Pass", &Row::Auth_Pass},
        {"Priv_Pass", &Row::Priv_Pass},
        {"Security_Level", &Row::Security_Level},
        {"Auth_Mode", &Row::Auth_Mode},
        {"Priv_Mode", &Row::Priv_Mode},
        {"Mnemonic", &Row::Mnemonic},
    };
    return attributes;
}

const std::vector<io::AttributeDefault>& managerDefaults()
{
    static const std::vector<io::AttributeDefault> defaults = {
        {"Enable", QStringLiteral("Y")},        {"On_Change", QStringLiteral("N")}, {"On_Command", QStringLiteral("N")},
        {"On_Timer", QStringLiteral("N")},      {"ConvertFrom", QStringLiteral("None")},
        {"Cancel", QStringLiteral("N")},
    };
    return defaults;
}

}  // namespace manager_file_detail
using namespace manager_file_detail;

ethercat_mqtt::ProjectFileRead readSNMPManagerFile(const QString& path, platform::XmlDocument& doc,
                                                   std::vector<SNMPManagerRow>& rows)
{
    rows.clear();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    rows = io::readRows(root, managerAttributes(), managerDefaults());
    return result;
}

bool writeSNMPManagerFile(const QString& path, platform::XmlDocument& doc, const std::vector<SNMPManagerRow>& rows,
                          QString* error)
{
    io::writeRows(io::start(doc, kManagerRoot, kSNMPFileVersion), rows, managerAttributes());
    return doc.save(path, error);
}

}  // namespace snmp

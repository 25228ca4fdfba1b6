#include "editors/ethernet/ethernet_ip/scanner_file.h"

namespace ethernet_ip {
namespace scanner_file_detail {

using Row = EtherNetIPScannerRow;

const QString kRoot = QStringLiteral("EtherNetIP_Master_Access");
const QString kVersion = QStringLiteral("SW_VERSION = 1.000");
// In the order the file writes them.
const std::vector<ethercat_mqtt::RowAttribute<Row>> kAttributes = {
    {"Enable", &Row::Enable},
    {"IP_Address", &Row::IP_Address},
    {"Start_Input", &Row::Start_Input},
    {"Num_Input", &Row::Num_Input},
    {"Start_Output", &Row::Start_Output},
    {"Num_Output", &Row::Num_Output},
    {"Time_Poll", &Row::Time_Poll},
    {"Instance_T_O", &Row::Instance_T_O},
    {"Connection_Point_T_O", &Row::Connection_Point_T_O},
    {"Instance_O_T", &Row::Instance_O_T},
    {"Connection_Point_O_T", &Row::Connection_Point_O_T},
    {"Dim_Header_T_O", &Row::Dim_Header_T_O},
    {"Dim_Header_O_T", &Row::Dim_Header_O_T},
    {"Mnemonic", &Row::Mnemonic},
};

// What a row lacking the attribute reads.
const std::vector<ethercat_mqtt::project_file_io::AttributeDefault> kDefaults = {
    {"Enable", QStringLiteral("N")},
    {"Dim_Header_T_O", QStringLiteral("Default")},
    {"Dim_Header_O_T", QStringLiteral("Default")},
};

}  // namespace scanner_file_detail

using namespace scanner_file_detail;

ProjectFileRead readEtherNetIPScannerFile(const QString& path, platform::XmlDocument& doc,
                                          std::vector<EtherNetIPScannerRow>& rows)
{
    rows.clear();
    platform::XmlElement root;
    const ProjectFileRead result = ethercat_mqtt::project_file_io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    rows = ethercat_mqtt::project_file_io::readRows(root, kAttributes, kDefaults);
    return result;
}

bool writeEtherNetIPScannerFile(const QString& path, platform::XmlDocument& doc,
                                const std::vector<EtherNetIPScannerRow>& rows, QString* error)
{
    ethercat_mqtt::project_file_io::writeRows(ethercat_mqtt::project_file_io::start(doc, kRoot, kVersion), rows,
                                              kAttributes);
    return doc.save(path, error);
}

}  // namespace ethernet_ip

#include "editors/ethernet/ethernet_ip/scanner_file.h"

namespace ethernet_ip {
namespace scanner_file_detail {

using Row = EtherNetIPScannerRow;

const QString kRoot = QStringLiteral("EtherNetIP_Master_Access");
const QString kVersion = QStringLiteral("SW_VERSION = 1.000");
const QString kRowElement = QStringLiteral("row");

struct ScannerAttribute {
    const char* name;
    QString Row::*member;
    const char* fallback;  // when the attribute is missing
};

// In the order the file writes them.
constexpr ScannerAttribute kAttributes[] = {
    {"Enable", &Row::Enable, "N"},
    {"IP_Address", &Row::IP_Address, ""},
    {"Start_Input", &Row::Start_Input, ""},
    {"Num_Input", &Row::Num_Input, ""},
    {"Start_Output", &Row::Start_Output, ""},
    {"Num_Output", &Row::Num_Output, ""},
    {"Time_Poll", &Row::Time_Poll, ""},
    {"Instance_T_O", &Row::Instance_T_O, ""},
    {"Connection_Point_T_O", &Row::Connection_Point_T_O, ""},
    {"Instance_O_T", &Row::Instance_O_T, ""},
    {"Connection_Point_O_T", &Row::Connection_Point_O_T, ""},
    {"Dim_Header_T_O", &Row::Dim_Header_T_O, "Default"},
    {"Dim_Header_O_T", &Row::Dim_Header_O_T, "Default"},
    {"Mnemonic", &Row::Mnemonic, ""},
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
    for (const platform::XmlElement& element : root.children()) {
        Row row;
        for (const ScannerAttribute& a : kAttributes) {
            const QString name = QString::fromLatin1(a.name);
            row.*a.member = element.hasAttribute(name) ? element.attribute(name) : QString::fromLatin1(a.fallback);
        }
        rows.push_back(std::move(row));
    }
    return result;
}

bool writeEtherNetIPScannerFile(const QString& path, platform::XmlDocument& doc,
                                const std::vector<EtherNetIPScannerRow>& rows, QString* error)
{
    doc.clear();
    platform::XmlElement root = doc.appendRoot(kRoot);
    doc.appendComment(kVersion);
    for (const Row& row : rows) {
        platform::XmlElement element = root.appendChild(kRowElement);
        for (const ScannerAttribute& a : kAttributes)
            element.setAttribute(QString::fromLatin1(a.name), row.*a.member);
    }
    return doc.save(path, error);
}

}  // namespace ethernet_ip

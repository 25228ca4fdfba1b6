#include "editors/ethernet/tls/tls_known_cert_file.h"

namespace tls_certificates {
namespace known_cert_file_detail {

using Row = KnownCertificateRow;
namespace io = ethercat_mqtt::project_file_io;

const QString kRoot = QStringLiteral("TLS_Server_Known_Cert");
const QString kVersion = QStringLiteral("SW_VERSION = 1.000");
const std::vector<ethercat_mqtt::RowAttribute<Row>> kAttributes = {
    {"Enable", &Row::Enable},
    {"Certificate", &Row::Certificate},
    {"Mnemonic", &Row::Mnemonic},
};

}  // namespace known_cert_file_detail
using namespace known_cert_file_detail;

ProjectFileRead readKnownCertificatesFile(const QString& path, platform::XmlDocument& doc,
                                          std::vector<KnownCertificateRow>& rows)
{
    rows.clear();
    platform::XmlElement root;
    const ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    rows = io::readRows(root, kAttributes);
    for (Row& row : rows)
        row.Enable = row.Enable == QLatin1String("N") ? QStringLiteral("N") : QStringLiteral("Y");
    return result;
}

bool writeKnownCertificatesFile(const QString& path, platform::XmlDocument& doc,
                                const std::vector<KnownCertificateRow>& rows, QString* error)
{
    io::writeRows(io::start(doc, kRoot, kVersion), rows, kAttributes);
    return doc.save(path, error);
}

}  // namespace tls_certificates

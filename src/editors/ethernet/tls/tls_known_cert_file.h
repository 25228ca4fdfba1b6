#pragma once

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace tls_certificates {

using ethercat_mqtt::ProjectFileRead;

// One known certificate of TLS_Known_Cert.xml: its enable flag ("Y" or
// "N"), the certificate text as the user pasted it, and a description.
struct KnownCertificateRow {
    QString Enable = QStringLiteral("Y");
    QString Certificate;
    QString Mnemonic;
    bool operator==(const KnownCertificateRow&) const = default;
};

// Reads TLS_Known_Cert.xml: every child element of the root is a row, in
// order. Enable reads as "N" only when its value is exactly "N"; any other
// value, or none, is "Y". A missing Certificate or Mnemonic reads as empty
// text. A missing file leaves `rows` empty; a file that is not XML is an
// error.
ProjectFileRead readKnownCertificatesFile(const QString& path, platform::XmlDocument& doc,
                                          std::vector<KnownCertificateRow>& rows);

// Writes TLS_Known_Cert.xml whole: the root TLS_Server_Known_Cert, the
// comment "SW_VERSION = 1.000" after it, and one `row` element per
// certificate under the root. False with `error` set when the file cannot
// be written.
bool writeKnownCertificatesFile(const QString& path, platform::XmlDocument& doc,
                                const std::vector<KnownCertificateRow>& rows, QString* error = nullptr);

}  // namespace tls_certificates

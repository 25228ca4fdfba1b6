// TLS_Known_Cert.xml: the known TLS certificates. Enable always reads as
// "Y" or "N", and the file written from what was read reads back the same.

#include "editors/ethernet/tls/tls_known_cert_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(tls_known_cert_file)
{
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("TLS_Known_Cert.xml"), input.takeRest());
    platform::XmlDocument doc;
    std::vector<tls_certificates::KnownCertificateRow> rows;
    tls_certificates::readKnownCertificatesFile(path, doc, rows);
    for (const tls_certificates::KnownCertificateRow& row : rows)
        FUZZ_CHECK(row.Enable == QLatin1String("Y") || row.Enable == QLatin1String("N"));

    fuzz::checkWriteReadWrite(
        rows,
        [&](const QString& to, const std::vector<tls_certificates::KnownCertificateRow>& certificates) {
            return tls_certificates::writeKnownCertificatesFile(to, doc, certificates);
        },
        [&](const QString& from, std::vector<tls_certificates::KnownCertificateRow>& certificates) {
            return tls_certificates::readKnownCertificatesFile(from, doc, certificates).ok();
        });
}

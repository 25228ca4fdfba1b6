// SNMP_Manager.xml: the SNMP manager's requests. The file written from what
// was read reads back the same.

#include "editors/ethernet/snmp/snmp_manager_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(snmp_manager_file)
{
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("SNMP_Manager.xml"), input.takeRest());
    platform::XmlDocument doc;
    std::vector<snmp::SNMPManagerRow> rows;
    snmp::readSNMPManagerFile(path, doc, rows);

    fuzz::checkWriteReadWrite(
        rows,
        [&](const QString& to, const std::vector<snmp::SNMPManagerRow>& requests) {
            return snmp::writeSNMPManagerFile(to, doc, requests);
        },
        [&](const QString& from, std::vector<snmp::SNMPManagerRow>& requests) {
            return snmp::readSNMPManagerFile(from, doc, requests).ok();
        });
}

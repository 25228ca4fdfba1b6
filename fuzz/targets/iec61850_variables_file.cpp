// IEC61850_Variables.xml: the IEC 61850 server's variables. The file
// written from what was read reads back the same.

#include "editors/ethernet/iec61850/server_variables_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(iec61850_variables_file)
{
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("IEC61850_Variables.xml"), input.takeRest());
    platform::XmlDocument doc;
    std::vector<iec61850::IEC61850VariableRow> rows;
    iec61850::readIEC61850VariablesFile(path, doc, rows);

    fuzz::checkWriteReadWrite(
        rows,
        [&](const QString& to, const std::vector<iec61850::IEC61850VariableRow>& variables) {
            return iec61850::writeIEC61850VariablesFile(to, doc, variables);
        },
        [&](const QString& from, std::vector<iec61850::IEC61850VariableRow>& variables) {
            return iec61850::readIEC61850VariablesFile(from, doc, variables).ok();
        });
}

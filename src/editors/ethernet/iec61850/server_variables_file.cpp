#include "editors/ethernet/iec61850/server_variables_file.h"

namespace iec61850 {
namespace server_variables_file_detail {

using Row = IEC61850VariableRow;
namespace io = ethercat_mqtt::project_file_io;

const QString kRoot = QStringLiteral("IEC61850_Variables");
const QString kVersion = QStringLiteral("SW_VERSION = 1.000");
// In the order the file writes them.
const std::vector<ethercat_mqtt::RowAttribute<Row>> kAttributes = {
    {"Enable", &Row::Enable},
    {"Name", &Row::Name},
    {"Type", &Row::Type},
    {"Length", &Row::Length},
    {"ReadOnly", &Row::ReadOnly},
    {"Position", &Row::Position},
    {"StartBit", &Row::StartBit},
    {"Conversion", &Row::Conversion},
    {"MultiplicationFactor", &Row::MultiplicationFactor},
    {"Swap", &Row::Swap},
    {"SwapWord", &Row::SwapWord},
    {"Mnemonic", &Row::Mnemonic},
};

const std::vector<io::AttributeDefault> kDefaults = {
    {"Enable", QStringLiteral("Y")},
    {"ReadOnly", QStringLiteral("N")},
    {"Swap", QStringLiteral("N")},
    {"SwapWord", QStringLiteral("N")},
};

}  // namespace server_variables_file_detail
using namespace server_variables_file_detail;

ProjectFileRead readIEC61850VariablesFile(const QString& path, platform::XmlDocument& doc,
                                          std::vector<IEC61850VariableRow>& rows)
{
    rows.clear();
    platform::XmlElement root;
    const ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    rows = io::readRows(root, kAttributes, kDefaults);
    return result;
}

bool writeIEC61850VariablesFile(const QString& path, platform::XmlDocument& doc,
                                const std::vector<IEC61850VariableRow>& rows, QString* error)
{
    io::writeRows(io::start(doc, kRoot, kVersion), rows, kAttributes);
    return doc.save(path, error);
}

}  // namespace iec61850

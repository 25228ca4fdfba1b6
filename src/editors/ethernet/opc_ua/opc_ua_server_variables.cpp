#include "editors/ethernet/opc_ua/opc_ua_server_variables.h"

#include "platform/strings.h"

namespace opc_ua {
namespace server_variables_detail {

namespace io = ethercat_mqtt::project_file_io;
using Row = OPCUAServerVariable;

const QString kServerRoot = QStringLiteral("OPC_UA_Server");
const QString kVariablesList = QStringLiteral("OPC_UA_Server_Variables");
const QString kServerFileVersion = QStringLiteral("SW_VERSION = 1.000");

}  // namespace server_variables_detail
using namespace server_variables_detail;

const QStringList& serverVariableTypes()
{
    static const QStringList types = {"Boolean", "Signed Byte", "Byte",  "Int16",  "UInt16", "Int32",     "UInt32",
                                      "Int64",   "UInt64",      "Float", "Double", "String", "ByteString"};
    return types;
}

const QStringList& serverAccessTypes()
{
    static const QStringList accesses = {"Read Only", "Read/Write"};
    return accesses;
}

std::optional<ServerTypeLength> serverTypeLength(const QString& type)
{
    const QStringList& t = serverVariableTypes();
    const qsizetype at = t.indexOf(type);
    if (at < 0)
        return std::nullopt;
    static const char* const lengths[] = {"1", "1", "1", "2", "2", "4", "4", "8", "8", "4", "8", "10", "10"};
    return ServerTypeLength{QString::fromLatin1(lengths[at]), at < 11};
}

std::optional<rule_editor::RuleFailure> checkServerVariables(const std::vector<OPCUAServerVariable>& rows)
{
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].Enable != QLatin1String("Y") || platform::trimBlanks(rows[r].Type).isEmpty())
            continue;
        const int position = platform::parseIntOr(rows[r].Position, -1);
        if (position < 0 || position > kLastServerPosition) {
            rule_editor::RuleFailure failure{0, int(r) + 1, server_texts::PositionRange};
            failure.values = {QString::number(r + 1), QString::number(kLastServerPosition)};
            return failure;
        }
    }
    return std::nullopt;
}

const std::vector<ethercat_mqtt::RowAttribute<OPCUAServerVariable>>& serverVariableAttributes()
{
    static const std::vector<ethercat_mqtt::RowAttribute<Row>> attributes = {
        {"Enable", &Row::Enable}, {"Type", &Row::Type},           {"Position", &Row::Position},
        {"Length", &Row::Length}, {"Name", &Row::Name},           {"ReadWrite", &Row::ReadWrite},
        {"Mnemonic", &Row::Mnemonic},
    };
    return attributes;
}

ethercat_mqtt::ProjectFileRead readOPCUAServerFile(const QString& path, platform::XmlDocument& doc,
                                                   std::vector<OPCUAServerVariable>& rows)
{
    rows.clear();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    const platform::XmlElement list = io::list(root, kVariablesList, path, result);
    if (!result.ok())
        return result;
    rows = io::readRows(list, serverVariableAttributes(), {{"Enable", QStringLiteral("Y")}});
    return result;
}

bool writeOPCUAServerFile(const QString& path, platform::XmlDocument& doc, const std::vector<OPCUAServerVariable>& rows,
                          QString* error)
{
    platform::XmlElement root = io::start(doc, kServerRoot, kServerFileVersion);
    io::writeRows(root.appendChild(kVariablesList), rows, serverVariableAttributes());
    return doc.save(path, error);
}

}  // namespace opc_ua

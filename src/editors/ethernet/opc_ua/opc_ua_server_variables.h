#pragma once

// The OPC UA server editor's variables without a window: OPC_UA_Server.xml
// (the variables the gateway publishes to OPC UA clients), the length a
// data type gives, and the check OK runs.

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "platform/xml_document.h"

namespace opc_ua {

namespace server_texts {
constexpr int PositionRange = 4527;
constexpr int DeleteQuestion = 4528;
}  // namespace server_texts

// The last position of the gateway's data array for server variables.
inline constexpr int kLastServerPosition = 1999;

// One row of OPC_UA_Server.xml: the cell texts as the editor shows them.
struct OPCUAServerVariable {
    QString Enable = QStringLiteral("Y");
    QString Type;
    QString Position;
    QString Length;
    QString Name;
    QString ReadWrite;
    QString Mnemonic;
};

// The choice lists: the data types and the accesses.
const QStringList& serverVariableTypes();
const QStringList& serverAccessTypes();
inline const QString kReadWrite = QStringLiteral("Read/Write");

// The length a data type gives ("1", "2", "4", "8", or "10" for the
// strings, which the user may change) and whether it is fixed; nothing for
// a text that is no type.
struct ServerTypeLength {
    QString length;
    bool locked = true;
};
std::optional<ServerTypeLength> serverTypeLength(const QString& type);

// The check of the rows OK saves: an enabled row's Position lies in
// 0 .. 1999; the failure's values are the row and the limit.
std::optional<rule_editor::RuleFailure> checkServerVariables(const std::vector<OPCUAServerVariable>& rows);

// Reads OPC_UA_Server.xml: a missing Enable reads "Y", any other missing
// attribute empty. A file that cannot be parsed, or lacks the list
// OPC_UA_Server_Variables, sets the error of the result.
ethercat_mqtt::ProjectFileRead readOPCUAServerFile(const QString& path, platform::XmlDocument& doc,
                                                   std::vector<OPCUAServerVariable>& rows);
// Writes the file whole; false with `error` when it cannot be written.
bool writeOPCUAServerFile(const QString& path, platform::XmlDocument& doc, const std::vector<OPCUAServerVariable>& rows,
                          QString* error = nullptr);

// The file's attributes, in the order of the table's columns 1 .. 7.
const std::vector<ethercat_mqtt::RowAttribute<OPCUAServerVariable>>& serverVariableAttributes();

}  // namespace opc_ua

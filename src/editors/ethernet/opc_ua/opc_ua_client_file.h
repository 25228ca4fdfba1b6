#pragma once

// OPC_UA_Client.xml: the OPC UA client's servers with their connection
// settings and, per server, the variables it reads and writes. Three levels
// deep, flags as "1"/"0", no version comment.

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "editors/ethernet/opc_ua/opc_ua_model.h"
#include "platform/xml_document.h"

namespace opc_ua {

// How a reading went. A missing file is no failure (no servers).
struct ClientFileRead {
    bool exists = false;
    // The file is no XML: the parser's message.
    QString parseError;
    // A required element is missing: its name.
    QString missingElement;
    // A required attribute is missing (`attribute`), or NameSpaceIndex is no
    // number from 0 to 65535 (`badNumber` holds it), at the element `where` (e.g.
    // "OPC_UA_Server 2/OPC_UA_Read_Var/Variable 3").
    QString where;
    QString attribute;
    QString badNumber;
    bool notNumber = false;

    bool ok() const { return parseError.isEmpty() && missingElement.isEmpty() && attribute.isEmpty(); }
};

// Reads the servers; on a failure `servers` holds what was read before it.
ClientFileRead readOPCUAClientFile(const QString& path, platform::XmlDocument& doc, ServerList& servers);

// Writes the file whole; false with `error` when it cannot be written.
bool writeOPCUAClientFile(const QString& path, platform::XmlDocument& doc, const ServerList& servers,
                          QString* error = nullptr);

}  // namespace opc_ua

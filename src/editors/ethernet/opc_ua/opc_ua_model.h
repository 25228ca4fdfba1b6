#pragma once

// The OPC UA client's model: the remote servers the gateway connects to,
// each with its connection settings and the variables it reads from and
// writes to that server. The client editor's grids only show it; its file
// holds it.

#include <cstdint>
#include <vector>

#include <QString>

#include "app/opcua_search_records.h"

namespace opc_ua {

// One variable of a server.
struct TOPC_UA_Variable {
    bool Enable = false;
    QString DispalyName;
    QString OnChange;  // write variables: "Y"/"N"
    QString OnCMD;
    QString OnTimer;
    QString VarArray;  // read variables: "Variable" or "Array"
    QString Start;
    QString Len;
    QString Time;
    QString Position;
    QString Mnemonic;
    uint16_t nameSpaceIndex = 0;
    uint16_t identifierType = 0;
    uint32_t numeric = 0;
    QString stringname;
    uint32_t guide1 = 0;
    uint16_t guide2 = 0;
    uint16_t guide3 = 0;
    uint8_t guide4[8] = {};
    QString byteString;
    int32_t dataType = 0;

    // "Numeric", "String", "Guid", "ByteString" (empty for another kind);
    // set in any case, anything else numeric.
    QString NodeType() const;
    void SetNodeType(const QString& text);
    // The identifier as text, by the node type: the unsigned number, the
    // string, the GUID (8-4-4-4-12, capitals) or the byte string.
    QString NodeID() const;
    // Read by the node type set before: a number 0 .. 4294967295 (0 when the
    // text is none), a GUID in the 8-4-4-4-12 form, or the text itself.
    void SetNodeID(const QString& text);
    // The data type's name; a code outside 1 .. 14 reads "Boolean". Set in
    // any case; an unknown name gives Boolean.
    QString VarType() const;
    void SetVarType(const QString& text);

    bool operator==(const TOPC_UA_Variable&) const = default;
};

// One remote server; it owns its two variable lists.
struct TOPC_UA_Server {
    bool Enable = false;
    QString ServerAddress;
    QString Authorization;
    QString UserName;
    QString Password;
    QString Certificate;
    QString PrivateKey;
    QString SecurityType;
    QString SecurityPolicy;
    QString Mnemonic;
    std::vector<TOPC_UA_Variable> Var_List_R;
    std::vector<TOPC_UA_Variable> Var_List_W;

    bool operator==(const TOPC_UA_Server&) const = default;
};

using ServerList = std::vector<TOPC_UA_Server>;

// The texts of a ticked and an unticked check box.
inline const QString kYes = QStringLiteral("Y");
inline const QString kNo = QStringLiteral("N");

// A variable found by a browse, taken as a read or write variable: enabled,
// the node id, data type and display name of the record, other texts empty.
struct BrowsedVariable;
TOPC_UA_Variable variableFromBrowse(const BrowsedVariable& found);

}  // namespace opc_ua

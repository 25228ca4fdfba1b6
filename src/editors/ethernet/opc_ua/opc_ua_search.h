#pragma once

// A browse of a remote OPC UA server through the external search library
// "OPC_UA_Search": the library is loaded for the one browse, called through
// its two functions, and released; the texts of the variables it returns
// are copied while it is loaded.

#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "app/opcua_search_records.h"

namespace opc_ua {

struct TOPC_UA_Server;

// The name the library is loaded by, and its two functions.
inline const QString kSearchLibrary = QStringLiteral("OPC_UA_Search");
inline constexpr const char* kClientBegin = "opcua_client_begin";
inline constexpr const char* kReturnVariable = "opcua_return_variable";

// The server to browse with its texts in the ANSI code page, kept for as
// long as the record that points at them is used.
struct SearchServer {
    QByteArray server_address;
    int32_t user_pass_auth_flag = 0;
    QByteArray username;
    QByteArray password;
    QByteArray cert;
    QByteArray priv_key;
    int32_t security_type = 0;
    int32_t security_policy = 0;

    // The record passed to the library; its pointers designate the texts
    // above (zero-terminated).
    app::opcua_server_to_discover record() const;
    bool isSet() const { return !server_address.isEmpty(); }
};

// A server's connection settings as the library takes them: the texts
// converted to the ANSI code page, the choices to their codes.
SearchServer searchServerOf(const TOPC_UA_Server& server);

// One variable found: the record as the library returned it, its text
// pointers cleared, and copies of its three texts.
struct BrowsedVariable {
    app::opcua_structure record{};
    QString stringname;
    QString byteString;
    QString displayName;
};

enum class BrowseStatus { Done, LibraryMissing, FunctionMissing };

struct BrowseResult {
    BrowseStatus status = BrowseStatus::Done;
    std::vector<BrowsedVariable> variables;  // in the library's order
};

// Loads the library from `folders` (then the system's search), browses
// `server` and releases the library. A count of 0 or less gives no variable.
BrowseResult browseServer(const SearchServer& server, const QStringList& folders);

// The cells of a variable's row in the browse dialog's grid, columns 0 .. 8:
// number, Read and Write marks from the access level ("Y" / empty; both for
// level 0), display name, node type, node id, data type, namespace index
// and the access as text.
QStringList browseRowCells(const BrowsedVariable& found, int number);

}  // namespace opc_ua

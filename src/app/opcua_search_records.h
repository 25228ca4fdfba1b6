#pragma once

// The records exchanged with the external OPC UA search library
// ("OPC_UA_Search", loaded at run time by the OPC UA browse dialog) and the
// texts of their codes shown in the OPC UA editors.
//
// The library is loaded into this 64-bit process, so the records have the
// natural layout of a 64-bit Linux C compiler: pointers are 8 bytes wide and
// aligned to 8. The texts the pointers designate are zero-terminated 8-bit
// texts in the ANSI code page (Windows-1252). The offsets below are part of
// the contract with the library; the static_asserts keep them.

#include <cstddef>
#include <cstdint>

#include <QString>
#include <QStringList>

namespace app {

extern "C" {

// The server to browse, passed by value to opcua_client_begin (56 bytes).
struct opcua_server_to_discover {
    const char* server_address;   //  0: the server's URL
    int32_t user_pass_auth_flag;  //  8: 0 anonymous, 1 user name and password, 2 certificate
    const char* username;         // 16
    const char* password;         // 24
    const char* cert;             // 32: client certificate text
    const char* priv_key;         // 40: private key text
    int32_t security_type;        // 48: 0 none, 1 sign, 2 sign and encrypt
    int32_t security_policy;      // 52: 0 .. 5 (SecurityPolicy_To_Str)
};

// A GUID identifier, in the order of the GUID fields of opcua_structure.
struct TOPC_UA_Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};

// One variable found, filled by opcua_return_variable (80 bytes).
struct opcua_structure {
    uint16_t nameSpaceIndex;     //  0
    uint16_t identifierType;     //  2: 0 numeric, 3 string, 4 GUID, 5 byte string
    uint32_t numeric;            //  4
    const char* stringname;      //  8
    uint32_t stringLength;       // 16 (not read)
    uint32_t guide1;             // 20
    uint16_t guide2;             // 24
    uint16_t guide3;             // 26
    uint8_t guide4[8];           // 28
    const char* byteString;      // 40
    uint32_t byteStringLength;   // 48 (not read)
    const char* displayName;     // 56
    uint32_t displayNameLength;  // 64 (not read)
    int32_t dataType;            // 68: 0 .. 14 (VarType_To_Str)
    uint8_t accessLevel;         // 72: bit 0 readable, bit 1 writable
    uint8_t spare[3];            // 73
};

// The library's two functions.
using opcua_client_begin_fn = int32_t (*)(opcua_server_to_discover server);
using opcua_return_variable_fn = int32_t (*)(opcua_structure* record, int32_t index);

}  // extern "C"

static_assert(sizeof(opcua_server_to_discover) == 56);
static_assert(offsetof(opcua_server_to_discover, user_pass_auth_flag) == 8);
static_assert(offsetof(opcua_server_to_discover, username) == 16);
static_assert(offsetof(opcua_server_to_discover, priv_key) == 40);
static_assert(offsetof(opcua_server_to_discover, security_type) == 48);
static_assert(offsetof(opcua_server_to_discover, security_policy) == 52);
static_assert(sizeof(TOPC_UA_Guid) == 16);
static_assert(sizeof(opcua_structure) == 80);
static_assert(offsetof(opcua_structure, numeric) == 4);
static_assert(offsetof(opcua_structure, stringname) == 8);
static_assert(offsetof(opcua_structure, guide1) == 20);
static_assert(offsetof(opcua_structure, guide4) == 28);
static_assert(offsetof(opcua_structure, byteString) == 40);
static_assert(offsetof(opcua_structure, displayName) == 56);
static_assert(offsetof(opcua_structure, dataType) == 68);
static_assert(offsetof(opcua_structure, accessLevel) == 72);

// Node-id kinds.
inline constexpr uint16_t kNodeNumeric = 0;
inline constexpr uint16_t kNodeString = 3;
inline constexpr uint16_t kNodeGuid = 4;
inline constexpr uint16_t kNodeByteString = 5;

// 0 "Numeric", 3 "String", 4 "Guid", 5 "ByteString", any other code empty.
QString NodeType_To_Str(int code);
// Compared in capitals: "NUMERIC" 0, "STRING" 3, "GUID" 4, "BYTESTRING" 5,
// any other text 0.
uint16_t Str_To_NodeType(const QString& text);
// The GUID in the 8-4-4-4-12 form with capital hexadecimal digits.
QString Guid_To_Str(uint32_t data1, uint16_t data2, uint16_t data3, const uint8_t (&data4)[8]);
// The identifier of a record as text, by its kind: the unsigned number, the
// string, the GUID, the byte string (shown as characters); another kind
// gives the empty text. A null text pointer gives the empty text.
QString NodeID_To_Str(const opcua_structure& record);
// 0 "Boolean" .. 14 "ByteString"; any other code the empty text.
QString VarType_To_Str(int code);
// 0 "Anonymous", 1 "Username and Password", any other code "Certificate".
QString Authorization_To_Str(int code);
// Exact case: "Anonymous" 0, "Username and Password" 1, any other text 2.
int Str_To_Authorization(const QString& text);
// 0 "None", 1 "Sign", any other code "Sign and Encrypt".
QString SecurityType_To_Str(int code);
// Exact case: "None" 0, "Sign" 1, any other text 2.
int Str_To_SecurityType(const QString& text);
// 0 "None", 1 "Basic 128 RSA 15", 2 "Basic 256", 3 "Basic 256 SHA 256",
// 4 "AES 128 SHA 256 RSA OAEP", any other code "AES 256 SHA 256 RSA PSS".
QString SecurityPolicy_To_Str(int code);
// Exact case: the code of one of the first five texts, any other text 5.
int Str_To_SecurityPolicy(const QString& text);

// The choice lists of those codes, in code order.
const QStringList& dataTypeNames();       // "Boolean" .. "ByteString"
const QStringList& authorizationNames();  // 3 texts
const QStringList& securityTypeNames();   // 3 texts
const QStringList& securityPolicyNames(); // 6 texts

}  // namespace app

#pragma once

// The OPC UA client editor without its window: the rows of its three grids
// and the model objects they show, the data type sizes and the automatic
// positions, the checks OK runs over the model, and the checks of the
// add-server dialog.

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/ethernet/opc_ua/opc_ua_model.h"

namespace opc_ua {

namespace client_texts {
constexpr int DeleteServer = 4189;
constexpr int SelectServer = 4190;
constexpr int AppendRead = 4191;
constexpr int AppendWrite = 4192;
constexpr int DeleteRow = 4193;
constexpr int AutoPosition = 4194;
constexpr int ReadTimeEmpty = 4197;
constexpr int ReadTimeZero = 4198;
constexpr int ReadPositionEmpty = 4199;
constexpr int ReadPositionRange = 4200;
constexpr int WriteTimeEmpty = 4201;
constexpr int WriteTimeZero = 4202;
constexpr int WritePositionEmpty = 4203;
constexpr int WritePositionRange = 4204;
constexpr int VarArrayEmpty = 4211;
constexpr int StringStart = 4212;
constexpr int StringLength = 4213;
constexpr int StringArray = 4214;
constexpr int ArrayStart = 4215;
constexpr int ArrayLength = 4216;
// A list longer than its grid: kept whole, the grid shows its beginning.
constexpr int ListBeyondGrid = 4217;
// The file's reading stopped: an element lacks an attribute, or its
// NameSpaceIndex is no number.
constexpr int MissingAttribute = 4218;
constexpr int NamespaceNotNumber = 4219;
}  // namespace client_texts

namespace add_server_texts {
constexpr int AddressEmpty = 4328;
constexpr int UserEmpty = 4329;
constexpr int PasswordEmpty = 4330;
constexpr int CertificateEmpty = 4331;
constexpr int KeyEmpty = 4332;
}  // namespace add_server_texts

// The rows of a variable grid each hold 1024 variables.
inline constexpr int kGridVariables = 1024;
// The last position of the gateway's data arrays.
inline constexpr int kLastPosition = 1499;

enum VariableList { ReadList = 0, WriteList = 1 };

// A variable as a row of the read or write grid, columns 1 .. 12.
QStringList variableRowTexts(const TOPC_UA_Variable& variable, VariableList list);
// The variable a row of the read or write grid gives (texts of columns
// 1 .. 12): read variables get On Change, On CMD and On Timer "N", write
// variables empty Var/Array, Start and Length.
TOPC_UA_Variable variableOfRow(const QStringList& texts, VariableList list);

// The browse's variables whose mark is set, in browse order, as new
// variables. One without a display name is named by its node id, or by its
// number in the browse when it has none either: an empty Display Name would
// end its list in the grid, and the variables after it with it.
std::vector<TOPC_UA_Variable> markedVariables(const std::vector<BrowsedVariable>& found, const std::vector<bool>& marks);

// A server as a row of the server grid, columns 0 .. 10.
QStringList serverRowTexts(const TOPC_UA_Server& server, int number);

// A list as its grid shows it again: the variables of `rows` (the grid's
// list, up to its first empty Display Name) take the place of the first
// `shown` variables; the variables after them, which the grid could not
// show, stay behind them.
void replaceShownVariables(std::vector<TOPC_UA_Variable>& list, int shown, std::vector<TOPC_UA_Variable> rows);

// Bytes of a data type (its name in any case): 1, 2, 4, 8, 16 (Guid) or 20
// (String, ByteString); 0 for an unknown name.
int GetLenVarType(const QString& typeName);
// Bytes a variable takes in the data array: its type's size, times Length
// for an Array of Length n >= 1.
int variableSize(const TOPC_UA_Variable& variable);

struct StartPositions {
    int read = 0;
    int write = 0;
};
// The first free read and write positions for server `selected`: behind
// the farthest-reaching variable of each list of the server before it; 0
// and 0 for the first server.
StartPositions Start_Position(const ServerList& servers, int selected);
// Auto Pos: every variable of server `selected`, enabled or not, placed
// one after the other from Start_Position, read and write apart.
void autoPosition(ServerList& servers, int selected);

// The check OK runs over the model: servers in order, their read then
// write variables, enabled ones only; the first failure with the server
// and variable numbers (and the limit) as the values of its format text.
// The failure's table is the list (0 read, 1 write).
std::optional<rule_editor::RuleFailure> checkServers(const ServerList& servers);

// The add-server dialog's check: the text id of the first failing rule, 0
// when all pass. `authorization` is the item index of its drop-down list.
int checkServerFields(const QString& address, int authorization, const QString& user, const QString& password,
                      const QString& certificate, const QString& key);

}  // namespace opc_ua

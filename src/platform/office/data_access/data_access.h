#pragma once

// The data-access server: "ADODB.Connection" and "ADODB.RecordSet" over the
// Qt SQL drivers.
//
//   Connection: ConnectionString, State (0 closed, 1 open),
//               Open(ConnectionString), Close
//   RecordSet:  ActiveConnection, State, Open(Source, ActiveConnection),
//               Fields, RecordCount, EOF, BOF, MoveNext, Close
//   Fields:     Count, Item(Index)  (also RecordSet.Fields(Index))
//   Field:      Name, Value, ActualSize
//
// The connection string is read the ODBC way (Key=Value pairs split by ';',
// values in braces may hold ';'). The file named by DBQ (or Data Source)
// decides the driver: an SQLite database is opened read-only through
// QSQLITE, whatever driver the string names; any other file goes to the
// ODBC driver manager with the string as given, which answers when a driver
// of that name is installed. A record set reads forward only: RecordCount is
// -1 when the driver does not tell the count beforehand.

#include "platform/office/office_servers.h"

namespace platform::office::data_access {

inline constexpr const char* ConnectionProgram = "ADODB.Connection";
inline constexpr const char* RecordSetProgram = "ADODB.RecordSet";

automation::ObjectRef NewConnection();
automation::ObjectRef NewRecordSet();
// Both objects; neither has a running instance.
void AddDataAccessServers(ServerRegistry& registry);

}  // namespace platform::office::data_access

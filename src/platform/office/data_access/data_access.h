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

#include "platform/automation/automation.h"

namespace platform::office::data_access {

automation::ObjectRef CreateConnection();
automation::ObjectRef CreateRecordSet();

}  // namespace platform::office::data_access

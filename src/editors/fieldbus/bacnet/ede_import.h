#pragma once

// The EDE import of the BACnet client editor without a window: the device
// address the import dialog asks for, the object-type tables, and the rules
// that the chosen objects of an EDE file become in the free rows of the read
// and write tables.

#include <optional>
#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

#include "editors/fieldbus/bacnet/ede_file.h"

namespace bacnet {

namespace import_texts {
constexpr int IpAddress = 2116;  // "Error!! IP Address is not correct"
constexpr int SlaveId = 2117;    // "Error!! Slave ID must be between 0 and 254"
constexpr int TableFull = 2092;  // the table "%s" is full: %d objects not imported
}  // namespace import_texts

// The import dialog's check of the device address by the client's BACnet
// type: a dotted IPv4 address (BACnet/IP), a slave id 0 .. 254 (MS/TP), no
// check for another type. The text of the failure, or nothing.
std::optional<int> edeDeviceAddressFailure(int bacnetType, const QString& text);

// The client's name of a BACnet object type (the Object Type column),
// the data type a write of its present value takes, and its NByte; for any
// other type an empty name, "Null" and 4.
QString Get_ObjType_EDE(int32_t objectType);
QString Get_DataType_EDE(int32_t objectType);
int Get_NumByte_EDE(int32_t objectType);

// Real columns of the client's tables that give the next free position.
namespace import_columns {
constexpr int ReadNumByte = 6;
constexpr int ReadPosition = 13;
constexpr int WriteNumByte = 8;
constexpr int WritePosition = 17;
}  // namespace import_columns

// The first byte after the rules of a table (rows as texts of columns
// 1 .. last): the largest Position + NByte over the rows whose key cell is
// not empty, rows whose Position or NByte is no number 0 or more left out;
// 0 when there is none.
int nextFreePosition(const std::vector<QStringList>& rows, int keyColumn, int positionColumn, int numByteColumn);

// Where an import may put rules in one table.
struct EdeImportTarget {
    std::vector<int> freeRows;  // grid rows that hold nothing, in order
    int nextPosition = 0;       // the first free byte
};

// What an import adds: per table the grid rows and their texts from
// column 1, and the objects that found no free row.
struct EdeImport {
    std::vector<std::pair<int, QStringList>> read;
    std::vector<std::pair<int, QStringList>> write;
    int readLeftOut = 0;
    int writeLeftOut = 0;
};

// The chosen objects as rules, in list order: an object with Import and Read
// ticked gives a read rule of its present value, one with Import and Write a
// write rule; each rule takes the next free row of its table and the next
// free position, which then grows by the rule's NByte. `address` is the
// device's address as typed in the dialog.
EdeImport placeEdeObjects(const std::vector<TBACnet_Var>& objects, const QString& address, EdeImportTarget read,
                          EdeImportTarget write);

}  // namespace bacnet

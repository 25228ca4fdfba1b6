#pragma once

// The checks of the BACnet client rule editor, without a window, and the
// lookups they rest on: which object types and properties a read or write
// rule may name, which data type a write of a present value must use, how
// many bytes a data type may take, and how a destination address is written.

#include <optional>

#include <QString>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/fieldbus/bacnet/bacnet_client_file.h"

namespace bacnet {

// The check texts of the client editor.
namespace client_texts {
constexpr int ReadErrorRow = 2037;   // "Error in Read, row "
constexpr int WriteErrorRow = 2046;  // "Error in Write, row "

// The texts of one table's checks, in check order.
struct TableTexts {
    int ipAddress;
    int slaveId;
    int objectType;
    int instance;
    int property;
    int destinationNetwork;
    int destinationLength;      // a number other than 1, 2, 6
    int destinationLengthList;  // no number and not M1 .. M8
    int destinationAddress1;
    int destinationAddress2;
    int destinationAddress6;
    int destinationBytes;    // a byte of an Mn address not 0 .. 255
    int destinationTooMany;  // an Mn address of more than n bytes
    int destinationTooFew;   // an Mn address of fewer than n bytes
    int pollTime;
    int maxError;
};
constexpr TableTexts Read = {2038, 2039, 2040, 2041, 2042, 2070, 2071, 2086,
                             2072, 2073, 2074, 2082, 2084, 2088, 2044, 2045};
constexpr TableTexts Write = {2047, 2048, 2049, 2050, 2051, 2075, 2076, 2087,
                              2077, 2078, 2079, 2083, 2085, 2089, 2055, 2056};
constexpr int DataType = 2052;          // a write's data type does not fit
constexpr int DataTypeExpected = 2058;  // ... + the data type it must be
constexpr int Priority = 2053;
constexpr int ReadNumByte = 2043;
constexpr int WriteNumByte = 2054;  // ... + the largest NByte of the data type
}  // namespace client_texts

enum class RuleKind { Read, Write };

// The client's BACnet type (ParGen.xml's BACnet_Master_Type): devices
// addressed by IPv4 address, by MS/TP slave id, or not addressed.
constexpr int kBACnetIP = 0;
constexpr int kBACnetMSTP = 1;

// Marker property codes of Check_Property.
constexpr int kPresentValue = 100;
constexpr int kProprietaryProperty = 200;
// Check_Data_Type for a rule that may use any data type.
constexpr int kAnyDataType = 1000;

// The object code of an Object Type cell (trimmed, any case): 1 .. 15 for
// the named types (Accumulator 1, Multi-State Input 2, Multi-State Output 3,
// Analog Input 4, Analog Output 5, Binary Input 6, Binary Output 7, Integer
// Value 8, Large Analog Value 9, Positive Integer Value 10, Multi-State
// Value 11, Analog Value 12, Binary Value 13, Life Safety Point 14, Life
// Safety Zone 15), the number itself for a proprietary type 128 .. 1023;
// -1 for anything else and for the input types and the Accumulator in a
// write rule.
int Check_Object_Type(const QString& text, RuleKind kind);

// The property code of a Property cell (trimmed, any case) for an object
// code: kPresentValue; the bytes a named property of a read rule takes
// where it applies to the object; kProprietaryProperty for a number
// 512 .. 4194303; -1 for anything else.
int Check_Property(const QString& text, RuleKind kind, int objectCode);

// Whether a write's Data Type fits: kAnyDataType for a property other than
// the present value and for a proprietary object; for the present value the
// byte count of the data type the object needs when the Data Type is that
// one, else -1.
int Check_Data_Type(const QString& dataType, int objectCode, int propertyCode);

// The data type a write of the present value of an object must use; empty
// when there is none to name.
QString Aspected_Data_Type_Value(int objectCode, int propertyCode);

// The largest NByte a write of a Data Type (trimmed, any case) may take.
int Check_Num_Byte_Max(const QString& dataType);

// Checks an Mn destination address: n bytes 0 .. 255 separated by ",";
// the text of the first failure of `texts`, or nothing when it is right.
std::optional<int> Check_Dest_Add(const QString& text, int n, const client_texts::TableTexts& texts);

// The read table's hint on a Property cell: the bytes the property takes for
// the row's object type; empty when there is nothing to say.
QString Str_Hint_Read(const QString& objectType, const QString& property);

// Controllo_dati over the rows OK would save: the read rules, then the write
// rules; only rules whose Enable is "Y" are checked. The first broken rule,
// with its table (0 read, 1 write) and row; nothing when all pass.
std::optional<rule_editor::RuleFailure> checkBACnetClientRules(int bacnetType, const BACnetClientFile& rules);

}  // namespace bacnet

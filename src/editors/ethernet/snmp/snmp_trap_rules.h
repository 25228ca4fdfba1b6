#pragma once

// The checks of the SNMP agent variable editor and its numbering of the
// enabled variables, without a window.

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/ethernet/snmp/snmp_trap_file.h"

namespace snmp {

// Text ids of the agent editor's messages: the read table's text of a rule,
// and the write table's where it has one.
namespace trap_texts {
constexpr int ErrorRow = 4760;
constexpr int ReadType = 4761;
constexpr int ReadTime = 4762;
constexpr int ReadPosition = 4763;
constexpr int ReadStartBit = 4764;
constexpr int ReadStartBitString = 4765;
constexpr int ReadBits = 4766;
constexpr int ReadBytes = 4767;
constexpr int ReadIPAddress = 4768;
constexpr int WriteType = 4769;
constexpr int WritePosition = 4770;
constexpr int WriteStartBit = 4771;
constexpr int WriteStartBitString = 4772;
constexpr int WriteBits = 4773;
constexpr int WriteBytes = 4774;
constexpr int DeleteQuestion = 4775;
constexpr int ReadCommunityName = 4776;
constexpr int ReadDescription = 4777;
constexpr int WriteCommunityName = 4778;
constexpr int WriteDescription = 4779;
constexpr int DescriptionsNotDistinct = 4780;
constexpr int ReadConversion = 4785;
constexpr int WriteConversion = 4786;
}  // namespace trap_texts

// Longest trap period, in milliseconds.
constexpr int kMaxTrapTime = 1000000000;

// What Check_Error_CommName_Desc checks a text as.
enum class NameCheck {
    CommunityName = 0,  // letters and digits
    Description = 1,    // the same, beginning with a lowercase letter
};

// 1 when `text` holds a character other than 0-9, A-Z, a-z, or (for a
// description) does not begin with a-z; 0 when valid. An empty text is
// valid.
int Check_Error_CommName_Desc(const QString& text, NameCheck kind);

// Whether a variable's Enable text enables it: upper-cased, exactly "Y".
bool variableEnabled(const QString& enable);

// The numbering of Index_Row_Build: the texts of column 0 for the Enable
// texts of a table's rows, the enabled rows numbered 1, 2, ... in order,
// the others empty.
QStringList variableIndexes(const QStringList& enableTexts);

// Controllo_dati of the agent editor over the rows OK would save (every row
// has a Community Name): the read table (0), then the write table (1);
// rows not enabled are not checked. Per row, in this order: the Community
// Name's characters; a Type chosen (the row is an integer when its Type,
// upper-cased, is "INT"); read rows with On Timer "Y": Time 1 .. 1000000000;
// a Position and a Start Bit chosen; Start Bit "0" for a string; Num
// Bits/Bytes 1 .. 64 bits for an integer, 1 .. 16 bytes for a string; the
// Description's characters; read rows: a dotted IPv4 address; a Conversion
// chosen. Then the descriptions of all enabled rows of both tables must
// differ (an empty one counts as well): that failure names no row.
std::optional<rule_editor::RuleFailure> checkSNMPTrapVariables(const SNMPTrapFile& file);

}  // namespace snmp

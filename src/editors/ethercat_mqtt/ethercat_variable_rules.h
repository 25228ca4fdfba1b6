#pragma once

// The rules of the EtherCAT variable editor that need no window: the type
// list and what a type does to the Length cell, the packing of the enabled
// variables into the process image (Position, Start Bit), the group shown on
// each row, and the checks OK runs before saving.

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"

namespace ethercat_mqtt {

// VarType: the ten type names, in the order of the Type drop-down list.
const QStringList& etherCATVariableTypes();

// What choosing a type does to the row's Length cell.
struct TypeLength {
    QString length;  // the text Length takes
    bool locked;     // the Length cell becomes read-only
};
// VarSetLength: the Length of a type of the list (names compared exactly);
// nothing for any other text, which leaves Length as it is.
std::optional<TypeLength> VarSetLength(const QString& type);

// One table row as the packing reads it.
struct VariableSlot {
    bool enabled = true;
    QString type;
    QString length;
};

// Position and Start Bit of one row, as shown.
struct PackedPlace {
    QString position;
    QString startBit;
    bool operator==(const PackedPlace&) const = default;
};

// Calc_Position_Bit: the places of the rows from the first up to, not
// including, the first whose Type is empty after trimming (the result is
// that long; the rows after it keep what they show). Consecutive enabled
// Bools share bytes from bit 0 upwards; any other type starts on the next
// whole byte and takes its size (Array: Length, String: Length + 1, a type
// outside the list: Length); disabled rows show 0 / 0 and do not end a run
// of bits.
std::vector<PackedPlace> Calc_Position_Bit(const std::vector<VariableSlot>& rows);

// Show_Group: the group name shown on each row of a table whose rows have
// these Enable states (one entry per row). The groups take, in order,
// consecutive runs of rows whose box is on (rows with an empty Type too);
// rows with the box off inside a run show nothing. A group that starts past
// the last row shows nowhere.
std::vector<QString> Show_Group(const std::vector<bool>& enabled, const std::vector<EtherCATGroup>& groups);

// CheckArraySting: only the hexadecimal digits 0-9, A-F (either case); an
// empty text passes.
bool CheckArraySting(const QString& text);

// Text ids of the checks.
namespace variable_texts {
constexpr int ErrorRow = 1051;
constexpr int StoMArrayLength = 1052;
constexpr int StoMArrayInitOdd = 1053;
constexpr int StoMArrayInitTooLong = 1054;
constexpr int StoMArrayInitNotHex = 1055;
constexpr int StoMStringLength = 1056;
constexpr int StoMStringInitTooLong = 1057;
constexpr int MtoSLength = 1058;
}  // namespace variable_texts

// Controllo_dati of the variable editor over the rows OK would save (every
// row has a Type): the slave-to-master rows first, then the master-to-slave
// rows; disabled rows are skipped. The first failing rule, with its row
// number (1-based within its table).
std::optional<rule_editor::RuleFailure> checkEtherCATVariables(const EtherCATSlaveFile& file);

}  // namespace ethercat_mqtt

#pragma once

// The columns the two CAN frame tables share: the identifier Type and the
// eight data-byte positions, whose choices run over the gateway's data array
// and are rebuilt at every showing.

#include <vector>

#include <QStringList>

#include "editors/ethercat_mqtt/rule_editor/rule_table.h"

namespace can_editors {

// "None", then "0" .. arraySize - 1 in ascending order: the choices of a
// data-byte column.
QStringList positionChoices(int arraySize);

// The Type column: "2.0A (11 bits)" or "2.0B (29 bits)".
rule_editor::RuleColumn typeColumn(int headerId, int hintId);

// The columns Byte1 .. Byte8 with consecutive header and hint ids, their
// choices for an array of `arraySize` bytes.
std::vector<rule_editor::RuleColumn> byteColumns(int firstHeaderId, int firstHintId, int arraySize);

// Rebuilds the choices of the eight data-byte columns from `firstColumn` on
// for an array of `arraySize` bytes: one list, shared by the eight columns.
void refillPositionChoices(rule_editor::RuleTable& table, int firstColumn, int arraySize);

}  // namespace can_editors

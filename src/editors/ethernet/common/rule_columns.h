#pragma once

// Column layouts of the Ethernet-side rule tables: a table's column shapes
// (kind, width, colour, items) get their header and hint texts from the
// lists of the form's text block, and the drop-down items the tables share.

#include <vector>

#include <QStringList>

#include "editors/ethercat_mqtt/rule_editor/rule_table.h"

namespace ethernet_editors {

// A column of a table's shape, its texts still to come.
rule_editor::RuleColumn shapeColumn(rule_editor::ColumnKind kind, int width, TColor color,
                                    const QStringList& items = {}, bool hidden = false);

// The columns of `shape` with their texts: `headers` from column 0,
// `hints` from column 1, one per column.
std::vector<rule_editor::RuleColumn> withTexts(std::vector<rule_editor::RuleColumn> shape,
                                               const std::vector<int>& headers, const std::vector<int>& hints);

// The columns that place a rule's data in the gateway's data array of
// `arraySize` bytes: Position, Start Bit, Swap and Swap Word.
std::vector<rule_editor::RuleColumn> dataPlacementColumns(int arraySize);

// The columns of a write rule's triggers: On Change and On CMD.
std::vector<rule_editor::RuleColumn> writeTriggerColumns();

// "0" .. count - 1, e.g. the byte positions of a data array or the bits of
// a byte.
QStringList numberItems(int count);

}  // namespace ethernet_editors

#pragma once

// The checks of the IEC 61850 server variable editor, without a window.

#include <optional>
#include <vector>

#include <QChar>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/ethernet/iec61850/server_variables_file.h"

namespace iec61850 {

// Text ids of the server editor's messages.
namespace server_texts {
constexpr int ErrorRow = 3329;
constexpr int Position = 3330;  // + the highest position
constexpr int DeleteQuestion = 3331;
constexpr int StartBit = 3338;
constexpr int Conversion = 3339;
constexpr int Factor = 3340;
constexpr int Length = 3341;
}  // namespace server_texts

// Controllo_dati of the server editor over the rows OK would save (every
// row has a Name). Rows whose Enable, trimmed, is not "Y" are not checked.
// Per enabled row, in this order: Length 1 .. 4; Position 0 .. dataBytes - 1
// (the message ends with the highest position); a Start Bit chosen when the
// Type is exactly "Digital (Bit)"; a Conversion chosen; a Molt. Factor that
// is "None" or a number (multiplicationFactorValid with `separator`).
std::optional<rule_editor::RuleFailure> checkIEC61850Variables(const std::vector<IEC61850VariableRow>& rows,
                                                              int dataBytes, QChar separator);

}  // namespace iec61850

#pragma once

// The checks of the IEC 61850 client access editor, without a window.

#include <optional>
#include <vector>

#include <QChar>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/ethernet/iec61850/client_file.h"

namespace iec61850 {

// Longest request period, in milliseconds.
constexpr int kMaxClientTime = 100000000;

// Controllo_dati of the client editor over every row of the attribute
// table (the data-set table and the members are not checked). A row whose
// bType is empty is skipped and the scan goes on. Per row, in this order:
// for a VisString255 (compared in capitals) Start Byte 0 .. 254, Num Byte
// 1 .. 255 and their sum at most 255; for an Octet64 0 .. 63, 1 .. 64 and
// at most 64; a dotted IPv4 address; Port 0 .. 65535; with On Timer "Y" a
// Time of 1 .. 100000000; Position 0 .. 1399 (the message ends with 1399);
// a Molt Fact that is "None" or a number (multiplicationFactorValid with
// `separator`).
std::optional<rule_editor::RuleFailure> checkClientAttributes(const std::vector<ClientDaItem>& rows, QChar separator);

}  // namespace iec61850

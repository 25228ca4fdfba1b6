#pragma once

// The checks of the DeviceNet network editor, without a window.

#include <optional>
#include <vector>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/fieldbus/devicenet/devicenet_network_file.h"

namespace devicenet {

// The texts of the checks (after "Error in row " and the row number).
namespace network_texts {
constexpr int IdRange = 2924;      // "!! ID must be 0 or 63"
constexpr int BytesInRange = 2925;  // "!! Number Byte IN must be 0 or 65535"
constexpr int BytesOutRange = 2926; // "!! Number Byte OUT must be 0 or 65535"
}  // namespace network_texts

// The most input or output bytes of one slave.
inline constexpr int kMaxSlaveBytes = 65535;

// Controllo_dati of the network editor over the slaves OK would save (the
// rows up to the first ID cell without any text): per slave, in this order,
// ID 0 .. 63, Num Byte In and Num Byte Out 0 .. 65535 each. Numbers that are
// not numbers (a cell of blanks among them) count as -1. Two slaves with the
// same ID pass.
std::optional<rule_editor::RuleFailure> checkDeviceNetNetwork(const std::vector<DeviceNetSlave>& slaves);

}  // namespace devicenet

#pragma once

// The checks of the CAN frame editors, without a window.

#include <optional>
#include <vector>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/fieldbus/can/can_frame_file.h"

namespace can_editors {

// Sizes in bytes of the gateway's data arrays: received frames fill the
// input array, sent frames read the output array.
constexpr int kReceiveArrayBytes = 2000;
constexpr int kTransmitArrayBytes = 2500;

// Controllo_dati of the receive editor over the rows OK would save: only
// rules whose Enable (trimmed, upper-cased) is "Y" are checked, in this
// order: the CobID in 0 .. 2047 when the Type (trimmed) is exactly
// "2.0A (11 bits)", else in 0 .. 0x1FFFFFFF; Dimension 1 .. 8; TimeOut
// 0 .. 100000000; the Byte cells up to the Dimension empty, exactly "None"
// or a position 0 .. maxByte - 1 (the message then ends with that last
// position and " or None"). Numbers that are not whole numbers count as -1.
std::optional<rule_editor::RuleFailure> checkCANReceiveFrames(const std::vector<CANReceiveFrame>& frames,
                                                              int maxByte = kReceiveArrayBytes);

// The transmit editor's checks: as the receive editor's, with the Time
// (0 .. 100000000, checked only when OnTimer is "Y") in place of the
// TimeOut.
std::optional<rule_editor::RuleFailure> checkCANTransmitFrames(const std::vector<CANTransmitFrame>& frames,
                                                               int maxByte = kTransmitArrayBytes);

}  // namespace can_editors

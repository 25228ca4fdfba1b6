#pragma once

// The checks of the J1939 receive and transmit editors, without a window.

#include <optional>
#include <vector>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/fieldbus/j1939/j1939_frame_files.h"

namespace j1939 {

// Sizes of the gateway's data arrays: the receive rules fill the input
// array, the transmit rules are taken from the output array.
inline constexpr int kJ1939InputBytes = 1440;
inline constexpr int kJ1939OutputBytes = 512;

// The receive editor's texts, in check order (after "Error in row " and the
// row number, except TooMany).
namespace receive_texts {
constexpr int DataPage = 3536;
constexpr int Pgn = 3537;
constexpr int SourceAddress = 3538;
constexpr int TransportStart = 3539;
constexpr int TransportSum = 3540;
constexpr int BothFilled = 3541;
constexpr int FrameStart = 3542;
constexpr int FrameCount = 3543;
constexpr int FrameSum = 3544;
constexpr int TooMany = 3545;  // + the array size, without the row
constexpr int RequestTime = 3546;
}  // namespace receive_texts

namespace transmit_texts {
constexpr int Priority = 3636;
constexpr int DataPage = 3637;
constexpr int Pgn = 3638;
constexpr int SourceAddress = 3639;
constexpr int Count = 3640;    // + the array size
constexpr int TooMany = 3641;  // + the array size, without the row
constexpr int SendTimer = 3642;
}  // namespace transmit_texts

// Controllo_Dati of the receive editor over the rules OK would save: per
// rule a Data Page; PGN 0 .. 65535; Source Address 0 .. 239; the captured
// bytes (transport protocol: Start Byte 0 .. 1785 and Start + N at most
// 1785; single frame: Start Byte and N Byte both or neither, each 1 .. 8,
// together at most 8); the total of captured bytes (N each, 8 for a whole
// frame) within the input array; when requested, Time(ms) 2 .. 10000000.
std::optional<rule_editor::RuleFailure> checkJ1939ReceiveRules(const std::vector<J1939ReceiveRule>& rules,
                                                               int inputBytes = kJ1939InputBytes);

// Controllo_Dati of the transmit editor: per rule Priority 0 .. 7; a Data
// Page; PGN 0 .. 131071; Source Address 0 .. 255; N Bytes 0 .. the output
// array, all together within it; on a timer, Send Timer 1 .. 65535.
std::optional<rule_editor::RuleFailure> checkJ1939TransmitRules(const std::vector<J1939TransmitRule>& rules,
                                                                int outputBytes = kJ1939OutputBytes);

}  // namespace j1939

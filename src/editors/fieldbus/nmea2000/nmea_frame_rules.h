#pragma once

// The checks of the NMEA 2000 receive and transmit editors, without a
// window (the J1939 editors' checks with the limits and texts of these).

#include <optional>
#include <vector>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/fieldbus/nmea2000/nmea_frame_files.h"

namespace nmea2000 {

// Sizes of the gateway's data arrays.
inline constexpr int kNMEAInputBytes = 512;
inline constexpr int kNMEAOutputBytes = 512;

namespace receive_texts {
constexpr int Pgn = 3932;
constexpr int SourceAddress = 3933;
constexpr int TransportStart = 3934;
constexpr int TransportSum = 3935;
constexpr int FastPacketStart = 3936;
constexpr int FastPacketSum = 3937;
constexpr int BothFilled = 3938;
constexpr int FrameStart = 3939;
constexpr int FrameCount = 3940;
constexpr int FrameSum = 3941;
constexpr int TooMany = 3942;  // + the array size, without the row
}  // namespace receive_texts

namespace transmit_texts {
constexpr int Priority = 4036;
constexpr int Pgn = 4037;
constexpr int SourceAddress = 4038;
constexpr int Count = 4039;    // + the array size
constexpr int TooMany = 4040;  // + the array size, without the row
constexpr int SendTimer = 4041;
}  // namespace transmit_texts

// Controllo_Dati of the receive editor: per rule PGN 0 .. 131071; Source
// Address 0 .. 239; the captured bytes (transport protocol: Start Byte
// 0 .. 1785 and Start + N at most 1785, also when Fast Packet is ticked
// too; fast packet: Start Byte 0 .. 223 and Start + N at most 223; single
// frame as in the J1939 editor); the total (N each, 8 for a whole frame)
// within the input array.
std::optional<rule_editor::RuleFailure> checkNMEAReceiveRules(const std::vector<NMEAReceiveRule>& rules,
                                                              int inputBytes = kNMEAInputBytes);

// Controllo_Dati of the transmit editor: per rule Priority 0 .. 7; PGN
// 0 .. 131071; Source Address 0 .. 239; Num Byte 0 .. the output array, all
// together within it; on a timer, Send Timer 1 .. 65535. Fast Packet takes
// part in no check.
std::optional<rule_editor::RuleFailure> checkNMEATransmitRules(const std::vector<NMEATransmitRule>& rules,
                                                               int outputBytes = kNMEAOutputBytes);

}  // namespace nmea2000

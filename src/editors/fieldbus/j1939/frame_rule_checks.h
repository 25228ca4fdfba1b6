#pragma once

// The checks that the J1939 and NMEA 2000 frame editors share, without a
// window: a receive rule's address and captured bytes, a transmit rule's
// address, size and timer, and the running total of bytes held against the
// gateway's data array. Each editor gives its limits and its texts; a
// check whose text is -1 does not exist in that editor.

#include <optional>
#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "platform/colors.h"

namespace j1939 {

// The colour of the columns of captured bytes and of sending triggers.
constexpr TColor kTriggerColor = 0x00CAFFCA;  // RGB(202, 255, 202)

// Bytes of a group through the multi-packet transport protocol, as a fast
// packet, and in a single frame.
inline constexpr int kTransportBytes = 1785;
inline constexpr int kFastPacketBytes = 223;
inline constexpr int kFrameBytes = 8;

// The cells of a receive rule that the checks read.
struct ReceiveCells {
    QString dataPage;
    QString pgn;
    QString sa;
    QString tp;         // "Y": transport protocol
    QString fp;         // "Y": fast packet
    QString start;      // Start Byte
    QString count;      // N Byte
    QString onRequest;  // "Y": requested periodically
    QString time;       // the request period in ms
};

struct ReceiveChecks {
    int arraySize = 0;  // NUM_BYTE_IN
    int pgnMax = 0;
    int saMax = 239;
    int dataPage = -1;   // the cell must not be empty
    int pgn = -1;
    int sa = -1;
    int tpStart = -1;    // transport protocol: Start Byte 0 .. 1785
    int tpSum = -1;      // N Byte 0 or more, Start + N at most 1785
    int fpStart = -1;    // fast packet: Start Byte 0 .. 223
    int fpSum = -1;      // N Byte 0 or more, Start + N at most 223
    int bothFilled = -1; // single frame: both cells or neither
    int sfStart = -1;    // single frame: Start Byte 1 .. 8
    int sfCount = -1;    // N Byte 1 .. 8
    int sfSum = -1;      // Start + N at most 8
    int tooMany = -1;    // the total of captured bytes beyond the array (no row; the array size follows)
    int time = -1;       // requested periodically: period 2 .. 10000000 ms
};

// The receive checks, rule by rule in the order of the fields above. A rule
// takes N bytes of the input array when it captures them through the
// transport protocol, as a fast packet, or as part of a single frame (both
// cells filled), and the whole frame of 8 bytes when both cells are empty.
// "Y" must be exact; the emptiness of Data Page, Start Byte and N Byte
// does not count blanks; numbers that are none count as -1.
std::optional<rule_editor::RuleFailure> checkReceiveRules(const std::vector<ReceiveCells>& rules,
                                                          const ReceiveChecks& checks);

// The cells of a transmit rule that the checks read.
struct TransmitCells {
    QString priority;
    QString dataPage;
    QString pgn;
    QString sa;
    QString count;      // the group's data bytes
    QString onTimer;    // "Y": sent periodically
    QString sendTimer;  // the period in ms
};

struct TransmitChecks {
    int arraySize = 0;  // NUM_BYTE_OUT
    int pgnMax = 0;
    int saMax = 0;
    int priority = -1;   // 0 .. 7
    int dataPage = -1;   // the cell must not be empty
    int pgn = -1;
    int sa = -1;
    int count = -1;      // 0 .. arraySize (the array size follows the text)
    int tooMany = -1;    // the total beyond the array (no row; the array size follows)
    int sendTimer = -1;  // sent periodically: 1 .. 65535 ms
};

// The transmit checks, rule by rule in the order of the fields above.
std::optional<rule_editor::RuleFailure> checkTransmitRules(const std::vector<TransmitCells>& rules,
                                                           const TransmitChecks& checks);

}  // namespace j1939

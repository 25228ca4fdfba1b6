#pragma once

// The slaves of the DeviceNet offset editor without a window: built from
// DNETM_Net.xml, given their offsets from DNETM_DefOff.xml (matched by
// position), turned back into the offset file's nodes, and checked before
// OK writes them.

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "editors/fieldbus/devicenet/devicenet_network_file.h"
#include "editors/fieldbus/devicenet/devicenet_offset_file.h"

namespace devicenet {

// The texts of the offset editor that its checks and loading use.
namespace offset_texts {
constexpr int SlaveId = 3011;           // "ID Slave" (also the header of the slave list)
constexpr int SameOutput = 3021;        // "Error in ByteOUT! The same byte of EtherCAT is used in two bytes DeviceNet."
constexpr int FirstId = 3022;           // "First ID = "
constexpr int Byte = 3023;              // " Byte = "
constexpr int SecondId = 3024;          // ", Second ID = "
constexpr int SecondByte = 3025;        // " Byte = "
constexpr int SlaveListUnusable = 3026; // the file %s, row %d: %s "%s" not a whole number from 0 to %d
constexpr int InputOutside = 3027;      // "Error in ByteIN! An offset must be None or ... from 0 to "
constexpr int OutputOutside = 3028;     // the same for ByteOUT
constexpr int Id = 3029;                // "ID = "
constexpr int OffsetIs = 3030;          // " Offset = "
constexpr int SurplusNodes = 3031;      // the file %s holds the offsets of %d slaves more ...
constexpr int SurplusBytes = 3032;      // the file %s holds %d offsets more than the bytes ...
}  // namespace offset_texts

// The offset text of a byte that is not passed.
inline const QString kNoOffset = QStringLiteral("None");

// One slave of the network list with the offset and description of each
// of its input and output bytes.
struct TSlave_DN {
    uint8_t ID = 0;
    uint16_t ByteIN = 0;
    uint16_t ByteOUT = 0;
    QStringList SL_ByteIN;     // offset text per input byte: "None" or a position
    QStringList SL_ByteIN_M;   // description per input byte
    QStringList SL_ByteOUT;    // offset text per output byte
    QStringList SL_ByteOUT_M;  // description per output byte
};

// A value of the network list that the offset editor cannot use: the
// slave's row (from 1), its column in the network editor's table
// (1 ID, 2 Num Byte In, 3 Num Byte Out), the text, and the largest value
// allowed.
struct SlaveListProblem {
    int row = 0;
    int column = 0;
    QString text;
    int high = 0;
    bool operator==(const SlaveListProblem&) const = default;
};

// The slaves of the network list, in its order, every byte "None" without a
// description. ID must read as an integer 0 .. 255 and the byte counts as
// integers 0 .. 65535 (with the shared integer reader); the first value
// that does not gives the problem and no slaves.
std::optional<SlaveListProblem> slavesFromNetwork(const std::vector<DeviceNetSlave>& network,
                                                   std::vector<TSlave_DN>& slaves);

// What the offset file holds beyond the slaves and their bytes.
struct OffsetSurplus {
    int nodes = 0;  // nodes after the last slave
    int bytes = 0;  // rows after the last byte of their slave
};

// Node i gives its offsets and descriptions to slave i, row j to byte j;
// bytes without a row keep "None" and an empty description.
OffsetSurplus applyOffsets(const std::vector<DeviceNetNode>& nodes, std::vector<TSlave_DN>& slaves);

// The offset file's nodes of the slaves, one per slave in order.
std::vector<DeviceNetNode> offsetNodes(const std::vector<TSlave_DN>& slaves);

// The first offset the checks refuse.
struct OffsetFailure {
    enum Kind {
        InputOutside,   // an input byte's offset is neither "None" nor a position of the array
        OutputOutside,  // the same for an output byte
        SameOutput,     // two output bytes at the same position
    };
    Kind kind = InputOutside;
    int id = 0;        // the slave of the byte
    int byte = 0;      // the byte, from 0
    QString offset;    // its offset text
    int firstId = 0;   // SameOutput: the byte that took the position first
    int firstByte = 0;
    int lastPosition = 0;  // ...Outside: the last position of the byte's array
    bool operator==(const OffsetFailure&) const = default;
};

// Check_Data: slave by slave in list order, its input bytes then its output
// bytes in order. An offset that is empty or "None" (blanks around it and
// the case aside) passes the byte over; any other must read as a position
// of the byte's array (0 .. inputSize - 1 or 0 .. outputSize - 1); an
// output position may be taken by one output byte only (input bytes may
// share positions).
std::optional<OffsetFailure> checkDeviceNetOffsets(const std::vector<TSlave_DN>& slaves, int inputSize = 1440,
                                                   int outputSize = 1440);

// The message of a failure, from the form's texts: the rule's text (for an
// offset outside the array ending with the last position), then a line
// feed and a carriage return and, in brackets, the slave and byte (and the
// offset, or the slave and byte that took the position first).
QString offsetFailureText(const OffsetFailure& failure);

}  // namespace devicenet

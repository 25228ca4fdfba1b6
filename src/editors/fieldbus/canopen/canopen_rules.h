#pragma once

// The checks of the CANopen PDO, SDO client and SDO server editors, without
// a window. Each walks its first table, then its second, over the rows OK
// would save, and returns the first rule broken: the message is the form's
// "Error row " + the row + the rule's text (+ the last array position for a
// position rule). Numbers that are not whole numbers count as -1.

#include <optional>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/fieldbus/canopen/canopen_files.h"

namespace canopen {

// Sizes in bytes of the gateway's data arrays: the first table's positions
// lie in the input array, the second table's in the output array.
struct CANopenDataArrays {
    int NByte_IN = 1500;
    int NByte_OUT = 1500;
};

// Receive PDOs: COB-ID 0 .. 0x7FF, Dimension 1 .. 8, the address of each
// byte up to the Dimension inside the input array, TimeOut 0 .. 65535.
// Transmit PDOs: the same against the output array, then Send Time
// 0 .. 100000000. The other addresses and On Change are not checked.
std::optional<rule_editor::RuleFailure> checkPDORules(const TwoLists<PDORule>& rules,
                                                      const CANopenDataArrays& arrays = {});

// Read and write requests: ID Device 1 .. 127, Index 0x1000 .. 0xFFFF,
// SubIndex 0x00 .. 0xFF, N Byte 1, 2 or 4, Poll Time (read from 1, write
// from 0, up to 100000000), the addresses of the N Byte bytes inside the
// array; a read request then its TimeOut 0 .. 65535.
std::optional<rule_editor::RuleFailure> checkSDOClientRules(const TwoLists<SDORequest>& requests,
                                                            const CANopenDataArrays& arrays = {});

// Read and write objects: Index 0x2000 .. 0x5FFF, SubIndex 0x00 .. 0xFF,
// N Byte 1, 2 or 4, the addresses of the N Byte bytes inside the array.
// Repeated indexes and sub-indexes are allowed.
std::optional<rule_editor::RuleFailure> checkSDOServerRules(const TwoLists<SDOObject>& objects,
                                                            const CANopenDataArrays& arrays = {});

}  // namespace canopen

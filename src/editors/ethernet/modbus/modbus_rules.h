#pragma once

// The checks of the two Modbus master editors, without a window.

#include <optional>

#include <QString>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/ethernet/modbus/modbus_rule_file.h"

namespace ethernet_editors {

// Sizes in bytes of the gateway's data arrays: the read rules fill the
// input array, the write rules read the output array.
struct ModbusDataArrays {
    int NByte_IN = 1500;
    int NByte_OUT = 1500;
};

// Whether a rule's Type is a bit type of its table: "Coil Status" and
// "Input Status" in the read table, "Coil Status" alone in the write table
// (trimmed, either case). Any other text counts as a register type.
bool isModbusBitType(int table, const QString& type);

// The last byte of the data array a rule touches: registers take two bytes
// each from Position; bits are packed eight to a byte from the Start Bit
// (0 when it is not a number) of byte Position.
qint64 modbusLastByte(bool bitType, qint32 position, qint32 nPoint, const QString& startBit);

// Controllo_dati of a Modbus editor over the rows OK would save (every row
// has its key cell): the read rules, then the write rules; only rules whose
// Enable is "Y" (trimmed) are checked. Per rule, in this order: (TCP) the
// IP address and the port; Slave ID 1 .. 247; a Type; Address 0 .. 65535;
// NPoint from 1 to the protocol's limit for the type (the message ends with
// the limit); Poll Time (read from 1, write from 0, up to 100000000); Max
// Error 0 .. 100000000; Position inside the data array (the message ends
// with the last position); a Start Bit for bit types; the last byte inside
// the data array. Numbers that are not numbers count as -1.
std::optional<rule_editor::RuleFailure> checkModbusRules(ModbusMaster master, const ModbusRuleFile& file,
                                                         const ModbusDataArrays& arrays = {});

}  // namespace ethernet_editors

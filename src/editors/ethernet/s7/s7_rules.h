#pragma once

// The checks of the S7 client editor, without a window.

#include <array>
#include <optional>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/ethernet/s7/s7_rule_file.h"

namespace ethernet_editors {

// Sizes in bytes of the gateway's data arrays: the read rules fill the
// input array, the write rules read the output array.
struct S7DataArrays {
    int NByte_IN = 1500;
    int NByte_OUT = 1500;
};

// One controller connection: the four octets of its IPv4 address, first
// octet first, and its port; all -1 while the entry is free.
struct TIPPort {
    int IP1 = -1;
    int IP2 = -1;
    int IP3 = -1;
    int IP4 = -1;
    int Port = -1;
    bool operator==(const TIPPort&) const = default;
};

// The distinct connections met during one run of the checks: the gateway
// keeps at most 10.
class S7Connections {
public:
    static constexpr int kMaxConnections = 10;

    // The index of the connection (new ones take the first free entry), or
    // -1 when it is new and every entry is taken.
    int Check_IP_Port(int ip1, int ip2, int ip3, int ip4, int port);

private:
    std::array<TIPPort, kMaxConnections> array_ip_Port;
};

// Controllo_dati of the S7 editor over the rows OK would save (every row has
// its IP address): the read rules, then the write rules; only rules whose
// Enable is "Y" (trimmed) are checked. Per rule, in this order: a valid IP
// address; PLC Port 0 .. 65535; the address and port among the 10
// connections that both tables share; a PLC Type; Rack 0 .. 3; Slot
// 0 .. 31; a Data Type; a Data Identifier; DB Number 0 .. 65535; a PLC
// Area; PLC Add 0 .. 65535; a PLC Bit; Poll Time (read from 1, write from
// 0, up to 100000000); Position inside the data array (the message ends
// with the last position); a Start Bit. Text cells count as empty when they
// hold only blanks; numbers that are not numbers count as -1.
std::optional<rule_editor::RuleFailure> checkS7Rules(const S7RuleFile& file, const S7DataArrays& arrays = {});

}  // namespace ethernet_editors

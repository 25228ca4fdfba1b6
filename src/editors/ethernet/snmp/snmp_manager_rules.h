#pragma once

// The checks of the SNMP manager request editor, without a window.

#include <optional>
#include <vector>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/ethernet/snmp/snmp_manager_file.h"

namespace snmp {

// Text ids of the manager editor's messages.
namespace manager_texts {
constexpr int ErrorRow = 4637;
constexpr int IPAddress = 4638;
constexpr int OIDTooLong = 4639;  // Check_OID's codes 1 .. 6 give 4639 .. 4644
constexpr int Time = 4645;
constexpr int NumberBytes = 4646;
constexpr int DeleteQuestion = 4647;
constexpr int Conversion = 4656;
constexpr int UserTooLong = 4674;      // then too short (empty), bad character
constexpr int AuthPassTooLong = 4677;  // then too short, bad character
constexpr int PrivPassTooLong = 4680;  // then too short, bad character
constexpr int SecurityLevel = 4683;
constexpr int AuthMode = 4684;
constexpr int PrivMode = 4685;
constexpr int ErrorRows = 4686;
constexpr int ErrorRowsJoin = 4687;
constexpr int SameRequest = 4688;
}  // namespace manager_texts

// Longest request period, in milliseconds.
constexpr int kMaxRequestTime = 100000000;
// Most bytes of one request.
constexpr int kMaxRequestBytes = 1024;

// Controllo_dati of the manager editor over the rows OK would save (every
// row has an IP Address). Rows whose Enable, trimmed, is not exactly "Y"
// are not checked. Per enabled row, in this order: a dotted IPv4 address;
// the OID by Check_OID (an empty OID is refused with the text of its
// code); with OnTimer "Y" a Time of 1 .. 100000000; Num Bytes 0 .. 1024; a
// Conversion chosen; then, for version 3 only, the user name, both pass
// phrases, a Security Level, and the Auth Mode and Priv Mode the level
// needs. When every row passes, no two enabled rows may have the same
// IP Address, Version and OID (trimmed, case-sensitive): that failure
// names both rows.
std::optional<rule_editor::RuleFailure> checkSNMPManagerRequests(const std::vector<SNMPManagerRow>& rows);

}  // namespace snmp

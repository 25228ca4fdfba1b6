#pragma once

// The checks of the EtherCAT group editor, without a window.

#include <optional>

#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"

namespace ethercat_mqtt {

// Most variables one direction's groups may hold together.
constexpr int kMaxGroupedVariables = 256;

namespace group_texts {
constexpr int ErrorRow = 5325;
constexpr int StoMCount = 5326;
constexpr int StoMTotal = 5327;
constexpr int MtoSCount = 5328;
constexpr int MtoSTotal = 5329;
}  // namespace group_texts

// Controllo_dati of the group editor over the rows OK would save (every row
// has a Group Name): the slave-to-master groups first, each row's Num
// Variables 1 .. 256, then their total at most 256 (a message without a row
// number); then the master-to-slave groups the same way.
std::optional<rule_editor::RuleFailure> checkEtherCATGroups(const EtherCATGroupFile& file);

}  // namespace ethercat_mqtt

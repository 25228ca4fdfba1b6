#include "editors/ethercat_mqtt/ethercat_group_rules.h"

#include "platform/strings.h"

namespace ethercat_mqtt {
namespace {

std::optional<rule_editor::RuleFailure> checkDirection(int table, const std::vector<EtherCATGroupRow>& rows,
                                                       int countText, int totalText)
{
    int total = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int32_t count = platform::parseIntOr(rows[i].Num_Variables, -1);
        if (count < 1 || count > kMaxGroupedVariables)
            return rule_editor::RuleFailure{table, int(i) + 1, countText};
        total += count;
    }
    if (total > kMaxGroupedVariables)
        return rule_editor::RuleFailure{table, 0, totalText};
    return std::nullopt;
}

}  // namespace

std::optional<rule_editor::RuleFailure> checkEtherCATGroups(const EtherCATGroupFile& file)
{
    using namespace group_texts;
    if (auto failure = checkDirection(0, file.Slave_to_Master, StoMCount, StoMTotal))
        return failure;
    return checkDirection(1, file.Master_to_Slave, MtoSCount, MtoSTotal);
}

}  // namespace ethercat_mqtt

// The group editor's checks: each row's count, then the total, one
// direction after the other.

#include <gtest/gtest.h>

#include "editors/ethercat_mqtt/ethercat_group_rules.h"

namespace ethercat_group_rules_tests {

using namespace ethercat_mqtt;
using rule_editor::RuleFailure;

std::vector<EtherCATGroupRow> groups(const QStringList& counts)
{
    std::vector<EtherCATGroupRow> rows;
    for (const QString& count : counts)
        rows.push_back({QStringLiteral("G"), count, QString()});
    return rows;
}

TEST(EtherCATGroupChecks, RowCountsThenTotalsOnBothPages)
{
    using namespace group_texts;
    struct Case {
        const char* name;
        QStringList toMaster;
        QStringList toSlave;
        std::optional<RuleFailure> failure;
    };
    const auto ok = std::optional<RuleFailure>();
    const auto fail = [](int table, int row, int text) { return std::optional<RuleFailure>({table, row, text}); };
    const Case cases[] = {
        {"a total of 256 passes", {"200", "56"}, {"1", "255"}, ok},
        {"a total of 257 names no row", {"200", "57"}, {}, fail(0, 0, StoMTotal)},
        {"count 0", {"3", "0"}, {}, fail(0, 2, StoMCount)},
        {"count 257", {"257"}, {}, fail(0, 1, StoMCount)},
        {"count no number", {"1", "2", "x"}, {}, fail(0, 3, StoMCount)},
        {"count empty", {""}, {}, fail(0, 1, StoMCount)},
        {"the total waits for every row", {"200", "100", "0"}, {}, fail(0, 3, StoMCount)},
        {"master-to-slave count", {"5"}, {"1", "-1"}, fail(1, 2, MtoSCount)},
        {"master-to-slave total", {"256"}, {"128", "129"}, fail(1, 0, MtoSTotal)},
        {"slave-to-master total before master-to-slave rows", {"256", "1"}, {"0"}, fail(0, 0, StoMTotal)},
        {"no groups", {}, {}, ok},
    };
    for (const Case& c : cases) {
        EtherCATGroupFile file;
        file.Slave_to_Master = groups(c.toMaster);
        file.Master_to_Slave = groups(c.toSlave);
        EXPECT_EQ(checkEtherCATGroups(file), c.failure) << c.name;
    }
}

}  // namespace ethercat_group_rules_tests

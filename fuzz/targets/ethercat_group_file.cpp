// EtherCAT_Slave_Group.xml: the variable groups. The file written from what
// was read reads back the same; the membership rule gives every variable at
// most one group, the groups in order.

#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

using namespace ethercat_mqtt;

// The groups of a direction take consecutive runs of variables: along the
// variables the group never goes back, and once a variable is in none, no
// later one is in any.
void checkMembership(const std::vector<EtherCATGroupRow>& rows)
{
    const std::vector<EtherCATGroup> groups = namedGroups(rows);
    int last = -1;
    bool ended = false;
    for (int variable = 0; variable < 64; ++variable) {
        const int group = groupOfVariable(groups, variable);
        FUZZ_CHECK(group >= -1 && group < int(groups.size()));
        if (group < 0) {
            ended = true;
            continue;
        }
        FUZZ_CHECK(!ended && group >= last);
        last = group;
    }
}

}  // namespace

FUZZ_TARGET(ethercat_group_file)
{
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("EtherCAT_Slave_Group.xml"), input.takeRest());
    platform::XmlDocument doc;
    EtherCATGroupFile file;
    readEtherCATGroupFile(path, doc, file);
    checkMembership(file.Slave_to_Master);
    checkMembership(file.Master_to_Slave);

    fuzz::checkWriteReadWrite(
        file,
        [&](const QString& to, const EtherCATGroupFile& groups) { return writeEtherCATGroupFile(to, doc, groups); },
        [&](const QString& from, EtherCATGroupFile& groups) { return readEtherCATGroupFile(from, doc, groups).ok(); });
}

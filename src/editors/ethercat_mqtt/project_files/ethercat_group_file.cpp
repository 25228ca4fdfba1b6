#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"

#include "platform/strings.h"

namespace ethercat_mqtt {
namespace group_file_detail {

const QString kGroupRoot = QStringLiteral("PROFINET_Master_to_Modbus_TCP_Master");
const QString kGroupSlaveToMaster = QStringLiteral("Slave_to_Master");
const QString kGroupMasterToSlave = QStringLiteral("Master_to_Slave");

const std::vector<RowAttribute<EtherCATGroupRow>>& groupAttributes()
{
    static const std::vector<RowAttribute<EtherCATGroupRow>> attributes = {
        {"Group_Name", &EtherCATGroupRow::Group_Name},
        {"Num_Variables", &EtherCATGroupRow::Num_Variables},
        {"Mnemonic", &EtherCATGroupRow::Mnemonic},
    };
    return attributes;
}

}  // namespace group_file_detail
using namespace group_file_detail;

ProjectFileRead readEtherCATGroupFile(const QString& path, platform::XmlDocument& doc, EtherCATGroupFile& data)
{
    data = EtherCATGroupFile();
    platform::XmlElement root;
    ProjectFileRead result = project_file_io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    data.Slave_to_Master =
        project_file_io::readRows(project_file_io::list(root, kGroupSlaveToMaster, path, result), groupAttributes());
    data.Master_to_Slave =
        project_file_io::readRows(project_file_io::list(root, kGroupMasterToSlave, path, result), groupAttributes());
    return result;
}

bool writeEtherCATGroupFile(const QString& path, platform::XmlDocument& doc, const EtherCATGroupFile& data,
                            QString* error)
{
    platform::XmlElement root = project_file_io::start(doc, kGroupRoot);
    project_file_io::writeRows(root.appendChild(kGroupSlaveToMaster), data.Slave_to_Master, groupAttributes());
    project_file_io::writeRows(root.appendChild(kGroupMasterToSlave), data.Master_to_Slave, groupAttributes());
    return doc.save(path, error);
}

std::vector<EtherCATGroup> namedGroups(const std::vector<EtherCATGroupRow>& rows)
{
    std::vector<EtherCATGroup> groups;
    for (const EtherCATGroupRow& row : rows) {
        if (row.Group_Name.isEmpty())
            continue;
        groups.push_back({row.Group_Name, platform::parseIntOr(row.Num_Variables, 0)});
    }
    return groups;
}

int groupOfVariable(const std::vector<EtherCATGroup>& groups, int variable)
{
    int64_t total = 0;
    for (size_t k = 0; k < groups.size(); ++k) {
        total += groups[k].numVariables;
        if (variable < total)
            return static_cast<int>(k);
    }
    return -1;
}

}  // namespace ethercat_mqtt

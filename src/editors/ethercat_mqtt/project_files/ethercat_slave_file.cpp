#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"

namespace ethercat_mqtt {
namespace slave_file_detail {

using Row = EtherCATVariableRow;

const QString kSlaveRoot = QStringLiteral("EtherCAT_Slave");
const QString kSlaveVariables = QStringLiteral("EtherCAT_Slave_Variables");
const QString kSlaveToMasterList = QStringLiteral("EtherCAT_Slave_To_Master");
const QString kMasterToSlaveList = QStringLiteral("EtherCAT_Master_To_Slave");

// Attribute order of a slave-to-master row; a master-to-slave row has the
// same without InitValue.
const std::vector<RowAttribute<Row>>& slaveToMasterAttributes()
{
    static const std::vector<RowAttribute<Row>> attributes = {
        {"Enable", &Row::Enable},     {"Type", &Row::Type},         {"Length", &Row::Length},
        {"Name", &Row::Name},         {"InitValue", &Row::InitValue}, {"Position", &Row::Position},
        {"BitStart", &Row::BitStart}, {"Group", &Row::Group},       {"Mnemonic", &Row::Mnemonic},
    };
    return attributes;
}

const std::vector<RowAttribute<Row>>& masterToSlaveAttributes()
{
    static const std::vector<RowAttribute<Row>> attributes = [] {
        std::vector<RowAttribute<Row>> all = slaveToMasterAttributes();
        std::erase_if(all, [](const RowAttribute<Row>& a) { return a.second == &Row::InitValue; });
        return all;
    }();
    return attributes;
}

std::vector<Row> readVariableList(const platform::XmlElement& list, const std::vector<RowAttribute<Row>>& attributes,
                                  MissingEnable missingEnable)
{
    if (missingEnable == MissingEnable::Disabled)
        return project_file_io::readRows(list, attributes);
    return project_file_io::readRows(list, attributes, {{"Enable", QStringLiteral("Y")}});
}

}  // namespace slave_file_detail
using namespace slave_file_detail;

ProjectFileRead readEtherCATSlaveFile(const QString& path, platform::XmlDocument& doc, EtherCATSlaveFile& data,
                                      MissingEnable missingEnable)
{
    data = EtherCATSlaveFile();
    platform::XmlElement root;
    ProjectFileRead result = project_file_io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    const platform::XmlElement variables = project_file_io::list(root, kSlaveVariables, path, result);
    const platform::XmlElement toMaster = project_file_io::list(variables, kSlaveToMasterList, path, result);
    const platform::XmlElement toSlave = project_file_io::list(variables, kMasterToSlaveList, path, result);
    data.SlaveToMaster = readVariableList(toMaster, slaveToMasterAttributes(), missingEnable);
    // The editor writes no InitValue for master-to-slave rows, but one that a
    // file holds is read all the same (the image compiler uses it).
    data.MasterToSlave = readVariableList(toSlave, slaveToMasterAttributes(), missingEnable);
    return result;
}

bool writeEtherCATSlaveFile(const QString& path, platform::XmlDocument& doc, const EtherCATSlaveFile& data,
                            QString* error)
{
    platform::XmlElement variables = project_file_io::start(doc, kSlaveRoot).appendChild(kSlaveVariables);
    project_file_io::writeRows(variables.appendChild(kSlaveToMasterList), data.SlaveToMaster,
                               slaveToMasterAttributes());
    project_file_io::writeRows(variables.appendChild(kMasterToSlaveList), data.MasterToSlave,
                               masterToSlaveAttributes());
    return doc.save(path, error);
}

}  // namespace ethercat_mqtt

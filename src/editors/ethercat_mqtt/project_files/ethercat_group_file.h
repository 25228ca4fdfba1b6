#pragma once

#include <cstdint>
#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace ethercat_mqtt {

// One variable group of EtherCAT_Slave_Group.xml.
struct EtherCATGroupRow {
    QString Group_Name;
    QString Num_Variables;
    QString Mnemonic;
};

// EtherCAT_Slave_Group.xml: the groups of both directions, in table order.
struct EtherCATGroupFile {
    std::vector<EtherCATGroupRow> Slave_to_Master;
    std::vector<EtherCATGroupRow> Master_to_Slave;
};

// Reads EtherCAT_Slave_Group.xml (see ProjectFileRead); a missing attribute
// reads as empty text. A file without one of the two lists is an error; the
// list found is still read.
ProjectFileRead readEtherCATGroupFile(const QString& path, platform::XmlDocument& doc, EtherCATGroupFile& data);

// Writes EtherCAT_Slave_Group.xml whole under the root
// "PROFINET_Master_to_Modbus_TCP_Master". False with `error` set when the file
// cannot be written.
bool writeEtherCATGroupFile(const QString& path, platform::XmlDocument& doc, const EtherCATGroupFile& data,
                            QString* error = nullptr);

// A group of one direction as every reader sees it: rows with an empty Group_Name
// are no group; Num_Variables is read as an integer, 0
// when it is not one.
struct EtherCATGroup {
    QString name;
    int32_t numVariables = 0;
};
std::vector<EtherCATGroup> namedGroups(const std::vector<EtherCATGroupRow>& rows);

// The group membership rule: the groups of a direction, in order, take
// consecutive runs of that direction's enabled variables. Returns the index
// (into `groups`) of the group of enabled variable `variable` (0-based), or
// -1 when it falls in none.
int groupOfVariable(const std::vector<EtherCATGroup>& groups, int variable);

}  // namespace ethercat_mqtt

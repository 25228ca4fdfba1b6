#pragma once

// What the rule files of the Ethernet-side editors add to the shared row
// reading: the record members of an attribute list, which stand in the
// order of the table's columns.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "platform/xml_document.h"

namespace ethernet_editors {

// The members of an attribute list: a table whose columns 1 .. n hold the
// attributes in file order.
template <typename Row>
rule_editor::RecordColumns<Row> columnsOf(const std::vector<ethercat_mqtt::RowAttribute<Row>>& attributes)
{
    rule_editor::RecordColumns<Row> columns;
    columns.reserve(attributes.size());
    for (const auto& [name, member] : attributes)
        columns.push_back(member);
    return columns;
}

}  // namespace ethernet_editors

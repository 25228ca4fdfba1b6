#pragma once

// What the rule files of the Ethernet-side editors add to the shared row
// reading: the defaults of attributes a row lacks, and the record members
// of an attribute list, which stand in the order of the table's columns.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "platform/xml_document.h"

namespace ethernet_editors {

// An attribute that reads as `value` when a row element lacks it.
template <typename Row>
struct AttributeDefault {
    const char* name;
    QString Row::*member;
    const char* value;
};

// Every row element of `list` read as by project_file_io::readRows, then
// the defaults given to the rows whose element lacks the attribute.
template <typename Row>
std::vector<Row> readRowsWithDefaults(const platform::XmlElement& list,
                                      const std::vector<ethercat_mqtt::RowAttribute<Row>>& attributes,
                                      const std::vector<AttributeDefault<Row>>& defaults)
{
    std::vector<Row> rows = ethercat_mqtt::project_file_io::readRows(list, attributes);
    const std::vector<platform::XmlElement> elements = list.children();
    for (size_t i = 0; i < rows.size(); ++i)
        for (const AttributeDefault<Row>& d : defaults)
            if (!elements[i].hasAttribute(QString::fromLatin1(d.name)))
                rows[i].*d.member = QString::fromLatin1(d.value);
    return rows;
}

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

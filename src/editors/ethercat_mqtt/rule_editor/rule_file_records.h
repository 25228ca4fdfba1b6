#pragma once

// Rule tables over the records of a project file whose rows carry one
// attribute per column: the record members of an attribute list, and the
// loading of a file of one list into a one-table editor.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "platform/xml_document.h"

namespace rule_editor {

// The members of an attribute list: a table whose columns 1 .. n hold the
// attributes in file order.
template <typename Row>
RecordColumns<Row> columnsOf(const std::vector<ethercat_mqtt::RowAttribute<Row>>& attributes)
{
    RecordColumns<Row> columns;
    columns.reserve(attributes.size());
    for (const auto& [name, member] : attributes)
        columns.push_back(member);
    return columns;
}

// An editor's project: its file model read by `read(path, doc, file)`, and
// the tables `tablesOf(file)` makes of it; the message about the file when
// it cannot be used.
template <typename File, typename Read, typename Tables>
LoadedProject loadProjectFile(const QString& path, platform::XmlDocument& doc, Read read, Tables tablesOf)
{
    LoadedProject project;
    File file{};
    const ethercat_mqtt::ProjectFileRead result = read(path, doc, file);
    if (!result.ok())
        project.failure = fileProblemText(path, result.reason, result.missingElement);
    else
        project.tables = tablesOf(file);
    return project;
}

// A one-table editor's project: the records of its file as rows of
// `columns`.
template <typename Record, typename Read>
LoadedProject loadRecordTable(const QString& path, platform::XmlDocument& doc, Read read,
                              const RecordColumns<Record>& columns)
{
    return loadProjectFile<std::vector<Record>>(path, doc, read, [&columns](const std::vector<Record>& records) {
        return std::vector<RuleRows>{toRows(records, columns)};
    });
}

}  // namespace rule_editor

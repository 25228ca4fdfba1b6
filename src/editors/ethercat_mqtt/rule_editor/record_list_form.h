#pragma once

// A rule editor of one table over a project file of one list of records,
// whose checks hold the rules to the size of a data array.
//
// A kind names: Record (the file's record), attributes() (the file's
// attribute list, in column order), read(path, doc, records),
// write(path, doc, records, error), check(records, arrayBytes) and path()
// (the project file).

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "platform/xml_document.h"

namespace rule_editor {

template <typename Kind>
class RecordListForm : public TRuleEditorForm {
public:
    using Record = typename Kind::Record;

protected:
    explicit RecordListForm(RuleEditorLayout layout, QWidget* parent) : TRuleEditorForm(std::move(layout), parent) {}

    // The size of the data array the checks hold the rules to.
    virtual int dataArrayBytes() const = 0;

    QString projectFilePath() const override { return Kind::path(); }

    LoadedProject loadProject() override
    {
        return loadRecordTable(projectFilePath(), XML1, Kind::read, columns());
    }

    std::optional<RuleFailure> checkRows(const std::vector<RuleRows>& saved) const override
    {
        return Kind::check(toRecords(saved[0], columns()), dataArrayBytes());
    }

    bool saveProject(const std::vector<RuleRows>& saved, QString* error) override
    {
        return Kind::write(projectFilePath(), XML1, toRecords(saved[0], columns()), error);
    }

private:
    static const RecordColumns<Record>& columns()
    {
        static const RecordColumns<Record> members = columnsOf(Kind::attributes());
        return members;
    }

    platform::XmlDocument XML1;
};

}  // namespace rule_editor

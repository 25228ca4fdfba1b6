#pragma once

// What the three CANopen editors share on the rule editor frame: two
// tables on two tab sheets, the first page made active and the data arrays
// set at every showing, the tables read and written through the kind's
// two-list file, and the kind's checks.
//
// A kind names: Row (the file's record), file() (its TwoListFileLayout),
// check() and path() (the project file).

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/fieldbus/canopen/canopen_rules.h"
#include "platform/xml_document.h"

namespace canopen {

template <typename Kind>
class CANopenForm : public rule_editor::TRuleEditorForm {
public:
    using Row = typename Kind::Row;

    // PROFINET_NByte_IN and PROFINET_NByte_OUT: set at every showing.
    CANopenDataArrays arrays;

protected:
    explicit CANopenForm(rule_editor::RuleEditorLayout layout, QWidget* parent)
        : TRuleEditorForm(std::move(layout), parent)
    {
    }

    void prepareShow() override
    {
        arrays = CANopenDataArrays();
        setActiveTable(0);
    }

    QString projectFilePath() const override { return Kind::path(); }

    rule_editor::LoadedProject loadProject() override
    {
        rule_editor::LoadedProject project;
        const QString path = projectFilePath();
        TwoLists<Row> lists;
        const ethercat_mqtt::ProjectFileRead read = readTwoLists(path, XML1, Kind::file(), lists);
        if (!read.ok()) {
            project.failure = rule_editor::fileProblemText(path, read.reason, read.missingElement);
            return project;
        }
        for (size_t t = 0; t < 2; ++t)
            project.tables.push_back(rule_editor::toRows(lists[t], columnsOf(t)));
        return project;
    }

    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override
    {
        return Kind::check(listsOf(saved), arrays);
    }

    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override
    {
        return writeTwoLists(projectFilePath(), XML1, Kind::file(), listsOf(saved), error);
    }

private:
    static rule_editor::RecordColumns<Row> columnsOf(size_t table)
    {
        return rule_editor::columnsOf(Kind::file().attributes[table]);
    }
    static TwoLists<Row> listsOf(const std::vector<rule_editor::RuleRows>& saved)
    {
        return {rule_editor::toRecords(saved[0], columnsOf(0)), rule_editor::toRecords(saved[1], columnsOf(1))};
    }

    platform::XmlDocument XML1;
};

}  // namespace canopen

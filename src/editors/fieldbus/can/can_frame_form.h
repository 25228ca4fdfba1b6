#pragma once

// What the two CAN frame editors share on the rule editor frame: one table
// of frames, its file read and written through the frame kind's file unit,
// its checks against the data array, and the eight data-byte columns whose
// position choices are rebuilt at every showing.
//
// A kind names: Frame (the file's record), attributes(), read(), write(),
// check(), path() (the project file), kArrayBytes (the data array's size)
// and kFirstByteColumn.

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/fieldbus/can/can_frame_columns.h"
#include "platform/xml_document.h"

namespace can_editors {

template <typename Kind>
class CANFrameForm : public rule_editor::TRuleEditorForm {
public:
    using Frame = typename Kind::Frame;
    static constexpr int kRules = 512;

    // Positions of the data array, set at every showing.
    int MAX_Byte = Kind::kArrayBytes;

protected:
    explicit CANFrameForm(rule_editor::RuleEditorLayout layout, QWidget* parent)
        : TRuleEditorForm(std::move(layout), parent)
    {
    }

    void prepareShow() override
    {
        MAX_Byte = Kind::kArrayBytes;
        refillPositionChoices(table(0), Kind::kFirstByteColumn, MAX_Byte);
    }

    QString projectFilePath() const override { return Kind::path(); }

    rule_editor::LoadedProject loadProject() override
    {
        return rule_editor::loadRecordTable(projectFilePath(), XML1, Kind::read,
                                            rule_editor::columnsOf(Kind::attributes()));
    }

    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override
    {
        return Kind::check(framesOf(saved[0]), MAX_Byte);
    }

    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override
    {
        return Kind::write(projectFilePath(), XML1, framesOf(saved[0]), error);
    }

private:
    static std::vector<Frame> framesOf(const rule_editor::RuleRows& rows)
    {
        return rule_editor::toRecords(rows, rule_editor::columnsOf(Kind::attributes()));
    }

    platform::XmlDocument XML1;
};

}  // namespace can_editors

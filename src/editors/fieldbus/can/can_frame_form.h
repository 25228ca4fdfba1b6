#pragma once

// What the two CAN frame editors share on the rule editor frame: one table
// of frames, its file read and written through the frame kind's file unit,
// its checks against the data array, and the eight data-byte columns whose
// position choices are rebuilt at every showing.
//
// A kind names what a record list form's kind names (see
// rule_editor::RecordListForm), kArrayBytes (the data array's size) and
// kFirstByteColumn.

#include "editors/ethercat_mqtt/rule_editor/record_list_form.h"
#include "editors/fieldbus/can/can_frame_columns.h"

namespace can_editors {

template <typename Kind>
class CANFrameForm : public rule_editor::RecordListForm<Kind> {
public:
    static constexpr int kRules = 512;

    // Positions of the data array, set at every showing.
    int MAX_Byte = Kind::kArrayBytes;

protected:
    explicit CANFrameForm(rule_editor::RuleEditorLayout layout, QWidget* parent)
        : rule_editor::RecordListForm<Kind>(std::move(layout), parent)
    {
    }

    void prepareShow() override
    {
        MAX_Byte = Kind::kArrayBytes;
        refillPositionChoices(this->table(0), Kind::kFirstByteColumn, MAX_Byte);
    }

    int dataArrayBytes() const override { return MAX_Byte; }
};

}  // namespace can_editors

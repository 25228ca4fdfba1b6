#pragma once

// What the two Modbus master editors share: a read table and a write table
// on tab sheets, 512 rules each, the same checks, the same file layout, and
// a hidden Topic column in the read table. Each editor gives its texts, its
// file and, for TCP, the slave's IP address and port in front.

#include <vector>

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethernet/modbus/modbus_rule_file.h"
#include "editors/ethernet/modbus/modbus_rules.h"
#include "editors/ethernet/modbus/publish_topic_list.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace ethernet_editors {

// The texts of one table: its tab caption, its headers from column 0 and
// its header hints from column 1, in column order.
struct ModbusTableTexts {
    int caption = -1;
    std::vector<int> headers;
    std::vector<int> hints;
};

// What a Modbus editor states for the frame.
struct ModbusFormTexts {
    QString formName;
    int base = 0;          // caption, description, the six button captions
    int buttonHints = -1;  // the six button hints from here
    int errorRow = -1;     // "Error row "
    int deleteQuestion = -1;
    QSize clientSize;
    ModbusTableTexts read;
    ModbusTableTexts write;
};

class TModbusMasterForm : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    enum Table { Read = ModbusRead, Write = ModbusWrite };
    static constexpr int kRules = 512;

    ~TModbusMasterForm() override;

    // The read table's Topic column (real index), hidden at every showing.
    int topicColumn() const;

    grid::TExColumnGrid* ECG_Modbus_Read = nullptr;
    grid::TExColumnGrid* ECG_Modbus_Write = nullptr;
    ModbusDataArrays arrays;  // NByte_IN, NByte_OUT
    PublishTopicList List_Publish_Topic;

protected:
    TModbusMasterForm(ModbusMaster master, const ModbusFormTexts& texts, QWidget* parent);

    void prepareShow() override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    // The rules of the rows: the Topic cell is turned into the index saved.
    ModbusRuleFile fileOf(const std::vector<rule_editor::RuleRows>& saved) const;

    ModbusMaster master_;
    platform::XmlDocument XML1;
};

}  // namespace ethernet_editors

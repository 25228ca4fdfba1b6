#pragma once

#include <memory>

#include "editors/ethercat_mqtt/mqtt_topic_rules.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace ethercat_mqtt {

class TFTopicTemplate;

// "MQTT Set Topic": the topics the gateway publishes (a value taken from its
// input data, formatted through a template, sent on change and/or on a
// timer) and the topics it subscribes to (a value read through a template
// and stored in its output data). Reads and writes MQTT_Set_Topic.xml. A
// double click on a Template cell edits it in the template dialog.
class TFMQTT_Set_Topic : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    enum Table { Publish = 0, Subscribe = 1 };
    // The Template column of each table (real index).
    static constexpr int kPublishTemplateColumn = 9;
    static constexpr int kSubscribeTemplateColumn = 11;

    explicit TFMQTT_Set_Topic(QWidget* parent = nullptr);
    ~TFMQTT_Set_Topic() override;

    // Edits the text of a cell in the template dialog: OK stores the
    // dialog's text in the cell, Cancel leaves the cell as it was.
    void Show_Form_Topic(int table, int row, int column);
    // The dialog Show_Form_Topic uses; without one the form makes its own.
    void setTemplateDialog(TFTopicTemplate* dialog) { FTopicTemplate = dialog; }
    TFTopicTemplate& templateDialog();

    grid::TExColumnGrid* ECG_Pub = nullptr;
    grid::TExColumnGrid* ECG_Sub = nullptr;
    int Working_Mode = 1;
    TopicDataArrays arrays;  // Byte_IN, Byte_OUT

protected:
    void prepareShow() override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;
    void cellDoubleClicked(int table, int row, int column) override;

private:
    platform::XmlDocument XML1;
    TFTopicTemplate* FTopicTemplate = nullptr;
    std::unique_ptr<TFTopicTemplate> ownTemplate_;
};

}  // namespace ethercat_mqtt

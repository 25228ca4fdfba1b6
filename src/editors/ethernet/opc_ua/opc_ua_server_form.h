#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace opc_ua {

// "Definition of OPC UA Server Variables": the variables of the gateway's
// data array that it publishes as an OPC UA server, each with a type (which
// gives its length), a position, a name and an access. Reads and writes
// OPC_UA_Server.xml.
class TFOPC_UA_Server_Access : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    // Real columns of the table.
    enum Column { ColEnable = 1, ColType, ColPosition, ColLength, ColName, ColReadWrite, ColMnemonic };
    static constexpr int kVariables = 250;

    explicit TFOPC_UA_Server_Access(QWidget* parent = nullptr);

    // The Length a type gives (and whether it may be changed), and
    // "Read/Write" into an empty R/W cell; a text that is no type changes
    // nothing.
    void VarSetLength(const QString& type, int row);
    // Paste Row, keeping the pasted Length.
    void pasteRow();

    grid::TExStringGrid* ESG = nullptr;

protected:
    void recompute(int table) override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace opc_ua

#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace snmp {

// "Set SNMP Trap Access": the variables the gateway, as SNMP agent, offers
// to managers: read variables (also sent as traps, on a change, a command
// or a timer) and write variables, each a number of bits or bytes of the
// gateway's data arrays with a description that names it in the MIB
// module. Column 0 numbers the enabled variables as the MIB module does.
// Reads and writes SNMP_Trap.xml.
class TFSNMP_Trap_Access : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    enum Table { Read = 0, Write = 1 };
    // Real column indexes shared by both tables.
    static constexpr int kEnableColumn = 1;
    static constexpr int kVariables = 256;

    explicit TFSNMP_Trap_Access(QWidget* parent = nullptr);

    // Numbers the enabled rows of a table in column 0.
    void Index_Row_Build(int table);

    grid::TExColumnGrid* ECG_SNMP_Read = nullptr;
    grid::TExColumnGrid* ECG_SNMP_Write = nullptr;
    // Entries of the Position lists of the read and write tables.
    int NByte_IN = 0;
    int NByte_OUT = 0;

protected:
    void prepareShow() override;
    void recompute(int table) override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace snmp

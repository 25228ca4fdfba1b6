#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace snmp {

// "Set SNMP Manager Access": the requests the gateway, as SNMP manager,
// sends to SNMP agents (get, set or trap of one object, on a change, a
// command or a timer, with the version 3 user and security settings).
// Reads and writes SNMP_Manager.xml.
class TFSNMPManagerAccess : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    // Real column indexes of the table.
    enum Column {
        Enable = 1, IPAddress, Version, CommunityName, OID, Type, Mode, OnChange, OnCMD, OnTimer, Time, Position,
        NumBytes, Conversion, Cancel, User, AuthPass, PrivPass, SecurityLevel, AuthMode, PrivMode, Mnemonic,
    };
    static constexpr int kRequests = 512;

    explicit TFSNMPManagerAccess(QWidget* parent = nullptr);

    grid::TExColumnGrid* ECG_SNMP = nullptr;

protected:
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace snmp

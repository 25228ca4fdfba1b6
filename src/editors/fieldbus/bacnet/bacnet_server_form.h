#pragma once

#include <memory>

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace bacnet {

class TFBACnet_Eng_Unit;

// "Set BACnet Server Objects": the objects the gateway offers as a BACnet
// server, the ones clients read (their bytes in the input data array) and
// the ones clients write (output data array), kept in BACnet_Slave.xml,
// from which the EDE writer builds the device's EDE file. A double click on
// an Eng. Unit cell opens the unit picker; a kind chosen in the write table
// presets its Length. Both tables together hold at most 2000 objects, 1000
// with long object names (ParGen.xml), which also sets their size.
class TFBACnetSlaveSetAccess : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    enum Table { InRead = 0, InWrite = 1 };
    // Real columns shared by both tables.
    enum Column {
        ColDataType = 1,
        ColEngUnit = 2,
        ColPosition = 3,
        ColStartBit = 4,
        ColLength = 5,
        ColSwap = 6,
        ColMnemonic = 7,
    };

    explicit TFBACnetSlaveSetAccess(QWidget* parent = nullptr);
    ~TFBACnetSlaveSetAccess() override;

    // The unit picker the Eng. Unit cells open; without one the form makes
    // its own.
    void setUnitPicker(TFBACnet_Eng_Unit* picker) { FBACnet_Eng_Unit = picker; }
    TFBACnet_Eng_Unit& unitPicker();
    // The picker for an Eng. Unit cell; on OK its code goes into the cell.
    void chooseEngUnit(int table, int row);
    // The Length a kind chosen in the write table presets.
    void ECG_BACnet_in_WriteComboChange(int col, int row, const QString& selection);

    grid::TExColumnGrid* ECG_BACnet_in_Read = nullptr;
    grid::TExColumnGrid* ECG_BACnet_in_Write = nullptr;
    int NByte_IN = 0;
    int NByte_OUT = 0;
    // ParGen.xml selects long object names: half the objects.
    bool Desc_Lenght = false;

protected:
    void prepareShow() override;
    void cellDoubleClicked(int table, int row, int column) override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
    TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;
    std::unique_ptr<TFBACnet_Eng_Unit> ownPicker_;
};

}  // namespace bacnet

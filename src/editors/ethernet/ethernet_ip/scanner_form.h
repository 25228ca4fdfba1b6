#pragma once

#include <memory>

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethernet/ethernet_ip/scanner_rules.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace ethernet_ip {

class TFEtherNEtIP_EDS;

// "Set EtherNet/IP Slaves Access": the implicit I/O connections the gateway
// opens as an EtherNet/IP scanner, one row per adapter, kept in
// EtherNetIP_Master_Rules.xml. Import EDS takes a connection's path values
// from the adapter's EDS file through the connection picker.
class TFEtherNetIP_Master_Access : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    // Real columns of the table.
    enum Column {
        ColEnable = 1,
        ColIPAddress = 2,
        ColInstanceTO = 8,
        ColConnPointTO = 9,
        ColInstanceOT = 10,
        ColConnPointOT = 11,
        ColDimHeaderTO = 12,
        ColDimHeaderOT = 13,
        ColMnemonic = 14,
    };
    static constexpr int kRules = 10;

    explicit TFEtherNetIP_Master_Access(QWidget* parent = nullptr);
    ~TFEtherNetIP_Master_Access() override;

    void Set_Lang() override;
    // Import EDS: an EDS file chosen, a connection picked, its values into
    // the first row without an IP Address and an Instance T > O.
    void Btn_Import_EDSClick();
    // The picker Import EDS shows; without one the form makes its own.
    void setEdsPicker(TFEtherNEtIP_EDS* picker) { FEtherNEtIP_EDS = picker; }
    TFEtherNEtIP_EDS& edsPicker();

    grid::TExColumnGrid* ECG = nullptr;
    button::TLbButton* Btn_Import_EDS = nullptr;
    int32_t Num_Byte_In = 1438;
    int32_t Num_Byte_Out = 1438;

protected:
    void prepareShow() override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
    TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;
    std::unique_ptr<TFEtherNEtIP_EDS> ownPicker_;
};

}  // namespace ethernet_ip

#pragma once

#include <memory>
#include <vector>

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/fieldbus/bacnet/ede_file.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace bacnet {

class TFImportEDEFile;

// "Set BACnet Client Access": what the gateway, as a BACnet client, reads
// from other BACnet devices into its input data and writes to them from its
// output data, kept in BACnet_Master_Access.xml. Column 2 holds the device's
// address by the client's BACnet type in ParGen.xml: an IPv4 address
// (BACnet/IP), a slave id (MS/TP), or nothing (the column is hidden and the
// Object Type ends the lists). Import EDE takes rules from a device's EDE
// file through the import dialog.
class TFBACnetAccess : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    enum Table { Read = 0, Write = 1 };
    static constexpr int kRules = 512;
    static constexpr int kPositions = 1440;
    // Real columns the form itself handles.
    static constexpr int kAddressColumn = 2;
    static constexpr int kObjectTypeColumn = 3;
    static constexpr int kReadPropertyColumn = 5;
    static constexpr int kReadPositionColumn = 13;
    static constexpr int kWritePositionColumn = 17;

    explicit TFBACnetAccess(QWidget* parent = nullptr);
    ~TFBACnetAccess() override;

    void Set_Lang() override;
    // Import EDE: an EDE file chosen, its objects ticked in the import
    // dialog, the chosen ones added as rules in the free rows of both tables.
    void Btn_Import_CSVClick();
    // Adds the objects ticked for import as rules of the device at
    // `address`: each in the next row of its table that holds nothing, from
    // the next free position; objects that find no such row are reported.
    void importObjects(const std::vector<TBACnet_Var>& objects, const QString& address);

    // The import dialog Import EDE shows; without one the form makes its own.
    void setImportDialog(TFImportEDEFile* dialog) { FImportEDEFile = dialog; }
    TFImportEDEFile& importDialog();

    grid::TExColumnGrid* ECG1 = nullptr;
    grid::TExColumnGrid* ECG2 = nullptr;
    button::TLbButton* Btn_Import_CSV = nullptr;
    // The client's BACnet type, read from ParGen.xml at every showing.
    int32_t App_BACnet_Type = 0;

protected:
    void prepareShow() override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    // The BACnet type of ParGen.xml; type 0 after a message when it has none.
    int32_t readBACnetType();
    void applyBACnetType();

    platform::XmlDocument XML1;
    TFImportEDEFile* FImportEDEFile = nullptr;
    std::unique_ptr<TFImportEDEFile> ownDialog_;
};

}  // namespace bacnet

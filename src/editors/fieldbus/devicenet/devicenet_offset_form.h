#pragma once

#include <vector>

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/fieldbus/devicenet/devicenet_slaves.h"
#include "platform/xml_document.h"

class QLabel;
class QSplitter;

namespace grid {
class TExColumnGrid;
}

namespace devicenet {

// "Define Offset": for every input and output byte of every DeviceNet slave
// of the network list (DNETM_Net.xml), the position of the gateway's data
// array it is placed at or taken from, or "None". The user picks a slave in
// the upper list; the two byte tables below show that slave's bytes. Reads
// DNETM_Net.xml, reads and writes DNETM_DefOff.xml, whose nodes belong to
// the slaves by position. Built on the rule editor frame without rule
// tables and row commands; its button is hidden in this variant.
class TFDefOffset : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    // Columns of the byte tables.
    enum ByteColumn { ByteNumber = 0, Offset = 1, ByteMnemonic = 2 };
    // Pages of PageControl1.
    enum Page { InputPage = 0, OutputPage = 1 };

    explicit TFDefOffset(QWidget* parent = nullptr);
    ~TFDefOffset() override;

    void Set_Lang() override;

    // A click in the slave list, or its cursor moved to another row: the
    // byte tables' edits go back into the slave they show, then they show
    // the slave of the current row.
    void ECG_DN_SlavesClick();
    // Copies the byte tables back into the slave Slave_Before_Select.
    bool Save_Data_ByteIN_ByteOUT();

    QWidget* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    grid::TExColumnGrid* ECG_DN_Slaves = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* Panel3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    grid::TExColumnGrid* ECG_ByteIN = nullptr;
    grid::TExColumnGrid* ECG_ByteOUT = nullptr;

    // The slaves in the order of the network list.
    std::vector<TSlave_DN> List_Slaves_DN;
    // The slave the byte tables show; -1 none.
    int Slave_Before_Select = -1;
    // Positions offered for input and output bytes.
    int MAX_BYTE_IN = kArraySize;
    int MAX_BYTE_OUT = kArraySize;

    static constexpr int kArraySize = 1440;

protected:
    QString projectFilePath() const override;
    void prepareShow() override;
    rule_editor::LoadedProject loadProject() override;
    void commitEdits() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    void buildClientArea();
    // DNETM_Net.xml into the slave list and List_Slaves_DN; an error text
    // when it cannot be used.
    QString Load_Slave_DN();
    // DNETM_DefOff.xml into the slaves; an error text when it cannot be
    // read, notices for what it holds beyond the slaves.
    QString Load_Offset_Slave_DN(QStringList& notices);
    void Select_First();
    // The byte tables from the slave of the slave list's current row.
    void Update_Slave_DN();

    platform::XmlDocument XML1;
};

}  // namespace devicenet

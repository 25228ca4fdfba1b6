#pragma once

#include <memory>
#include <vector>

#include <QDialog>
#include <QHash>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"
#include "controls/button/loading_dialog.h"
#include "editors/ethernet/iec61850/client_access.h"
#include "platform/file_stamp.h"
#include "platform/xml_document.h"

class QListWidget;
class QSplitter;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace button {
class TLbButton;
}

namespace grid {
class TExColumnGrid;
}

namespace rule_editor {
class RuleTable;
}

namespace iec61850 {

// "IEC61850 Client Set Access": what the gateway, as an IEC 61850 client,
// reads from and writes to IEC 61850 servers. The user imports SCL files
// into the project's catalog, browses the chosen IED's tree (logical
// devices, nodes, data objects, attributes and data sets) and adds leaf
// attributes to the attribute table and whole data sets to the data-set
// table, giving each its server, triggers and place in the gateway's data
// array; the member grid maps each member of the data set it shows. The
// tables grow as items are added. Reads and writes IEC_61850_Client.xml; a
// file that cannot be used is reported and the form does not open.
class TFIEC_61850_Access : public form_parts::TLoadingDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    // Real columns of the attribute grid.
    enum AttributeColumn {
        ColIndex = 1,
        ColBType,
        ColFc,
        ColReference,
        ColStartByte,
        ColNumByte,
        ColIPAddress,
        ColPort,
        ColOnChange,
        ColOnCMD,
        ColOnTimer,
        ColTime,
        ColPosition,
        ColStartBit,
        ColReadWrite,
        ColConvertion,
        ColMoltFact,
        ColMnemonic,
    };
    // The tree's pictures, by the kind of node.
    enum TreeImage { ImageDevice = 0, ImageLDevice, ImageLN, ImageDO, ImageDA, ImageDataSet };

    explicit TFIEC_61850_Access(QWidget* parent = nullptr);
    ~TFIEC_61850_Access() override;

    void Set_Lang() override;
    // Empties the catalog, the tree, the selections and the tables, then
    // reads the project file; false (after an error box) when it cannot be
    // used.
    bool FormShow() override;
    // Imports an SCL file into the catalog.
    void Btn_Add_IEC_DeviceClick();
    // Removes the chosen catalog IED when no row uses it.
    void Btn_Remove_IEC_DeviceClick();
    void Show_IEC_Devices();
    // Shows the tree of the chosen catalog IED.
    void LB_IEC_DevicesClick();
    // The selection that Add Var uses follows the tree's current node.
    void TV_IEC_DeviceClick();
    void Btn_AddVarClick();
    void Btn_RemoveVarClick();
    // Start Byte and Num Byte of the fixed-size types, read-only in their rows.
    void Set_Start_Num_Byte();
    // Shows the members of the data-set grid's current row.
    void Show_DataSet_DAs();
    // Checks the attribute table; false after an error box.
    bool Controllo_dati();
    void Btn_OKClick();

    rule_editor::RuleTable& attributeTable() const { return *tables_[0]; }
    rule_editor::RuleTable& dataSetTable() const { return *tables_[1]; }
    rule_editor::RuleTable& memberTable() const { return *tables_[2]; }
    // The catalog position whose tree is shown; -1 for none.
    int shownDevice() const { return shownDevice_; }
    // The tree node of a model object (an IED, logical device, node, data
    // object, attribute or data set) once it is shown, else nullptr.
    QTreeWidgetItem* treeNodeOf(const void* object) const;

    form_parts::TitlePanel title;
    QWidget* P_Button = nullptr;
    button::TLbButton* Btn_OK = nullptr;
    button::TLbButton* Btn_Cancel = nullptr;
    button::TLbButton* Btn_AddVar = nullptr;
    button::TLbButton* Btn_RemoveVar = nullptr;
    button::TLbButton* Btn_MoveUp = nullptr;
    button::TLbButton* Btn_ModeDown = nullptr;
    QSplitter* Splitter1 = nullptr;
    QSplitter* Splitter2 = nullptr;
    QSplitter* Splitter3 = nullptr;
    QWidget* PDevIEC = nullptr;
    QWidget* PDevIECList = nullptr;
    QWidget* PDevIECTree = nullptr;
    QWidget* PTable = nullptr;
    button::TLbButton* Btn_Add_IEC_Device = nullptr;
    button::TLbButton* Btn_Remove_IEC_Device = nullptr;
    QListWidget* LB_IEC_Devices = nullptr;
    QTreeWidget* TV_IEC_Device = nullptr;
    QTabWidget* PC_DA_DataSet = nullptr;
    QWidget* TS_DA = nullptr;
    QWidget* TS_DataSet = nullptr;
    grid::TExColumnGrid* ECG_DA = nullptr;
    grid::TExColumnGrid* ECG_DataSet = nullptr;
    grid::TExColumnGrid* ECG_DS_Vars = nullptr;

    Catalog List_IEC_Dev;
    const TIEC_DA* Selected_IEC_DA = nullptr;
    const TIEC_DataSet* Selected_IEC_DS = nullptr;
    // One entry per data-set row, in order.
    std::vector<std::unique_ptr<TDataSet>> List_DataSet;
    // The data set whose members the member grid shows, remembered when it
    // filled them: its edits go there. None when it shows none.
    TDataSet* Shown_DataSet = nullptr;

private:
    void buildForm();
    void buildCatalogPanel();
    void buildTables();
    void wireGrid(int index);
    // The data rows of a table, as records of its columns.
    std::vector<ClientDaItem> attributeRows() const;
    std::vector<ClientDataSetItem> dataSetRows() const;
    // The row Add Var fills: the one empty row of a fresh table, else a new
    // last row.
    int rowToFill(rule_editor::RuleTable& table);
    // Removes a row of a growing table: the rows below move up and column 0
    // is numbered again; the only row is emptied instead.
    void removeTableRow(rule_editor::RuleTable& table, int row);
    // One data row left, every cell empty.
    void emptyTable(rule_editor::RuleTable& table);
    void clearMembers();
    void clearTree();
    // The tree nodes of a model object's children, made when it is first
    // expanded.
    void addChildNodes(QTreeWidgetItem* item);
    void showNotices(const QStringList& notices);

    std::vector<std::unique_ptr<rule_editor::RuleTable>> tables_;
    int shownDevice_ = -1;
    // The node of every model object shown in the tree.
    QHash<const void*, QTreeWidgetItem*> nodes_;
    platform::XmlDocument XML1;
    platform::FileStamp loadedFile_;
    // The tables hold the project file's content; OK writes nothing
    // otherwise.
    bool tablesLoaded_ = false;
};

}  // namespace iec61850

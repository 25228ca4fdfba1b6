#pragma once

#include <vector>

#include <QDialog>
#include <QString>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"
#include "editors/fieldbus/bacnet/ede_file.h"

class QLabel;
class QLineEdit;

namespace grid {
class TExColumnGrid;
}

namespace bacnet {

// "Import BACnet EDE File": lists the objects of an EDE file that the client
// reads and writes, with Import, Read and Write ticks, and asks for the
// address of the device that holds them. The client editor sets EDE_File and
// App_BACnet_Type, shows it modally and, after OK, takes List_EDE_Var and
// the address. It reads and writes no project file.
class TFImportEDEFile : public QDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    enum Column {
        ColNumber = 0,
        ColImport,
        ColRead,
        ColWrite,
        ColName,
        ColObjectType,
        ColInstance,
        ColDescription,
        ColCommandable,
        ColumnCount
    };

    explicit TFImportEDEFile(QWidget* parent = nullptr);
    ~TFImportEDEFile() override;

    void Set_Lang() override;
    // Reads EDE_File afresh into List_EDE_Var and shows it; the address edit
    // keeps what was typed at the previous showing.
    void FormShow();
    void Show_Data_in_Grid();
    // A tick on an object's box: a Write tick on an object that cannot be
    // commanded is refused with a message.
    void ECGCheckBoxClick(int col, int row, bool state);
    void Btn_Select_AllClick();
    void Btn_Unselect_AllClick();
    // Checks the device address; closes with OK when it is right.
    void Btn_OKClick();
    // The device address as typed.
    QString deviceAddress() const;

    QString EDE_File;
    std::vector<TBACnet_Var> List_EDE_Var;
    int32_t App_BACnet_Type = 0;

    form_parts::TitlePanel title;
    QWidget* P_ID_IP = nullptr;
    QLabel* LID_IP = nullptr;
    QLineEdit* E_ID_IP = nullptr;
    grid::TExColumnGrid* ECG = nullptr;
    QWidget* P_Button = nullptr;
    button::TLbButton* Btn_OK = nullptr;
    button::TLbButton* Btn_Cancel = nullptr;
    button::TLbButton* Btn_Select_All = nullptr;
    button::TLbButton* Btn_Unselect_All = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildGrid();
    void setImportTicks(bool state);
};

}  // namespace bacnet

#pragma once

#include <QDialog>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace bacnet {

// "BACnet Engineering Unit": the small picker in which the user chooses an
// engineering unit by category, or types its code. The server object editor
// shows it on a double click in an Eng. Unit cell (preset with the cell's
// text) and takes the edit's text back on OK; OK closes without a check.
class TFBACnet_Eng_Unit : public QDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    explicit TFBACnet_Eng_Unit(QWidget* parent = nullptr);
    ~TFBACnet_Eng_Unit() override;

    void Set_Lang() override;
    // The unit list of the category still chosen, its first unit selected.
    void FormShow();
    // The chosen category's units into the unit list, the first selected.
    void CB_Select_TypeSelect();
    // The chosen unit's code into the edit, its name into Label5.
    void Btn_Select_Eng_UnitClick();
    // Before a showing: the edit gets `code` as it stands, Label5 the name of
    // the code it reads as ("unknown" for text that is no unit code).
    void preset(const QString& code);
    // The edit's text: the code the user chose or typed.
    QString selectedCode() const;

    form_parts::TitlePanel title;
    QWidget* P_Button = nullptr;
    button::TLbButton* Btn_OK = nullptr;
    button::TLbButton* Btn_Cancel = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* E_Selected_EU = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* CB_Select_Type = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* CB_Select_Unit = nullptr;
    button::TLbButton* Btn_Select_Eng_Unit = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showDescription(int code);
};

}  // namespace bacnet

#pragma once

#include <QDialog>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace opc_ua {

struct TOPC_UA_Server;

// "Add OPC UA Server" / "Modify OPC UA Server": the connection settings of
// one remote server. The caller sets FormType (and, to modify, the fields
// through fill) and shows it modally; OK closes it only when the fields the
// authorization asks for are given.
class TFOPC_UA_Add_Server : public QDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    enum { AddServer = 1, ModifyServer = 2 };

    explicit TFOPC_UA_Add_Server(QWidget* parent = nullptr);
    ~TFOPC_UA_Add_Server() override;

    void Set_Lang() override;
    // Captions by the mode; in add mode the fields start empty.
    void FormShow();
    // The fields of the authorization shown, the others hidden, the fields
    // below moved up and the dialog's height fitted.
    void Change_Fields();
    // Security type "None": the policy is "None" and cannot be changed.
    void Check_Authorization();
    // The dialog's check: false after an error box.
    bool Controlla_Dati();
    void Btn_OKClick();

    // The fields from a server, and a server's settings from the fields
    // (texts as typed, the choices through their names).
    void fill(const TOPC_UA_Server& server);
    void store(TOPC_UA_Server& server) const;

    int32_t FormType = AddServer;

    form_parts::TitlePanel title;
    form_parts::ButtonPanel buttons;
    QCheckBox* CB_OPC_UA_Server_Enable = nullptr;
    QLabel* L_Server_Add = nullptr;
    QLineEdit* E_Server_Add = nullptr;
    QLabel* L_Auth = nullptr;
    QComboBox* CB_Auth = nullptr;
    QLabel* L_User = nullptr;
    QLineEdit* E_User = nullptr;
    QLabel* L_Pass = nullptr;
    QLineEdit* E_Pass = nullptr;
    QLabel* L_Certificate = nullptr;
    QPlainTextEdit* RE_Certificate = nullptr;
    QLabel* L_Priv_Key = nullptr;
    QPlainTextEdit* RE_Priv_Key = nullptr;
    QLabel* L_Sec_Type = nullptr;
    QComboBox* CB_Sec_Type = nullptr;
    QLabel* L_Sec_Policy = nullptr;
    QComboBox* CB_Sec_Policy = nullptr;
    QLabel* L_Mnemonic = nullptr;
    QLineEdit* E_Mnemonic = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    template <typename Control>
    Control* place(QLabel*& label, const char* labelName, const char* name, int top, int height = 21);
    void moveRow(QLabel* label, QWidget* control, int top);
};

}  // namespace opc_ua

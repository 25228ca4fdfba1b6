#pragma once

#include <QDialog>
#include <QLineEdit>

#include "app/forms/form_support.h"

namespace app_forms {

// Asks for the name of a new configuration and creates its folder; on
// success the new project is the open one and the dialog closes with OK.
class TFNew_Project : public QDialog, public TranslatableForm {
    Q_OBJECT
public:
    explicit TFNew_Project(QWidget* parent = nullptr);

    void Set_Lang() override;
    // Creates the configuration of the typed name, or shows why not.
    void Btn_OKClick();

    QLabel* Label1 = nullptr;
    QLineEdit* E_New_Proj = nullptr;
    TitlePanel title;
    ButtonPanel buttons;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace app_forms

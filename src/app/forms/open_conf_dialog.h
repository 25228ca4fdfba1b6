#pragma once

#include <QDialog>
#include <QListWidget>

#include "app/forms/form_support.h"

namespace app_forms {

// Lists the configurations in PROJECTS and returns the chosen name.
class TFOpenConf : public QDialog, public TranslatableForm {
    Q_OBJECT
public:
    explicit TFOpenConf(QWidget* parent = nullptr);

    void Set_Lang() override;
    // Fills the list from PROJECTS and preselects the open project.
    void Fill_List();

    QLabel* Label1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    TitlePanel title;
    ButtonPanel buttons;
    // The configuration names found, sorted by name without regard to case.
    QStringList SL;
    // The chosen name, read after OK.
    QString Name_Conf;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace app_forms

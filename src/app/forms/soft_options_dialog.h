#pragma once

#include <functional>

#include <QCheckBox>
#include <QDialog>
#include <QTabWidget>

#include "app/forms/form_support.h"

namespace app_forms {

// The options dialog: the language (six files to a page, with flags), the
// connection options with the on-demand version check, and two options of
// the rule tables.
class TFSoftOptions : public QDialog, public TranslatableForm {
    Q_OBJECT
public:
    explicit TFSoftOptions(QWidget* parent = nullptr);

    void Set_Lang() override;
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    // Previous (forward false) or Next (forward true).
    void Btn_NextClick(bool forward);
    // A click on language slot `slot` (1 to 6).
    void LangClick(int slot);
    void Update_CheckBox();
    void Btn_OKClick();
    void Btn_Check_UpdateClick();

    // Re-applies every form's texts after a language pick (the main window's
    // Change_Language).
    std::function<void()> OnLanguageChanged;
    // The site the version check asks (tests point it at a local server).
    QString versionSite;

    TitlePanel title;
    ButtonPanel buttons;
    QTabWidget* PC_Options = nullptr;
    QWidget* TS_Language = nullptr;
    QWidget* TS_Con_Options = nullptr;
    QWidget* TS_Soft_Settings = nullptr;
    QCheckBox* CB_En_Con = nullptr;
    QCheckBox* CB_Update = nullptr;
    button::TLbButton* Btn_Check_Update = nullptr;
    QLabel* L_Sel_Lang = nullptr;
    QLabel* L_Page_Lang = nullptr;
    button::TLbButton* Btn_Prev = nullptr;
    button::TLbButton* Btn_Next = nullptr;
    QLabel* I_L[6] = {};
    QLabel* L_L[6] = {};
    QLabel* LL_Check_Update = nullptr;
    QCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    QCheckBox* CB_DoubleClick_Auto_Size = nullptr;

    int Show_Page = 1;
    QStringList SL_Languages;
    QString Language_In_Use;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int pages() const;
    QString languageAt(int slot) const;
};

}  // namespace app_forms

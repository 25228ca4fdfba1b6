#pragma once

#include <vector>

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "app/forms/form_support.h"
#include "platform/xml_document.h"

namespace app_forms {

class FormSet;

// The home screen: the numbered steps of this variant, the project labels,
// and the about, options and close buttons.
class TFZuderivuridFirmWare : public QWidget, public TranslatableForm {
    Q_OBJECT
public:
    // Runs the start-up sequence: folders next to `exeFolder`, settings,
    // language, the remembered project, texts and file paths.
    explicit TFZuderivuridFirmWare(FormSet& forms, const QString& exeFolder);
    ~TFZuderivuridFirmWare() override;

    void Set_Lang() override;
    // The one click handler of the 34 buttons.
    void Btn_Click(QObject* Sender);
    void Create_New_Project();
    void Open_Project();
    void Update_Device();
    // True when the open project's folder is still there; otherwise says that
    // it is gone (the steps that write into it then write nothing).
    bool Project_Folder_Present();
    void Timer_UpdateTimer();
    // Enables the version timer exactly when both connection options are on.
    void Update_Timer();
    // The configuration labels for the open project (or none).
    void Show_Project_Labels();

    // The shared scratch XML document.
    platform::XmlDocument& XML1() { return xml_; }

    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QLabel* LL_Update = nullptr;
    button::TLbButton* Btn_Info = nullptr;
    button::TLbButton* Btn_Opz = nullptr;
    button::TLbButton* Btn_Close = nullptr;
    QLabel* L_Begin = nullptr;
    QLabel* L_Name_Conf = nullptr;
    QLabel* L_Name_Conf_L2 = nullptr;
    QFrame* Shape2 = nullptr;
    QLabel* L_Step[8] = {};
    QFrame* Shape1 = nullptr;
    QLabel* L_Olvenk = nullptr;
    QTimer* Timer_Update = nullptr;
    // The step buttons, by name (Btn_New, Btn_Open, ...).
    button::TLbButton* stepButton(const QString& name) const;
    // The site the version check asks (tests point it at a local server).
    QString versionSite;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Step_Button;
    void createButtons();
    void layOut();
    // Shows `text` on a configuration label, cut with an ellipsis where it
    // would leave the frame around the labels; the whole text is then its
    // tooltip.
    void showInFrame(QLabel* label, const QString& text);
    // Shows `className` modally when this build has it.
    void showForm(const QString& className);

    FormSet& forms_;
    platform::XmlDocument xml_;
    std::vector<Step_Button> buttons_;
};

}  // namespace app_forms

#include "app/forms/new_project_dialog.h"

#include "app/configurations.h"
#include "app/language.h"
#include "platform/dialogs.h"

namespace app_forms {

TFNew_Project::TFNew_Project(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FNew_Project"));
    setFont(formFont());
    setClientArea(this, 331, 162);
    title = makeTitlePanel(this);
    buttons = makeButtonPanel(this);
    buttons.Btn_OK->SetModalResult(platform::mrNone);
    buttons.Btn_OK->SetDefault(true);
    buttons.Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    Label1 = placeLabel(this, QStringLiteral("Label1"), 16, 80);
    E_New_Proj = new QLineEdit(this);
    E_New_Proj->setObjectName(QStringLiteral("E_New_Proj"));
    E_New_Proj->setGeometry(16, 96, 299, 21);
    // Enter in the name acts as OK (the Default button takes it).
    Set_Lang();
}

void TFNew_Project::Set_Lang()
{
    setWindowTitle(app::langText(100));
    title.L_SW_Desc->setText(app::langText(101));
    title.L_SW_Desc->adjustSize();
    Label1->setText(app::langText(102));
    Label1->adjustSize();
    buttons.Btn_OK->SetCaption(app::langText(103));
    buttons.Btn_Cancel->SetCaption(app::langText(104));
    E_New_Proj->setToolTip(app::langText(108));
    buttons.Btn_OK->setToolTip(app::langText(109));
    buttons.Btn_Cancel->setToolTip(app::langText(110));
}

void TFNew_Project::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    E_New_Proj->clear();
    E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick()
{
    const app::New_Project_Outcome outcome = app::Create_Project(app::appState(), E_New_Proj->text());
    if (outcome.result == app::New_Project_Result::Created) {
        accept();
        return;
    }
    platform::dialogs().error(outcome.message(), this);
}

}  // namespace app_forms

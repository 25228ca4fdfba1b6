#include "app/forms/open_conf_dialog.h"

#include "app/configurations.h"
#include "app/language.h"

namespace app_forms {

TFOpenConf::TFOpenConf(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FOpenConf"));
    setFont(formFont());
    setClientArea(this, 377, 351, true);
    setMinimumSize(300, 250);
    title = makeTitlePanel(this);
    buttons = makeButtonPanel(this);
    Label1 = placeLabel(this, QStringLiteral("Label1"), 16, 76);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Name_Conf = ListBox1->item(row)->text();
    });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    Set_Lang();
}

void TFOpenConf::Set_Lang()
{
    setWindowTitle(app::langText(200));
    title.L_SW_Desc->setText(app::langText(201));
    title.L_SW_Desc->adjustSize();
    Label1->setText(app::langText(202));
    Label1->adjustSize();
    buttons.Btn_OK->SetCaption(app::langText(203));
    buttons.Btn_Cancel->SetCaption(app::langText(204));
    ListBox1->setToolTip(app::langText(205));
    buttons.Btn_OK->setToolTip(app::langText(206));
    buttons.Btn_Cancel->setToolTip(app::langText(207));
}

void TFOpenConf::Fill_List()
{
    const app::AppState& state = app::appState();
    SL = app::Load_Existing_Configuration(state.Projects_Path);
    ListBox1->clear();
    ListBox1->addItems(SL);
    Name_Conf = app::Preselected_Configuration(SL, state);
    const int selected = app::Search_Open_Conf(SL, Name_Conf);
    ListBox1->setCurrentRow(selected);
}

void TFOpenConf::showEvent(QShowEvent* event)
{
    Fill_List();
    QDialog::showEvent(event);
}

void TFOpenConf::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // The list follows all four sides; the bands span the width.
    title.P_Title->setGeometry(0, 0, width(), 69);
    buttons.P_Button->setGeometry(0, height() - 40, width(), 40);
    buttons.Btn_OK->move(width() - 236, 6);
    buttons.Btn_Cancel->move(width() - 118, 6);
    ListBox1->setGeometry(16, 94, width() - 42, height() - 94 - 48);
}

}  // namespace app_forms

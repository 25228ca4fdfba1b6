#include "editors/fieldbus/bacnet/eng_unit_form.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "app/app_state.h"
#include "app/language.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/fieldbus/bacnet/bacnet_units.h"
#include "platform/colors.h"
#include "platform/form_border.h"
#include "platform/modal_result.h"
#include "platform/strings.h"

namespace bacnet {
namespace eng_unit_form_detail {

constexpr int kPickerWidth = 548;
constexpr int kPickerHeight = 306;
constexpr int kPickerButtonBar = 40;
constexpr TColor kPickerColor = 0x00EDF7F8;  // RGB(248, 247, 237)

namespace picker_texts {
constexpr int Caption = 2300;
constexpr int Description = 2301;
constexpr int OK = 2302;
constexpr int Cancel = 2303;
constexpr int Selected = 2304;
constexpr int SelectNew = 2305;
constexpr int SelectType = 2306;
constexpr int SelectUnit = 2307;
constexpr int SelectButton = 2308;
}  // namespace picker_texts

QFrame* pickerLine(QWidget* parent, const QString& name, int top)
{
    auto* shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setFrameShape(QFrame::HLine);
    shape->setFrameShadow(QFrame::Sunken);
    shape->setGeometry(16, top, kPickerWidth - 32, 2);
    return shape;
}

}  // namespace eng_unit_form_detail

using namespace eng_unit_form_detail;

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(QWidget* parent) : QDialog(parent)
{
    form_parts::setFormLook(this, QStringLiteral("FBACnet_Eng_Unit"), toQColor(kPickerColor));
    platform::setFixedSizeForm(this, kPickerWidth, kPickerHeight);

    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);

    Label1 = form_parts::placeLabel(this, QStringLiteral("Label1"), 16, 82);
    E_Selected_EU = new QLineEdit(this);
    E_Selected_EU->setObjectName(QStringLiteral("E_Selected_EU"));
    E_Selected_EU->setGeometry(16, 100, 90, 22);
    Label5 = form_parts::placeLabel(this, QStringLiteral("Label5"), 116, 104);
    Label5->setFixedWidth(kPickerWidth - 116 - 16);
    Shape1 = pickerLine(this, QStringLiteral("Shape1"), 134);

    Label2 = form_parts::placeLabel(this, QStringLiteral("Label2"), 16, 144);
    QFont bold = form_parts::formFont();
    bold.setBold(true);
    Label2->setFont(bold);
    Label3 = form_parts::placeLabel(this, QStringLiteral("Label3"), 16, 166);
    CB_Select_Type = new QComboBox(this);
    CB_Select_Type->setObjectName(QStringLiteral("CB_Select_Type"));
    CB_Select_Type->setGeometry(16, 184, 180, 22);
    for (const UnitCategory& category : unitCategories())
        CB_Select_Type->addItem(category.name);
    CB_Select_Type->setCurrentIndex(0);
    Label4 = form_parts::placeLabel(this, QStringLiteral("Label4"), 212, 166);
    CB_Select_Unit = new QComboBox(this);
    CB_Select_Unit->setObjectName(QStringLiteral("CB_Select_Unit"));
    CB_Select_Unit->setGeometry(212, 184, kPickerWidth - 212 - 16, 22);
    Btn_Select_Eng_Unit = rule_editor::placeRuleFormButton(this, QStringLiteral("Btn_Select_Eng_Unit"), 0);
    Btn_Select_Eng_Unit->setGeometry(16, 218, 180, 28);
    Shape2 = pickerLine(this, QStringLiteral("Shape2"), 256);

    P_Button = new QWidget(this);
    P_Button->setObjectName(QStringLiteral("P_Button"));
    P_Button->setGeometry(0, kPickerHeight - kPickerButtonBar, kPickerWidth, kPickerButtonBar);
    Btn_OK = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_OK"), 0);
    Btn_Cancel = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_Cancel"), 1);
    Btn_OK->SetModalResult(platform::mrOk);
    Btn_Cancel->SetModalResult(platform::mrCancel);

    connect(CB_Select_Type, &QComboBox::activated, this, [this](int) { CB_Select_TypeSelect(); });
    Btn_Select_Eng_Unit->OnClick = [this](QObject*) { Btn_Select_Eng_UnitClick(); };
    CB_Select_TypeSelect();
    Set_Lang();
}

TFBACnet_Eng_Unit::~TFBACnet_Eng_Unit() = default;

void TFBACnet_Eng_Unit::Set_Lang()
{
    const auto text = [](int id) { return app::langText(id); };
    setWindowTitle(text(picker_texts::Caption));
    title.L_SW_Desc->setText(text(picker_texts::Description));
    title.L_SW_Desc->adjustSize();
    Btn_OK->SetCaption(text(picker_texts::OK));
    Btn_Cancel->SetCaption(text(picker_texts::Cancel));
    for (const auto& [label, id] :
         {std::pair{Label1, picker_texts::Selected}, std::pair{Label2, picker_texts::SelectNew},
          std::pair{Label3, picker_texts::SelectType}, std::pair{Label4, picker_texts::SelectUnit}}) {
        label->setText(text(id));
        label->adjustSize();
    }
    Btn_Select_Eng_Unit->SetCaption(text(picker_texts::SelectButton));
}

void TFBACnet_Eng_Unit::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFBACnet_Eng_Unit::FormShow() { CB_Select_TypeSelect(); }

void TFBACnet_Eng_Unit::CB_Select_TypeSelect()
{
    CB_Select_Unit->clear();
    CB_Select_Unit->addItems(categoryUnitTexts(CB_Select_Type->currentIndex()));
    CB_Select_Unit->setCurrentIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick()
{
    const int code = categoryUnitCode(CB_Select_Type->currentIndex(), CB_Select_Unit->currentIndex());
    if (code < 0)
        return;
    E_Selected_EU->setText(QString::number(code));
    showDescription(code);
}

void TFBACnet_Eng_Unit::preset(const QString& code)
{
    E_Selected_EU->setText(code);
    showDescription(platform::parseIntOr(code, -1));
}

QString TFBACnet_Eng_Unit::selectedCode() const { return E_Selected_EU->text(); }

void TFBACnet_Eng_Unit::showDescription(int code) { Label5->setText(QStringLiteral("-> ") + Desc_Unit(code)); }

}  // namespace bacnet

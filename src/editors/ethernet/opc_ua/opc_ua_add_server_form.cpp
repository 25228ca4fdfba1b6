#include "editors/ethernet/opc_ua/opc_ua_add_server_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>

#include "app/app_state.h"
#include "app/language.h"
#include "app/opcua_search_records.h"
#include "editors/ethernet/opc_ua/opc_ua_client_rules.h"
#include "editors/ethernet/opc_ua/opc_ua_model.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/form_border.h"
#include "platform/modal_result.h"

namespace opc_ua {
namespace add_server_detail {

constexpr int kClientWidth = 407;
constexpr int kLabelLeft = 16;
constexpr int kControlLeft = 136;
constexpr int kControlWidth = kClientWidth - kControlLeft - 16;
constexpr int kRowHeight = 21;
constexpr int kRichEditHeight = 89;
constexpr int kButtonBarHeight = 40;
constexpr int kBottomMargin = 15;
constexpr TColor kFormColor = 0x00EDF7F8;  // RGB(248, 247, 237)

namespace add_texts {
constexpr int AddCaption = 4300;
constexpr int AddDescription = 4301;
constexpr int ModifyCaption = 4302;
constexpr int ModifyDescription = 4303;
constexpr int Enable = 4304;  // caption, then hint; the fields follow in pairs
constexpr int OK = 4324;
}  // namespace add_texts

QString addText(int id) { return app::langText(id); }

// Tops of the Security Type, Security Policy and Mnemonic rows by the
// authorization.
struct LowerRows {
    int securityType;
    int securityPolicy;
    int mnemonic;
};
constexpr LowerRows kLowerRows[] = {{168, 200, 232}, {232, 264, 296}, {368, 400, 432}};

void setItems(QComboBox* box, const QStringList& items)
{
    box->clear();
    box->addItems(items);
}

}  // namespace add_server_detail
using namespace add_server_detail;

TFOPC_UA_Add_Server::TFOPC_UA_Add_Server(QWidget* parent) : QDialog(parent)
{
    form_parts::setFormLook(this, QStringLiteral("FOPC_UA_Add_Server"), toQColor(kFormColor));
    platform::setFixedSizeForm(this, kClientWidth, 308);

    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    buttons = form_parts::makeButtonPanel(this);
    buttons.Btn_OK->SetModalResult(platform::mrNone);
    buttons.Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    buttons.Btn_Cancel->SetModalResult(platform::mrCancel);

    CB_OPC_UA_Server_Enable = new QCheckBox(this);
    CB_OPC_UA_Server_Enable->setObjectName(QStringLiteral("CB_OPC_UA_Server_Enable"));
    CB_OPC_UA_Server_Enable->setGeometry(kLabelLeft, 78, kClientWidth - 2 * kLabelLeft, 20);
    E_Server_Add = place<QLineEdit>(L_Server_Add, "L_Server_Add", "E_Server_Add", 104);
    CB_Auth = place<QComboBox>(L_Auth, "L_Auth", "CB_Auth", 136);
    E_User = place<QLineEdit>(L_User, "L_User", "E_User", 168);
    E_Pass = place<QLineEdit>(L_Pass, "L_Pass", "E_Pass", 200);
    RE_Certificate = place<QPlainTextEdit>(L_Certificate, "L_Certificate", "RE_Certificate", 168, kRichEditHeight);
    RE_Priv_Key = place<QPlainTextEdit>(L_Priv_Key, "L_Priv_Key", "RE_Priv_Key", 268, kRichEditHeight);
    CB_Sec_Type = place<QComboBox>(L_Sec_Type, "L_Sec_Type", "CB_Sec_Type", 168);
    CB_Sec_Policy = place<QComboBox>(L_Sec_Policy, "L_Sec_Policy", "CB_Sec_Policy", 200);
    E_Mnemonic = place<QLineEdit>(L_Mnemonic, "L_Mnemonic", "E_Mnemonic", 232);
    // The lists keep their English items in every language.
    setItems(CB_Auth, app::authorizationNames());
    setItems(CB_Sec_Type, app::securityTypeNames());
    setItems(CB_Sec_Policy, app::securityPolicyNames());
    connect(CB_Auth, &QComboBox::currentIndexChanged, this, [this] { Change_Fields(); });
    connect(CB_Sec_Type, &QComboBox::currentIndexChanged, this, [this] { Check_Authorization(); });

    Set_Lang();
    Change_Fields();
    Check_Authorization();
}

TFOPC_UA_Add_Server::~TFOPC_UA_Add_Server() = default;

template <typename Control>
Control* TFOPC_UA_Add_Server::place(QLabel*& label, const char* labelName, const char* name, int top, int height)
{
    label = form_parts::placeLabel(this, QString::fromLatin1(labelName), kLabelLeft, top + 3);
    auto* control = new Control(this);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(kControlLeft, top, kControlWidth, height);
    return control;
}

void TFOPC_UA_Add_Server::moveRow(QLabel* label, QWidget* control, int top)
{
    label->move(kLabelLeft, top + 3);
    control->move(kControlLeft, top);
}

void TFOPC_UA_Add_Server::Set_Lang()
{
    setWindowTitle(addText(FormType == ModifyServer ? add_texts::ModifyCaption : add_texts::AddCaption));
    title.L_SW_Desc->setText(addText(FormType == ModifyServer ? add_texts::ModifyDescription : add_texts::AddDescription));
    title.L_SW_Desc->adjustSize();
    CB_OPC_UA_Server_Enable->setText(addText(add_texts::Enable));
    CB_OPC_UA_Server_Enable->setToolTip(addText(add_texts::Enable + 1));
    const std::pair<QLabel*, QWidget*> fields[] = {
        {L_Server_Add, E_Server_Add}, {L_Auth, CB_Auth},         {L_User, E_User},
        {L_Pass, E_Pass},             {L_Certificate, RE_Certificate}, {L_Priv_Key, RE_Priv_Key},
        {L_Sec_Type, CB_Sec_Type},    {L_Sec_Policy, CB_Sec_Policy},   {L_Mnemonic, E_Mnemonic},
    };
    int id = add_texts::Enable + 2;
    for (const auto& [label, control] : fields) {
        label->setText(addText(id));
        label->adjustSize();
        control->setToolTip(addText(id + 1));
        id += 2;
    }
    buttons.Btn_OK->SetCaption(addText(add_texts::OK));
    buttons.Btn_OK->setToolTip(addText(add_texts::OK + 1));
    buttons.Btn_Cancel->SetCaption(addText(add_texts::OK + 2));
    buttons.Btn_Cancel->setToolTip(addText(add_texts::OK + 3));
}

void TFOPC_UA_Add_Server::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFOPC_UA_Add_Server::FormShow()
{
    if (FormType != ModifyServer) {
        CB_OPC_UA_Server_Enable->setChecked(true);
        for (QLineEdit* edit : {E_Server_Add, E_User, E_Pass, E_Mnemonic})
            edit->clear();
        RE_Certificate->clear();
        RE_Priv_Key->clear();
        CB_Auth->setCurrentIndex(0);
        CB_Sec_Type->setCurrentIndex(0);
    }
    Set_Lang();
    Change_Fields();
    Check_Authorization();
}

void TFOPC_UA_Add_Server::Change_Fields()
{
    const int authorization = CB_Auth->currentIndex();
    if (authorization < 0 || authorization > 2)
        return;
    const bool user = authorization == 1;
    const bool certificate = authorization == 2;
    for (QWidget* w : {static_cast<QWidget*>(L_User), static_cast<QWidget*>(E_User), static_cast<QWidget*>(L_Pass),
                       static_cast<QWidget*>(E_Pass)})
        w->setVisible(user);
    for (QWidget* w : {static_cast<QWidget*>(L_Certificate), static_cast<QWidget*>(RE_Certificate),
                       static_cast<QWidget*>(L_Priv_Key), static_cast<QWidget*>(RE_Priv_Key)})
        w->setVisible(certificate);
    const LowerRows& rows = kLowerRows[authorization];
    moveRow(L_Sec_Type, CB_Sec_Type, rows.securityType);
    moveRow(L_Sec_Policy, CB_Sec_Policy, rows.securityPolicy);
    moveRow(L_Mnemonic, E_Mnemonic, rows.mnemonic);
    const int height = kButtonBarHeight + rows.mnemonic + kRowHeight + kBottomMargin;
    setFixedSize(kClientWidth, height);
    buttons.P_Button->move(0, height - kButtonBarHeight);
}

void TFOPC_UA_Add_Server::Check_Authorization()
{
    if (CB_Sec_Type->currentIndex() == 0) {
        CB_Sec_Policy->setCurrentIndex(0);
        CB_Sec_Policy->setEnabled(false);
    } else {
        CB_Sec_Policy->setEnabled(true);
    }
}

bool TFOPC_UA_Add_Server::Controlla_Dati()
{
    const int failed = checkServerFields(E_Server_Add->text(), CB_Auth->currentIndex(), E_User->text(), E_Pass->text(),
                                         RE_Certificate->toPlainText(), RE_Priv_Key->toPlainText());
    if (failed == 0)
        return true;
    platform::dialogs().error(addText(failed), this);
    return false;
}

void TFOPC_UA_Add_Server::Btn_OKClick()
{
    if (Controlla_Dati())
        done(platform::mrOk);
}

void TFOPC_UA_Add_Server::fill(const TOPC_UA_Server& server)
{
    CB_OPC_UA_Server_Enable->setChecked(server.Enable);
    E_Server_Add->setText(server.ServerAddress);
    CB_Auth->setCurrentIndex(app::Str_To_Authorization(server.Authorization));
    E_User->setText(server.UserName);
    E_Pass->setText(server.Password);
    RE_Certificate->setPlainText(server.Certificate);
    RE_Priv_Key->setPlainText(server.PrivateKey);
    CB_Sec_Type->setCurrentIndex(app::Str_To_SecurityType(server.SecurityType));
    CB_Sec_Policy->setCurrentIndex(app::Str_To_SecurityPolicy(server.SecurityPolicy));
    E_Mnemonic->setText(server.Mnemonic);
}

void TFOPC_UA_Add_Server::store(TOPC_UA_Server& server) const
{
    server.Enable = CB_OPC_UA_Server_Enable->isChecked();
    server.ServerAddress = E_Server_Add->text();
    server.Authorization = app::Authorization_To_Str(CB_Auth->currentIndex());
    server.UserName = E_User->text();
    server.Password = E_Pass->text();
    server.Certificate = RE_Certificate->toPlainText();
    server.PrivateKey = RE_Priv_Key->toPlainText();
    server.SecurityType = app::SecurityType_To_Str(CB_Sec_Type->currentIndex());
    server.SecurityPolicy = app::SecurityPolicy_To_Str(CB_Sec_Policy->currentIndex());
    server.Mnemonic = E_Mnemonic->text();
}

}  // namespace opc_ua

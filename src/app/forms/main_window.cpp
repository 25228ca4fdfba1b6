#include "app/forms/main_window.h"

#include <functional>

#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include "app/app_state.h"
#include "app/forms/form_set.h"
#include "app/forms/open_conf_dialog.h"
#include "app/forms/step_pictures.h"
#include "app/language.h"
#include "app/settings_file.h"
#include "app/version_check.h"
#include "editors/ethernet/snmp/snmp_mib.h"
#include "editors/fieldbus/canopen/eds_writer.h"
#include "editors/ethercat_mqtt/device_update_form.h"
#include "editors/ethercat_mqtt/esi_file.h"
#include "editors/fieldbus/bacnet/ede_writer.h"
#include "params/bank_compiler.h"
#include "platform/dialogs.h"
#include "platform/paths.h"

namespace app_forms {

namespace {

constexpr int kTextProjectNotValid = 18;
constexpr int kTextProjectFolderGone = 81;
constexpr int kVersionTimerFirst = 60000;
constexpr int kVersionTimerNext = 7200000;
constexpr TColor kPressedOrange = 0x000080FF;  // RGB 255, 128, 0

}  // namespace

// A button of the main window: its caption and hint ids (-1: none) and what
// a click does. `needsProject` buttons are refused while no project is open.
struct TFZuderivuridFirmWare::Step_Button {
    const char* name;
    int captionId;
    int hintId;
    bool needsProject;
    Step_Picture picture;
    std::function<void()> action;
    button::TLbButton* widget = nullptr;
};

TFZuderivuridFirmWare::TFZuderivuridFirmWare(FormSet& forms, const QString& exeFolder)
    : versionSite(app::kMakerSite), forms_(forms)
{
    app::AppState& state = app::appState();
    app::TextTable& texts = app::textTable();
    texts.Lang_Texts.clear();

    setObjectName(QStringLiteral("FZuderivuridFirmWare"));
    setFont(formFont());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(248, 247, 237));
    setPalette(palette);
    createButtons();
    layOut();

    app::Set_Folders(state, exeFolder);
    state.Project_Name.clear();
    state.Last_Read_Back = true;
    app::Read_Settings(state, xml_);

    Timer_Update = new QTimer(this);
    Timer_Update->setInterval(kVersionTimerFirst);
    connect(Timer_Update, &QTimer::timeout, this, [this] { Timer_UpdateTimer(); });
    Update_Timer();

    app::Set_Build_Identity(state);
    setWindowTitle(state.Main_Caption);
    L_SW_Code->setText(state.SW_Code);
    L_SW_Code->adjustSize();
    L_SW_Desc->setText(state.SW_Desc);
    L_SW_Desc->adjustSize();

    app::Load_Language(texts, state);
    app::Open_Project_Folder(state, state.Project_Name);
    Set_Lang();
    app::Set_Files(state);
    state.Row_Clipboard.clear();
    state.Row_Clipboard_Check.clear();
    state.MIB_Read_Vars.clear();
    state.MIB_Write_Vars.clear();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TFZuderivuridFirmWare::~TFZuderivuridFirmWare() = default;

void TFZuderivuridFirmWare::createButtons()
{
    app::AppState& state = app::appState();
    const auto editor = [this](const char* form) { return [this, form] { showForm(QString::fromLatin1(form)); }; };
    const auto none = [] {};
    buttons_ = {
        {"Btn_New", 15, 22, false, Step_Picture::New, [this] { Create_New_Project(); }},
        {"Btn_Open", 16, 23, false, Step_Picture::Open, [this] { Open_Project(); }},
        {"Btn_Close", -1, 14, false, Step_Picture::Close, [this] { close(); }},
        {"Btn_Info", -1, 12, false, Step_Picture::Info, editor("TFAbout")},
        {"Btn_Opz", -1, 13, false, Step_Picture::Options,
         [this, &state] {
             auto* options = qobject_cast<QDialog*>(forms_.form(QStringLiteral("TFSoftOptions")));
             if (options && options->exec() == QDialog::Accepted) {
                 QString error;
                 if (!app::Save_Setting(state, xml_, &error))
                     platform::dialogs().error(error, this);
                 Update_Timer();
             }
         }},
        {"Btn_Prm_Gen", 20, 24, true, Step_Picture::Parameters, editor("TFParGen")},
        {"Btn_EtherCAT_Set_Access", 21, 25, true, Step_Picture::Variables, editor("TFEtherCATSlave")},
        {"Btn_EtherCAT_Set_Group", 79, 80, true, Step_Picture::Group, editor("TFEtherCATSlave_Group")},
        {"Btn_Modbus_Set_Access", 27, 28, true, Step_Picture::Other, editor("TFModbus_TCP_Master_Set_Access")},
        {"Btn_BACnet_SetAccess", 29, 30, true, Step_Picture::Other, editor("TFBACnetAccess")},
        {"Btn_BACnet_EDE_File", 31, 32, true, Step_Picture::Other,
         [this, &state] {
             if (Project_Folder_Present())
                 bacnet::Build_EDE_File(state, xml_, this);
         }},
        {"Btn_CAN_Rec_Frame", 33, 34, true, Step_Picture::Other, editor("TFReceiveCAN")},
        {"Btn_CAN_Send_Frame", 35, 36, true, Step_Picture::Other, editor("TFTransmitCAN")},
        {"Btn_PDO_CANopen", 45, 46, true, Step_Picture::Other, editor("TFSet_PDO_Access")},
        {"Btn_SDO_Client_CANopen", 43, 44, true, Step_Picture::Other, editor("TFSet_SDO_Client_Access")},
        {"Btn_SDO_Server_CANopen", 41, 42, true, Step_Picture::Other, editor("TFSet_SDO_Server_Access")},
        {"Btn_CANopen_EDS", 47, 48, true, Step_Picture::Other,
         [this, &state] {
             if (Project_Folder_Present())
                 canopen::Build_EDS_File(state, xml_, this);
         }},
        {"Btn_DNet_Net", 49, 50, true, Step_Picture::Other, editor("TFDNet")},
        {"Btn_DNet_Offset", 51, 52, true, Step_Picture::Other, editor("TFDefOffset")},
        {"Btn_DMX_Default", 53, 54, true, Step_Picture::Other, editor("TFDMXDefVal")},
        {"Btn_IEC61850_Client", 55, 56, true, Step_Picture::Other, editor("TFIEC_61850_Access")},
        {"Btn_TLS_List_Certificates", 59, 60, true, Step_Picture::Other, editor("TFTLS_Server_Known_Cert")},
        {"Btn_IEC61850_Access", 57, 58, true, Step_Picture::Other, editor("TFIEC61850_Variables")},
        {"Btn_MQTT_Set_Topic", 61, 62, true, Step_Picture::Topics, editor("TFMQTT_Set_Topic")},
        {"Btn_OPC_UA_Client_Access", 69, 70, true, Step_Picture::Other, editor("TFOPC_UA_Client_Access")},
        {"Btn_OPC_UA_Server_Access", 71, 72, true, Step_Picture::Other, editor("TFOPC_UA_Server_Access")},
        {"Btn_SNMP_Manager_Access", 67, 68, true, Step_Picture::Other, editor("TFSNMPManagerAccess")},
        {"Btn_SNMP_Trap", 63, 64, true, Step_Picture::Other, editor("TFSNMP_Trap_Access")},
        {"Btn_SNMP_MIB", 65, 66, true, Step_Picture::Other,
         [this, &state] {
             if (Project_Folder_Present())
                 snmp::Build_MIB_File(state, this);
         }},
        {"Btn_EtherCAT_ESI_File", -1, -1, true, Step_Picture::DescriptionFile,
         [this, &state] {
             if (Project_Folder_Present())
                 ethercat_mqtt::Build_ESI_File(state, xml_, this);
         }},
        {"Btn_PROFINET_XML", 73, 74, true, Step_Picture::Other, none},
        {"Btn_EtherNetIP_Access", 75, 76, true, Step_Picture::Other, editor("TFEtherNetIP_Master_Access")},
        {"Btn_S7_Protocol_Access", 77, 78, true, Step_Picture::Other, editor("TFS7_Protocol_Set_Access")},
        {"Btn_CreateBin", 17, 26, true, Step_Picture::Update, [this] { Update_Device(); }},
    };
    for (Step_Button& b : buttons_) {
        auto* w = new button::TLbButton(this);
        w->setObjectName(QString::fromLatin1(b.name));
        w->OnClick = [this](QObject* sender) { Btn_Click(sender); };
        const bool top = b.captionId < 0 && b.hintId >= 0;  // info, options, close
        if (top) {
            w->resize(50, 50);
            w->SetGlyph(stepPicture(b.picture, 32));
            w->SetLayout(button::blGlyphTop);
        } else {
            w->resize(170, 36);
            w->SetStyle(button::bsEncarta);
            w->SetGlyph(stepPicture(b.picture, 24));
            w->SetAlignment(button::taLeftJustify);
            w->SetColorWhenDown(kPressedOrange);
        }
        b.widget = w;
    }
    stepButton(QStringLiteral("Btn_EtherCAT_ESI_File"))->SetCaption(QStringLiteral("EtherCAT ESI File"));
    Btn_Info = stepButton(QStringLiteral("Btn_Info"));
    Btn_Opz = stepButton(QStringLiteral("Btn_Opz"));
    Btn_Close = stepButton(QStringLiteral("Btn_Close"));
}

button::TLbButton* TFZuderivuridFirmWare::stepButton(const QString& name) const
{
    for (const Step_Button& b : buttons_)
        if (QLatin1String(b.name) == name)
            return b.widget;
    return nullptr;
}

void TFZuderivuridFirmWare::layOut()
{
    QFont big(QStringLiteral("Verdana"));
    big.setPixelSize(32);
    QFont bold = formFont();
    bold.setBold(true);
    const QString grey = QStringLiteral("color: rgb(128,128,128);");

    L_SW_Code = placeLabel(this, QStringLiteral("L_SW_Code"), 16, 8);
    L_SW_Code->setFont(big);
    L_SW_Code->setStyleSheet(grey);
    L_SW_Desc = placeLabel(this, QStringLiteral("L_SW_Desc"), 16, 42);
    L_SW_Desc->setFont(bold);
    L_SW_Desc->setStyleSheet(grey);
    LL_Update = placeLabel(this, QStringLiteral("LL_Update"), 208, 19);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this, [](const QString& link) { openAddress(link); });

    L_Begin = placeLabel(this, QStringLiteral("L_Begin"), 16, 84);
    L_Begin->setFont(bold);
    L_Begin->setStyleSheet(grey);
    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(80, 70, 348, 36);
    Shape2->setStyleSheet(QStringLiteral("QFrame#Shape2 { border: 1px solid silver; background: transparent; }"));
    L_Name_Conf = placeLabel(this, QStringLiteral("L_Name_Conf"), 87, 75);
    L_Name_Conf_L2 = placeLabel(this, QStringLiteral("L_Name_Conf_L2"), 87, 88);
    L_Name_Conf_L2->setFont(bold);

    // Step rows are 44 px apart from Top 112; a label stands 16 px below its
    // row's top.
    for (int i = 0; i < 8; ++i) {
        L_Step[i] = placeLabel(this, QStringLiteral("L_Step_%1").arg(i + 1), 16, 128 + 44 * i);
        L_Step[i]->setFont(bold);
        L_Step[i]->setStyleSheet(grey);
        L_Step[i]->setVisible(i < 6);
    }
    L_Olvenk = placeLabel(this, QStringLiteral("L_Olvenk"), 565, 392, QStringLiteral("www.olvenk.com"));
    L_Olvenk->setCursor(Qt::PointingHandCursor);
    L_Olvenk->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));
    L_Olvenk->installEventFilter(this);

    for (Step_Button& b : buttons_)
        b.widget->hide();
    struct Place {
        const char* name;
        int left, top;
    };
    // The buttons shown, in Tab order: the steps from Step 1 down, left to
    // right within a step, then the title buttons.
    const Place shown[] = {
        {"Btn_New", 80, 112},
        {"Btn_Open", 258, 112},
        {"Btn_Prm_Gen", 80, 156},
        {"Btn_EtherCAT_Set_Group", 80, 200},
        {"Btn_EtherCAT_Set_Access", 258, 200},
        {"Btn_MQTT_Set_Topic", 80, 244},
        {"Btn_EtherCAT_ESI_File", 80, 288},
        {"Btn_CreateBin", 80, 332},
        {"Btn_Info", 516, 8},
        {"Btn_Opz", 574, 8},
        {"Btn_Close", 632, 8},
    };
    QWidget* previous = nullptr;
    for (const Place& p : shown) {
        button::TLbButton* w = stepButton(QString::fromLatin1(p.name));
        w->move(p.left, p.top);
        w->show();
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    const int binTop = stepButton(QStringLiteral("Btn_CreateBin"))->y();
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(10, binTop + 51, 674, 1);
    Shape1->setStyleSheet(QStringLiteral("background: rgb(192,192,192);"));
    setClientArea(this, 694, binTop + 152);
}

void TFZuderivuridFirmWare::Set_Lang()
{
    using app::langText;
    L_Begin->setText(langText(0));
    L_Begin->adjustSize();
    for (int i = 0; i < 8; ++i) {
        L_Step[i]->setText(langText(i + 1));
        L_Step[i]->adjustSize();
    }
    for (const Step_Button& b : buttons_) {
        if (b.captionId >= 0)
            b.widget->SetCaption(langText(b.captionId));
        if (b.hintId >= 0)
            b.widget->setToolTip(langText(b.hintId));
    }
    Show_Project_Labels();
}

void TFZuderivuridFirmWare::Show_Project_Labels()
{
    const app::AppState& state = app::appState();
    if (state.projectOpen()) {
        showInFrame(L_Name_Conf, app::langText(11));
        showInFrame(L_Name_Conf_L2, state.Project_Name);
        // The whole name, however long, on the name's tooltip.
        L_Name_Conf_L2->setToolTip(state.Project_Name);
    } else {
        showInFrame(L_Name_Conf, app::langText(9));
        showInFrame(L_Name_Conf_L2, app::langText(10));
    }
}

void TFZuderivuridFirmWare::showInFrame(QLabel* label, const QString& text)
{
    // As far from the frame's right side as the label is from its left.
    const QRect frame = Shape2->geometry();
    const int room = frame.right() - (label->x() - frame.left()) - label->x() + 1;
    const QString shown = QFontMetrics(label->font()).elidedText(text, Qt::ElideRight, room);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
    label->adjustSize();
}

void TFZuderivuridFirmWare::Btn_Click(QObject* Sender)
{
    for (const Step_Button& b : buttons_) {
        if (b.widget != Sender)
            continue;
        if (b.needsProject && !app::appState().projectOpen()) {
            platform::dialogs().error(app::langText(kTextProjectNotValid), this);
            return;
        }
        b.action();
        return;
    }
}

void TFZuderivuridFirmWare::showForm(const QString& className)
{
    if (auto* dialog = qobject_cast<QDialog*>(forms_.form(className)))
        dialog->exec();
}

void TFZuderivuridFirmWare::Create_New_Project()
{
    auto* dialog = qobject_cast<QDialog*>(forms_.form(QStringLiteral("TFNew_Project")));
    if (dialog && dialog->exec() == QDialog::Accepted)
        Show_Project_Labels();
}

void TFZuderivuridFirmWare::Open_Project()
{
    auto* dialog = qobject_cast<TFOpenConf*>(forms_.form(QStringLiteral("TFOpenConf")));
    if (!dialog || dialog->exec() != QDialog::Accepted)
        return;
    app::AppState& state = app::appState();
    state.Project_Name = dialog->Name_Conf;
    // A configuration removed meanwhile opens nothing.
    if (!app::Open_Project_Folder(state, state.Project_Name))
        app::Close_Project(state);
    Show_Project_Labels();
}

bool TFZuderivuridFirmWare::Project_Folder_Present()
{
    const QString& folder = app::appState().Project_Path;
    if (platform::folderExists(folder))
        return true;
    platform::dialogs().error(app::langText(kTextProjectFolderGone) + folder, this);
    return false;
}

void TFZuderivuridFirmWare::Update_Device()
{
    if (!Project_Folder_Present())
        return;
    params::CompileResult result = params::Compile_Banks();
    if (result)
        result = params::Save_Banks();
    if (!result) {
        platform::dialogs().error(result.error, this);
        return;
    }
    if (auto* boot = qobject_cast<ethercat_mqtt::TFBoot*>(forms_.form(QStringLiteral("TFBoot")))) {
        boot->Form_Type = ethercat_mqtt::TFBoot::Form_Ethernet;
        boot->exec();
    }
}

void TFZuderivuridFirmWare::Update_Timer()
{
    const app::AppState& state = app::appState();
    // A timer already running keeps its countdown.
    if (state.Enable_Internet && state.Enable_Update) {
        if (!Timer_Update->isActive())
            Timer_Update->start();
    } else
        Timer_Update->stop();
}

void TFZuderivuridFirmWare::Timer_UpdateTimer()
{
    Timer_Update->stop();
    if (app::Check_Version(versionSite)) {
        LL_Update->setText(app::versionNoticeLink(app::langText(19)));
        LL_Update->adjustSize();
        LL_Update->show();
    } else {
        LL_Update->hide();
    }
    Timer_Update->setInterval(kVersionTimerNext);
    Timer_Update->start();
}

void TFZuderivuridFirmWare::closeEvent(QCloseEvent* event)
{
    QString error;
    if (!app::Save_Setting(app::appState(), xml_, &error))
        platform::dialogs().error(error, this);
    event->accept();
}

bool TFZuderivuridFirmWare::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == L_Olvenk && event->type() == QEvent::MouseButtonRelease) {
        openAddress(makerHomePage());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace app_forms

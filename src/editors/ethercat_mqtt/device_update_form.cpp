#include "editors/ethercat_mqtt/device_update_form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>

#include "app/app_state.h"
#include "app/language.h"
#include "app/shared_checks.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/updater_job.h"
#include "platform/dialogs.h"
#include "platform/form_border.h"
#include "platform/icmp_echo.h"
#include "platform/tick_clock.h"

namespace ethercat_mqtt {
namespace {

constexpr int kClientWidth = 449;
constexpr int kTitleHeight = 69;
constexpr int kAddressHeight = 49;
constexpr int kSearchHeight = 180;
constexpr int kOptionsHeight = 72;
constexpr int kSerialHeight = 56;
constexpr int kButtonHeight = 40;

constexpr int kTextDeviceNotFound = 1236;
constexpr int kTextCheckAddress = 1237;
constexpr int kTextEchoNotPermitted = 1240;

QWidget* makePanel(QWidget* parent, const QString& name, int height)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(0, 0, kClientWidth, height);
    return panel;
}

QCheckBox* placeCheckBox(QWidget* parent, const QString& name, int left, int top, bool checked)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->move(left, top);
    box->setChecked(checked);
    return box;
}

QComboBox* placeList(QWidget* parent, const QString& name, int left, int top, int width)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->setGeometry(left, top, width, 21);
    return list;
}

// The controls of `panel` that the Tab key stops at, in creation order.
std::vector<QWidget*> tabStops(QWidget* panel)
{
    std::vector<QWidget*> stops;
    for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->focusPolicy() & Qt::TabFocus)
            stops.push_back(w);
    return stops;
}

void setText(QWidget* w, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* box = qobject_cast<QCheckBox*>(w))
        box->setText(text);
    w->adjustSize();
}

}  // namespace

TFBoot::TFBoot(QWidget* parent) : QDialog(parent), List_COM_Ports(app::List_COM_Ports)
{
    setObjectName(QStringLiteral("FBoot"));
    setFont(form_parts::formFont());
    platform::setFixedSizeForm(this, kClientWidth, kTitleHeight + kButtonHeight);
    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    buildAddressPanel();
    buildSearchPanel();
    buildOptionsPanel();
    buildSerialPanel();
    buildButtonPanel();
    for (QWidget* panel : {P_IP_Address, P_Eth_Search, P_Options, P_Serial})
        panel->hide();
    P_Button->move(0, kTitleHeight);
}

TFBoot::~TFBoot() = default;

void TFBoot::buildAddressPanel()
{
    P_IP_Address = makePanel(this, QStringLiteral("P_IP_Address"), kAddressHeight);
    L_IP_Address = form_parts::placeLabel(P_IP_Address, QStringLiteral("L_IP_Address"), 16, 17);
    // Four octets in a row, a "." between neighbours.
    constexpr int kFirst = 250, kWidth = 36, kPitch = 48;
    for (int i = 0; i < 4; ++i) {
        E_IP[i] = new QLineEdit(QStringLiteral("0"), P_IP_Address);
        E_IP[i]->setObjectName(QStringLiteral("E_IP%1").arg(i + 1));
        E_IP[i]->setGeometry(kFirst + kPitch * i, 14, kWidth, 21);
        E_IP[i]->installEventFilter(this);
        if (i > 0) {
            form_parts::placeLabel(P_IP_Address, QStringLiteral("L_Dot%1").arg(i), kFirst + kPitch * i - 8, 18,
                                   QStringLiteral("."));
        }
    }
}

void TFBoot::buildSearchPanel()
{
    P_Eth_Search = makePanel(this, QStringLiteral("P_Eth_Search"), kSearchHeight);
    L_List_Device = form_parts::placeLabel(P_Eth_Search, QStringLiteral("L_List_Device"), 16, 8);
    Btn_Search = form_parts::placeButton(P_Eth_Search, QStringLiteral("Btn_Search"), 323, 4, 110, 28);
    ECG_List_Devices = new grid::TExColumnGrid(P_Eth_Search);
    ECG_List_Devices->setObjectName(QStringLiteral("ECG_List_Devices"));
    ECG_List_Devices->setGeometry(16, 36, 417, 112);
    ECG_List_Devices->SetColCount(2);
    ECG_List_Devices->SetRowCount(2);
    ECG_List_Devices->SetFixedRows(1);
    ECG_List_Devices->SetFixedCols(0);
    ECG_List_Devices->Columns()[0]->SetWidth(200);
    ECG_List_Devices->Columns()[1]->SetWidth(200);
    CB_Find_All_Kestro = placeCheckBox(P_Eth_Search, QStringLiteral("CB_Find_All_Kestro"), 16, 154, true);
}

void TFBoot::buildOptionsPanel()
{
    P_Options = makePanel(this, QStringLiteral("P_Options"), kOptionsHeight);
    L_Update_Option = form_parts::placeLabel(P_Options, QStringLiteral("L_Update_Option"), 16, 10);
    CB_Update_Options = placeList(P_Options, QStringLiteral("CB_Update_Options"), 16, 30, 220);
    CB_Update_Option_Read_Back =
        placeCheckBox(P_Options, QStringLiteral("CB_Update_Option_Read_Back"), 256, 32, true);
}

void TFBoot::buildSerialPanel()
{
    P_Serial = makePanel(this, QStringLiteral("P_Serial"), kSerialHeight);
    L_COM_Port = form_parts::placeLabel(P_Serial, QStringLiteral("L_COM_Port"), 16, 8,
                                        QStringLiteral("Select the COM port for the Update"));
    CB_COM_Port = placeList(P_Serial, QStringLiteral("CB_COM_Port"), 16, 26, 120);
    Btn_COM_List = form_parts::placeButton(P_Serial, QStringLiteral("Btn_COM_List"), 142, 25, 23, 23);
    Btn_COM_List->SetCaption(QStringLiteral("..."));
    Btn_COM_List->setToolTip(QStringLiteral("Update COM Ports List"));
    Btn_COM_List->OnClick = [this](QObject*) { update_ComPort(); };
}

void TFBoot::buildButtonPanel()
{
    P_Button = makePanel(this, QStringLiteral("P_Button"), kButtonHeight);
    Btn_Update = form_parts::placeButton(P_Button, QStringLiteral("Btn_Update"), kClientWidth - 118 - 190, 6, 182,
                                         28, button::bkOK);
    // The dialog stays open after an update.
    Btn_Update->SetModalResult(platform::mrNone);
    Btn_Update->OnClick = [this](QObject*) { Btn_UpdateClick(); };
    Btn_Cancel = form_parts::placeButton(P_Button, QStringLiteral("Btn_Cancel"), kClientWidth - 118, 6, 110, 28,
                                         button::bkCancel);
    Btn_Cancel->SetModalResult(platform::mrCancel);
}

void TFBoot::Set_Lang()
{
    using app::langText;
    struct Form_Texts {
        int32_t type;
        int caption, description;
    };
    constexpr Form_Texts kFormTexts[] = {{Form_Serial, 1200, 1201}, {Form_Ethernet, 1202, 1203}, {Form_USB, 1204, 1205}};
    for (const Form_Texts& t : kFormTexts) {
        if (t.type != Form_Type)
            continue;
        setWindowTitle(langText(t.caption));
        setText(title.L_SW_Desc, langText(t.description));
    }
    setText(L_IP_Address, langText(1206));
    setText(L_List_Device, langText(1209));
    Btn_Search->SetCaption(langText(1210));
    ECG_List_Devices->Columns()[0]->SetHeader(langText(1211));
    ECG_List_Devices->Columns()[1]->SetHeader(langText(1212));
    setText(CB_Find_All_Kestro, langText(1213));
    setText(L_Update_Option, langText(1214));
    CB_Update_Options->clear();
    CB_Update_Options->addItems({langText(1215), langText(1216), langText(1217)});
    CB_Update_Options->setCurrentIndex(0);
    setText(CB_Update_Option_Read_Back, langText(1218));
    Btn_Cancel->SetCaption(langText(1219));
    Btn_Update->SetCaption(langText(1220));
    for (int i = 0; i < 4; ++i)
        E_IP[i]->setToolTip(langText(1221 + i));
    Btn_Search->setToolTip(langText(1229));
    ECG_List_Devices->setToolTip(langText(1230));
    CB_Find_All_Kestro->setToolTip(langText(1231));
    CB_Update_Options->setToolTip(langText(1232));
    CB_Update_Option_Read_Back->setToolTip(langText(1233));
    Btn_Cancel->setToolTip(langText(1234));
    Btn_Update->setToolTip(langText(1235));
}

void TFBoot::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFBoot::FormShow()
{
    Set_Lang();
    setText(title.L_SW_Code, app::appState().SW_Code);
    for (QWidget* panel : {P_IP_Address, P_Eth_Search, P_Options, P_Serial})
        panel->hide();

    const app::AppState& state = app::appState();
    switch (Form_Type) {
    case Form_Ethernet: {
        P_IP_Address->show();
        P_Options->show();
        stackPanels({P_IP_Address, P_Eth_Search, P_Options},
                    {title.P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial});
        QString octets[4];
        if (!state.Last_IP_Address.isEmpty()
            && app::Split_IP_Address(state.Last_IP_Address, octets[0], octets[1], octets[2], octets[3]))
            for (int i = 0; i < 4; ++i)
                E_IP[i]->setText(octets[i]);
        Restore_Choices();
        if (E_IP[0]->isEnabled())
            E_IP[0]->setFocus(Qt::TabFocusReason);
        break;
    }
    case Form_Serial:
        P_Options->show();
        P_Serial->show();
        stackPanels({P_Serial, P_Options}, {title.P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search});
        Restore_Choices();
        update_ComPort();
        if (CB_COM_Port->isEnabled())
            CB_COM_Port->setFocus(Qt::TabFocusReason);
        break;
    default: break;
    }
}

void TFBoot::stackPanels(const std::vector<QWidget*>& panels, const std::vector<QWidget*>& tabOrder)
{
    int top = kTitleHeight;
    for (QWidget* panel : panels) {
        panel->move(0, top);
        if (!panel->isHidden())
            top += panel->height();
    }
    P_Button->move(0, top);
    platform::setFixedSizeForm(this, kClientWidth, top + kButtonHeight);
    title.P_Title->setFixedWidth(kClientWidth);

    QWidget* previous = nullptr;
    for (QWidget* panel : tabOrder)
        for (QWidget* stop : tabStops(panel)) {
            if (previous)
                QWidget::setTabOrder(previous, stop);
            previous = stop;
        }
}

void TFBoot::Restore_Choices()
{
    const app::AppState& state = app::appState();
    CB_Update_Options->setCurrentIndex(state.Last_Update_Option);
    CB_Update_Option_Read_Back->setChecked(state.Last_Read_Back);
}

bool TFBoot::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched);
            edit && static_cast<QKeyEvent*>(event)->text() == QLatin1String("."))
            return KeyPress(edit);
    }
    return QDialog::eventFilter(watched, event);
}

bool TFBoot::KeyPress(QLineEdit* edit)
{
    for (int i = 0; i < 3; ++i)
        if (edit == E_IP[i] && E_IP[i + 1]->isVisible() && E_IP[i + 1]->isEnabled())
            E_IP[i + 1]->setFocus(Qt::TabFocusReason);
    return true;
}

QString TFBoot::Typed_Address() const
{
    return E_IP[0]->text() + u'.' + E_IP[1]->text() + u'.' + E_IP[2]->text() + u'.' + E_IP[3]->text();
}

void TFBoot::update_ComPort()
{
    CB_COM_Port->clear();
    if (List_COM_Ports)
        for (const QString& n : List_COM_Ports())
            CB_COM_Port->addItem(QStringLiteral("COM") + n);
    CB_COM_Port->setCurrentIndex(0);
}

void TFBoot::Btn_UpdateClick()
{
    app::AppState& state = app::appState();
    switch (Form_Type) {
    case Form_Ethernet: Update_By_Ethernet(); break;
    case Form_Serial:
        state.Last_Update_Option = CB_Update_Options->currentIndex();
        state.Last_Read_Back = CB_Update_Option_Read_Back->isChecked();
        break;
    default: break;
    }
}

void TFBoot::Update_By_Ethernet()
{
    if (searching_)
        return;
    const QString address = Typed_Address();
    if (!Check_Device_Address(address)) {
        platform::dialogs().error(app::langText(kTextCheckAddress), this);
        return;
    }
    const Device_Search_Result search = Run_Search(address);
    ping_res = search.ping_res;
    if (search.abandoned)
        return;
    if (search.found) {
        app::AppState& state = app::appState();
        state.Last_IP_Address = address;
        state.Last_Update_Option = CB_Update_Options->currentIndex();
        state.Last_Read_Back = CB_Update_Option_Read_Back->isChecked();
        const QString failure =
            Run_Update_Job(XML1, state, address, state.Last_Update_Option, state.Last_Read_Back);
        if (!failure.isEmpty())
            platform::dialogs().error(failure, this);
        return;
    }
    if (search.echoNotPermitted)
        platform::dialogs().error(app::langText(kTextEchoNotPermitted) + search.error, this);
    else if (search.ping_res == Ping_Not_Answered)
        platform::dialogs().warning(app::langText(kTextDeviceNotFound), this);
    else
        platform::dialogs().error(app::langText(kTextCheckAddress), this);
}

Device_Search_Result TFBoot::Run_Search(const QString& address)
{
    searching_ = true;
    stopSearch_ = false;
    const QPointer<QWidget> focused = QApplication::focusWidget();
    // The address, the choices and Update stay as they are while searching.
    for (QWidget* w : std::initializer_list<QWidget*>{P_IP_Address, P_Options, Btn_Update})
        w->setEnabled(false);
    const Device_Search_Result result =
        Send_Ping(address, platform::icmpEcho(), platform::tickClock(), [this] {
            QApplication::processEvents();
            return !stopSearch_;
        });
    for (QWidget* w : std::initializer_list<QWidget*>{P_IP_Address, P_Options, Btn_Update})
        w->setEnabled(true);
    if (focused && isVisible())
        focused->setFocus();
    searching_ = false;
    return result;
}

void TFBoot::done(int result)
{
    if (searching_)
        stopSearch_ = true;
    QDialog::done(result);
}

}  // namespace ethercat_mqtt

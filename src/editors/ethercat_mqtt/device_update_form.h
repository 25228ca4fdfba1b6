#pragma once

#include <cstdint>
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"
#include "controls/button/lb_button.h"
#include "editors/ethercat_mqtt/device_search.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace ethercat_mqtt {

// The device update dialog: the user types the gateway's address and picks
// what to load; Update finds the device with echo requests, remembers the
// address and the choices, writes the updater's job file and runs the
// updater. Laid out for a serial, an Ethernet or a USB update; the main
// window always asks for the Ethernet one.
class TFBoot : public QDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    enum Form_Kind : int32_t { Form_Serial = 0, Form_Ethernet = 1, Form_USB = 2 };

    explicit TFBoot(QWidget* parent = nullptr);
    ~TFBoot() override;

    void Set_Lang() override;
    void Btn_UpdateClick();
    // Refills the port list with "COM" + n for every port present.
    void update_ComPort();
    // The address as typed: the four octet texts joined with ".".
    QString Typed_Address() const;

    // Set by the caller before showing the dialog.
    int32_t Form_Type = Form_Serial;
    // The outcome of the latest echo (Ping_Result).
    int32_t ping_res = Ping_None;
    // The port numbers the port list offers, as texts.
    std::function<QStringList()> List_COM_Ports;

    form_parts::TitlePanel title;
    QWidget* P_IP_Address = nullptr;
    QLabel* L_IP_Address = nullptr;
    QLineEdit* E_IP[4] = {};
    QWidget* P_Eth_Search = nullptr;
    QLabel* L_List_Device = nullptr;
    button::TLbButton* Btn_Search = nullptr;
    grid::TExColumnGrid* ECG_List_Devices = nullptr;
    QCheckBox* CB_Find_All_Kestro = nullptr;
    QWidget* P_Options = nullptr;
    QLabel* L_Update_Option = nullptr;
    QComboBox* CB_Update_Options = nullptr;
    QCheckBox* CB_Update_Option_Read_Back = nullptr;
    QWidget* P_Serial = nullptr;
    QLabel* L_COM_Port = nullptr;
    QComboBox* CB_COM_Port = nullptr;
    button::TLbButton* Btn_COM_List = nullptr;
    QWidget* P_Button = nullptr;
    button::TLbButton* Btn_Cancel = nullptr;
    button::TLbButton* Btn_Update = nullptr;

public slots:
    // Closing the dialog (Cancel, close box) also gives up a running search.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildAddressPanel();
    void buildSearchPanel();
    void buildOptionsPanel();
    void buildSerialPanel();
    void buildButtonPanel();
    void FormShow();
    // Stacks `panels` under the title, then the button band, and sizes the
    // dialog to them; the Tab key walks `tabOrder`.
    void stackPanels(const std::vector<QWidget*>& panels, const std::vector<QWidget*>& tabOrder);
    void Restore_Choices();
    // A "." in an octet edit: on to the next octet; never typed.
    bool KeyPress(QLineEdit* edit);
    void Update_By_Ethernet();
    // The search with the echo client and clock in use; the window is served
    // in its pauses, while the inputs are locked.
    Device_Search_Result Run_Search(const QString& address);

    platform::XmlDocument XML1;
    bool searching_ = false;
    bool stopSearch_ = false;
};

}  // namespace ethercat_mqtt

// The device update dialog: its three forms, the octet edits, and Update
// over scripted echoes with a fake updater next to the executable.

#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/device_update_form.h"
#include "platform/xml_document.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_network.h"
#include "support/temp_folder.h"

namespace device_update_form_tests {

using ethercat_mqtt::TFBoot;
using Status = testing_support::ScriptedNetwork::Status;

class UpdateDialogTest : public ::testing::Test {
protected:
    UpdateDialogTest()
    {
        app::Load_Default_Texts(app::textTable());
        saved_ = app::appState();
        app::AppState& state = app::appState();
        state = app::AppState();
        state.SW_Code = app::kSoftwareCode;
        state.Exe_Path = dir.path();
        state.Master_Path = dir.file(QStringLiteral("MASTER"));
        state.Project_Path = dir.file(QStringLiteral("PROJECTS/Line"));
        form.List_COM_Ports = [this] { return ports; };
    }
    ~UpdateDialogTest() override { app::appState() = saved_; }

    // A fake updater that notes each run and copies the job it finds.
    void placeUpdater()
    {
        const QString path = dir.write(QStringLiteral("Ethernet_Update"),
                                       "#!/bin/sh\ncd \"$(dirname \"$0\")\"\necho run >> runs.txt\n"
                                       "cp Ethernet_Update.xml seen.xml\n");
        ::chmod(QFile::encodeName(path).constData(), 0755);
    }
    int updaterRuns() const { return int(dir.read(QStringLiteral("runs.txt")).count("run")); }
    bool jobWritten() const { return QFile::exists(dir.file(QStringLiteral("Ethernet_Update.xml"))); }

    void showForm(int32_t type)
    {
        form.Form_Type = type;
        form.show();
        QApplication::processEvents();
    }
    void typeAddress(const QStringList& octets)
    {
        for (int i = 0; i < 4; ++i)
            form.E_IP[i]->setText(octets[i]);
    }
    void pressUpdate()
    {
        QTest::mouseClick(form.Btn_Update, Qt::LeftButton);
        QApplication::processEvents();
    }
    QStringList edits() const
    {
        return {form.E_IP[0]->text(), form.E_IP[1]->text(), form.E_IP[2]->text(), form.E_IP[3]->text()};
    }
    // name=text of every child of the job's root, and of its operations.
    QStringList jobOutline() const
    {
        platform::XmlDocument job;
        EXPECT_TRUE(job.load(dir.file(QStringLiteral("Ethernet_Update.xml"))));
        QStringList out;
        for (const platform::XmlElement& e : job.root().children())
            out << e.name() + u'=' + (e.children().empty() ? e.text() : QString());
        for (const platform::XmlElement& op : job.root().child(QStringLiteral("Operations")).children())
            out << op.child(QStringLiteral("Ope_Start_Address")).text() + u' '
                       + op.child(QStringLiteral("Ope_Read_Back")).text();
        return out;
    }

    testing_support::TempFolder dir;
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedNetwork network;
    QStringList ports;
    TFBoot form;

private:
    app::AppState saved_;
};

// ---------------------------------------------------------------- the forms

TEST_F(UpdateDialogTest, EthernetFormStacksAddressAndOptionsAndRestoresTheLastChoices)
{
    app::AppState& state = app::appState();
    state.Last_IP_Address = QStringLiteral("10.0.0.7");
    state.Last_Update_Option = 2;
    state.Last_Read_Back = false;
    showForm(TFBoot::Form_Ethernet);

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Update Device by Ethernet (UDP)"));
    EXPECT_EQ(form.title.L_SW_Desc->text(), QStringLiteral("Update Device Using the Ethernet Port"));
    EXPECT_EQ(form.title.L_SW_Code->text(), QStringLiteral("CQ41T17"));
    EXPECT_EQ(form.size(), QSize(449, 230));
    EXPECT_TRUE(form.P_IP_Address->isVisible());
    EXPECT_TRUE(form.P_Options->isVisible());
    EXPECT_FALSE(form.P_Eth_Search->isVisible());
    EXPECT_FALSE(form.P_Serial->isVisible());
    EXPECT_EQ(form.P_IP_Address->y(), 69);
    EXPECT_EQ(form.P_Options->y(), 118);
    EXPECT_EQ(form.P_Button->y(), 190);

    EXPECT_EQ(edits(), (QStringList{"10", "0", "0", "7"}));
    QStringList items;
    for (int i = 0; i < form.CB_Update_Options->count(); ++i)
        items << form.CB_Update_Options->itemText(i);
    EXPECT_EQ(items, (QStringList{"Firmware + Configuration", "Firmware", "Configuration"}));
    EXPECT_EQ(form.CB_Update_Options->currentIndex(), 2);
    EXPECT_FALSE(form.CB_Update_Option_Read_Back->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), form.E_IP[0]);

    // Tab walks the octets, then the options.
    QStringList walk;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walk << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walk, (QStringList{"E_IP2", "E_IP3", "E_IP4", "CB_Update_Options", "CB_Update_Option_Read_Back"}));

    // The texts of the hidden search panel and the hints.
    EXPECT_EQ(form.ECG_List_Devices->Columns()[1]->Header(), QStringLiteral("MAC Address"));
    EXPECT_EQ(form.CB_Find_All_Kestro->text(), QStringLiteral("Find all Olvenk Devices"));
    EXPECT_EQ(form.E_IP[3]->toolTip(), QStringLiteral("Insert fourth byte of IP Address"));
    EXPECT_EQ(form.Btn_Update->Caption(), QStringLiteral("Execute Update Firmware"));
    EXPECT_EQ(form.Btn_Cancel->toolTip(), QStringLiteral("Exit without to do the Update"));
}

TEST_F(UpdateDialogTest, TheLastAddressFillsTheOctetsOnlyWhenItIsAnAddress)
{
    struct Case {
        const char* last;
        QStringList shown;
    };
    const Case cases[] = {
        {"10.0.0.7", {"10", "0", "0", "7"}},
        {" 10 . 1 .2. 3 ", {"10", "1", "2", "3"}},
        {"10.0.0", {"1", "2", "3", "4"}},
        {"10.0.0.300", {"1", "2", "3", "4"}},
        {"10.0.0.7.1", {"1", "2", "3", "4"}},
        {"", {"1", "2", "3", "4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.last);
        form.hide();
        typeAddress({"1", "2", "3", "4"});
        app::appState().Last_IP_Address = QString::fromLatin1(c.last);
        showForm(TFBoot::Form_Ethernet);
        EXPECT_EQ(edits(), c.shown);
    }
}

TEST_F(UpdateDialogTest, SerialFormListsThePortsAndUpdateOnlyRemembersTheChoices)
{
    ports = {"1", "3", "70"};
    app::appState().Last_Update_Option = 1;
    showForm(TFBoot::Form_Serial);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Update Device by Serial"));
    EXPECT_EQ(form.title.L_SW_Desc->text(), QStringLiteral("Update Device Using the Serial Port"));
    EXPECT_TRUE(form.P_Serial->isVisible());
    EXPECT_TRUE(form.P_Options->isVisible());
    EXPECT_FALSE(form.P_IP_Address->isVisible());
    EXPECT_EQ(form.P_Serial->y(), 69);
    EXPECT_EQ(form.P_Options->y(), 69 + form.P_Serial->height());
    EXPECT_EQ(form.height(), 69 + form.P_Serial->height() + 72 + 40);
    EXPECT_EQ(form.L_COM_Port->text(), QStringLiteral("Select the COM port for the Update"));
    EXPECT_EQ(form.CB_Update_Options->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), form.CB_COM_Port);
    QStringList items;
    for (int i = 0; i < form.CB_COM_Port->count(); ++i)
        items << form.CB_COM_Port->itemText(i);
    EXPECT_EQ(items, (QStringList{"COM1", "COM3", "COM70"}));
    EXPECT_EQ(form.CB_COM_Port->currentIndex(), 0);

    // The small button reads the ports again.
    ports = {};
    QTest::mouseClick(form.Btn_COM_List, Qt::LeftButton);
    EXPECT_EQ(form.CB_COM_Port->count(), 0);
    EXPECT_EQ(form.CB_COM_Port->currentIndex(), -1);

    form.CB_Update_Options->setCurrentIndex(2);
    form.CB_Update_Option_Read_Back->setChecked(false);
    network.otherwise = Status::Answered;
    placeUpdater();
    pressUpdate();
    EXPECT_EQ(app::appState().Last_Update_Option, 2);
    EXPECT_FALSE(app::appState().Last_Read_Back);
    EXPECT_EQ(app::appState().Last_IP_Address, app::kDefaultIpAddress);
    EXPECT_TRUE(network.sent().empty());
    EXPECT_FALSE(jobWritten());
    EXPECT_EQ(updaterRuns(), 0);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(UpdateDialogTest, UsbFormHasOnlyItsTextsAndUpdateDoesNothing)
{
    showForm(TFBoot::Form_USB);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Update Device by USB"));
    EXPECT_EQ(form.title.L_SW_Desc->text(), QStringLiteral("Update Device Using the USB Port"));
    for (QWidget* panel : {form.P_IP_Address, form.P_Eth_Search, form.P_Options, form.P_Serial})
        EXPECT_FALSE(panel->isVisible()) << panel->objectName().toStdString();
    form.Btn_UpdateClick();
    EXPECT_TRUE(network.sent().empty());
    EXPECT_EQ(app::appState().Last_Read_Back, true);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(UpdateDialogTest, LanguageChangeWhileHiddenFollowsTheFormType)
{
    form.Form_Type = TFBoot::Form_Ethernet;
    app::textTable().Lang_Texts[1202] = QStringLiteral("Aggiorna via Ethernet");
    app::textTable().Lang_Texts[1216] = QStringLiteral("Solo firmware");
    form.Set_Lang();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Aggiorna via Ethernet"));
    EXPECT_EQ(form.CB_Update_Options->itemText(1), QStringLiteral("Solo firmware"));
    app::textTable().Lang_Texts[1202] = QStringLiteral("Mise à jour par Ethernet");
    showForm(TFBoot::Form_Ethernet);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Mise à jour par Ethernet"));
}

TEST_F(UpdateDialogTest, DotMovesToTheNextOctetAndIsNeverTyped)
{
    showForm(TFBoot::Form_Ethernet);
    ASSERT_EQ(QApplication::focusWidget(), form.E_IP[0]);
    // Each octet edit is entered with its text selected, so typing replaces it.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10."));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1."));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2."));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("33."));
    EXPECT_EQ(edits(), (QStringList{"10", "1", "2", "33"}));
    EXPECT_EQ(QApplication::focusWidget(), form.E_IP[3]);
}

// ---------------------------------------------------------------- update

TEST_F(UpdateDialogTest, AFoundDeviceIsRememberedThenTheJobIsWrittenThenTheUpdaterRuns)
{
    placeUpdater();
    network.otherwise = Status::Answered;
    showForm(TFBoot::Form_Ethernet);
    typeAddress({"192", "168", "2", "7"});
    form.CB_Update_Options->setCurrentIndex(2);
    form.CB_Update_Option_Read_Back->setChecked(false);
    pressUpdate();

    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join('\n').toStdString();
    ASSERT_EQ(network.sent().size(), 2u);
    EXPECT_EQ(network.sent()[0].host, QStringLiteral("192.168.2.7"));
    EXPECT_EQ(network.sent()[1].payload, QByteArray("192.168.2.7"));
    const app::AppState& state = app::appState();
    EXPECT_EQ(state.Last_IP_Address, QStringLiteral("192.168.2.7"));
    EXPECT_EQ(state.Last_Update_Option, 2);
    EXPECT_FALSE(state.Last_Read_Back);
    EXPECT_EQ(jobOutline(), (QStringList{"Version=1000", "Title=Olvenk - CQ41T17 Ethernet Update",
                                         "IP_Address_Dev=192.168.2.7", "Application_Port=10000", "Boot_Port=2008",
                                         "Boot_Port_Sec=2007", "Address_Protection=0x07800", "Protections=",
                                         "Operations=", "0x07000 0", "0x80000 0", "0xA0000 0"}));
    // The updater found the job written before it started.
    EXPECT_EQ(updaterRuns(), 1);
    EXPECT_EQ(dir.read(QStringLiteral("seen.xml")), dir.read(QStringLiteral("Ethernet_Update.xml")));
    EXPECT_TRUE(form.isVisible()) << "the dialog stays open";
    EXPECT_TRUE(form.Btn_Update->isEnabled());
    EXPECT_EQ(form.ping_res, 1);

    // A second update from the same dialog replaces the job.
    form.CB_Update_Options->setCurrentIndex(1);
    form.CB_Update_Option_Read_Back->setChecked(true);
    pressUpdate();
    EXPECT_EQ(updaterRuns(), 2);
    EXPECT_EQ(jobOutline().mid(9), QStringList{"0x8000 1"});
}

TEST_F(UpdateDialogTest, ADeviceThatDoesNotAnswerIsNotFoundAndNothingIsKept)
{
    placeUpdater();
    app::appState().Last_Update_Option = 1;
    showForm(TFBoot::Form_Ethernet);
    typeAddress({"10", "0", "0", "9"});
    form.CB_Update_Options->setCurrentIndex(0);
    pressUpdate();
    ASSERT_EQ(dialogs.texts(), QStringList{"Device Not Found!"});
    EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(network.sent().size(), 13u);
    EXPECT_EQ(app::appState().Last_IP_Address, app::kDefaultIpAddress);
    EXPECT_EQ(app::appState().Last_Update_Option, 1);
    EXPECT_FALSE(jobWritten());
    EXPECT_EQ(updaterRuns(), 0);
    EXPECT_EQ(form.ping_res, 2);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(UpdateDialogTest, AnythingButFourDecimalOctetsIsRefusedBeforeAnyEcho)
{
    placeUpdater();
    network.otherwise = Status::Answered;
    showForm(TFBoot::Form_Ethernet);
    const QStringList cases[] = {
        {"192", "168", "2", "256"}, {"192", "168", "2", ""},  {"0x0A", "0", "0", "1"}, {"010", "0", "0", "1"},
        {"+1", "0", "0", "1"},      {"-1", "0", "0", "1"},    {" 1", "0", "0", "1"},   {"1", "0", "0", "1 "},
        {"1.2", "0", "0", "1"},     {"gw", "lan", "0", "1"},  {"1e2", "0", "0", "1"},
    };
    for (const QStringList& octets : cases) {
        SCOPED_TRACE(octets.join('|').toStdString());
        dialogs.reset();
        typeAddress(octets);
        pressUpdate();
        ASSERT_EQ(dialogs.texts(), QStringList{"Error!!! Check the Ip Address"});
        EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Error);
    }
    EXPECT_TRUE(network.sent().empty());
    EXPECT_EQ(app::appState().Last_IP_Address, app::kDefaultIpAddress);
    EXPECT_FALSE(jobWritten());
    EXPECT_EQ(updaterRuns(), 0);
}

TEST_F(UpdateDialogTest, EchoFailuresAreToldAsTheirCauses)
{
    struct Case {
        const char* what;
        std::vector<Status> outcomes;
        QString message;
        platform::MessageKind kind;
    };
    const Case cases[] = {
        {"failure on the first echo", {Status::Failed}, "Error!!! Check the Ip Address", platform::MessageKind::Error},
        {"failure after a silent echo", {Status::NotAnswered, Status::Failed}, "Device Not Found!",
         platform::MessageKind::Warning},
        {"failure after an answer", {Status::Answered, Status::Failed}, "Error!!! Check the Ip Address",
         platform::MessageKind::Error},
        {"no ICMP socket allowed", {Status::NotPermitted},
         "Error!!! The device cannot be searched: this user may not send echo requests (ping). Allow ICMP datagram "
         "sockets for one of the user's groups (for example: sysctl -w net.ipv4.ping_group_range=\"0 2147483647\"), "
         "or give the configurator the capability CAP_NET_RAW (setcap cap_net_raw+ep on its program). "
         "scripted failure",
         platform::MessageKind::Error},
    };
    placeUpdater();
    showForm(TFBoot::Form_Ethernet);
    typeAddress({"10", "0", "0", "9"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.reset();
        for (Status s : c.outcomes)
            network.script({s});
        pressUpdate();
        ASSERT_EQ(dialogs.texts(), QStringList{c.message});
        EXPECT_EQ(dialogs.shown()[0].kind, c.kind);
    }
    EXPECT_EQ(app::appState().Last_IP_Address, app::kDefaultIpAddress);
    EXPECT_FALSE(jobWritten());
    EXPECT_EQ(updaterRuns(), 0);
}

TEST_F(UpdateDialogTest, AMissingUpdaterOrAJobThatCannotBeWrittenIsReported)
{
    network.otherwise = Status::Answered;
    showForm(TFBoot::Form_Ethernet);
    typeAddress({"10", "0", "0", "7"});
    pressUpdate();
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].startsWith("Error!!! The update program cannot be started: "))
        << dialogs.texts()[0].toStdString();
    EXPECT_TRUE(dialogs.texts()[0].contains(dir.file("Ethernet_Update"))) << dialogs.texts()[0].toStdString();
    EXPECT_TRUE(jobWritten());

    // The address is remembered before the job is written, even when it
    // cannot be; the updater is then not started.
    placeUpdater();
    dialogs.reset();
    QFile::remove(dir.file("Ethernet_Update.xml"));
    QDir(dir.path()).mkdir("Ethernet_Update.xml");
    typeAddress({"10", "0", "0", "8"});
    pressUpdate();
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].startsWith("Error!!! The update job file cannot be written: "))
        << dialogs.texts()[0].toStdString();
    EXPECT_EQ(app::appState().Last_IP_Address, QStringLiteral("10.0.0.8"));
    EXPECT_EQ(updaterRuns(), 0);
}

// ---------------------------------------------------------------- during the search

TEST_F(UpdateDialogTest, TheDialogIsServedDuringTheSearchButUpdateStartsNoSecondOne)
{
    placeUpdater();
    network.script({Status::NotAnswered, Status::Answered});
    network.otherwise = Status::Answered;
    showForm(TFBoot::Form_Ethernet);
    typeAddress({"10", "0", "0", "7"});
    bool served = false;
    bool updateEnabled = true;
    bool addressEnabled = true;
    network.onEcho = [&](int echo) {
        if (echo != 1)
            return;
        // Runs in the pause after the first echo.
        QTimer::singleShot(0, &form, [&] {
            served = true;
            updateEnabled = form.Btn_Update->isEnabled();
            addressEnabled = form.E_IP[0]->isEnabled();
            QTest::mouseClick(form.Btn_Update, Qt::LeftButton);
            form.Btn_UpdateClick();  // as a key would
        });
    };
    pressUpdate();
    EXPECT_TRUE(served);
    EXPECT_FALSE(updateEnabled);
    EXPECT_FALSE(addressEnabled);
    EXPECT_EQ(network.sent().size(), 3u) << "one search: silent, answered, answered";
    EXPECT_EQ(updaterRuns(), 1);
    EXPECT_TRUE(form.Btn_Update->isEnabled());
    EXPECT_TRUE(form.E_IP[0]->isEnabled());
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join('\n').toStdString();
}

TEST_F(UpdateDialogTest, CancelDuringTheSearchClosesTheDialogAndEndsTheSearch)
{
    placeUpdater();
    network.otherwise = Status::Answered;
    network.onEcho = [&](int echo) {
        if (echo == 1)
            QTimer::singleShot(0, &form, [&] { QTest::mouseClick(form.Btn_Cancel, Qt::LeftButton); });
    };
    form.Form_Type = TFBoot::Form_Ethernet;
    QTimer::singleShot(0, &form, [&] {
        typeAddress({"10", "0", "0", "7"});
        pressUpdate();
    });
    EXPECT_EQ(form.exec(), platform::mrCancel);
    EXPECT_EQ(network.sent().size(), 1u);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(app::appState().Last_IP_Address, app::kDefaultIpAddress);
    EXPECT_FALSE(jobWritten());
    EXPECT_EQ(updaterRuns(), 0);
}

TEST_F(UpdateDialogTest, CancelAfterAnUpdateAndTheNextShowingRestoresWhatWasUsed)
{
    placeUpdater();
    network.otherwise = Status::Answered;
    form.Form_Type = TFBoot::Form_Ethernet;
    QTimer::singleShot(0, &form, [&] {
        typeAddress({"10", "0", "0", "7"});
        form.CB_Update_Options->setCurrentIndex(1);
        pressUpdate();
        typeAddress({"9", "9", "9", "9"});
        form.CB_Update_Options->setCurrentIndex(0);
        QTest::mouseClick(form.Btn_Cancel, Qt::LeftButton);
    });
    EXPECT_EQ(form.exec(), platform::mrCancel);
    EXPECT_EQ(updaterRuns(), 1);

    QStringList shown;
    int choice = -1;
    QTimer::singleShot(0, &form, [&] {
        shown = edits();
        choice = form.CB_Update_Options->currentIndex();
        QTest::mouseClick(form.Btn_Cancel, Qt::LeftButton);
    });
    form.exec();
    EXPECT_EQ(shown, (QStringList{"10", "0", "0", "7"}));
    EXPECT_EQ(choice, 1);
}

// ---------------------------------------------------------------- pictures

TEST_F(UpdateDialogTest, Screenshots)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/update_dialog");
    QDir().mkpath(folder);
    app::appState().Last_IP_Address = QStringLiteral("192.168.2.205");
    showForm(TFBoot::Form_Ethernet);
    EXPECT_TRUE(form.grab().save(folder + QStringLiteral("/01_ethernet.png")));
    form.hide();
    ports = {"1", "3"};
    showForm(TFBoot::Form_Serial);
    EXPECT_TRUE(form.grab().save(folder + QStringLiteral("/02_serial.png")));
}

}  // namespace device_update_form_tests

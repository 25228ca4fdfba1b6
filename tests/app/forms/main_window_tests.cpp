#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/forms/about_dialog.h"
#include "app/forms/form_set.h"
#include "app/forms/main_window.h"
#include "app/forms/new_project_dialog.h"
#include "app/forms/open_conf_dialog.h"
#include "app/forms/soft_options_dialog.h"
#include "app/language.h"
#include "editors/ethercat_mqtt/device_update_form.h"
#include "main_window_fixture.h"
#include "support/loopback_http_server.h"

using namespace app_forms;

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, FirstStartCreatesFoldersAndShowsNoProject)
{
    start();
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(QFileInfo(dir.file(folder)).isDir()) << folder;
    const app::AppState& state = app::appState();
    EXPECT_FALSE(state.projectOpen());
    EXPECT_EQ(state.Language_Name, "English");
    EXPECT_EQ(state.Last_IP_Address, "192.168.2.205");
    EXPECT_FALSE(main().Timer_Update->isActive());
    EXPECT_EQ(main().windowTitle(), "Olvenk - Configurator CQ41T17 - EtherCAT Slave / MQTT ");
    EXPECT_EQ(main().L_Name_Conf->text(), "None Configuration Opened ");
    EXPECT_EQ(main().L_Name_Conf_L2->text(), "Use Step1 to open or create new configuration");
    EXPECT_EQ(main().L_SW_Code->text(), "CQ41T17");
    EXPECT_EQ(forms->created().first(), "TFZuderivuridFirmWare");
    EXPECT_EQ(state.ParGen_Path, "");
}

TEST_F(MainWindowTest, StepsStandAtTheirPlaces)
{
    start();
    struct Place {
        const char* name;
        int left, top, width, height;
        const char* caption;
    };
    const Place places[] = {
        {"Btn_Info", 516, 8, 50, 50, ""},
        {"Btn_Opz", 574, 8, 50, 50, ""},
        {"Btn_Close", 632, 8, 50, 50, ""},
        {"Btn_New", 80, 112, 170, 36, "New Configuration"},
        {"Btn_Open", 258, 112, 170, 36, "Open Configuration"},
        {"Btn_Prm_Gen", 80, 156, 170, 36, "Set Communication"},
        {"Btn_EtherCAT_Set_Group", 80, 200, 170, 36, "EtherCAT Set Group"},
        {"Btn_EtherCAT_Set_Access", 258, 200, 170, 36, "EtherCAT Set Access"},
        {"Btn_MQTT_Set_Topic", 80, 244, 170, 36, "MQTT Set Topic"},
        {"Btn_EtherCAT_ESI_File", 80, 288, 170, 36, "EtherCAT ESI File"},
        {"Btn_CreateBin", 80, 332, 170, 36, "Update Device UDP"},
    };
    main().show();
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        button::TLbButton* b = main().stepButton(p.name);
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->isVisible());
        EXPECT_EQ(b->geometry(), QRect(p.left, p.top, p.width, p.height));
        EXPECT_EQ(b->Caption(), p.caption);
    }
    for (const char* hidden : {"Btn_Modbus_Set_Access", "Btn_BACnet_EDE_File", "Btn_PROFINET_XML", "Btn_S7_Protocol_Access"})
        EXPECT_FALSE(main().stepButton(hidden)->isVisible()) << hidden;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(main().L_Step[i]->pos(), QPoint(16, 128 + 44 * i));
        EXPECT_EQ(main().L_Step[i]->isVisible(), i < 6);
    }
    EXPECT_EQ(main().L_Olvenk->pos(), QPoint(565, 392));
    EXPECT_EQ(main().Shape1->geometry(), QRect(10, 383, 674, 1));
    EXPECT_EQ(main().size(), QSize(694, 484));
    main().grab().save(QCoreApplication::applicationDirPath() + "/main_window.png");
}

TEST_F(MainWindowTest, EditorStepsNeedAProject)
{
    start();
    for (const char* name : {"Btn_Prm_Gen", "Btn_EtherCAT_Set_Access", "Btn_EtherCAT_Set_Group", "Btn_MQTT_Set_Topic",
                             "Btn_EtherCAT_ESI_File", "Btn_CreateBin"}) {
        SCOPED_TRACE(name);
        script.reset();
        main().Btn_Click(main().stepButton(name));
        EXPECT_EQ(script.texts(), QStringList{"Error! Project not Valid"});
        EXPECT_EQ(script.shown()[0].kind, platform::MessageKind::Error);
        EXPECT_TRUE(script.fileDialogs().empty());
    }
}

TEST_F(MainWindowTest, NewConfigurationOpensItAndRefusesBadNames)
{
    start();
    auto* dialog = form<TFNew_Project>("TFNew_Project");
    ASSERT_NE(dialog, nullptr);
    QDir(dir.file("PROJECTS")).mkdir("Plant");
    struct Case {
        QString name;
        QString message;
    };
    const Case refused[] = {
        {"", "Error! Name Project is not valid"},
        {"PLANT", "Error! Name project is not valid because directory already exists"},
        {"a/b", "Error! Name project is not valid"},
        {"..", "Error! Name project is not valid"},
        {"Plant ", "Error! Name project is not valid"},
        {" Line", "Error! Name project is not valid"},
        {"Line:4", "Error! Name project is not valid"},
        {"Line*", "Error! Name project is not valid"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.name.toStdString());
        script.reset();
        dialog->E_New_Proj->setText(c.name);
        dialog->Btn_OKClick();
        EXPECT_EQ(script.texts(), QStringList{c.message});
        EXPECT_FALSE(app::appState().projectOpen());
    }

    // Enter in the name field acts as OK.
    soon([dialog] {
        dialog->E_New_Proj->setText("Line 4");
        QTest::keyClick(dialog->E_New_Proj, Qt::Key_Return);
    });
    main().Create_New_Project();
    EXPECT_TRUE(QFileInfo(dir.file("PROJECTS/Line 4/bin")).isDir());
    EXPECT_EQ(app::appState().Project_Name, "Line 4");
    EXPECT_EQ(app::appState().ParGen_Path, dir.file("PROJECTS/Line 4/ParGen.xml"));
    EXPECT_EQ(main().L_Name_Conf->text(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(main().L_Name_Conf_L2->text(), "Line 4");

    // PROJECTS unusable: the folder and the system's reason, not a bad name.
    ASSERT_TRUE(QDir(dir.file("PROJECTS")).removeRecursively());
    dir.write("PROJECTS", "not a folder");
    script.reset();
    dialog->E_New_Proj->setText("Line 5");
    dialog->Btn_OKClick();
    EXPECT_EQ(script.texts(), QStringList{"Error! The folder of the new configuration cannot be created: " +
                                          dir.file("PROJECTS/Line 5") + " (Not a directory)"});
    EXPECT_EQ(app::appState().Project_Name, "Line 4");
}

TEST_F(MainWindowTest, OpenListsAndPreselectsWithoutRegardToCase)
{
    for (const char* name : {"B", "a", "C"})
        QDir().mkpath(dir.file(QString("PROJECTS/") + name));
    dir.write("Velmoraxis.xml", "<Conf_Settings><lastproj><projectname>c</projectname></lastproj></Conf_Settings>");
    start();
    EXPECT_EQ(app::appState().Project_Name, "c");  // restored, the name as remembered
    EXPECT_EQ(app::appState().Project_Path, dir.file("PROJECTS/C"));
    auto* dialog = form<TFOpenConf>("TFOpenConf");
    soon([dialog] {
        ASSERT_EQ(dialog->ListBox1->count(), 3);
        EXPECT_EQ(dialog->ListBox1->item(0)->text(), "a");
        EXPECT_EQ(dialog->ListBox1->item(1)->text(), "B");
        EXPECT_EQ(dialog->ListBox1->item(2)->text(), "C");
        EXPECT_EQ(dialog->ListBox1->currentItem()->text(), "C");
        dialog->ListBox1->setCurrentRow(dialog->SL.indexOf("a"));
        dialog->accept();
    });
    main().Open_Project();
    EXPECT_EQ(app::appState().Project_Path, dir.file("PROJECTS/a"));
    EXPECT_EQ(main().L_Name_Conf_L2->text(), "a");

    // An empty list: OK leaves no project open.
    for (const char* name : {"B", "a", "C"})
        QDir(dir.file(QString("PROJECTS/") + name)).removeRecursively();
    soon([dialog] {
        EXPECT_EQ(dialog->ListBox1->count(), 0);
        dialog->accept();
    });
    main().Open_Project();
    EXPECT_FALSE(app::appState().projectOpen());
    EXPECT_EQ(main().L_Name_Conf->text(), "None Configuration Opened ");
}

TEST_F(MainWindowTest, LanguagePickReappliesEveryFormAndIsStoredOnlyWithOk)
{
    dir.write("LANGUAGE/Italiano.lng", "STR0 = Inizio\nSTR15 = Nuova Configurazione\nSTR100 = Crea\nSTR200 = Apri\n"
                                       "STR300 = Opzioni\nSTR11 = \xC2\xB6" "Configurazione: \xC2\xB6\n");
    start();
    auto* options = form<TFSoftOptions>("TFSoftOptions");
    ASSERT_NE(options, nullptr);

    // Pick Italiano, then Cancel.
    script.answer(platform::MessageResult::Yes);
    soon([options] {
        EXPECT_EQ(options->L_L[0]->text(), "Italiano");
        options->LangClick(1);
        options->reject();
    });
    main().Btn_Click(main().Btn_Opz);
    EXPECT_EQ(script.texts(), QStringList{"Do you want to change the Language from English to Italiano?"});
    EXPECT_EQ(main().L_Begin->text(), "Inizio");
    EXPECT_EQ(main().stepButton("Btn_New")->Caption(), "Nuova Configurazione");
    EXPECT_EQ(main().stepButton("Btn_EtherCAT_ESI_File")->Caption(), "EtherCAT ESI File");
    EXPECT_EQ(form<TFNew_Project>("TFNew_Project")->windowTitle(), "Crea");
    EXPECT_EQ(form<TFOpenConf>("TFOpenConf")->windowTitle(), "Apri");
    EXPECT_EQ(options->windowTitle(), "Opzioni");
    EXPECT_EQ(form<TFAbout>("TFAbout")->Label3->text(), "Version :");
    EXPECT_EQ(app::appState().Language_Name, "English");
    EXPECT_FALSE(QFile::exists(dir.file("Velmoraxis.xml")));

    // Pick again and confirm with OK: stored and written at once.
    script.answer(platform::MessageResult::Yes);
    soon([options] {
        EXPECT_EQ(options->L_Sel_Lang->text(), "Selected Language : English");
        options->LangClick(1);
        options->CB_En_Con->setChecked(true);
        options->Btn_OKClick();
    });
    main().Btn_Click(main().Btn_Opz);
    EXPECT_EQ(app::appState().Language_Name, "Italiano");
    EXPECT_TRUE(app::appState().Enable_Internet);
    EXPECT_TRUE(dir.read("Velmoraxis.xml").contains("<language>Italiano</language>"));
    EXPECT_FALSE(main().Timer_Update->isActive());  // the update check is still off
}

TEST_F(MainWindowTest, OptionsConnectionBoxesAndPages)
{
    for (int i = 1; i <= 7; ++i)
        dir.write(QString("LANGUAGE/Lang%1.lng").arg(i), "STR0 = x\n");
    start();
    auto* options = form<TFSoftOptions>("TFSoftOptions");
    soon([options] {
        EXPECT_EQ(options->L_Page_Lang->text(), "Page 1 / 2");
        EXPECT_FALSE(options->Btn_Prev->isVisible());
        EXPECT_TRUE(options->L_L[5]->isVisible());
        options->Btn_NextClick(true);
        EXPECT_EQ(options->L_Page_Lang->text(), "Page 2 / 2");
        EXPECT_FALSE(options->Btn_Next->isVisible());
        EXPECT_TRUE(options->L_L[0]->isVisible());
        EXPECT_FALSE(options->L_L[1]->isVisible());
        EXPECT_EQ(options->L_L[0]->text(), "Lang7");

        options->CB_En_Con->setChecked(true);
        options->CB_Update->setChecked(true);
        EXPECT_TRUE(options->Btn_Check_Update->isEnabled());
        options->CB_En_Con->setChecked(false);
        EXPECT_FALSE(options->CB_Update->isEnabled());
        EXPECT_TRUE(options->CB_Update->isChecked());
        EXPECT_FALSE(options->Btn_Check_Update->isEnabled());
        options->CB_En_Con->setChecked(true);
        options->Btn_OKClick();
    });
    main().Btn_Click(main().Btn_Opz);
    EXPECT_TRUE(main().Timer_Update->isActive());
    EXPECT_EQ(main().Timer_Update->interval(), 60000);

    testing_support::LoopbackHttpServer server(testing_support::LoopbackHttpServer::ok("VER. 1.002"));
    main().versionSite = server.site();
    main().Timer_UpdateTimer();
    EXPECT_TRUE(main().LL_Update->isVisibleTo(&main()));
    EXPECT_TRUE(main().LL_Update->text().contains("New Version Available. Click Here for more Details"));
    EXPECT_EQ(main().Timer_Update->interval(), 7200000);
}

TEST_F(MainWindowTest, UpdateDeviceWritesTheImagesOfTheOpenProjectThenShowsTheEthernetUpdate)
{
    QDir().mkpath(dir.file("PROJECTS/P1"));
    dir.write("Velmoraxis.xml", "<Conf_Settings><lastproj><projectname>P1</projectname></lastproj></Conf_Settings>");
    start();
    ASSERT_TRUE(app::appState().projectOpen());
    auto* boot = form<ethercat_mqtt::TFBoot>("TFBoot");
    ASSERT_NE(boot, nullptr);
    const QStringList created = forms->created();
    EXPECT_EQ(created.indexOf("TFBoot"), created.indexOf("TFEtherCATSlave") + 1);
    bool shownModal = false;
    QStringList banksWhenShown;
    QString caption;
    soon([&] {
        shownModal = boot->isVisible() && boot->isModal();
        caption = boot->windowTitle();
        for (const char* bank : {"bank1.bin", "bank2.bin", "bank3.bin"})
            if (QFile::exists(dir.file(QString("PROJECTS/P1/bin/") + bank)))
                banksWhenShown << bank;
        QTest::mouseClick(boot->Btn_Cancel, Qt::LeftButton);
    });
    main().Btn_Click(main().stepButton("Btn_CreateBin"));
    EXPECT_TRUE(script.texts().isEmpty()) << script.texts().join('\n').toStdString();
    EXPECT_TRUE(shownModal);
    EXPECT_EQ(boot->Form_Type, ethercat_mqtt::TFBoot::Form_Ethernet);
    EXPECT_EQ(caption, "Update Device by Ethernet (UDP)");
    EXPECT_EQ(banksWhenShown, (QStringList{"bank1.bin", "bank2.bin", "bank3.bin"}));
    EXPECT_FALSE(boot->isVisible());
    EXPECT_EQ(dir.read("PROJECTS/P1/bin/bank1.bin").size(), 2048);

    // A language change reaches the hidden dialog.
    app::textTable().Lang_Texts[1202] = "Aggiorna via Ethernet";
    forms->Change_Language();
    EXPECT_EQ(boot->windowTitle(), "Aggiorna via Ethernet");
}

TEST_F(MainWindowTest, ClosingSavesTheSettingsAndKeepsTheRememberedProject)
{
    dir.write("Velmoraxis.xml", "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
    start();
    EXPECT_FALSE(app::appState().projectOpen());
    main().show();
    main().close();
    EXPECT_TRUE(dir.read("Velmoraxis.xml").contains("<projectname>Gone</projectname>"));

    // A settings file that cannot be written is reported; the window closes.
    QFile::remove(dir.file("Velmoraxis.xml"));
    QDir(dir.path()).mkdir("Velmoraxis.xml");
    main().show();
    EXPECT_TRUE(main().close());
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, platform::MessageKind::Error);
}

TEST_F(MainWindowTest, StepsOnAProjectWhoseFolderWasDeletedSayItIsGoneAndWriteNothing)
{
    startWithProject("P1");
    ASSERT_TRUE(app::appState().projectOpen());
    ASSERT_TRUE(QDir(dir.file("PROJECTS/P1")).removeRecursively());
    const QString gone = "Error! The folder of the open configuration no longer exists: " + dir.file("PROJECTS/P1");
    for (const char* step : {"Btn_CreateBin", "Btn_EtherCAT_ESI_File"}) {
        SCOPED_TRACE(step);
        script.reset();
        script.chooseFile(dir.file("esi.xml"));
        main().Btn_Click(main().stepButton(step));
        ASSERT_EQ(script.texts(), QStringList{gone});
        EXPECT_EQ(script.shown()[0].kind, platform::MessageKind::Error);
        EXPECT_TRUE(script.fileDialogs().empty()) << "no file is asked for";
        EXPECT_FALSE(QFileInfo::exists(dir.file("PROJECTS/P1"))) << "the folder is not made again";
        EXPECT_FALSE(QFileInfo::exists(dir.file("esi.xml")));
    }
}

// The BACnet forms of the family's other variants: created with the other
// forms, the client editor shown by its step button (which this variant
// keeps hidden) on the open project's files, the EDE step writing the
// server's objects where the user chooses, and a language change reaching
// all four.

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/bacnet/bacnet_client_form.h"
#include "editors/fieldbus/bacnet/bacnet_server_form.h"
#include "editors/fieldbus/bacnet/ede_import_form.h"
#include "editors/fieldbus/bacnet/eng_unit_form.h"
#include "main_window_fixture.h"

namespace bacnet_steps_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, TheBACnetFormsAreCreatedTheClientShownByItsStepAndAllFollowTheLanguage)
{
    startWithProject(QStringLiteral("Plant"));
    const QStringList created = forms->created();
    const int first = created.indexOf("TFBACnetAccess");
    ASSERT_GT(first, 0) << created.join(u' ').toStdString();
    EXPECT_EQ(created.mid(first, 4),
              (QStringList{"TFBACnetAccess", "TFImportEDEFile", "TFBACnet_Eng_Unit", "TFBACnetSlaveSetAccess"}));
    auto* client = form<bacnet::TFBACnetAccess>("TFBACnetAccess");
    auto* import = form<bacnet::TFImportEDEFile>("TFImportEDEFile");
    auto* picker = form<bacnet::TFBACnet_Eng_Unit>("TFBACnet_Eng_Unit");
    auto* server = form<bacnet::TFBACnetSlaveSetAccess>("TFBACnetSlaveSetAccess");
    ASSERT_TRUE(client && import && picker && server);
    EXPECT_EQ(&client->importDialog(), import);
    EXPECT_EQ(&server->unitPicker(), picker);
    EXPECT_TRUE(main().stepButton("Btn_BACnet_SetAccess")->isHidden()) << "not a step of this variant";

    dir.write(QStringLiteral("PROJECTS/Plant/ParGen.xml"),
              "<Par_Gen><BACnet_Master_Type>1</BACnet_Master_Type></Par_Gen>");
    const QByteArray rules =
        "<BACnet_Master_Access><BACnet_Read><row IP_Address_Slave_ID=\"12\" /></BACnet_Read>"
        "<BACnet_Write /></BACnet_Master_Access>";
    dir.write(QStringLiteral("PROJECTS/Plant/BACnet_Master_Access.xml"), rules);
    bool shownModal = false;
    QString header;
    QString cell;
    soon([&] {
        shownModal = client->isVisible() && client->isModal();
        header = client->ECG1->Columns()[2]->Header();
        cell = client->table(0).cellText(2, 1);
        QTest::mouseClick(client->Btn_Cancel, Qt::LeftButton);
    });
    main().Btn_Click(main().stepButton("Btn_BACnet_SetAccess"));
    EXPECT_TRUE(shownModal);
    EXPECT_EQ(header, QStringLiteral("Slave ID"));
    EXPECT_EQ(cell, QStringLiteral("12"));
    EXPECT_FALSE(client->isVisible());
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/BACnet_Master_Access.xml")), rules);

    app::textTable().Lang_Texts[2007] = QStringLiteral("Scrittura BACnet");
    app::textTable().Lang_Texts[2105] = QStringLiteral("Importa");
    app::textTable().Lang_Texts[2208] = QStringLiteral("Lettura BACnet");
    app::textTable().Lang_Texts[2304] = QStringLiteral("Unità scelta");
    forms->Change_Language();
    EXPECT_EQ(client->PageControl1->tabText(1), QStringLiteral("Scrittura BACnet"));
    EXPECT_EQ(import->ECG->Columns()[1]->Header(), QStringLiteral("Importa"));
    EXPECT_EQ(server->PageControl1->tabText(0), QStringLiteral("Lettura BACnet"));
    EXPECT_EQ(picker->Label1->text(), QStringLiteral("Unità scelta"));
}

// The EDE step (hidden in this variant) writes the EDE file of the open
// project's server objects where the user chooses.
TEST_F(MainWindowTest, TheEdeStepWritesTheFileOfTheProjectsServerObjects)
{
    startWithProject(QStringLiteral("Plant"));
    dir.write(QStringLiteral("PROJECTS/Plant/ParGen.xml"), "<Par_Gen><BACnet_DEV_IDE>4711</BACnet_DEV_IDE></Par_Gen>");
    dir.write(QStringLiteral("PROJECTS/Plant/BACnet_Slave.xml"),
              "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"Hall\" />"
              "</BACnet_in_Read><BACnet_in_Write /></BACnet_to_Modbus>");
    script.chooseFile(dir.file(QStringLiteral("plant")));
    main().Btn_Click(main().stepButton("Btn_BACnet_EDE_File"));
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    ASSERT_EQ(script.fileDialogs().size(), 1u);
    EXPECT_EQ(script.fileDialogs()[0].initialFolder, app::appState().Project_Path);
    const QByteArray ede = dir.read(QStringLiteral("plant.csv"));
    EXPECT_TRUE(ede.startsWith("PROJECT_NAME; Olvenk--Plant;;;;;;\r\n")) << ede.constData();
    EXPECT_TRUE(ede.endsWith("\r\n4711_Hall_0;4711;Hall;0;0;Hall;62;\r\n")) << ede.constData();
}

}  // namespace bacnet_steps_tests

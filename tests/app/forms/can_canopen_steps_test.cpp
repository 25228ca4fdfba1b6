// The CAN and CANopen editors of the family's other variants: created with
// the other forms, shown by their step buttons (which this variant keeps
// hidden) on the open project's files, following a language change; and the
// hidden CANopen EDS step writing the data sheet where the user chooses.

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/can/can_frame_forms.h"
#include "editors/fieldbus/canopen/canopen_forms.h"
#include "main_window_fixture.h"

namespace can_canopen_steps_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, TheCanAndCanopenEditorsAreCreatedShownByTheirStepsAndFollowTheLanguage)
{
    startWithProject(QStringLiteral("Plant"));
    const QStringList created = forms->created();
    const QStringList names = {"TFReceiveCAN", "TFTransmitCAN", "TFSet_PDO_Access", "TFSet_SDO_Client_Access",
                               "TFSet_SDO_Server_Access"};
    for (qsizetype i = 1; i < names.size(); ++i)
        EXPECT_EQ(created.indexOf(names[i]), created.indexOf(names[i - 1]) + 1) << created.join(u' ').toStdString();
    auto* receive = form<can_editors::TFReceiveCAN>("TFReceiveCAN");
    auto* transmit = form<can_editors::TFTransmitCAN>("TFTransmitCAN");
    auto* pdo = form<canopen::TFSet_PDO_Access>("TFSet_PDO_Access");
    auto* client = form<canopen::TFSet_SDO_Client_Access>("TFSet_SDO_Client_Access");
    auto* server = form<canopen::TFSet_SDO_Server_Access>("TFSet_SDO_Server_Access");
    ASSERT_TRUE(receive && transmit && pdo && client && server);

    const struct {
        const char* button;
        const char* file;
        QByteArray xml;
        rule_editor::TRuleEditorForm* form;
        int table;
        int column;
        const char* shown;
    } steps[] = {
        {"Btn_CAN_Rec_Frame", "CAN_Rec_Frames.xml", "<Receive_Frames><row COBID=\"0x181\" /></Receive_Frames>",
         receive, 0, 2, "0x181"},
        {"Btn_CAN_Send_Frame", "CAN_Send_Frames.xml", "<Transmit_Frames><row COBID=\"0x281\" /></Transmit_Frames>",
         transmit, 0, 2, "0x281"},
        {"Btn_PDO_CANopen", "PDO_CANopen.xml",
         "<PDO_CANopen><Receive_PDO /><Transmit_PDO><row COB-ID=\"0x381\" /></Transmit_PDO></PDO_CANopen>", pdo, 1,
         1, "0x381"},
        {"Btn_SDO_Client_CANopen", "SDO_Client_CANopen.xml",
         "<SDO_Client_CANopen><SDO_Read><row Device_ID=\"9\" /></SDO_Read><SDO_Write /></SDO_Client_CANopen>",
         client, 0, 1, "9"},
        {"Btn_SDO_Server_CANopen", "SDO_Server_CANopen.xml",
         "<SDO_Server_CANopen><SDO_Read /><SDO_Write><row Index=\"0x2001\" /></SDO_Write></SDO_Server_CANopen>",
         server, 1, 1, "0x2001"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        EXPECT_TRUE(main().stepButton(step.button)->isHidden()) << "not a step of this variant";
        dir.write(QStringLiteral("PROJECTS/Plant/") + QString::fromLatin1(step.file), step.xml);
        bool shownModal = false;
        QString cell;
        soon([&] {
            shownModal = step.form->isVisible() && step.form->isModal();
            cell = step.form->table(step.table).cellText(step.column, 1);
            QTest::mouseClick(step.form->Btn_Cancel, Qt::LeftButton);
        });
        main().Btn_Click(main().stepButton(step.button));
        EXPECT_TRUE(shownModal);
        EXPECT_EQ(cell, QString::fromLatin1(step.shown));
        EXPECT_FALSE(step.form->isVisible());
        EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/") + QString::fromLatin1(step.file)), step.xml);
    }
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();

    app::textTable().Lang_Texts[2410] = QStringLiteral("Identificatore");
    app::textTable().Lang_Texts[2615] = QStringLiteral("PDO in trasmissione");
    app::textTable().Lang_Texts[2800] = QStringLiteral("Server SDO");
    forms->Change_Language();
    EXPECT_EQ(receive->ECG_CAN_Receive->GetCellEx(2, 0), QStringLiteral("Identificatore"));
    EXPECT_EQ(pdo->PageControl1->tabText(1), QStringLiteral("PDO in trasmissione"));
    EXPECT_EQ(server->windowTitle(), QStringLiteral("Server SDO"));
}

// The EDS step (hidden in this variant) writes the data sheet of the open
// project's PDOs and SDO server objects where the user chooses.
TEST_F(MainWindowTest, TheEdsStepWritesTheDataSheetOfTheProject)
{
    startWithProject(QStringLiteral("Plant"));
    dir.write(QStringLiteral("PROJECTS/Plant/PDO_CANopen.xml"),
              "<PDO_CANopen><Receive_PDO><row COB-ID=\"0x201\" Dimension=\"2\" /></Receive_PDO><Transmit_PDO />"
              "</PDO_CANopen>");
    dir.write(QStringLiteral("PROJECTS/Plant/SDO_Server_CANopen.xml"),
              "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000\" SubIndex=\"1\" NByte=\"2\" /></SDO_Read>"
              "<SDO_Write /></SDO_Server_CANopen>");
    script.chooseFile(dir.file(QStringLiteral("plant.eds")));
    main().Btn_Click(main().stepButton("Btn_CANopen_EDS"));
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    ASSERT_EQ(script.fileDialogs().size(), 1u);
    EXPECT_EQ(QDir(script.fileDialogs()[0].initialFolder), QDir(dir.file(QStringLiteral("PROJECTS/Plant"))));
    const QByteArray eds = dir.read(QStringLiteral("plant.eds"));
    EXPECT_TRUE(eds.contains("\r\nNrOfRXPDO=1\r\nNrOfTXPDO=0\r\n"));
    EXPECT_TRUE(eds.contains("\r\n[2000sub1]\r\nParameterName=Application Variable\r\n"));
}

}  // namespace can_canopen_steps_tests

// The SNMP editors of the family's other variants: created with the other
// forms, shown by their step buttons (which this variant keeps hidden) on the
// open project's files, and following a language change.

#include <QApplication>
#include <QTest>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/snmp/snmp_manager_form.h"
#include "editors/ethernet/snmp/snmp_trap_form.h"
#include "main_window_fixture.h"

namespace snmp_steps_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, TheSnmpEditorsAreCreatedShownByTheirStepsAndFollowTheLanguage)
{
    startWithProject(QStringLiteral("Plant"));
    const QStringList created = forms->created();
    EXPECT_EQ(created.indexOf("TFSNMP_Trap_Access"), created.indexOf("TFSNMPManagerAccess") + 1)
        << created.join(u' ').toStdString();
    auto* manager = form<snmp::TFSNMPManagerAccess>("TFSNMPManagerAccess");
    auto* agent = form<snmp::TFSNMP_Trap_Access>("TFSNMP_Trap_Access");
    ASSERT_NE(manager, nullptr);
    ASSERT_NE(agent, nullptr);
    EXPECT_TRUE(main().stepButton("Btn_SNMP_Manager_Access")->isHidden()) << "not a step of this variant";

    const QByteArray requests = "<SNMP_Manager_Access><row IP_Address=\"10.0.0.9\" /></SNMP_Manager_Access>";
    dir.write(QStringLiteral("PROJECTS/Plant/SNMP_Manager.xml"), requests);
    const QByteArray variables = "<SNMP_Trap><SNMP_Trap_Read /><SNMP_Trap_Write><row Community_Name=\"Vorstik\" />"
                                 "</SNMP_Trap_Write></SNMP_Trap>";
    dir.write(QStringLiteral("PROJECTS/Plant/SNMP_Trap.xml"), variables);
    const struct {
        const char* button;
        rule_editor::TRuleEditorForm* form;
        int table;
        int column;
        const char* shown;
    } steps[] = {{"Btn_SNMP_Manager_Access", manager, 0, 2, "10.0.0.9"}, {"Btn_SNMP_Trap", agent, 1, 2, "Vorstik"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
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
    }
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/SNMP_Manager.xml")), requests);
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/SNMP_Trap.xml")), variables);

    app::textTable().Lang_Texts[4610] = QStringLiteral("Indirizzo IP");
    app::textTable().Lang_Texts[4708] = QStringLiteral("Lettura SNMP");
    forms->Change_Language();
    EXPECT_EQ(manager->ECG_SNMP->Columns()[2]->Header(), QStringLiteral("Indirizzo IP"));
    EXPECT_EQ(agent->PageControl1->tabText(0), QStringLiteral("Lettura SNMP"));
}

// The MIB step (hidden in this variant) writes the module of the open
// project's agent variables where the user chooses.
TEST_F(MainWindowTest, TheMibStepWritesTheModuleOfTheProjectsVariables)
{
    startWithProject(QStringLiteral("Plant"));
    dir.write(QStringLiteral("PROJECTS/Plant/SNMP_Trap.xml"),
              "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Type=\"Int\" Description=\"ovenTemperature\" />"
              "</SNMP_Trap_Read><SNMP_Trap_Write /></SNMP_Trap>");
    const QString target = dir.file(QStringLiteral("plant.mib"));
    script.chooseFile(target);
    main().Btn_Click(main().stepButton("Btn_SNMP_MIB"));
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    ASSERT_EQ(script.fileDialogs().size(), 1u);
    EXPECT_TRUE(dir.read(QStringLiteral("plant.mib")).contains("ovenTemperature OBJECT-TYPE"));
}

}  // namespace snmp_steps_tests

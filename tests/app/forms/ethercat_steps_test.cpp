// Step 3 of the main window: its two buttons show the EtherCAT editors on
// the open project's files; both editors are created with the other forms
// and follow a language change.

#include <QApplication>
#include <QTest>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/ethercat_slave_form.h"
#include "editors/ethercat_mqtt/ethercat_slave_group_form.h"
#include "main_window_fixture.h"

namespace ethercat_steps_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, StepThreeShowsTheEtherCATEditorsOnTheOpenProject)
{
    startWithProject(QStringLiteral("Plant"));
    dir.write(QStringLiteral("PROJECTS/Plant/EtherCAT_Slave_Group.xml"),
              "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master><row Group_Name=\"Drives\" Num_Variables=\"2\" "
              "Mnemonic=\"\" /></Slave_to_Master><Master_to_Slave /></PROFINET_Master_to_Modbus_TCP_Master>");
    struct Step {
        const char* button;
        const char* form;
        const char* caption;
    };
    const Step steps[] = {
        {"Btn_EtherCAT_Set_Group", "TFEtherCATSlave_Group", "EtherCAT Slave Set Group"},
        {"Btn_EtherCAT_Set_Access", "TFEtherCATSlave", "EtherCAT Slave Set Access"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.button);
        auto* editor = form<rule_editor::TRuleEditorForm>(step.form);
        ASSERT_NE(editor, nullptr);
        bool shownModal = false;
        QString firstCell;
        soon([&] {
            shownModal = editor->isVisible() && editor->isModal();
            firstCell = editor->table(0).cellText(editor == forms->form("TFEtherCATSlave") ? 8 : 1, 1);
            QTest::mouseClick(editor->Btn_Cancel, Qt::LeftButton);
        });
        main().Btn_Click(main().stepButton(step.button));
        EXPECT_TRUE(shownModal);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(editor->windowTitle(), QString::fromLatin1(step.caption));
        // The group editor shows the group; the variable editor shows it on
        // its first (enabled, empty) row.
        EXPECT_EQ(firstCell, QStringLiteral("Drives"));
    }
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("PROJECTS/Plant/EtherCAT_Slave.xml"))));
}

TEST_F(MainWindowTest, TheEtherCATEditorsAreCreatedWithTheOtherFormsAndFollowTheLanguage)
{
    start();
    const QStringList created = forms->created();
    EXPECT_EQ(created.indexOf("TFEtherCATSlave"), created.indexOf("TFParGen") + 1);
    EXPECT_EQ(created.last(), QStringLiteral("TFEtherCATSlave_Group"));
    auto* variables = form<ethercat_mqtt::TFEtherCATSlave>("TFEtherCATSlave");
    auto* groups = form<ethercat_mqtt::TFEtherCATSlave_Group>("TFEtherCATSlave_Group");
    ASSERT_NE(variables, nullptr);
    ASSERT_NE(groups, nullptr);
    EXPECT_EQ(variables->title.L_SW_Code->text(), QStringLiteral("CQ41T17"));

    app::textTable().Lang_Texts[1016] = QStringLiteral("Typ");
    app::textTable().Lang_Texts[5317] = QStringLiteral("Gruppenname");
    forms->Change_Language();
    EXPECT_EQ(variables->ESG_SlaveMaster->GetCellEx(2, 0), QStringLiteral("Typ"));
    EXPECT_EQ(groups->ECG_Group_StoM->Columns()[1]->Header(), QStringLiteral("Gruppenname"));
}

}  // namespace ethercat_steps_tests

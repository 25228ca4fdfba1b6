// Pictures of the SNMP manager request editor and of both pages of the SNMP
// agent variable editor with data, written to <build>/screenshots/snmp_editors
// for looking at.

#include <QPixmap>
#include <QTabWidget>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/snmp/snmp_manager_form.h"
#include "editors/ethernet/snmp/snmp_trap_form.h"
#include "snmp_editor_fixture.h"

namespace snmp_editors_screenshot_tests {

using snmp_testing::fixture;
using snmp_testing::readFile;
using snmp_testing::SNMPEditorTest;

class SNMPEditorsScreenshot : public SNMPEditorTest {
protected:
    static QString folderPath()
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/snmp_editors");
        QDir().mkpath(dir);
        return dir;
    }
    static void grab(QWidget& form, const QString& name)
    {
        QApplication::processEvents();
        ASSERT_TRUE(form.grab().save(folderPath() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
};

TEST_F(SNMPEditorsScreenshot, TheManagerEditorAndBothPagesOfTheAgentEditor)
{
    writeManager(readFile(fixture(QStringLiteral("SNMP_Manager.xml"))));
    snmp::TFSNMPManagerAccess manager;
    show(manager);
    ASSERT_TRUE(manager.isVisible());
    grab(manager, QStringLiteral("01_manager"));
    manager.ECG_SNMP->SetLeftCol(12);
    grab(manager, QStringLiteral("02_manager_version3_columns"));

    writeTrap(readFile(fixture(QStringLiteral("SNMP_Trap.xml"))));
    snmp::TFSNMP_Trap_Access agent;
    show(agent);
    ASSERT_TRUE(agent.isVisible());
    grab(agent, QStringLiteral("03_agent_read"));
    agent.PageControl1->setCurrentIndex(1);
    grab(agent, QStringLiteral("04_agent_write"));
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace snmp_editors_screenshot_tests

// Pictures of both EtherCAT editors with data, written to
// <build>/screenshots/ethercat_editors for looking at.

#include <QPixmap>
#include <QTabWidget>

#include "editors/ethercat_mqtt/ethercat_slave_form.h"
#include "editors/ethercat_mqtt/ethercat_slave_group_form.h"
#include "ethercat_editor_fixture.h"

namespace ethercat_editors_screenshot_tests {

using ethercat_editor_testing::EditorTest;

class EtherCATEditorsScreenshot : public EditorTest {
protected:
    static QString folderPath()
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/ethercat_editors");
        QDir().mkpath(dir);
        return dir;
    }
    static void grab(QWidget& form, const QString& name)
    {
        QApplication::processEvents();
        ASSERT_TRUE(form.grab().save(folderPath() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
};

TEST_F(EtherCATEditorsScreenshot, BothEditorsWithData)
{
    writeGroups(ethercat_editor_testing::groupFileXml({"Motor=3", "Valves=4"}, {"Setpoints=2"}));
    writeSlave(ethercat_editor_testing::readFile(ethercat_editor_testing::fixture("screenshot_variables.xml")));

    ethercat_mqtt::TFEtherCATSlave variables;
    variables.resize(1200, 480);
    show(variables);
    ASSERT_TRUE(variables.isVisible());
    grab(variables, QStringLiteral("01_variables_slave_to_master"));
    variables.PageControl1->setCurrentIndex(1);
    grab(variables, QStringLiteral("02_variables_master_to_slave"));

    ethercat_mqtt::TFEtherCATSlave_Group groups;
    groups.resize(800, 400);
    show(groups);
    grab(groups, QStringLiteral("03_groups_slave_to_master"));
    groups.PageControl1->setCurrentIndex(1);
    grab(groups, QStringLiteral("04_groups_master_to_slave"));
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace ethercat_editors_screenshot_tests

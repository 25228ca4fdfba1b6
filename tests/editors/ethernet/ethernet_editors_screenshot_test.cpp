// Pictures of the Modbus serial, Modbus TCP and S7 editors with data, both
// pages each, written to <build>/screenshots/ethernet_editors for looking at.

#include <QPixmap>
#include <QTabWidget>

#include "editors/ethernet/ethernet_editor_fixture.h"
#include "editors/ethernet/modbus/modbus_set_access_form.h"
#include "editors/ethernet/modbus/modbus_tcp_master_form.h"
#include "editors/ethernet/s7/s7_protocol_form.h"

namespace ethernet_editors_screenshot_tests {

using ethernet_editor_testing::EthernetEditorTest;
using ethernet_editor_testing::fixture;
using ethernet_editor_testing::readFile;

class EthernetEditorsScreenshot : public EthernetEditorTest {
protected:
    static QString folderPath()
    {
        const QString dir =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/ethernet_editors");
        QDir().mkpath(dir);
        return dir;
    }
    // Both pages of a form shown at its own size, with the file's rules.
    void grabPages(rule_editor::TRuleEditorForm& form, const QString& fileName, const QString& name)
    {
        folder.write(fileName, readFile(fixture(fileName)));
        show(form);
        ASSERT_TRUE(form.isVisible());
        for (int page = 0; page < 2; ++page) {
            form.setActiveTable(page);
            QApplication::processEvents();
            ASSERT_TRUE(form.grab().save(folderPath() + QStringLiteral("/%1_%2.png").arg(name).arg(page + 1)));
        }
        EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
        form.close();
    }
};

TEST_F(EthernetEditorsScreenshot, TheThreeEditorsWithData)
{
    ethernet_editors::TFSetAccess serial;
    grabPages(serial, QStringLiteral("ModbusM_SetAccess.xml"), QStringLiteral("01_modbus_serial"));
    ethernet_editors::TFModbus_TCP_Master_Set_Access tcp;
    grabPages(tcp, QStringLiteral("ModbusTCPM_SetAccess.xml"), QStringLiteral("02_modbus_tcp"));
    ethernet_editors::TFS7_Protocol_Set_Access s7;
    grabPages(s7, QStringLiteral("S7_Protocol.xml"), QStringLiteral("03_s7"));
}

}  // namespace ethernet_editors_screenshot_tests

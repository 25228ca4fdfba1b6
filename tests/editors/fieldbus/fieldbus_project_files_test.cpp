// What every one of these editors does with a project file it cannot use
// or that holds more than its table: a file that cannot be parsed keeps the
// form closed and is never written over from empty tables; rows beyond a
// table are reported once the editor is shown.

#include <functional>
#include <memory>

#include <QTimer>

#include "editors/fieldbus/devicenet/devicenet_network_form.h"
#include "editors/fieldbus/devicenet/devicenet_offset_form.h"
#include "editors/fieldbus/dmx/dmx_default_values_form.h"
#include "editors/fieldbus/fieldbus_project_fixture.h"
#include "editors/fieldbus/j1939/j1939_receive_form.h"
#include "editors/fieldbus/j1939/j1939_transmit_form.h"
#include "editors/fieldbus/nmea2000/nmea_receive_form.h"
#include "editors/fieldbus/nmea2000/nmea_transmit_form.h"

namespace fieldbus_project_files_tests {

using fieldbus_project_testing::FieldbusEditorTest;
using platform::MessageKind;

struct Editor {
    const char* file;
    std::function<std::unique_ptr<rule_editor::TRuleEditorForm>()> make;
    const char* row;  // a row element of the file
    int rows;         // the table's limit
    const char* title;
};

template <typename Form>
std::function<std::unique_ptr<rule_editor::TRuleEditorForm>()> maker()
{
    return [] { return std::make_unique<Form>(); };
}

const Editor kEditors[] = {
    {"DNETM_Net.xml", maker<devicenet::TFDNet>(), "<row ID=\"1\" />", 64, "DeviceNet Network"},
    {"DNETM_DefOff.xml", maker<devicenet::TFDefOffset>(), nullptr, 0, nullptr},
    {"DMX_Default_Values.xml", maker<dmx::TFDMXDefVal>(), nullptr, 0, nullptr},
    {"J1939_Rec_Frames.xml", maker<j1939::TFReceiveJ1939>(), "<row PGN=\"1\" />", 512, "Receive J1939 Frames"},
    {"J1939_Send_Frames.xml", maker<j1939::TFTransmitJ1939>(), "<row PGN=\"1\" />", 512, "Transmit J1939 Frames"},
    {"NMEA_Rec_Frames.xml", maker<nmea2000::TFReceiveNMEA>(), "<row PGN=\"1\" />", 62, "Receive NMEA 2000 Frames"},
    {"NMEA_Send_Frames.xml", maker<nmea2000::TFTransmitNMEA>(), "<row PGN=\"1\" />", 62, "Transmit NMEA 2000 Frames"},
};

class ProjectFilesTest : public FieldbusEditorTest {};

TEST_F(ProjectFilesTest, AFileThatCannotBeParsedKeepsTheFormClosedAndIsNeverOverwritten)
{
    const QByteArray damaged = "<Root>\n\t<row PGN=\"1\" \n";
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.file);
        dialogs.reset();
        write(e.file, damaged);
        const std::unique_ptr<rule_editor::TRuleEditorForm> form = e.make();
        bool opened = false;
        QTimer::singleShot(0, form.get(), [&] {
            opened = form->isVisible();
            form->Btn_OKClick();
        });
        EXPECT_EQ(form->exec(), QDialog::Rejected);
        QApplication::processEvents();
        EXPECT_FALSE(opened);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
        EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Error!!! The file ") + path(e.file)
                                                       + QStringLiteral(" cannot be read: ")))
            << dialogs.shown()[0].text.toStdString();
        // Neither OK nor a showing without a modal loop writes over it.
        form->Btn_OKClick();
        show(*form);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(bytes(e.file), damaged);
        QFile::remove(path(e.file));
    }
}

TEST_F(ProjectFilesTest, RowsBeyondTheTableAreReportedWhenTheEditorIsShown)
{
    for (const Editor& e : kEditors) {
        if (e.row == nullptr)
            continue;  // tested with the editor
        SCOPED_TRACE(e.file);
        dialogs.reset();
        QByteArray xml = "<Root>";
        for (int i = 0; i < e.rows + 3; ++i)
            xml += e.row;
        write(e.file, xml + "</Root>");
        const std::unique_ptr<rule_editor::TRuleEditorForm> form = e.make();
        show(*form);
        EXPECT_TRUE(form->isVisible());
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
        EXPECT_EQ(dialogs.shown()[0].text,
                  QStringLiteral("The file %1 holds 3 rows more than the table \"%2\" can show: they are not shown, "
                                 "and OK would remove them from the file.")
                      .arg(path(e.file), QString::fromLatin1(e.title)));
        EXPECT_EQ(form->table(0).savedRowCount(), e.rows);
        form->close();
    }
}

}  // namespace fieldbus_project_files_tests

// Pictures of the DeviceNet network and offset editors, the DMX default
// values editor and the J1939 and NMEA 2000 receive and transmit editors
// with data, written to <build>/screenshots/<editor> for looking at.

#include <QTabWidget>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/devicenet/devicenet_network_form.h"
#include "editors/fieldbus/devicenet/devicenet_offset_form.h"
#include "editors/fieldbus/dmx/dmx_default_values_form.h"
#include "editors/fieldbus/fieldbus_project_fixture.h"

namespace fieldbus_editors_screenshot_tests {

using fieldbus_project_testing::FieldbusEditorTest;

class FieldbusEditorsScreenshot : public FieldbusEditorTest {};

TEST_F(FieldbusEditorsScreenshot, TheDeviceNetEditors)
{
    writeFixture("DNETM_Net.xml", QStringLiteral("devicenet/DNETM_Net.xml"));
    devicenet::TFDNet network;
    show(network);
    ASSERT_TRUE(network.isVisible());
    screenshot(network, QStringLiteral("devicenet"), QStringLiteral("01_network"));

    writeFixture("DNETM_Net.xml", QStringLiteral("devicenet/offsets_DNETM_Net.xml"));
    writeFixture("DNETM_DefOff.xml", QStringLiteral("devicenet/offsets_DNETM_DefOff.xml"));
    devicenet::TFDefOffset offsets;
    show(offsets);
    ASSERT_TRUE(offsets.isVisible());
    screenshot(offsets, QStringLiteral("devicenet"), QStringLiteral("02_offsets_inputs"));
    offsets.ECG_DN_Slaves->FocusCell(0, 2);
    offsets.ECG_DN_SlavesClick();
    offsets.PageControl1->setCurrentIndex(devicenet::TFDefOffset::OutputPage);
    screenshot(offsets, QStringLiteral("devicenet"), QStringLiteral("03_offsets_outputs_of_the_second_slave"));
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
}

TEST_F(FieldbusEditorsScreenshot, TheDMXEditor)
{
    write("ParGen.xml", "<Par_Gen><DMX_Num_Channels>24</DMX_Num_Channels></Par_Gen>");
    writeFixture("DMX_Default_Values.xml", QStringLiteral("dmx/DMX_Default_Values.xml"));
    dmx::TFDMXDefVal form;
    show(form);
    ASSERT_TRUE(form.isVisible());
    screenshot(form, QStringLiteral("dmx"), QStringLiteral("01_default_values"));
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
}

}  // namespace fieldbus_editors_screenshot_tests

// Pictures of the DeviceNet network and offset editors, the DMX default
// values editor and the J1939 and NMEA 2000 receive and transmit editors
// with data, written to <build>/screenshots/<editor> for looking at.

#include <QTabWidget>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/devicenet/devicenet_network_form.h"
#include "editors/fieldbus/devicenet/devicenet_offset_form.h"
#include "editors/fieldbus/dmx/dmx_default_values_form.h"
#include "editors/fieldbus/fieldbus_project_fixture.h"
#include "editors/fieldbus/j1939/j1939_receive_form.h"
#include "editors/fieldbus/j1939/j1939_transmit_form.h"
#include "editors/fieldbus/nmea2000/nmea_receive_form.h"
#include "editors/fieldbus/nmea2000/nmea_transmit_form.h"

namespace fieldbus_editors_screenshot_tests {

using fieldbus_project_testing::FieldbusEditorTest;

class FieldbusEditorsScreenshot : public FieldbusEditorTest {};

// Every header is shown whole: no column is narrower than the grid's own
// sizing to its content (the header, on tables not yet filled).
TEST_F(FieldbusEditorsScreenshot, EveryHeaderFitsItsColumn)
{
    devicenet::TFDNet network;
    devicenet::TFDefOffset offsets;
    dmx::TFDMXDefVal dmxValues;
    j1939::TFReceiveJ1939 j1939Receive;
    j1939::TFTransmitJ1939 j1939Transmit;
    nmea2000::TFReceiveNMEA nmeaReceive;
    nmea2000::TFTransmitNMEA nmeaTransmit;
    for (grid::TExColumnGrid* g : {network.ESG, offsets.ECG_DN_Slaves, offsets.ECG_ByteIN, offsets.ECG_ByteOUT,
                                   dmxValues.ECG_DMX_Def_Val, j1939Receive.sga, j1939Transmit.sga, nmeaReceive.sga,
                                   nmeaTransmit.sga}) {
        for (int c = 0; c < g->ColCount(); ++c) {
            const int width = g->Columns()[c]->Width();
            g->AutoSizeCol(c, 0);
            EXPECT_LE(g->Columns()[c]->Width(), width)
                << g->window()->objectName().toStdString() << " " << g->Columns()[c]->Header().toStdString();
        }
    }
}

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

TEST_F(FieldbusEditorsScreenshot, TheJ1939AndNMEAEditors)
{
    writeFixture("J1939_Rec_Frames.xml", QStringLiteral("j1939/J1939_Rec_Frames.xml"));
    writeFixture("J1939_Send_Frames.xml", QStringLiteral("j1939/J1939_Send_Frames.xml"));
    writeFixture("NMEA_Rec_Frames.xml", QStringLiteral("nmea2000/NMEA_Rec_Frames.xml"));
    writeFixture("NMEA_Send_Frames.xml", QStringLiteral("nmea2000/NMEA_Send_Frames.xml"));
    j1939::TFReceiveJ1939 j1939Receive;
    j1939::TFTransmitJ1939 j1939Transmit;
    nmea2000::TFReceiveNMEA nmeaReceive;
    nmea2000::TFTransmitNMEA nmeaTransmit;
    const std::pair<rule_editor::TRuleEditorForm*, const char*> shots[] = {
        {&j1939Receive, "01_receive"}, {&j1939Transmit, "02_transmit"}};
    for (const auto& [form, name] : shots) {
        show(*form);
        ASSERT_TRUE(form->isVisible());
        screenshot(*form, QStringLiteral("j1939"), QString::fromLatin1(name));
        form->close();
    }
    const std::pair<rule_editor::TRuleEditorForm*, const char*> nmeaShots[] = {
        {&nmeaReceive, "01_receive"}, {&nmeaTransmit, "02_transmit"}};
    for (const auto& [form, name] : nmeaShots) {
        show(*form);
        ASSERT_TRUE(form->isVisible());
        screenshot(*form, QStringLiteral("nmea2000"), QString::fromLatin1(name));
        form->close();
    }
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
}

}  // namespace fieldbus_editors_screenshot_tests

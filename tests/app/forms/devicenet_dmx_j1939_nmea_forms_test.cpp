// The DeviceNet, DMX, J1939 and NMEA 2000 editors of the family's other
// variants: created with the other forms, the DeviceNet and DMX ones shown
// by their step buttons (which this variant keeps hidden) on the open
// project's files, and all following a language change.

#include <QApplication>
#include <QTest>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/devicenet/devicenet_network_form.h"
#include "editors/fieldbus/devicenet/devicenet_offset_form.h"
#include "editors/fieldbus/dmx/dmx_default_values_form.h"
#include "editors/fieldbus/j1939/j1939_receive_form.h"
#include "editors/fieldbus/j1939/j1939_transmit_form.h"
#include "editors/fieldbus/nmea2000/nmea_receive_form.h"
#include "editors/fieldbus/nmea2000/nmea_transmit_form.h"
#include "main_window_fixture.h"

namespace devicenet_dmx_j1939_nmea_forms_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, TheDeviceNetDmxJ1939AndNmeaEditorsAreCreatedShownByTheirStepsAndFollowTheLanguage)
{
    startWithProject(QStringLiteral("Plant"));
    const QStringList created = forms->created();
    for (const char* name : {"TFDefOffset", "TFDNet", "TFDMXDefVal", "TFReceiveJ1939", "TFTransmitJ1939",
                             "TFReceiveNMEA", "TFTransmitNMEA"})
        EXPECT_TRUE(created.contains(QString::fromLatin1(name))) << name;
    EXPECT_EQ(created.indexOf("TFDNet"), created.indexOf("TFDefOffset") + 1);
    EXPECT_EQ(created.indexOf("TFTransmitNMEA"), created.indexOf("TFReceiveNMEA") + 1);

    auto* network = form<devicenet::TFDNet>("TFDNet");
    auto* offsets = form<devicenet::TFDefOffset>("TFDefOffset");
    auto* dmxValues = form<dmx::TFDMXDefVal>("TFDMXDefVal");
    ASSERT_TRUE(network && offsets && dmxValues);
    const QByteArray slaves = "<DNET_Net><row ID=\"9\" NB_IN=\"1\" NB_OUT=\"0\" Mnemonic=\"Sensor\" /></DNET_Net>";
    dir.write(QStringLiteral("PROJECTS/Plant/DNETM_Net.xml"), slaves);
    dir.write(QStringLiteral("PROJECTS/Plant/DMX_Default_Values.xml"),
              "<DMX_Default_Values><Row Default_Value=\"77\" /></DMX_Default_Values>");
    const struct {
        const char* button;
        rule_editor::TRuleEditorForm* form;
        std::function<QString()> shown;
        const char* expected;
    } steps[] = {
        {"Btn_DNet_Net", network, [&] { return network->ESG->GetCellEx(1, 1); }, "9"},
        {"Btn_DNet_Offset", offsets, [&] { return offsets->ECG_ByteIN->GetCellEx(1, 1); }, "None"},
        {"Btn_DMX_Default", dmxValues, [&] { return dmxValues->ECG_DMX_Def_Val->GetCellEx(1, 1); }, "77"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        EXPECT_TRUE(main().stepButton(step.button)->isHidden()) << "not a step of this variant";
        bool shownModal = false;
        QString cell;
        soon([&] {
            shownModal = step.form->isVisible() && step.form->isModal();
            cell = step.shown();
            QTest::mouseClick(step.form->Btn_Cancel, Qt::LeftButton);
        });
        main().Btn_Click(main().stepButton(step.button));
        EXPECT_TRUE(shownModal);
        EXPECT_EQ(cell, QString::fromLatin1(step.expected));
        EXPECT_FALSE(step.form->isVisible());
    }
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/DNETM_Net.xml")), slaves);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("PROJECTS/Plant/DNETM_DefOff.xml"))));

    app::textTable().Lang_Texts[2915] = QStringLiteral("ID Nodo");
    app::textTable().Lang_Texts[3007] = QStringLiteral("Byte Uscita");
    app::textTable().Lang_Texts[3107] = QStringLiteral("Valore");
    app::textTable().Lang_Texts[3516] = QStringLiteral("PGN RX");
    app::textTable().Lang_Texts[3617] = QStringLiteral("PGN TX");
    app::textTable().Lang_Texts[3915] = QStringLiteral("PGN NMEA RX");
    app::textTable().Lang_Texts[4016] = QStringLiteral("PGN NMEA TX");
    forms->Change_Language();
    EXPECT_EQ(network->ESG->Columns()[1]->Header(), QStringLiteral("ID Nodo"));
    EXPECT_EQ(offsets->PageControl1->tabText(1), QStringLiteral("Byte Uscita"));
    EXPECT_EQ(dmxValues->ECG_DMX_Def_Val->Columns()[1]->Header(), QStringLiteral("Valore"));
    EXPECT_EQ(form<j1939::TFReceiveJ1939>("TFReceiveJ1939")->sga->Columns()[2]->Header(), QStringLiteral("PGN RX"));
    EXPECT_EQ(form<j1939::TFTransmitJ1939>("TFTransmitJ1939")->sga->Columns()[3]->Header(), QStringLiteral("PGN TX"));
    EXPECT_EQ(form<nmea2000::TFReceiveNMEA>("TFReceiveNMEA")->sga->Columns()[1]->Header(),
              QStringLiteral("PGN NMEA RX"));
    EXPECT_EQ(form<nmea2000::TFTransmitNMEA>("TFTransmitNMEA")->sga->Columns()[2]->Header(),
              QStringLiteral("PGN NMEA TX"));
}

}  // namespace devicenet_dmx_j1939_nmea_forms_tests

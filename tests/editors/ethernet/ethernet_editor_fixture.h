#pragma once

// The Modbus and S7 editors on a scratch project folder, with the built-in
// English texts and scripted message boxes (the EtherCAT editors' fixture,
// with the paths of these editors' files).

#include <QFile>

#include "editors/ethercat_mqtt/ethercat_editor_fixture.h"

namespace ethernet_editor_testing {

using ethercat_editor_testing::readFile;
using ethercat_editor_testing::whileShown;

inline QString fixture(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/ethernet/") + name;
}

class EthernetEditorTest : public ethercat_editor_testing::EditorTest {
protected:
    EthernetEditorTest()
    {
        app::AppState& state = app::appState();
        state.ModbusM_SetAccess_Path = modbusPath();
        state.ModbusTCPM_SetAccess_Path = modbusTcpPath();
        state.S7_Protocol_Path = s7Path();
    }

    QString modbusPath() const { return folder.file(QStringLiteral("ModbusM_SetAccess.xml")); }
    QString modbusTcpPath() const { return folder.file(QStringLiteral("ModbusTCPM_SetAccess.xml")); }
    QString s7Path() const { return folder.file(QStringLiteral("S7_Protocol.xml")); }
};

}  // namespace ethernet_editor_testing

#pragma once

// The EtherNet/IP editors on a scratch project folder (see the EtherCAT
// editors' fixture), with the path of the scanner's file and the EDS
// fixtures.

#include "editors/ethercat_mqtt/ethercat_editor_fixture.h"

namespace eip_editor_testing {

inline QString edsFixture(const char* name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/ethernet/ethernet_ip/") + QString::fromLatin1(name);
}

class EipEditorTest : public ethercat_editor_testing::EditorTest {
protected:
    EipEditorTest() { app::appState().EtherNetIP_Master_Rules_Path = rulesPath(); }

    QString rulesPath() const { return folder.file(QStringLiteral("EtherNetIP_Master_Rules.xml")); }
    void writeRules(const QByteArray& xml) const { folder.write(QStringLiteral("EtherNetIP_Master_Rules.xml"), xml); }
};

}  // namespace eip_editor_testing

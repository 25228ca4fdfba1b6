#pragma once

// The OPC UA editors on a scratch project folder (see the EtherCAT editors'
// fixture), with the paths of their files, the fake search library's
// folders and small builders of model objects.

#include "editors/ethercat_mqtt/ethercat_editor_fixture.h"
#include "editors/ethernet/opc_ua/opc_ua_model.h"

namespace opc_ua_testing {

using ethercat_editor_testing::readFile;
using ethercat_editor_testing::whileShown;

inline QString opcUaFixture(const char* name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/ethernet/opc_ua/") + QString::fromLatin1(name);
}

inline const QString kFakeSearchFolder = QStringLiteral(FAKE_OPC_UA_SEARCH_DIR);
inline const QString kIncompleteSearchFolder = QStringLiteral(FAKE_OPC_UA_SEARCH_INCOMPLETE_DIR);

class OpcUaEditorTest : public ethercat_editor_testing::EditorTest {
protected:
    OpcUaEditorTest()
    {
        app::appState().OPC_UA_Client_Path = clientPath();
        app::appState().OPC_UA_Server_Path = serverPath();
    }

    QString clientPath() const { return folder.file(QStringLiteral("OPC_UA_Client.xml")); }
    QString serverPath() const { return folder.file(QStringLiteral("OPC_UA_Server.xml")); }
    void writeClient(const QByteArray& xml) const { folder.write(QStringLiteral("OPC_UA_Client.xml"), xml); }
    void writeServer(const QByteArray& xml) const { folder.write(QStringLiteral("OPC_UA_Server.xml"), xml); }
};

// An enabled numeric read variable of a type at a position.
inline opc_ua::TOPC_UA_Variable numericVariable(const char* name, uint32_t id, const char* type,
                                                const char* position = "", bool enabled = true)
{
    opc_ua::TOPC_UA_Variable v;
    v.Enable = enabled;
    v.DispalyName = QString::fromLatin1(name);
    v.numeric = id;
    v.SetVarType(QString::fromLatin1(type));
    v.VarArray = QStringLiteral("Variable");
    v.Time = QStringLiteral("100");
    v.Position = QString::fromLatin1(position);
    v.OnChange = v.OnCMD = v.OnTimer = opc_ua::kNo;
    return v;
}

inline opc_ua::TOPC_UA_Server anonymousServer(const char* address, bool enabled = true)
{
    opc_ua::TOPC_UA_Server s;
    s.Enable = enabled;
    s.ServerAddress = QString::fromLatin1(address);
    s.Authorization = QStringLiteral("Anonymous");
    s.SecurityType = QStringLiteral("None");
    s.SecurityPolicy = QStringLiteral("None");
    return s;
}

}  // namespace opc_ua_testing

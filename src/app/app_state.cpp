#include "app/app_state.h"

#include <QFileInfo>

#include "platform/paths.h"

namespace app {

AppState& appState()
{
    static AppState state;
    return state;
}

const std::vector<ProjectFile>& projectFiles()
{
    static const std::vector<ProjectFile> files = {
        {"ParGen.xml", &AppState::ParGen_Path},
        {"EtherCAT_Slave.xml", &AppState::EtherCAT_Slave_Path},
        {"ModbusM_SetAccess.xml", &AppState::ModbusM_SetAccess_Path},
        {"ModbusTCPM_SetAccess.xml", &AppState::ModbusTCPM_SetAccess_Path},
        {"BACnet_Master_Access.xml", &AppState::BACnet_Master_Access_Path},
        {"BACnet_Slave.xml", &AppState::BACnet_Slave_Path},
        {"CAN_Rec_Frames.xml", &AppState::CAN_Rec_Frames_Path},
        {"CAN_Send_Frames.xml", &AppState::CAN_Send_Frames_Path},
        {"SDO_Server_CANopen.xml", &AppState::SDO_Server_CANopen_Path},
        {"SDO_Client_CANopen.xml", &AppState::SDO_Client_CANopen_Path},
        {"PDO_CANopen.xml", &AppState::PDO_CANopen_Path},
        {"DNETM_Net.xml", &AppState::DNETM_Net_Path},
        {"DNETM_DefOff.xml", &AppState::DNETM_DefOff_Path},
        {"DMX_Default_Values.xml", &AppState::DMX_Default_Values_Path},
        {"IEC_61850_Client.xml", &AppState::IEC_61850_Client_Path},
        {"TLS_Known_Cert.xml", &AppState::TLS_Known_Cert_Path},
        {"IEC61850_Variables.xml", &AppState::IEC61850_Variables_Path},
        {"J1939_Rec_Frames.xml", &AppState::J1939_Rec_Frames_Path},
        {"J1939_Send_Frames.xml", &AppState::J1939_Send_Frames_Path},
        {"MQTT_Set_Topic.xml", &AppState::MQTT_Set_Topic_Path},
        {"NMEA_Rec_Frames.xml", &AppState::NMEA_Rec_Frames_Path},
        {"NMEA_Send_Frames.xml", &AppState::NMEA_Send_Frames_Path},
        {"OPC_UA_Client.xml", &AppState::OPC_UA_Client_Path},
        {"OPC_UA_Server.xml", &AppState::OPC_UA_Server_Path},
        {"SNMP_Manager.xml", &AppState::SNMP_Manager_Path},
        {"SNMP_Trap.xml", &AppState::SNMP_Trap_Path},
        {"EtherNetIP_Master_Rules.xml", &AppState::EtherNetIP_Master_Rules_Path},
        {"S7_Protocol.xml", &AppState::S7_Protocol_Path},
        {"EtherCAT_Slave_Group.xml", &AppState::EtherCAT_Slave_Group_Path},
    };
    return files;
}

void Set_Files(AppState& state)
{
    for (const ProjectFile& file : projectFiles()) {
        state.*file.path = state.projectOpen()
                               ? platform::joinPath(state.Project_Path, QString::fromLatin1(file.fileName))
                               : QString();
    }
}

void Set_Folders(AppState& state, const QString& exeFolder)
{
    state.Exe_Path = exeFolder;
    while (state.Exe_Path.size() > 1 && state.Exe_Path.endsWith(u'/'))
        state.Exe_Path.chop(1);
    state.Master_Path = platform::joinPath(state.Exe_Path, QStringLiteral("MASTER"));
    state.Projects_Path = platform::joinPath(state.Exe_Path, QStringLiteral("PROJECTS"));
    state.Language_Path = platform::joinPath(state.Exe_Path, QStringLiteral("LANGUAGE"));
    for (const QString& folder : {state.Master_Path, state.Projects_Path, state.Language_Path})
        platform::createFolder(folder);
}

void Set_Build_Identity(AppState& state)
{
    state.Main_Caption = kMainCaption;
    state.SW_Code = kSoftwareCode;
    state.SW_Desc = kSoftwareDescription;
}

bool Open_Project_Folder(AppState& state, const QString& name)
{
    const bool plainName = !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/');
    const QString folder = plainName ? platform::findEntry(state.Projects_Path, name) : QString();
    if (folder.isEmpty() || !platform::folderExists(folder)) {
        Close_Project(state);
        return false;
    }
    state.Project_Name = name;
    state.Project_Path = folder;
    Set_Files(state);
    return true;
}

void Close_Project(AppState& state)
{
    state.Project_Path.clear();
    Set_Files(state);
}

}  // namespace app

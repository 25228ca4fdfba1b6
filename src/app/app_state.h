#pragma once

#include <cstdint>
#include <vector>

#include <QString>
#include <QStringList>

namespace app {

// Built-in values of this build of the configurator.
inline const QString kSoftwareCode = QStringLiteral("CQ41T17");
inline const QString kSoftwareDescription = QStringLiteral("EtherCAT Slave / MQTT - Converter");
inline const QString kVersionQueryCode = QStringLiteral("CQ41T17");
inline const QString kMainCaption = QStringLiteral("Olvenk - Configurator CQ41T17 - EtherCAT Slave / MQTT ");
inline const QString kDefaultIpAddress = QStringLiteral("192.168.2.205");
inline const QString kDefaultLanguage = QStringLiteral("English");

// The application's state for the whole run: folders, the open project and
// the paths of its files, the last device address, the language, the user
// options and the lists every editor shares.
struct AppState {
    QString Project_Name;
    // Not empty exactly while a project is open.
    QString Project_Path;
    QString Projects_Path;
    QString Exe_Path;
    QString Master_Path;
    QString Language_Path;
    QString Main_Caption;
    QString SW_Code;
    QString SW_Desc;
    QString Last_IP_Address = kDefaultIpAddress;
    int32_t Last_Update_Option = 0;
    bool Last_Read_Back = true;
    QString Language_Name = kDefaultLanguage;
    bool Enable_Internet = false;
    bool Enable_Update = false;
    bool Enable_Jump_Field_Tables = false;
    bool Double_Click_Auto_Size = false;
    QString BACnet_CSV_Path;

    // Full paths of the project's files; empty while no project is open.
    QString ParGen_Path;
    QString EtherCAT_Slave_Path;
    QString ModbusM_SetAccess_Path;
    QString ModbusTCPM_SetAccess_Path;
    QString BACnet_Master_Access_Path;
    QString BACnet_Slave_Path;
    QString CAN_Rec_Frames_Path;
    QString CAN_Send_Frames_Path;
    QString SDO_Server_CANopen_Path;
    QString SDO_Client_CANopen_Path;
    QString PDO_CANopen_Path;
    QString DNETM_Net_Path;
    QString DNETM_DefOff_Path;
    QString DMX_Default_Values_Path;
    QString IEC_61850_Client_Path;
    QString TLS_Known_Cert_Path;
    QString IEC61850_Variables_Path;
    QString J1939_Rec_Frames_Path;
    QString J1939_Send_Frames_Path;
    QString MQTT_Set_Topic_Path;
    QString NMEA_Rec_Frames_Path;
    QString NMEA_Send_Frames_Path;
    QString OPC_UA_Client_Path;
    QString OPC_UA_Server_Path;
    QString SNMP_Manager_Path;
    QString SNMP_Trap_Path;
    QString EtherNetIP_Master_Rules_Path;
    QString S7_Protocol_Path;
    QString EtherCAT_Slave_Group_Path;

    // The one copied grid row shared by every rule editor.
    QStringList Row_Clipboard;
    std::vector<bool> Row_Clipboard_Check;
    QStringList MIB_Read_Vars;
    QStringList MIB_Write_Vars;

    bool projectOpen() const { return !Project_Path.isEmpty(); }
};

// The one application state of the running program.
AppState& appState();

// A project file: its fixed name and the state member that holds its path.
struct ProjectFile {
    const char* fileName;
    QString AppState::*path;
};
// The 29 project files in their fixed order.
const std::vector<ProjectFile>& projectFiles();

// Sets the 29 file paths from Project_Path: Project_Path + "/" + file name,
// or empty for every file while no project is open.
void Set_Files(AppState& state);

// Sets the folders next to the executable (Exe_Path, Master_Path,
// Projects_Path, Language_Path) and creates MASTER, PROJECTS and LANGUAGE when
// missing; a folder that cannot be created is passed over.
void Set_Folders(AppState& state, const QString& exeFolder);

// Sets the built-in code, description and caption of this build.
void Set_Build_Identity(AppState& state);

// Opens the project `name` of Projects_Path when its folder exists (the name
// compared without regard to case, the exact name first) and updates the
// file paths; Project_Name keeps `name` as given. Returns false, with no
// project open afterwards, when there is no such folder.
bool Open_Project_Folder(AppState& state, const QString& name);
// Leaves no project open (Project_Name is kept) and clears the file paths.
void Close_Project(AppState& state);

}  // namespace app

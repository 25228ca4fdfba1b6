#pragma once

#include <QString>

#include "app/app_state.h"

namespace platform {
class XmlDocument;
}

namespace ethercat_mqtt {

// What the update loads into the device (the update dialog's choice index).
enum Update_Choice : int {
    Update_Firmware_And_Configuration = 0,
    Update_Firmware_Only = 1,
    Update_Configuration_Only = 2,
};

inline const QString kJobFileName = QStringLiteral("Ethernet_Update.xml");
inline const QString kUpdaterProgramName = QStringLiteral("Ethernet_Update");
inline const QString kFirmwareImageName = QStringLiteral("Sim41T17.sim");

// Exe_Path/Ethernet_Update.xml and Exe_Path/Ethernet_Update.
QString jobFilePath(const app::AppState& state);
QString updaterProgramPath(const app::AppState& state);

// Builds the updater's job in `xml` (emptied first): the device address as
// typed, the load steps of `choice` with their image files, and the
// read-back flag of every step. Any other choice gives no steps.
void Build_Update_Job(platform::XmlDocument& xml, const app::AppState& state, const QString& deviceAddress,
                      int choice, bool readBack);

// Builds the job and writes it to the job file, atomically. False, with the
// reason in `error`, when it cannot be written.
bool Compile_XML_Parameter_New_Boot(platform::XmlDocument& xml, const app::AppState& state,
                                    const QString& deviceAddress, int choice, bool readBack,
                                    QString* error = nullptr);

// Writes the job file and, only when that succeeded, starts the updater and
// waits for it (at most 150 s; it is never stopped). Returns the message to
// show when the job file cannot be written or the updater cannot be started,
// and an empty text otherwise; the updater's own result is not looked at.
QString Run_Update_Job(platform::XmlDocument& xml, const app::AppState& state, const QString& deviceAddress,
                       int choice, bool readBack);

}  // namespace ethercat_mqtt

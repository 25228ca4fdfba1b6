#pragma once

#include <QString>

#include "app/app_state.h"

namespace platform {
class XmlDocument;
}

namespace app {

// Exe_Path + "/Velmoraxis.xml".
QString settingsFilePath(const AppState& state);

// Reads the settings file into the state: the remembered project name, the
// last device address, the language and the four options. A missing or
// unreadable file, or a missing value, gives that value's default. The
// project itself is not opened here. `xml` is the shared scratch document.
void Read_Settings(AppState& state, platform::XmlDocument& xml);

// Writes the settings file whole, atomically. Returns false with a readable
// reason in `error` when it cannot be written.
bool Save_Setting(const AppState& state, platform::XmlDocument& xml, QString* error = nullptr);

}  // namespace app

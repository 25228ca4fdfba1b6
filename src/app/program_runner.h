#pragma once

#include <QString>

#include "platform/process.h"

namespace app {

// How long the configurator waits for a started program (the updater).
inline constexpr int kProgramWaitLimitMs = 150000;

// Starts the program `NomeSW` with the command-line `Parameter` (split at
// blanks, quotes group) and waits, without serving the windows, until it has
// ended or 150 s have passed; a program still running then keeps running.
// `tipo` asks for a hidden start; programs here open their own windows, so
// it changes nothing. The result tells whether the program could be started.
platform::ProgramRun Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo);

}  // namespace app

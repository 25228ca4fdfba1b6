#pragma once

// The grid's link to an office server for one operation: the hourglass while
// it lasts, a new or attached server instance, and on the way out (also when
// a step fails) "Quit" for an instance the grid started, the release of the
// server and the cursor as it was.

#include <QString>

#include "controls/grid/grid_error.h"
#include "platform/automation/automation.h"
#include "platform/input_state.h"

namespace grid::io {

class TOfficeConnection {
public:
    enum TInstance { NewInstance, AttachToRunning };

    // Raises EExGridError(notFound) (with the cursor restored) when no server
    // answers to the program name.
    TOfficeConnection(const QString& programName, const QString& notFound, TInstance instance);
    ~TOfficeConnection();
    TOfficeConnection(const TOfficeConnection&) = delete;
    TOfficeConnection& operator=(const TOfficeConnection&) = delete;

    platform::automation::AutomationObject& Server() { return *FServer; }
    // The grid started the instance (and quits it at the end).
    bool Started() const { return FStarted; }

private:
    platform::TCursor FCursor;
    platform::automation::ObjectRef FServer;
    bool FStarted = false;
};

// Runs `step`; a server failure on the way becomes the grid's error with the
// server's own message.
template <class Step>
decltype(auto) WithGridError(Step&& step)
{
    try {
        return step();
    } catch (const platform::automation::AutomationError& e) {
        throw EExGridError(e.what());
    }
}

// The messages of an unreachable server.
inline constexpr const char* ExcelNotFound = "Excel OLE server not found";
inline constexpr const char* WordNotFound = "Word OLE server not found";

}  // namespace grid::io

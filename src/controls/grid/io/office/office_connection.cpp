#include "controls/grid/io/office/office_connection.h"

#include "controls/grid/grid_error.h"

namespace grid::io {

using namespace platform::automation;

TOfficeConnection::TOfficeConnection(const QString& programName, const QString& notFound, TInstance instance)
    : FCursor(platform::screenCursor())
{
    platform::setScreenCursor(platform::crHourGlass);
    try {
        if (instance == AttachToRunning) FServer = Objects().GetActiveObject(programName);
        if (!FServer) {
            FServer = Objects().CreateObject(programName);
            FStarted = FServer != nullptr;
        }
    } catch (const AutomationError&) {
        FServer.reset();
    }
    if (!FServer) {
        platform::setScreenCursor(FCursor);
        throw EExGridError(notFound.toStdString());
    }
}

TOfficeConnection::~TOfficeConnection()
{
    if (FStarted) {
        try {
            FServer->Call(QStringLiteral("Quit"));
        } catch (const std::exception&) {
            // The instance is released all the same.
        }
    }
    FServer.reset();
    platform::setScreenCursor(FCursor);
}

}  // namespace grid::io

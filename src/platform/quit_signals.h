#pragma once

namespace platform {

// Makes SIGTERM, SIGINT and SIGHUP end the application's event loop in the
// ordinary way (as closing the main window would), so that what is saved at
// exit is still saved. Call once, after the application object exists.
void quitOnTerminationSignals();

}  // namespace platform

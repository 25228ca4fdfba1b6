#pragma once

namespace platform {

// Makes SIGTERM, SIGINT and SIGHUP end the program in the ordinary way: every
// window is closed (as the user would close it, so that what is saved on
// closing is saved) and the event loop ends. Call once, after the
// application object exists.
void quitOnTerminationSignals();

}  // namespace platform

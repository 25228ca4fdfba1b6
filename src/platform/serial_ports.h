#pragma once

#include <QString>

namespace platform {

// Serial port numbers map onto Linux device files in one fixed way:
//   1 ..  64  ->  /dev/ttyS0   .. /dev/ttyS63
//  65 .. 160  ->  /dev/ttyUSB0 .. /dev/ttyUSB95
// 161 .. 256  ->  /dev/ttyACM0 .. /dev/ttyACM95
// Any other number has no device (empty path).
QString serialPortDevice(int portNumber);

// True when the port's device can be opened for reading and writing, or
// exists but is busy or not accessible to this user.
bool serialPortPresent(int portNumber);

}  // namespace platform

#pragma once

#include <QString>

namespace ethercat_mqtt {

// The gateway's 16 x 14 pixel icon as the ESI file carries it: a 24-bit BMP
// file written as upper-case hexadecimal text.
QString esiIconHex();

}  // namespace ethercat_mqtt

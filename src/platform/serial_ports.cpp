#include "platform/serial_ports.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <QFile>

namespace platform {

QString serialPortDevice(int portNumber)
{
    if (portNumber >= 1 && portNumber <= 64)
        return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
    if (portNumber >= 65 && portNumber <= 160)
        return QStringLiteral("/dev/ttyUSB%1").arg(portNumber - 65);
    if (portNumber >= 161 && portNumber <= 256)
        return QStringLiteral("/dev/ttyACM%1").arg(portNumber - 161);
    return {};
}

bool serialPortPresent(int portNumber)
{
    const QString device = serialPortDevice(portNumber);
    if (device.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(device);
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EACCES || errno == EBUSY;
}

}  // namespace platform

// An EtherNet/IP EDS file as the connection picker reads it: any bytes give
// a list of connections (never a crash or a hang); the file read from disk
// gives the same list as its text; the connections are numbered from 1 in
// order; and each one, written back as a one-line entry, reads back the same.

#include <vector>

#include "editors/ethernet/ethernet_ip/eds_connections.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/text_lines.h"

namespace {

QString hexByte(uint8_t value) { return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')); }

// The connection as one entry line with an 8-bit instance segment each way.
QString entryLine(const ethernet_ip::TConnData& c)
{
    const int parameters = c.DimHeaderOT << 8 | c.DimHeaderTO << 12;
    const QString path = QStringLiteral("20 04 24 %1 2C %2 24 %3 2C %4")
                             .arg(hexByte(c.InstanceOT), hexByte(c.ConnPointOT), hexByte(c.InstanceTO),
                                  hexByte(c.ConnPointTO));
    return QStringLiteral("Connection1 = 0x04010002,%1,,,,,,,,,,,%2,%3,\"%4\";")
        .arg(QString::number(parameters), c.ConnName, c.HelpStr, path);
}

}  // namespace

FUZZ_TARGET(eds_connections)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();
    const QStringList lines = platform::splitLines(platform::decodeExportedText(bytes));
    const std::vector<ethernet_ip::TConnData> found = ethernet_ip::readEdsConnections(lines);
    const std::vector<ethernet_ip::TConnData> fromFile =
        ethernet_ip::readEdsFile(fuzz::scratchFile(QStringLiteral("device.eds"), bytes));
    FUZZ_CHECK(fromFile == found);
    FUZZ_CHECK(found.size() <= size_t(lines.size()));

    for (size_t i = 0; i < found.size(); ++i) {
        ethernet_ip::TConnData c = found[i];
        FUZZ_CHECK(c.ConnIndex == int32_t(i) + 1);
        FUZZ_CHECK(c.DimHeaderOT <= 7 && c.DimHeaderTO <= 7);
        FUZZ_CHECK(ethernet_ip::connectionCells(c, c.ConnIndex).size() == 9);
        const std::vector<ethernet_ip::TConnData> again =
            ethernet_ip::readEdsConnections({QStringLiteral("[Connection Manager]"), entryLine(c)});
        c.ConnIndex = 1;
        FUZZ_CHECK(again.size() == 1 && again[0] == c);
    }

    // The whole text as one path: the store keeps at most its size.
    const std::vector<uint8_t> path = ethernet_ip::decodePathBytes(lines.join(u' '));
    FUZZ_CHECK(path.size() <= size_t(ethernet_ip::kEdsPathCapacity));
    ethernet_ip::recognisePath(path);
}

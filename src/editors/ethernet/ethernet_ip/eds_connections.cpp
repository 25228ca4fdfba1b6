#include "editors/ethernet/ethernet_ip/eds_connections.h"


#include "platform/strings.h"
#include "platform/text_lines.h"

namespace ethernet_ip {
namespace {

const QString kSectionName = QStringLiteral("[Connection Manager]");
const QString kEntryWord = QStringLiteral("Connection");

// Fields of the connection parameters word, the connection name and the
// help string follow the trigger; between them lie the two RPI / size /
// format triples and the two configuration size / format pairs.
constexpr int kFieldsAfterParameters = 11;

constexpr uint8_t kClassSegment = 0x20;
constexpr uint8_t kInstance8 = 0x24;
constexpr uint8_t kInstance16 = 0x25;
constexpr uint8_t kInstance32 = 0x26;
constexpr uint8_t kConnectionPoint8 = 0x2C;
constexpr size_t kShortestPath = 6;

// The text before the first comma, trimmed; empty when there is none.
QString cutField(const QString& text)
{
    const qsizetype comma = text.indexOf(u',');
    return comma < 0 ? QString() : platform::trimBlanks(text.left(comma));
}

// The text after the first comma, trimmed; the text as it is when there is
// no comma.
QString dropField(const QString& text)
{
    const qsizetype comma = text.indexOf(u',');
    return comma < 0 ? text : platform::trimBlanks(text.mid(comma + 1));
}

// The path field: up to the ";" that ends the entry. When a comma comes
// first and a ";" follows it, the path ends at that comma (fields after the
// path are not read).
QString pathField(const QString& rest)
{
    const qsizetype comma = rest.indexOf(u',');
    if (comma >= 0 && rest.indexOf(u';', comma + 1) >= 0)
        return platform::trimBlanks(rest.left(comma));
    const qsizetype end = rest.indexOf(u';');
    return end < 0 ? QString() : platform::trimBlanks(rest.left(end));
}

// The first position from `from` on holding one of the two bytes; -1 when
// none does.
qsizetype findByte(const std::vector<uint8_t>& bytes, size_t from, uint8_t a, uint8_t b)
{
    for (size_t i = from; i < bytes.size(); ++i)
        if (bytes[i] == a || bytes[i] == b)
            return qsizetype(i);
    return -1;
}

// The byte after a segment found at `at`, when the path holds one.
std::optional<uint8_t> valueAfter(const std::vector<uint8_t>& bytes, qsizetype at)
{
    if (at < 0 || size_t(at) + 1 >= bytes.size())
        return std::nullopt;
    return bytes[size_t(at) + 1];
}

// An EDS line without its comment ("$" to the end), trimmed.
QString withoutComment(const QString& line)
{
    const QString trimmed = platform::trimBlanks(line);
    const qsizetype comment = trimmed.indexOf(u'$');
    return comment < 0 ? trimmed : platform::trimBlanks(trimmed.left(comment));
}

}  // namespace

std::vector<uint8_t> decodePathBytes(const QString& pathText)
{
    std::vector<uint8_t> bytes;
    qsizetype start = 0;
    while (start <= pathText.size() && bytes.size() < size_t(kEdsPathCapacity)) {
        qsizetype end = pathText.indexOf(u' ', start);
        if (end < 0)
            end = pathText.size();
        const QString token = platform::trimBlanks(pathText.mid(start, end - start));
        const std::optional<int32_t> value = platform::parseInt(QStringLiteral("0x") + token);
        if (value && *value >= 0 && *value <= 0xFF)
            bytes.push_back(uint8_t(*value));
        start = end + 1;
    }
    return bytes;
}

std::optional<ConnectionPath> recognisePath(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() < kShortestPath || bytes[0] != kClassSegment)
        return std::nullopt;
    uint32_t instance = 1;
    size_t last = 1;  // the last byte of the instance segment
    switch (bytes[2]) {
    case kInstance8:
        instance = bytes[3];
        last = 3;
        break;
    case kInstance16:
        instance = bytes[4] | uint32_t(bytes[5]) << 8;
        last = 5;
        break;
    case kInstance32:
        if (bytes.size() < 8)
            return std::nullopt;
        instance = bytes[4] | uint32_t(bytes[5]) << 8 | uint32_t(bytes[6]) << 16 | uint32_t(bytes[7]) << 24;
        last = 7;
        break;
    default:
        break;
    }
    ConnectionPath path;
    path.InstanceOT = path.InstanceTO = uint8_t(instance & 0xFF);

    const qsizetype pointOT = findByte(bytes, last + 1, kConnectionPoint8, kConnectionPoint8);
    const std::optional<uint8_t> valueOT = valueAfter(bytes, pointOT);
    if (!valueOT)
        return std::nullopt;
    path.ConnPointOT = *valueOT;

    const qsizetype next = findByte(bytes, size_t(pointOT) + 2, kInstance8, kConnectionPoint8);
    const std::optional<uint8_t> nextValue = valueAfter(bytes, next);
    if (!nextValue)
        return std::nullopt;
    if (bytes[size_t(next)] == kConnectionPoint8) {
        path.ConnPointTO = *nextValue;
        return path;
    }
    path.InstanceTO = *nextValue;
    const std::optional<uint8_t> valueTO =
        valueAfter(bytes, findByte(bytes, size_t(next) + 2, kConnectionPoint8, kConnectionPoint8));
    if (!valueTO)
        return std::nullopt;
    path.ConnPointTO = *valueTO;
    return path;
}

QString DecodeConnStr(const QString& entry, std::vector<TConnData>& list)
{
    QString rest = dropField(entry);  // trigger and transport
    const int32_t parameters = platform::parseIntOr(cutField(rest), -1);
    for (int i = 0; i < kFieldsAfterParameters; ++i)
        rest = dropField(rest);
    TConnData connection;
    connection.ConnName = cutField(rest);
    rest = dropField(rest);
    connection.HelpStr = cutField(rest);
    rest = dropField(rest);
    const QString pathText = platform::trimBlanks(pathField(rest).remove(u'"'));
    const std::optional<ConnectionPath> path = recognisePath(decodePathBytes(pathText));
    if (!path)
        return QString();
    connection.ConnIndex = int32_t(list.size()) + 1;
    connection.DimHeaderOT = uint8_t((uint32_t(parameters) >> 8) & 7);
    connection.DimHeaderTO = uint8_t((uint32_t(parameters) >> 12) & 7);
    connection.InstanceOT = path->InstanceOT;
    connection.ConnPointOT = path->ConnPointOT;
    connection.InstanceTO = path->InstanceTO;
    connection.ConnPointTO = path->ConnPointTO;
    list.push_back(std::move(connection));
    return QString();
}

std::vector<TConnData> readEdsConnections(const QStringList& lines)
{
    std::vector<TConnData> connections;
    bool inSection = false;
    QString gathered;
    const auto decodeGathered = [&] {
        if (!gathered.isEmpty())
            gathered = DecodeConnStr(gathered, connections);
    };
    for (const QString& raw : lines) {
        const QString line = withoutComment(raw);
        if (line.isEmpty())
            continue;
        if (!inSection) {
            inSection = line.contains(kSectionName);
            continue;
        }
        if (line.startsWith(u'[')) {
            inSection = false;
            decodeGathered();
        } else if (line.contains(kEntryWord)) {
            decodeGathered();
            const qsizetype equals = line.indexOf(u'=');
            gathered = equals < 0 ? line : platform::trimBlanks(line.mid(equals + 1));
        } else {
            gathered += line;
        }
    }
    decodeGathered();
    return connections;
}

std::vector<TConnData> readEdsFile(const QString& path)
{
    const std::optional<QStringList> lines = platform::readExportedTextLines(path);
    return lines ? readEdsConnections(*lines) : std::vector<TConnData>{};
}

QStringList connectionCells(const TConnData& connection, int number)
{
    const auto header = [](uint8_t format, uint8_t standard) {
        return format == standard ? QStringLiteral("Default") : QString::number(format);
    };
    return {QStringLiteral("Connection") + QString::number(number),
            connection.ConnName,
            connection.HelpStr,
            QString::number(connection.InstanceOT),
            QString::number(connection.ConnPointOT),
            QString::number(connection.InstanceTO),
            QString::number(connection.ConnPointTO),
            header(connection.DimHeaderOT, 4),
            header(connection.DimHeaderTO, 0)};
}

}  // namespace ethernet_ip

#pragma once

// The connections of an EtherNet/IP device description (EDS) file: the
// entries of its [Connection Manager] section whose path the scanner
// understands (a class segment, an optional instance segment and 8-bit
// connection points), decoded without a window. The reader is a line state
// machine over the file's text; it never fails, it only finds fewer
// connections.

#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ethernet_ip {

// Room of a connection's byte path: bytes beyond it are not kept.
constexpr int kEdsPathCapacity = 1001;

// One connection the picker lists.
struct TConnData {
    int32_t ConnIndex = 0;  // 1-based, in decoding order
    QString ConnName;       // trimmed, double quotes kept
    QString HelpStr;        // trimmed, double quotes kept
    uint8_t DimHeaderTO = 0;  // bits 12..14 of the connection parameters
    uint8_t DimHeaderOT = 0;  // bits 8..10 of the connection parameters
    uint8_t NumClass = 4;
    uint8_t InstanceTO = 0;
    uint8_t ConnPointTO = 0;
    uint8_t InstanceOT = 0;
    uint8_t ConnPointOT = 0;
    bool operator==(const TConnData&) const = default;
};

// The instances and connection points a byte path gives.
struct ConnectionPath {
    uint8_t InstanceOT = 0;
    uint8_t ConnPointOT = 0;
    uint8_t InstanceTO = 0;
    uint8_t ConnPointTO = 0;
    bool operator==(const ConnectionPath&) const = default;
};

// The path text of an entry ("20 04 24 01 2C 65 2C 64") as bytes: tokens
// between blanks read as hexadecimal bytes; a token that is no byte 00..FF
// is skipped. At most kEdsPathCapacity bytes are kept.
std::vector<uint8_t> decodePathBytes(const QString& pathText);

// Recognises a byte path: class segment 0x20 first, at least six bytes, an
// optional 8-, 16- or 32-bit instance segment, then the O > T connection
// point (0x2C) and the T > O connection point, optionally after a T > O
// instance (0x24). Nothing when the path is not understood or would need a
// byte beyond its end.
std::optional<ConnectionPath> recognisePath(const std::vector<uint8_t>& bytes);

// Decodes the text of one connection entry (its fields after "ConnectionN =",
// joined) and appends it to `list` when its path is recognised. The result
// is always empty: the reader clears its gathered entry with it.
QString DecodeConnStr(const QString& entry, std::vector<TConnData>& list);

// The connections of an EDS file's lines, in file order.
std::vector<TConnData> readEdsConnections(const QStringList& lines);


// The connections of the EDS file at `path`; none when the file is missing
// or cannot be read.
std::vector<TConnData> readEdsFile(const QString& path);

// The picker's row of connection `number` (from 1): "Connection" + number,
// name, help string, Instance O > T, Conn. Point O > T, Instance T > O,
// Conn. Point T > O, Dim Header O > T ("Default" for 4), Dim Header T > O
// ("Default" for 0).
QStringList connectionCells(const TConnData& connection, int number);

}  // namespace ethernet_ip

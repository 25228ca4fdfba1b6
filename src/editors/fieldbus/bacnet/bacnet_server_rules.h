#pragma once

// The checks of the BACnet server object editor, without a window: the
// object kinds of its two tables with their lengths, the length a write
// object's kind presets, and the row limit.

#include <optional>

#include <QString>
#include <QStringList>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/fieldbus/bacnet/bacnet_server_file.h"

namespace bacnet {

namespace server_texts {
constexpr int ErrorRow = 2232;        // "Error row "
constexpr int TooManyObjects = 2259;  // ... + the limit, without a row
constexpr int DeleteQuestion = 2260;

// The texts of one table's checks that every kind shares.
struct TableTexts {
    int engUnit;
    int position;  // ... + the last position
    int startBit;
    int lastByte;
};
constexpr TableTexts Read = {2233, 2234, 2245, 2246};
constexpr TableTexts Write = {2247, 2248, 2257, 2258};
}  // namespace server_texts

// The server's two tables: objects clients read, objects clients write.
enum ServerTable { InRead = 0, InWrite = 1 };

// The size of both of the gateway's data arrays the objects lie in.
constexpr int kServerDataArrayBytes = 1500;

// How many objects both tables together may hold: 1000 with long object
// names (ParGen.xml's BACnet_Desc_Chars_Limit "1"), else 2000.
int serverObjectLimit(bool longNames);

// The object kinds a table offers in its Data Type column, in list order.
QStringList serverObjectKinds(ServerTable table);

// The Length a kind chosen in the write table presets (compared
// upper-cased); nothing for a kind without a preset.
std::optional<QString> writeLengthPreset(const QString& kind);

struct ServerLimits {
    int NByte_IN = kServerDataArrayBytes;
    int NByte_OUT = kServerDataArrayBytes;
    int maxObjects = 2000;
};

// Controllo_dati over the rows OK would save, the read table then the write
// table; per row: Eng. Unit 0 .. 65535, Position inside its data array (the
// message ends with the last position), then by the Data Type as written: a
// Start Bit for the binary kinds, else a Length in the kind's range (a kind
// without one has no length test), and the object's last byte inside the
// array. Then the objects of both tables together against the limit.
std::optional<rule_editor::RuleFailure> checkBACnetServerObjects(const BACnetServerFile& objects,
                                                                 const ServerLimits& limits);

}  // namespace bacnet

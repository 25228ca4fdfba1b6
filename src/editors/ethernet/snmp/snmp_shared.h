#pragma once

// What both SNMP editors share: their files' version comment and their
// drop-down items.

#include <QString>
#include <QStringList>

namespace snmp {

// The version comment of the SNMP project files.
inline const QString kSNMPFileVersion = QStringLiteral("SW_VERSION = 1.000");

// Entries of the Position lists: the bytes of the gateway's data arrays.
constexpr int kPositionEntries = 1440;

// "0" .. count - 1.
QStringList numberItems(int count);

// The preset community names; any other may be typed.
QStringList communityNames();

}  // namespace snmp

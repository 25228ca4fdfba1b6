#pragma once

// What the IEC 61850 client and server editors share.

#include <QChar>
#include <QString>

namespace iec61850 {

// Size of the gateway's internal data array the server variables lie in.
constexpr int kServerDataBytes = 1438;

// A multiplication factor cell: "None" (trimmed, in any case) or a decimal
// number, written with a comma or a point, read with the system's decimal
// separator `separator`.
bool multiplicationFactorValid(const QString& text, QChar separator);

}  // namespace iec61850

#pragma once

// Numbers in the cells of the CAN and CANopen rule tables: read with the
// shared integer reader, a text that is no whole number counting as -1, so
// that it fails every range from 0 on.

#include <QString>

#include "platform/strings.h"

namespace fieldbus_cells {

inline qint32 cellNumber(const QString& text) { return platform::parseIntOr(text, -1); }

inline bool cellInRange(const QString& text, qint32 low, qint32 high)
{
    const qint32 value = cellNumber(text);
    return value >= low && value <= high;
}

}  // namespace fieldbus_cells

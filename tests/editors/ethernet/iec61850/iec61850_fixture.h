#pragma once

// What the IEC 61850 tests share: the fixture files and the SCL model as
// indented lines, one per object, to compare with trees worked out by hand.

#include <QString>
#include <QStringList>

#include "editors/ethernet/iec61850/scl_model.h"

namespace iec61850_testing {

inline QString fixture(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/ethernet/iec61850/") + name;
}

inline void attributeLines(const iec61850::TIEC_DA& da, int depth, QStringList& lines)
{
    lines << QString(depth * 2, u' ') + QStringLiteral("DA %1 %2 %3 %4").arg(da.fName, da.fbType, da.fFC, da.fReference);
    for (const auto& sub : da.List_DA)
        attributeLines(*sub, depth + 1, lines);
}

inline void objectLines(const iec61850::TIEC_DO& object, int depth, QStringList& lines)
{
    lines << QString(depth * 2, u' ') + QStringLiteral("DO ") + object.fName;
    for (const auto& sub : object.List_DO)
        objectLines(*sub, depth + 1, lines);
    for (const auto& da : object.List_DA)
        attributeLines(*da, depth + 1, lines);
}

// "LD inst", "  LN name type lnType", then the data objects, attributes
// ("DA name bType fc reference") and data sets ("DS name reference
// goose=name" with a line "member reference" per member), two blanks deeper
// per level.
inline QStringList modelTree(const iec61850::TIEC_Device& device)
{
    QStringList lines;
    for (const auto& ld : device.List_LDevice) {
        lines << QStringLiteral("LD ") + ld->fName;
        for (const auto& ln : ld->List_LN) {
            lines << QStringLiteral("  LN %1 type %2").arg(ln->nodeName(), ln->flnType);
            for (const auto& object : ln->List_DO)
                objectLines(*object, 2, lines);
            for (const auto& set : ln->List_DataSet) {
                lines << QStringLiteral("    DS %1 %2 goose=%3").arg(set->fName, set->fReference, set->fGooseName);
                for (const iec61850::TIEC_DA* member : set->List_DA)
                    lines << QStringLiteral("      member ") + member->fReference;
            }
        }
    }
    return lines;
}

}  // namespace iec61850_testing

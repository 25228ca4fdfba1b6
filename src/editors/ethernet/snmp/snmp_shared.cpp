#include "editors/ethernet/snmp/snmp_shared.h"

namespace snmp {

QStringList numberItems(int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items << QString::number(i);
    return items;
}

QStringList communityNames() { return {QStringLiteral("Pumeld"), QStringLiteral("Vorstik")}; }

}  // namespace snmp

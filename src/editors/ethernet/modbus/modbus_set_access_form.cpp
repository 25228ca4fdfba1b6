#include "editors/ethernet/modbus/modbus_set_access_form.h"

namespace ethernet_editors {
namespace {

ModbusFormTexts serialTexts()
{
    return {QStringLiteral("FSetAccess"),
            1700,
            1708,
            1768,
            1788,
            QSize(1040, 337),
            {1714,
             {1716, 1717, 1718, 1719, 1720, 1721, 1722, 1723, 1724, 1725, 1726, 1790, 1742, 1727},
             {1743, 1744, 1745, 1746, 1747, 1748, 1749, 1750, 1751, 1752, 1792, 1753, 1754}},
            {1715,
             {1728, 1729, 1730, 1731, 1732, 1733, 1734, 1735, 1736, 1737, 1738, 1739, 1740, 1791, 1741},
             {1755, 1756, 1757, 1758, 1759, 1760, 1761, 1762, 1763, 1764, 1765, 1766, 1793, 1767}}};
}

}  // namespace

TFSetAccess::TFSetAccess(QWidget* parent) : TModbusMasterForm(ModbusMaster::Serial, serialTexts(), parent) {}

}  // namespace ethernet_editors

#include "editors/ethernet/modbus/modbus_tcp_master_form.h"

#include "controls/button/lb_button.h"

namespace ethernet_editors {
namespace {

ModbusFormTexts tcpTexts()
{
    return {QStringLiteral("FModbus_TCP_Master_Set_Access"),
            1800,
            1863,
            1838,
            1861,
            QSize(1150, 337),
            {1806,
             {1808, 1809, 1810, 1811, 1812, 1813, 1814, 1815, 1816, 1817, 1818, 1819, 1820, 1900, 1862, 1821},
             {1869, 1870, 1871, 1872, 1873, 1874, 1875, 1876, 1877, 1878, 1879, 1880, 1902, 1881, 1882}},
            {1807,
             {1822, 1823, 1824, 1825, 1826, 1827, 1828, 1829, 1830, 1831, 1832, 1833, 1834, 1835, 1836, 1901, 1837},
             {1883, 1884, 1885, 1886, 1887, 1888, 1889, 1890, 1891, 1892, 1893, 1894, 1895, 1896, 1903, 1897}}};
}

}  // namespace

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(QWidget* parent)
    : TModbusMasterForm(ModbusMaster::Tcp, tcpTexts(), parent)
{
    TFModbus_TCP_Master_Set_Access::Set_Lang();
}

void TFModbus_TCP_Master_Set_Access::Set_Lang()
{
    TModbusMasterForm::Set_Lang();
    Btn_CopyRow->SetCaption(QStringLiteral("Copy Row"));
    Btn_PasteRow->SetCaption(QStringLiteral("Paste Row"));
}

}  // namespace ethernet_editors

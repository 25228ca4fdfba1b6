// Every shown column of the Modbus, S7, EtherNet/IP scanner and SNMP editors
// shows its header whole: "Num" alone says neither "Num Input" nor
// "Num Output".

#include "editors/ethercat_mqtt/ethercat_editor_fixture.h"
#include "editors/ethernet/ethernet_ip/scanner_form.h"
#include "editors/ethernet/modbus/modbus_set_access_form.h"
#include "editors/ethernet/modbus/modbus_tcp_master_form.h"
#include "editors/ethernet/s7/s7_protocol_form.h"
#include "editors/ethernet/snmp/snmp_manager_form.h"
#include "editors/ethernet/snmp/snmp_trap_form.h"
#include "support/header_widths.h"

namespace ethernet_header_widths_tests {

using HeaderWidthsTest = ethercat_editor_testing::EditorTest;
using testing_support::expectWholeHeaders;

TEST_F(HeaderWidthsTest, EveryHeaderIsShownWhole)
{
    ethernet_editors::TFSetAccess modbus;
    expectWholeHeaders(modbus);
    ethernet_editors::TFModbus_TCP_Master_Set_Access modbusTcp;
    expectWholeHeaders(modbusTcp);
    ethernet_editors::TFS7_Protocol_Set_Access s7;
    expectWholeHeaders(s7);
    ethernet_ip::TFEtherNetIP_Master_Access scanner;
    expectWholeHeaders(scanner);
    snmp::TFSNMPManagerAccess manager;
    expectWholeHeaders(manager);
    snmp::TFSNMP_Trap_Access agent;
    expectWholeHeaders(agent);
}

}  // namespace ethernet_header_widths_tests

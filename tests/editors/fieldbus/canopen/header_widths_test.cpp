// Every column of the CAN and CANopen editors shows its header whole, in
// the header font the grid draws with (bold), with a margin on both sides.

#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/can/can_frame_forms.h"
#include "editors/fieldbus/canopen/canopen_forms.h"
#include "support/header_widths.h"

namespace header_widths_tests {

using HeaderWidthsTest = can_testing::CANEditorTest;
using testing_support::expectWholeHeaders;

TEST_F(HeaderWidthsTest, EveryHeaderIsShownWhole)
{
    can_editors::TFReceiveCAN receive;
    expectWholeHeaders(receive);
    can_editors::TFTransmitCAN transmit;
    expectWholeHeaders(transmit);
    canopen::TFSet_PDO_Access pdo;
    expectWholeHeaders(pdo);
    canopen::TFSet_SDO_Client_Access client;
    expectWholeHeaders(client);
    canopen::TFSet_SDO_Server_Access server;
    expectWholeHeaders(server);
}

}  // namespace header_widths_tests

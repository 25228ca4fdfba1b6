// Every column of the CAN and CANopen editors shows its header whole, in
// the header font the grid draws with (bold), with a margin on both sides.

#include <QFontMetrics>

#include "controls/grid/base/base_grid.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/can/can_frame_forms.h"
#include "editors/fieldbus/canopen/canopen_forms.h"

namespace header_widths_tests {

class HeaderWidthsTest : public can_testing::CANEditorTest {
protected:
    static void expectWholeHeaders(rule_editor::TRuleEditorForm& form)
    {
        for (int t = 0; t < form.tableCount(); ++t) {
            grid::TExColumnGrid& g = *form.table(t).columnGrid();
            for (int c = 0; c < g.ColCount(); ++c) {
                const QFontMetrics metrics(grid::ToCanvasFont(g.Columns()[c]->HeaderFont()));
                const QString header = g.GetCellEx(c, 0);
                EXPECT_LE(metrics.horizontalAdvance(header) + 8, g.ColWidths(c))
                    << form.objectName().toStdString() << " table " << t << " column " << c << " \""
                    << header.toStdString() << "\"";
            }
        }
    }
};

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

#include "editors/fieldbus/can/can_frame_forms.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"

namespace can_editors {
namespace can_forms_detail {

using rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;

// Column widths and client sizes leave room for every bold header whole.
rule_editor::RuleTableLayout frameTable(const char* gridName, std::vector<RuleColumn> columns)
{
    return {QString::fromLatin1(gridName), QString(), -1, rule_editor::GridKind::ColumnGrid,
            CANFrameForm<CANReceiveKind>::kRules, std::move(columns), 2};
}

// Columns 0 .. 14 as the file's attributes, behind the row number; the
// hint of column c is text 2428 + c.
rule_editor::RuleEditorLayout receiveLayout()
{
    std::vector<RuleColumn> columns = {
        {2408, 40, ColumnKind::RowNumber},
        {2409, 50, ColumnKind::CheckBox, colors::CheckBox, 2429},
        {2410, 90, ColumnKind::Text, colors::Key, 2430},
        typeColumn(2411, 2431),
        {2412, 76, ColumnKind::Text, colors::Key, 2432},
        {2413, 75, ColumnKind::Text, colors::Size, 2433},
    };
    const std::vector<RuleColumn> bytes = byteColumns(2414, 2434, CANReceiveKind::kArrayBytes);
    columns.insert(columns.end(), bytes.begin(), bytes.end());
    columns.push_back({2422, 185, ColumnKind::Text, clWindow, 2442});
    return {QStringLiteral("FReceiveCAN"), 2400, 2423, 2444, 2458, QSize(1030, 337),
            {frameTable("ECG_CAN_Receive", std::move(columns))}};
}

// Columns 0 .. 17 as the file's attributes, behind the row number; OnCMD
// (column 6) has its header and hint at the end of the block.
rule_editor::RuleEditorLayout transmitLayout()
{
    std::vector<RuleColumn> columns = {
        {2508, 40, ColumnKind::RowNumber},
        {2509, 50, ColumnKind::CheckBox, colors::CheckBox, 2531},
        {2510, 90, ColumnKind::Text, colors::Key, 2532},
        typeColumn(2511, 2533),
        {2512, 76, ColumnKind::Text, colors::Key, 2534},
        {2513, 74, ColumnKind::CheckBox, colors::Size, 2535},
        {2562, 56, ColumnKind::CheckBox, colors::Size, 2563},
        {2514, 64, ColumnKind::CheckBox, colors::Size, 2536},
        {2515, 70, ColumnKind::Text, colors::Size, 2537},
    };
    const std::vector<RuleColumn> bytes = byteColumns(2516, 2538, CANTransmitKind::kArrayBytes);
    columns.insert(columns.end(), bytes.begin(), bytes.end());
    columns.push_back({2524, 110, ColumnKind::Text, clWindow, 2546});
    return {QStringLiteral("FTransmitCAN"), 2500, 2525, 2547, 2561, QSize(1130, 337),
            {frameTable("ECG_CAN_Transmit", std::move(columns))}};
}

}  // namespace can_forms_detail

using namespace can_forms_detail;

QString CANReceiveKind::path() { return app::appState().CAN_Rec_Frames_Path; }
QString CANTransmitKind::path() { return app::appState().CAN_Send_Frames_Path; }

TFReceiveCAN::TFReceiveCAN(QWidget* parent) : CANFrameForm(receiveLayout(), parent)
{
    ECG_CAN_Receive = table(0).columnGrid();
}

TFReceiveCAN::~TFReceiveCAN() = default;

TFTransmitCAN::TFTransmitCAN(QWidget* parent) : CANFrameForm(transmitLayout(), parent)
{
    ECG_CAN_Transmit = table(0).columnGrid();
}

TFTransmitCAN::~TFTransmitCAN() = default;

}  // namespace can_editors

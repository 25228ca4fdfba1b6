#include "editors/fieldbus/canopen/canopen_forms.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"

namespace canopen {
namespace forms_detail {

using rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;

// Column widths and client sizes leave room for every bold header whole.
RuleColumn rowNumber(int headerId) { return {headerId, 40, ColumnKind::RowNumber}; }

RuleColumn text(int headerId, int width, TColor color, int hintId)
{
    return {headerId, width, ColumnKind::Text, color, hintId};
}

RuleColumn checkBox(int headerId, int width, int hintId)
{
    return {headerId, width, ColumnKind::CheckBox, colors::Size, hintId};
}

// `count` address columns with consecutive header and hint ids.
void addAddresses(std::vector<RuleColumn>& columns, int count, int firstHeaderId, int width, int firstHintId)
{
    for (int k = 0; k < count; ++k)
        columns.push_back(text(firstHeaderId + k, width, colors::Position, firstHintId + k));
}

rule_editor::RuleTableLayout page(const char* grid, const char* sheet, int captionId, int rows,
                                  std::vector<RuleColumn> columns)
{
    return {QString::fromLatin1(grid), QString::fromLatin1(sheet), captionId, rule_editor::GridKind::ColumnGrid,
            rows, std::move(columns), 1};
}

rule_editor::RuleEditorLayout pdoLayout()
{
    std::vector<RuleColumn> receive = {rowNumber(2616), text(2617, 65, colors::Key, 2643),
                                       text(2618, 76, colors::Key, 2644)};
    addAddresses(receive, 8, 2619, 54, 2645);
    receive.insert(receive.end(), {text(2627, 65, colors::Size, 2653), text(2628, 173, colors::Description, 2654)});

    std::vector<RuleColumn> transmit = {rowNumber(2629), text(2630, 65, colors::Key, 2655),
                                        text(2631, 76, colors::Key, 2656)};
    addAddresses(transmit, 8, 2632, 54, 2657);
    transmit.insert(transmit.end(), {text(2640, 76, colors::Size, 2665), checkBox(2641, 78, 2666),
                                     text(2642, 105, colors::Description, 2667)});
    constexpr int rows = TFSet_PDO_Access::kRules;
    return {QStringLiteral("FSet_PDO_Access"),
            2600,
            2608,
            2668,
            2691,
            QSize(900, 337),
            {page("sga", "TS_Receive_PDO", 2614, rows, std::move(receive)),
             page("sgb", "TS_Transmit_PDO", 2615, rows, std::move(transmit))}};
}

// The columns both SDO client tables begin with: ID Device, Index,
// SubIndex, N Byte, Poll Time.
std::vector<RuleColumn> requestColumns(int firstHeaderId, int firstHintId)
{
    const int h = firstHeaderId;
    const int i = firstHintId;
    return {rowNumber(h),
            text(h + 1, 70, colors::Key, i),
            text(h + 2, 55, colors::Key, i + 1),
            text(h + 3, 68, colors::Key, i + 2),
            text(h + 4, 52, colors::Key, i + 3),
            text(h + 5, 68, colors::Size, i + 4)};
}

rule_editor::RuleEditorLayout sdoClientLayout()
{
    std::vector<RuleColumn> read = requestColumns(2716, 2739);
    addAddresses(read, 4, 2722, 74, 2744);
    read.insert(read.end(), {text(2780, 65, colors::Group, 2781), text(2726, 163, colors::Description, 2748)});

    std::vector<RuleColumn> write = requestColumns(2727, 2749);
    write.push_back(checkBox(2733, 78, 2754));
    addAddresses(write, 4, 2734, 74, 2755);
    write.push_back(text(2738, 160, colors::Description, 2759));
    constexpr int rows = TFSet_SDO_Client_Access::kRules;
    return {QStringLiteral("FSet_SDO_Client_Access"),
            2700,
            2708,
            2760,
            2779,
            QSize(910, 337),
            {page("sga", "TS_SDO_Read", 2714, rows, std::move(read)),
             page("sgb", "TS_SDO_Write", 2715, rows, std::move(write))}};
}

// Both SDO server tables: Index, SubIndex, N Byte, Add Byte1 .. 4, Mnemonic.
std::vector<RuleColumn> objectColumns(int firstHeaderId, int firstHintId)
{
    const int h = firstHeaderId;
    const int i = firstHintId;
    std::vector<RuleColumn> columns = {rowNumber(h), text(h + 1, 65, colors::Key, i),
                                       text(h + 2, 68, colors::Key, i + 1), text(h + 3, 55, colors::Key, i + 2)};
    addAddresses(columns, 4, h + 4, 80, i + 3);
    columns.push_back(text(h + 8, 170, colors::Description, i + 7));
    return columns;
}

rule_editor::RuleEditorLayout sdoServerLayout()
{
    constexpr int rows = TFSet_SDO_Server_Access::kRules;
    return {QStringLiteral("FSet_SDO_Server_Access"),
            2800,
            2808,
            2850,
            2865,
            QSize(749, 337),
            {page("sga", "TS_SDO_Read", 2814, rows, objectColumns(2816, 2834)),
             page("sgb", "TS_SDO_Write", 2815, rows, objectColumns(2825, 2842))}};
}

}  // namespace forms_detail

using namespace forms_detail;

QString PDOKind::path() { return app::appState().PDO_CANopen_Path; }
QString SDOClientKind::path() { return app::appState().SDO_Client_CANopen_Path; }
QString SDOServerKind::path() { return app::appState().SDO_Server_CANopen_Path; }

TFSet_PDO_Access::TFSet_PDO_Access(QWidget* parent) : CANopenForm(pdoLayout(), parent)
{
    sga = table(Receive).columnGrid();
    sgb = table(Transmit).columnGrid();
}

TFSet_PDO_Access::~TFSet_PDO_Access() = default;

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(QWidget* parent) : CANopenForm(sdoClientLayout(), parent)
{
    sga = table(Read).columnGrid();
    sgb = table(Write).columnGrid();
}

TFSet_SDO_Client_Access::~TFSet_SDO_Client_Access() = default;

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(QWidget* parent) : CANopenForm(sdoServerLayout(), parent)
{
    sga = table(Read).columnGrid();
    sgb = table(Write).columnGrid();
}

TFSet_SDO_Server_Access::~TFSet_SDO_Server_Access() = default;

}  // namespace canopen

#include "editors/ethernet/common/rule_columns.h"

#include <QtGlobal>

namespace ethernet_editors {

rule_editor::RuleColumn shapeColumn(rule_editor::ColumnKind kind, int width, TColor color, const QStringList& items,
                                    bool hidden)
{
    return {-1, width, kind, color, -1, items, hidden};
}

std::vector<rule_editor::RuleColumn> withTexts(std::vector<rule_editor::RuleColumn> shape,
                                               const std::vector<int>& headers, const std::vector<int>& hints)
{
    Q_ASSERT(headers.size() == shape.size() && hints.size() + 1 == shape.size());
    for (size_t c = 0; c < shape.size(); ++c) {
        shape[c].headerId = c < headers.size() ? headers[c] : -1;
        shape[c].hintId = c > 0 && c - 1 < hints.size() ? hints[c - 1] : -1;
    }
    return shape;
}

std::vector<rule_editor::RuleColumn> dataPlacementColumns(int arraySize)
{
    using rule_editor::ColumnKind;
    namespace colors = rule_editor::column_colors;
    return {shapeColumn(ColumnKind::Choice, 62, colors::Position, numberItems(arraySize)),
            shapeColumn(ColumnKind::Choice, 62, colors::Position, numberItems(8)),
            shapeColumn(ColumnKind::CheckBox, 44, colors::CheckBox),
            shapeColumn(ColumnKind::CheckBox, 80, colors::CheckBox)};
}

std::vector<rule_editor::RuleColumn> writeTriggerColumns()
{
    using rule_editor::ColumnKind;
    namespace colors = rule_editor::column_colors;
    return {shapeColumn(ColumnKind::CheckBox, 76, colors::CheckBox),
            shapeColumn(ColumnKind::CheckBox, 58, colors::CheckBox)};
}

QStringList numberItems(int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items << QString::number(i);
    return items;
}

}  // namespace ethernet_editors

#include "editors/fieldbus/can/can_frame_columns.h"

#include "editors/fieldbus/can/can_frame_file.h"

namespace can_editors {

namespace colors = rule_editor::column_colors;
using rule_editor::ColumnKind;
using rule_editor::RuleColumn;

namespace {
constexpr int kByteColumnWidth = 48;
constexpr int kTypeColumnWidth = 90;
}  // namespace

QStringList positionChoices(int arraySize)
{
    QStringList items;
    items.reserve(arraySize + 1);
    items << QStringLiteral("None");
    for (int i = 0; i < arraySize; ++i)
        items << QString::number(i);
    return items;
}

RuleColumn typeColumn(int headerId, int hintId)
{
    return {headerId, kTypeColumnWidth, ColumnKind::Choice, colors::Key, hintId, {kCAN20A, kCAN20B}};
}

std::vector<RuleColumn> byteColumns(int firstHeaderId, int firstHintId, int arraySize)
{
    const QStringList choices = positionChoices(arraySize);
    std::vector<RuleColumn> columns;
    for (int k = 0; k < 8; ++k)
        columns.push_back(
            {firstHeaderId + k, kByteColumnWidth, ColumnKind::Choice, colors::Position, firstHintId + k, choices});
    return columns;
}

void refillPositionChoices(rule_editor::RuleTable& table, int firstColumn, int arraySize)
{
    const QStringList choices = positionChoices(arraySize);
    for (int k = 0; k < 8; ++k)
        table.setChoiceItems(firstColumn + k, choices);
}

}  // namespace can_editors

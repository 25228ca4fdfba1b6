#include "editors/ethernet/common/rule_columns.h"

#include <QtGlobal>

namespace ethernet_editors {

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

QStringList numberItems(int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items << QString::number(i);
    return items;
}

}  // namespace ethernet_editors

#include "editors/ethernet/iec61850/server_variables_rules.h"

#include "editors/ethernet/iec61850/iec61850_shared.h"
#include "platform/strings.h"

namespace iec61850 {
namespace server_variables_rules_detail {

QString trimmed(const QString& text) { return platform::trimBlanks(text); }
int32_t number(const QString& text) { return platform::parseIntOr(text, -1); }

// The rule the row breaks, with the tail of its message.
std::optional<std::pair<int, QString>> variableRuleBroken(const IEC61850VariableRow& row, int dataBytes,
                                                          QChar separator)
{
    using namespace server_texts;
    const int32_t length = number(row.Length);
    if (length < 1 || length > 4)
        return std::pair{Length, QString()};
    const int32_t position = number(row.Position);
    if (position < 0 || position > dataBytes - 1)
        return std::pair{Position, QString::number(dataBytes - 1)};
    if (row.Type == QLatin1String("Digital (Bit)") && trimmed(row.StartBit).isEmpty())
        return std::pair{StartBit, QString()};
    if (trimmed(row.Conversion).isEmpty())
        return std::pair{Conversion, QString()};
    if (!multiplicationFactorValid(row.MultiplicationFactor, separator))
        return std::pair{Factor, QString()};
    return std::nullopt;
}

}  // namespace server_variables_rules_detail
using namespace server_variables_rules_detail;

std::optional<rule_editor::RuleFailure> checkIEC61850Variables(const std::vector<IEC61850VariableRow>& rows,
                                                              int dataBytes, QChar separator)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        if (trimmed(rows[i].Enable) != QLatin1String("Y"))
            continue;
        if (const auto broken = variableRuleBroken(rows[i], dataBytes, separator))
            return rule_editor::RuleFailure{0, int(i) + 1, broken->first, broken->second};
    }
    return std::nullopt;
}

}  // namespace iec61850

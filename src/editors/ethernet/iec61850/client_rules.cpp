#include "editors/ethernet/iec61850/client_rules.h"

#include "app/shared_checks.h"
#include "editors/ethernet/iec61850/client_access.h"
#include "editors/ethernet/iec61850/iec61850_shared.h"
#include "platform/strings.h"

namespace iec61850 {
namespace client_rules_detail {

QString trimmed(const QString& text) { return platform::trimBlanks(text); }
int32_t number(const QString& text) { return platform::parseIntOr(text, -1); }
bool within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// The byte range of a string type: start 0 .. capacity - 1, count 1 ..
// capacity, their sum at most the capacity; the texts of the three rules.
std::optional<int> byteRangeBroken(const ClientDaItem& row, int capacity, int firstText)
{
    const int32_t start = number(row.StartByte);
    const int32_t count = number(row.NumByte);
    if (!within(start, 0, capacity - 1))
        return firstText;
    if (!within(count, 1, capacity))
        return firstText + 1;
    if (start + count > capacity)
        return firstText + 2;
    return std::nullopt;
}

std::optional<std::pair<int, QString>> attributeRuleBroken(const ClientDaItem& row, QChar separator)
{
    using namespace client_texts;
    const QString type = row.bType.toUpper();
    std::optional<int> bytes;
    if (type == QLatin1String("VISSTRING255"))
        bytes = byteRangeBroken(row, 255, StartByteString);
    else if (type == QLatin1String("OCTET64"))
        bytes = byteRangeBroken(row, 64, StartByteOctets);
    if (bytes)
        return std::pair{*bytes, QString()};
    QString part1, part2, part3, part4;
    if (!app::Split_IP_Address(row.IPAddress, part1, part2, part3, part4))
        return std::pair{IPAddress, QString()};
    if (!within(number(row.Port), 0, 65535))
        return std::pair{Port, QString()};
    if (trimmed(row.OnTimer) == QLatin1String("Y") && !within(number(row.Time), 1, kMaxClientTime))
        return std::pair{Time, QString()};
    if (!within(number(row.Position), 0, kClientDataBytes - 1))
        return std::pair{Position, QString::number(kClientDataBytes - 1)};
    if (!multiplicationFactorValid(row.MoltFact, separator))
        return std::pair{Factor, QString()};
    return std::nullopt;
}

}  // namespace client_rules_detail

std::optional<rule_editor::RuleFailure> checkClientAttributes(const std::vector<ClientDaItem>& rows, QChar separator)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        if (platform::trimBlanks(rows[i].bType).isEmpty())
            continue;
        if (const auto broken = client_rules_detail::attributeRuleBroken(rows[i], separator))
            return rule_editor::RuleFailure{0, int(i) + 1, broken->first, broken->second};
    }
    return std::nullopt;
}

}  // namespace iec61850

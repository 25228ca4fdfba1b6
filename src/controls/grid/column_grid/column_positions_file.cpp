#include "controls/grid/column_grid/column_positions_file.h"

#include <QHash>

#include "platform/ini_file.h"
#include "platform/strings.h"

namespace grid {

namespace column_positions_detail {

const QString kPositionPrefix = QStringLiteral("CP");

bool isPositionKey(const QString& key) { return platform::IsNumberedKey(key, kPositionPrefix); }

}  // namespace column_positions_detail

std::optional<std::vector<int>> ReadColumnPositions(const QByteArray& file, const QString& section, int count)
{
    using namespace column_positions_detail;
    const platform::IniSection ini = platform::ReadIniSection(file, section);
    if (!ini.Exists() || count < 0)
        return std::nullopt;
    QHash<QString, QString> values;  // upper-cased key -> the first value
    for (const platform::IniValue& v : ini.Values())
        if (isPositionKey(v.Key) && !values.contains(v.Key.toUpper()))
            values.insert(v.Key.toUpper(), v.Value);
    if (values.size() < count)
        return std::nullopt;
    std::vector<int> positions;
    std::vector<bool> seen(size_t(count), false);
    for (int i = 0; i < count; ++i) {
        const auto text = values.constFind(QStringLiteral("CP%1").arg(i));
        const auto value = text != values.cend() ? platform::parseInt(*text) : std::nullopt;
        if (!value || *value < 0 || *value >= count || seen[size_t(*value)])
            return std::nullopt;
        seen[size_t(*value)] = true;
        positions.push_back(*value);
    }
    return positions;
}

QByteArray WriteColumnPositions(const QByteArray& file, const QString& section, const std::vector<int>& positions)
{
    using namespace column_positions_detail;
    std::vector<platform::IniValue> values;
    for (size_t i = 0; i < positions.size(); ++i)
        values.push_back({kPositionPrefix + QString::number(i), QString::number(positions[i])});
    return platform::WriteIniSection(file, section, values, isPositionKey);
}

}  // namespace grid

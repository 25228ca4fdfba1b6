#include "editors/fieldbus/bacnet/bacnet_server_rules.h"

#include <vector>

#include "platform/strings.h"

namespace bacnet {
namespace server_rules_detail {

using rule_editor::RuleFailure;

constexpr int kMaxEngUnit = 65535;
constexpr int kLongNamesLimit = 1000;
constexpr int kShortNamesLimit = 2000;

// An object kind of a table: a binary kind needs a Start Bit; another kind
// a Length in its range, unless it has none (textId -1).
struct ObjectKind {
    const char* name;
    bool binary;
    int minLength;
    int maxLength;
    int textId;
};

constexpr ObjectKind bit(const char* name) { return {name, true, 0, 0, -1}; }
constexpr ObjectKind bytes(const char* name, int low, int high, int text) { return {name, false, low, high, text}; }

const std::vector<ObjectKind>& kindsOf(ServerTable table)
{
    static const std::vector<ObjectKind> read = {
        bytes("Analog Input", 1, 4, 2235),
        bytes("Analog Value", 1, 4, 2238),
        bit("Binary Input"),
        bit("Binary Value"),
        bytes("Positive Integer Value", 1, 4, 2236),
        bytes("Large Analog Value", 1, 8, 2237),
        bytes("Integer Value", 0, 0, -1),
        bytes("Multi State Input", 1, 4, 2239),
        bytes("Multi State Value", 1, 4, 2240),
        bytes("Life Safety Point", 1, 2, 2241),
        bytes("Life Safety Zone", 1, 2, 2242),
        bytes("Access Door", 1, 1, 2243),
        bytes("Accumulator", 1, 4, 2244),
    };
    static const std::vector<ObjectKind> write = {
        bytes("Analog Out", 1, 4, 2249),
        bytes("Analog Value", 1, 4, 2250),
        bit("Binary Out"),
        bit("Binary Value"),
        bytes("Positive Integer Value", 1, 4, 2251),
        bytes("Large Analog Value", 1, 8, 2252),
        bytes("Integer Value", 1, 4, 2253),
        bytes("Multi State Output", 1, 4, 2254),
        bytes("Multi State Value", 1, 4, 2255),
        bytes("Access Door", 1, 1, 2256),
    };
    return table == InRead ? read : write;
}

const ObjectKind* findKind(ServerTable table, const QString& name)
{
    for (const ObjectKind& kind : kindsOf(table))
        if (name == QLatin1String(kind.name))
            return &kind;
    return nullptr;
}

bool serverInRange(qint64 value, qint64 low, qint64 high) { return value >= low && value <= high; }

std::optional<RuleFailure> objectFailure(ServerTable table, const BACnetServerObject& o, int row, int arraySize)
{
    const server_texts::TableTexts& t = table == InRead ? server_texts::Read : server_texts::Write;
    const auto broken = [&](int textId, const QString& tail = {}) { return RuleFailure{table, row, textId, tail}; };
    if (!serverInRange(platform::parseIntOr(o.Eng_Unit, -1), 0, kMaxEngUnit))
        return broken(t.engUnit);
    const qint32 position = platform::parseIntOr(o.Position, -1);
    if (!serverInRange(position, 0, arraySize - 1))
        return broken(t.position, QString::number(arraySize - 1));
    const ObjectKind* kind = findKind(table, o.Data_Type);
    qint64 lastByte = position;
    if (kind != nullptr && kind->binary) {
        if (platform::trimBlanks(o.Bit).isEmpty())
            return broken(t.startBit);
    } else {
        const qint32 length = platform::parseIntOr(o.Length, 0);
        if (kind != nullptr && kind->textId >= 0 && !serverInRange(length, kind->minLength, kind->maxLength))
            return broken(kind->textId);
        lastByte = qint64(position) + length - 1;
    }
    if (lastByte >= arraySize)
        return broken(t.lastByte);
    return std::nullopt;
}

}  // namespace server_rules_detail

using namespace server_rules_detail;

int serverObjectLimit(bool longNames) { return longNames ? kLongNamesLimit : kShortNamesLimit; }

QStringList serverObjectKinds(ServerTable table)
{
    QStringList names;
    for (const ObjectKind& kind : kindsOf(table))
        names << QString::fromLatin1(kind.name);
    return names;
}

std::optional<QString> writeLengthPreset(const QString& kind)
{
    static const std::vector<std::pair<const char*, const char*>> presets = {
        {"ANALOG OUT", "4"},    {"ANALOG VALUE", "4"},           {"BINARY OUT", "1"},
        {"BINARY VALUE", "1"},  {"POSITIVE INTEGER VALUE", "4"}, {"LARGE ANALOG VALUE", "8"},
        {"INTEGER VALUE", "4"}, {"MULTI STATE OUTPUT", "4"},     {"MULTI STATE VALUE", "4"},
        {"ACCESS DOOR", "1"},   {"OCTET STRING", "1"},
    };
    const QString name = kind.toUpper();
    for (const auto& [preset, length] : presets)
        if (name == QLatin1String(preset))
            return QString::fromLatin1(length);
    return std::nullopt;
}

std::optional<rule_editor::RuleFailure> checkBACnetServerObjects(const BACnetServerFile& objects,
                                                                 const ServerLimits& limits)
{
    for (size_t i = 0; i < objects.Read.size(); ++i)
        if (auto broken = objectFailure(InRead, objects.Read[i], int(i) + 1, limits.NByte_IN))
            return broken;
    for (size_t i = 0; i < objects.Write.size(); ++i)
        if (auto broken = objectFailure(InWrite, objects.Write[i], int(i) + 1, limits.NByte_OUT))
            return broken;
    if (objects.Read.size() + objects.Write.size() > size_t(limits.maxObjects))
        return rule_editor::RuleFailure{-1, 0, server_texts::TooManyObjects, QString::number(limits.maxObjects)};
    return std::nullopt;
}

}  // namespace bacnet

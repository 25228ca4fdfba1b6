#include "editors/fieldbus/j1939/frame_rule_checks.h"

#include "platform/strings.h"

namespace j1939 {
namespace frame_checks_detail {

const QString kTicked = QStringLiteral("Y");

int64_t number(const QString& text) { return platform::parseIntOr(text, -1); }
bool inRange(int64_t value, int64_t low, int64_t high) { return value >= low && value <= high; }
bool blank(const QString& text) { return platform::trimBlanks(text).isEmpty(); }

// The captured bytes of a receive rule: the text of the first broken
// check, or none with `size` set to the bytes it takes.
std::optional<int> captureBroken(const ReceiveCells& r, const ReceiveChecks& c, int64_t& size)
{
    const int64_t start = number(r.start);
    const int64_t count = number(r.count);
    const auto multiFrame = [&](int limit, int startText, int sumText) -> std::optional<int> {
        if (!inRange(start, 0, limit))
            return startText;
        if (count < 0 || start + count > limit)
            return sumText;
        size = count;
        return std::nullopt;
    };
    if (r.tp == kTicked)
        return multiFrame(kTransportBytes, c.tpStart, c.tpSum);
    if (c.fpStart >= 0 && r.fp == kTicked)
        return multiFrame(kFastPacketBytes, c.fpStart, c.fpSum);
    // A single frame: the whole frame, or a part of it.
    if (blank(r.start) && blank(r.count)) {
        size = kFrameBytes;
        return std::nullopt;
    }
    if (blank(r.start) || blank(r.count))
        return c.bothFilled;
    if (!inRange(start, 1, kFrameBytes))
        return c.sfStart;
    if (!inRange(count, 1, kFrameBytes))
        return c.sfCount;
    if (start + count > kFrameBytes)
        return c.sfSum;
    size = count;
    return std::nullopt;
}

}  // namespace frame_checks_detail

using namespace frame_checks_detail;

std::optional<rule_editor::RuleFailure> checkReceiveRules(const std::vector<ReceiveCells>& rules,
                                                          const ReceiveChecks& checks)
{
    int64_t total = 0;
    for (size_t i = 0; i < rules.size(); ++i) {
        const ReceiveCells& r = rules[i];
        const auto broken = [&](int text) { return rule_editor::RuleFailure{0, int(i) + 1, text}; };
        if (checks.dataPage >= 0 && blank(r.dataPage))
            return broken(checks.dataPage);
        if (!inRange(number(r.pgn), 0, checks.pgnMax))
            return broken(checks.pgn);
        if (!inRange(number(r.sa), 0, checks.saMax))
            return broken(checks.sa);
        int64_t size = 0;
        if (const std::optional<int> text = captureBroken(r, checks, size))
            return broken(*text);
        total += size;
        if (total > checks.arraySize)
            return rule_editor::RuleFailure{0, 0, checks.tooMany, QString::number(checks.arraySize)};
        if (checks.time >= 0 && r.onRequest == kTicked && !inRange(number(r.time), 2, 10000000))
            return broken(checks.time);
    }
    return std::nullopt;
}

std::optional<rule_editor::RuleFailure> checkTransmitRules(const std::vector<TransmitCells>& rules,
                                                           const TransmitChecks& checks)
{
    int64_t total = 0;
    const QString arraySize = QString::number(checks.arraySize);
    for (size_t i = 0; i < rules.size(); ++i) {
        const TransmitCells& r = rules[i];
        const auto broken = [&](int text, const QString& tail = {}) {
            return rule_editor::RuleFailure{0, int(i) + 1, text, tail};
        };
        if (!inRange(number(r.priority), 0, 7))
            return broken(checks.priority);
        if (checks.dataPage >= 0 && blank(r.dataPage))
            return broken(checks.dataPage);
        if (!inRange(number(r.pgn), 0, checks.pgnMax))
            return broken(checks.pgn);
        if (!inRange(number(r.sa), 0, checks.saMax))
            return broken(checks.sa);
        const int64_t count = number(r.count);
        if (!inRange(count, 0, checks.arraySize))
            return broken(checks.count, arraySize);
        total += count;
        if (total > checks.arraySize)
            return rule_editor::RuleFailure{0, 0, checks.tooMany, arraySize};
        if (r.onTimer == kTicked && !inRange(number(r.sendTimer), 1, 65535))
            return broken(checks.sendTimer);
    }
    return std::nullopt;
}

}  // namespace j1939

#include "editors/fieldbus/can/can_frame_rules.h"

#include "app/language.h"
#include "editors/fieldbus/can/cell_numbers.h"

namespace can_editors {
namespace can_rules_detail {

using fieldbus_cells::cellInRange;

constexpr qint32 kMax11Bits = 2047;
constexpr qint32 kMax29Bits = 0x1FFFFFFF;
constexpr qint32 kMaxMilliseconds = 100000000;

// The texts of one editor's checks.
struct CheckTexts {
    int cobId11;
    int cobId29;
    int dimension;
    int time;             // the receive TimeOut or the transmit Time
    int bytes[8];         // "!! Byte<k> must be between 0 and "
    int orNone;           // " or None", after the last position
};

constexpr CheckTexts kReceiveTexts = {2445, 2446, 2447, 2448, {2449, 2451, 2452, 2453, 2454, 2455, 2456, 2457}, 2450};
constexpr CheckTexts kTransmitTexts = {2548, 2549, 2550, 2551, {2552, 2554, 2555, 2556, 2557, 2558, 2559, 2560}, 2553};

bool isYes(const QString& text) { return platform::trimBlanks(text).toUpper() == QStringLiteral("Y"); }

// The rule of a frame broken first, or none; `tail` gets what follows its
// text. `checkTime`: the frame's time cell is checked.
template <typename Frame>
std::optional<int> brokenRule(const Frame& frame, const CheckTexts& texts, const QString& time, bool checkTime,
                              int maxByte, QString& tail)
{
    if (platform::trimBlanks(frame.CAN_Type) == kCAN20A) {
        if (!cellInRange(frame.COBID, 0, kMax11Bits))
            return texts.cobId11;
    } else if (!cellInRange(frame.COBID, 0, kMax29Bits)) {
        return texts.cobId29;
    }
    if (!cellInRange(frame.Dim, 1, 8))
        return texts.dimension;
    if (checkTime && !cellInRange(time, 0, kMaxMilliseconds))
        return texts.time;
    const int dimension = fieldbus_cells::cellNumber(frame.Dim);
    for (int k = 1; k <= dimension; ++k) {
        const QString& position = frame.*kFrameBytes<Frame>[size_t(k - 1)];
        const QString trimmed = platform::trimBlanks(position);
        if (trimmed.isEmpty() || trimmed == QStringLiteral("None") || cellInRange(position, 0, maxByte - 1))
            continue;
        tail = QString::number(maxByte - 1) + app::langText(texts.orNone);
        return texts.bytes[k - 1];
    }
    return std::nullopt;
}

}  // namespace can_rules_detail

using namespace can_rules_detail;

std::optional<rule_editor::RuleFailure> checkCANReceiveFrames(const std::vector<CANReceiveFrame>& frames, int maxByte)
{
    for (size_t i = 0; i < frames.size(); ++i) {
        if (!isYes(frames[i].Enable))
            continue;
        QString tail;
        if (const auto text = brokenRule(frames[i], kReceiveTexts, frames[i].TimeOut, true, maxByte, tail))
            return rule_editor::RuleFailure{0, int(i) + 1, *text, tail};
    }
    return std::nullopt;
}

std::optional<rule_editor::RuleFailure> checkCANTransmitFrames(const std::vector<CANTransmitFrame>& frames,
                                                               int maxByte)
{
    for (size_t i = 0; i < frames.size(); ++i) {
        const CANTransmitFrame& f = frames[i];
        if (!isYes(f.Enable))
            continue;
        QString tail;
        if (const auto text = brokenRule(f, kTransmitTexts, f.Time, isYes(f.OnTimer), maxByte, tail))
            return rule_editor::RuleFailure{0, int(i) + 1, *text, tail};
    }
    return std::nullopt;
}

}  // namespace can_editors

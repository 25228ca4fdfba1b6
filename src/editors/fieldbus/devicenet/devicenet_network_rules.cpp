#include "editors/fieldbus/devicenet/devicenet_network_rules.h"

#include "platform/strings.h"

namespace devicenet {

std::optional<rule_editor::RuleFailure> checkDeviceNetNetwork(const std::vector<DeviceNetSlave>& slaves)
{
    const auto outside = [](const QString& text, int high) {
        const qint32 value = platform::parseIntOr(text, -1);
        return value < 0 || value > high;
    };
    for (size_t i = 0; i < slaves.size(); ++i) {
        const DeviceNetSlave& s = slaves[i];
        const int row = int(i) + 1;
        if (outside(s.ID, 63))
            return rule_editor::RuleFailure{0, row, network_texts::IdRange};
        if (outside(s.NB_IN, kMaxSlaveBytes))
            return rule_editor::RuleFailure{0, row, network_texts::BytesInRange};
        if (outside(s.NB_OUT, kMaxSlaveBytes))
            return rule_editor::RuleFailure{0, row, network_texts::BytesOutRange};
    }
    return std::nullopt;
}

}  // namespace devicenet

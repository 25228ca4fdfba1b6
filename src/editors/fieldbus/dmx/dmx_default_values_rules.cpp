#include "editors/fieldbus/dmx/dmx_default_values_rules.h"

#include "params/par_gen_reader.h"
#include "platform/strings.h"

namespace dmx {

int DMX_Channel_Count(const params::ParGenFile& parGen)
{
    const int32_t count = params::ParGenReader(parGen).integer("DMX_Num_Channels", kMaxChannels);
    return count >= kMinChannels && count <= kMaxChannels ? count : kMaxChannels;
}

std::optional<rule_editor::RuleFailure> checkDMXDefaultValues(const std::vector<DMXChannel>& channels)
{
    for (size_t i = 0; i < channels.size(); ++i) {
        const int32_t value = platform::parseIntOr(channels[i].Default_Value, -1);
        if (value < 0 || value > 255)
            return rule_editor::RuleFailure{0, int(i) + 1, dmx_texts::ValueRange};
    }
    return std::nullopt;
}

}  // namespace dmx

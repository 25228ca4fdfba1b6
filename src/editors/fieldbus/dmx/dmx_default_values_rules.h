#pragma once

// The channel count and the checks of the DMX default values editor,
// without a window.

#include <optional>
#include <vector>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/fieldbus/dmx/dmx_default_values_file.h"
#include "params/par_gen_file.h"

namespace dmx {

namespace dmx_texts {
constexpr int ValueRange = 3112;  // "!! Default Value must be between 0 and 255"
// "The general parameters cannot be read, so the table has 512 channels: %s"
constexpr int ParGenUnreadable = 3113;
}  // namespace dmx_texts

// The channels of a DMX universe the gateway may have.
inline constexpr int kMinChannels = 24;
inline constexpr int kMaxChannels = 512;

// The number of DMX channels of the general parameters, DMX_Num_Channels:
// 512 when the file or the element is missing, when it is no whole number,
// or when it lies outside 24 .. 512.
int DMX_Channel_Count(const params::ParGenFile& parGen);

// Controllo_dati of the editor over every channel, in order: the default
// value read as a whole number (-1 when it is none, so an empty cell
// fails) must be 0 .. 255.
std::optional<rule_editor::RuleFailure> checkDMXDefaultValues(const std::vector<DMXChannel>& channels);

}  // namespace dmx

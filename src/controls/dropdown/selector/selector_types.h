#pragma once

#include <cstdint>

namespace dropdown {

// What an item of the item selector shows besides its caption.
enum TSelectorType : uint8_t { stImage, stColor };

// Where an item's or key's caption stands against its picture or colour box.
enum TItemLayout : uint8_t { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

}  // namespace dropdown

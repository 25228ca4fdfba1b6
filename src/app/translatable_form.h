#pragma once

namespace app {

// A form whose captions, hints and headers come from the text table;
// Set_Lang copies them in again after a language change.
class TranslatableForm {
public:
    virtual ~TranslatableForm() = default;
    virtual void Set_Lang() = 0;
};

}  // namespace app

#pragma once

#include <exception>

namespace dropdown {

// Runs the work of an input, focus or change handler. The drop-downs report
// nothing: an exception raised inside (a failed conversion of a picker's
// value, an application handler that throws) ends the work there and goes no
// further; the result tells whether the work ran to its end.
template <class Action>
bool Guarded(Action&& action) noexcept
{
    try {
        action();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace dropdown

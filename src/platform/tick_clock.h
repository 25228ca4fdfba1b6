#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

// A millisecond tick counter with a pause. Ticks wrap around at 2^32, so
// callers take differences unsigned.
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual uint32_t ticks() = 0;
    virtual void sleep(std::chrono::milliseconds duration) = 0;
};

// The clock in use: the system's monotonic clock, unless a test installed
// its double with setTickClock.
TickClock& tickClock();
// Installs `replacement` (not owned; nullptr restores the system clock) and
// returns the one installed before.
TickClock* setTickClock(TickClock* replacement);

}  // namespace platform

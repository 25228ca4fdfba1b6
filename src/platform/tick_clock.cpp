#include "platform/tick_clock.h"

#include <thread>

namespace platform {
namespace {

class SystemTickClock final : public TickClock {
public:
    uint32_t ticks() override
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
    void sleep(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};

SystemTickClock& systemClock()
{
    static SystemTickClock clock;
    return clock;
}

TickClock* installedClock = nullptr;

}  // namespace

TickClock& tickClock()
{
    return installedClock ? *installedClock : systemClock();
}

TickClock* setTickClock(TickClock* replacement)
{
    TickClock* previous = installedClock ? installedClock : &systemClock();
    installedClock = replacement == &systemClock() ? nullptr : replacement;
    return previous;
}

}  // namespace platform

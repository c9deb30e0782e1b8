#include "platform/Clock.h"

#include <thread>

namespace lumora {
namespace {

class SteadyClock final : public Clock {
public:
    TimePoint Now() override { return std::chrono::steady_clock::now(); }
    void SleepFor(std::chrono::milliseconds pause) override { std::this_thread::sleep_for(pause); }
};

}  // namespace

Clock& SystemClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace lumora

#pragma once
// A clock that moves only when the code under test waits or pauses on it.

#include <chrono>

#include "platform/Clock.h"

namespace lumora::test {

class FakeClock final : public Clock {
public:
    TimePoint Now() override { return now_; }
    void SleepFor(std::chrono::milliseconds pause) override {
        now_ += pause;
        ++pauses_;
    }
    // Moves the clock forward by `by` (a port's wait, or a test's own step).
    void Advance(std::chrono::milliseconds by) { now_ += by; }
    // Moves the clock to `when` unless it is already later.
    void AdvanceTo(TimePoint when) {
        if (when > now_) now_ = when;
    }
    // Time since the clock was made.
    std::chrono::milliseconds Elapsed() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(now_ - TimePoint{});
    }
    // Number of SleepFor calls.
    int pauses() const { return pauses_; }

private:
    TimePoint now_{};
    int pauses_ = 0;
};

}  // namespace lumora::test

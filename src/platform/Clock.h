#pragma once
// The clock the network exchanges wait by: the time now and a pause.
//
// The exchanges count their turns and deadlines on this clock rather than on the
// system's, so that their rules can be checked with a clock a test moves by hand.

#include <chrono>

namespace lumora {

class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    // The time now (monotonic).
    virtual TimePoint Now() = 0;
    // Pauses the calling thread for `pause`.
    virtual void SleepFor(std::chrono::milliseconds pause) = 0;
};

// The system's monotonic clock; one instance for the process, safe from any thread.
Clock& SystemClock();

}  // namespace lumora

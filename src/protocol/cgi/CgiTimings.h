#pragma once
// Turns, waits and the overall cap of a CGI exchange.
//
// Connecting, sending and receiving each wait in turns of `wait` followed by
// `pause`, at most `turns` of them: a silent address gives up after about 8 s,
// a refused one after about 1 s (the refusal comes at once, so only the pauses
// count). Receiving counts only the turns in which nothing arrived, so a peer
// that sends one byte just inside every wait would hold the worker for ever;
// the cap bounds the whole exchange (connect, send and receive) at twice that
// idle budget, about 16 s, which no sound appliance comes near: its replies are
// at most 4095 bytes and arrive in one piece or a few.

#include <chrono>

namespace lumora {

struct CgiTimings {
    int turns = 101;
    std::chrono::milliseconds wait{70};
    std::chrono::milliseconds pause{10};

    // The time the turns of one step take when nothing happens (8.08 s).
    constexpr std::chrono::milliseconds IdleBudget() const { return turns * (wait + pause); }
    // The longest a whole exchange may take (16.16 s).
    constexpr std::chrono::milliseconds Cap() const { return 2 * IdleBudget(); }
};

}  // namespace lumora

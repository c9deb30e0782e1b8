#pragma once
// Turns and waits of the datagram exchanges.
//
// The turn counts are fixed. The waits are the product's by default; an exchange
// takes them as a parameter, so nothing process-wide changes them.

#include <chrono>

namespace lumora {

inline constexpr int kDiscoveryTurns = 32;    // per adapter; timeouts and acceptable replies
inline constexpr int kLoginTurns = 11;        // timeouts
inline constexpr int kSetAddressTurns = 301;  // timeouts and acknowledgements of other requests

struct DatagramWaits {
    std::chrono::milliseconds discoveryWait{70};
    std::chrono::milliseconds loginWait{70};
    std::chrono::milliseconds loginSleep{100};
    std::chrono::milliseconds setAddressWait{10};
    std::chrono::milliseconds setAddressSleep{100};
};

}  // namespace lumora

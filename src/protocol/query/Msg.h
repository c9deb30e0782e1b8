#pragma once
// CMsg: the process-wide store that carries a finished request through a
// message parameter as a numeric token.
//
// The first token is 1; each Put takes the next one. Senders post the low
// 32 bits as lParam; receivers pass lParam as the low half and its sign
// extension as the high half. The only lock of the protocol layer is here.

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

namespace lumora {

class CQuery;

// Hands out the one instance of T, made on first use (thread-safe).
template <typename T>
class Singleton {
public:
    static T& Instance() {
        static T instance;
        return instance;
    }

protected:
    Singleton() = default;
    virtual ~Singleton() = default;
};

class CMsg : public Singleton<CMsg> {
public:
    struct Taken {
        bool found = false;
        std::shared_ptr<CQuery> request;
        std::uint32_t flags = 0;
    };

    // Stores the request and returns its token. Any thread.
    std::uint64_t Put(std::shared_ptr<CQuery> request);
    // Removes and returns the entry of the token made of the two halves; found is false
    // for a token never issued or already taken. Any thread.
    Taken Take(std::uint32_t low, std::uint32_t high);
    // Take with an lParam as posted by a sender.
    Taken TakeParam(std::intptr_t lParam);

private:
    friend class Singleton<CMsg>;
    CMsg() = default;

    struct Entry {
        std::uint64_t token;
        std::shared_ptr<CQuery> request;
        std::uint32_t flags;
    };
    std::mutex lock_;
    std::deque<Entry> entries_;
    std::uint64_t counter_ = 0;
};

// The lParam that carries a token.
inline std::intptr_t TokenParam(std::uint64_t token) {
    return static_cast<std::intptr_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(token)));
}

}  // namespace lumora

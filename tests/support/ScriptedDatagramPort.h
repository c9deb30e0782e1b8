#pragma once
// A datagram port whose traffic a test writes down beforehand, on a fake clock.
//
// Each scripted datagram arrives on an adapter at a time counted from the start of
// the clock; a Receive takes the first one due within its wait (moving the clock
// to its arrival), or waits out the whole wait; a Receive on several adapters takes the
// first due on any of them. Sends are recorded.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

#include "protocol/datagram/DatagramPort.h"
#include "protocol/datagram/Datagrams.h"
#include "support/FakeClock.h"

namespace lumora::test {

class ScriptedDatagramPort final : public DatagramPort {
public:
    struct Sent {
        int entry;
        Bytes bytes;
        std::chrono::milliseconds at;
    };

    explicit ScriptedDatagramPort(int adapters = 1) : adapters_(adapters) {}

    // A datagram that arrives on adapter `entry` at `at`.
    void Arrive(std::chrono::milliseconds at, Bytes bytes, int entry = 0) {
        Insert({at, entry, false, std::move(bytes)});
    }
    // A receive that fails at once (a socket error) when it is due.
    void FailAt(std::chrono::milliseconds at, int entry = 0) { Insert({at, entry, true, {}}); }
    // Makes every Send report that nothing left.
    void FailSends() { sendsFail_ = true; }

    int Count() const override { return adapters_; }
    bool Send(int entry, std::span<const std::uint8_t> datagram) override {
        sent_.push_back({entry, Bytes(datagram.begin(), datagram.end()), clock_.Elapsed()});
        return !sendsFail_;
    }
    ReceivedDatagram Receive(int entry, std::chrono::milliseconds wait) override {
        return ReceiveAny({entry}, wait);
    }
    ReceivedDatagram ReceiveAny(const std::vector<int>& entries, std::chrono::milliseconds wait) override {
        ++receives_;
        const auto start = clock_.Now();
        for (auto it = script_.begin(); it != script_.end(); ++it) {
            const auto due = Clock::TimePoint{} + it->at;
            if (std::find(entries.begin(), entries.end(), it->entry) == entries.end() || due > start + wait)
                continue;
            clock_.AdvanceTo(due);
            ReceivedDatagram got;
            got.entry = it->entry;
            if (!it->fails) {
                current_ = std::move(it->bytes);
                got.status = ReceivedDatagram::Status::Datagram;
                got.bytes = current_;
            }
            script_.erase(it);
            return got;
        }
        clock_.Advance(wait);
        return {ReceivedDatagram::Status::Timeout, {}, -1};
    }
    Clock& clock() override { return clock_; }

    FakeClock& fakeClock() { return clock_; }
    const std::vector<Sent>& sent() const { return sent_; }
    // Scripted datagrams not yet received.
    std::size_t pending() const { return script_.size(); }
    int receives() const { return receives_; }

private:
    struct Scripted {
        std::chrono::milliseconds at;
        int entry;
        bool fails;
        Bytes bytes;
    };
    // Keeps the script in order of arrival; datagrams due at the same time stay in the order given.
    void Insert(Scripted scripted) {
        auto at = std::upper_bound(script_.begin(), script_.end(), scripted.at,
                                   [](std::chrono::milliseconds t, const Scripted& s) { return t < s.at; });
        script_.insert(at, std::move(scripted));
    }

    int adapters_;
    FakeClock clock_;
    std::deque<Scripted> script_;
    std::vector<Sent> sent_;
    Bytes current_;
    bool sendsFail_ = false;
    int receives_ = 0;
};

}  // namespace lumora::test

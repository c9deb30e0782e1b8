#pragma once
// A CGI port whose peer a test writes down beforehand, on a fake clock.
//
// The connection is taken at a given time (or refused, or never); the reply comes
// in pieces at given times, then the peer closes or breaks the connection. Each
// wait takes the first event due within it (moving the clock to it) or runs out.

#include <algorithm>
#include <chrono>
#include <deque>
#include <string>

#include "protocol/cgi/CgiPort.h"
#include "support/FakeClock.h"

namespace lumora::test {

class ScriptedCgiPort final : public CgiPort {
public:
    enum class Peer { Accepts, Refuses, Silent };

    // How the peer takes the connection: accepted at `at`, refused at once, or never.
    void Connection(Peer peer, std::chrono::milliseconds at = {}) {
        peer_ = peer;
        acceptAt_ = at;
    }
    // Reply bytes that arrive at `at`.
    void Reply(std::chrono::milliseconds at, std::string bytes) {
        Insert({at, Event::Data, std::move(bytes)});
    }
    // The peer closes at `at` (orderly) or breaks the connection (reset).
    void Close(std::chrono::milliseconds at) { Insert({at, Event::Close, {}}); }
    void Reset(std::chrono::milliseconds at) { Insert({at, Event::Reset, {}}); }

    Opened Open(std::string_view host, std::uint16_t) override {
        host_ = std::string(host);
        return host.empty() ? Opened::Failed : Opened::Pending;
    }
    Connecting WaitConnected(std::chrono::milliseconds wait) override {
        if (peer_ == Peer::Refuses) return Connecting::Refused;
        if (peer_ == Peer::Accepts && clock_.Elapsed() + wait >= acceptAt_) {
            clock_.AdvanceTo(Clock::TimePoint{} + acceptAt_);
            return Connecting::Connected;
        }
        clock_.Advance(wait);
        return Connecting::Waiting;
    }
    Writable WaitWritable(std::chrono::milliseconds) override { return Writable::Ready; }
    bool Send(std::string_view request) override {
        sent_ += request;
        return true;
    }
    Received Receive(std::span<char> into, std::chrono::milliseconds wait) override {
        if (script_.empty() || clock_.Elapsed() + wait < script_.front().at) {
            clock_.Advance(wait);
            return {Received::Status::Waiting, 0};
        }
        Event& next = script_.front();
        clock_.AdvanceTo(Clock::TimePoint{} + next.at);
        if (next.kind == Event::Close) return {Received::Status::Closed, 0};
        if (next.kind == Event::Reset) return {Received::Status::Failed, 0};
        const std::size_t n = std::min(into.size(), next.bytes.size());
        std::copy_n(next.bytes.begin(), n, into.begin());
        next.bytes.erase(0, n);
        if (next.bytes.empty()) script_.pop_front();
        return {Received::Status::Data, n};
    }
    Clock& clock() override { return clock_; }

    FakeClock& fakeClock() { return clock_; }
    const std::string& sent() const { return sent_; }
    const std::string& host() const { return host_; }

private:
    struct Event {
        std::chrono::milliseconds at;
        enum Kind { Data, Close, Reset } kind;
        std::string bytes;
    };
    void Insert(Event event) {
        auto at = std::upper_bound(script_.begin(), script_.end(), event.at,
                                   [](std::chrono::milliseconds t, const Event& e) { return t < e.at; });
        script_.insert(at, std::move(event));
    }

    FakeClock clock_;
    Peer peer_ = Peer::Accepts;
    std::chrono::milliseconds acceptAt_{};
    std::deque<Event> script_;
    std::string sent_, host_;
};

}  // namespace lumora::test

#include "protocol/cgi/CgiTransport.h"

#include "protocol/cgi/CgiRequestText.h"
#include "protocol/cgi/CgiSocketPort.h"

namespace lumora {

namespace {

using Failure = RequestFailure;

// The turns of one exchange and the cap over all of them.
class Turns {
public:
    Turns(CgiPort& port, const CgiTimings& timings, const StopCheck& stopped)
        : clock_(port.clock()), timings_(timings), stopped_(stopped), end_(clock_.Now() + timings.Cap()) {}

    bool Stopped() const { return stopped_ && stopped_(); }
    bool CapReached() const { return clock_.Now() >= end_; }
    // Pauses after a turn in which nothing happened.
    void Pause() { clock_.SleepFor(timings_.pause); }
    std::chrono::milliseconds wait() const { return timings_.wait; }
    int count() const { return timings_.turns; }

private:
    Clock& clock_;
    const CgiTimings& timings_;
    const StopCheck& stopped_;
    Clock::TimePoint end_;
};

Failure Connect(CgiPort& port, std::string_view host, std::uint16_t tcpPort, Turns& turns) {
    switch (port.Open(host, tcpPort)) {
        case CgiPort::Opened::Connected: return Failure::None;
        case CgiPort::Opened::Failed: return Failure::BadAddress;
        case CgiPort::Opened::Pending: break;
    }
    bool refused = false;
    for (int turn = 0; turn < turns.count(); ++turn) {
        if (turns.Stopped()) return Failure::Stopped;
        if (turns.CapReached()) return Failure::TooSlow;
        switch (port.WaitConnected(turns.wait())) {
            case CgiPort::Connecting::Connected: return Failure::None;
            case CgiPort::Connecting::Failed: return refused ? Failure::Refused : Failure::BadAddress;
            case CgiPort::Connecting::Refused: refused = true; break;
            case CgiPort::Connecting::Waiting: break;
        }
        turns.Pause();
    }
    return refused ? Failure::Refused : Failure::NoAnswer;
}

Failure Send(CgiPort& port, std::string_view request, Turns& turns) {
    for (int turn = 0; turn < turns.count(); ++turn) {
        if (turns.Stopped()) return Failure::Stopped;
        if (turns.CapReached()) return Failure::TooSlow;
        switch (port.WaitWritable(turns.wait())) {
            case CgiPort::Writable::Ready: return port.Send(request) ? Failure::None : Failure::SendFailed;
            case CgiPort::Writable::Failed: return Failure::SendFailed;
            case CgiPort::Writable::Waiting: break;
        }
        turns.Pause();
    }
    return Failure::SendFailed;
}

CgiExchangeResult Receive(CgiPort& port, Turns& turns) {
    std::string reply(kMaxReplyText, '\0');
    std::size_t used = 0;
    Failure ended = Failure::Silent;
    // Only turns in which nothing arrived count; the cap bounds the others.
    for (int idle = 0; idle < turns.count();) {
        if (turns.Stopped()) {
            ended = Failure::Stopped;
            break;
        }
        if (turns.CapReached()) return {std::nullopt, Failure::TooSlow};
        const CgiPort::Received got = port.Receive(std::span<char>(reply).subspan(used), turns.wait());
        if (got.status == CgiPort::Received::Status::Failed) return {std::nullopt, Failure::CutShort};
        if (got.status == CgiPort::Received::Status::Closed) {
            ended = Failure::CutShort;
            break;
        }
        if (got.status == CgiPort::Received::Status::Waiting) {
            turns.Pause();
            ++idle;
            continue;
        }
        used += got.size;
        if (used == reply.size()) break;
    }
    reply.resize(used);
    // A reply that arrived is the caller's to judge; the failure says why one is empty.
    return {std::move(reply), used == 0 ? ended : Failure::None};
}

}  // namespace

CgiExchangeResult ExchangeCgiRequest(CgiPort& port, std::string_view host, std::uint16_t tcpPort,
                                     std::string_view request, const StopCheck& stopped,
                                     const CgiTimings& timings) {
    Turns turns(port, timings, stopped);
    if (const Failure failure = Connect(port, host, tcpPort, turns); failure != Failure::None)
        return {std::nullopt, failure};
    if (const Failure failure = Send(port, request, turns); failure != Failure::None)
        return {std::nullopt, failure};
    return Receive(port, turns);
}

CgiExchangeResult ExchangeCgiRequest(std::string_view host, std::uint16_t tcpPort, std::string_view request,
                                     const StopCheck& stopped) {
    CgiSocketPort port;
    return ExchangeCgiRequest(port, host, tcpPort, request, stopped);
}

}  // namespace lumora

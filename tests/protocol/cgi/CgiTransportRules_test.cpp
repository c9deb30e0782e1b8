// The turn, wait and cap rules of a CGI exchange and the reasons a failed one keeps,
// on a scripted port and a fake clock: no sockets, no namespaces, no real seconds.

#include <gtest/gtest.h>

#include <functional>

#include "protocol/cgi/CgiClient.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/CgiForms.h"
#include "protocol/cgi/CgiRequestText.h"
#include "protocol/cgi/CgiTransport.h"
#include "protocol/query/Query.h"
#include "support/ScriptedCgiPort.h"

namespace lumora::test {
namespace {

using std::chrono::milliseconds;
using Peer = ScriptedCgiPort::Peer;

constexpr const char* kHost = "192.0.2.7";
constexpr CgiTimings kTimings;
const std::string kOk = "HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\n\r\n<a/>";

CgiExchangeResult Exchange(ScriptedCgiPort& port, const StopCheck& stopped = {}) {
    return ExchangeCgiRequest(port, kHost, 80, "POST / HTTP/1.0\r\n\r\n", stopped);
}

TEST(CgiTransportRulesTest, EachStepGivesUpAfterItsTurnsWithItsReason) {
    ScriptedCgiPort silent;  // connected, never a byte back
    CgiExchangeResult result = Exchange(silent);
    EXPECT_EQ(result.reply, "");
    EXPECT_EQ(result.failure, RequestFailure::Silent);
    EXPECT_EQ(silent.fakeClock().Elapsed(), kTimings.IdleBudget());
    EXPECT_EQ(silent.sent(), "POST / HTTP/1.0\r\n\r\n");
    EXPECT_EQ(DescribeRequestFailure(result.failure, kHost), "no reply from 192.0.2.7 in 8 s");

    ScriptedCgiPort unanswered;
    unanswered.Connection(Peer::Silent);
    result = Exchange(unanswered);
    EXPECT_FALSE(result.reply);
    EXPECT_EQ(result.failure, RequestFailure::NoAnswer);
    EXPECT_EQ(unanswered.fakeClock().Elapsed(), milliseconds(8080));
    EXPECT_EQ(DescribeRequestFailure(result.failure, kHost), "no answer from 192.0.2.7 in 8 s");

    // A refusal comes at once on every turn, so only the pauses count: about a second.
    ScriptedCgiPort refused;
    refused.Connection(Peer::Refuses);
    result = Exchange(refused);
    EXPECT_FALSE(result.reply);
    EXPECT_EQ(result.failure, RequestFailure::Refused);
    EXPECT_EQ(refused.fakeClock().Elapsed(), kTimings.turns * kTimings.pause);
    EXPECT_EQ(DescribeRequestFailure(result.failure, kHost), "connection refused by 192.0.2.7");

    ScriptedCgiPort broken;
    broken.Reply(milliseconds(5), "HTTP/1.0 200");
    broken.Reset(milliseconds(6));
    EXPECT_EQ(Exchange(broken).failure, RequestFailure::CutShort);
}

TEST(CgiTransportRulesTest, ReplyIsReadToTheCloseAndCutAt4095Bytes) {
    ScriptedCgiPort slowStart;
    slowStart.Connection(Peer::Accepts, milliseconds(3000));
    slowStart.Reply(milliseconds(5000), kOk.substr(0, 10));
    slowStart.Reply(milliseconds(6000), kOk.substr(10));
    slowStart.Close(milliseconds(6001));
    CgiExchangeResult result = Exchange(slowStart);
    EXPECT_EQ(result.reply, kOk);
    EXPECT_EQ(result.failure, RequestFailure::None);
    EXPECT_EQ(slowStart.fakeClock().Elapsed(), milliseconds(6001));

    ScriptedCgiPort flood;
    flood.Reply(milliseconds(1), kOk + std::string(3000, ' '));
    flood.Reply(milliseconds(2), std::string(3000, ' '));
    result = Exchange(flood);
    ASSERT_TRUE(result.reply);
    EXPECT_EQ(result.reply->size(), kMaxReplyText);
    EXPECT_TRUE(result.reply->starts_with(kOk));
    EXPECT_EQ(flood.fakeClock().Elapsed(), milliseconds(2));
}

TEST(CgiTransportRulesTest, SilentTurnsAddUpOverTheWholeReply) {
    // Data does not restart the count: after 101 silent turns in all, the reply ends.
    ScriptedCgiPort pauses;
    pauses.Reply(milliseconds(0), "HTTP/1.0 200 OK\r\n");
    pauses.Reply(milliseconds(6000), "\r\n<a>");
    pauses.Reply(milliseconds(12000), "</a>");
    const CgiExchangeResult result = Exchange(pauses);
    EXPECT_EQ(result.reply, "HTTP/1.0 200 OK\r\n\r\n<a>");
    EXPECT_EQ(pauses.fakeClock().Elapsed(), kTimings.IdleBudget());
}

TEST(CgiTransportRulesTest, APeerTricklingJustInsideEveryWaitMeetsTheCap) {
    // One byte 60 ms apart: no wait ever runs out, so only the cap ends the exchange
    // (without it, 4095 bytes would take more than four minutes).
    ScriptedCgiPort trickle;
    for (int i = 0; i < 5000; ++i) trickle.Reply(milliseconds(60 * i), "x");
    const CgiExchangeResult result = Exchange(trickle);
    EXPECT_FALSE(result.reply);
    EXPECT_EQ(result.failure, RequestFailure::TooSlow);
    EXPECT_EQ(kTimings.Cap(), milliseconds(16160));
    EXPECT_GE(trickle.fakeClock().Elapsed(), kTimings.Cap());
    EXPECT_LT(trickle.fakeClock().Elapsed(), kTimings.Cap() + kTimings.wait + kTimings.pause);
    EXPECT_EQ(DescribeRequestFailure(result.failure, kHost), "192.0.2.7 was still replying after 16 s");

    // The cap counts from the start: a slow connect leaves less time for the reply.
    ScriptedCgiPort lateConnect;
    lateConnect.Connection(Peer::Accepts, milliseconds(8000));
    for (int i = 0; i < 5000; ++i) lateConnect.Reply(milliseconds(8000 + 60 * i), "x");
    EXPECT_EQ(Exchange(lateConnect).failure, RequestFailure::TooSlow);
    EXPECT_LT(lateConnect.fakeClock().Elapsed(), kTimings.Cap() + kTimings.wait + kTimings.pause);
}

TEST(CgiTransportRulesTest, AStopEndsTheWaitWithinATurnAndKeepsWhatArrived) {
    // Stopped from 300 ms on.
    ScriptedCgiPort port;
    port.Reply(milliseconds(100), "HTTP/1.0 2");
    CgiExchangeResult result =
        Exchange(port, [&] { return port.fakeClock().Elapsed() >= milliseconds(300); });
    EXPECT_EQ(result.reply, "HTTP/1.0 2");
    EXPECT_EQ(result.failure, RequestFailure::None);
    EXPECT_LE(port.fakeClock().Elapsed(), milliseconds(300) + kTimings.wait + kTimings.pause);

    ScriptedCgiPort connecting;
    connecting.Connection(Peer::Silent);
    result = Exchange(connecting, [&] { return connecting.fakeClock().Elapsed() >= milliseconds(300); });
    EXPECT_FALSE(result.reply);
    EXPECT_EQ(result.failure, RequestFailure::Stopped);
    EXPECT_LE(connecting.fakeClock().Elapsed(), milliseconds(300) + kTimings.wait + kTimings.pause);
}

// A query whose worker talks through a scripted port.
class ScriptedQuery : public CQuery {
public:
    explicit ScriptedQuery(ScriptedCgiPort& port) : CQuery(kNoWindow), port_(port) {}
    void Run() override { RunCgiExchange(*this, port_); }

private:
    ScriptedCgiPort& port_;
};

TEST(CgiTransportRulesTest, TheQueryKeepsWhyItFailedBesideItsResultCode) {
    struct Case {
        std::function<void(ScriptedCgiPort&)> script;
        RequestFailure failure;
    };
    const Case cases[] = {
        {[](ScriptedCgiPort& p) { p.Connection(Peer::Refuses); }, RequestFailure::Refused},
        {[](ScriptedCgiPort& p) {
             p.Reply(milliseconds(1), "HTTP/1.0 500 Oops\r\n\r\n");
             p.Close(milliseconds(2));
         },
         RequestFailure::BadStatus},
        {[](ScriptedCgiPort& p) {
             p.Reply(milliseconds(1), "HTTP/1.0 200 OK\r\n\r\n<broken");
             p.Close(milliseconds(2));
         },
         RequestFailure::Rejected},
        {[](ScriptedCgiPort& p) {
             p.Reply(milliseconds(1), "HTTP/1.0 200 OK\r\n\r\n<a/>");
             p.Close(milliseconds(2));
         },
         RequestFailure::None},
    };
    for (const Case& c : cases) {
        ScriptedCgiPort port;
        c.script(port);
        auto query = std::make_shared<ScriptedQuery>(port);
        query->requestType = kRequestCgi;
        query->kind = kKindShareList;  // a handler that checks what it reads
        CopyToField(query->host, kHost);
        query->port = 80;
        ASSERT_NE(StartQuery(query), 0u);
        ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(60)));
        EXPECT_EQ(query->failure, c.failure) << DescribeRequestFailure(c.failure, kHost);
        EXPECT_EQ(port.host(), kHost);
        const auto recorded = TakeRequestFailure(query->startedHandle());
        EXPECT_EQ(recorded.has_value(), c.failure != RequestFailure::None);
        if (recorded) {
            EXPECT_EQ(recorded->host, kHost);
        }
    }
}

}  // namespace
}  // namespace lumora::test

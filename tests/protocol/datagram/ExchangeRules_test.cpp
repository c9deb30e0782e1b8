// The turn and wait rules of the datagram exchanges, on a scripted port and a fake
// clock: no sockets, no namespaces, no real seconds.

#include <gtest/gtest.h>

#include "platform/Text.h"
#include "protocol/datagram/DatagramExchange.h"
#include "support/DatagramReplies.h"
#include "support/ScriptedDatagramPort.h"

namespace lumora::test {
namespace {

using std::chrono::milliseconds;

const RequestId kId = MakeRequestId(4711);
const RequestId kOtherId = MakeRequestId(815);
const HwTag kTag{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 192, 0, 2, 20};
const std::array<std::uint8_t, 4> kTarget{192, 0, 2, 20};

class ExchangeRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        adapters.Clear();
        adapters.Add("pc0", "192.0.2.1", "255.255.255.0");
        adapters.Add("pc1", "198.51.100.1", "255.255.255.0");
    }
    void Discover(ScriptedDatagramPort& port, const DatagramWaits& waits = {}) {
        RunDiscoveryExchange(port, adapters, BuildDiscoveryRequest(kId), kId, kKl440ModelTag, list, waits);
    }
    std::int8_t Login(ScriptedDatagramPort& port, const std::function<void()>& sendFailed = {},
                      const DatagramWaits& waits = {}) {
        return RunLoginExchange(port, 0, BuildLoginRequest(kId, kTag, "bob", "secret"), kId, "192.0.2.20",
                                sendFailed, waits);
    }
    bool SetAddress(ScriptedDatagramPort& port) {
        const IpConfigBlock block = MakeIpConfigBlock("192.0.2.50", "255.255.255.0", "", false);
        return RunSetAddressExchange(port, 0, BuildSetAddressRequest(kId, kTag, block), kId);
    }

    AdapterTable adapters;
    NasList list;
};

TEST_F(ExchangeRulesTest, DiscoveryWaitsItsTurnsOnEveryAdapterAtOnce) {
    ScriptedDatagramPort port(2);
    // The first adapter is flooded with other requests' replies all round long; the second
    // adapter's appliance answers late, after silences longer than a wait.
    for (int t = 0; t < 10000; ++t)
        port.Arrive(milliseconds(t), DiscoveryReplyBytes(kOtherId, kTag, "Junk"), 0);
    port.Arrive(milliseconds(2000), DiscoveryReplyBytes(kId, kTag, "Late"), 1);
    Discover(port);
    // Both rounds in the time of one; the flooded one ends at the round's time limit.
    EXPECT_GE(port.fakeClock().Elapsed(), kDiscoveryTurns * milliseconds(70));
    EXPECT_LE(port.fakeClock().Elapsed(), kDiscoveryTurns * milliseconds(70) + milliseconds(51));
    ASSERT_EQ(port.sent().size(), 2u);
    EXPECT_EQ(port.sent()[0].entry, 0);
    EXPECT_EQ(port.sent()[1].entry, 1);
    EXPECT_EQ(port.sent()[1].at, milliseconds(0));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0)->adapterIndex, 1);

    ScriptedDatagramPort none(0);
    Discover(none);
    EXPECT_EQ(none.fakeClock().Elapsed(), milliseconds(0));
    EXPECT_TRUE(none.sent().empty());

    // The waits are the exchange's parameter.
    ScriptedDatagramPort quick(1);
    DatagramWaits waits;
    waits.discoveryWait = milliseconds(5);
    Discover(quick, waits);
    EXPECT_EQ(quick.fakeClock().Elapsed(), kDiscoveryTurns * milliseconds(5));
}

TEST_F(ExchangeRulesTest, DiscoveryRepliesTakeTurnsAndJunkTakesNone) {
    ScriptedDatagramPort port(1);
    // Junk at once: another request's reply, another model, a cut reply, a socket error.
    Bytes otherModel = DiscoveryReplyBytes(kId, kTag, "Other");
    otherModel[layout::kModelTag + 1] = 12;
    Bytes cut = DiscoveryReplyBytes(kId, kTag, "Cut");
    cut.resize(layout::kName - 1);
    port.Arrive(milliseconds(0), DiscoveryReplyBytes(kOtherId, kTag, "Stranger"));
    port.Arrive(milliseconds(0), otherModel);
    port.Arrive(milliseconds(0), cut);
    port.FailAt(milliseconds(0));
    // Thirty-one good replies from the same appliance take 31 turns without time;
    // the 32nd turn is the appliance after them, which is therefore never read.
    for (int i = 0; i < kDiscoveryTurns - 1; ++i)
        port.Arrive(milliseconds(0), DiscoveryReplyBytes(kId, kTag, "Office"));
    HwTag second = kTag;
    second[5] = 0x56;
    port.Arrive(milliseconds(40), DiscoveryReplyBytes(kId, second, "Late"));
    port.Arrive(milliseconds(100), DiscoveryReplyBytes(kId, second, "Later"));
    Discover(port);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(FieldText(list.At(0)->name), "Office");
    EXPECT_EQ(FieldText(list.At(1)->name), "Late");
    EXPECT_EQ(port.fakeClock().Elapsed(), milliseconds(40));
    EXPECT_EQ(port.pending(), 1u);
}

TEST_F(ExchangeRulesTest, AFloodNeitherHidesTheApplianceNorHoldsTheDiscoveryPastItsTurns) {
    ScriptedDatagramPort port(1);
    // Junk every millisecond for ten seconds, the appliance's reply at 300 ms among it.
    for (int t = 0; t < 10000; ++t) port.Arrive(milliseconds(t), DiscoveryReplyBytes(kOtherId, kTag, "Junk"));
    port.Arrive(milliseconds(300), DiscoveryReplyBytes(kId, kTag, "Flooder"));
    Discover(port);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(FieldText(list.At(0)->name), "Flooder");
    // No turn was taken by the junk, so only the time limit of the turns ends the wait.
    EXPECT_GE(port.fakeClock().Elapsed(), kDiscoveryTurns * milliseconds(70));
    EXPECT_LE(port.fakeClock().Elapsed(), kDiscoveryTurns * milliseconds(70) + milliseconds(51));
}

TEST_F(ExchangeRulesTest, UnansweredLoginWaitsElevenTurnsWithPausesBetween) {
    ScriptedDatagramPort port;
    EXPECT_EQ(Login(port), 0);
    EXPECT_EQ(port.fakeClock().Elapsed(),
              kLoginTurns * milliseconds(70) + (kLoginTurns - 1) * milliseconds(100));
    EXPECT_EQ(port.fakeClock().pauses(), kLoginTurns - 1);
    ASSERT_EQ(port.sent().size(), 1u);
    EXPECT_EQ(port.sent()[0].bytes[layout::kType], kLoginRequest);
}

TEST_F(ExchangeRulesTest, LoginTakesOnlyTheTargetsAnswerToThisRequest) {
    ScriptedDatagramPort port;
    Bytes fromOther = LoginReplyBytes(kId, {192, 0, 2, 21}, 1);
    Bytes cut = LoginReplyBytes(kId, kTarget, 1);
    cut.resize(layout::kLoginResult);
    for (int t = 0; t < 2000; ++t) port.Arrive(milliseconds(t), LoginReplyBytes(kOtherId, kTarget, 1));
    port.Arrive(milliseconds(1500), fromOther);
    port.Arrive(milliseconds(1500), cut);
    port.Arrive(milliseconds(1600), LoginReplyBytes(kId, kTarget, -3));
    int failedSends = 0;
    EXPECT_EQ(Login(port, [&] { ++failedSends; }), -3);
    EXPECT_EQ(port.fakeClock().Elapsed(), milliseconds(1600));
    EXPECT_EQ(failedSends, 0);
}

TEST_F(ExchangeRulesTest, ALoginThatDidNotLeaveIsToldAtOnceAndStillWaitsItsTurns) {
    ScriptedDatagramPort port;
    port.FailSends();
    std::vector<milliseconds> toldAt;
    EXPECT_EQ(Login(port, [&] { toldAt.push_back(port.fakeClock().Elapsed()); }), 0);
    EXPECT_EQ(toldAt, std::vector<milliseconds>{milliseconds(0)});
    EXPECT_EQ(port.fakeClock().pauses(), kLoginTurns - 1);
}

TEST_F(ExchangeRulesTest, SetAddressCountsTimeoutsAndOtherAcknowledgementsButNotOtherDatagrams) {
    ScriptedDatagramPort silent;
    EXPECT_FALSE(SetAddress(silent));
    EXPECT_EQ(silent.fakeClock().Elapsed(),
              kSetAddressTurns * milliseconds(10) + (kSetAddressTurns - 1) * milliseconds(100));

    // 300 acknowledgements of another request use up all but the last turn; a discovery
    // reply in between takes none; the acknowledgement of this request comes last.
    ScriptedDatagramPort busy;
    for (int i = 0; i < kSetAddressTurns - 1; ++i) busy.Arrive(milliseconds(0), AckBytes(kOtherId));
    busy.Arrive(milliseconds(0), DiscoveryReplyBytes(kId, kTag, "Office"));
    busy.Arrive(milliseconds(30000), AckBytes(kId));
    EXPECT_TRUE(SetAddress(busy));

    ScriptedDatagramPort tooBusy;
    for (int i = 0; i < kSetAddressTurns; ++i) tooBusy.Arrive(milliseconds(0), AckBytes(kOtherId));
    tooBusy.Arrive(milliseconds(0), AckBytes(kId));
    EXPECT_FALSE(SetAddress(tooBusy));
    EXPECT_EQ(tooBusy.pending(), 1u);
}

}  // namespace
}  // namespace lumora::test

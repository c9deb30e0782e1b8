// The client's transport and status check against a misbehaving appliance, and
// several requests at once.

#include "protocol/cgi/CgiClient.h"

#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/CgiForms.h"
#include "protocol/cgi/CgiRequestText.h"
#include "protocol/cgi/CgiTransport.h"
#include "protocol/query/Messages.h"
#include "CgiTestFixture.h"

namespace lumora::test {
namespace {

using Clock = std::chrono::steady_clock;

class CgiClientTest : public CgiEndToEnd {
protected:
    // Runs GetWizardInfo and returns its WM_CGI_RESULT wParam.
    WPARAM WizardResult() {
        const std::size_t before = window.received.size();
        EXPECT_NE(GetWizardInfo(window.handle(), 0), 0u);
        // Generous: a silent appliance takes about 8 s, more on a loaded machine.
        EXPECT_TRUE(WaitForMessages(before + 1, std::chrono::seconds(30)));
        return window.received.size() > before ? window.received[before].wParam : 99;
    }
    double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }
};

TEST_F(CgiClientTest, StatusLines) {
    StartServer();
    const std::pair<const char*, WPARAM> cases[] = {
        {"", 0},
        {"HTTP/1.0 200", 0},  // no reason phrase is still success
        {"HTTP/1.1 200 OK", 1},
        {"HTTP/1.0 500 Internal Server Error", 1},
        {"HTTP/1.0 200OK", 1},
    };
    for (const auto& [line, result] : cases) {
        server->WithState([line = line](sim::CgiState& s) { s.faults.statusLine = line; });
        EXPECT_EQ(WizardResult(), result) << line;
    }
}

TEST_F(CgiClientTest, WrongPasswordIsRefusedByTheAppliance) {
    StartServer();
    SetCredentials("admin", "nope");
    EXPECT_EQ(WizardResult(), 1u);
}

TEST_F(CgiClientTest, BodyFaultsReachTheHandlers) {
    StartServer();
    // An empty body passes the status check; the wizard handler reports success on nothing.
    server->WithState([](sim::CgiState& s) { s.faults.emptyBody = true; });
    g_wizardInfo.Update([](WizardInfo& info) { info.timeZone = 5; });
    EXPECT_EQ(WizardResult(), 0u);
    EXPECT_EQ(g_wizardInfo.Get().timeZone, 0);
    // Bytes 0xF0 and above empty the UTF-8 document: all zero, still success.
    server->WithState([](sim::CgiState& s) { s.faults.emptyBody = false; s.faults.highBytes = true; });
    EXPECT_EQ(WizardResult(), 0u);
    EXPECT_EQ(FieldText(g_wizardInfo.Get().ip), "");
    // A reply whose document is broken fails a handler that checks the load.
    server->WithState([](sim::CgiState& s) { s.faults.highBytes = false; s.faults.malformedXml = true; });
    g_shareList.Set({});
    ASSERT_NE(GetShareList(window.handle(), 0, 0), 0u);
    ASSERT_TRUE(WaitForMessages(3));
    EXPECT_EQ(window.received[2].wParam, 1u);
    EXPECT_TRUE(g_shareList.Get().empty());
    // Half a reply: the document never ends.
    server->WithState([](sim::CgiState& s) { s.faults.malformedXml = false; s.faults.closeMidReply = true; });
    ASSERT_NE(GetShareList(window.handle(), 0, 0), 0u);
    ASSERT_TRUE(WaitForMessages(4));
    EXPECT_EQ(window.received[3].wParam, 1u);
}

TEST_F(CgiClientTest, LongRepliesAreCutAt4095Bytes) {
    StartServer();
    server->WithState([](sim::CgiState& s) { s.faults.oversizeReply = true; });
    const std::string request = *BuildCgiRequestText(kKindWizardInfo, kAddress, kWizardInfoForm, "admin");
    const std::optional<std::string> reply = ExchangeCgiRequest(kAddress, 80, request, [] { return false; });
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->size(), kMaxReplyText);
    EXPECT_TRUE(reply->starts_with("HTTP/1.0 200 OK\r\n"));
    // The padding sits after the document, so the cut reply still reads.
    EXPECT_EQ(WizardResult(), 0u);
    EXPECT_EQ(FieldText(g_wizardInfo.Get().ip), kAddress);
}

TEST_F(CgiClientTest, RefusedConnectGivesUpAfterAboutOneSecond) {
    // Nothing listens on the appliance's address.
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(WizardResult(), 1u);
    EXPECT_GT(Seconds(start), 0.7);
    // Well below the 8 s of a silent address, with room for a loaded machine's late wake-ups.
    EXPECT_LT(Seconds(start), 6.0);
}

TEST_F(CgiClientTest, SilentApplianceEndsAfterAboutEightSeconds) {
    StartServer();
    server->WithState([](sim::CgiState& s) { s.faults.neverAnswer = true; });
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(WizardResult(), 1u);  // nothing arrived: the status check fails on the empty reply
    EXPECT_GT(Seconds(start), 6.5);
    EXPECT_LT(Seconds(start), 20.0);  // it ends: 101 idle turns, stretched only by a loaded machine
}

TEST_F(CgiClientTest, StopFlagEndsTheWaitAtOnce) {
    StartServer();
    server->WithState([](sim::CgiState& s) { s.faults.neverAnswer = true; });
    std::shared_ptr<CQuery> query = MakeQuery(window.handle());
    query->nasIndex = 0;
    query->requestType = kRequestCgi;
    query->kind = kKindWizardInfo;
    ASSERT_TRUE(BuildCgiRequest(*query, kWizardInfoForm));
    ASSERT_NE(StartQuery(query), 0u);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Clock::time_point start = Clock::now();
    query->Stop();
    // A wait ends within one 80 ms turn; the bound leaves room for a loaded machine and
    // still stays far below the 8 s the receive would otherwise take.
    EXPECT_LT(Seconds(start), 2.0);
    ASSERT_TRUE(WaitForMessages(1, std::chrono::seconds(10)));
    EXPECT_EQ(window.received[0].wParam, 1u);
}

TEST_F(CgiClientTest, ManyRequestsAtOnceEachGetTheirOwnRecords) {
    sim::CgiState state;
    state.volumes = {{1, "standard", "sda", 900, 3}, {2, "standard", "sdb", 800, 4}};
    StartServer(state);
    constexpr int kRequests = 24;
    std::vector<RequestHandle> handles;
    for (int i = 0; i < kRequests; ++i) handles.push_back(GetVolumeInfo(window.handle(), 0));
    ASSERT_TRUE(WaitForMessages(kRequests));
    std::set<RequestHandle> reported;
    for (const CgiReport& r : window.received) {
        ASSERT_EQ(r.message, WM_QUERY_RESULT);
        ASSERT_TRUE(r.query);
        reported.insert(r.query->requestHandle);
    }
    EXPECT_EQ(reported, std::set<RequestHandle>(handles.begin(), handles.end()));
    for (const CgiReport& r : window.received) {
        const VolumeUsage& first = r.query->volumes;
        EXPECT_EQ(first.totalSize >> 20, 900);
        ASSERT_TRUE(first.next);
        EXPECT_EQ(first.next->usedSize >> 20, 4);
    }
}

}  // namespace
}  // namespace lumora::test

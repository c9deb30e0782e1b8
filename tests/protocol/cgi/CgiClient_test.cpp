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

class CgiClientTest : public CgiEndToEnd {
protected:
    // Runs GetWizardInfo and returns its WM_CGI_RESULT wParam.
    WPARAM WizardResult() {
        const std::size_t before = window.received.size();
        lastHandle = GetWizardInfo(window.handle(), 0);
        EXPECT_NE(lastHandle, 0u);
        // Generous: a silent appliance takes about 8 s, more on a loaded machine.
        EXPECT_TRUE(WaitForMessages(before + 1, std::chrono::seconds(30)));
        return window.received.size() > before ? window.received[before].wParam : 99;
    }
    RequestHandle lastHandle = 0;
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
    server->WithState([](sim::CgiState& s) {
        s.faults.emptyBody = false;
        s.faults.highBytes = true;
    });
    EXPECT_EQ(WizardResult(), 0u);
    EXPECT_EQ(FieldText(g_wizardInfo.Get().ip), "");
    // A reply whose document is broken fails a handler that checks the load.
    server->WithState([](sim::CgiState& s) {
        s.faults.highBytes = false;
        s.faults.malformedXml = true;
    });
    g_shareList.Set({});
    ASSERT_NE(GetShareList(window.handle(), 0, 0), 0u);
    ASSERT_TRUE(WaitForMessages(3));
    EXPECT_EQ(window.received[2].wParam, 1u);
    EXPECT_TRUE(g_shareList.Get().empty());
    // Half a reply: the document never ends.
    server->WithState([](sim::CgiState& s) {
        s.faults.malformedXml = false;
        s.faults.closeMidReply = true;
    });
    ASSERT_NE(GetShareList(window.handle(), 0, 0), 0u);
    ASSERT_TRUE(WaitForMessages(4));
    EXPECT_EQ(window.received[3].wParam, 1u);
}

TEST_F(CgiClientTest, LongRepliesAreCutAt4095Bytes) {
    StartServer();
    server->WithState([](sim::CgiState& s) { s.faults.oversizeReply = true; });
    const std::string request = *BuildCgiRequestText(kKindWizardInfo, kAddress, kWizardInfoForm, "admin");
    const std::optional<std::string> reply =
        ExchangeCgiRequest(kAddress, 80, request, [] { return false; }).reply;
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->size(), kMaxReplyText);
    EXPECT_TRUE(reply->starts_with("HTTP/1.0 200 OK\r\n"));
    // The padding sits after the document, so the cut reply still reads.
    EXPECT_EQ(WizardResult(), 0u);
    EXPECT_EQ(FieldText(g_wizardInfo.Get().ip), kAddress);
}

TEST_F(CgiClientTest, RefusedAndSilentAppliancesFailWithTheirReasons) {
    // Nothing listens on the appliance's address yet. (How long each takes is checked on a
    // fake clock in CgiTransportRules_test.cpp.)
    EXPECT_EQ(WizardResult(), 1u);
    std::optional<RecordedFailure> failure = TakeRequestFailure(lastHandle);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->failure, RequestFailure::Refused);
    EXPECT_EQ(failure->host, kAddress);

    StartServer();
    server->WithState([](sim::CgiState& s) { s.faults.neverAnswer = true; });
    EXPECT_EQ(WizardResult(), 1u);  // nothing arrived: the status check fails on the empty reply
    failure = TakeRequestFailure(lastHandle);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->failure, RequestFailure::Silent);
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

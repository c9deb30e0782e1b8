// Login checks against simulated appliances.

#include "app/Settings.h"
#include "protocol/query/Credentials.h"

#include "ExchangeFixture.h"

namespace lumora::test {
namespace {

class LoginExchangeTest : public ExchangeTest {
protected:
    // Discovers the appliances of `config` on one adapter.
    void SetUpAppliances(const std::string& config) {
        ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
        ASSERT_TRUE(net.StartSim(SimBinary(), config));
        Discover();
        ASSERT_GE(NasList::Instance().Count(), 1);
        window.got.clear();
    }
    // Runs a login check to the end of its worker.
    RequestHandle Login(int nasIndex, std::u16string_view user, std::u16string_view password) {
        const RequestHandle handle = StartLogin(registration.handle(), nasIndex, user, password);
        EXPECT_TRUE(PumpUntil([&] { return !window.got.empty() || RunningWorkerCount() == 0; },
                              std::chrono::seconds(30)));
        loop.RunFor(std::chrono::milliseconds(20));  // a report posted just before the worker ended
        return handle;
    }
    ConfigHome config;
};

TEST_F(LoginExchangeTest, AcceptedLoginReportsItsRequest) {
    SetUpAppliances(ApplianceSection("Office", "00:00:00:00:00:01", "nas0", "192.0.2.20"));
    const RequestHandle handle = Login(0, u"bob", u"secret");
    ASSERT_EQ(window.got.size(), 1u);
    EXPECT_EQ(window.got[0].message, WM_QUERY_RESULT);
    auto taken = CMsg::Instance().TakeParam(window.got[0].lParam);
    ASSERT_TRUE(taken.found);
    EXPECT_EQ(taken.request->requestHandle, handle);
    EXPECT_EQ(taken.request->requestType, kRequestLogin);
    EXPECT_EQ(CredentialText(g_userName), "bob");
    EXPECT_EQ(CredentialText(g_password), "secret");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(LoginExchangeTest, RefusedLoginPostsNothingAndForgetsTheCredentials) {
    SetUpAppliances(ApplianceSection("Office", "00:00:00:00:00:01", "nas0", "192.0.2.20"));
    WriteSetting(kSectionCurrent, kKeyServName, u"Office");
    RememberLogin(u"Office", u"bob", u"old");
    Login(0, u"bob", u"wrong");
    EXPECT_TRUE(window.got.empty());
    EXPECT_EQ(CredentialText(g_userName), "");
    EXPECT_EQ(CredentialText(g_password), "");
    RememberedLogin remembered = ReadRememberedLogin(u"Office");
    EXPECT_EQ(remembered.userName, u"");
    EXPECT_EQ(remembered.password, u"");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, u"Username or password error.");
}

TEST_F(LoginExchangeTest, UnansweredLoginIsRefused) {
    SetUpAppliances(ApplianceSection("Mute", "00:00:00:00:00:01", "nas0", "192.0.2.20", "silent = login\n"));
    Login(0, u"admin", u"admin");
    EXPECT_TRUE(window.got.empty());
    EXPECT_EQ(CredentialText(g_password), "");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, u"Username or password error.");
}

TEST_F(LoginExchangeTest, AnswersThatDoNotMatchAreNotTaken) {
    // Each appliance answers wrongly; with the right password a match would be accepted.
    SetUpAppliances(ApplianceSection("OtherId", "00:00:00:00:00:01", "nas0", "192.0.2.20") +
                    ApplianceSection("Short", "00:00:00:00:00:02", "nas0", "192.0.2.21"));
    // Both appliances are listed; now make their answers wrong.
    net.StopSim();
    ASSERT_TRUE(net.StartSim(
        SimBinary(),
        ApplianceSection("OtherId", "00:00:00:00:00:01", "nas0", "192.0.2.20", "wrong_id = 1\n") +
            ApplianceSection("Short", "00:00:00:00:00:02", "nas0", "192.0.2.21", "truncate = 28\n")));
    for (int nas = 0; nas < 2; ++nas) {
        dialogs.Clear();
        Login(nas, u"bob", u"secret");
        EXPECT_TRUE(window.got.empty()) << nas;
        EXPECT_EQ(dialogs.shown().size(), 1u) << nas;
    }
}

TEST_F(LoginExchangeTest, ADiscoveryStartedWhileALoginRunsLeavesTheLoginItsOwnId) {
    SetUpAppliances(ApplianceSection("Office", "00:00:00:00:00:01", "nas0", "192.0.2.20"));
    net.StopSim();
    ASSERT_TRUE(net.StartSim(SimBinary(), ApplianceSection("Office", "00:00:00:00:00:01", "nas0",
                                                           "192.0.2.20", "delay_ms = 100\n")));
    // Another id than any a discovery could make now, as if the last discovery were older.
    CurrentRequestId() = MakeRequestId(12345);
    const RequestHandle login = StartLogin(registration.handle(), 0, u"bob", u"secret");
    ASSERT_NE(login, 0u);
    // Refresh while the login waits: a new process-wide id (the windows ignore the login's result).
    ASSERT_NE(StartDiscovery(registration.handle()), 0u);
    ASSERT_TRUE(WaitForMessages(2));
    bool loginAccepted = false;
    for (const RecordedMessage& m : window.got) {
        auto taken = CMsg::Instance().TakeParam(m.lParam);
        if (taken.request && taken.request->requestHandle == login) loginAccepted = true;
    }
    EXPECT_TRUE(loginAccepted);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(LoginExchangeTest, AdapterGoneSinceTheDiscoveryReportsTheFailedSend) {
    SetUpAppliances(ApplianceSection("Office", "00:00:00:00:00:01", "nas0", "192.0.2.20"));
    ASSERT_EQ(RunProgram({"ip", "link", "del", "pc0"}), 0);
    ASSERT_NE(StartLogin(registration.handle(), 0, u"bob", u"secret"), 0u);
    // The failed send is told at once, before the turns are waited.
    ASSERT_TRUE(PumpUntil([&] { return !dialogs.shown().empty(); }, std::chrono::seconds(30)));
    EXPECT_EQ(dialogs.shown().size(), 1u);
    ASSERT_TRUE(PumpUntil([&] { return RunningWorkerCount() == 0; }, std::chrono::seconds(30)));
    loop.RunFor(std::chrono::milliseconds(20));
    EXPECT_TRUE(window.got.empty());
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, u"result_sendto failed.");
    EXPECT_EQ(dialogs.shown()[1].text, u"Username or password error.");
}

TEST_F(LoginExchangeTest, UnknownApplianceStartsNothing) {
    SetUpAppliances(ApplianceSection("Office", "00:00:00:00:00:01", "nas0", "192.0.2.20"));
    EXPECT_EQ(StartLogin(registration.handle(), 5, u"bob", u"secret"), 0u);
    EXPECT_EQ(StartLogin(registration.handle(), -1, u"bob", u"secret"), 0u);
    EXPECT_EQ(StartSetAddress(registration.handle(), 1,
                              MakeIpConfigBlock("198.51.100.4", "255.255.255.0", "", false)),
              0u);
    EXPECT_EQ(RunningWorkerCount(), 0);
}

}  // namespace
}  // namespace lumora::test

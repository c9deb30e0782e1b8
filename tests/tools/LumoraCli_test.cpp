// lumora-cli end to end: the built tool against kl440-sim in private namespaces.

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "support/ApplianceSection.h"
#include "support/SimNetwork.h"

namespace lumora::test {
namespace {

TEST(LumoraCliTest, UsageErrorsExitWithTwo) {
    // Should a case slip past the checks, its discovery stays inside a namespace of its own.
    FreshNetNamespace isolated;
    if (!isolated.ok()) GTEST_SKIP() << "network namespaces are not available here";
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"fly"},
        {"discover", "extra"},
        {"login", "0", "-u", "admin"},
        {"login", "0", "-u", "admin", "-p"},
        {"login", "-u", "a", "-p", "b"},
        {"login", "0", "-u", std::string(17, 'u'), "-p", "x"},
        {"set-address", "0"},
        {"set-address", "0", "--dhcp", "--ip", "192.0.2.1", "--mask", "255.255.255.0"},
        {"set-address", "0", "--ip", "192.0.2.300", "--mask", "255.255.255.0"},
        {"set-address", "0", "--ip", "192.0.2.3"},
        {"set-address", "0", "--ip", "192.0.2.3", "--mask", "255.255.255.0", "--colour", "red"},
    };
    for (const auto& args : cases) {
        ProgramResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "" : args[0]);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("usage"), std::string::npos);
    }
    EXPECT_EQ(RunCli({"--help"}).exitCode, 0);
}

TEST(LumoraCliTest, DiscoveryThatNobodyAnswersExitsWithOne) {
    SimNetwork net;
    if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ProgramResult json = RunCli({"--json", "discover"});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.out, "[]\n");
    EXPECT_NE(json.err.find("no appliance answered"), std::string::npos);
    ProgramResult table = RunCli({"discover"});
    EXPECT_EQ(table.exitCode, 1);
    EXPECT_TRUE(table.out.empty());
}

TEST(LumoraCliTest, AnApplianceNamedWithDigitsIsFoundByItsName) {
    SimNetwork net;
    if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
    ConfigHome config;
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(
        net.StartSim(SimBinary(), ApplianceSection("440", "00:11:22:33:44:77", "nas0", "192.0.2.44")));
    ProgramResult byName = RunCli({"--json", "login", "440", "-u", "admin", "-p", "admin"});
    EXPECT_EQ(byName.exitCode, 0) << byName.err;
    EXPECT_NE(byName.out.find("\"accepted\": true"), std::string::npos);
}

class LumoraCliNetworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
        ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
        // Office on a subnet of its own; Backup on the adapter's, with a wider mask of its own.
        ASSERT_TRUE(net.StartSim(SimBinary(),
                                 ApplianceSection("Office", "00:11:22:33:44:55", "nas0", "198.51.100.20") +
                                     ApplianceSection("Backup", "00:11:22:33:44:66", "nas0", "192.0.2.30",
                                                      "netmask = 255.255.0.0\ndhcp = 1\n")));
    }
    ConfigHome config;  // the desktop program's settings file, which the tool leaves alone
    SimNetwork net;
};

TEST_F(LumoraCliNetworkTest, DiscoverListsEveryField) {
    ProgramResult r = RunCli({"discover", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(
        r.out,
        "[\n"
        "  {\"index\": 0, \"name\": \"Office\", \"ip\": \"198.51.100.20\", \"netmask\": \"255.255.255.0\", "
        "\"gateway\": \"198.51.100.1\", \"dhcp\": false, \"mac\": \"00:11:22:33:44:55\", "
        "\"adapter\": \"192.0.2.1\", \"adapterIndex\": 0},\n"
        "  {\"index\": 1, \"name\": \"Backup\", \"ip\": \"192.0.2.30\", \"netmask\": \"255.255.0.0\", "
        "\"gateway\": \"192.0.2.1\", \"dhcp\": true, \"mac\": \"00:11:22:33:44:66\", "
        "\"adapter\": \"192.0.2.1\", \"adapterIndex\": 0}\n"
        "]\n");
    ProgramResult table = RunCli({"discover"});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_NE(table.out.find("Backup"), std::string::npos);
}

TEST_F(LumoraCliNetworkTest, LoginAcceptsAndRefuses) {
    // What the desktop program remembers for the appliance it used last.
    WriteSetting(kSectionCurrent, kKeyServName, u"Office");
    RememberLogin(u"Office", u"admin", u"admin");
    ProgramResult ok = RunCli({"login", "Office", "-u", "admin", "-p", "admin"});
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    ProgramResult refused = RunCli({"--json", "login", "00:11:22:33:44:66", "-u", "admin", "-p", "nope"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("Username or password error."), std::string::npos);
    EXPECT_NE(refused.out.find("\"accepted\": false"), std::string::npos);
    ProgramResult missing = RunCli({"login", "Nobody", "-u", "admin", "-p", "admin"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.empty());
    ProgramResult wrongHere = RunCli({"login", "Office", "-u", "admin", "-p", "nope"});
    EXPECT_EQ(wrongHere.exitCode, 1);
    // A refusal of the tool's own does not wipe the desktop program's remembered login.
    const RememberedLogin kept = ReadRememberedLogin(u"Office");
    EXPECT_EQ(kept.userName, u"admin");
    EXPECT_EQ(kept.password, u"admin");
}

TEST_F(LumoraCliNetworkTest, SetAddressMovesTheAppliance) {
    ProgramResult moved = RunCli(
        {"set-address", "0", "--ip", "192.0.2.40", "--mask", "255.255.255.0", "--gateway", "192.0.2.1"});
    ASSERT_EQ(moved.exitCode, 0) << moved.err;
    ProgramResult again = RunCli({"--json", "discover"});
    EXPECT_NE(again.out.find("\"name\": \"Office\", \"ip\": \"192.0.2.40\", \"netmask\": \"255.255.255.0\", "
                             "\"gateway\": \"192.0.2.1\""),
              std::string::npos)
        << again.out;
}

}  // namespace
}  // namespace lumora::test

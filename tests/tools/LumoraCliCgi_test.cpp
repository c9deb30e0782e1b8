// lumora-cli's CGI commands end to end: the built tool against kl440-sim's web side
// in private namespaces.

#include <gtest/gtest.h>

#include "support/ApplianceSection.h"
#include "support/SimNetwork.h"

namespace lumora::test {
namespace {

std::vector<std::string> As(const char* user, const char* password, std::vector<std::string> args) {
    args.insert(args.end(), {"-u", user, "-p", password});
    return args;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(LumoraCliCgiTest, UsageErrorsSendNothing) {
    // Should a case slip past the checks, its discovery stays inside a namespace of its own.
    FreshNetNamespace isolated;
    if (!isolated.ok()) GTEST_SKIP() << "network namespaces are not available here";
    const std::vector<std::vector<std::string>> cases = {
        {"volumes", "0", "-u", "admin"},
        {"format", "0", "raid1", "-u", "admin", "-p", "admin"},  // no --yes
        {"format", "0", "raid5", "-u", "admin", "-p", "admin", "--yes"},
        {"set-timezone", "0", "east", "-u", "admin", "-p", "admin"},
        {"set-device", "0", "-u", "admin", "-p", "admin", "--name", "a-name-longer-than-15"},
        {"set-network", "0", "-u", "admin", "-p", "admin", "--ip", "192.0.2.9"},
        {"set-network", "0", "-u", "admin", "-p", "admin", "--dhcp", "--dns1", "nine"},
        {"passwd", "0", "-u", "admin", "-p", "admin"},
        {"passwd", "0", "-u", "admin", "-p", "admin", "--new", std::string(17, 'x')},
        // Characters the 8-bit code page cannot hold would be sent as "?".
        {"passwd", "0", "-u", "admin", "-p", "admin", "--new",
         "\xD0\x9F\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C"
         "12"},
        {"volumes", "0", "-u", "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", "-p", "admin"},
        {"shares", "0", "-u", "admin", "-p", "\xE2\x82\xAC\xE2\x84\xA2\xCE\xA9"},
        {"login", "0", "-u", "admin", "-p", "\xCE\xA9mega"},
        {"login", "0", "-u", "admin", "-p", "bad\xFFutf8"},
        // No -p and no terminal to ask on; both sources at once; an empty standard input.
        {"info", "0", "-u", "admin"},
        {"info", "0", "-u", "admin", "-p", "admin", "--password-stdin"},
        {"login", "0", "-u", "admin", "--password-stdin"},
    };
    for (const auto& args : cases) {
        const ProgramResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << args[0];
        EXPECT_TRUE(Contains(r.err, "usage")) << args[0];
    }
    EXPECT_TRUE(Contains(RunCli({"format", "0", "raid1", "-u", "a", "-p", "b"}).err, "--yes"));
}

class LumoraCliCgiNetworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
        ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
        ASSERT_TRUE(net.StartSim(
            SimBinary(), ApplianceSection("Office", "00:11:22:33:44:55", "nas0", "192.0.2.20",
                                          "web.disks = sda:1000,sdb:500\n"
                                          "web.volumes = 1:standard:sda:1000:250,2:standard:sdb:500:5\n"
                                          "web.shares = Public,M\xC3\xBCsik\n"
                                          "web.access.bob = 1,1,1,1,0,1,1,1,0,1,0\n"
                                          "web.format_seconds = 1.5\nweb.move_delay = 1.5\n")));
    }
    SimNetwork net;
};

TEST_F(LumoraCliCgiNetworkTest, ReadingCommands) {
    ProgramResult r = RunCli(As("admin", "admin", {"--json", "volumes", "Office"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"volume\": 1, \"totalKiB\": 1048576000, \"usedKiB\": 262144000")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"volume\": 2")) << r.out;

    r = RunCli(As("bob", "secret", {"shares", "0"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Public\nM\xC3\xBCsik\n");

    r = RunCli(As("admin", "admin", {"--json", "info", "0"}));
    EXPECT_TRUE(Contains(r.out, "\"name\": \"Office\"")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"ip\": \"192.0.2.20\"")) << r.out;

    r = RunCli(As("admin", "admin", {"lan", "0"}));
    EXPECT_TRUE(Contains(r.out, "netmask  255.255.255.0")) << r.out;

    r = RunCli(As("bob", "secret", {"--json", "access", "0"}));
    EXPECT_TRUE(Contains(r.out,
                         "\"Download Center\": true, \"Backup Center\": true, \"Management Center\": false, "
                         "\"Surveillance Center\": true"))
        << r.out;

    r = RunCli(As("admin", "admin", {"--json", "disks", "0"}));
    EXPECT_TRUE(Contains(r.out, "{\"name\": \"sdb\", \"sizeGiB\": 500}")) << r.out;

    // A refused login sends no CGI request and says why.
    r = RunCli(As("admin", "wrong", {"volumes", "0"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "Username or password error.")) << r.err;
}

TEST_F(LumoraCliCgiNetworkTest, ChangingCommandsAndFormat) {
    ProgramResult r =
        RunCli(As("admin", "admin", {"set-device", "0", "--name", "Attic", "--description", "a&b=c"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    r = RunCli(As("admin", "admin", {"set-timezone", "Attic", "33"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    r = RunCli(As("admin", "admin", {"--json", "info", "Attic"}));  // the name reached discovery too
    EXPECT_TRUE(Contains(r.out, "\"description\": \"a&b=c\"")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"timeZone\": 33")) << r.out;

    r = RunCli(As("admin", "admin", {"passwd", "0", "--new", "n3w&pw"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(RunCli(As("admin", "admin", {"volumes", "0"})).exitCode, 1);
    EXPECT_EQ(RunCli(As("admin", "n3w&pw", {"volumes", "0"})).exitCode, 0);

    r = RunCli(
        As("admin", "n3w&pw",
           {"set-network", "0", "--ip", "192.0.2.60", "--mask", "255.255.255.0", "--gateway", "192.0.2.1"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Moved from 192.0.2.20 to 192.0.2.60; it answers there.\n");

    r = RunCli(As("admin", "n3w&pw", {"--json", "format", "0", "raid0", "--yes"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "{\"ok\": true, \"layout\": \"raid0\", \"formatError\": false")) << r.out;
    EXPECT_TRUE(Contains(r.out, "{\"volume\": 1, \"totalGiB\": 994}")) << r.out;
    EXPECT_TRUE(Contains(r.out, "{\"volume\": 2, \"totalGiB\": 494}")) << r.out;
    r = RunCli(As("admin", "n3w&pw", {"volumes", "Attic"}));
    EXPECT_TRUE(Contains(r.out, "Volume_1          994          0    0%")) << r.out;
}

TEST_F(LumoraCliCgiNetworkTest, WebSideFollowsASetAddressDatagram) {
    ProgramResult r = RunCli(
        {"set-address", "Office", "--ip", "192.0.2.77", "--mask", "255.255.255.0", "--gateway", "192.0.2.1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunCli(As("admin", "admin", {"lan", "Office"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "ip       192.0.2.77")) << r.out;
}

TEST(LumoraCliCgiFormatTest, ARefusedFormatSaysSoOnStderr) {
    SimNetwork net;
    if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    // A disk too small for the appliance's reserve: the volume it gives is refused.
    ASSERT_TRUE(net.StartSim(SimBinary(), ApplianceSection("Tiny", "00:11:22:33:44:56", "nas0", "192.0.2.21",
                                                           "web.disks = sda:2\n")));
    const ProgramResult r = RunCli(As("admin", "admin", {"format", "Tiny", "standard", "--yes"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "lumora-cli: setting failed.")) << r.err;
    EXPECT_FALSE(Contains(r.out, "setting failed.")) << r.out;
}

TEST(LumoraCliCgiFailureTest, AFailedRequestPrintsItsReason) {
    SimNetwork net;
    if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(net.StartSim(SimBinary(),
                             ApplianceSection("Broken", "00:11:22:33:44:57", "nas0", "192.0.2.22",
                                              "web.status_line = HTTP/1.0 500 Internal Server Error\n")));
    ProgramResult r = RunCli(As("admin", "admin", {"lan", "Broken"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err,
                         "lumora-cli: the appliance reported no address: 192.0.2.22 did not answer the "
                         "request with status 200"))
        << r.err;
    r = RunCli(As("admin", "admin", {"--json", "lan", "Broken"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.out, R"("reason": "192.0.2.22 did not answer)")) << r.out;
}

}  // namespace
}  // namespace lumora::test

// lumora-cli across a router (--address), its password sources and its help texts, with the
// built tool against kl440-sim in private namespaces.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Command.h"
#include "support/ApplianceSection.h"
#include "support/SimNetwork.h"

namespace lumora::test {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(LumoraCliReachTest, AnApplianceBehindARouterIsReachedByAddress) {
    SimNetwork net;
    if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
    Sandbox files;
    const auto record = files.path() / "requests.log";
    ASSERT_TRUE(net.AddRoutedAdapter("pc0", "198.51.100.2/24", "198.51.100.1/24", "nas0", "192.0.2.1/24"));
    ASSERT_TRUE(net.StartSim(
        SimBinary(),
        ApplianceSection("Office", "00:11:22:33:44:55", "nas0", "192.0.2.20",
                         "web.volumes = 1:standard:sda:1000:250\nweb.record = " + record.string() + "\n")));

    // The discovery datagrams stop at the router; a script sees no progress line.
    ProgramResult r = RunCli({"--json", "discover"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "[]\n");
    EXPECT_FALSE(Contains(r.err, "Searching")) << r.err;

    // Anything but a dotted IPv4 address, or an address beside NAS, is refused before sending.
    const std::vector<std::vector<std::string>> refused = {
        {"info", "--address", "192.0.2", "-u", "admin", "-p", "admin"},
        {"volumes", "--address", "host.example", "-u", "admin", "-p", "admin"},
        {"volumes", "--address", "192.0.2.256", "-u", "admin", "-p", "admin"},
        {"volumes", "Office", "--address", "192.0.2.20", "-u", "admin", "-p", "admin"},
        {"set-timezone", "0", "33", "--address", "192.0.2.20", "-u", "admin", "-p", "admin"},
        {"discover", "--address", "192.0.2.20"},
        {"doctor", "--address", "192.0.2.20"},
        {"set-address", "--address", "192.0.2.20", "--dhcp"},
    };
    for (const auto& args : refused) {
        r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << args[2];
        EXPECT_TRUE(Contains(r.err, "--address")) << r.err;
        EXPECT_TRUE(Contains(r.err, "usage: ")) << r.err;
    }
    EXPECT_TRUE(ReadFile(record).empty());

    r = RunCli({"--json", "info", "--address", "192.0.2.20", "-u", "admin", "-p", "admin"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"name\": \"Office\"")) << r.out;
    // The password from standard input ends at its line.
    r = RunCli({"volumes", "--address", "192.0.2.20", "-u", "bob", "--password-stdin"}, "secret\nnot this\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Volume_1")) << r.out;
    r = RunCli({"set-timezone", "--address", "192.0.2.20", "33", "-u", "admin", "--password-stdin"},
               "admin\r\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(ReadFile(record).empty());

    // A refused password is a failed login, told as such.
    r = RunCli({"volumes", "--address", "192.0.2.20", "-u", "admin", "-p", "wrong"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "192.0.2.20 refused the password")) << r.err;
    EXPECT_TRUE(r.out.empty());
    r = RunCli({"--json", "login", "--address", "192.0.2.20", "-u", "admin", "--password-stdin"}, "wrong\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.out, "\"accepted\": false")) << r.out;
    r = RunCli({"login", "--address", "192.0.2.20", "-u", "admin", "-p", "admin"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "192.0.2.20 accepted admin.\n");

    // With --password-stdin the new password is the next line; the old one is then refused.
    r = RunCli({"passwd", "--address", "192.0.2.20", "-u", "admin", "--password-stdin"}, "admin\nn3w pw\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(RunCli({"login", "--address", "192.0.2.20", "-u", "admin", "-p", "n3w pw"}).exitCode, 0);
    EXPECT_EQ(RunCli({"login", "--address", "192.0.2.20", "-u", "admin", "-p", "admin"}).exitCode, 1);
    r = RunCli({"passwd", "--address", "192.0.2.20", "-u", "admin", "--password-stdin"}, "n3w pw\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(Contains(r.err, "new password")) << r.err;
}

TEST(LumoraCliReachTest, EveryCommandHasItsHelp) {
    const std::string general = RunCli({"--help"}).out;
    EXPECT_TRUE(Contains(general, "shows in\n`ps`")) << general;
    for (const cli::Command& command : cli::CommandTable()) {
        const ProgramResult asked = RunCli({command.name, "--help"});
        EXPECT_EQ(asked.exitCode, 0) << command.name;
        EXPECT_EQ(asked.out, RunCli({"help", command.name}).out);
        EXPECT_TRUE(Contains(asked.out, "usage: lumora-cli [--json] " + std::string(command.name)))
            << asked.out;
        EXPECT_TRUE(Contains(asked.out, "exit codes: 0 success")) << asked.out;
        EXPECT_EQ(Contains(asked.out, "--password-stdin"), command.reach == cli::Reach::Http) << command.name;
        EXPECT_TRUE(Contains(general, std::string(command.name) + " ")) << command.name;
        EXPECT_TRUE(Contains(general, command.summary)) << command.name;
    }
    EXPECT_EQ(RunCli({"help", "fly"}).exitCode, 2);
}

}  // namespace
}  // namespace lumora::test

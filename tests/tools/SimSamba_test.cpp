// kl440-sim serves real SMB shares also where it runs without privileges: in a user
// namespace setgroups() is denied, and smbd stops at start unless the simulator puts
// uid_wrapper under it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "support/ApplianceSection.h"
#include "support/SimNetwork.h"

namespace lumora::test {
namespace {

using namespace std::chrono_literals;

bool Installed(const char* file) {
    for (const char* dir :
         {"/usr/sbin/", "/usr/bin/", "/usr/lib/x86_64-linux-gnu/", "/usr/lib/aarch64-linux-gnu/"})
        if (::access((std::string(dir) + file).c_str(), R_OK) == 0) return true;
    return false;
}

TEST(SimSambaTest, ServesSharesInsideAUserNamespace) {
    for (const char* piece : {"smbd", "smbpasswd", "libnss_wrapper.so", "libuid_wrapper.so"})
        if (!Installed(piece)) GTEST_SKIP() << piece << " is not installed (scripts/deps.sh installs it)";
    if (RunProgram({"unshare", "--user", "--map-root-user", "--net", "true"}) != 0)
        GTEST_SKIP() << "user namespaces are not available here";
    Sandbox files;
    const auto config = files.path() / "office.conf";
    std::ofstream(config) << ApplianceSection("KL440-Office", "00:11:22:33:44:55", "nas0", "192.0.2.10",
                                              "web.shares = Public\nsamba = 1\n");
    // As `unshare --map-root-user` does for anyone: root inside, setgroups() denied.
    ChildProcess sim = SpawnProgram(
        {"unshare", "--user", "--map-root-user", "--net", "--", "sh", "-c",
         "ip link set lo up && ip link add nas0 type veth peer name pc0 && ip link set pc0 up && "
         "exec \"$0\" --config \"$1\" 2>&1",
         SimBinary(), config.string()});
    ASSERT_TRUE(sim.WaitForLine("kl440-sim: ready", 120s)) << sim.output();
    EXPECT_NE(sim.output().find("samba: KL440-Office serves 1 shares on 192.0.2.10"), std::string::npos)
        << sim.output();
    sim.Stop();
}

}  // namespace
}  // namespace lumora::test

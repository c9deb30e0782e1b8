// kl440-sim does not outlive the process that started it.

#include <gtest/gtest.h>
#include <signal.h>

#include <fstream>
#include <thread>

#include "support/ApplianceSection.h"
#include "support/SimNetwork.h"

namespace lumora::test {
namespace {

// 'R', 'S', ... of a process, or 0 once it is gone; a zombie ('Z') has ended too.
char ProcessState(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return 0;
    const auto close = line.rfind(')');
    return close == std::string::npos || close + 2 >= line.size() ? 0 : line[close + 2];
}

TEST(SimLifetimeTest, EndsWhenItsStarterEndsWithoutStoppingIt) {
    SimNetwork net;
    if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    Sandbox files;
    const auto config = files.path() / "one.conf";
    std::ofstream(config) << ApplianceSection("Left", "00:00:00:00:00:01", "nas0", "192.0.2.20");
    // A starter that dies without a word, as a crashed test does.
    ChildProcess starter = net.appliances().Spawn(
        {"sh", "-c",
         SimBinary() + " --config " + config.string() + " >/dev/null 2>&1 & echo pid=$!; sleep 1"});
    ASSERT_TRUE(starter.WaitForLine("\n", std::chrono::seconds(10)));
    const pid_t sim = static_cast<pid_t>(std::stol(starter.output().substr(starter.output().find('=') + 1)));
    ASSERT_GT(sim, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    char state = ProcessState(sim);
    while (state != 0 && state != 'Z' && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        state = ProcessState(sim);
    }
    EXPECT_TRUE(state == 0 || state == 'Z') << "still running: " << state;
    if (state != 0 && state != 'Z') kill(sim, SIGKILL);
}

}  // namespace
}  // namespace lumora::test

#include "platform/CommandRunner.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using namespace std::chrono_literals;

TEST(CommandRunner, FeedsInputAndCollectsOutputAndExitCode) {
    CommandRunner& run = SystemCommandRunner();
    const std::string big(1 << 20, 'x');  // far more than a pipe holds: input and output must interleave
    CommandResult r = run.Run({"cat"}, big, 60s);
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, big);

    r = run.Run({"sh", "-c", "echo out; echo err >&2; exit 3"}, {}, 60s);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "out\n");
    EXPECT_EQ(r.err, "err\n");

    r = run.Run({"env"}, {}, 60s);
    EXPECT_NE(r.out.find("\nLC_ALL=C.UTF-8\n"), std::string::npos);
}

TEST(CommandRunner, SurvivesProgramsThatIgnoreInputHangOrAreMissing) {
    CommandRunner& run = SystemCommandRunner();
    // Gone before its input is written: no SIGPIPE for us.
    CommandResult r = run.Run({"true"}, std::string(1 << 20, 'x'), 60s);
    EXPECT_EQ(r.exitCode, 0);

    r = run.Run({"sleep", "30"}, {}, 200ms);
    EXPECT_TRUE(r.timedOut);
    EXPECT_EQ(r.exitCode, -1);

    r = run.Run({"lumora-no-such-program"}, {}, 60s);
    EXPECT_FALSE(r.started);
    EXPECT_NE(r.err.find("lumora-no-such-program"), std::string::npos);
}

}  // namespace
}  // namespace lumora

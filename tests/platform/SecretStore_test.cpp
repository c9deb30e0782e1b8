// The desktop keyring over a scripted secret-tool: how often it is asked whether it
// answers, and what a keyring that goes away mid-run looks like.

#include "platform/SecretStore.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lumora {
namespace {

// Plays secret-tool: `up` says whether a Secret Service answers; records every call.
class FakeSecretTool final : public CommandRunner {
public:
    struct Call {
        std::vector<std::string> argv;
        std::string input;
    };
    std::vector<Call> calls;
    bool up = true;

    CommandResult Run(const std::vector<std::string>& argv, std::string_view input,
                      std::chrono::milliseconds) override {
        calls.push_back({argv, std::string(input)});
        CommandResult r;
        r.started = true;
        r.exitCode = up ? (argv[1] == "lookup" ? 1 : 0) : 1;  // a lookup of nothing ends quietly
        if (!up) r.err = "secret-tool: The name org.freedesktop.secrets was not provided\n";
        return r;
    }
};

// DBUS_SESSION_BUS_ADDRESS set for the test's life (the keyring never asks without one).
class WithBus {
public:
    WithBus() {
        if (const char* old = std::getenv("DBUS_SESSION_BUS_ADDRESS")) old_ = old;
        ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus", 1);
    }
    ~WithBus() {
        old_.empty() ? ::unsetenv("DBUS_SESSION_BUS_ADDRESS")
                     : ::setenv("DBUS_SESSION_BUS_ADDRESS", old_.c_str(), 1);
    }

private:
    std::string old_;
};

TEST(DesktopKeyring, AsksOnceWhetherItAnswersAndAgainOnlyAfterAFailure) {
    WithBus bus;
    FakeSecretTool tool;
    DesktopKeyring keyring(tool);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(keyring.Available());
    EXPECT_EQ(tool.calls.size(), 1u);

    // The password travels on standard input only; an empty lookup is "nothing stored".
    EXPECT_TRUE(keyring.Store(u"KL-440", u"s3cret"));
    EXPECT_EQ(tool.calls.back().input, "s3cret");
    for (const std::string& arg : tool.calls.back().argv) EXPECT_EQ(arg.find("s3cret"), std::string::npos);
    EXPECT_EQ(keyring.Lookup(u"KL-440"), u"");
    EXPECT_TRUE(keyring.Available());
    EXPECT_EQ(tool.calls.size(), 3u);

    // The service goes away: the failed store is reported, and the next question finds out.
    tool.up = false;
    EXPECT_FALSE(keyring.Store(u"KL-440", u"s3cret"));
    EXPECT_FALSE(keyring.Available());
    EXPECT_FALSE(keyring.Available());
    EXPECT_EQ(tool.calls.size(), 5u);
    EXPECT_EQ(keyring.Lookup(u"KL-440"), std::nullopt);
}

}  // namespace
}  // namespace lumora

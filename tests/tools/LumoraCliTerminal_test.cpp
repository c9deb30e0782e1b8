// lumora-cli on a terminal (a pseudo-terminal here): the password prompt without echo, the
// terminal restored however the prompt ends, and the discovery's progress line.

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/SimNetwork.h"

namespace lumora::test {
namespace {

// lumora-cli started on a fresh pseudo-terminal, which is its controlling terminal.
class TerminalRun {
public:
    explicit TerminalRun(std::vector<std::string> args) {
        args.insert(args.begin(), CliBinary());
        // Built before the fork: the child of a threaded process may not allocate (under
        // ThreadSanitizer it hangs on the allocator's lock).
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~TerminalRun() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
    }
    bool started() const { return pid_ > 0; }
    // Reads what the program wrote until `text` appears or it closed the terminal; true if it appeared.
    bool ReadUntil(const std::string& text) {
        while (seen_.find(text) == std::string::npos) {
            pollfd ready{master_, POLLIN, 0};
            if (poll(&ready, 1, 60000) <= 0) return false;
            char chunk[512];
            const ssize_t got = read(master_, chunk, sizeof chunk);
            if (got <= 0) return false;  // EIO: every copy of the terminal's other side is closed
            seen_.append(chunk, static_cast<std::size_t>(got));
        }
        return true;
    }
    void Type(const std::string& text) {
        ASSERT_EQ(write(master_, text.data(), text.size()), ssize_t(text.size()));
    }
    bool Echoing() const {
        termios settings{};
        return tcgetattr(master_, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
    }
    // Waits for the program's end; its wait status.
    int Wait() {
        int status = 0;
        waitpid(std::exchange(pid_, -1), &status, 0);
        return status;
    }
    const std::string& seen() const { return seen_; }

private:
    int master_ = -1;
    pid_t pid_ = -1;
    std::string seen_;
};

TEST(LumoraCliTerminalTest, PromptHidesThePasswordAndAlwaysRestoresTheEcho) {
    // The discovery after the prompt stays inside a namespace of its own.
    FreshNetNamespace isolated;
    if (!isolated.ok()) GTEST_SKIP() << "network namespaces are not available here";
    {
        TerminalRun run({"volumes", "Office", "-u", "admin"});
        ASSERT_TRUE(run.started());
        ASSERT_TRUE(run.ReadUntil("Password for admin: ")) << run.seen();
        EXPECT_FALSE(run.Echoing());
        run.Type("typed-secret\n");
        run.ReadUntil("no appliance Office answered");
        const int status = run.Wait();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << run.seen();
        EXPECT_TRUE(run.Echoing());
        EXPECT_EQ(run.seen().find("typed-secret"), std::string::npos) << run.seen();
        // The search showed itself and was wiped before the next message.
        const std::size_t searching = run.seen().find("Searching for appliances\u2026 0.");
        ASSERT_NE(searching, std::string::npos) << run.seen();
        EXPECT_NE(run.seen().find("\r" + std::string(40, ' ') + "\rlumora-cli: no appliance", searching),
                  std::string::npos)
            << run.seen();
    }
    {
        // Ctrl-C at the prompt ends the program as usual, with the echo back on.
        TerminalRun run({"login", "Office", "-u", "admin"});
        ASSERT_TRUE(run.started());
        ASSERT_TRUE(run.ReadUntil("Password for admin: ")) << run.seen();
        EXPECT_FALSE(run.Echoing());
        run.Type("half\x03");
        const int status = run.Wait();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
        EXPECT_TRUE(run.Echoing());
    }
    {
        // A new password is asked twice; two different answers end it before anything is sent.
        TerminalRun run({"passwd", "Office", "-u", "admin"});
        ASSERT_TRUE(run.started());
        ASSERT_TRUE(run.ReadUntil("Password for admin: ")) << run.seen();
        run.Type("old\n");
        ASSERT_TRUE(run.ReadUntil("New password for admin: ")) << run.seen();
        EXPECT_FALSE(run.Echoing());
        run.Type("first\n");
        ASSERT_TRUE(run.ReadUntil("The new password again: ")) << run.seen();
        run.Type("second\n");
        run.ReadUntil("nothing was changed");
        const int status = run.Wait();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << run.seen();
        EXPECT_EQ(run.seen().find("Searching"), std::string::npos) << run.seen();
        EXPECT_TRUE(run.Echoing());
    }
}

}  // namespace
}  // namespace lumora::test

#include "platform/CommandRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <utility>

extern char** environ;

namespace lumora {

namespace {

class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(other.release()) {}
    Fd& operator=(Fd&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~Fd() { reset(); }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

// The caller's environment with untranslated messages (they are read) in UTF-8 (names
// such as an appliance's are passed on: in plain "C" GLib tools refuse them).
std::vector<std::string> ChildEnvironment() {
    std::vector<std::string> env;
    for (char** e = environ; e && *e; ++e) {
        std::string_view entry(*e);
        if (entry.starts_with("LC_ALL=") || entry.starts_with("LANGUAGE=")) continue;
        env.emplace_back(entry);
    }
    env.emplace_back("LC_ALL=C.UTF-8");
    env.emplace_back("LANGUAGE=C");
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> out;
    for (auto& t : texts) out.push_back(t.data());
    out.push_back(nullptr);
    return out;
}

class SystemRunner final : public CommandRunner {
public:
    CommandResult Run(const std::vector<std::string>& argv, std::string_view input,
                      std::chrono::milliseconds timeout) override {
        CommandResult result;
        if (argv.empty()) return result;
        // Standard input is a socket so that writing to a program that has already gone
        // gives EPIPE (MSG_NOSIGNAL) instead of a SIGPIPE for the whole process.
        int in[2], out[2], err[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, in) != 0)
            return Failed(result, "socketpair");
        Fd inParent(in[0]), inChild(in[1]);
        if (::pipe2(out, O_CLOEXEC) != 0) return Failed(result, "pipe");
        Fd outParent(out[0]), outChild(out[1]);
        if (::pipe2(err, O_CLOEXEC) != 0) return Failed(result, "pipe");
        Fd errParent(err[0]), errChild(err[1]);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, inChild.get(), 0);
        posix_spawn_file_actions_adddup2(&actions, outChild.get(), 1);
        posix_spawn_file_actions_adddup2(&actions, errChild.get(), 2);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
        // Descriptors the rest of the program opened without O_CLOEXEC stay with us.
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
        std::vector<std::string> args = argv;
        std::vector<std::string> env = ChildEnvironment();
        pid_t pid = -1;
        const int spawned = ::posix_spawnp(&pid, args[0].c_str(), &actions, nullptr, Pointers(args).data(),
                                           Pointers(env).data());
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) return Failed(result, "cannot start " + argv[0] + ": " + std::strerror(spawned));
        result.started = true;
        inChild.reset(), outChild.reset(), errChild.reset();

        Pump(pid, inParent, outParent, errParent, input, timeout, result);
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
        if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
        return result;
    }

private:
    static CommandResult& Failed(CommandResult& result, std::string reason) {
        result.err = std::move(reason);
        return result;
    }

    // Feeds the input and collects both outputs until the program closes them or the
    // deadline passes (then it is killed).
    static void Pump(pid_t pid, Fd& in, Fd& out, Fd& err, std::string_view input,
                     std::chrono::milliseconds timeout, CommandResult& result) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        ::fcntl(in.get(), F_SETFL, O_NONBLOCK);
        if (input.empty()) in.reset();
        while (out.get() >= 0 || err.get() >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                ::kill(pid, SIGKILL);
                result.timedOut = true;
                return;
            }
            pollfd fds[3] = {{in.get(), POLLOUT, 0}, {out.get(), POLLIN, 0}, {err.get(), POLLIN, 0}};
            if (::poll(fds, 3, static_cast<int>(std::min<long long>(left.count(), 1000))) < 0) {
                if (errno == EINTR) continue;
                ::kill(pid, SIGKILL);
                return;
            }
            if (fds[0].revents) {
                const ssize_t n = ::send(in.get(), input.data(), input.size(), MSG_NOSIGNAL);
                if (n > 0) input.remove_prefix(static_cast<std::size_t>(n));
                if ((n < 0 && errno != EAGAIN && errno != EINTR) || input.empty()) in.reset();
            }
            Drain(fds[1], out, result.out);
            Drain(fds[2], err, result.err);
        }
    }

    static void Drain(const pollfd& p, Fd& fd, std::string& into) {
        if (!p.revents) return;
        char buffer[4096];
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n > 0)
            into.append(buffer, std::min(static_cast<std::size_t>(n), kCommandOutputLimit - into.size()));
        else if (n == 0 || (errno != EINTR && errno != EAGAIN))
            fd.reset();
    }
};

}  // namespace

CommandRunner& SystemCommandRunner() {
    static SystemRunner runner;
    return runner;
}

}  // namespace lumora

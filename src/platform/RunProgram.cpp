#include "platform/RunProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

extern char** environ;

namespace lumora {
namespace {

constexpr std::size_t kOutputLimit = 1 << 20;

struct Pipe {
    int fd[2] = {-1, -1};
    ~Pipe() {
        for (int f : fd)
            if (f >= 0) ::close(f);
    }
};

}  // namespace

ProgramOutput RunProgram(const std::vector<std::string>& argv, std::chrono::milliseconds limit) {
    return RunProgramWithInput(argv, {}, limit);
}

ProgramOutput RunProgramWithInput(const std::vector<std::string>& argv, const std::string& input,
                                  std::chrono::milliseconds limit) {
    ProgramOutput result;
    if (argv.empty()) return result;
    Pipe out, in;
    if (::pipe2(out.fd, O_CLOEXEC) != 0 || ::pipe2(in.fd, O_CLOEXEC) != 0) return result;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.fd[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out.fd[1], 1);
    posix_spawn_file_actions_adddup2(&actions, out.fd[1], 2);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out.fd[1]);
    out.fd[1] = -1;
    ::close(in.fd[0]);
    in.fd[0] = -1;
    if (rc != 0) return result;
    result.started = true;
    // Small inputs only (a password): they fit the pipe, so writing cannot block.
    // A program that exits without reading raises SIGPIPE: hold it on this thread and drop it.
    if (!input.empty()) {
        sigset_t pipeSignal, previous;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
        if (::write(in.fd[1], input.data(), input.size()) < 0 && errno == EPIPE) {
            timespec none{};
            sigtimedwait(&pipeSignal, nullptr, &none);
        }
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }
    ::close(in.fd[1]);
    in.fd[1] = -1;

    const auto deadline = std::chrono::steady_clock::now() + limit;
    char buffer[4096];
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        pollfd p{out.fd[0], POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
        ssize_t n = ::read(out.fd[0], buffer, sizeof buffer);
        if (n <= 0) break;  // the program closed its output (it has ended or is ending)
        if (result.output.size() < kOutputLimit)
            result.output.append(buffer, std::min<std::size_t>(static_cast<std::size_t>(n),
                                                               kOutputLimit - result.output.size()));
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    if (!result.timedOut && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    return result;
}

}  // namespace lumora

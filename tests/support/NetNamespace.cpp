#include "support/NetNamespace.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <thread>
#include <utility>

extern char** environ;

namespace lumora::test {
namespace {

std::vector<char*> Argv(std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return argv;
}

int WaitExit(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Spawns with stdout (and, if wanted, stderr) on pipes and, when `input` is given, that text as
// its standard input; posix_spawn keeps the caller's namespace.
pid_t Spawn(std::vector<std::string> args, int* out, int* err, const std::string* input = nullptr) {
    int outPipe[2] = {-1, -1}, errPipe[2] = {-1, -1}, inPipe[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (input && pipe2(inPipe, O_CLOEXEC) == 0) posix_spawn_file_actions_adddup2(&actions, inPipe[0], 0);
    if (out && pipe2(outPipe, O_CLOEXEC) == 0) posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    if (err && pipe2(errPipe, O_CLOEXEC) == 0) posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    pid_t pid = -1;
    auto argv = Argv(args);
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    for (int* p : {outPipe, errPipe})
        if (p[1] >= 0) close(p[1]);
    if (inPipe[1] >= 0) {
        // Written while our read end is still open, so a program that ended already cannot make
        // it fail; small inputs fit the pipe whether the program reads them or not.
        (void)!write(inPipe[1], input->data(), input->size());
        close(inPipe[1]);
        close(inPipe[0]);
    }
    if (out) *out = outPipe[0];
    if (err) *err = errPipe[0];
    return pid;
}

void ReadAll(int fd, std::string& into) {
    char chunk[4096];
    ssize_t got;
    while ((got = read(fd, chunk, sizeof chunk)) > 0) into.append(chunk, static_cast<std::size_t>(got));
}

}  // namespace

int RunProgram(const std::vector<std::string>& argv) {
    pid_t pid = Spawn(argv, nullptr, nullptr);
    return pid > 0 ? WaitExit(pid) : -1;
}

ProgramResult CaptureProgram(const std::vector<std::string>& argv, const std::string& input) {
    ProgramResult result;
    int out = -1, err = -1;
    pid_t pid = Spawn(argv, &out, &err, &input);
    if (pid <= 0) return result;
    std::thread errors([&] { ReadAll(err, result.err); });
    ReadAll(out, result.out);
    errors.join();
    close(out);
    close(err);
    result.exitCode = WaitExit(pid);
    return result;
}

// --- FreshNetNamespace

FreshNetNamespace::FreshNetNamespace() {
    original_ = open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    if (original_ < 0) return;
    if (unshare(CLONE_NEWNET) != 0) return;
    ok_ = true;
    RunProgram({"ip", "link", "set", "lo", "up"});
}

FreshNetNamespace::~FreshNetNamespace() {
    if (ok_) setns(original_, CLONE_NEWNET);
    if (original_ >= 0) close(original_);
}

// --- ChildProcess

ChildProcess::ChildProcess(ChildProcess&& other) noexcept { *this = std::move(other); }

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        Stop();
        pid_ = std::exchange(other.pid_, -1);
        output_ = std::exchange(other.output_, -1);
        seen_ = std::move(other.seen_);
    }
    return *this;
}

ChildProcess::~ChildProcess() { Stop(); }

bool ChildProcess::WaitForLine(const std::string& text, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (seen_.find(text) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || output_ < 0) return false;
        pollfd ready{output_, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
        char chunk[1024];
        const ssize_t got = read(output_, chunk, sizeof chunk);
        if (got <= 0) return false;
        seen_.append(chunk, static_cast<std::size_t>(got));
    }
    return true;
}

int ChildProcess::Stop() {
    int code = -1;
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        for (int i = 0; i < 100; ++i) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
                pid_ = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }
    if (output_ >= 0) close(output_);
    output_ = -1;
    return code;
}

ChildProcess SpawnProgram(const std::vector<std::string>& argv) {
    int out = -1;
    pid_t pid = Spawn(argv, &out, nullptr);
    if (pid <= 0) return {};
    return ChildProcess(pid, out);
}

// --- NetNamespace

NetNamespace::NetNamespace() {
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0) return;
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe calls until pause: the parent may have threads.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        char ok = getppid() == parent && unshare(CLONE_NEWNET) == 0 ? 1 : 0;
        (void)!write(ready[1], &ok, 1);
        if (!ok) _exit(1);
        for (;;) pause();
    }
    close(ready[1]);
    char ok = 0;
    if (child > 0 && read(ready[0], &ok, 1) == 1 && ok == 1)
        holder_ = child;
    else if (child > 0)
        waitpid(child, nullptr, 0);
    close(ready[0]);
    if (holder_ > 0) Run({"ip", "link", "set", "lo", "up"});
}

NetNamespace::~NetNamespace() {
    if (holder_ <= 0) return;
    kill(holder_, SIGKILL);
    waitpid(holder_, nullptr, 0);
}

std::vector<std::string> NetNamespace::Enter(const std::vector<std::string>& argv) const {
    std::vector<std::string> full = {"nsenter", "-t", std::to_string(holder_), "-n", "--"};
    full.insert(full.end(), argv.begin(), argv.end());
    return full;
}

int NetNamespace::Run(const std::vector<std::string>& argv) const { return RunProgram(Enter(argv)); }

ChildProcess NetNamespace::Spawn(const std::vector<std::string>& argv) const {
    return SpawnProgram(Enter(argv));
}

bool NetNamespace::AddVeth(const std::string& local, const std::string& remote) const {
    return RunProgram({"ip", "link", "add", local, "type", "veth", "peer", "name", remote, "netns",
                       std::to_string(holder_)}) == 0;
}

}  // namespace lumora::test

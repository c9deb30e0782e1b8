#pragma once
// Network namespaces for tests that exchange real datagrams.
//
// FreshNetNamespace moves the test's own thread (and every thread and process
// it starts afterwards) into a new, empty namespace and back again, so each
// test gets PC adapters that nothing else sees. NetNamespace is a further
// namespace held by a child process, e.g. the appliances' side of a veth link.
// Nothing here touches the links of the namespace the test started in.

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace lumora::test {

// Runs a program (searched in PATH) in the calling thread's namespace; its exit code or -1.
int RunProgram(const std::vector<std::string>& argv);

class FreshNetNamespace {
public:
    // Enters a new namespace with only lo (up); ok() tells whether the system allowed it.
    FreshNetNamespace();
    // Returns the thread to the namespace it came from.
    ~FreshNetNamespace();
    FreshNetNamespace(const FreshNetNamespace&) = delete;
    FreshNetNamespace& operator=(const FreshNetNamespace&) = delete;
    bool ok() const { return ok_; }

private:
    int original_ = -1;
    bool ok_ = false;
};

// A background process; killed (SIGTERM, then SIGKILL) when the object goes.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(pid_t pid, int output) : pid_(pid), output_(output) {}
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ~ChildProcess();
    // Reads its standard output until a line containing `text` arrives; false on timeout or exit.
    bool WaitForLine(const std::string& text, std::chrono::milliseconds timeout);
    // Everything read from its standard output so far.
    const std::string& output() const { return seen_; }
    // Ends it and waits for it; returns its exit code or -1.
    int Stop();
    bool running() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string seen_;
};

// Starts a program in the calling thread's namespace with its standard output on a pipe.
ChildProcess SpawnProgram(const std::vector<std::string>& argv);

// Runs a program to its end with `input` (at most a few KiB) as its standard input, never a
// terminal, and gives its exit code, standard output and standard error.
struct ProgramResult {
    int exitCode = -1;
    std::string out, err;
};
ProgramResult CaptureProgram(const std::vector<std::string>& argv, const std::string& input = {});

class NetNamespace {
public:
    // Makes a namespace with only lo (up); ok() tells whether the system allowed it.
    NetNamespace();
    // Ends the holder; the namespace and its links go with the last process inside.
    ~NetNamespace();
    NetNamespace(const NetNamespace&) = delete;
    NetNamespace& operator=(const NetNamespace&) = delete;
    bool ok() const { return holder_ > 0; }
    pid_t pid() const { return holder_; }

    // Runs a program inside to its end; its exit code or -1.
    int Run(const std::vector<std::string>& argv) const;
    // Starts a program inside in the background.
    ChildProcess Spawn(const std::vector<std::string>& argv) const;
    // Creates a veth pair: `local` in the caller's namespace, `remote` in this one.
    bool AddVeth(const std::string& local, const std::string& remote) const;

private:
    std::vector<std::string> Enter(const std::vector<std::string>& argv) const;
    pid_t holder_ = -1;
};

}  // namespace lumora::test

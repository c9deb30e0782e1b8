#pragma once
// Runs a helper program (`gio`, `secret-tool`, `nft`) to its end: an argument vector,
// never a shell, text for its standard input (secrets go there, never into an argument
// vector that other users can read), and its output and exit code back. A seam, so
// that tests can stand in for the program.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

struct CommandResult {
    bool started = false;   // false: the program could not be started (`err` says why)
    bool timedOut = false;  // killed at the deadline
    int exitCode = -1;      // -1 when it did not exit normally
    std::string out, err;   // each cut at kCommandOutputLimit

    // Started, ended in time and exited with 0.
    bool Succeeded() const { return started && !timedOut && exitCode == 0; }
};

// What is kept of each output stream; a program that says more is still read to its end.
inline constexpr std::size_t kCommandOutputLimit = 8u << 20;

class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    // Runs argv[0] (searched in PATH) with `input` on its standard input, which is then
    // closed; kills it once `timeout` has passed. Its locale is "C.UTF-8", so that its
    // messages can be read and non-ASCII arguments pass. May be called from any thread.
    virtual CommandResult Run(const std::vector<std::string>& argv, std::string_view input,
                              std::chrono::milliseconds timeout) = 0;
};

// The runner that starts real programs (posix_spawn).
CommandRunner& SystemCommandRunner();

}  // namespace lumora

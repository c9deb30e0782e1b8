#pragma once
// Runs another program with an argument vector (never through a shell) and
// collects what it printed.

#include <chrono>
#include <string>
#include <vector>

namespace lumora {

struct ProgramOutput {
    bool started = false;  // false: the program was not found or could not be started
    int exitCode = -1;     // -1 when it was killed or timed out
    bool timedOut = false;
    std::string output;  // standard output and standard error, interleaved, at most 1 MiB
};

// Runs `argv[0]` (searched on PATH) with `argv`, standard input from /dev/null,
// and waits at most `limit`; a program still running then is killed.
ProgramOutput RunProgram(const std::vector<std::string>& argv,
                         std::chrono::milliseconds limit = std::chrono::seconds(10));
// The same with `input` on the program's standard input (for secrets, which
// must never appear in an argument vector that other users can read).
ProgramOutput RunProgramWithInput(const std::vector<std::string>& argv, const std::string& input,
                                  std::chrono::milliseconds limit = std::chrono::seconds(10));

}  // namespace lumora

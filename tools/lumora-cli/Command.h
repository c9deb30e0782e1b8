#pragma once
// The command table of lumora-cli.
//
// A command is a function in a file of its own, registered by one line in
// CommandTable.cpp. It gets its own arguments (global options removed) and
// returns the exit code: 0 success, 1 refused or no answer, 2 usage.

#include <string>
#include <vector>

namespace lumora::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct CommandContext {
    std::vector<std::string> args;  // the command's arguments, without its name
    bool json = false;              // --json: one JSON document on stdout
};

using CommandFunction = int (*)(CommandContext& context);

struct Command {
    const char* name;
    const char* usage;  // the arguments, e.g. "NAS -u USER -p PASS"
    CommandFunction run;
};

// Every command, in the order `lumora-cli --help` lists them.
const std::vector<Command>& CommandTable();

// Prints "usage: lumora-cli NAME USAGE" to stderr and returns kExitUsage.
int UsageError(const char* name, const std::string& problem = {});

int RunDiscover(CommandContext& context);
int RunLogin(CommandContext& context);
int RunSetAddress(CommandContext& context);
int RunVolumes(CommandContext& context);
int RunShares(CommandContext& context);
int RunInfo(CommandContext& context);
int RunLan(CommandContext& context);
int RunAccess(CommandContext& context);
int RunDisks(CommandContext& context);
int RunSetDevice(CommandContext& context);
int RunSetTimeZone(CommandContext& context);
int RunSetNetwork(CommandContext& context);
int RunPasswd(CommandContext& context);
int RunFormat(CommandContext& context);
int RunDoctor(CommandContext& context);

}  // namespace lumora::cli

#pragma once
// The command table of lumora-cli.
//
// A command is a function in a file of its own, registered by one entry in
// CommandTable.cpp together with its usage and help texts. It gets its own
// arguments (global options removed) and returns the exit code: 0 success,
// 1 refused or no answer, 2 usage.

#include <cstdio>
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

// How a command reaches an appliance, which decides the arguments it shares with others.
enum class Reach {
    Datagram,  // discovery datagrams only (no --address: they do not cross a router)
    Http,      // NAS or --address, then a login with -u and a password
};

struct Command {
    const char* name;
    Reach reach;
    const char* usage;    // the arguments of its own, e.g. "LAYOUT --yes" (HTTP commands: after the login)
    const char* summary;  // one line for the command list
    const char* details;  // what it does and its own options, for its --help (lines end with \n)
    CommandFunction run;
};

// Every command, in the order `lumora-cli --help` lists them.
const std::vector<Command>& CommandTable();
// The command called `name`, or nullptr.
const Command* FindCommand(const std::string& name);
// "lumora-cli [--json] NAME ARGS...", the arguments an HTTP command shares included.
std::string UsageLine(const Command& command);

// Prints the problem (if any) and the command's usage line to stderr; returns kExitUsage.
int UsageError(const char* name, const std::string& problem = {});
// The command list with one line each; kExitOk on stdout, kExitUsage on stderr.
int PrintGeneralHelp(FILE* to);
// The command's usage line, what it does, its options and the exit codes on stdout; kExitOk.
int PrintCommandHelp(const Command& command);

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

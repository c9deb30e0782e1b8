#pragma once
// What the commands that talk CGI share: finding the appliance, the login check
// with -u/-p, and waiting for a request's report.

#include <functional>
#include <optional>
#include <set>
#include <string>

#include "Command.h"
#include "Options.h"
#include "Session.h"
#include "protocol/cgi/CgiReplyRecords.h"

namespace lumora::cli {

struct LoggedIn {
    int nasIndex = -1;
    Options options;  // positional[0] is NAS; the command's own arguments follow
};

// Checks a command's own arguments before anything is sent; returns the problem or "".
using ArgumentCheck = std::function<std::string(const Options&)>;

// What a command accepts besides "NAS -u USER -p PASS".
struct LoginSpec {
    const char* name = "";            // the command, for its usage line
    std::set<std::string> withValue;  // its own options that take a value
    std::set<std::string> flags;      // its own options without a value
    std::size_t positionals = 1;      // positional arguments, NAS included
    ArgumentCheck check;              // its own argument check (may be empty)
};

// Why a credential given on the command line (UTF-8) cannot be sent as it stands, naming
// its option; "" when it can. Nothing is ever sent with a substituted character.
std::string CredentialArgumentProblem(const char* option, const std::string& value);

// Parses the arguments by `spec`, checks them and the credentials, discovers, resolves NAS
// and checks the login; the credentials then authorise every request. On failure prints
// why, sets `exitCode` (2 for usage, 1 otherwise) and returns nothing.
std::optional<LoggedIn> LogIn(Session& session, const CommandContext& context, const LoginSpec& spec,
                              int& exitCode);

// Starts a request through `start` (given the request's own window) and waits for its
// WM_CGI_RESULT; true when it reports success.
bool RunCgi(Session& session, const std::function<RequestHandle(HWND)>& start);

// Prints a failure with the reason the failed request left, if any ("WHAT: REASON", or
// {"ok":false,"error":WHAT,"reason":REASON} with --json), and returns kExitFailed.
int Fail(const CommandContext& context, const std::string& what);

// Prints {"ok":true} or the text, and returns kExitOk.
int Succeed(const CommandContext& context, const std::string& text);

// Asks for the disks and waits for both reports; nothing when the appliance did not answer.
std::optional<HdInfo> ReadDisks(Session& session, int nasIndex);

}  // namespace lumora::cli

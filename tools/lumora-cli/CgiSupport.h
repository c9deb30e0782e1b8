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

// Parses "NAS -u USER -p PASS" plus the command's options (`positionals` counts NAS),
// runs `check`, discovers, resolves NAS and checks the login; the credentials then
// authorise every request. On failure prints why, sets `exitCode` and returns nothing.
std::optional<LoggedIn> LogIn(Session& session, const CommandContext& context, const char* name,
                              std::set<std::string> withValue, const std::set<std::string>& flags,
                              std::size_t positionals, int& exitCode, const ArgumentCheck& check = {});

// Waits for the WM_CGI_RESULT of a started request; true when it reports success.
bool WaitForCgi(Session& session, RequestHandle handle);

// Prints a failure with the reason the failed request left, if any ("WHAT: REASON", or
// {"ok":false,"error":WHAT,"reason":REASON} with --json), and returns kExitFailed.
int Fail(const CommandContext& context, const std::string& what);

// Prints {"ok":true} or the text, and returns kExitOk.
int Succeed(const CommandContext& context, const std::string& text);

}  // namespace lumora::cli

namespace lumora::cli {

// Asks for the disks and waits for both reports; nothing when the appliance did not answer.
std::optional<HdInfo> ReadDisks(Session& session, int nasIndex);

}  // namespace lumora::cli

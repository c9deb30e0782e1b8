#pragma once
// What the commands that talk CGI share: finding the appliance (or taking --address),
// the login check with -u and a password, and waiting for a request's report.

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
    Options options;       // positional[0] is NAS ("" with --address); the command's own arguments follow
    std::string password;  // UTF-8, from whichever source gave it (-p may be absent)
};

// Checks a command's own arguments before anything is sent; returns the problem or "".
using ArgumentCheck = std::function<std::string(const Options&)>;

// What a command accepts besides "(NAS | --address A) -u USER [-p PASS | --password-stdin]".
struct LoginSpec {
    const char* name = "";            // the command, for its usage line
    std::set<std::string> withValue;  // its own options that take a value
    std::set<std::string> flags;      // its own options without a value
    std::size_t positionals = 1;      // positional arguments, NAS included
    ArgumentCheck check;              // its own argument check (may be empty)
};

// The arguments of a command that logs in, read and checked before anything is sent.
struct LoginArguments {
    Options options;                     // as LoggedIn::options
    std::string user, password;          // UTF-8; both fit the credential fields
    bool passwordFromStdin = false;      // --password-stdin: further secrets follow on standard input
    std::optional<std::string> address;  // --address: reach this address over HTTP, no discovery
};

// Why a credential given on the command line (UTF-8) cannot be sent as it stands, naming
// its option; "" when it can. Nothing is ever sent with a substituted character.
std::string CredentialArgumentProblem(const char* option, const std::string& value);

// Parses the arguments by `spec` and checks them; the password comes from -p, from the
// first line of standard input (--password-stdin) or from a prompt on the terminal. On a
// problem prints it with the usage line, sets `exitCode` to 2 and returns nothing.
std::optional<LoginArguments> ReadLoginArguments(const CommandContext& context, const LoginSpec& spec,
                                                 int& exitCode);

// The nasIndex of the appliance the arguments name: found by a discovery, or the --address
// entry; -1 (the reason printed) when there is none.
int ReachAppliance(Session& session, const LoginArguments& arguments);

// Checks the credentials with the appliance at `nasIndex`, by datagram or, with --address,
// over HTTP; they then authorise every request. "" when accepted, else why not.
std::string CheckLogin(Session& session, int nasIndex, const LoginArguments& arguments);

// ReadLoginArguments, ReachAppliance and CheckLogin in turn. On failure prints why, sets
// `exitCode` (2 for usage, 1 otherwise) and returns nothing.
std::optional<LoggedIn> LogIn(Session& session, const CommandContext& context, const LoginSpec& spec,
                              int& exitCode);

// ReachAppliance and CheckLogin for arguments already read; as LogIn otherwise.
std::optional<LoggedIn> LogIn(Session& session, const CommandContext& context, LoginArguments arguments,
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

#include "CgiSupport.h"

#include <cstdio>

#include "Json.h"
#include "NasArgument.h"
#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {

namespace {

// Long enough for a silent appliance (about 8 s) and the five-second disk step.
constexpr auto kCgiTimeout = std::chrono::seconds(30);

}  // namespace

std::optional<LoggedIn> LogIn(Session& session, const CommandContext& context, const char* name,
                              std::set<std::string> withValue, const std::set<std::string>& flags,
                              std::size_t positionals, int& exitCode, const ArgumentCheck& check) {
    std::string problem;
    withValue.insert({"-u", "-p"});
    std::optional<Options> options = ParseOptions(context.args, withValue, flags, problem);
    if (!options || options->positional.size() != positionals || !options->Value("-u") || !options->Value("-p")) {
        exitCode = UsageError(name, problem);
        return std::nullopt;
    }
    if (check) problem = check(*options);
    if (!problem.empty()) {
        exitCode = UsageError(name, problem);
        return std::nullopt;
    }
    const std::u16string user = Utf8ToWide(*options->Value("-u"));
    const std::u16string password = Utf8ToWide(*options->Value("-p"));
    if (user.size() > 16 || password.size() > 16) {
        exitCode = UsageError(name, "user and password take at most 16 characters");
        return std::nullopt;
    }
    const int nasIndex = FindAppliance(session, options->positional[0]);
    if (nasIndex < 0) {
        exitCode = kExitFailed;
        return std::nullopt;
    }
    const RequestHandle handle = StartLogin(session.window(), nasIndex, user, password);
    if (handle == 0 || !session.WaitFor(WM_QUERY_RESULT, handle, std::chrono::minutes(1))) {
        const std::string error = ReportWorkerMessages(session);
        exitCode = Fail(context, error.empty() ? "the login was not accepted" : error);
        return std::nullopt;
    }
    return LoggedIn{nasIndex, std::move(*options)};
}

bool WaitForCgi(Session& session, RequestHandle handle) {
    if (handle == 0) return false;
    const std::optional<Report> report = session.WaitFor(WM_CGI_RESULT, handle, kCgiTimeout);
    if (report && report->wParam != 0) NoteFailureReason(handle);
    return report && report->wParam == 0;
}

int Fail(const CommandContext& context, const std::string& what) {
    const std::string reason = TakeFailureReason();
    if (context.json) {
        JsonObject object;
        object.Bool("ok", false).Text("error", what);
        if (!reason.empty()) object.Text("reason", reason);
        std::printf("%s\n", object.str().c_str());
    } else if (reason.empty()) {
        std::fprintf(stderr, "lumora-cli: %s\n", what.c_str());
    } else {
        std::fprintf(stderr, "lumora-cli: %s: %s\n", what.c_str(), reason.c_str());
    }
    return kExitFailed;
}

int Succeed(const CommandContext& context, const std::string& text) {
    if (context.json) std::printf("%s\n", JsonObject().Bool("ok", true).str().c_str());
    else std::printf("%s\n", text.c_str());
    return kExitOk;
}

}  // namespace lumora::cli

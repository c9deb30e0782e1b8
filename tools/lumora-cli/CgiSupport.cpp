#include "CgiSupport.h"

#include <cstdio>

#include "Json.h"
#include "NasArgument.h"
#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/query/Credentials.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {

namespace {

// Long enough for a silent appliance (about 8 s) and the five-second disk step.
constexpr auto kCgiTimeout = std::chrono::seconds(30);

}  // namespace

std::string CredentialArgumentProblem(const char* option, const std::string& value) {
    const std::u16string problem = CredentialProblem(Utf8ToWide(value));
    return problem.empty() ? std::string() : std::string(option) + ": " + WideToUtf8(problem);
}

std::optional<LoggedIn> LogIn(Session& session, const CommandContext& context, const LoginSpec& spec,
                              int& exitCode) {
    std::string problem;
    std::set<std::string> withValue = spec.withValue;
    withValue.insert({"-u", "-p"});
    std::optional<Options> options = ParseOptions(context.args, withValue, spec.flags, problem);
    if (!options || options->positional.size() != spec.positionals || !options->Value("-u") ||
        !options->Value("-p")) {
        exitCode = UsageError(spec.name, problem);
        return std::nullopt;
    }
    problem = CredentialArgumentProblem("-u", *options->Value("-u"));
    if (problem.empty()) problem = CredentialArgumentProblem("-p", *options->Value("-p"));
    if (problem.empty() && spec.check) problem = spec.check(*options);
    if (!problem.empty()) {
        exitCode = UsageError(spec.name, problem);
        return std::nullopt;
    }
    const int nasIndex = FindAppliance(session, options->positional[0]);
    if (nasIndex < 0) {
        exitCode = kExitFailed;
        return std::nullopt;
    }
    const std::u16string user = Utf8ToWide(*options->Value("-u"));
    const std::u16string password = Utf8ToWide(*options->Value("-p"));
    const auto login =
        session.Request([&](HWND window) { return StartLogin(window, nasIndex, user, password); },
                        WM_QUERY_RESULT, std::chrono::minutes(1));
    if (!login) {
        const std::string error = ReportWorkerMessages(session);
        exitCode = Fail(context, error.empty() ? "the login was not accepted" : error);
        return std::nullopt;
    }
    return LoggedIn{nasIndex, std::move(*options)};
}

bool RunCgi(Session& session, const std::function<RequestHandle(HWND)>& start) {
    const std::optional<Report> report = session.Request(start, WM_CGI_RESULT, kCgiTimeout);
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
    if (context.json)
        std::printf("%s\n", JsonObject().Bool("ok", true).str().c_str());
    else
        std::printf("%s\n", text.c_str());
    return kExitOk;
}

}  // namespace lumora::cli

#include "CgiSupport.h"

#include <unistd.h>

#include <cstdio>

#include "AddressTarget.h"
#include "Json.h"
#include "NasArgument.h"
#include "PasswordInput.h"
#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/query/Credentials.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {

namespace {

// Long enough for a silent appliance (about 8 s) and the five-second disk step.
constexpr auto kCgiTimeout = std::chrono::seconds(30);
constexpr const char* kPasswordStdin = "--password-stdin";

}  // namespace

std::string CredentialArgumentProblem(const char* option, const std::string& value) {
    const std::u16string problem = CredentialProblem(Utf8ToWide(value));
    return problem.empty() ? std::string() : std::string(option) + ": " + WideToUtf8(problem);
}

std::optional<LoginArguments> ReadLoginArguments(const CommandContext& context, const LoginSpec& spec,
                                                 int& exitCode) {
    const auto usage = [&](const std::string& problem) -> std::optional<LoginArguments> {
        exitCode = UsageError(spec.name, problem);
        return std::nullopt;
    };
    std::string problem;
    std::set<std::string> withValue = spec.withValue, flags = spec.flags;
    withValue.insert({"-u", "-p", kAddressOption});
    flags.insert(kPasswordStdin);
    std::optional<Options> options = ParseOptions(context.args, withValue, flags, problem);
    if (!options) return usage(problem);
    const std::optional<std::string> address = options->Value(kAddressOption);
    if (address) {
        if (options->positional.size() == spec.positionals)
            return usage("name the appliance either as NAS or with --address, not both");
        problem = AddressOptionProblem(*address);
        if (!problem.empty()) return usage(problem);
        // The command's own positional arguments stay where they would follow NAS.
        options->positional.insert(options->positional.begin(), std::string());
    }
    if (options->positional.size() != spec.positionals || !options->Value("-u")) return usage({});
    const bool fromStdin = options->Has(kPasswordStdin);
    if (fromStdin && options->Value("-p"))
        return usage("give the password with -p or --password-stdin, not both");
    const std::string user = *options->Value("-u");
    problem = CredentialArgumentProblem("-u", user);
    if (problem.empty() && options->Value("-p"))
        problem = CredentialArgumentProblem("-p", *options->Value("-p"));
    if (problem.empty() && spec.check) problem = spec.check(*options);
    if (!problem.empty()) return usage(problem);

    // Asked only once every argument is known to be fine.
    std::optional<std::string> password = options->Value("-p");
    const char* source = "-p";
    if (!password && fromStdin) {
        password = ReadLine(STDIN_FILENO);
        source = kPasswordStdin;
        if (!password) return usage("--password-stdin: standard input ended without a line");
    } else if (!password) {
        password = AskPassword("Password for " + user + ": ");
        source = "the password";
        if (!password)
            return usage(isatty(STDIN_FILENO) ? "no password was typed"
                                              : "no password: give -p PASS or --password-stdin, or run on a "
                                                "terminal to be asked");
    }
    problem = CredentialArgumentProblem(source, *password);
    if (!problem.empty()) return usage(problem);
    return LoginArguments{std::move(*options), user, std::move(*password), fromStdin, address};
}

int ReachAppliance(Session& session, const LoginArguments& arguments) {
    if (arguments.address) return ListAddressedAppliance(*arguments.address);
    return FindAppliance(session, arguments.options.positional[0]);
}

std::string CheckLogin(Session& session, int nasIndex, const LoginArguments& arguments) {
    const std::u16string user = Utf8ToWide(arguments.user);
    const std::u16string password = Utf8ToWide(arguments.password);
    if (arguments.address) {
        // No datagram reaches it: the credentials are taken as given and the appliance's web
        // side judges the password.
        ClearCredentials();
        SetCredentials(WideToAnsi(user), WideToAnsi(password));
        return CheckPasswordOverHttp(*arguments.address);
    }
    const auto login =
        session.Request([&](HWND window) { return StartLogin(window, nasIndex, user, password); },
                        WM_QUERY_RESULT, std::chrono::minutes(1));
    if (login) return {};
    const std::string error = ReportWorkerMessages(session);
    return error.empty() ? "the login was not accepted" : error;
}

std::optional<LoggedIn> LogIn(Session& session, const CommandContext& context, const LoginSpec& spec,
                              int& exitCode) {
    std::optional<LoginArguments> arguments = ReadLoginArguments(context, spec, exitCode);
    if (!arguments) return std::nullopt;
    return LogIn(session, context, std::move(*arguments), exitCode);
}

std::optional<LoggedIn> LogIn(Session& session, const CommandContext& context, LoginArguments arguments,
                              int& exitCode) {
    const int nasIndex = ReachAppliance(session, arguments);
    if (nasIndex < 0) {
        exitCode = kExitFailed;
        return std::nullopt;
    }
    const std::string error = CheckLogin(session, nasIndex, arguments);
    if (!error.empty()) {
        exitCode = Fail(context, error);
        return std::nullopt;
    }
    return LoggedIn{nasIndex, std::move(arguments.options), std::move(arguments.password)};
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

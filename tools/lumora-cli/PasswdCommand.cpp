// lumora-cli passwd NAS -u USER [-p PASS | --password-stdin] [--new NEW]: changes the user's
// password. Without --new the new password is the second line of standard input
// (--password-stdin) or is asked twice on the terminal, so it never shows in `ps`.

#include <unistd.h>

#include "CgiSupport.h"
#include "PasswordInput.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"

namespace lumora::cli {

namespace {

constexpr const char* kNew = "--new";

// The new password from --new, standard input or the terminal; on a problem, its text.
std::optional<std::string> ReadNewPassword(const LoginArguments& arguments, std::string& problem) {
    if (std::optional<std::string> given = arguments.options.Value(kNew)) return given;
    if (arguments.passwordFromStdin) {
        std::optional<std::string> line = ReadLine(STDIN_FILENO);
        if (!line) problem = "--password-stdin: give the new password on the line after the password";
        return line;
    }
    if (!isatty(STDIN_FILENO)) {
        problem = "no new password: give --new NEW or --password-stdin, or run on a terminal to be asked";
        return std::nullopt;
    }
    std::optional<std::string> first = AskPassword("New password for " + arguments.user + ": ");
    std::optional<std::string> again = first ? AskPassword("The new password again: ") : std::nullopt;
    if (!first || !again)
        problem = "no new password was typed";
    else if (*first != *again)
        problem = "the two new passwords differ; nothing was changed";
    return problem.empty() ? first : std::nullopt;
}

}  // namespace

int RunPasswd(CommandContext& context) {
    int exitCode = kExitOk;
    const auto check = [](const Options& o) {
        const std::optional<std::string> next = o.Value(kNew);
        return next ? CredentialArgumentProblem(kNew, *next) : std::string();
    };
    std::optional<LoginArguments> arguments =
        ReadLoginArguments(context, {.name = "passwd", .withValue = {kNew}, .check = check}, exitCode);
    if (!arguments) return exitCode;
    // Read and checked before anything is sent, like the rest of the arguments.
    std::string problem;
    const std::optional<std::string> next = ReadNewPassword(*arguments, problem);
    if (next && problem.empty()) problem = CredentialArgumentProblem("the new password", *next);
    if (!problem.empty()) return UsageError("passwd", problem);

    Session session;
    const std::optional<LoggedIn> login = LogIn(session, context, std::move(*arguments), exitCode);
    if (!login) return exitCode;
    const std::u16string oldPassword = Utf8ToWide(login->password);
    const std::u16string newPassword = Utf8ToWide(*next);
    if (!RunCgi(session, [&](HWND window) {
            return ChangePassword(window, login->nasIndex, oldPassword, newPassword);
        }))
        return Fail(context, "the appliance did not accept the password change");
    return Succeed(context, "Password changed.");
}

}  // namespace lumora::cli

// lumora-cli passwd NAS -u USER -p PASS --new NEW: changes the user's password.

#include "CgiSupport.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"

namespace lumora::cli {

int RunPasswd(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    const auto check = [](const Options& o) {
        const std::optional<std::string> next = o.Value("--new");
        return next ? CredentialArgumentProblem("--new", *next) : std::string("--new is required");
    };
    const std::optional<LoggedIn> login =
        LogIn(session, context, {.name = "passwd", .withValue = {"--new"}, .check = check}, exitCode);
    if (!login) return exitCode;
    const std::u16string oldPassword = Utf8ToWide(*login->options.Value("-p"));
    const std::u16string newPassword = Utf8ToWide(*login->options.Value("--new"));
    if (!RunCgi(session, [&](HWND window) {
            return ChangePassword(window, login->nasIndex, oldPassword, newPassword);
        }))
        return Fail(context, "the appliance did not accept the password change");
    return Succeed(context, "Password changed.");
}

}  // namespace lumora::cli

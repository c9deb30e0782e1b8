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
        if (!next) return std::string("--new is required");
        if (Utf8ToWide(*next).size() > 16) return std::string("the new password takes at most 16 characters");
        return std::string();
    };
    const std::optional<LoggedIn> login = LogIn(session, context, "passwd", {"--new"}, {}, 1, exitCode, check);
    if (!login) return exitCode;
    const RequestHandle handle = ChangePassword(session.window(), login->nasIndex,
                                                Utf8ToWide(*login->options.Value("-p")),
                                                Utf8ToWide(*login->options.Value("--new")));
    if (!WaitForCgi(session, handle)) return Fail(context, "the appliance did not accept the password change");
    return Succeed(context, "Password changed.");
}

}  // namespace lumora::cli

// lumora-cli login NAS -u USER -p PASS: checks a user name and password with an appliance.

#include <cstdio>

#include "CgiSupport.h"
#include "Command.h"
#include "DeviceText.h"
#include "Json.h"
#include "NasArgument.h"
#include "Options.h"
#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {

int RunLogin(CommandContext& context) {
    std::string problem;
    auto options = ParseOptions(context.args, {"-u", "-p"}, {}, problem);
    if (!options) return UsageError("login", problem);
    if (options->positional.size() != 1 || !options->Value("-u") || !options->Value("-p"))
        return UsageError("login");
    problem = CredentialArgumentProblem("-u", *options->Value("-u"));
    if (problem.empty()) problem = CredentialArgumentProblem("-p", *options->Value("-p"));
    if (!problem.empty()) return UsageError("login", problem);
    const std::u16string user = Utf8ToWide(*options->Value("-u"));
    const std::u16string password = Utf8ToWide(*options->Value("-p"));

    Session session;
    const int nasIndex = FindAppliance(session, options->positional[0]);
    if (nasIndex < 0) return kExitFailed;
    const NasDevice device = *NasList::Instance().At(nasIndex);

    const bool accepted =
        session
            .Request([&](HWND window) { return StartLogin(window, nasIndex, user, password); },
                     WM_QUERY_RESULT, std::chrono::minutes(1))
            .has_value();
    const std::string error = accepted ? std::string() : ReportWorkerMessages(session);
    if (context.json) {
        JsonObject result;
        result.Text("name", DeviceName(device))
            .Text("mac", FieldText(device.macText))
            .Bool("accepted", accepted);
        if (!accepted) result.Text("error", error);
        std::printf("%s\n", result.str().c_str());
    } else if (accepted) {
        std::printf("%s accepted %s.\n", DeviceName(device).c_str(), options->Value("-u")->c_str());
    }
    return accepted ? kExitOk : kExitFailed;
}

}  // namespace lumora::cli

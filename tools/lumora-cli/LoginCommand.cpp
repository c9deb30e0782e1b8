// lumora-cli login NAS -u USER -p PASS: checks a user name and password with an appliance.

#include <cstdio>

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
    const std::u16string user = Utf8ToWide(*options->Value("-u"));
    const std::u16string password = Utf8ToWide(*options->Value("-p"));
    if (user.size() > 16 || password.size() > 16) return UsageError("login", "user and password take at most 16 characters");

    Session session;
    const int nasIndex = FindAppliance(session, options->positional[0]);
    if (nasIndex < 0) return kExitFailed;
    const NasDevice device = *NasList::Instance().At(nasIndex);

    const RequestHandle handle = StartLogin(session.window(), nasIndex, user, password);
    const bool accepted = handle != 0 && session.WaitFor(WM_QUERY_RESULT, handle, std::chrono::minutes(1));
    const std::string error = accepted ? std::string() : ReportWorkerMessages(session);
    if (context.json) {
        JsonObject result;
        result.Text("name", DeviceName(device)).Text("mac", FieldText(device.macText)).Bool("accepted", accepted);
        if (!accepted) result.Text("error", error);
        std::printf("%s\n", result.str().c_str());
    } else if (accepted) {
        std::printf("%s accepted %s.\n", DeviceName(device).c_str(), options->Value("-u")->c_str());
    }
    return accepted ? kExitOk : kExitFailed;
}

}  // namespace lumora::cli

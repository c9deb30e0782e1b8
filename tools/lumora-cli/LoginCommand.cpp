// lumora-cli login (NAS | --address A) -u USER [-p PASS | --password-stdin]: checks a user
// name and password with an appliance.

#include <cstdio>

#include "CgiSupport.h"
#include "DeviceText.h"
#include "Json.h"
#include "platform/Text.h"

namespace lumora::cli {

int RunLogin(CommandContext& context) {
    int exitCode = kExitOk;
    LoginSpec spec;
    spec.name = "login";
    const std::optional<LoginArguments> arguments = ReadLoginArguments(context, spec, exitCode);
    if (!arguments) return exitCode;

    Session session;
    const int nasIndex = ReachAppliance(session, *arguments);
    if (nasIndex < 0) return kExitFailed;
    const NasDevice device = *NasList::Instance().At(nasIndex);

    const std::string error = CheckLogin(session, nasIndex, *arguments);
    const bool accepted = error.empty();
    // A refused datagram login has already shown its message.
    if (!accepted && arguments->address) std::fprintf(stderr, "lumora-cli: %s\n", error.c_str());
    if (context.json) {
        JsonObject result;
        result.Text("name", DeviceName(device))
            .Text("mac", FieldText(device.macText))
            .Bool("accepted", accepted);
        if (!accepted) result.Text("error", error);
        std::printf("%s\n", result.str().c_str());
    } else if (accepted) {
        std::printf("%s accepted %s.\n", DeviceName(device).c_str(), arguments->user.c_str());
    }
    return accepted ? kExitOk : kExitFailed;
}

}  // namespace lumora::cli

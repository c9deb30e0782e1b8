// lumora-cli set-device NAS -u USER -p PASS [--name N] [--workgroup W] [--description D]:
// changes the appliance's name, workgroup and description; what is not given stays.

#include <cstdio>

#include "CgiSupport.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"

namespace lumora::cli {

int RunSetDevice(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    // The appliance takes these texts in UTF-8; each must fit its field whole.
    const auto check = [](const Options& o) {
        const std::pair<const char*, std::size_t> limits[] = {{"--name", 15}, {"--workgroup", 15}, {"--description", 30}};
        for (const auto& [option, limit] : limits)
            if (o.Value(option) && o.Value(option)->size() > limit)
                return std::string(option) + " takes at most " + std::to_string(limit) + " bytes";
        return std::string();
    };
    const std::optional<LoggedIn> login =
        LogIn(session, context, "set-device", {"--name", "--workgroup", "--description"}, {}, 1, exitCode, check);
    if (!login) return exitCode;
    const Options& o = login->options;

    // Unchanged fields are sent as the appliance has them now.
    if (!WaitForCgi(session, GetWizardInfo(session.window(), login->nasIndex)))
        return Fail(context, "the appliance did not report its settings");
    DeviceSettings settings;
    auto current = [](std::string_view ansi) { return WideToUtf8(AnsiToWide(ansi)); };
    CopyToField(settings.hostName, o.Value("--name").value_or(current(FieldText(g_wizardInfo.name))));
    CopyToField(settings.workgroup, o.Value("--workgroup").value_or(current(FieldText(g_wizardInfo.workgroup))));
    CopyToField(settings.description,
                o.Value("--description").value_or(current(FieldText(g_wizardInfo.description))));
    if (!WaitForCgi(session, SetDeviceInfo(session.window(), login->nasIndex, settings)))
        return Fail(context, "setting failed.");
    return Succeed(context, "Device information set.");
}

}  // namespace lumora::cli

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
        const std::pair<const char*, std::size_t> limits[] = {
            {"--name", 15}, {"--workgroup", 15}, {"--description", 30}};
        for (const auto& [option, limit] : limits)
            if (o.Value(option) && o.Value(option)->size() > limit)
                return std::string(option) + " takes at most " + std::to_string(limit) + " bytes";
        return std::string();
    };
    const std::optional<LoggedIn> login =
        LogIn(session, context,
              {.name = "set-device", .withValue = {"--name", "--workgroup", "--description"}, .check = check},
              exitCode);
    if (!login) return exitCode;
    const Options& o = login->options;

    // Unchanged fields are sent as the appliance has them now.
    if (!RunCgi(session, [&](HWND window) { return GetWizardInfo(window, login->nasIndex); }))
        return Fail(context, "the appliance did not report its settings");
    const WizardInfo now = g_wizardInfo.Get();
    DeviceSettings settings;
    auto current = [](std::string_view ansi) { return WideToUtf8(AnsiToWide(ansi)); };
    CopyToField(settings.hostName, o.Value("--name").value_or(current(FieldText(now.name))));
    CopyToField(settings.workgroup, o.Value("--workgroup").value_or(current(FieldText(now.workgroup))));
    CopyToField(settings.description, o.Value("--description").value_or(current(FieldText(now.description))));
    if (!RunCgi(session, [&](HWND window) { return SetDeviceInfo(window, login->nasIndex, settings); }))
        return Fail(context, "setting failed.");
    return Succeed(context, "Device information set.");
}

}  // namespace lumora::cli

// lumora-cli set-network NAS -u USER -p PASS (--dhcp | --ip A --mask M [--gateway G])
//                        [--dns1 D] [--dns2 D]
// Locks the address, sends the settings and follows the appliance to its new
// address as the setup wizard does: once a second it asks the appliance for its
// LAN address (at most eight times), then checks that it answers there.

#include <cstdio>
#include <thread>

#include "AddressOptions.h"
#include "CgiSupport.h"
#include "Json.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/datagram/NasList.h"

namespace lumora::cli {

namespace {

constexpr int kPollTicks = 8;

std::string CheckArguments(const Options& o) {
    std::string problem;
    if (!ReadAddressChoice(o, problem)) return problem;
    for (const char* option : {"--dns1", "--dns2"})
        if (o.Value(option) && !IsDottedIpv4(*o.Value(option)))
            return std::string(option) + " takes a dotted IPv4 address";
    return {};
}

}  // namespace

int RunSetNetwork(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    std::set<std::string> withValue = kAddressValueOptions;
    withValue.insert({"--dns1", "--dns2"});
    const std::optional<LoggedIn> login =
        LogIn(session, context,
              {.name = "set-network", .withValue = withValue, .flags = {kDhcpFlag}, .check = &CheckArguments},
              exitCode);
    if (!login) return exitCode;
    const Options& o = login->options;
    const int nas = login->nasIndex;
    NetworkSettings settings;
    settings.dhcpEnable = o.Has(kDhcpFlag) ? 1 : 0;
    CopyToField(settings.address, o.Value("--ip").value_or(""));
    CopyToField(settings.netmask, o.Value("--mask").value_or(""));
    CopyToField(settings.gateway, o.Value("--gateway").value_or(""));
    CopyToField(settings.dns1, o.Value("--dns1").value_or(""));
    CopyToField(settings.dns2, o.Value("--dns2").value_or(""));
    const std::string oldAddress(FieldText(NasList::Instance().At(nas)->ip));

    if (!RunCgi(session, [&](HWND window) { return LockAddress(window, nas); }))
        return Fail(context, "setting failed.");
    if (!RunCgi(session, [&](HWND window) { return SetNetwork(window, nas, settings); }))
        return Fail(context, "setting failed.");

    // The appliance still answers at its old address for a moment and reports the new one.
    bool found = false;
    for (int tick = 0; tick < kPollTicks && !found; ++tick) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        found = RunCgi(session, [&](HWND window) { return GetLanInfo(window, nas); });
    }
    if (!found) return Fail(context, "get NAS new ip error.");
    const std::string newAddress(FieldText(NasList::Instance().At(nas)->ip));
    // Then it must answer at the new one.
    bool answers = false;
    for (int attempt = 0; attempt < 10 && !answers; ++attempt) {
        answers = RunCgi(session, [&](HWND window) { return GetWizardInfo(window, nas); });
        if (!answers) std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    if (!answers) return Fail(context, "the appliance does not answer at " + newAddress);
    const WizardInfo info = g_wizardInfo.Get();
    if (context.json) {
        std::printf("%s\n", JsonObject()
                                .Bool("ok", true)
                                .Text("from", oldAddress)
                                .Text("ip", newAddress)
                                .Text("netmask", std::string(FieldText(info.netmask)))
                                .Text("gateway", std::string(FieldText(info.gateway)))
                                .Bool("dhcp", info.dhcpEnable == 1)
                                .str()
                                .c_str());
    } else if (newAddress == oldAddress) {
        std::printf("Settings taken; the address stays %s.\n", newAddress.c_str());
    } else {
        std::printf("Moved from %s to %s; it answers there.\n", oldAddress.c_str(), newAddress.c_str());
    }
    return kExitOk;
}

}  // namespace lumora::cli

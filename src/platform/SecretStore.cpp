#include "platform/SecretStore.h"

#include <atomic>
#include <cstdlib>

#include "platform/RunProgram.h"
#include "platform/Text.h"

namespace lumora {
namespace {

std::atomic<SecretStore*> g_store{nullptr};

// The attributes that find an appliance's item again.
std::vector<std::string> Attributes(const std::u16string& applianceName) {
    return {"application", "lumora", "appliance", WideToUtf8(applianceName)};
}

std::vector<std::string> Command(std::initializer_list<std::string> head,
                                 const std::u16string& applianceName) {
    std::vector<std::string> argv(head);
    for (std::string& a : Attributes(applianceName)) argv.push_back(std::move(a));
    return argv;
}

bool HasSessionBus() {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return bus && *bus;
}

}  // namespace

void SetSecretStore(SecretStore* store) { g_store.store(store); }

SecretStore* InstalledSecretStore() { return g_store.load(); }

bool DesktopKeyring::Available() {
    if (!HasSessionBus()) return false;
    // A lookup that finds nothing ends quietly; a missing or locked service says why.
    ProgramOutput out = RunProgram(Command({"secret-tool", "lookup"}, u"\x01probe"));
    return out.started && (out.exitCode == 0 || (out.exitCode == 1 && out.output.empty()));
}

bool DesktopKeyring::Store(const std::u16string& applianceName, const std::u16string& password) {
    if (!HasSessionBus()) return false;
    auto argv =
        Command({"secret-tool", "store", "--label=Lumora: " + WideToUtf8(applianceName)}, applianceName);
    ProgramOutput out = RunProgramWithInput(argv, WideToUtf8(password));
    return out.started && out.exitCode == 0;
}

std::optional<std::u16string> DesktopKeyring::Lookup(const std::u16string& applianceName) {
    if (!HasSessionBus()) return std::nullopt;
    ProgramOutput out = RunProgram(Command({"secret-tool", "lookup"}, applianceName));
    if (!out.started) return std::nullopt;
    if (out.exitCode == 0) return Utf8ToWide(out.output);
    if (out.exitCode == 1 && out.output.empty()) return std::u16string();
    return std::nullopt;
}

bool DesktopKeyring::Clear(const std::u16string& applianceName) {
    if (!HasSessionBus()) return false;
    ProgramOutput out = RunProgram(Command({"secret-tool", "clear"}, applianceName));
    return out.started && (out.exitCode == 0 || (out.exitCode == 1 && out.output.empty()));
}

}  // namespace lumora

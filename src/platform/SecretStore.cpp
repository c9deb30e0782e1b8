#include "platform/SecretStore.h"

#include <atomic>
#include <chrono>
#include <cstdlib>

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

// Unlocking may ask the user for the keyring's password.
constexpr std::chrono::seconds kSecretToolTimeout{60};

// secret-tool's exit 1 without a word: nothing is stored under those attributes.
bool FoundNothing(const CommandResult& r) {
    return r.started && !r.timedOut && r.exitCode == 1 && r.out.empty() && r.err.empty();
}

bool HasSessionBus() {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return bus && *bus;
}

}  // namespace

void SetSecretStore(SecretStore* store) { g_store.store(store); }

SecretStore* InstalledSecretStore() { return g_store.load(); }

CommandResult DesktopKeyring::Ask(const std::vector<std::string>& argv, std::string_view input) {
    CommandResult r = runner_.Run(argv, input, kSecretToolTimeout);
    if (!r.Succeeded() && !FoundNothing(r)) answer_.store(kUnknown);
    return r;
}

bool DesktopKeyring::Available() {
    if (!HasSessionBus()) return false;
    if (const int known = answer_.load(); known != kUnknown) return known == kAnswers;
    // A lookup that finds nothing ends quietly; a missing or locked service says why.
    const CommandResult r =
        runner_.Run(Command({"secret-tool", "lookup"}, u"\x01probe"), {}, kSecretToolTimeout);
    const bool answers = r.Succeeded() || FoundNothing(r);
    answer_.store(answers ? kAnswers : kSilent);
    return answers;
}

bool DesktopKeyring::Store(const std::u16string& applianceName, const std::u16string& password) {
    if (!HasSessionBus()) return false;
    auto argv =
        Command({"secret-tool", "store", "--label=Lumora: " + WideToUtf8(applianceName)}, applianceName);
    return Ask(argv, WideToUtf8(password)).Succeeded();
}

std::optional<std::u16string> DesktopKeyring::Lookup(const std::u16string& applianceName) {
    if (!HasSessionBus()) return std::nullopt;
    const CommandResult r = Ask(Command({"secret-tool", "lookup"}, applianceName));
    if (r.Succeeded()) return Utf8ToWide(r.out);
    if (FoundNothing(r)) return std::u16string();
    return std::nullopt;
}

bool DesktopKeyring::Clear(const std::u16string& applianceName) {
    if (!HasSessionBus()) return false;
    const CommandResult r = Ask(Command({"secret-tool", "clear"}, applianceName));
    return r.Succeeded() || FoundNothing(r);
}

}  // namespace lumora

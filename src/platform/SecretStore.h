#pragma once
// Where remembered passwords are kept when the desktop has a keyring.
//
// The desktop program installs the keyring store at start-up; without one
// (the command-line tool, tests, a desktop with no Secret Service) passwords
// stay in the settings file as they always were.

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CommandRunner.h"

namespace lumora {

class SecretStore {
public:
    virtual ~SecretStore() = default;
    // True when a keyring answers now.
    virtual bool Available() = 0;
    // Stores the appliance's password (replacing an older one); false when the keyring refused.
    virtual bool Store(const std::u16string& applianceName, const std::u16string& password) = 0;
    // The stored password; an empty text when none is stored; nothing when the keyring did not answer.
    virtual std::optional<std::u16string> Lookup(const std::u16string& applianceName) = 0;
    // Removes the appliance's password; false when the keyring refused.
    virtual bool Clear(const std::u16string& applianceName) = 0;
};

// Installs the store (null: passwords go to the settings file). Not owned.
void SetSecretStore(SecretStore* store);
// The installed store, or null.
SecretStore* InstalledSecretStore();

// The desktop keyring through the Secret Service (GNOME Keyring, KWallet), one
// item per appliance labelled with its name; asked through `secret-tool`.
// Never starts a session bus of its own: with no DBUS_SESSION_BUS_ADDRESS it is unavailable.
// Whether the keyring answers is asked once and kept; a store, lookup or removal that
// fails asks again at the next Available(), so that a keyring that went away is noticed.
class DesktopKeyring final : public SecretStore {
public:
    // `runner` starts secret-tool (tests stand in for it); it must outlive the keyring.
    explicit DesktopKeyring(CommandRunner& runner = SystemCommandRunner()) : runner_(runner) {}
    bool Available() override;
    bool Store(const std::u16string& applianceName, const std::u16string& password) override;
    std::optional<std::u16string> Lookup(const std::u16string& applianceName) override;
    bool Clear(const std::u16string& applianceName) override;

private:
    enum Answer { kUnknown, kAnswers, kSilent };
    // Runs secret-tool; a failure forgets the kept answer.
    CommandResult Ask(const std::vector<std::string>& argv, std::string_view input = {});
    CommandRunner& runner_;
    std::atomic<int> answer_{kUnknown};
};

}  // namespace lumora

#include "protocol/datagram/LoginRefusal.h"

#include <atomic>

#include "app/Language.h"
#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "protocol/query/Credentials.h"

namespace lumora {
namespace {

std::atomic<bool> g_forgetRemembered{true};

}  // namespace

void SetRefusalForgetsRememberedLogin(bool forget) { g_forgetRemembered.store(forget); }

void RefuseLogin(HWND owner) {
    ClearCredentials();
    // The remembered credentials of the appliance being connected to no longer hold.
    // Without a current server there is nothing to forget (and no nameless section to write).
    std::u16string serverName;
    if (g_forgetRemembered.load() && ReadSetting(kSectionCurrent, kKeyServName, serverName) &&
        !serverName.empty())
        ForgetLogin(serverName);
    MessageBox(Tr(u"Username or password error."), {}, MessageButtons::Ok, MessageIcon::None, owner);
}

}  // namespace lumora

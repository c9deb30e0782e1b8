#include "protocol/LoginRefusal.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "protocol/Credentials.h"

namespace lumora {

void RefuseLogin(HWND owner) {
    ClearCredentials();
    MessageBox(Tr(u"Username or password error."), {}, MessageButtons::Ok, MessageIcon::None, owner);
}

}  // namespace lumora

#pragma once
// What a refused or unanswered login check leaves behind.

#include "platform/WindowMessages.h"

namespace lumora {

// Clears g_userName and g_password, empties the remembered credentials of the
// current server in the settings file and shows "Username or password error.".
// Worker thread.
void RefuseLogin(HWND owner);

}  // namespace lumora

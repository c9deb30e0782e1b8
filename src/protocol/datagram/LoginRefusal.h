#pragma once
// What a refused or unanswered login check leaves behind.

#include "platform/WindowMessages.h"

namespace lumora {

// Clears g_userName and g_password, empties the remembered credentials of the
// current server in the settings file (unless switched off below) and shows
// "Username or password error.". Worker thread.
void RefuseLogin(HWND owner);

// Whether a refusal forgets the current server's remembered credentials (default: yes).
// The desktop program names the server and stores the credentials it is about to try,
// so they are the ones refused; lumora-cli names no server, and a refusal of its own
// must not wipe what the desktop program remembers for whichever appliance it used last.
void SetRefusalForgetsRememberedLogin(bool forget);

}  // namespace lumora

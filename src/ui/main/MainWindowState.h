#pragma once
// Process-wide state of the main window that other windows read or set.
// UI thread only.

#include "platform/WindowMessages.h"

namespace lumora {

// Asks a window to close, as its close box does (a dialog ends as Cancel).
inline constexpr unsigned WM_CLOSE = 0x0010;

// The user name of the last Connect is exactly "admin".
extern bool g_isAdmin;
// The open modal dialog that an inactivity logout or an address change closes
// (sent WM_CLOSE); kNoWindow when none is open. A modal dialog sets it when it
// opens and clears it when it closes.
extern HWND g_hOpenModal;
// The inactivity logout period in milliseconds; 0 means never.
extern unsigned g_logoutPeriod;

}  // namespace lumora

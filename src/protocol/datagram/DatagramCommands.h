#pragma once
// The three datagram commands: discovery, login check and set-address.
//
// Each is started on the UI thread, builds its datagram there and runs the
// exchange on a worker. They return the request handle, or 0 when nothing
// was started. Only one datagram exchange may run at a time.

#include <string_view>

#include "platform/WindowMessages.h"
#include "protocol/datagram/Datagrams.h"
#include "protocol/query/Query.h"

namespace lumora {

// Empties NasList, enumerates the adapters, makes a new RequestId and asks every
// adapter's network who is there. Reports WM_QUERY_RESULT to `target`.
RequestHandle StartDiscovery(HWND target);

// Stores the credentials (converted to the ANSI code page) in g_userName/g_password and
// checks them with the appliance at `nasIndex`. Reports WM_QUERY_RESULT when accepted; a
// refusal posts nothing (see RefuseLogin). Returns 0 and changes nothing when either has a
// CredentialProblem (check that first to tell the user why).
RequestHandle StartLogin(HWND target, int nasIndex, std::u16string_view userName,
                         std::u16string_view password);

// Asks the appliance at `nasIndex` to take the settings of `block` (copied).
// Reports WM_SETIP_RESULT: wParam 0 acknowledged, 1 not; lParam 4.
RequestHandle StartSetAddress(HWND target, int nasIndex, const IpConfigBlock& block);

}  // namespace lumora

#pragma once
// The private window messages through which requests report to windows.
//
// Unless a row says otherwise, wParam is 0 for success and nonzero for failure.

namespace lumora {

inline constexpr unsigned WM_USER = 0x0400;

// Discovery done, login accepted, volume usage, user access, share list (type 9).
// wParam 0, lParam = low 32 bits of the request's CMsg token.
inline constexpr unsigned WM_QUERY_RESULT = WM_USER + 1000;  // 2024
// Every request of type 3: wParam = handler result (0 success), lParam = kind.
inline constexpr unsigned WM_CGI_RESULT = WM_USER + 1001;  // 2025
// Sent synchronously by the activity hooks; wParam and lParam 0.
inline constexpr unsigned WM_USER_ACTIVITY = WM_USER + 1002;  // 2026
// Set-address outcome: wParam 0 acknowledged, 1 not; lParam 4 (the request type).
inline constexpr unsigned WM_SETIP_RESULT = WM_USER + 1003;  // 2027
// 2028 is not used.
// Disk information: wParam = heap HdInfo the receiver frees, lParam 9.
inline constexpr unsigned WM_HDINFO_RESULT = WM_USER + 1005;  // 2029
// Disk manager step: wParam = res value (always 1 for kind 10), lParam = kind.
inline constexpr unsigned WM_DISK_STEP_RESULT = WM_USER + 1006;  // 2030
// Volume creation started: wParam = res value (0 when the reply did not load), lParam 11.
inline constexpr unsigned WM_FORMAT_START_RESULT = WM_USER + 1007;  // 2031
// Format progress: wParam 0 error, 1 running, 2 finished; lParam = percent.
inline constexpr unsigned WM_FORMAT_PROGRESS = WM_USER + 1008;  // 2032
// The wizard moved the appliance to another subnet; wParam and lParam 0.
inline constexpr unsigned WM_OTHER_SUBNET = WM_USER + 1009;  // 2033

static_assert(WM_QUERY_RESULT == 2024 && WM_OTHER_SUBNET == 2033);

}  // namespace lumora

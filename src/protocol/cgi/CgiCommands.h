#pragma once
// The eighteen CGI commands. Each is started on the UI thread: it fills a query
// for `nasIndex`, builds the request there and starts the worker. It returns the
// request handle, or 0 when nothing was started: no appliance at `nasIndex`, an
// input longer than its field, a request text over 1023 characters, or no thread.

#include <string_view>

#include "platform/WindowMessages.h"
#include "protocol/cgi/CgiRecords.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/query/Query.h"

namespace lumora {

// Builds the request of `query` (nasIndex, kind set) around `body`: the POST text with
// the current g_password, the appliance's address as host, port 80. False when the
// appliance is not in NasList or the text would not fit.
bool BuildCgiRequest(CQuery& query, std::string_view body);

// Password of g_userName. WM_CGI_RESULT kind 1; an accepted change replaces g_password.
// Returns 0 when either password has a CredentialProblem.
RequestHandle ChangePassword(HWND target, int nasIndex, std::u16string_view oldPassword,
                             std::u16string_view newPassword);
// Replaces g_wizardInfo. WM_CGI_RESULT kind 2.
RequestHandle GetWizardInfo(HWND target, int nasIndex);
// WM_CGI_RESULT kind 3.
RequestHandle SetDeviceInfo(HWND target, int nasIndex, const DeviceSettings& settings);
// WM_CGI_RESULT kind 4.
RequestHandle SetTimeZone(HWND target, int nasIndex, int timeZone);
// WM_CGI_RESULT kind 5.
RequestHandle SetNetwork(HWND target, int nasIndex, const NetworkSettings& settings);
// Updates the appliance's ip in NasList and g_wizardInfo. WM_CGI_RESULT kind 6.
RequestHandle GetLanInfo(HWND target, int nasIndex);
// WM_CGI_RESULT kind 7.
RequestHandle LockAddress(HWND target, int nasIndex);
// Appends to g_shareList (empty it first). usb 0: WM_CGI_RESULT kind 8; usb 1: WM_QUERY_RESULT.
RequestHandle GetShareList(HWND target, int nasIndex, int usb);
// WM_HDINFO_RESULT with a record to take back with TakeHdInfo, then WM_CGI_RESULT kind 9.
RequestHandle GetDiskInfo(HWND target, int nasIndex);
// WM_DISK_STEP_RESULT kind 10, about five seconds after the reply.
RequestHandle StopFileBrowser(HWND target, int nasIndex);
// WM_FORMAT_START_RESULT; `first` is read while the command runs, not kept.
RequestHandle CreateVolumes(HWND target, int nasIndex, const VolumeSpec& first);
// WM_FORMAT_PROGRESS.
RequestHandle ReadFormatState(HWND target, int nasIndex);
// WM_DISK_STEP_RESULT kind 13.
RequestHandle RemountDisks(HWND target, int nasIndex);
// WM_DISK_STEP_RESULT kind 14.
RequestHandle CheckRemountState(HWND target, int nasIndex);
// WM_DISK_STEP_RESULT kind 15.
RequestHandle FinishFormat(HWND target, int nasIndex);
// Fills the request's own `volumes` (first volume, then a chain of the further ones);
// WM_QUERY_RESULT hands the request, records and all, to the window.
RequestHandle GetVolumeInfo(HWND target, int nasIndex);
// Reads the authority text of g_userName into the query's authorityText. WM_QUERY_RESULT.
RequestHandle GetUserAccess(HWND target, int nasIndex);

}  // namespace lumora

#include "protocol/cgi/CgiCommands.h"

#include "platform/Text.h"
#include "protocol/cgi/CgiForms.h"
#include "protocol/cgi/CgiRequestText.h"
#include "protocol/query/Credentials.h"
#include "protocol/datagram/NasList.h"

namespace lumora {

namespace {

constexpr std::uint16_t kCgiPort = 80;

// The common start of every CGI command.
RequestHandle Start(HWND target, int nasIndex, RequestType requestType, CgiKind kind, std::string_view body,
                    std::string_view newPassword = {}) {
    std::shared_ptr<CQuery> query = MakeQuery(target);
    query->nasIndex = nasIndex;
    query->requestType = requestType;
    query->kind = kind;
    CopyToField(query->newPassword, newPassword);
    if (body.size() > kMaxFormBody || !BuildCgiRequest(*query, body)) return 0;
    return StartQuery(query);
}

std::string UserName() { return CredentialText(g_userName); }

}  // namespace

bool BuildCgiRequest(CQuery& query, std::string_view body) {
    const std::optional<NasDevice> device = NasList::Instance().At(query.nasIndex);
    if (!device) return false;
    const std::string_view host = FieldText(device->ip);
    const std::optional<std::string> text =
        BuildCgiRequestText(query.kind, host, body, CredentialText(g_password));
    if (!text) return false;
    query.request.assign(text->begin(), text->end());
    CopyToField(query.host, host);
    query.targetMac = device->macText;
    query.port = kCgiPort;
    query.useTcp = true;
    return true;
}

RequestHandle ChangePassword(HWND target, int nasIndex, std::u16string_view oldPassword,
                             std::u16string_view newPassword) {
    // A password cut to its field or with a substituted character would be another password.
    if (!CredentialProblem(oldPassword).empty() || !CredentialProblem(newPassword).empty()) return 0;
    const std::string oldText = WideToAnsi(oldPassword), newText = WideToAnsi(newPassword);
    return Start(target, nasIndex, kRequestCgi, kKindChangePassword,
                 ChangePasswordForm(UserName(), oldText, newText), newText);
}

RequestHandle GetWizardInfo(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestCgi, kKindWizardInfo, kWizardInfoForm);
}

RequestHandle SetDeviceInfo(HWND target, int nasIndex, const DeviceSettings& settings) {
    return Start(target, nasIndex, kRequestCgi, kKindDeviceInfo, DeviceInfoForm(settings));
}

RequestHandle SetTimeZone(HWND target, int nasIndex, int timeZone) {
    return Start(target, nasIndex, kRequestCgi, kKindTimeZone, TimeZoneForm(timeZone));
}

RequestHandle SetNetwork(HWND target, int nasIndex, const NetworkSettings& settings) {
    return Start(target, nasIndex, kRequestCgi, kKindNetwork, NetworkForm(settings));
}

RequestHandle GetLanInfo(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestCgi, kKindLanInfo, kLanInfoForm);
}

RequestHandle LockAddress(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestCgi, kKindLockAddress, kLockAddressForm);
}

RequestHandle GetShareList(HWND target, int nasIndex, int usb) {
    return Start(target, nasIndex, usb == 1 ? kRequestShareList : kRequestCgi, kKindShareList,
                 ShareListForm(UserName(), usb));
}

RequestHandle GetDiskInfo(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestCgi, kKindDiskInfo, "");
}

RequestHandle StopFileBrowser(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestDiskManager, kKindStopFileBrowser, kStopFileBrowserForm);
}

RequestHandle CreateVolumes(HWND target, int nasIndex, const VolumeSpec& first) {
    const std::optional<std::string> body = CreateVolumesForm(first);
    if (!body) return 0;
    return Start(target, nasIndex, kRequestDiskManager, kKindCreateVolumes, *body);
}

RequestHandle ReadFormatState(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestDiskManager, kKindFormatState, "");
}

RequestHandle RemountDisks(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestDiskManager, kKindRemount, kRemountForm);
}

RequestHandle CheckRemountState(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestDiskManager, kKindCheckRemount, kCheckRemountForm);
}

RequestHandle FinishFormat(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestDiskManager, kKindFinishFormat, kFinishFormatForm);
}

RequestHandle GetVolumeInfo(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestVolumeUsage, kKindVolumeInfo, kVolumeInfoForm);
}

RequestHandle GetUserAccess(HWND target, int nasIndex) {
    return Start(target, nasIndex, kRequestUserAccess, kKindUserAccess, UserAccessForm(UserName()));
}

}  // namespace lumora

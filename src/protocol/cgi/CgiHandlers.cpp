#include "protocol/cgi/CgiHandlers.h"

#include <chrono>
#include <thread>

#include "app/Language.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiForms.h"
#include "protocol/cgi/CgiReplyParsers.h"
#include "protocol/query/Credentials.h"
#include "protocol/query/Messages.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Query.h"

namespace lumora {

namespace {

int PasswordStatus(CQuery& q, std::string_view reply) {
    if (!ParsePasswordAccepted(reply)) return 1;
    SetPassword(FieldText(q.newPassword));
    return 0;
}

int LanInformation(CQuery& q, std::string_view reply) {
    const std::optional<LanInfo> lan = ParseLanInfo(reply);
    if (!lan) return 1;
    // The list entry follows the appliance, so later requests reach its new address; a
    // discovery since the request started may have put another appliance at nasIndex.
    NasList::Instance().Update(q.nasIndex, FieldText(q.targetMac), [&lan](NasDevice& device) {
        CopyToField(device.ip, lan->ip);
        CopyToField(device.netmask, lan->netmask);
        CopyToField(device.gateway, lan->gateway);
    });
    g_wizardInfo.Update([&lan](WizardInfo& info) {
        CopyToField(info.ip, lan->ip);
        CopyToField(info.netmask, lan->netmask);
        CopyToField(info.gateway, lan->gateway);
    });
    return 0;
}

int ShareList(CQuery& q, std::string_view reply) {
    const auto names = ParseShareNames(reply);
    if (!names) return 1;
    const std::u16string label = Tr(u"select");
    g_shareList.Update([&](std::vector<ShareEntry>& list) {
        for (const std::u16string& name : *names) list.push_back(ShareEntry{name, label});
    });
    if (q.requestType == kRequestShareList) q.PostQueryResult();
    return 0;
}

int DiskInformation(CQuery& q, std::string_view reply) {
    const std::optional<HdInfo> info = ParseDiskInfo(reply);
    if (!info) return 1;
    const WPARAM block = ReleaseHdInfo(std::make_unique<HdInfo>(*info));
    // A window that is gone, now or by the time the message arrives, cannot free the
    // record: take it back then.
    PostMessage(q.targetWnd, WM_HDINFO_RESULT, block, kKindDiskInfo, [block] { TakeHdInfo(block); });
    return 0;
}

int DiskManager(CQuery& q, std::string_view reply) {
    switch (q.kind) {
        case kKindStopFileBrowser:
            if (!ParseResValue(reply)) return 1;
            // The appliance needs this long to let go of its disks.
            std::this_thread::sleep_for(std::chrono::seconds(5));
            PostMessage(q.targetWnd, WM_DISK_STEP_RESULT, 1, kKindStopFileBrowser);
            return 0;
        case kKindCreateVolumes: {
            const std::optional<int> res = ParseResValue(reply);
            PostMessage(q.targetWnd, WM_FORMAT_START_RESULT, static_cast<WPARAM>(res.value_or(0)),
                        kKindCreateVolumes);
            return res ? 0 : 1;
        }
        case kKindFormatState: {
            const std::optional<FormatState> state = ParseFormatState(reply);
            if (!state) return 1;
            PostMessage(q.targetWnd, WM_FORMAT_PROGRESS, static_cast<WPARAM>(state->state), state->percent);
            return 0;
        }
        case kKindRemount:
        case kKindCheckRemount:
        case kKindFinishFormat: {
            const std::optional<int> res = ParseResValue(reply);
            if (!res) return 1;
            PostMessage(q.targetWnd, WM_DISK_STEP_RESULT, static_cast<WPARAM>(*res), q.kind);
            return 0;
        }
        default: return 0;
    }
}

int VolumeUsageList(CQuery& q, std::string_view reply) {
    if (!ParseVolumeUsage(reply, q.volumes)) return 1;
    q.PostQueryResult();
    return 0;
}

int UserAccess(CQuery& q, std::string_view reply) {
    q.authorityText.clear();
    std::optional<std::u16string> authority = ParseUserAccess(reply);
    if (!authority) return 1;
    q.authorityText = std::move(*authority);
    q.PostQueryResult();
    // Nothing reads the result of this request type; 1 is what it has always returned.
    return 1;
}

}  // namespace

int HandleCgiReply(CQuery& q, std::string_view reply) {
    switch (q.requestType) {
        case kRequestCgi:
            switch (q.kind) {
                case kKindChangePassword: return PasswordStatus(q, reply);
                case kKindWizardInfo: g_wizardInfo.Set(ParseWizardInfo(reply)); return 0;
                case kKindLanInfo: return LanInformation(q, reply);
                case kKindShareList: return ShareList(q, reply);
                case kKindDiskInfo: return DiskInformation(q, reply);
                default: return 0;
            }
        case kRequestDiskManager: return DiskManager(q, reply);
        case kRequestVolumeUsage: return q.kind == kKindVolumeInfo ? VolumeUsageList(q, reply) : 0;
        case kRequestUserAccess: return q.kind == kKindUserAccess ? UserAccess(q, reply) : 0;
        case kRequestShareList: return ShareList(q, reply);
        default: return 0;
    }
}

}  // namespace lumora

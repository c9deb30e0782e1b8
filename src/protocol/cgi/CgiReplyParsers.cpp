#include "protocol/cgi/CgiReplyParsers.h"

#include "platform/Text.h"
#include "xml/XmlReader.h"

namespace lumora {

namespace {

// The reply is a zero-terminated text for the appliance's handlers: nothing after a zero counts.
std::string_view UpToZero(std::string_view reply) {
    const std::size_t zero = reply.find('\0');
    return zero == std::string_view::npos ? reply : reply.substr(0, zero);
}

// The field pattern: find a child, step in, take its text, step out. A miss leaves
// the previous child's text in place, as the appliance's replies have always been read.
std::u16string ReadField(XmlReader& xml, std::u16string_view name) {
    xml.FindNextChild(name);
    xml.Descend();
    std::u16string text = xml.CurrentText();
    xml.Ascend();
    return text;
}

// The same, for fields that are read only where present.
std::optional<std::u16string> ReadFieldIfPresent(XmlReader& xml, std::u16string_view name) {
    if (!xml.FindNextChild(name)) return std::nullopt;
    xml.Descend();
    std::u16string text = xml.CurrentText();
    xml.Ascend();
    return text;
}

bool EnterGroup(XmlReader& xml, std::u16string_view name) { return xml.FindNextChild(name) && xml.Descend(); }

template <std::size_t N>
void StoreAnsi(char (&field)[N], std::u16string_view text) {
    CopyToField(field, WideToAnsi(text));
}

bool IsUsableNameServer(std::u16string_view text) { return !text.empty() && text != u"0.0.0.0"; }

}  // namespace

std::u16string ReplyAsUtf8(std::string_view reply) { return DecodeUtf8Reply(UpToZero(reply)); }
std::u16string ReplyAsAnsi(std::string_view reply) { return AnsiToWide(UpToZero(reply)); }

bool ParsePasswordAccepted(std::string_view reply) {
    XmlReader xml;
    xml.LoadText(ReplyAsAnsi(reply));
    if (!xml.FindNextChild(u"status")) return false;
    return xml.ChildText() == u"1";
}

WizardInfo ParseWizardInfo(std::string_view reply) {
    WizardInfo info;
    XmlReader xml;
    xml.LoadText(ReplyAsUtf8(reply));
    if (EnterGroup(xml, u"lan")) {
        info.dhcpEnable = LeadingInteger(ReadField(xml, u"dhcp_enable"));
        StoreAnsi(info.ip, ReadField(xml, u"ip"));
        StoreAnsi(info.netmask, ReadField(xml, u"netmask"));
        StoreAnsi(info.gateway, ReadField(xml, u"gateway"));
        const std::u16string dns1 = ReadField(xml, u"dns1");
        if (IsUsableNameServer(dns1)) StoreAnsi(info.dns1, dns1);
        const std::u16string dns2 = ReadField(xml, u"dns2");
        if (IsUsableNameServer(dns2)) StoreAnsi(info.dns2, dns2);
        xml.Ascend();
    }
    if (EnterGroup(xml, u"system")) {
        StoreAnsi(info.name, ReadField(xml, u"name"));
        StoreAnsi(info.workgroup, ReadField(xml, u"workgroup"));
        StoreAnsi(info.description, ReadField(xml, u"description"));
        info.timeZone = LeadingInteger(ReadField(xml, u"timezone"));
        xml.Ascend();
    }
    return info;
}

std::optional<LanInfo> ParseLanInfo(std::string_view reply) {
    XmlReader xml;
    xml.LoadText(ReplyAsAnsi(reply));
    if (!xml.FindNext(u"info")) return std::nullopt;
    xml.Descend();
    // Without an address of its own the reply says nothing: taking the text the reader
    // left in place (or a blank) would point every later request nowhere.
    const bool found = xml.FindNext(u"ip1");
    const std::string ip = WideToAnsi(xml.CurrentText());
    if (!found || !IsDottedIpv4(ip) || ip == "0.0.0.0") {
        xml.Ascend();
        return std::nullopt;
    }
    LanInfo lan;
    lan.ip = ip;
    xml.FindNext(u"netmask1");
    lan.netmask = WideToAnsi(xml.CurrentText());
    xml.FindNext(u"gateway1");
    lan.gateway = WideToAnsi(xml.CurrentText());
    xml.Ascend();
    return lan;
}

std::optional<std::vector<std::u16string>> ParseShareNames(std::string_view reply) {
    XmlReader xml;
    if (!xml.LoadText(ReplyAsUtf8(reply))) return std::nullopt;
    std::vector<std::u16string> names;
    while (xml.FindNextChild(u"item")) {
        xml.Descend();
        names.push_back(xml.CurrentText());
        xml.Ascend();
    }
    return names;
}

std::optional<HdInfo> ParseDiskInfo(std::string_view reply) {
    XmlReader xml;
    if (!xml.LoadText(ReplyAsAnsi(reply))) return std::nullopt;
    HdInfo info;
    if (!EnterGroup(xml, u"hd_info")) return info;
    if (xml.FindNextChild(u"device_info")) xml.Descend();
    if (std::optional<std::u16string> count = ReadFieldIfPresent(xml, u"device_num"))
        info.diskCount = LeadingInteger(*count);
    auto readDisk = [&](char(&name)[10], std::int32_t& size) {
        if (!EnterGroup(xml, u"item")) return;
        StoreAnsi(name, ReadField(xml, u"device_name"));
        size = LeadingInteger(ReadField(xml, u"hd_GiB_size"));
        xml.Ascend();
    };
    readDisk(info.disk1Name, info.disk1SizeGiB);
    readDisk(info.disk2Name, info.disk2SizeGiB);
    xml.Ascend();
    xml.Ascend();
    return info;
}

std::optional<int> ParseResValue(std::string_view reply) {
    XmlReader xml;
    if (!xml.LoadText(ReplyAsAnsi(reply))) return std::nullopt;
    std::optional<std::u16string> res = ReadFieldIfPresent(xml, u"res");
    return res ? LeadingInteger(*res) : 0;
}

std::optional<FormatState> ParseFormatState(std::string_view reply) {
    XmlReader xml;
    if (!xml.LoadText(ReplyAsAnsi(reply))) return std::nullopt;
    std::u16string finished, errcode, percent;
    if (EnterGroup(xml, u"dm_state")) {
        finished = ReadFieldIfPresent(xml, u"finished").value_or(u"");
        errcode = ReadFieldIfPresent(xml, u"errcode").value_or(u"");
        percent = ReadFieldIfPresent(xml, u"percent").value_or(u"");
        xml.Ascend();
    }
    FormatState state;
    state.state = finished == u"1" ? 2 : 1;
    if (errcode != u"1") state.state = 0;
    state.percent = LeadingInteger(percent);
    return state;
}

bool ParseVolumeUsage(std::string_view reply, VolumeUsage& first) {
    XmlReader xml;
    if (!xml.LoadText(ReplyAsAnsi(reply))) return false;
    VolumeUsage* current = &first;
    VolumeUsage* last = &first;
    while (last->next) last = last->next.get();
    while (xml.FindNextChild(u"item")) {
        if (!current) {
            last->next = std::make_unique<VolumeUsage>();
            last = last->next.get();
            current = last;
        }
        xml.Descend();
        if (auto v = ReadFieldIfPresent(xml, u"volume")) current->volume = LeadingInteger(*v);
        if (auto v = ReadFieldIfPresent(xml, u"total_size")) current->totalSize = LeadingInteger(*v);
        if (auto v = ReadFieldIfPresent(xml, u"use_size")) current->usedSize = LeadingInteger(*v);
        xml.Ascend();
        current = nullptr;
    }
    return true;
}

std::optional<std::u16string> ParseUserAccess(std::string_view reply) {
    XmlReader xml;
    if (!xml.LoadText(ReplyAsAnsi(reply))) return std::nullopt;
    return ReadFieldIfPresent(xml, u"authority").value_or(u"");
}

}  // namespace lumora

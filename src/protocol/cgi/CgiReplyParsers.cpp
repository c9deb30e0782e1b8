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
// The text is a view of the reply, or of `scratch` where references were decoded:
// it lasts until the next read into the same `scratch`.
std::u16string_view ReadField(XmlReader& xml, std::u16string_view name, std::u16string& scratch) {
    xml.FindNextChild(name);
    xml.Descend();
    const std::u16string_view text = xml.CurrentTextView(scratch);
    xml.Ascend();
    return text;
}

// The same, for fields that are read only where present.
std::optional<std::u16string_view> ReadFieldIfPresent(XmlReader& xml, std::u16string_view name,
                                                      std::u16string& scratch) {
    if (!xml.FindNextChild(name)) return std::nullopt;
    xml.Descend();
    const std::u16string_view text = xml.CurrentTextView(scratch);
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
    std::u16string scratch;
    return xml.ChildTextView(scratch) == u"1";
}

WizardInfo ParseWizardInfo(std::string_view reply) {
    WizardInfo info;
    XmlReader xml;
    xml.LoadText(ReplyAsUtf8(reply));
    std::u16string scratch;
    if (EnterGroup(xml, u"lan")) {
        info.dhcpEnable = LeadingInteger(ReadField(xml, u"dhcp_enable", scratch));
        StoreAnsi(info.ip, ReadField(xml, u"ip", scratch));
        StoreAnsi(info.netmask, ReadField(xml, u"netmask", scratch));
        StoreAnsi(info.gateway, ReadField(xml, u"gateway", scratch));
        const std::u16string_view dns1 = ReadField(xml, u"dns1", scratch);
        if (IsUsableNameServer(dns1)) StoreAnsi(info.dns1, dns1);
        const std::u16string_view dns2 = ReadField(xml, u"dns2", scratch);
        if (IsUsableNameServer(dns2)) StoreAnsi(info.dns2, dns2);
        xml.Ascend();
    }
    if (EnterGroup(xml, u"system")) {
        StoreAnsi(info.name, ReadField(xml, u"name", scratch));
        StoreAnsi(info.workgroup, ReadField(xml, u"workgroup", scratch));
        StoreAnsi(info.description, ReadField(xml, u"description", scratch));
        info.timeZone = LeadingInteger(ReadField(xml, u"timezone", scratch));
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
    std::u16string scratch;
    const std::string ip = WideToAnsi(xml.CurrentTextView(scratch));
    if (!found || !IsDottedIpv4(ip) || ip == "0.0.0.0") {
        xml.Ascend();
        return std::nullopt;
    }
    LanInfo lan;
    lan.ip = ip;
    xml.FindNext(u"netmask1");
    lan.netmask = WideToAnsi(xml.CurrentTextView(scratch));
    xml.FindNext(u"gateway1");
    lan.gateway = WideToAnsi(xml.CurrentTextView(scratch));
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
    std::u16string scratch;
    if (std::optional<std::u16string_view> count = ReadFieldIfPresent(xml, u"device_num", scratch))
        info.diskCount = LeadingInteger(*count);
    auto readDisk = [&](char(&name)[10], std::int32_t& size) {
        if (!EnterGroup(xml, u"item")) return;
        StoreAnsi(name, ReadField(xml, u"device_name", scratch));
        size = LeadingInteger(ReadField(xml, u"hd_GiB_size", scratch));
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
    std::u16string scratch;
    const std::optional<std::u16string_view> res = ReadFieldIfPresent(xml, u"res", scratch);
    return res ? LeadingInteger(*res) : 0;
}

std::optional<FormatState> ParseFormatState(std::string_view reply) {
    XmlReader xml;
    if (!xml.LoadText(ReplyAsAnsi(reply))) return std::nullopt;
    // Each field has a buffer of its own: all three are read before any is looked at.
    std::u16string finishedScratch, errcodeScratch, percentScratch;
    std::u16string_view finished, errcode, percent;
    if (EnterGroup(xml, u"dm_state")) {
        finished = ReadFieldIfPresent(xml, u"finished", finishedScratch).value_or(u"");
        errcode = ReadFieldIfPresent(xml, u"errcode", errcodeScratch).value_or(u"");
        percent = ReadFieldIfPresent(xml, u"percent", percentScratch).value_or(u"");
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
    std::u16string scratch;
    while (xml.FindNextChild(u"item")) {
        if (!current) {
            last->next = std::make_unique<VolumeUsage>();
            last = last->next.get();
            current = last;
        }
        xml.Descend();
        if (auto v = ReadFieldIfPresent(xml, u"volume", scratch)) current->volume = LeadingInteger(*v);
        if (auto v = ReadFieldIfPresent(xml, u"total_size", scratch)) current->totalSize = LeadingInteger(*v);
        if (auto v = ReadFieldIfPresent(xml, u"use_size", scratch)) current->usedSize = LeadingInteger(*v);
        xml.Ascend();
        current = nullptr;
    }
    return true;
}

std::optional<std::u16string> ParseUserAccess(std::string_view reply) {
    XmlReader xml;
    if (!xml.LoadText(ReplyAsAnsi(reply))) return std::nullopt;
    std::u16string scratch;
    return std::u16string(ReadFieldIfPresent(xml, u"authority", scratch).value_or(u""));
}

}  // namespace lumora

#include "web/CgiResponder.h"

#include "platform/Text.h"

#include "web/HttpRequest.h"
#include "web/SimReplies.h"

namespace lumora::sim {

namespace {

constexpr std::string_view kOk = "HTTP/1.0 200 OK";
constexpr std::string_view kXml = "text/xml";

std::string Get(const std::map<std::string, std::string>& form, const char* name) {
    const auto f = form.find(name);
    return f == form.end() ? std::string() : f->second;
}

// The tool always authorises as "admin" with the password of whoever logged in, so
// "admin" is let in with any account's password; other names need their own.
bool Authorised(const CgiState& s, const HttpRequest& request) {
    const std::optional<Credentials> c = BasicCredentials(request);
    if (!c) return false;
    if (c->user == "admin") {
        for (const auto& [user, password] : s.passwords)
            if (password == c->password) return true;
        return false;
    }
    const auto found = s.passwords.find(c->user);
    return found != s.passwords.end() && found->second == c->password;
}

// Applies the body-shaping fault switches to an XML body.
std::string Misshape(std::string body, const WebFaults& f) {
    if (f.highBytes) {
        const std::size_t root = body.find("<config>");
        const std::size_t at = root == std::string::npos ? body.find("<info>") : root;
        if (at != std::string::npos) body.insert(body.find('>', at) + 1, "<!-- \xF0\x9F\x92\xBE -->");
    }
    if (f.malformedXml) {
        const std::size_t end = body.rfind("</");
        if (end != std::string::npos) body.replace(end, 2, "</broken_");
    }
    if (f.oversizeReply) body += std::string(5000, ' ') + "<!-- end of padding -->\n";
    if (f.emptyBody) body.clear();
    return body;
}

}  // namespace

WebReply CgiResponder::Respond(std::string_view raw, SimClock::time_point now) {
    WebReply reply;
    const std::optional<HttpRequest> request = ParseHttpRequest(raw);
    if (!request) {
        reply.bytes = HttpReply("HTTP/1.0 400 Bad Request", "text/plain", "bad request\n");
        return reply;
    }
    if (request->path == "/web/tessil_redirect.html") {
        reply.bytes = HttpReply(kOk, "text/html; charset=utf-8", RedirectPage(request->query));
        return reply;
    }
    if (!Authorised(state_, *request)) {
        reply.bytes = HttpReply("HTTP/1.0 401 Unauthorized", "text/plain", "unauthorised\n");
        return reply;
    }
    const WebFaults& faults = state_.faults;
    reply.neverAnswer = faults.neverAnswer;
    reply.closeMidReply = faults.closeMidReply;
    std::string body = Dispatch(request->path, request->body, now, reply);
    if (body.empty()) {
        reply.bytes = HttpReply("HTTP/1.0 404 Not Found", "text/plain", "not found\n");
        reply.newAddress.reset();
        return reply;
    }
    const std::string_view status = faults.statusLine.empty() ? kOk : std::string_view(faults.statusLine);
    reply.bytes = HttpReply(status, kXml, Misshape(std::move(body), faults));
    return reply;
}

std::string CgiResponder::Dispatch(const std::string& path, const std::string& body, SimClock::time_point now,
                                   WebReply& reply) {
    const auto form = ParseForm(body, !state_.faults.noDecode);
    const std::string cmd = Get(form, "cmd");
    if (path == "/xml/current_hd_info.xml") return DiskInfoXml(state_);
    if (path == "/xml/dm_read_state.xml") return FormatStateXml(format_.Read(now, state_.faults.formatError));
    if (path == "/cgi-bin/account_mgr.cgi") return AccountCommand(cmd, form);
    if (path == "/cgi-bin/wizard_mgr.cgi") return cmd == "cgi_get_wizard" ? WizardXml(state_) : ResXml(0);
    if (path == "/cgi-bin/network_mgr.cgi") return NetworkCommand(cmd, form, reply);
    if (path == "/cgi-bin/hd_config.cgi") return DiskCommand(cmd, body, now);
    if (path == "/cgi-bin/system_mgr.cgi") {
        if (cmd == "cgi_device") {
            state_.description = Get(form, "description");
            state_.deviceName = Get(form, "hostname");
            state_.workgroup = Get(form, "workgroup");
            return ResXml(1);
        }
        if (cmd == "cgi_timezone") {
            state_.timeZone = LeadingInteger(Get(form, "f_timezone"));
            return ResXml(1);
        }
        return ResXml(0);
    }
    if (path == "/cgi-bin/usb_device.cgi") return ResXml(0);
    return {};
}

std::string CgiResponder::AccountCommand(const std::string& cmd,
                                         const std::map<std::string, std::string>& form) {
    if (cmd == "cgi_chg_user_pw") {
        const auto user = state_.passwords.find(Get(form, "uname"));
        const bool accepted = user != state_.passwords.end() && user->second == Get(form, "opw");
        if (accepted) user->second = Get(form, "pw");
        return PasswordStatusXml(accepted);
    }
    if (cmd == "cgi_get_share_info2") return SharesXml(state_, Get(form, "usb") == "1");
    if (cmd == "cgi_get_user_access") return UserAccessXml(state_, Get(form, "name"));
    return ResXml(0);
}

std::string CgiResponder::NetworkCommand(const std::string& cmd,
                                         const std::map<std::string, std::string>& form, WebReply& reply) {
    if (cmd == "cgi_get_lan_xml2") return LanXml(state_);
    if (cmd == "cgi_setip_lock") {
        state_.addressLocked = true;
        return ResXml(1);
    }
    if (cmd != "cgi_ip") return ResXml(0);
    SimLan lan = state_.lan;
    lan.dhcpEnable = Get(form, "f_dhcp_enable") == "1" ? 1 : 0;
    if (lan.dhcpEnable) {
        if (!lan.dhcpIp.empty()) lan.ip = lan.dhcpIp;
        if (!lan.dhcpNetmask.empty()) lan.netmask = lan.dhcpNetmask;
        if (!lan.dhcpGateway.empty()) lan.gateway = lan.dhcpGateway;
    } else {
        lan.ip = Get(form, "f_ip");
        lan.netmask = Get(form, "f_netmask");
        lan.gateway = Get(form, "f_gateway");
        if (!IsDottedIpv4(lan.ip) || !IsDottedIpv4(lan.netmask)) return ResXml(0);
    }
    lan.dns1 = Get(form, "f_dns1");
    lan.dns2 = Get(form, "f_dns2");
    if (lan.ip != state_.lan.ip) reply.newAddress = lan.ip;
    state_.lan = lan;
    state_.addressLocked = false;
    return ResXml(1);
}

std::string CgiResponder::DiskCommand(const std::string& cmd, const std::string& body,
                                      SimClock::time_point now) {
    if (cmd == "cgi_Status_Volume_Info") return VolumeInfoXml(state_);
    if (cmd == "cgi_AJAXPlorer_Stop") {
        format_.StopFileBrowser();
        return ResXml(1);
    }
    if (cmd == "cgi_FMT_Create_DiskMGR") {
        // The description is split on its commas before its fields are decoded.
        const std::string raw = Get(ParseForm(body, false), "f_create_volume_info");
        return ResXml(format_.Create(raw, state_, now) ? 1 : 0);
    }
    if (cmd == "cgi_Disk_Remount") return ResXml(format_.Remount(now, state_.faults.formatError) ? 1 : 0);
    if (cmd == "cgi_Check_Disk_Remount_State") return ResXml(format_.RemountDone() ? 1 : 0);
    if (cmd == "cgi_FMT_Disk_Finish") return ResXml(format_.Finish(state_) ? 1 : 0);
    return ResXml(0);
}

}  // namespace lumora::sim

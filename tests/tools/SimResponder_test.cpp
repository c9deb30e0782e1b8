// The simulated appliance's web answers, request by request.

#include "web/CgiResponder.h"

#include <gtest/gtest.h>

#include "web/HttpRequest.h"

namespace lumora::sim {
namespace {

std::string Post(std::string_view path, std::string_view body,
                 std::string_view credentials = "YWRtaW46YWRtaW4=") {
    return "POST " + std::string(path) +
           " HTTP/1.0\r\nConnection: close\r\nHost: 10.0.0.2\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nAuthorization: Basic " + std::string(credentials) +
           "\r\nContent-Type: application/x-www-form-urlencoded\r\n\r\n" + std::string(body);
}

TEST(SimResponderTest, RequestsAreParsedAndDecoded) {
    const std::string raw = Post("/cgi-bin/x.cgi", "cmd=a&v=x%26y%3Dz+w");
    EXPECT_EQ(MissingRequestBytes(raw.substr(0, raw.size() - 3)), 3u);
    EXPECT_EQ(MissingRequestBytes(raw), 0u);
    EXPECT_FALSE(MissingRequestBytes("POST / HTTP/1.0\r\n"));
    const auto request = ParseHttpRequest(raw);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->path, "/cgi-bin/x.cgi");
    EXPECT_EQ(ParseForm(request->body).at("v"), "x&y=z w");
    EXPECT_EQ(BasicCredentials(*request)->password, "admin");
}

TEST(SimResponderTest, CredentialsAreChecked) {
    CgiState state;
    state.passwords = {{"admin", "admin"}, {"bob", "pw"}};
    CgiResponder responder(state);
    const auto now = SimClock::now();
    auto status = [&](std::string_view credentials) {
        const std::string bytes =
            responder.Respond(Post("/cgi-bin/wizard_mgr.cgi", "cmd=cgi_get_wizard", credentials), now).bytes;
        return bytes.substr(0, bytes.find("\r\n"));
    };
    EXPECT_EQ(status("YWRtaW46YWRtaW4="), "HTTP/1.0 200 OK");        // admin:admin
    EXPECT_EQ(status("YWRtaW46cHc="), "HTTP/1.0 200 OK");            // admin:pw (the tool's way for bob)
    EXPECT_EQ(status("Ym9iOnB3"), "HTTP/1.0 200 OK");                // bob:pw
    EXPECT_EQ(status("Ym9iOmFkbWlu"), "HTTP/1.0 401 Unauthorized");  // bob:admin
    EXPECT_EQ(status("YWRtaW46"), "HTTP/1.0 401 Unauthorized");      // admin:
    EXPECT_EQ(status("!!"), "HTTP/1.0 401 Unauthorized");
}

TEST(SimResponderTest, RepliesCarryConnectionCloseAndTheirLength) {
    CgiResponder responder(CgiState{});
    const std::string bytes = responder.Respond(Post("/xml/current_hd_info.xml", ""), SimClock::now()).bytes;
    const std::size_t head = bytes.find("\r\n\r\n");
    ASSERT_NE(head, std::string::npos);
    EXPECT_NE(bytes.find("Connection: close\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Content-Length: " + std::to_string(bytes.size() - head - 4) + "\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("<device_num>2</device_num>"), std::string::npos);
    EXPECT_EQ(responder.Respond(Post("/nowhere", ""), SimClock::now()).bytes.substr(0, 22),
              "HTTP/1.0 404 Not Found");
}

TEST(SimResponderTest, RedirectPageShowsWhatTheToolAskedFor) {
    CgiResponder responder(CgiState{});
    const std::string bytes =
        responder
            .Respond("GET /web/tessil_redirect.html?m=2&u=bob&p=a<b&d=status HTTP/1.1\r\nHost: x\r\n\r\n",
                     SimClock::now())
            .bytes;
    EXPECT_EQ(bytes.substr(0, 15), "HTTP/1.0 200 OK");
    EXPECT_NE(bytes.find("<h1 id=\"centre\">Management Center</h1>"), std::string::npos);
    EXPECT_NE(bytes.find("<span id=\"u\">bob</span>"), std::string::npos);
    EXPECT_NE(bytes.find("<span id=\"p\">a&lt;b</span>"), std::string::npos);
    EXPECT_NE(bytes.find("<span id=\"d\">status</span>"), std::string::npos);
}

TEST(SimResponderTest, NetworkSettingsMoveTheApplianceAfterTheReply) {
    CgiState state;
    state.lan.ip = "10.0.0.2";
    CgiResponder responder(state);
    const auto now = SimClock::now();
    WebReply reply = responder.Respond(
        Post("/cgi-bin/network_mgr.cgi",
             "cmd=cgi_ip&f_dhcp_enable=0&f_ip=10.0.0.9&f_gateway=10.0.0.1&f_netmask=255.0.0.0"
             "&f_dns1=&f_dns2=&vlan_enable=0&vlan_id=0&lan=0"),
        now);
    EXPECT_EQ(reply.newAddress, "10.0.0.9");
    EXPECT_NE(responder.Respond(Post("/cgi-bin/network_mgr.cgi", "cmd=cgi_get_lan_xml2&lan=0"), now)
                  .bytes.find("<ip1>10.0.0.9</ip1><netmask1>255.0.0.0</netmask1>"),
              std::string::npos);
    reply = responder.Respond(
        Post("/cgi-bin/network_mgr.cgi", "cmd=cgi_ip&f_dhcp_enable=0&f_ip=bad&f_netmask=x"), now);
    EXPECT_FALSE(reply.newAddress);
    EXPECT_NE(reply.bytes.find("<res>0</res>"), std::string::npos);
}

TEST(SimResponderTest, ConfigurationKeys) {
    CgiState s;
    EXPECT_TRUE(ApplyWebConfig(s, "web.password.carol", "pw"));
    EXPECT_TRUE(ApplyWebConfig(s, "web.disks", "sda:100"));
    EXPECT_TRUE(ApplyWebConfig(s, "web.volumes", "1:standard:sda:97:3"));
    EXPECT_TRUE(ApplyWebConfig(s, "web.fault", "never_answer,high_bytes"));
    EXPECT_TRUE(ApplyWebConfig(s, "web.format_seconds", "0.5"));
    EXPECT_EQ(s.passwords.at("carol"), "pw");
    EXPECT_EQ(s.disks.size(), 1u);
    EXPECT_EQ(s.volumes.at(0).usedGiB, 3);
    EXPECT_TRUE(s.faults.neverAnswer && s.faults.highBytes);
    EXPECT_DOUBLE_EQ(s.formatSeconds, 0.5);
    EXPECT_FALSE(ApplyWebConfig(s, "web.fault", "sneeze"));
    EXPECT_FALSE(ApplyWebConfig(s, "web.disks", "sda"));
    EXPECT_FALSE(ApplyWebConfig(s, "web.colour", "red"));
}

}  // namespace
}  // namespace lumora::sim

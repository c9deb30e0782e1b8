#include "protocol/cgi/CgiRequestText.h"

#include "platform/Text.h"
#include "protocol/cgi/CgiForms.h"

namespace lumora {

std::optional<std::string> BuildCgiRequestText(int kind, std::string_view host, std::string_view body,
                                               std::string_view password) {
    std::string credentials = "admin:";
    credentials += password;
    std::string text;
    text.reserve(256 + body.size());
    text += "POST ";
    text += CgiPath(kind);
    text += " HTTP/1.0\r\nConnection: close\r\nHost: ";
    text += host;
    text += "\r\nContent-Length: ";
    text += std::to_string(body.size());
    text += "\r\nAuthorization: Basic ";
    text += Base64Encode(credentials);
    text += "\r\nContent-Type: application/x-www-form-urlencoded\r\n\r\n";
    text += body;
    if (text.size() > kMaxRequestText) return std::nullopt;
    return text;
}

bool CgiStatusOk(std::string_view reply) {
    constexpr std::string_view kPrefix = "HTTP/";
    if (reply.substr(0, kPrefix.size()) != kPrefix) return false;
    const std::size_t versionEnd = reply.find(' ', kPrefix.size());
    if (versionEnd == std::string_view::npos) return false;
    if (reply.substr(kPrefix.size(), versionEnd - kPrefix.size()) != "1.0") return false;
    const std::size_t statusStart = versionEnd + 1;
    const std::size_t statusEnd = reply.find_first_of(" \r\n", statusStart);
    const std::string_view status = reply.substr(
        statusStart, statusEnd == std::string_view::npos ? std::string_view::npos : statusEnd - statusStart);
    return status == "200";
}

}  // namespace lumora

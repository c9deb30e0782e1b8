#include "web/HttpRequest.h"

#include <algorithm>
#include <cctype>

#include "platform/Text.h"
#include "protocol/cgi/CgiForms.h"
#include "web/SimText.h"

namespace lumora::sim {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::size_t ContentLength(std::string_view headerBlock) {
    const std::string lower = Lower(headerBlock);
    const std::size_t at = lower.find("\ncontent-length:");
    if (at == std::string::npos) return 0;
    std::size_t i = at + 16, value = 0;
    while (i < lower.size() && lower[i] == ' ') ++i;
    for (; i < lower.size() && std::isdigit(static_cast<unsigned char>(lower[i])); ++i)
        value = std::min<std::size_t>(value * 10 + static_cast<std::size_t>(lower[i] - '0'), 1 << 20);
    return value;
}

}  // namespace

std::optional<std::size_t> MissingRequestBytes(std::string_view received) {
    const std::size_t end = received.find("\r\n\r\n");
    if (end == std::string_view::npos) return std::nullopt;
    const std::size_t want = end + 4 + ContentLength(received.substr(0, end + 2));
    return want > received.size() ? want - received.size() : 0;
}

std::optional<HttpRequest> ParseHttpRequest(std::string_view bytes) {
    const std::size_t end = bytes.find("\r\n\r\n");
    if (end == std::string_view::npos) return std::nullopt;
    HttpRequest request;
    std::string_view head = bytes.substr(0, end);
    const std::size_t lineEnd = head.find("\r\n");
    const std::string_view line = head.substr(0, lineEnd);
    const std::size_t s1 = line.find(' ');
    const std::size_t s2 = line.rfind(' ');
    if (s1 == std::string_view::npos || s2 == s1) return std::nullopt;
    request.method = line.substr(0, s1);
    request.target = line.substr(s1 + 1, s2 - s1 - 1);
    request.version = line.substr(s2 + 1);
    const std::size_t question = request.target.find('?');
    request.path = request.target.substr(0, question);
    if (question != std::string::npos) request.query = request.target.substr(question + 1);
    std::string_view rest = lineEnd == std::string_view::npos ? std::string_view{} : head.substr(lineEnd + 2);
    while (!rest.empty()) {
        const std::size_t next = rest.find("\r\n");
        const std::string_view header = rest.substr(0, next);
        const std::size_t colon = header.find(':');
        if (colon == std::string_view::npos) return std::nullopt;
        request.headers[Lower(Trim(header.substr(0, colon)))] = Trim(header.substr(colon + 1));
        rest = next == std::string_view::npos ? std::string_view{} : rest.substr(next + 2);
    }
    request.body = bytes.substr(end + 4);
    return request;
}

std::map<std::string, std::string> ParseForm(std::string_view form, bool decode) {
    auto text = [decode](std::string_view t) { return decode ? PercentDecode(t) : std::string(t); };
    std::map<std::string, std::string> fields;
    while (!form.empty()) {
        const std::size_t amp = form.find('&');
        const std::string_view pair = form.substr(0, amp);
        const std::size_t eq = pair.find('=');
        if (eq == std::string_view::npos)
            fields[text(pair)] = "";
        else
            fields[text(pair.substr(0, eq))] = text(pair.substr(eq + 1));
        if (amp == std::string_view::npos) break;
        form.remove_prefix(amp + 1);
    }
    return fields;
}

std::optional<Credentials> BasicCredentials(const HttpRequest& request) {
    const auto header = request.headers.find("authorization");
    if (header == request.headers.end()) return std::nullopt;
    constexpr std::string_view kBasic = "Basic ";
    if (header->second.compare(0, kBasic.size(), kBasic) != 0) return std::nullopt;
    const std::string decoded = Base64Decode(std::string_view(header->second).substr(kBasic.size()));
    const std::size_t colon = decoded.find(':');
    if (colon == std::string::npos) return std::nullopt;
    return Credentials{decoded.substr(0, colon), decoded.substr(colon + 1)};
}

}  // namespace lumora::sim

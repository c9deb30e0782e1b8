#pragma once
// The HTTP text of a CGI request and the status check of its reply.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// The whole request, headers and body, must fit in this many characters.
inline constexpr std::size_t kMaxRequestText = 1023;
// The reply is kept up to this many bytes; the rest is dropped.
inline constexpr std::size_t kMaxReplyText = 4095;

// The POST of `body` to the path of `kind` on `host`, authorised as "admin:" + password;
// nullopt when the text would exceed kMaxRequestText (it is never cut).
std::optional<std::string> BuildCgiRequestText(int kind, std::string_view host, std::string_view body,
                                               std::string_view password);

// True when the reply starts with "HTTP/1.0" and a status of exactly "200"; the status
// ends at a blank or at the line end, so a missing reason phrase is fine.
bool CgiStatusOk(std::string_view reply);

}  // namespace lumora

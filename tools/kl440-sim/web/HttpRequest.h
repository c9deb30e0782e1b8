#pragma once
// A received HTTP request as the simulated appliance's web side sees it.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lumora::sim {

struct HttpRequest {
    std::string method;
    std::string target;  // path with the query, as sent
    std::string path;    // target up to "?"
    std::string query;   // after "?", empty when none
    std::string version;
    std::map<std::string, std::string> headers;  // names in lower case
    std::string body;
};

// Bytes still missing before `received` holds a whole request (0 when complete); nullopt
// while the header block has not ended.
std::optional<std::size_t> MissingRequestBytes(std::string_view received);

// Parses a whole request; nullopt when the request line or the headers are malformed.
std::optional<HttpRequest> ParseHttpRequest(std::string_view bytes);

// Splits "a=1&b=x%26y" into fields (later fields win); `decode` undoes percent escapes and "+".
std::map<std::string, std::string> ParseForm(std::string_view form, bool decode = true);

// User and password of a Basic authorisation header; nullopt when absent or malformed.
struct Credentials {
    std::string user;
    std::string password;
};
std::optional<Credentials> BasicCredentials(const HttpRequest& request);

}  // namespace lumora::sim

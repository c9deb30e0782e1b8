#pragma once
// Just enough JSON for lumora-cli's output.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumora::cli {

// The text as a JSON string literal, quotes included (UTF-8 in, UTF-8 out).
std::string JsonString(std::string_view text);

// Builds one JSON object, keys in insertion order.
class JsonObject {
public:
    JsonObject& Text(std::string_view key, std::string_view value);
    JsonObject& Number(std::string_view key, long long value);
    JsonObject& Bool(std::string_view key, bool value);
    // A value that is already JSON (an object or a list).
    JsonObject& Raw(std::string_view key, std::string value);
    std::string str() const;

private:
    std::vector<std::pair<std::string, std::string>> members_;
};

// "[a,b,...]" of JSON values.
std::string JsonList(const std::vector<std::string>& values);

}  // namespace lumora::cli

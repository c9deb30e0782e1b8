#include "Json.h"

#include <cstdio>

namespace lumora::cli {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

JsonObject& JsonObject::Text(std::string_view key, std::string_view value) {
    return Raw(key, JsonString(value));
}

JsonObject& JsonObject::Number(std::string_view key, long long value) {
    return Raw(key, std::to_string(value));
}

JsonObject& JsonObject::Bool(std::string_view key, bool value) { return Raw(key, value ? "true" : "false"); }

JsonObject& JsonObject::Raw(std::string_view key, std::string value) {
    members_.emplace_back(std::string(key), std::move(value));
    return *this;
}

std::string JsonObject::str() const {
    std::string out = "{";
    for (std::size_t i = 0; i < members_.size(); ++i) {
        if (i) out += ", ";
        out += JsonString(members_[i].first) + ": " + members_[i].second;
    }
    return out + "}";
}

std::string JsonList(const std::vector<std::string>& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ",\n  " : "\n  ") + values[i];
    return out + (values.empty() ? "]" : "\n]");
}

}  // namespace lumora::cli

#include "platform/ShareNames.h"

#include "platform/Text.h"

namespace lumora {

bool IsValidShareServer(std::u16string_view address) {
    if (address.empty() || address.front() == u'-') return false;
    for (char16_t c : address) {
        const bool ok = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                        c == u'.' || c == u'-' || c == u'_';
        if (!ok) return false;
    }
    return true;
}

bool IsValidShareName(std::u16string_view share) {
    if (share.empty()) return false;
    for (std::size_t i = 0; i < share.size(); ++i) {
        const char16_t c = share[i];
        if (c < 0x20 || c == 0x7F || c == u'/' || c == u'\\' || c == u'"' || c == u'\'') return false;
        // Line and paragraph separators break lines as surely as a line feed does.
        if (c == 0x2028 || c == 0x2029) return false;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= share.size() || share[i + 1] < 0xDC00 || share[i + 1] > 0xDFFF) return false;
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

std::u16string ShareAddress(std::u16string_view address, std::u16string_view share) {
    if (!IsValidShareServer(address) || !IsValidShareName(share)) return {};
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::u16string out = u"smb://";
    out.append(address);
    out += u'/';
    for (unsigned char byte : WideToUtf8(share)) {
        const bool unreserved = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~';
        if (unreserved) {
            out += static_cast<char16_t>(byte);
        } else {
            out += u'%';
            out += static_cast<char16_t>(kHex[byte >> 4]);
            out += static_cast<char16_t>(kHex[byte & 0x0F]);
        }
    }
    return out;
}

std::optional<RemoteShare> SplitRemoteName(std::u16string_view remoteName) {
    if (remoteName.size() < 2 || remoteName[0] != u'\\' || remoteName[1] != u'\\') return std::nullopt;
    remoteName.remove_prefix(2);
    const std::size_t slash = remoteName.find(u'\\');
    if (slash == std::u16string_view::npos) return std::nullopt;
    RemoteShare parts{std::u16string(remoteName.substr(0, slash)),
                      std::u16string(remoteName.substr(slash + 1))};
    if (!IsValidShareServer(parts.server) || !IsValidShareName(parts.share)) return std::nullopt;
    return parts;
}

std::u16string JoinRemoteName(std::u16string_view server, std::u16string_view share) {
    std::u16string out = u"\\\\";
    out.append(server);
    out += u'\\';
    out.append(share);
    return out;
}

std::optional<char> ParseDriveLetter(std::u16string_view localName) {
    if (localName.size() != 2 || localName[1] != u':') return std::nullopt;
    const char16_t c = localName[0];
    if (c >= u'A' && c <= u'Z') return static_cast<char>(c);
    if (c >= u'a' && c <= u'z') return static_cast<char>(c - u'a' + u'A');
    return std::nullopt;
}

}  // namespace lumora

#pragma once
// Names of an appliance's shares as the tool passes them around: the network path
// "\\ADDRESS\SHARE" of a drive connection, the "smb://ADDRESS/SHARE" address a file
// manager or GIO opens, and drive letters ("Z:").
//
// Names reach mount commands and file names, so the checks here are strict: an address
// is a host name or IPv4 text, and a share name holds no slash, backslash, quote,
// line break or other control character.

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// True for an address made only of ASCII letters, digits, '.', '-' and '_' (not empty,
// not starting with '-').
bool IsValidShareServer(std::u16string_view address);
// True for a share name that is not empty and holds no '/', '\', '"', '\'', control
// character (line breaks included) or unpaired surrogate.
bool IsValidShareName(std::u16string_view share);

// "smb://ADDRESS/SHARE" with the share name percent-encoded (its UTF-8 bytes, every byte
// outside the unreserved set); empty when either name fails its check above.
std::u16string ShareAddress(std::u16string_view address, std::u16string_view share);

struct RemoteShare {
    std::u16string server;
    std::u16string share;
};
// Splits "\\SERVER\SHARE"; nothing unless both halves pass their checks.
std::optional<RemoteShare> SplitRemoteName(std::u16string_view remoteName);
// "\\SERVER\SHARE".
std::u16string JoinRemoteName(std::u16string_view server, std::u16string_view share);

// The upper-case letter of a drive name "Z:" (a lower-case letter is accepted), or nothing.
std::optional<char> ParseDriveLetter(std::u16string_view localName);

}  // namespace lumora

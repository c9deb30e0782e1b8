// Every reply reader and the status check on arbitrary reply bytes: nothing may
// crash, hang or read past the reply, and the 8-bit fields stay terminated.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "protocol/cgi/CgiReplyParsers.h"
#include "protocol/cgi/CgiRequestText.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxReplyText) size = kMaxReplyText;  // the client keeps no more
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    CgiStatusOk(reply);
    ParsePasswordAccepted(reply);
    const WizardInfo wizard = ParseWizardInfo(reply);
    if (std::memchr(wizard.description, 0, sizeof wizard.description) == nullptr) __builtin_trap();
    ParseLanInfo(reply);
    ParseShareNames(reply);
    if (const auto disks = ParseDiskInfo(reply))
        if (std::memchr(disks->disk2Name, 0, sizeof disks->disk2Name) == nullptr) __builtin_trap();
    ParseResValue(reply);
    ParseFormatState(reply);
    VolumeUsage first;
    ParseVolumeUsage(reply, first);
    ParseUserAccess(reply);
    return 0;
}

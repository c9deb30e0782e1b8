// Any bytes through every decoder: no crash, no read past the input, and the
// round trips that must hold do.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (WideToAnsi(AnsiToWide(bytes)) != bytes) std::abort();
    if (Base64Decode(Base64Encode(bytes)) != bytes) std::abort();
    (void)Base64Decode(bytes);
    std::u16string reply = DecodeUtf8Reply(bytes);
    reply.resize(std::min(reply.size(), reply.find(u'\0')));  // overlong forms can decode to a zero unit
    if (DecodeUtf8Reply(EncodeUtf8Units(reply)) != reply) std::abort();
    std::u16string wide = Utf8ToWide(bytes);
    if (Utf8ToWide(WideToUtf8(wide)) != wide) std::abort();
    (void)LeadingInteger(bytes);
    return 0;
}

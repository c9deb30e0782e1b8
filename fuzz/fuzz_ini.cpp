// Any bytes as a settings file: reading and writing must not crash, a written value
// must read back, and every other section must read as before.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/IniFile.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora;
    const std::string file(reinterpret_cast<const char*>(data), size);
    // The last line, if short, names the section and value to write.
    std::size_t nl = file.rfind('\n');
    std::u16string name = AnsiToWide(file.substr(nl == std::string::npos ? 0 : nl + 1, 40));
    if (name.empty()) name = u"Current";

    auto before = ini::Lookup(file, u"Language", u"Language");
    std::string after = ini::Update(file, name, u"ServName", name);
    if (ini::Lookup(after, name, u"ServName") != name) std::abort();
    if (!ini::SameName(name, u"Language") && ini::Lookup(after, u"Language", u"Language") != before)
        std::abort();
    return 0;
}

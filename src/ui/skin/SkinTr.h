#pragma once
// The language catalogue as the skin uses it: visible texts pass through Tr.

#include <string>
#include <string_view>

#if __has_include("app/Language.h")
#include "app/Language.h"
#else
namespace lumora {
// Until the catalogue is part of the build every text shows in English.
inline std::u16string Tr(std::u16string_view english) { return std::u16string(english); }
}  // namespace lumora
#endif

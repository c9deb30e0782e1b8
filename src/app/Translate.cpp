#include "app/Language.h"

namespace lumora {

std::unique_ptr<CLanguageBase> g_pLanguage;

std::u16string Translate(std::u16string_view text)
{
    return std::u16string(g_pLanguage->Lookup(text));
}

std::u16string Translate(const char16_t* text)
{
    return text == nullptr ? std::u16string() : Translate(std::u16string_view(text));
}

std::u16string Tr(std::u16string_view text)
{
    return g_pLanguage ? Translate(text) : std::u16string(text);
}

std::u16string Tr(const char16_t* text)
{
    return text == nullptr ? std::u16string() : Tr(std::u16string_view(text));
}

}  // namespace lumora

#include "app/Language.h"
#include "app/Languages.h"

#include <new>

namespace lumora {

std::unique_ptr<CLanguageBase> g_pLanguage;

std::u16string Translate(std::u16string_view text) {
    // Callers are meant to check for a catalogue first; without one the text stands.
    if (!g_pLanguage) return std::u16string(text);
    return std::u16string(g_pLanguage->Lookup(text));
}

std::u16string Translate(const char16_t* text) {
    return text == nullptr ? std::u16string() : Translate(std::u16string_view(text));
}

std::u16string Tr(std::u16string_view text) { return g_pLanguage ? Translate(text) : std::u16string(text); }

std::u16string Tr(const char16_t* text) {
    return text == nullptr ? std::u16string() : Tr(std::u16string_view(text));
}

namespace {

template <class Language>
void Install() {
    g_pLanguage.reset();
    try {
        g_pLanguage = std::make_unique<Language>();
    } catch (const std::bad_alloc&) {
        // Without a catalogue every text shows in English, which is still usable.
    }
}

}  // namespace

bool SelectLanguage(int index) {
    g_pLanguage.reset();
    switch (index) {
        case 0: Install<CLanguageEng>(); return true;
        case 1: Install<CLanguageFre>(); return true;
        case 2: Install<CLanguageGer>(); return true;
        case 3: Install<CLanguageSpa>(); return true;
        case 4: Install<CLanguageRus>(); return true;
        default: return false;
    }
}

void SelectLanguageByCode(std::u16string_view code) {
    if (code.empty())
        g_pLanguage.reset();
    else if (code == u"FRE")
        Install<CLanguageFre>();
    else if (code == u"GER")
        Install<CLanguageGer>();
    else if (code == u"SPA")
        Install<CLanguageSpa>();
    else if (code == u"RUS")
        Install<CLanguageRus>();
    else
        SelectLanguage(0);
}

}  // namespace lumora

#pragma once
// The five catalogues. Each table-driven language keeps its table as two
// literal parts, joined into tableText when it loads, in the format that
// CLanguageBase::ParseTable reads.

#include "app/Language.h"

#include <string>
#include <string_view>

namespace lumora {

// English: the single row "Snapshot"; every other text is shown as written.
class CLanguageEng final : public CLanguageBase {
public:
    CLanguageEng();
    // Parses the one-row English table.
    bool LoadTable() override;
};

// French (index 1); stays an empty "English" catalogue if its table fails to load.
class CLanguageFre final : public CLanguageBase {
public:
    CLanguageFre();
    // Joins the two parts of the French table and parses them.
    bool LoadTable() override;

private:
    std::u16string tableText_;
};

// German (index 2); stays an empty "English" catalogue if its table fails to load.
class CLanguageGer final : public CLanguageBase {
public:
    CLanguageGer();
    // Joins the two parts of the German table and parses them.
    bool LoadTable() override;

private:
    std::u16string tableText_;
};

// Spanish (index 3); stays an empty "English" catalogue if its table fails to load.
class CLanguageSpa final : public CLanguageBase {
public:
    CLanguageSpa();
    // Joins the two parts of the Spanish table and parses them.
    bool LoadTable() override;

private:
    std::u16string tableText_;
};

// Russian (index 4), the only table with the " 5 Min" ... "60 Min" rows.
class CLanguageRus final : public CLanguageBase {
public:
    CLanguageRus();
    // Joins the two parts of the Russian table and parses them.
    bool LoadTable() override;

private:
    std::u16string tableText_;
};

// Replaces g_pLanguage by the catalogue of a settings-file language code: "" none,
// "FRE", "GER", "SPA", "RUS" (exact code units), anything else English.
void SelectLanguageByCode(std::u16string_view code);

}  // namespace lumora

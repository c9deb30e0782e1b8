#pragma once
// The translation catalogue through which every visible text passes.
//
// Texts are written in English in the code and looked up here by exact,
// ordinal match. A catalogue is built once at start-up and is read-only
// afterwards, so the UI thread and the workers read it without a lock.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// A translation catalogue: English keys sorted ordinally, with their translations.
class CLanguageBase {
public:
    CLanguageBase();
    virtual ~CLanguageBase();
    CLanguageBase(const CLanguageBase&) = delete;
    CLanguageBase& operator=(const CLanguageBase&) = delete;

    // Builds this language's table text and parses it; the base has no table and returns false.
    virtual bool LoadTable();

    // Parses a pipe-delimited table ("|key||value|" rows); false (and empty) when keys and values do not pair up.
    bool ParseTable(std::u16string_view text);
    // As above; a null text returns false and leaves the catalogue untouched.
    bool ParseTable(const char16_t* text);
    // Empties the rows and resets the name to "English"; the index is kept.
    void Clear();

    // The translation of text, or text itself when no key matches exactly. Valid while both live.
    std::u16string_view Lookup(std::u16string_view text) const;

    // "English", "French", "German", "Spanish" or "Russian".
    const std::u16string& LanguageName() const { return languageName_; }
    // 0 English, 1 French, 2 German, 3 Spanish, 4 Russian.
    int LanguageIndex() const { return languageIndex_; }
    // Number of rows (duplicates included).
    std::size_t Count() const { return keys_.size(); }
    // Key of row i in sorted order; i < Count().
    std::u16string_view Key(std::size_t i) const { return keys_[i]; }
    // Translation of row i (its key when the table left it empty); i < Count().
    std::u16string_view Value(std::size_t i) const { return values_[i]; }

protected:
    // Runs LoadTable; on success takes name and index, otherwise "English" and 0. For constructors.
    void LoadAs(std::u16string_view name, int index);
    // Joins the two literal parts of a table into tableText and parses it.
    bool ParseParts(std::u16string& tableText, std::u16string_view first, std::u16string_view second);

private:
    std::vector<std::u16string_view> keys_;    // point into parseBuffer
    std::vector<std::u16string_view> values_;  // parallel to keys
    std::u16string languageName_;
    int languageIndex_ = 0;
    std::unique_ptr<char16_t[]> parseBuffer_;  // working copy the rows point into
};

// The current catalogue; null when none exists. Written only at start-up.
extern std::unique_ptr<CLanguageBase> g_pLanguage;

// Lookup in g_pLanguage, which must not be null; a null text gives the empty text.
std::u16string Translate(std::u16string_view text);
std::u16string Translate(const char16_t* text);

// The translation of text in the current catalogue, or text itself when there is none or no match.
std::u16string Tr(std::u16string_view text);
// As above; a null text gives the empty text.
std::u16string Tr(const char16_t* text);

// Replaces the current catalogue by that of index 0-4 (English, French, German, Spanish, Russian).
// Any other index leaves no catalogue and returns false; a failed allocation leaves none but returns true.
bool SelectLanguage(int index);

}  // namespace lumora

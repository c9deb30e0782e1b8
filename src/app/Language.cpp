#include "app/Language.h"

#include <algorithm>
#include <utility>

namespace lumora {

CLanguageBase::CLanguageBase() : languageName(u"English") {}

CLanguageBase::~CLanguageBase() { Clear(); }

bool CLanguageBase::LoadTable() { return false; }

void CLanguageBase::LoadAs(std::u16string_view name, int index) {
    const bool loaded = LoadTable();
    languageName = loaded ? name : u"English";
    languageIndex = loaded ? index : 0;
}

bool CLanguageBase::ParseParts(std::u16string& tableText, std::u16string_view first,
                               std::u16string_view second) {
    tableText.clear();
    tableText.reserve(first.size() + second.size());
    tableText.append(first).append(second);
    return ParseTable(tableText);
}

void CLanguageBase::Clear() {
    keys.clear();
    values.clear();
    parseBuffer.reset();
    languageName = u"English";
}

bool CLanguageBase::ParseTable(const char16_t* text) {
    if (text == nullptr) return false;
    return ParseTable(std::u16string_view(text));
}

bool CLanguageBase::ParseTable(std::u16string_view text) {
    // Tables are zero-terminated texts: whatever follows an embedded zero is not part of them.
    text = text.substr(0, text.find(u'\0'));

    // Copy before clearing: the text may be one of this catalogue's own rows.
    auto copy = std::make_unique<char16_t[]>(text.size() + 1);
    std::copy(text.begin(), text.end(), copy.get());
    copy[text.size()] = u'\0';
    Clear();
    parseBuffer = std::move(copy);

    // Every bar opens or closes a field, alternating key and value; text between
    // fields is layout. A field left open at the end runs to the end of the text.
    const char16_t* const base = parseBuffer.get();
    bool valueColumn = false;
    bool inside = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (base[i] != u'|') continue;
        parseBuffer[i] = u'\0';
        if (!inside) {
            start = i + 1;
            inside = true;
            continue;
        }
        (valueColumn ? values : keys).emplace_back(base + start, i - start);
        valueColumn = !valueColumn;
        inside = false;
    }
    if (inside) (valueColumn ? values : keys).emplace_back(base + start, text.size() - start);

    if (keys.size() != values.size()) {
        Clear();
        return false;
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (values[i].empty()) values[i] = keys[i];
    }

    // Selection sort, keeping the first of equal keys as the candidate: this fixes
    // which of two rows with the same key a lookup finds.
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        std::size_t smallest = i;
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            if (keys[j] < keys[smallest]) smallest = j;
        }
        if (smallest != i) {
            std::swap(keys[i], keys[smallest]);
            std::swap(values[i], values[smallest]);
        }
    }
    return true;
}

std::u16string_view CLanguageBase::Lookup(std::u16string_view text) const {
    if (keys.empty()) return text;
    // First key not less than text; char16_t compares as an unsigned 16-bit unit.
    std::size_t low = 0;
    std::size_t high = keys.size() - 1;
    while (low != high) {
        const std::size_t mid = (low + high) / 2;
        if (keys[mid] < text)
            low = mid + 1;
        else
            high = mid;
    }
    return keys[low] == text ? values[low] : text;
}

}  // namespace lumora

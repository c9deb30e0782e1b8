#include "app/Language.h"

#include <algorithm>
#include <utility>

namespace lumora {

CLanguageBase::CLanguageBase() : languageName_(u"English") {}

CLanguageBase::~CLanguageBase() { Clear(); }

bool CLanguageBase::LoadTable() { return false; }

void CLanguageBase::LoadAs(std::u16string_view name, int index) {
    const bool loaded = LoadTable();
    languageName_ = loaded ? name : u"English";
    languageIndex_ = loaded ? index : 0;
}

bool CLanguageBase::ParseParts(std::u16string& tableText, std::u16string_view first,
                               std::u16string_view second) {
    tableText.clear();
    tableText.reserve(first.size() + second.size());
    tableText.append(first).append(second);
    return ParseTable(tableText);
}

void CLanguageBase::Clear() {
    keys_.clear();
    values_.clear();
    parseBuffer_.reset();
    languageName_ = u"English";
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
    parseBuffer_ = std::move(copy);

    // Every bar opens or closes a field, alternating key and value; text between
    // fields is layout. A field left open at the end runs to the end of the text.
    const char16_t* const base = parseBuffer_.get();
    bool valueColumn = false;
    bool inside = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (base[i] != u'|') continue;
        parseBuffer_[i] = u'\0';
        if (!inside) {
            start = i + 1;
            inside = true;
            continue;
        }
        (valueColumn ? values_ : keys_).emplace_back(base + start, i - start);
        valueColumn = !valueColumn;
        inside = false;
    }
    if (inside) (valueColumn ? values_ : keys_).emplace_back(base + start, text.size() - start);

    if (keys_.size() != values_.size()) {
        Clear();
        return false;
    }
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (values_[i].empty()) values_[i] = keys_[i];
    }

    // Selection sort, keeping the first of equal keys as the candidate: this fixes
    // which of two rows with the same key a lookup finds.
    for (std::size_t i = 0; i + 1 < keys_.size(); ++i) {
        std::size_t smallest = i;
        for (std::size_t j = i + 1; j < keys_.size(); ++j) {
            if (keys_[j] < keys_[smallest]) smallest = j;
        }
        if (smallest != i) {
            std::swap(keys_[i], keys_[smallest]);
            std::swap(values_[i], values_[smallest]);
        }
    }
    return true;
}

std::u16string_view CLanguageBase::Lookup(std::u16string_view text) const {
    if (keys_.empty()) return text;
    // First key not less than text; char16_t compares as an unsigned 16-bit unit.
    std::size_t low = 0;
    std::size_t high = keys_.size() - 1;
    while (low != high) {
        const std::size_t mid = (low + high) / 2;
        if (keys_[mid] < text)
            low = mid + 1;
        else
            high = mid;
    }
    return keys_[low] == text ? values_[low] : text;
}

}  // namespace lumora

// Checks that run over every translated table: coverage of the English keys,
// placeholders and ampersands, and the translations other parts rely on.

#include "app/Languages.h"
#include "app/LanguageKeys.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace lumora {
namespace {

using testing::kInterfaceKeys;
using testing::kMinuteKeys;
using testing::kTimeZoneKeys;

// The printf directives of a text in order, or "%?" for a lone or unknown one.
std::vector<std::u16string> Directives(std::u16string_view text) {
    std::vector<std::u16string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') continue;
        const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
        found.push_back(next == u's' || next == u'd' ? std::u16string{u'%', next} : u"%?");
        ++i;
    }
    return found;
}

// Number of "&&" pairs, or -1 when an ampersand stands alone (a mnemonic the key does not have).
int AmpersandPairs(std::u16string_view text) {
    int pairs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (i + 1 >= text.size() || text[i + 1] != u'&') return -1;
        ++pairs;
        ++i;
    }
    return pairs;
}

struct TableCase {
    const char* name;
    std::unique_ptr<CLanguageBase> (*make)();
    std::u16string languageName;
    int index;
    bool hasMinutes;
};

std::ostream& operator<<(std::ostream& out, const TableCase& c) { return out << c.name; }

const TableCase kTables[] = {
    {"French", [] { return std::unique_ptr<CLanguageBase>(new CLanguageFre); }, u"French", 1, false},
    {"German", [] { return std::unique_ptr<CLanguageBase>(new CLanguageGer); }, u"German", 2, false},
    {"Spanish", [] { return std::unique_ptr<CLanguageBase>(new CLanguageSpa); }, u"Spanish", 3, false},
    {"Russian", [] { return std::unique_ptr<CLanguageBase>(new CLanguageRus); }, u"Russian", 4, true},
};

class Table : public ::testing::TestWithParam<TableCase> {
protected:
    void SetUp() override { language = GetParam().make(); }

    std::vector<std::u16string_view> ExpectedKeys() const {
        std::vector<std::u16string_view> keys;
        for (auto key : kInterfaceKeys) {
            const bool minute = std::find(kMinuteKeys.begin(), kMinuteKeys.end(), key) != kMinuteKeys.end();
            if (!minute || GetParam().hasMinutes) keys.push_back(key);
        }
        keys.insert(keys.end(), kTimeZoneKeys.begin(), kTimeZoneKeys.end());
        return keys;
    }

    std::unique_ptr<CLanguageBase> language;
};

TEST_P(Table, LoadsUnderItsOwnName) {
    EXPECT_EQ(language->LanguageName(), GetParam().languageName);
    EXPECT_EQ(language->LanguageIndex(), GetParam().index);
}

TEST_P(Table, HoldsExactlyTheKeyListWithTwoRowsTwice) {
    std::vector<std::u16string_view> expected = ExpectedKeys();
    expected.push_back(u"format error.");
    expected.push_back(u"setting failed.");
    std::sort(expected.begin(), expected.end());

    std::vector<std::u16string_view> actual;
    for (std::size_t i = 0; i < language->Count(); ++i) actual.push_back(language->Key(i));
    EXPECT_TRUE(std::is_sorted(actual.begin(), actual.end()));
    EXPECT_EQ(actual, expected);
}

TEST_P(Table, EveryKeyLooksUpItsOwnRow) {
    std::map<std::u16string_view, std::u16string_view> rows;
    for (std::size_t i = 0; i < language->Count(); ++i) {
        const auto [it, added] = rows.emplace(language->Key(i), language->Value(i));
        EXPECT_TRUE(added || it->second == language->Value(i))
            << "duplicate row differs: " << WideToUtf8(it->first);
    }
    for (auto key : ExpectedKeys()) EXPECT_EQ(language->Lookup(key), rows[key]) << WideToUtf8(key);
}

TEST_P(Table, TranslationsKeepPlaceholdersInOrder) {
    for (std::size_t i = 0; i < language->Count(); ++i) {
        const auto key = language->Key(i);
        const auto value = language->Value(i);
        EXPECT_EQ(Directives(value), Directives(key)) << WideToUtf8(key) << " -> " << WideToUtf8(value);
    }
}

TEST_P(Table, TranslationsKeepDoubledAmpersands) {
    for (std::size_t i = 0; i < language->Count(); ++i) {
        const auto key = language->Key(i);
        const auto value = language->Value(i);
        EXPECT_EQ(AmpersandPairs(value), AmpersandPairs(key))
            << WideToUtf8(key) << " -> " << WideToUtf8(value);
    }
}

TEST_P(Table, TranslationsCarryNoTableLayout) {
    for (std::size_t i = 0; i < language->Count(); ++i) {
        const auto key = language->Key(i);
        const auto value = language->Value(i);
        ASSERT_FALSE(value.empty()) << WideToUtf8(key);
        EXPECT_EQ(value.find_first_of(u"\t\r\n"), std::u16string_view::npos) << WideToUtf8(key);
        // A leading blank aligns the minute choices; otherwise none may creep in.
        EXPECT_EQ(value.front() == u' ', key.front() == u' ') << WideToUtf8(key);
        EXPECT_NE(value.back(), u' ') << WideToUtf8(key);
    }
}

TEST_P(Table, InterfaceTextsAreActuallyTranslated) {
    int unchanged = 0;
    for (auto key : kInterfaceKeys) {
        if (language->Lookup(key) == key) ++unchanged;
    }
    // "OK", "DHCP", "Description", "Name", "Error" may legitimately stay as they are.
    EXPECT_LE(unchanged, 6 + (GetParam().hasMinutes ? 0 : 4));
}

TEST_P(Table, MinuteChoicesOnlyInRussian) {
    for (auto key : kMinuteKeys)
        EXPECT_EQ(language->Lookup(key) != key, GetParam().hasMinutes) << WideToUtf8(key);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, Table, ::testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Translations other parts of the tool show or compare against

TEST(Translations, QuotedRows) {
    struct Case {
        std::unique_ptr<CLanguageBase> language;
        std::u16string english;
        std::u16string expected;
    };
    Case cases[] = {
        {std::make_unique<CLanguageFre>(), u"Connect", u"Connecter"},
        {std::make_unique<CLanguageFre>(), u"Welcome %s", u"Bienvenue %s"},
        {std::make_unique<CLanguageFre>(), u"Mask:%s", u"Masque:%s"},
        {std::make_unique<CLanguageFre>(), u"connect", u"connect"},
        {std::make_unique<CLanguageFre>(), u" 5 Min", u" 5 Min"},
        {std::make_unique<CLanguageFre>(), u"IP:%s", u"IP:%s"},
        {std::make_unique<CLanguageGer>(), u"Pacific Time (US && Canada)", u"Pacific Time (USA && Kanada)"},
        {std::make_unique<CLanguageRus>(), u" 5 Min", u" 5 \u043C\u0438\u043D."},
        {std::make_unique<CLanguageRus>(), u"60 Min", u"60 \u043C\u0438\u043D."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.language->Lookup(c.english), c.expected)
            << WideToUtf8(c.language->LanguageName()) << ": " << WideToUtf8(c.english);
    }
}

}  // namespace
}  // namespace lumora

#include "app/Language.h"
#include "app/Languages.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lumora {
namespace {

using Rows = std::vector<std::pair<std::u16string, std::u16string>>;

Rows RowsOf(const CLanguageBase& language) {
    Rows rows;
    for (std::size_t i = 0; i < language.Count(); ++i) rows.emplace_back(language.Key(i), language.Value(i));
    return rows;
}

// --- Parsing

struct ParseCase {
    const char* name;
    std::u16string table;
    bool ok;
    Rows rows;  // in sorted order
};

TEST(ParseTable, OddTables) {
    const std::vector<ParseCase> cases = {
        {"empty text", u"", true, {}},
        {"layout only", u" \t\t   ", true, {}},
        {"english row", u"|Snapshot||Snapshot|", true, {{u"Snapshot", u"Snapshot"}}},
        {"table layout", u" |b||B|\t\t   |a||A|", true, {{u"a", u"A"}, {u"b", u"B"}}},
        {"text between fields ignored", u"x|a|y|b|z", true, {{u"a", u"b"}}},
        {"empty value means itself", u"|a|||", true, {{u"a", u"a"}}},
        {"value left open and empty", u"|a||", true, {{u"a", u"a"}}},
        {"value left open runs to the end", u"|a||b c", true, {{u"a", u"b c"}}},
        {"empty key", u"|||x|", true, {{u"", u"x"}}},
        {"key without value", u"|a|", false, {}},
        {"key left open", u"|a", false, {}},
        {"one bar too many", u"|a||b||c|", false, {}},
        {"stray bar between rows", u"|a||b| | |c||d|", false, {}},
        {"stops at an embedded zero", std::u16string(u"|a||b|\0|c||d|", 13), true, {{u"a", u"b"}}},
        {"placeholders and ampersands copied", u"|%d && %s||%s && %d|", true, {{u"%d && %s", u"%s && %d"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLanguageBase language;
        EXPECT_EQ(language.ParseTable(c.table), c.ok);
        EXPECT_EQ(RowsOf(language), c.rows);
    }
}

TEST(ParseTable, NullTextIsRefusedAndKeepsTheRows) {
    CLanguageBase language;
    ASSERT_TRUE(language.ParseTable(u"|a||b|"));
    EXPECT_FALSE(language.ParseTable(static_cast<const char16_t*>(nullptr)));
    EXPECT_EQ(language.Lookup(u"a"), u"b");
}

TEST(ParseTable, FailureEmptiesEarlierRows) {
    CLanguageBase language;
    ASSERT_TRUE(language.ParseTable(u"|a||b|"));
    EXPECT_FALSE(language.ParseTable(u"|a||b||c|"));
    EXPECT_EQ(language.Count(), 0u);
    EXPECT_EQ(language.Lookup(u"a"), u"a");
}

TEST(ParseTable, MayReparseItsOwnRows) {
    CLanguageBase language;
    ASSERT_TRUE(language.ParseTable(u"|a||b|"));
    const std::u16string_view row = language.Key(0);
    ASSERT_TRUE(language.ParseTable(row));
    EXPECT_EQ(language.Count(), 0u);
}

TEST(ParseTable, SortsByUnsignedCodeUnits) {
    // U+00E9, a surrogate pair and U+FF21: ordinal order by 16-bit units puts the
    // pair (0xD83D...) before U+FF21, and upper case before lower case.
    CLanguageBase language;
    ASSERT_TRUE(language.ParseTable(u"|\uFF21||5| |\U0001F600||4| |\u00E9||3| |a||2| |Z||1| |ZZ||6|"));
    const std::vector<std::u16string> expected = {u"Z", u"ZZ", u"a", u"\u00E9", u"\U0001F600", u"\uFF21"};
    ASSERT_EQ(language.Count(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(language.Key(i), expected[i]) << i;
    EXPECT_EQ(language.Lookup(u"\U0001F600"), u"4");
}

TEST(ParseTable, SelectionSortDecidesWhichDuplicateWins) {
    // Swapping the smallest row forward moves the first "b" behind the second.
    CLanguageBase swapped;
    ASSERT_TRUE(swapped.ParseTable(u"|b||first| |b||second| |a||x|"));
    EXPECT_EQ(RowsOf(swapped), (Rows{{u"a", u"x"}, {u"b", u"second"}, {u"b", u"first"}}));
    EXPECT_EQ(swapped.Lookup(u"b"), u"second");

    CLanguageBase inPlace;
    ASSERT_TRUE(inPlace.ParseTable(u"|a||x| |b||first| |b||second|"));
    EXPECT_EQ(inPlace.Lookup(u"b"), u"first");
}

// --- Lookup

TEST(Lookup, ExactOrdinalMatchOnly) {
    CLanguageBase language;
    ASSERT_TRUE(
        language.ParseTable(u" |Connect||Connecter|\t\t   |Refresh||Actualiser|\t\t   |OK||D'accord|"));
    const std::vector<std::pair<std::u16string, std::u16string>> cases = {
        {u"Connect", u"Connecter"},
        {u"Refresh", u"Actualiser"},
        {u"OK", u"D'accord"},
        {u"connect", u"connect"},
        {u"Connect ", u"Connect "},
        {u"Connec", u"Connec"},
        {u"", u""},
        {u"AAA", u"AAA"},
        {u"zzz", u"zzz"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(language.Lookup(text), expected) << std::string(text.begin(), text.end());
}

TEST(Lookup, FindsEveryRowOfALargerTable) {
    std::u16string table;
    for (char16_t c = u'A'; c <= u'z'; ++c)
        table += u"|k" + std::u16string(1, c) + u"||v" + std::u16string(1, c) + u"|  ";
    CLanguageBase language;
    ASSERT_TRUE(language.ParseTable(table));
    for (char16_t c = u'A'; c <= u'z'; ++c)
        EXPECT_EQ(language.Lookup(u"k" + std::u16string(1, c)), u"v" + std::u16string(1, c));
    EXPECT_EQ(language.Lookup(u"k"), u"k");
    EXPECT_EQ(language.Lookup(u"k{"), u"k{");
}

TEST(Lookup, EmptyCatalogueReturnsTheText) {
    CLanguageBase language;
    EXPECT_EQ(language.Lookup(u"Connect"), u"Connect");
}

// --- Identity and failure

class CBrokenLanguage final : public CLanguageBase {
public:
    CBrokenLanguage() { LoadAs(u"French", 1); }
    bool LoadTable() override { return ParseTable(u"|Connect||Connecter||Refresh|"); }
};

TEST(Catalogue, BrokenTableLeavesAnEmptyEnglishCatalogue) {
    CBrokenLanguage language;
    EXPECT_EQ(language.LanguageName(), u"English");
    EXPECT_EQ(language.LanguageIndex(), 0);
    EXPECT_EQ(language.Count(), 0u);
    EXPECT_EQ(language.Lookup(u"Connect"), u"Connect");
}

TEST(Catalogue, ClearResetsTheNameButKeepsTheIndex) {
    CLanguageFre french;
    ASSERT_EQ(french.LanguageIndex(), 1);
    french.Clear();
    EXPECT_EQ(french.LanguageName(), u"English");
    EXPECT_EQ(french.LanguageIndex(), 1);
    EXPECT_EQ(french.Count(), 0u);
    EXPECT_EQ(french.Lookup(u"Connect"), u"Connect");
}

TEST(Catalogue, EnglishHoldsOnlySnapshot) {
    CLanguageEng english;
    EXPECT_EQ(english.LanguageName(), u"English");
    EXPECT_EQ(english.LanguageIndex(), 0);
    EXPECT_EQ(RowsOf(english), (Rows{{u"Snapshot", u"Snapshot"}}));
    EXPECT_EQ(english.Lookup(u"Connect"), u"Connect");
}

}  // namespace
}  // namespace lumora

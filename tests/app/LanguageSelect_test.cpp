#include "app/Language.h"
#include "app/Languages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora {
namespace {

class CurrentLanguage : public ::testing::Test {
protected:
    void TearDown() override { g_pLanguage.reset(); }
};

TEST_F(CurrentLanguage, WithoutCatalogueTextsStandAsWritten) {
    EXPECT_EQ(Tr(u"Connect"), u"Connect");
    EXPECT_EQ(Tr(std::u16string(u"Welcome %s")), u"Welcome %s");
    EXPECT_EQ(Translate(u"Connect"), u"Connect");
    EXPECT_EQ(Tr(static_cast<const char16_t*>(nullptr)), u"");
}

TEST_F(CurrentLanguage, TrUsesTheCurrentCatalogue) {
    ASSERT_TRUE(SelectLanguage(1));
    EXPECT_EQ(Tr(u"Connect"), u"Connecter");
    EXPECT_EQ(Tr(u"connect"), u"connect");
    EXPECT_EQ(Translate(u"Welcome %s"), u"Bienvenue %s");
    EXPECT_EQ(Tr(static_cast<const char16_t*>(nullptr)), u"");
    EXPECT_EQ(Translate(static_cast<const char16_t*>(nullptr)), u"");
}

TEST_F(CurrentLanguage, SelectLanguageByIndex) {
    const std::vector<std::u16string> names = {u"English", u"French", u"German", u"Spanish", u"Russian"};
    for (int index = 0; index < 5; ++index) {
        ASSERT_TRUE(SelectLanguage(index));
        ASSERT_NE(g_pLanguage, nullptr);
        EXPECT_EQ(g_pLanguage->LanguageIndex(), index);
        EXPECT_EQ(g_pLanguage->LanguageName(), names[index]);
    }
}

TEST_F(CurrentLanguage, UnknownIndexDropsTheCatalogue) {
    for (int index : {-1, 5, 1000}) {
        ASSERT_TRUE(SelectLanguage(2));
        EXPECT_FALSE(SelectLanguage(index)) << index;
        EXPECT_EQ(g_pLanguage, nullptr) << index;
        EXPECT_EQ(Tr(u"Connect"), u"Connect");
    }
}

TEST_F(CurrentLanguage, SettingsCodeChoosesTheCatalogue) {
    struct Case {
        std::u16string code;
        const char16_t* name;  // null: no catalogue
    };
    const std::vector<Case> cases = {
        {u"", nullptr},       {u"FRE", u"French"},   {u"GER", u"German"},   {u"SPA", u"Spanish"},
        {u"RUS", u"Russian"}, {u"ENG", u"English"},  {u"en", u"English"},   {u"xyz", u"English"},
        {u"fre", u"English"}, {u"FRE ", u"English"}, {u" GER", u"English"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code.begin(), c.code.end()));
        SelectLanguage(3);
        SelectLanguageByCode(c.code);
        if (c.name == nullptr) {
            EXPECT_EQ(g_pLanguage, nullptr);
            continue;
        }
        ASSERT_NE(g_pLanguage, nullptr);
        EXPECT_EQ(g_pLanguage->LanguageName(), c.name);
    }
}

}  // namespace
}  // namespace lumora

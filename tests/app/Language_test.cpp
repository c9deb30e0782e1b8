#include "app/Language.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(Tr, WithoutCatalogueReturnsTheText)
{
    g_pLanguage.reset();
    EXPECT_EQ(Tr(u"Connect"), u"Connect");
    EXPECT_EQ(Tr(std::u16string(u"Welcome %s")), u"Welcome %s");
    EXPECT_EQ(Tr(static_cast<const char16_t*>(nullptr)), u"");
}

TEST(Tr, UsesTheCurrentCatalogue)
{
    g_pLanguage = std::make_unique<CLanguageBase>();
    ASSERT_TRUE(g_pLanguage->ParseTable(u" |Connect||Connecter|\t\t   |Refresh||Actualiser|"));
    EXPECT_EQ(Tr(u"Connect"), u"Connecter");
    EXPECT_EQ(Tr(u"connect"), u"connect");
    EXPECT_EQ(Translate(u"Refresh"), u"Actualiser");
    EXPECT_EQ(Translate(static_cast<const char16_t*>(nullptr)), u"");
    g_pLanguage.reset();
}

}  // namespace
}  // namespace lumora

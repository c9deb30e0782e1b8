#include "platform/ShareNames.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(ShareNames, ShareAddressEncodesTheShareAndRefusesUnsafeNames) {
    EXPECT_EQ(ShareAddress(u"192.0.2.10", u"Public"), u"smb://192.0.2.10/Public");
    EXPECT_EQ(ShareAddress(u"kl440.local", u"My Files 100%"), u"smb://kl440.local/My%20Files%20100%25");
    EXPECT_EQ(ShareAddress(u"192.0.2.10", u"Fotos\u00e9#?&"), u"smb://192.0.2.10/Fotos%C3%A9%23%3F%26");
    EXPECT_EQ(ShareAddress(u"192.0.2.10", u"\U0001F600"), u"smb://192.0.2.10/%F0%9F%98%80");

    for (std::u16string_view share : {u"", u"a/b", u"a\\b", u"a\"b", u"it's", u"a\nb", u"a\rb", u"a\tb",
                                      u"a\u2028b", u"\xD800x", u"x\xDC00"})
        EXPECT_EQ(ShareAddress(u"192.0.2.10", share), u"") << "share of " << share.size() << " units";
    for (std::u16string_view server :
         {u"", u"-oProxy", u"a b", u"a/b", u"a\\b", u"a\"b", u"a\nb", u"a@b", u"a:445"})
        EXPECT_EQ(ShareAddress(server, u"Public"), u"") << "server of " << server.size() << " units";
}

TEST(ShareNames, RemoteNamesSplitOnlyWhenBothHalvesAreSafe) {
    const auto parts = SplitRemoteName(u"\\\\192.0.2.10\\Public Files");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->server, u"192.0.2.10");
    EXPECT_EQ(parts->share, u"Public Files");
    EXPECT_EQ(JoinRemoteName(parts->server, parts->share), u"\\\\192.0.2.10\\Public Files");

    for (std::u16string_view bad :
         {u"", u"\\\\192.0.2.10", u"\\\\192.0.2.10\\", u"\\192.0.2.10\\Public", u"\\\\192.0.2.10\\a\\b",
          u"\\\\\\Public", u"\\\\host\nname\\Public", u"//192.0.2.10/Public"})
        EXPECT_FALSE(SplitRemoteName(bad));
}

TEST(ShareNames, DriveLetters) {
    EXPECT_EQ(ParseDriveLetter(u"Z:"), 'Z');
    EXPECT_EQ(ParseDriveLetter(u"y:"), 'Y');
    for (std::u16string_view bad : {u"", u"Z", u"Z:\\", u"1:", u"ZZ", u"\u00c4:"})
        EXPECT_FALSE(ParseDriveLetter(bad));
}

}  // namespace
}  // namespace lumora

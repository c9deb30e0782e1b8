#include "protocol/query/Credentials.h"

#include <gtest/gtest.h>

#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/datagram/NasList.h"

namespace lumora {
namespace {

TEST(CredentialsTest, ProblemNamesWhatCannotBeSentAsItStands) {
    // Every character of Windows-1252 is fine, up to 16 of them.
    for (std::u16string_view fine : {u"", u"admin", u"caf\u00E9 \u20AC\u2122!", u"sixteen-chars-ok"})
        EXPECT_EQ(CredentialProblem(fine), u"") << WideToUtf8(fine);
    // A character without a byte would go out as "?"; so would a lone surrogate.
    for (std::u16string_view bad : {u"\u041F\u0430\u0440\u043E\u043B\u044C12", u"x\u03A9", u"\xD800"})
        EXPECT_EQ(CredentialProblem(bad),
                  u"The user name and password may only hold characters of Western European languages.");
    EXPECT_EQ(CredentialProblem(u"seventeen-chars-x"),
              u"The user name and password may be at most 16 characters long.");
}

TEST(CredentialsTest, LoginWithSuchCredentialsStartsNothingAndKeepsTheOldOnes) {
    NasList::Instance().Clear();
    SetCredentials("bob", "secret");
    EXPECT_EQ(StartLogin(kNoWindow, 0, u"\u0418\u0432\u0430\u043D", u"secret"), 0u);
    EXPECT_EQ(StartLogin(kNoWindow, 0, u"bob", u"\u043F\u0430\u0440\u043E\u043B\u044C"), 0u);
    EXPECT_EQ(CredentialText(g_userName), "bob");
    EXPECT_EQ(CredentialText(g_password), "secret");
    ClearCredentials();
}

}  // namespace
}  // namespace lumora

// Remembered passwords in the desktop keyring: moved there from the file,
// kept there, and never lost when the keyring refuses or goes away.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/Settings.h"
#include "platform/FileContents.h"
#include "platform/CommandRunner.h"
#include "platform/SecretStore.h"
#include "support/Sandbox.h"

namespace lumora {
namespace {

// A keyring in memory that can be switched off or made to refuse.
class FakeKeyring final : public SecretStore {
public:
    bool Available() override { return answers; }
    bool Store(const std::u16string& name, const std::u16string& password) override {
        if (refuses) return false;
        items[name] = password;
        return true;
    }
    std::optional<std::u16string> Lookup(const std::u16string& name) override {
        if (refuses) return std::nullopt;
        auto it = items.find(name);
        return it == items.end() ? std::u16string() : it->second;
    }
    bool Clear(const std::u16string& name) override {
        if (refuses) return false;
        items.erase(name);
        return true;
    }
    bool answers = true;
    bool refuses = false;
    std::map<std::u16string, std::u16string> items;
};

class KeyringTest : public ::testing::Test {
protected:
    void SetUp() override { SetSecretStore(&keyring); }
    void TearDown() override { SetSecretStore(nullptr); }
    std::string file() {
        std::string text;
        ReadFileContents(*GetSettingsPath(), text);
        return text;
    }
    test::ConfigHome home;
    FakeKeyring keyring;
};

TEST_F(KeyringTest, AnOldPasswordMovesToTheKeyringAndTheFileKeepsOnlyTheName) {
    WriteSetting(u"KL-440", u"UserName", u"bob");
    WriteSetting(u"KL-440", u"PassWord", EncodePassword(u"s3cret"));
    EXPECT_EQ(ReadRememberedLogin(u"KL-440").password, u"s3cret");
    EXPECT_EQ(keyring.items[u"KL-440"], u"s3cret");
    EXPECT_NE(file().find("UserName=bob\nPassWord=\n"), std::string::npos) << file();
    EXPECT_EQ(ReadRememberedLogin(u"KL-440").password, u"s3cret");  // now from the keyring

    RememberLogin(u"Cellar", u"admin", u"n3w&pass");
    EXPECT_EQ(keyring.items[u"Cellar"], u"n3w&pass");
    EXPECT_NE(file().find("[Cellar]\nUserName=admin\nPassWord=\n"), std::string::npos);
    EXPECT_TRUE(PasswordsInKeyring());

    ForgetLogin(u"Cellar");
    EXPECT_EQ(keyring.items.count(u"Cellar"), 0u);
    EXPECT_EQ(ReadRememberedLogin(u"Cellar").password, u"");
}

TEST_F(KeyringTest, ARefusingOrMissingKeyringLosesNothingAndIsToldOnce) {
    keyring.answers = false;  // no Secret Service: the file, exactly as before, and no word about it
    RememberLogin(u"KL-440", u"bob", u"s3cret");
    EXPECT_NE(file().find("PassWord=czNjcmV0"), std::string::npos);
    EXPECT_FALSE(PasswordsInKeyring());
    EXPECT_EQ(TakeKeyringNotice(), u"");

    keyring.answers = true;
    keyring.refuses = true;  // locked: the password stays in the file and still logs in
    EXPECT_EQ(ReadRememberedLogin(u"KL-440").password, u"s3cret");
    EXPECT_NE(file().find("PassWord=czNjcmV0"), std::string::npos);
    RememberLogin(u"Cellar", u"admin", u"pw");
    EXPECT_NE(file().find("[Cellar]\nUserName=admin\nPassWord=cHc=\n"), std::string::npos);
    EXPECT_NE(TakeKeyringNotice(), u"");
    EXPECT_EQ(TakeKeyringNotice(), u"");
}

CommandResult RunTool(const std::vector<std::string>& argv, std::string_view input = {}) {
    return SystemCommandRunner().Run(argv, input, std::chrono::seconds(60));
}

// The real Secret Service: a private session bus and an unlocked GNOME Keyring.
TEST(DesktopKeyringTest, StoresLooksUpAndClearsThroughTheSecretService) {
    if (!RunTool({"gnome-keyring-daemon", "--version"}).started || !RunTool({"secret-tool"}).started ||
        !RunTool({"dbus-daemon", "--version"}).started)
        GTEST_SKIP() << "gnome-keyring, secret-tool or dbus-daemon is not installed";
    test::Sandbox home;
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", home.path().c_str(), 1);
    setenv("XDG_DATA_HOME", (home.path() / "data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.path().c_str(), 1);
    const CommandResult bus =
        RunTool({"dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"});
    ASSERT_EQ(bus.exitCode, 0) << bus.err;
    const std::string address = bus.out.substr(0, bus.out.find('\n'));
    const std::string pid = bus.out.substr(bus.out.find('\n') + 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
    const CommandResult daemon =
        RunTool({"gnome-keyring-daemon", "--unlock", "--components=secrets"}, "test");
    // The daemon went to the background: the bus knows its process.
    const CommandResult owner =
        RunTool({"dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                 "org.freedesktop.DBus.GetConnectionUnixProcessID", "string:org.freedesktop.secrets"});
    DesktopKeyring keyring;
    const bool available = keyring.Available();
    bool stored = false;
    std::optional<std::u16string> found, missing, cleared;
    if (available) {
        // A name beyond ASCII goes into the item's label and attributes.
        stored = keyring.Store(u"KL-440 B\u00fcro", u"s\u00e9cret \"&");
        found = keyring.Lookup(u"KL-440 B\u00fcro");
        missing = keyring.Lookup(u"Cellar");
        keyring.Clear(u"KL-440 B\u00fcro");
        cleared = keyring.Lookup(u"KL-440 B\u00fcro");
    }
    if (const std::size_t at = owner.out.find("uint32 "); at != std::string::npos)
        RunTool({"kill", std::to_string(std::stoul(owner.out.substr(at + 7)))});
    RunTool({"kill", pid.substr(0, pid.find('\n'))});
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("HOME", oldHome.c_str(), 1);
    ASSERT_TRUE(available) << daemon.err << daemon.out;
    EXPECT_TRUE(stored);
    EXPECT_EQ(found, u"s\u00e9cret \"&");
    EXPECT_EQ(missing, u"");
    EXPECT_EQ(cleared, u"");
    EXPECT_FALSE(keyring.Available());  // no bus: the settings file, and no program started
}

}  // namespace
}  // namespace lumora

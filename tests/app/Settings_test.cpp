#include "app/Settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "platform/Text.h"
#include "support/Sandbox.h"
#include "support/ScriptedDialogs.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class SettingsTest : public ::testing::Test {
protected:
    fs::path file() const { return home.path() / "Tessil" / "Tessil.ini"; }
    std::string contents() const {
        std::ifstream in(file(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void put(const std::string& bytes) {
        fs::create_directories(file().parent_path());
        std::ofstream(file(), std::ios::binary) << bytes;
    }
    std::u16string read(std::u16string_view section, std::u16string_view key) {
        std::u16string out = u"<untouched>";
        ReadSetting(section, key, out);
        return out;
    }

    test::ConfigHome home;
    test::ScriptedDialogs dialogs;  // no failure here may show a message
    void TearDown() override { EXPECT_TRUE(dialogs.shown().empty()); }
};

// Sets HOME and XDG_CONFIG_HOME for one test and restores them.
class Environment {
public:
    Environment(const char* home, const char* xdg) : home_(save("HOME")), xdg_(save("XDG_CONFIG_HOME")) {
        set("HOME", home);
        set("XDG_CONFIG_HOME", xdg);
    }
    ~Environment() {
        set("HOME", home_ ? home_->c_str() : nullptr);
        set("XDG_CONFIG_HOME", xdg_ ? xdg_->c_str() : nullptr);
    }

private:
    static std::optional<std::string> save(const char* name) {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    }
    static void set(const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    std::optional<std::string> home_, xdg_;
};

TEST_F(SettingsTest, PathFollowsTheConfigurationHomeAndMakesTheFolder) {
    EXPECT_FALSE(fs::exists(file().parent_path()));
    EXPECT_EQ(GetSettingsPath(), file());
    EXPECT_TRUE(fs::is_directory(file().parent_path()));
    EXPECT_FALSE(fs::exists(file()));  // the file itself comes with the first write

    const std::string h = home.path().string();
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
        Environment env(h.c_str(), xdg);
        EXPECT_EQ(GetSettingsPath(), home.path() / ".config" / "Tessil" / "Tessil.ini")
            << (xdg ? xdg : "unset");
    }
}

TEST_F(SettingsTest, FoldersItMakesArePrivate) {
    // The configuration home itself may be missing on a fresh account; it is made too.
    const fs::path xdg = home.path() / "fresh" / "config";
    Environment env(nullptr, xdg.c_str());
    ASSERT_EQ(GetSettingsPath(), xdg / "Tessil" / "Tessil.ini");
    for (const fs::path& made : {home.path() / "fresh", xdg, xdg / "Tessil"})
        EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;

    // A folder that is already there keeps its mode.
    const fs::path shared = home.path() / "shared";
    fs::create_directories(shared / "Tessil");
    fs::permissions(shared / "Tessil", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    Environment env2(nullptr, shared.c_str());
    ASSERT_TRUE(GetSettingsPath());
    EXPECT_EQ(fs::status(shared / "Tessil").permissions(),
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

TEST_F(SettingsTest, ValuesRoundTripExactly) {
    const std::u16string values[] = {
        u"FRE",
        u"  leading and trailing  ",
        u"a=b;c[d]",
        u"QUJD==",
        u"two\r\nlines",
        u"%41 100%",
        u"\u00e9\u20ac\u041c\u4e2d\U0001F600",
        std::u16string(1023, u'x'),
    };
    for (const auto& v : values) {
        WriteSetting(u"Current", u"ServName", v);
        EXPECT_EQ(read(u"Current", u"ServName"), v);
        EXPECT_EQ(read(u"current", u"SERVNAME"), v);
    }
}

TEST_F(SettingsTest, MissingOrEmptyValuesLeaveTheOutputAlone) {
    EXPECT_EQ(read(u"Language", u"Language"), u"<untouched>");  // no file
    WriteSetting(u"Current", u"ServName", u"KL-440");
    EXPECT_EQ(read(u"Current", u"Other"), u"<untouched>");
    EXPECT_EQ(read(u"Other", u"ServName"), u"<untouched>");
    ClearSetting(u"Current", u"ServName");
    EXPECT_EQ(read(u"Current", u"ServName"), u"<untouched>");
    EXPECT_NE(contents().find("ServName=\n"), std::string::npos);  // cleared, not deleted
}

TEST_F(SettingsTest, OtherContentSurvivesEveryWrite) {
    const std::string before =
        "; hand-written\r\n[Language]\r\nLanguage = GER\r\n\r\n[current]\r\nservname=Old\r\n[Mine]\r\nx=1\r\n";
    put(before);
    WriteSetting(u"Current", u"ServName", u"New");
    WriteSetting(u"Used", u"FirstOpen", u"FALSE");
    EXPECT_EQ(
        contents(),
        "; hand-written\r\n[Language]\r\nLanguage = GER\r\n\r\n[current]\r\nservname=New\r\n[Mine]\r\nx=1\r\n"
        "[Used]\r\nFirstOpen=FALSE\r\n");
    EXPECT_EQ(read(u"Language", u"Language"), u"GER");
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(file().parent_path()), fs::directory_iterator()), 1);
}

TEST_F(SettingsTest, LongValuesReadBackCut) {
    WriteSetting(u"Current", u"ServName", std::u16string(5000, u'y'));
    EXPECT_EQ(read(u"Current", u"ServName"), std::u16string(kMaxSettingLength, u'y'));
    // A 100 000-character line elsewhere in the file harms nothing.
    put("[Junk]\n" + std::string(100000, 'j') + "\n[Current]\nServName=" + std::string(100000, 'z') + "\n");
    EXPECT_EQ(read(u"Current", u"ServName"), std::u16string(kMaxSettingLength, u'z'));
    WriteSetting(u"Current", u"LoginOutTime", u"0:");
    EXPECT_EQ(ReadLoginOutTime(), 0u);
    EXPECT_EQ(read(u"Current", u"ServName"), std::u16string(kMaxSettingLength, u'z'));
}

TEST_F(SettingsTest, DamagedFilesGiveDefaults) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
    const std::string files[] = {"",           garbage, "\0\0\0\0"s, "[Current", "[Current]\nLoginOutTime",
                                 "=\n[]\n=x\n"};
    for (const std::string& bytes : files) {
        put(bytes);
        EXPECT_EQ(read(u"Language", u"Language"), u"<untouched>");
        EXPECT_EQ(ReadLoginOutTime(), 3600000u);
        EXPECT_EQ(ReadRememberedLogin(u"KL-440").userName, u"");
        // Writing still works and keeps every damaged byte, in order.
        WriteSetting(u"Current", u"ServName", u"KL-440");
        EXPECT_EQ(read(u"Current", u"ServName"), u"KL-440");
        const std::string after = contents();
        std::size_t at = 0;
        for (char c : after) at += at < bytes.size() && bytes[at] == c;
        EXPECT_EQ(at, bytes.size());
    }
}

TEST_F(SettingsTest, UnusableFolderOrFileIsSilent) {
    // The configuration home is a plain file: the folder cannot be made.
    std::ofstream(home.path() / "plain") << "x";
    {
        Environment env(nullptr, (home.path() / "plain").c_str());
        EXPECT_FALSE(GetSettingsPath());
        EXPECT_EQ(read(u"Current", u"ServName"), u"<untouched>");
        WriteSetting(u"Current", u"ServName", u"KL-440");
        EXPECT_EQ(ReadLoginOutTime(), 3600000u);
    }
    // The settings file is a folder.
    fs::create_directories(file());
    EXPECT_EQ(read(u"Current", u"ServName"), u"<untouched>");
    WriteSetting(u"Current", u"ServName", u"KL-440");
    EXPECT_TRUE(fs::is_directory(file()));
    fs::remove(file());

    // A read-only file is read but never replaced.
    put("[Current]\nServName=Old\n");
    fs::permissions(file(), fs::perms::owner_read | fs::perms::group_read);
    WriteSetting(u"Current", u"ServName", u"New");
    EXPECT_EQ(read(u"Current", u"ServName"), u"Old");
    EXPECT_EQ(contents(), "[Current]\nServName=Old\n");
}

TEST_F(SettingsTest, WritesFollowALinkAndKeepTheFileMode) {
    fs::create_directories(file().parent_path());
    const fs::path real = home.path() / "dotfiles.ini";
    std::ofstream(real) << "[Current]\nServName=Old\n";
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, file());
    WriteSetting(u"Current", u"ServName", u"New");
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_EQ(read(u"Current", u"ServName"), u"New");
    EXPECT_EQ(fs::status(real).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SettingsTest, NewFileIsPrivate) {
    WriteSetting(u"Current", u"ServName", u"KL-440");
    EXPECT_EQ(fs::status(file()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(LoginOutTime, StoredTextGivesThePeriod) {
    const std::pair<const char16_t*, unsigned> cases[] = {
        {u"0:", 0},
        {u"300000:", 300000},
        {u"900000:", 900000},
        {u"1800000:", 1800000},
        {u"3600000:", 3600000},
        {u"60000:", 3600000},
        {u"abc", 0},
        {u"", 0},
        {u"59999:", 0},
        {u"359999:", 300000},
        {u"180000:", 3600000},
        {u"-300000:", 3600000},
        {u"-59999", 0},
        {u" \t+900000", 900000},
        {u"1800000abc", 1800000},
        {u"99999999999999999999", 3600000},
        {u"-99999999999999999999", 3600000},
        {u"\u0663", 0},  // only ASCII digits count
    };
    for (const auto& [text, period] : cases)
        EXPECT_EQ(InterpretLoginOutTime(std::u16string_view(text)), period) << WideToUtf8(text);
    EXPECT_EQ(InterpretLoginOutTime(std::nullopt), 3600000u);
}

TEST_F(SettingsTest, LoginOutTimeRoundTrips) {
    EXPECT_EQ(ReadLoginOutTime(), 3600000u);  // nothing stored: 60 minutes
    for (unsigned period : {0u, 300000u, 900000u, 1800000u, 3600000u}) {
        WriteLoginOutTime(period);
        EXPECT_EQ(read(u"Current", u"LoginOutTime"), FormatLoginOutTime(period));
        EXPECT_EQ(ReadLoginOutTime(), period);
    }
    EXPECT_EQ(FormatLoginOutTime(300000), u"300000:");
    ClearSetting(u"Current", u"LoginOutTime");
    EXPECT_EQ(ReadLoginOutTime(), 3600000u);
}

TEST(Password, EncodedAsBase64OfItsAnsiBytes) {
    EXPECT_EQ(EncodePassword(u"admin"), u"YWRtaW4=");
    EXPECT_EQ(EncodePassword(u"\u00e9\u20ac"), u"6YA=");  // bytes E9 80
    EXPECT_EQ(DecodePassword(u"6YA="), u"\u00e9\u20ac");
    EXPECT_EQ(DecodePassword(u""), u"");
    EXPECT_EQ(EncodePassword(u"\u041c"), u"Pw==");  // outside the code page: "?"
    std::u16string every;
    for (char16_t c = 1; c < 256; ++c) every += AnsiToWide(std::string(1, static_cast<char>(c)));
    EXPECT_EQ(DecodePassword(EncodePassword(every)), every);
}

TEST_F(SettingsTest, RememberedCredentialsKeepTheirLayout) {
    WriteSetting(u"Current", u"ServName", u"KL-440 Office");
    RememberLogin(u"KL-440 Office", u"bob", u"s\u00e9cret");
    RememberLogin(u"Cellar", u"admin", u"");
    WriteSetting(u"Current", u"ServName", u"Cellar");
    EXPECT_EQ(contents(),
              "[Current]\nServName=Cellar\n"
              "[KL-440 Office]\nUserName=bob\nPassWord=c+ljcmV0\n"
              "[Cellar]\nUserName=admin\nPassWord=\n");
    RememberedLogin office = ReadRememberedLogin(u"kl-440 office");
    EXPECT_EQ(office.userName, u"bob");
    EXPECT_EQ(office.password, u"s\u00e9cret");

    ForgetLogin(u"KL-440 Office");
    EXPECT_NE(contents().find("[KL-440 Office]\nUserName=\nPassWord=\n"), std::string::npos);
    office = ReadRememberedLogin(u"KL-440 Office");
    EXPECT_EQ(office.userName, u"");
    EXPECT_EQ(office.password, u"");
    EXPECT_EQ(ReadRememberedLogin(u"Cellar").userName, u"admin");
    EXPECT_EQ(ReadRememberedLogin(u"").userName, u"");
}

TEST_F(SettingsTest, ApplianceNamesFromTheNetworkStayInTheirOwnSection) {
    WriteSetting(u"Current", u"ServName", u"Plain");
    const std::u16string names[] = {u"x]\nServName=hijack",
                                    u"Current]",
                                    u"a=b;c",
                                    u"line\r\n[Current]",
                                    u"\u0421\u0435\u0440\u0432\u0435\u0440",
                                    u"Current "};
    for (const auto& name : names) RememberLogin(name, name, u"pw");
    for (const auto& name : names) EXPECT_EQ(ReadRememberedLogin(name).userName, name);
    EXPECT_EQ(read(u"Current", u"ServName"), u"Plain");
    EXPECT_EQ(read(u"Current", u"UserName"), u"<untouched>");
}

TEST_F(SettingsTest, WritersOnTwoThreadsLoseNothing) {
    auto writer = [](std::u16string section) {
        for (int i = 0; i < 40; ++i) WriteSetting(section, u"K" + Utf8ToWide(std::to_string(i)), u"v");
    };
    std::thread a(writer, u"A"), b(writer, u"B");
    a.join();
    b.join();
    for (const char16_t* section : {u"A", u"B"})
        for (int i = 0; i < 40; ++i) EXPECT_EQ(read(section, u"K" + Utf8ToWide(std::to_string(i))), u"v");
}

}  // namespace
}  // namespace lumora

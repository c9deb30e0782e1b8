#include "platform/LinuxNetworkDrives.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "platform/FileContents.h"
#include "support/Sandbox.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

// Plays `gio` over a pretend GVfs: bob/secret mounts shares of 192.0.2.10, mounts show
// up as folders under `fuse`, and every call is recorded. As GVfs does, it takes
// "smb://" locations without regard to case.
class FakeGio final : public CommandRunner {
public:
    explicit FakeGio(fs::path fuse) : fuse_(std::move(fuse)) {}
    struct Call {
        std::vector<std::string> argv;
        std::string input;
    };
    std::vector<Call> calls;
    std::set<std::string> mounted;
    bool fuse = true;
    bool busy = false;

    CommandResult Run(const std::vector<std::string>& argv, std::string_view input,
                      std::chrono::milliseconds) override {
        calls.push_back({argv, std::string(input)});
        std::string uri = argv.back();
        for (char& ch : uri) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (argv[1] == "mount" && argv[2] == "-u") {
            if (!mounted.count(uri)) return Fail("gio: " + uri + ": The specified location is not mounted");
            if (busy && argv[3] != "-f") return Fail("gio: " + uri + ": Unmount failed: target is busy");
            mounted.erase(uri);
            return Ok({});
        }
        if (argv[1] == "mount") {
            if (mounted.count(uri)) return Fail("gio: " + uri + ": Location is already mounted");
            if (!uri.starts_with("smb://192.0.2.10/")) return Fail("gio: " + uri + ": Connection refused");
            if (input != "bob\n\nsecret\n") return Fail("gio: " + uri + ": Permission denied");
            mounted.insert(uri);
            return Ok({});
        }
        if (!mounted.count(uri)) return Fail("gio: " + uri + ": The specified location is not mounted");
        const fs::path folder = fuse_ / uri.substr(uri.rfind('/') + 1);
        fs::create_directories(folder);
        return Ok(fuse ? "uri: " + uri + "\nlocal path: " + folder.string() + "\nattributes:\n"
                       : "uri: " + uri + "\n");
    }

    int Count(std::string_view what) const {
        int n = 0;
        for (const Call& c : calls) n += (what == "unmount") == (c.argv[2] == "-u") && c.argv[1] == "mount";
        return n;
    }

private:
    static CommandResult Ok(std::string out) { return {true, false, 0, std::move(out), {}}; }
    static CommandResult Fail(std::string err) { return {true, false, 2, {}, err + "\n"}; }
    fs::path fuse_;
};

class LinuxNetworkDrivesTest : public ::testing::Test {
protected:
    LinuxDriveOptions Options() { return {box.path() / "cfg" / "NetworkDrives.txt", links, &gio}; }
    DriveConnectRequest Request(std::u16string letter, std::u16string share,
                                std::u16string password = u"secret") {
        return {std::move(letter), u"\\\\192.0.2.10\\" + share, u"bob", std::move(password), true};
    }
    std::string TableText() {
        std::string text;
        ReadFileContents(Options().tableFile, text);
        return text;
    }

    test::Sandbox box;
    fs::path links = box.path() / "Lumora Drives";
    FakeGio gio{box.path() / "gvfs"};
    LinuxNetworkDrives drives{Options()};
};

TEST_F(LinuxNetworkDrivesTest, MapsRemembersAndUnmaps) {
    EXPECT_EQ(drives.LogicalDrives(), std::vector<std::u16string>{u"C:\\"});
    ASSERT_TRUE(drives.AddConnection(Request(u"Z:", u"My Files")).ok);

    // The password travels on standard input only.
    ASSERT_EQ(gio.calls.size(), 2u);
    EXPECT_EQ(gio.calls[0].argv, (std::vector<std::string>{"gio", "mount", "smb://192.0.2.10/My%20Files"}));
    for (const auto& call : gio.calls)
        for (const auto& arg : call.argv) EXPECT_EQ(arg.find("secret"), std::string::npos);
    EXPECT_EQ(fs::read_symlink(links / "Z"), box.path() / "gvfs" / "my%20files");

    // A restart of the tool finds the letter again.
    LinuxNetworkDrives restarted(Options());
    EXPECT_EQ(restarted.GetConnection(u"z:"), u"\\\\192.0.2.10\\My Files");
    EXPECT_EQ(restarted.GetConnection(u"Y:"), u"");
    EXPECT_EQ(restarted.LogicalDrives(), (std::vector<std::u16string>{u"C:\\", u"Z:\\"}));

    ASSERT_TRUE(restarted.CancelConnection(u"Z:", true, true).ok);
    EXPECT_TRUE(gio.mounted.empty());
    EXPECT_FALSE(fs::exists(fs::symlink_status(links / "Z")));
    EXPECT_EQ(drives.GetConnection(u"Z:"), u"");
    EXPECT_EQ(drives.LogicalDrives(), std::vector<std::u16string>{u"C:\\"});
    EXPECT_FALSE(drives.CancelConnection(u"Z:", true, true).ok);
}

TEST_F(LinuxNetworkDrivesTest, FailuresLeaveTheLetterFreeAndTheTableAsItWas) {
    ASSERT_TRUE(drives.AddConnection(Request(u"Y:", u"Public")).ok);
    const std::string before = TableText();

    DriveResult r = drives.AddConnection(Request(u"Z:", u"Download", u"wrong"));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.reason.find("Permission denied"), std::string::npos);
    r = drives.AddConnection({u"Z:", u"\\\\192.0.2.99\\Public", u"bob", u"secret", true});
    EXPECT_NE(r.reason.find("Connection refused"), std::string::npos);
    gio.fuse = false;  // mounted, but no folder to show it in: the mount is undone
    EXPECT_FALSE(drives.AddConnection(Request(u"Z:", u"Download")).ok);
    EXPECT_FALSE(gio.mounted.count("smb://192.0.2.10/download"));
    gio.fuse = true;
    fs::create_directories(links / "Z");  // the user's own folder is never replaced
    EXPECT_FALSE(drives.AddConnection(Request(u"Z:", u"Download")).ok);
    EXPECT_FALSE(gio.mounted.count("smb://192.0.2.10/download"));

    EXPECT_EQ(TableText(), before);
    EXPECT_EQ(drives.GetConnection(u"Z:"), u"");
    EXPECT_EQ(drives.LogicalDrives(), (std::vector<std::u16string>{u"C:\\", u"Y:\\"}));
}

TEST_F(LinuxNetworkDrivesTest, UnsafeOrTakenNamesNeverReachGio) {
    ASSERT_TRUE(drives.AddConnection(Request(u"Y:", u"Public")).ok);
    const std::size_t calls = gio.calls.size();
    const DriveConnectRequest refused[] = {
        Request(u"C:", u"Download"),  // present on every PC
        Request(u"Y:", u"Download"),  // taken
        Request(u"Z", u"Download"),
        Request(u"Z:", u"Down\"load"),
        Request(u"Z:", u"Down/load"),
        Request(u"Z:", u"Down\nload"),
        Request(u"Z:", u"Download\\x"),
        {u"Z:", u"\\\\192.0.2.10;rm\\Download", u"bob", u"secret", true},
        {u"Z:", u"\\\\192.0.2.10\\Download", u"bob\nsecret", u"secret", true},
        Request(u"Z:", u"Download", u"sec\nret"),
    };
    for (const auto& request : refused) EXPECT_FALSE(drives.AddConnection(request).ok);
    EXPECT_EQ(gio.calls.size(), calls + 0);
    EXPECT_EQ(gio.Count("mount"), 1);
}

TEST_F(LinuxNetworkDrivesTest, ShareOnTwoLettersStaysMountedUntilTheLastGoes) {
    ASSERT_TRUE(drives.AddConnection(Request(u"Z:", u"Public")).ok);
    ASSERT_TRUE(drives.AddConnection(Request(u"X:", u"public")).ok);  // already mounted: fine
    ASSERT_TRUE(drives.CancelConnection(u"Z:", true, true).ok);
    EXPECT_EQ(gio.Count("unmount"), 0);
    EXPECT_EQ(gio.mounted.size(), 1u);

    gio.busy = true;  // a file still open: without force the letter stays
    EXPECT_FALSE(drives.CancelConnection(u"X:", true, false).ok);
    EXPECT_EQ(drives.GetConnection(u"X:"), u"\\\\192.0.2.10\\public");
    ASSERT_TRUE(drives.CancelConnection(u"X:", true, true).ok);
    EXPECT_TRUE(gio.mounted.empty());
}

TEST_F(LinuxNetworkDrivesTest, UnrememberedLettersLiveForThisRunOnly) {
    DriveConnectRequest request = Request(u"Z:", u"Public");
    request.updateProfile = false;
    ASSERT_TRUE(drives.AddConnection(request).ok);
    EXPECT_EQ(drives.GetConnection(u"Z:"), u"\\\\192.0.2.10\\Public");
    EXPECT_EQ(LinuxNetworkDrives(Options()).GetConnection(u"Z:"), u"");
    ASSERT_TRUE(drives.CancelConnection(u"Z:", false, true).ok);
    EXPECT_EQ(drives.GetConnection(u"Z:"), u"");
}

}  // namespace
}  // namespace lumora

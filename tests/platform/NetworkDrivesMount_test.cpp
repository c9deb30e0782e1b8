// Network drives end to end: kl440-sim serves its shares with Samba in a namespace of
// its own, and the provider maps them with the real gio, GVfs and its FUSE bridge on a
// private session bus. Skips, saying why, where the machine lacks a piece.

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/LinuxNetworkDrives.h"
#include "platform/ShareNames.h"
#include "support/ApplianceSection.h"
#include "support/SimNetwork.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kConfig = test::ApplianceSection("KL440-Office", "00:11:22:33:44:55", "nas0", "192.0.2.10",
                                                   "web.shares = Public,Download\nsamba = 1\n");

bool Installed(const std::string& program) {
    for (const char* dir : {"/usr/bin", "/usr/sbin", "/bin", "/sbin", "/usr/libexec", "/usr/lib/gvfs"})
        if (::access((fs::path(dir) / program).c_str(), X_OK) == 0) return true;
    return false;
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool IsMountPoint(const fs::path& folder) {
    struct stat inside {
    }, parent{};
    return ::stat(folder.c_str(), &inside) == 0 && ::stat(folder.parent_path().c_str(), &parent) == 0 &&
           inside.st_dev != parent.st_dev;
}

// A session bus of the test's own (what dbus-run-session gives a command), with the
// environment gio needs pointed at it for the life of the object.
class SessionBus {
public:
    explicit SessionBus(const fs::path& folder) : runtime_(folder / "run") {
        fs::create_directories(runtime_);
        fs::permissions(runtime_, fs::perms::owner_all);
        Set("XDG_RUNTIME_DIR", runtime_.string());
        // Volume monitors (disks, phones, cameras) have nothing to do here.
        Set("GVFS_REMOTE_VOLUME_MONITOR_IGNORE", "1");
        daemon_ = test::SpawnProgram({"dbus-daemon", "--session", "--nofork", "--print-address=1",
                                      "--address=unix:path=" + (folder / "bus").string()});
        if (daemon_.WaitForLine("\n", 10s)) {
            std::string address = daemon_.output();
            address.erase(address.find('\n'));
            Set("DBUS_SESSION_BUS_ADDRESS", address);
        }
    }
    ~SessionBus() {
        daemon_.Stop();  // gvfsd and its FUSE bridge leave with the bus
        if (IsMountPoint(runtime_ / "gvfs")) ::umount2((runtime_ / "gvfs").c_str(), MNT_DETACH);
        for (const auto& [name, old] : saved_)
            old ? ::setenv(name.c_str(), old->c_str(), 1) : ::unsetenv(name.c_str());
    }
    bool ok() const { return std::getenv("DBUS_SESSION_BUS_ADDRESS") && daemon_.running(); }
    // Wakes GVfs and waits for its FUSE folder; false when it does not come.
    bool StartGvfs() {
        SystemCommandRunner().Run({"gio", "mount", "-l"}, {}, 60s);
        for (int i = 0; i < 300 && !IsMountPoint(runtime_ / "gvfs"); ++i) std::this_thread::sleep_for(100ms);
        return IsMountPoint(runtime_ / "gvfs");
    }

private:
    void Set(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    fs::path runtime_;
    test::ChildProcess daemon_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// The page's scan: the highest letter connected to \\ADDRESS\SHARE, or 0.
char FindMapping(NetworkDriveProvider& drives, std::u16string_view address, std::u16string_view share) {
    for (char letter = 'Z'; letter >= 'A'; --letter) {
        const auto remote = SplitRemoteName(drives.GetConnection({char16_t(letter), u':'}));
        if (remote && remote->server == address && remote->share == share) return letter;
    }
    return 0;
}

TEST(NetworkDrivesMount, MapsUnmapsAndRemapsRealShares) {
    for (const char* program :
         {"smbd", "smbpasswd", "gio", "dbus-daemon", "gvfsd", "gvfsd-fuse", "gvfsd-smb"})
        if (!Installed(program)) GTEST_SKIP() << program << " is not installed (scripts/deps.sh installs it)";
    const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (fuse < 0) GTEST_SKIP() << "no usable /dev/fuse here: GVfs cannot show mounts as folders";
    ::close(fuse);

    test::SimNetwork net;
    if (!net.ok()) GTEST_SKIP() << "network namespaces are not available";
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(net.StartSim(test::SimBinary(), kConfig, 120s)) << net.simOutput();

    test::Sandbox box;
    SessionBus bus(box.path());
    if (!bus.ok()) GTEST_SKIP() << "no session bus could be started";
    if (!bus.StartGvfs()) GTEST_SKIP() << "GVfs did not start its FUSE bridge in this namespace";

    const fs::path links = box.path() / "Lumora Drives";
    LinuxDriveOptions options{box.path() / "cfg" / "NetworkDrives.txt", links, nullptr};
    auto request = [](std::u16string letter, std::u16string share, std::u16string password) {
        return DriveConnectRequest{std::move(letter), u"\\\\192.0.2.10\\" + share, u"bob",
                                   std::move(password), true};
    };
    {
        LinuxNetworkDrives drives(options);
        DriveResult r = drives.AddConnection(request(u"Z:", u"Public", u"secret"));
        ASSERT_TRUE(r.ok) << r.reason;
        EXPECT_NE(ReadAll(links / "Z" / "readme.txt").find("Share Public of KL440-Office"),
                  std::string::npos);
        std::ofstream(links / "Z" / "note.txt") << "written through the drive";
        EXPECT_EQ(ReadAll(links / "Z" / "note.txt"), "written through the drive");

        // Refused and unreachable: nothing changes.
        const std::string table = ReadAll(options.tableFile);
        r = drives.AddConnection(request(u"X:", u"Download", u"wrong"));
        EXPECT_FALSE(r.ok);
        r = drives.AddConnection({u"W:", u"\\\\198.51.100.7\\Public", u"bob", u"secret", true});
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(ReadAll(options.tableFile), table);
        EXPECT_FALSE(fs::exists(fs::symlink_status(links / "X")));
        EXPECT_EQ(drives.LogicalDrives(), (std::vector<std::u16string>{u"C:\\", u"Z:\\"}));
    }
    // A restart of the tool recognises the mapping; a remap from Z: to Y: moves it.
    LinuxNetworkDrives drives(options);
    EXPECT_EQ(FindMapping(drives, u"192.0.2.10", u"Public"), 'Z');
    ASSERT_TRUE(drives.CancelConnection(u"Z:", true, true).ok);
    DriveResult r = drives.AddConnection(request(u"Y:", u"Public", u"secret"));
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_FALSE(fs::exists(fs::symlink_status(links / "Z")));
    EXPECT_EQ(ReadAll(links / "Y" / "note.txt"), "written through the drive");
    EXPECT_EQ(FindMapping(drives, u"192.0.2.10", u"Public"), 'Y');

    // Unmapping unmounts and frees the letter.
    ASSERT_TRUE(drives.CancelConnection(u"Y:", true, true).ok);
    EXPECT_FALSE(fs::exists(fs::symlink_status(links / "Y")));
    EXPECT_EQ(drives.LogicalDrives(), std::vector<std::u16string>{u"C:\\"});
    const CommandResult info = SystemCommandRunner().Run({"gio", "info", "smb://192.0.2.10/Public"}, {}, 60s);
    EXPECT_NE(info.exitCode, 0) << info.out;
}

}  // namespace
}  // namespace lumora

// Real SMB shares for the appliances that ask for them ("samba = 1", or --samba for
// all): one smbd per appliance, bound to the appliance's address only, with a private
// folder per run (configuration, Samba's state, one folder per share with a sample
// file) that goes when the simulator stops. smbd and nss_wrapper (and uid_wrapper in an
// unprivileged user namespace) are optional: without them, or when smbd does not start,
// the simulator says so and serves no shares.

#include <arpa/inet.h>
#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "SambaConfig.h"
#include "Services.h"
#include "platform/CommandRunner.h"

extern char** environ;

namespace lumora::sim {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/bin:/bin";
    // smbd lives in sbin, which a plain user's PATH may lack.
    std::string all = std::string(dirs) + ":/usr/sbin:/sbin";
    std::size_t at = 0;
    while (at <= all.size()) {
        const std::size_t end = std::min(all.find(':', at), all.size());
        const fs::path candidate = fs::path(all.substr(at, end - at)) / name;
        if (end > at && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
        at = end + 1;
    }
    return {};
}

std::string FindLibrary(const std::string& name) {
    std::error_code ec;
    for (const char* dir : {"/usr/lib", "/usr/lib64", "/usr/local/lib", "/lib"}) {
        if (fs::exists(fs::path(dir) / name, ec)) return (fs::path(dir) / name).string();
        for (const auto& sub : fs::directory_iterator(dir, ec))
            if (fs::exists(sub.path() / name, ec)) return (sub.path() / name).string();
    }
    return {};
}

// An unprivileged user namespace forbids setgroups(), and smbd gives up ("sys_setgroups
// failed") the first time it switches identity; uid_wrapper lets it switch in its head.
bool SetgroupsDenied() {
    std::ifstream in("/proc/self/setgroups");
    std::string state;
    return in >> state && state == "deny";
}

bool WriteText(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

bool Listening(const std::string& ip) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(445);
    ::inet_pton(AF_INET, ip.c_str(), &addr.sin_addr);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

struct Tools {
    std::string smbd, smbpasswd, nssWrapper, setpriv;
    std::string uidWrapper;  // empty: smbd switches identities for real
};

// One appliance's smbd and its folder.
class SambaInstance {
public:
    SambaInstance(const Tools& tools, SambaPlan plan, fs::path root)
        : tools_(tools), plan_(std::move(plan)), root_(std::move(root)) {}
    ~SambaInstance() {
        if (pid_ > 0) {
            // smbd keeps worker processes in its group; they all go.
            ::kill(-pid_, SIGTERM);
            int status = 0;
            for (int i = 0; i < 50 && ::waitpid(pid_, &status, WNOHANG) == 0; ++i)
                std::this_thread::sleep_for(100ms);
            ::kill(-pid_, SIGKILL);
            ::waitpid(pid_, &status, WNOHANG);
        }
    }

    bool Start(std::string& error) {
        const passwd* me = ::getpwuid(::getuid());
        const group* myGroup = ::getgrgid(::getgid());
        const std::string user = me ? me->pw_name : "root";
        std::error_code ec;
        for (const char* dir : {"private", "state", "lock", "pid", "cache", "log", "shares"})
            fs::create_directories(root_ / dir, ec);
        for (const std::string& share : plan_.shares) {
            fs::create_directories(root_ / "shares" / share, ec);
            WriteText(root_ / "shares" / share / "readme.txt",
                      "Share " + share + " of " + plan_.applianceName + " (simulated KL-440).\n");
        }
        if (!WriteText(root_ / "smb.conf", SambaConfText(plan_, root_.string(), user)) ||
            !WriteText(root_ / "passwd", SambaPasswdText(plan_, user, ::getuid(), ::getgid())) ||
            !WriteText(root_ / "group", SambaGroupText(myGroup ? myGroup->gr_name : user, ::getgid()))) {
            error = "cannot write the Samba files under " + root_.string();
            return false;
        }
        for (const auto& [account, password] : plan_.accounts) {
            // The password goes in on standard input, twice, as smbpasswd -s wants it.
            std::vector<std::string> argv = Wrapped({tools_.smbpasswd, "-c", Conf(), "-a", "-s", account});
            const CommandResult r = SystemCommandRunner().Run(argv, password + "\n" + password + "\n", 60s);
            if (r.exitCode != 0) {
                error = "smbpasswd refused " + account + ": " + r.err + r.out;
                return false;
            }
        }
        return Spawn(error) && WaitUntilListening(error);
    }

private:
    std::string Conf() const { return (root_ / "smb.conf").string(); }

    // Runs `argv` with nss_wrapper in front of the machine's user database.
    std::vector<std::string> Wrapped(std::vector<std::string> argv) const {
        std::vector<std::string> env = {"env", "LD_PRELOAD=" + tools_.nssWrapper,
                                        "NSS_WRAPPER_PASSWD=" + (root_ / "passwd").string(),
                                        "NSS_WRAPPER_GROUP=" + (root_ / "group").string()};
        if (!tools_.uidWrapper.empty()) {
            env[1] = "LD_PRELOAD=" + tools_.uidWrapper + ":" + tools_.nssWrapper;
            env.insert(env.end(), {"UID_WRAPPER=1", "UID_WRAPPER_ROOT=1"});
        }
        argv.insert(argv.begin(), env.begin(), env.end());
        return argv;
    }

    bool Spawn(std::string& error) {
        std::vector<std::string> args = {tools_.smbd,     "-s", Conf(), "--foreground", "--no-process-group",
                                         "--debug-stdout"};
        // smbd goes with the simulator even when the simulator is killed outright.
        if (!tools_.setpriv.empty()) args.insert(args.begin(), {tools_.setpriv, "--pdeathsig", "TERM", "--"});
        args = Wrapped(std::move(args));
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string log = (root_ / "log" / "smbd.log").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes, 0);
        const int rc = ::posix_spawnp(&pid_, "env", &actions, &attributes, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        if (rc != 0) {
            pid_ = -1;
            error = "cannot start smbd";
            return false;
        }
        return true;
    }

    bool WaitUntilListening(std::string& error) {
        // smbd reads its configuration and databases before it listens; under load that takes a while.
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        while (std::chrono::steady_clock::now() < deadline) {
            if (Listening(plan_.ip)) return true;
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                error = "smbd for " + plan_.applianceName + " stopped: " + LogTail();
                return false;
            }
            std::this_thread::sleep_for(50ms);
        }
        error = "smbd for " + plan_.applianceName + " does not listen on " + plan_.ip + ":445";
        return false;
    }

    // The last lines smbd wrote; its folder goes with the service.
    std::string LogTail() const {
        std::ifstream in(root_ / "log" / "smbd.log");
        std::string line, tail;
        std::vector<std::string> lines;
        while (std::getline(in, line)) {
            // A panic's own line says more than the stack trace after it.
            if (line.starts_with("PANIC")) return line;
            lines.push_back(line);
        }
        for (std::size_t i = lines.size() > 3 ? lines.size() - 3 : 0; i < lines.size(); ++i)
            tail += lines[i] + " | ";
        return tail.empty() ? "no output" : tail.substr(0, tail.size() - 3);
    }

    const Tools& tools_;
    SambaPlan plan_;
    fs::path root_;
    pid_t pid_ = -1;
};

class SambaService : public Service {
public:
    ~SambaService() override {
        instances_.clear();
        std::error_code ec;
        if (!root_.empty()) fs::remove_all(root_, ec);
    }

    bool Start(ApplianceSet& appliances, std::string& error) {
        std::vector<SambaPlan> plans;
        for (auto& a : appliances) {
            std::lock_guard lock(a->mutex);
            if (WantsSamba(*a)) plans.push_back(PlanSamba(*a));
        }
        if (plans.empty()) return true;
        const bool setgroupsDenied = SetgroupsDenied();
        tools_ = {FindProgram("smbd"), FindProgram("smbpasswd"), FindLibrary("libnss_wrapper.so"),
                  FindProgram("setpriv"), setgroupsDenied ? FindLibrary("libuid_wrapper.so") : ""};
        const char* missing = tools_.smbd.empty()                            ? "smbd"
                              : tools_.smbpasswd.empty()                     ? "smbpasswd"
                              : tools_.nssWrapper.empty()                    ? "libnss_wrapper.so"
                              : setgroupsDenied && tools_.uidWrapper.empty() ? "libuid_wrapper.so"
                                                                             : nullptr;
        if (missing) {
            std::fprintf(stderr, "kl440-sim: samba: %s not found; the shares are not served over SMB\n",
                         missing);
            return true;
        }
        std::string pattern = (fs::temp_directory_path() / "kl440-smb-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            error = "samba: cannot make a private folder";
            return false;
        }
        root_ = pattern;
        for (std::size_t i = 0; i < plans.size(); ++i) {
            for (const std::string& name : plans[i].skipped)
                std::fprintf(stderr, "kl440-sim: samba: %s: %s left out\n", plans[i].applianceName.c_str(),
                             name.c_str());
            auto instance = std::make_unique<SambaInstance>(tools_, plans[i], root_ / std::to_string(i));
            // Shares are an extra: an appliance whose smbd cannot start still answers everything else.
            std::string why;
            if (!instance->Start(why)) {
                std::fprintf(stderr, "kl440-sim: samba: %s; the shares are not served over SMB\n",
                             why.c_str());
                continue;
            }
            std::fprintf(stderr, "kl440-sim: samba: %s serves %zu shares on %s\n",
                         plans[i].applianceName.c_str(), plans[i].shares.size(), plans[i].ip.c_str());
            instances_.push_back(std::move(instance));
        }
        return true;
    }

private:
    Tools tools_;
    fs::path root_;
    std::vector<std::unique_ptr<SambaInstance>> instances_;
};

}  // namespace

std::unique_ptr<Service> StartSambaService(ApplianceSet& appliances, std::string& error) {
    auto service = std::make_unique<SambaService>();
    if (!service->Start(appliances, error)) return nullptr;
    return service;
}

}  // namespace lumora::sim

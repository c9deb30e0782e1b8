#include "HostAddress.h"

#include <arpa/inet.h>
#include <spawn.h>
#include <sys/wait.h>

#include <vector>

extern char** environ;

namespace lumora::sim {
namespace {

int RunIp(std::vector<std::string> args) {
    args.insert(args.begin(), "ip");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "ip", nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int PrefixLength(const std::string& netmask) {
    in_addr mask{};
    if (inet_pton(AF_INET, netmask.c_str(), &mask) != 1) return 32;
    return __builtin_popcount(mask.s_addr);
}

bool AddHostAddress(const std::string& interfaceName, const std::string& ip, const std::string& netmask) {
    RunIp({"link", "set", interfaceName, "up"});
    const std::string address = ip + "/" + std::to_string(PrefixLength(netmask));
    // "replace" succeeds when the address is already there.
    return RunIp({"addr", "replace", address, "dev", interfaceName}) == 0;
}

bool RemoveHostAddress(const std::string& interfaceName, const std::string& ip, const std::string& netmask) {
    const std::string address = ip + "/" + std::to_string(PrefixLength(netmask));
    return RunIp({"addr", "del", address, "dev", interfaceName}) == 0;
}

}  // namespace lumora::sim

#include "SambaConfig.h"

#include "web/CgiState.h"

namespace lumora::sim {

namespace {

constexpr unsigned kFirstAccountId = 60001;
constexpr unsigned kAccountGroupId = 60000;

// smb.conf has no quoting: a share name holding a bracket, a line break or a "%"
// (Samba's substitutions) would change the configuration, so such names are left out.
bool SafeShareName(const std::string& name) {
    if (name.empty() || name.size() > 80 || name.front() == ' ' || name.back() == ' ') return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F ||
            std::string_view("[]%/\\\"'=;:<>|*?+,").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    return name != "global" && name != "homes" && name != "printers";
}

bool SafeUserName(const std::string& name) {
    if (name.empty() || name.size() > 32 || name.front() == '-') return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
              c == '_' || c == '-'))
            return false;
    return name != "nobody";
}

}  // namespace

bool WantsSamba(const Appliance& appliance) {
    const std::optional<std::string> value = appliance.Setting("samba");
    return value && *value != "0";
}

SambaPlan PlanSamba(const Appliance& a) {
    // The web side's own reading of the keys, so that both sides serve the same shares and accounts.
    CgiState state;
    if (!a.accounts.empty()) state.passwords.clear();
    for (const auto& [user, password] : a.accounts) state.passwords[user] = password;
    for (const auto& [key, value] : a.settings)
        if (key.rfind("web.", 0) == 0 && key != "web.record") ApplyWebConfig(state, key, value);

    SambaPlan plan;
    plan.applianceName = a.name;
    plan.ip = a.ip;
    plan.workgroup = SafeUserName(state.workgroup) ? state.workgroup : "WORKGROUP";
    for (const std::string& share : state.shares) {
        if (SafeShareName(share))
            plan.shares.push_back(share);
        else
            plan.skipped.push_back("share " + share);
    }
    for (const auto& [user, password] : state.passwords) {
        if (SafeUserName(user) && password.find_first_of("\r\n") == std::string::npos && !password.empty())
            plan.accounts.emplace_back(user, password);
        else
            plan.skipped.push_back("account " + user);
    }
    return plan;
}

std::string SambaConfText(const SambaPlan& plan, const std::string& root, const std::string& localUser) {
    std::string t;
    t += "[global]\n";
    t += "  netbios name = KL440SIM\n";
    t += "  workgroup = " + plan.workgroup + "\n";
    t += "  server role = standalone server\n";
    // Only the appliance's own address, inside the simulator's namespace.
    t += "  interfaces = " + plan.ip + "\n";
    t += "  bind interfaces only = yes\n";
    t += "  smb ports = 445\n";
    t += "  disable netbios = yes\n";
    t += "  server min protocol = SMB2\n";
    t += "  map to guest = never\n";
    t += "  passdb backend = tdbsam:" + root + "/private/passdb.tdb\n";
    for (const char* dir : {"private", "state", "lock", "pid", "cache"})
        t += std::string("  ") + dir + " directory = " + root + "/" + dir + "\n";
    t += "  ncalrpc dir = " + root + "/state/ncalrpc\n";
    t += "  idmap config * : backend = tdb\n";
    t += "  idmap config * : range = 3000-7999\n";
    t += "  log level = 1\n";
    t += "  load printers = no\n";
    t += "  printcap name = /dev/null\n";
    t += "  disable spoolss = yes\n";
    t += "  usershare max shares = 0\n";
    for (const std::string& share : plan.shares) {
        t += "\n[" + share + "]\n";
        t += "  path = " + root + "/shares/" + share + "\n";
        t += "  read only = no\n";
        t += "  force user = " + localUser + "\n";
    }
    return t;
}

std::string SambaPasswdText(const SambaPlan& plan, const std::string& localUser, unsigned localUid,
                            unsigned localGid) {
    const std::string gid = std::to_string(kAccountGroupId);
    std::string t =
        localUser + ":x:" + std::to_string(localUid) + ":" + std::to_string(localGid) + "::/:/bin/false\n";
    t += "nobody:x:65534:65534::/nonexistent:/bin/false\n";
    unsigned uid = kFirstAccountId;
    for (const auto& account : plan.accounts)
        if (account.first != localUser)
            t += account.first + ":x:" + std::to_string(uid++) + ":" + gid + "::/nonexistent:/bin/false\n";
    return t;
}

std::string SambaGroupText(const std::string& localGroup, unsigned localGid) {
    return localGroup + ":x:" + std::to_string(localGid) +
           ":\nnogroup:x:65534:\nkl440:x:" + std::to_string(kAccountGroupId) + ":\n";
}

}  // namespace lumora::sim

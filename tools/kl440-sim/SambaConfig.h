#pragma once
// What the simulator's Samba service serves for one appliance, and the files that
// describe it to smbd: its smb.conf and the user and group files that nss_wrapper
// hands smbd instead of the machine's own (the appliance's accounts are no users of
// this machine).

#include <string>
#include <utility>
#include <vector>

#include "Appliance.h"

namespace lumora::sim {

struct SambaPlan {
    std::string applianceName;
    std::string ip;
    std::string workgroup = "WORKGROUP";
    std::vector<std::string> shares;
    std::vector<std::pair<std::string, std::string>> accounts;  // user, password
    std::vector<std::string> skipped;  // names left out because smb.conf or smbpasswd could not hold them
};

// True when the appliance asks for SMB shares ("samba = 1").
bool WantsSamba(const Appliance& appliance);
// The shares (web.shares) and accounts (account, web.password.*) the appliance has,
// as its web side sees them; call with the appliance locked.
SambaPlan PlanSamba(const Appliance& appliance);

// smb.conf for one appliance whose files live under `root` (a private folder of the
// run); every client is mapped to `localUser` for file access.
std::string SambaConfText(const SambaPlan& plan, const std::string& root, const std::string& localUser);
// The passwd and group files for nss_wrapper: `localUser` (uid/gid `localUid`/`localGid`),
// nobody, and one user per account.
std::string SambaPasswdText(const SambaPlan& plan, const std::string& localUser, unsigned localUid,
                            unsigned localGid);
std::string SambaGroupText(const std::string& localGroup, unsigned localGid);

}  // namespace lumora::sim

#include <cstdio>
#include <cstring>

#include "Command.h"

namespace lumora::cli {

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> table = {
        {"discover", "", &RunDiscover},
        {"login", "NAS -u USER -p PASS", &RunLogin},
        {"set-address", "NAS (--dhcp | --ip A --mask M [--gateway G])", &RunSetAddress},
        {"volumes", "NAS -u USER -p PASS", &RunVolumes},
        {"shares", "NAS -u USER -p PASS [--usb]", &RunShares},
        {"info", "NAS -u USER -p PASS", &RunInfo},
        {"lan", "NAS -u USER -p PASS", &RunLan},
        {"access", "NAS -u USER -p PASS", &RunAccess},
        {"disks", "NAS -u USER -p PASS", &RunDisks},
        {"set-device", "NAS -u USER -p PASS [--name N] [--workgroup W] [--description D]", &RunSetDevice},
        {"set-timezone", "NAS ZONE -u USER -p PASS", &RunSetTimeZone},
        {"set-network", "NAS -u USER -p PASS (--dhcp | --ip A --mask M [--gateway G]) [--dns1 D] [--dns2 D]",
         &RunSetNetwork},
        {"passwd", "NAS -u USER -p PASS --new NEWPASS", &RunPasswd},
        {"doctor", "   (why an appliance is or is not found; never changes the system)", &RunDoctor},
        {"format", "NAS LAYOUT -u USER -p PASS --yes   (LAYOUT: standard, linear, raid0, raid1)", &RunFormat},
    };
    return table;
}

int UsageError(const char* name, const std::string& problem) {
    if (!problem.empty()) std::fprintf(stderr, "lumora-cli: %s\n", problem.c_str());
    for (const Command& command : CommandTable())
        if (std::strcmp(command.name, name) == 0)
            std::fprintf(stderr, "usage: lumora-cli [--json] %s %s\n", command.name, command.usage);
    return kExitUsage;
}

}  // namespace lumora::cli

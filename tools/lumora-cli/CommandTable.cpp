#include <cstring>

#include "Command.h"

namespace lumora::cli {

// What the HTTP commands share in their usage line, after the command's name.
constexpr const char* kHttpTarget = "(NAS | --address A.B.C.D) -u USER [-p PASS | --password-stdin]";

// The options set-address and set-network share (AddressOptions.h); a macro, as the texts
// are joined with the commands' own at compile time.
#define ADDRESS_OPTIONS_HELP                                               \
    "  --dhcp              let the appliance take its address from DHCP\n" \
    "  --ip A --mask M     a fixed address and netmask\n"                  \
    "  --gateway G         the default gateway of a fixed address\n"

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> table = {
        {"discover", Reach::Datagram, "", "List the appliances that answer on every network of this PC.",
         "Asks every IPv4 adapter's network who is there (2.24 s per adapter) and lists name,\n"
         "address, netmask, gateway, DHCP, MAC address and the adapter that heard each one.\n"
         "Exits with 1 when no appliance answered (--json still prints []).\n",
         &RunDiscover},
        {"login", Reach::Http, "", "Check a user name and password with an appliance.",
         "With NAS the appliance checks user name and password; with --address the password\n"
         "is checked over HTTP. A refused login exits with 1.\n",
         &RunLogin},
        {"set-address", Reach::Datagram, "NAS (--dhcp | --ip A --mask M [--gateway G])",
         "Give an appliance a new address, even one on another subnet.",
         "Sent as a datagram, so it reaches an appliance whose address does not fit the\n"
         "PC's network (but not one behind a router).\n" ADDRESS_OPTIONS_HELP,
         &RunSetAddress},
        {"volumes", Reach::Http, "", "The volumes with size, used space and use.",
         "Sizes in GiB; --json adds the exact sizes in KiB.\n", &RunVolumes},
        {"shares", Reach::Http, "[--usb]", "The shared folders.",
         "  --usb               include the shares on USB disks\n", &RunShares},
        {"info", Reach::Http, "", "What the setup wizard shows of the appliance.",
         "Name, workgroup, description, address settings, DNS servers and time zone.\n", &RunInfo},
        {"lan", Reach::Http, "", "The address, netmask and gateway of the LAN port.",
         "The address the appliance reports for its LAN port, netmask and gateway.\n", &RunLan},
        {"access", Reach::Http, "", "The web centres the user may open.",
         "The user's authority text and the web centres it allows.\n", &RunAccess},
        {"disks", Reach::Http, "", "The hard disks and their sizes.", "Disk names and sizes in GiB.\n",
         &RunDisks},
        {"set-device", Reach::Http, "[--name N] [--workgroup W] [--description D]",
         "Change the appliance's name, workgroup or description.",
         "What is not given stays as it is.\n"
         "  --name N            at most 15 bytes\n"
         "  --workgroup W       at most 15 bytes\n"
         "  --description D     at most 30 bytes\n",
         &RunSetDevice},
        {"set-timezone", Reach::Http, "ZONE", "Set the time zone.",
         "ZONE is the number of the time zone in the setup wizard's list (0 to 200).\n", &RunSetTimeZone},
        {"set-network", Reach::Http, "(--dhcp | --ip A --mask M [--gateway G]) [--dns1 D] [--dns2 D]",
         "Change the network settings and follow the appliance.",
         "Locks the address, sends the settings and follows the appliance to its new address.\n" ADDRESS_OPTIONS_HELP
         "  --dns1 D, --dns2 D  the DNS servers\n",
         &RunSetNetwork},
        {"passwd", Reach::Http, "[--new NEWPASS]", "Change the user's password.",
         "Without --new the new password is the line after the password on standard input\n"
         "(--password-stdin), or is asked twice on the terminal.\n"
         "  --new NEWPASS       the new password (at most 16 characters of Windows-1252);\n"
         "                      it shows in `ps` and the shell history\n",
         &RunPasswd},
        {"doctor", Reach::Datagram, "", "Tell why an appliance is or is not found.",
         "For each adapter: link, multicast, routes; the port's holders and firewall rules;\n"
         "then every datagram one discovery hears with its verdict, and a conclusion.\n"
         "Needs no privileges and never changes the system. Exits with 0 when an appliance\n"
         "was found.\n",
         &RunDoctor},
        {"format", Reach::Http, "LAYOUT --yes", "Erase every volume and create new ones.",
         "LAYOUT is standard, linear, raid0 or raid1. Every volume and its data is lost, so\n"
         "nothing happens without --yes. Shows a progress bar and lists the new volumes.\n"
         "  --yes               go ahead\n",
         &RunFormat},
    };
    return table;
}

#undef ADDRESS_OPTIONS_HELP

const Command* FindCommand(const std::string& name) {
    for (const Command& command : CommandTable())
        if (name == command.name) return &command;
    return nullptr;
}

std::string UsageLine(const Command& command) {
    std::string line = std::string("lumora-cli [--json] ") + command.name;
    if (command.reach == Reach::Http) line += std::string(" ") + kHttpTarget;
    if (*command.usage) line += std::string(" ") + command.usage;
    return line;
}

int UsageError(const char* name, const std::string& problem) {
    if (!problem.empty()) std::fprintf(stderr, "lumora-cli: %s\n", problem.c_str());
    if (const Command* command = FindCommand(name))
        std::fprintf(stderr, "usage: %s\n", UsageLine(*command).c_str());
    return kExitUsage;
}

}  // namespace lumora::cli

// The help texts of lumora-cli, built from the command table.

#include <cstring>

#include "Command.h"

namespace lumora::cli {

namespace {

constexpr const char* kHttpOptions =
    "  NAS                 a list index, an appliance name or a MAC address; a discovery\n"
    "                      finds it on the PC's own networks\n"
    "  --address A.B.C.D   talk HTTP to this address instead (no discovery): for an\n"
    "                      appliance behind a router or in another VLAN\n"
    "  -u USER             the user name\n"
    "  -p PASS             the password; it shows in `ps` and stays in the shell history,\n"
    "                      so leave it out to be asked for it on the terminal\n"
    "  --password-stdin    read the password from the first line of standard input\n";

constexpr const char* kExitCodes = "exit codes: 0 success, 1 refused, failed or no answer, 2 usage\n";

}  // namespace

int PrintGeneralHelp(FILE* to) {
    std::fprintf(to,
                 "usage: lumora-cli [--json] COMMAND ARGS...\n"
                 "       lumora-cli COMMAND --help | help COMMAND | --version\n\ncommands:\n");
    for (const Command& command : CommandTable())
        std::fprintf(to, "  %-13s %s\n", command.name, command.summary);
    std::fprintf(to,
                 "\nNAS is a list index, an appliance name or a MAC address; --address A.B.C.D\n"
                 "reaches an appliance behind a router instead. A password given with -p shows in\n"
                 "`ps` and in the shell history: leave it out to be asked, or use --password-stdin.\n"
                 "--json prints one JSON document on standard output.\n%s",
                 kExitCodes);
    return to == stdout ? kExitOk : kExitUsage;
}

int PrintCommandHelp(const Command& command) {
    std::printf("usage: %s\n\n%s\n\n%s", UsageLine(command).c_str(), command.summary, command.details);
    std::printf("\noptions:\n");
    if (command.reach == Reach::Http) std::printf("%s", kHttpOptions);
    std::printf("  --json              print one JSON document on standard output\n\n%s", kExitCodes);
    return kExitOk;
}

}  // namespace lumora::cli

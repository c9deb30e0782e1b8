#include <cstdio>
#include <cstring>

#include "Command.h"

namespace lumora::cli {

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> table = {
        {"discover", "", &RunDiscover},
        {"login", "NAS -u USER -p PASS", &RunLogin},
        {"set-address", "NAS (--dhcp | --ip A --mask M [--gateway G])", &RunSetAddress},
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

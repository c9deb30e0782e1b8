// lumora-cli: the appliance commands of Lumora for scripts and terminals.
//
//   lumora-cli [--json] COMMAND ARGS...
//
// Exit codes: 0 success, 1 refused or no answer, 2 usage.

#include <cstdio>
#include <cstring>
#include <string>

#include "Command.h"

using namespace lumora::cli;

namespace {

int Help(FILE* to) {
    std::fprintf(to, "usage: lumora-cli [--json] COMMAND ARGS...\n\ncommands:\n");
    for (const Command& command : CommandTable()) std::fprintf(to, "  %s %s\n", command.name, command.usage);
    std::fprintf(to, "\nNAS is a list index, an appliance name or a MAC address.\n");
    return to == stdout ? kExitOk : kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    CommandContext context;
    const Command* chosen = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json")
            context.json = true;
        else if (arg == "--help" || arg == "-h")
            return Help(stdout);
        else if (arg == "--version" && chosen == nullptr) {
            std::printf("lumora-cli %s\n", LUMORA_VERSION);
            return kExitOk;
        } else if (chosen == nullptr) {
            for (const Command& command : CommandTable())
                if (arg == command.name) chosen = &command;
            if (chosen == nullptr) {
                std::fprintf(stderr, "lumora-cli: unknown command %s\n", arg.c_str());
                return Help(stderr);
            }
        } else {
            context.args.push_back(arg);
        }
    }
    if (chosen == nullptr) return Help(stderr);
    return chosen->run(context);
}

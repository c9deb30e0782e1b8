// lumora-cli: the appliance commands of Lumora for scripts and terminals.
//
//   lumora-cli [--json] COMMAND ARGS...
//
// Exit codes: 0 success, 1 refused or no answer, 2 usage.

#include <algorithm>
#include <cstdio>
#include <string>

#include "AddressTarget.h"
#include "Command.h"

using namespace lumora::cli;

namespace {

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// `lumora-cli help [COMMAND]`.
int HelpCommand(const std::vector<std::string>& args) {
    if (args.empty()) return PrintGeneralHelp(stdout);
    const Command* command = args.size() == 1 ? FindCommand(args[0]) : nullptr;
    if (command == nullptr) {
        std::fprintf(stderr, "lumora-cli: help takes one command name\n");
        return PrintGeneralHelp(stderr);
    }
    return PrintCommandHelp(*command);
}

}  // namespace

int main(int argc, char** argv) {
    CommandContext context;
    const Command* chosen = nullptr;
    bool help = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json") {
            context.json = true;
        } else if (chosen == nullptr && IsHelp(arg)) {
            return PrintGeneralHelp(stdout);
        } else if (arg == "--version" && chosen == nullptr && !help) {
            std::printf("lumora-cli %s\n", LUMORA_VERSION);
            return kExitOk;
        } else if (chosen == nullptr && !help) {
            help = arg == "help";
            chosen = help ? nullptr : FindCommand(arg);
            if (chosen == nullptr && !help) {
                std::fprintf(stderr, "lumora-cli: unknown command %s\n", arg.c_str());
                return PrintGeneralHelp(stderr);
            }
        } else {
            context.args.push_back(arg);
        }
    }
    if (help) return HelpCommand(context.args);
    if (chosen == nullptr) return PrintGeneralHelp(stderr);
    if (std::any_of(context.args.begin(), context.args.end(), IsHelp)) return PrintCommandHelp(*chosen);
    // Datagrams stop at the first router, so these commands cannot reach an address of their own.
    if (chosen->reach == Reach::Datagram &&
        std::find(context.args.begin(), context.args.end(), kAddressOption) != context.args.end())
        return UsageError(chosen->name,
                          std::string("--address works only with the commands that talk HTTP; ") +
                              chosen->name + " uses discovery datagrams, which do not cross a router");
    return chosen->run(context);
}

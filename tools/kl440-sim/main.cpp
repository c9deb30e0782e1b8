// kl440-sim: simulated KL-440 appliances for tests and demonstrations.
//
//   kl440-sim [--config FILE] [--samba]   (no file: the built-in demo set)
//   kl440-sim --print-config              (writes the demo set out)
//
// --samba serves every appliance's shares over SMB (as "samba = 1" in each section).
// Puts each appliance's address on its link, starts every service of
// Services.cpp, prints "kl440-sim: ready" and runs until SIGINT or SIGTERM, or
// until the process that started it ends.
// Run it only inside a network namespace of its own.

#include <sys/prctl.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "Appliance.h"
#include "DemoSet.h"
#include "HostAddress.h"
#include "Services.h"

using namespace lumora::sim;

namespace {

constexpr const char* kUsage = "usage: kl440-sim [--config FILE] [--samba] | --print-config | --help\n";

int Help() {
    std::printf(
        "%s\n"
        "Simulates KL-440 appliances: it answers discovery, login checks and set-address\n"
        "requests on UDP port 13579 and serves each appliance's CGI pages on TCP port 80\n"
        "of its address. It puts the addresses on the links the configuration names, so\n"
        "run it only inside a network namespace of its own.\n\n"
        "  --config FILE   the appliances to simulate (\"[appliance]\" sections of\n"
        "                  \"key = value\" lines); without it, the built-in demo set:\n"
        "                  three appliances on link nas0 (192.0.2.20, 192.0.2.21 and\n"
        "                  198.51.100.30; accounts admin:admin and alice:wonderland)\n"
        "  --samba         serve every appliance's shares over SMB with smbd (as\n"
        "                  \"samba = 1\" in each section)\n"
        "  --print-config  write the demo set to standard output, as a starting point\n"
        "  --help          this text\n\n"
        "It prints \"kl440-sim: ready (N appliances)\" once it listens, and stops on\n"
        "SIGINT or SIGTERM or when the process that started it ends.\n",
        kUsage);
    return 0;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "kl440-sim: %s\n%s", problem, kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Go with whoever started us: a test that dies without stopping us must not leave us
    // running (and holding its output open).
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    std::string config;
    bool printConfig = false;
    bool samba = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return Help();
        if (std::strcmp(argv[i], "--print-config") == 0)
            printConfig = true;
        else if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc)
            config = argv[++i];
        else if (std::strcmp(argv[i], "--config") == 0)
            return Usage("--config needs a FILE");
        else if (std::strcmp(argv[i], "--samba") == 0)
            samba = true;
        else
            return Usage((std::string("unknown argument ") + argv[i]).c_str());
    }
    if (printConfig) {
        if (!config.empty()) return Usage("--print-config writes the demo set; it takes no --config");
        std::fwrite(DemoConfig().data(), 1, DemoConfig().size(), stdout);
        return 0;
    }
    std::string error;
    auto appliances = config.empty() ? ParseApplianceConfig(std::string(DemoConfig()), error)
                                     : LoadApplianceConfig(config, error);
    if (!appliances) {
        std::fprintf(stderr, "kl440-sim: %s\n", error.c_str());
        return 1;
    }
    if (samba)
        for (auto& a : *appliances) a->settings.emplace_back("samba", "1");

    // Signals are taken by sigwait below, never by the service threads.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    for (auto& a : *appliances)
        if (a->manageAddress && !AddHostAddress(a->interfaceName, a->ip, a->netmask)) {
            std::fprintf(stderr, "kl440-sim: cannot put %s on %s\n", a->ip.c_str(), a->interfaceName.c_str());
            return 1;
        }

    std::vector<std::unique_ptr<Service>> services;
    for (ServiceStarter start : ServiceStarters()) {
        services.push_back(start(*appliances, error));
        if (!services.back()) {
            std::fprintf(stderr, "kl440-sim: %s\n", error.c_str());
            return 1;
        }
    }
    std::printf("kl440-sim: ready (%zu appliances)\n", appliances->size());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    services.clear();
    return 0;
}

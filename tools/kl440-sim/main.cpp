// kl440-sim: simulated KL-440 appliances for tests and demonstrations.
//
//   kl440-sim --config FILE [--samba]
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
#include "HostAddress.h"
#include "Services.h"

using namespace lumora::sim;

int main(int argc, char** argv) {
    // Go with whoever started us: a test that dies without stopping us must not leave us
    // running (and holding its output open).
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    std::string config;
    bool samba = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc)
            config = argv[++i];
        else if (std::strcmp(argv[i], "--samba") == 0)
            samba = true;
        else
            config.clear(), i = argc;
    }
    if (config.empty()) {
        std::fprintf(stderr, "usage: kl440-sim --config FILE [--samba]\n");
        return 2;
    }
    std::string error;
    auto appliances = LoadApplianceConfig(config, error);
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

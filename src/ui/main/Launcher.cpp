#include "ui/main/Launcher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace lumora {
namespace {

// xdg-open picks the user's browser or file manager; the UI never waits for it.
class XdgOpenLauncher : public Launcher {
public:
    void Open(const std::string& address) override {
        std::string program = "xdg-open";
        char* argv[] = {program.data(), const_cast<char*>(address.c_str()), nullptr};
        pid_t child = 0;
        if (posix_spawnp(&child, "xdg-open", nullptr, nullptr, argv, environ) != 0) return;
        // Reaped aside, so the opener leaves no zombie while the tool runs.
        std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    }
};

Launcher* g_launcher = nullptr;

}  // namespace

void SetLauncher(Launcher* launcher) { g_launcher = launcher; }

Launcher& CurrentLauncher() {
    static XdgOpenLauncher xdgOpen;
    return g_launcher != nullptr ? *g_launcher : xdgOpen;
}

}  // namespace lumora

#pragma once
// Hands an address to the desktop: web pages to the default browser, shares to the
// file manager. The desktop program opens with xdg-open; tests install a recorder.

#include <string>

namespace lumora {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Opens `address` (a URL) with the desktop's default program; failures are silent.
    virtual void Open(const std::string& address) = 0;
};

// Installs the launcher (null restores xdg-open).
void SetLauncher(Launcher* launcher);
// The installed launcher, or the xdg-open one.
Launcher& CurrentLauncher();

}  // namespace lumora

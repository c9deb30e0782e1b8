#include "PasswordInput.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>

namespace lumora::cli {

namespace {

constexpr std::array kRestoringSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// What the signal handler needs; one guard at a time (there is one terminal prompt).
int g_guardedFd = -1;
termios g_savedSettings{};
std::array<struct sigaction, kRestoringSignals.size()> g_previousActions{};

void RestoreAndDie(int signal) {
    // Only async-signal-safe calls here. The handler was reset (SA_RESETHAND), so raising
    // again after return ends the program as the signal would have.
    const int interruptedErrno = errno;  // should the signal be held back, the read goes on
    tcsetattr(g_guardedFd, TCSANOW, &g_savedSettings);
    raise(signal);
    errno = interruptedErrno;
}

}  // namespace

EchoOff::EchoOff(int fd) {
    if (g_guardedFd >= 0 || !isatty(fd) || tcgetattr(fd, &g_savedSettings) != 0) return;
    g_guardedFd = fd;
    owner_ = true;
    struct sigaction action {};
    action.sa_handler = &RestoreAndDie;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kRestoringSignals.size(); ++i)
        sigaction(kRestoringSignals[i], &action, &g_previousActions[i]);
    termios quiet = g_savedSettings;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL);
    active_ = tcsetattr(fd, TCSAFLUSH, &quiet) == 0;
}

EchoOff::~EchoOff() {
    if (!owner_) return;
    tcsetattr(g_guardedFd, TCSANOW, &g_savedSettings);
    for (std::size_t i = 0; i < kRestoringSignals.size(); ++i)
        sigaction(kRestoringSignals[i], &g_previousActions[i], nullptr);
    g_guardedFd = -1;
}

std::optional<std::string> ReadLine(int fd) {
    std::string line;
    bool any = false;
    char c = 0;
    while (true) {
        const ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        any = true;
        if (c == '\n') break;
        line.push_back(c);
    }
    if (!any) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::optional<std::string> AskPassword(const std::string& prompt) {
    if (!isatty(STDIN_FILENO)) return std::nullopt;
    std::optional<std::string> password;
    {
        // The prompt comes only once the echo is off, so nothing typed after it shows.
        const EchoOff quiet(STDIN_FILENO);
        std::fprintf(stderr, "%s", prompt.c_str());
        std::fflush(stderr);
        password = ReadLine(STDIN_FILENO);
    }
    // The newline typed was not echoed.
    std::fprintf(stderr, "\n");
    return password;
}

}  // namespace lumora::cli

// first-paint-probe: starts a program and reports, in milliseconds from the start, when
// its first window became viewable and when that window first showed a pixel that is
// not black. Meant for an X server of its own without a window manager (Xvfb with a
// black root, -br), where a window's unpainted area stays black.
//
//   first-paint-probe PROGRAM [ARGS...]
//
// Prints "viewable MS painted MS cpu MS" and ends the program (cpu: the processor time
// the program had used by its first paint, which a loaded machine disturbs less than
// the wall-clock times); exits 1 when nothing was painted within 30 s.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <set>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::set<Window> TopLevels(Display* display) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    std::set<Window> windows;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        windows.insert(children, children + count);
        XFree(children);
    }
    return windows;
}

// A new viewable window big enough to be a program's main window, if there is one.
Window NewViewableWindow(Display* display, const std::set<Window>& before) {
    for (Window window : TopLevels(display)) {
        if (before.count(window)) continue;
        XWindowAttributes a{};
        if (XGetWindowAttributes(display, window, &a) && a.map_state == IsViewable && a.width >= 200 &&
            a.height >= 150)
            return window;
    }
    return 0;
}

// True when some pixel of a 7 x 7 grid of 8 x 8 patches over the window is not black.
bool ShowsPaint(Display* display, Window window) {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(display, window, &a)) return false;
    for (int gy = 1; gy <= 7; ++gy)
        for (int gx = 1; gx <= 7; ++gx) {
            XImage* image = XGetImage(display, window, a.width * gx / 8 - 4, a.height * gy / 8 - 4, 8, 8,
                                      AllPlanes, ZPixmap);
            if (!image) continue;
            bool lit = false;
            for (int y = 0; y < 8 && !lit; ++y)
                for (int x = 0; x < 8 && !lit; ++x) lit = (XGetPixel(image, x, y) & 0xFFFFFF) != 0;
            XDestroyImage(image);
            if (lit) return true;
        }
    return false;
}

// User and system time of a process so far, in milliseconds (-1 when unreadable).
double ProcessorMs(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');  // the name may hold blanks
    if (close == std::string::npos) return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stoull(field);
        if (i == 15) stime = std::stoull(field);
    }
    return (utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }  // windows may vanish between calls

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first-paint-probe PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first-paint-probe: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const std::set<Window> before = TopLevels(display);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("first-paint-probe: exec");
        _exit(127);
    }
    auto since = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };

    Window window = 0;
    double viewable = -1, painted = -1, cpu = -1;
    while (since() < 30000 && waitpid(child, nullptr, WNOHANG) == 0) {
        if (!window && (window = NewViewableWindow(display, before))) viewable = since();
        if (window && ShowsPaint(display, window)) {
            painted = since();
            cpu = ProcessorMs(child);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (painted < 0) {
        std::fprintf(stderr, "first-paint-probe: %s painted nothing\n", argv[1]);
        return 1;
    }
    std::printf("viewable %.1f painted %.1f cpu %.1f\n", viewable, painted, cpu);
    return 0;
}

#pragma once
// Reading a password without putting it on the command line, where `ps` and the shell
// history would show it.

#include <termios.h>

#include <optional>
#include <string>

namespace lumora::cli {

// Turns the echo of terminal `fd` off for its life. The settings come back when it goes and
// also when SIGINT, SIGTERM, SIGHUP or SIGQUIT ends the program meanwhile, so an interrupted
// prompt never leaves the shell typing blind.
class EchoOff {
public:
    // Does nothing (active() false) when `fd` is no terminal.
    explicit EchoOff(int fd);
    // Restores the terminal settings and the signal handlers found at the start.
    ~EchoOff();
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;
    // True while the echo is off.
    bool active() const { return active_; }

private:
    bool owner_ = false;  // this guard holds the saved settings and handlers
    bool active_ = false;
};

// One line read from `fd` byte by byte (nothing past it is consumed), without its newline
// (and a carriage return before it); nothing when the input ends before any byte.
std::optional<std::string> ReadLine(int fd);

// Asks for the password on the terminal of standard input, `prompt` on stderr, without echo;
// nothing when standard input is no terminal or the input ends.
std::optional<std::string> AskPassword(const std::string& prompt);

}  // namespace lumora::cli

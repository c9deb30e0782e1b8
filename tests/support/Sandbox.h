#pragma once
// A temporary folder that removes itself, and a wait that pumps a message loop.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/WindowMessages.h"

namespace lumora::test {

class Sandbox {
public:
    Sandbox() {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumora-test-XXXXXX").string();
        if (char* made = mkdtemp(pattern.data())) path_ = made;
    }
    ~Sandbox() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Points XDG_CONFIG_HOME at a sandbox for the life of the object.
class ConfigHome {
public:
    ConfigHome() {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) old_ = old, hadOld_ = true;
        setenv("XDG_CONFIG_HOME", sandbox_.path().c_str(), 1);
    }
    ~ConfigHome() {
        if (hadOld_)
            setenv("XDG_CONFIG_HOME", old_.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }
    const std::filesystem::path& path() const { return sandbox_.path(); }

private:
    Sandbox sandbox_;
    std::string old_;
    bool hadOld_ = false;
};

// Pumps `loop` until `done` holds or the deadline passes.
inline bool waitFor(MessageLoop& loop, const std::function<bool()>& done,
                    std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
    return loop.RunUntil(done, deadline);
}

}  // namespace lumora::test

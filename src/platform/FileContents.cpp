#include "platform/FileContents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace lumora {

namespace {

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

FileRead ReadFileContents(const std::filesystem::path& path, std::string& out) {
    out.clear();
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) return errno == ENOENT ? FileRead::Missing : FileRead::Failed;
    struct stat info {};
    // Only a regular file: a fifo or device under that name must not hang or flood the reader.
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return FileRead::Failed;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            out.clear();
            return FileRead::Failed;
        }
        if (n == 0) return FileRead::Ok;
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes,
                         std::filesystem::perms newMode) {
    std::error_code ec;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, ec)) {
        target = std::filesystem::canonical(path, ec);
        if (ec) return false;
    }
    mode_t mode = static_cast<mode_t>(newMode);
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode) || !(info.st_mode & S_IWUSR)) return false;
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    std::string temp = (target.parent_path() / (target.filename().string() + ".XXXXXX")).string();
    Descriptor file{::mkstemp(temp.data())};
    if (file.fd < 0) return false;
    bool ok = writeAll(file.fd, bytes) && ::fchmod(file.fd, mode) == 0 && ::fsync(file.fd) == 0;
    ok = (::close(file.fd) == 0) && ok;
    file.fd = -1;
    if (ok && ::rename(temp.c_str(), target.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

}  // namespace lumora

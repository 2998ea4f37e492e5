// Files on Linux and macOS: written with write(2), checked to the last byte,
// made durable with fsync(2), and created with the mode their content needs.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "profile/Files.h"

namespace wifi {

namespace {

mode_t ModeFor(FileAccess access) {
    return access == FileAccess::OwnerOnly ? 0600 : 0666;
}

// Writes every byte, then syncs and closes; the first failure is the error.
bool WriteAll(int fd, std::string_view bytes, std::string& error) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = std::strerror(n < 0 ? errno : EIO);
            ::close(fd);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    // A character device (/dev/full, a terminal) cannot be synced; what it
    // took was taken.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP) {
        error = std::strerror(errno);
        ::close(fd);
        return false;
    }
    if (::close(fd) != 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

bool WriteFileBytes(const std::string& path, std::string_view bytes, std::string& error,
                    FileAccess access) {
    const std::string temporary = path + ".part";
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, ModeFor(access));
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // The umask may have given more, or an old .part file had its own mode.
    if (access == FileAccess::OwnerOnly && ::fchmod(fd, 0600) != 0) {
        error = std::strerror(errno);
        ::close(fd);
        ::unlink(temporary.c_str());
        return false;
    }
    if (!WriteAll(fd, bytes, error)) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool AppendFileBytes(const std::string& path, std::string_view bytes, std::string& error,
                     FileAccess access) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, ModeFor(access));
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (access == FileAccess::OwnerOnly && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        ::fchmod(fd, 0600) != 0) {
        error = std::strerror(errno);
        ::close(fd);
        return false;
    }
    return WriteAll(fd, bytes, error);
}

}  // namespace wifi

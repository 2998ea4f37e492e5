// Files on Windows: wide paths from UTF-8, every byte checked, flushed to
// the disk with _commit. A file's access is the folder's: a user's profile
// folder is the user's own already.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "profile/Files.h"

namespace wifi {

namespace {

std::wstring Wide(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

bool WriteAll(int fd, std::string_view bytes, std::string& error) {
    while (!bytes.empty()) {
        const int n = _write(fd, bytes.data(), static_cast<unsigned>(bytes.size()));
        if (n <= 0) {
            error = std::strerror(n < 0 ? errno : EIO);
            _close(fd);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    if (_commit(fd) != 0 && errno != EBADF) {
        error = std::strerror(errno);
        _close(fd);
        return false;
    }
    if (_close(fd) != 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

bool WriteFileBytes(const std::string& path, std::string_view bytes, std::string& error,
                    FileAccess) {
    const std::wstring target = Wide(path);
    const std::wstring temporary = target + L".part";
    const int fd = _wopen(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    if (!WriteAll(fd, bytes, error)) {
        _wunlink(temporary.c_str());
        return false;
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        error = "cannot replace the file (" + std::to_string(GetLastError()) + ")";
        _wunlink(temporary.c_str());
        return false;
    }
    return true;
}

bool AppendFileBytes(const std::string& path, std::string_view bytes, std::string& error,
                     FileAccess) {
    const int fd = _wopen(Wide(path).c_str(), _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    return WriteAll(fd, bytes, error);
}

}  // namespace wifi

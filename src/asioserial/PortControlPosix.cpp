// Serial ports on Linux and macOS: device paths, advisory and exclusive locks.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "asioserial/PortControl.h"

namespace wifi {

std::string SystemDeviceName(const std::string& device) {
    return device;
}

// A lock every well-behaved terminal program honours (root included), and
// the terminal's own exclusive mode for the rest; both end with the open.
std::shared_ptr<void> TakePort(asio::serial_port& port, const std::string&,
                               std::error_code& failed) {
    const int fd = port.native_handle();
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failed = std::error_code(errno == EWOULDBLOCK ? EBUSY : errno, std::generic_category());
        return nullptr;
    }
    ::ioctl(fd, TIOCEXCL);
    return nullptr;
}

void DiscardInput(asio::serial_port& port) {
    ::tcflush(port.native_handle(), TCIFLUSH);
}

bool IsNoSerialPort(const std::string& device) {
    struct stat st {};
    return ::stat(device.c_str(), &st) == 0 && !S_ISCHR(st.st_mode);
}

CommFailure OpenFailureKind(const std::error_code& error, const std::string& device) {
    switch (error.value()) {
        case ENOENT:
        case ENODEV:
        case ENXIO: return CommFailure::NoSuchDevice;
        case EBUSY: return CommFailure::Busy;
        // A path that is there but is no terminal: a file, a folder, a FIFO,
        // /dev/null.
        case ENOTTY:
        case EISDIR:
        case ENOTDIR: return CommFailure::NotASerialPort;
        case EACCES:
        case EPERM:
            // A device the user may read and write yet cannot open is held
            // in exclusive mode by another program.
            return ::access(device.c_str(), R_OK | W_OK) == 0 ? CommFailure::Busy
                                                              : CommFailure::PermissionDenied;
        default: return CommFailure::Other;
    }
}

}  // namespace wifi

#include "Pty.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace sim {

Pty::~Pty() {
    HangUp();
}

bool Pty::Open(std::string& error) {
    auto fail = [&](const char* what) {
        error = std::string(what) + ": " + std::strerror(errno);
        HangUp();
        return false;
    };
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        return fail("posix_openpt");
    }
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        return fail("grantpt/unlockpt");
    }
    const char* name = ptsname(master_);
    if (!name) {
        return fail("ptsname");
    }
    path_ = name;
    slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        return fail(path_.c_str());
    }
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0) {
        return fail("tcgetattr");
    }
    cfmakeraw(&tio);
    cfsetispeed(&tio, B19200);
    cfsetospeed(&tio, B19200);
    if (tcsetattr(slave_, TCSANOW, &tio) != 0) {
        return fail("tcsetattr");
    }
    const int flags = fcntl(master_, F_GETFL);
    if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) {
        return fail("fcntl");
    }
    return true;
}

void Pty::HangUp() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
}

}  // namespace sim

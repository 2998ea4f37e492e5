#include <poll.h>

#include "qtserial/LineState.h"

namespace wifi {

bool LineFailed(std::intptr_t handle) {
    pollfd fd{static_cast<int>(handle), POLLIN, 0};
    if (::poll(&fd, 1, 0) < 0) {
        return true;
    }
    return (fd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}  // namespace wifi

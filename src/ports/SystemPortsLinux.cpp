#include "ports/SystemPorts.h"

namespace wifi {

std::vector<PortInfo> SystemPorts() {
    return SysfsPorts("/sys/class/tty", "/dev");
}

}  // namespace wifi

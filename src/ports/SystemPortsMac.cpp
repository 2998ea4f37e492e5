// macOS: the call-out devices, names only (the USB details would need
// IOKit).
#include <algorithm>

#include "ports/SystemPorts.h"

namespace wifi {

std::vector<PortInfo> SystemPorts() {
    std::vector<PortInfo> ports;
    std::error_code failed;
    for (const auto& entry : std::filesystem::directory_iterator("/dev", failed)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("cu.", 0) == 0) {
            PortInfo port;
            port.device = entry.path().string();
            ports.push_back(port);
        }
    }
    std::sort(ports.begin(), ports.end(),
              [](const PortInfo& a, const PortInfo& b) { return a.device < b.device; });
    return ports;
}

}  // namespace wifi

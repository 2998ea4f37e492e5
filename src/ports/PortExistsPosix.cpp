// Linux and macOS: a port is there while its device path is.
#include <filesystem>

#include "ports/SystemPorts.h"

namespace wifi {

bool PortExists(const std::string& device) {
    std::error_code ignored;
    return std::filesystem::exists(
        std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(device.data()),
                                            device.size())),
        ignored);
}

}  // namespace wifi

#pragma once

#include <vector>

#include "ports/PortInfo.h"

namespace wifi {

// Every serial port Qt reports now, as the core's port records.
std::vector<PortInfo> QtSystemPorts();

}  // namespace wifi

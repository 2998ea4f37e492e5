#pragma once

#include <string>
#include <vector>

#include "text/TextEncoding.h"

namespace cli {

struct PortsRequest {
    std::vector<std::string> named;  // --port devices, listed (and probed) too
    bool probe = false;
    double timeoutSeconds = 2;
    bool json = true;
    wifi::TextEncoding encoding = wifi::DefaultEncoding();
};

// `wifi-config ports`: prints the ports, one JSON line (or text line) each,
// and exits 0 even when there is none.
int RunPorts(const PortsRequest& request);

}  // namespace cli

#pragma once

#include <string>
#include <vector>

#include "StopSignal.h"

namespace cli {

struct SendRequest {
    std::string port;
    std::vector<std::string> lines;  // as given; each goes out with "\r\n"
    int quietMs = 300;               // a line is done when nothing came this long
    double timeoutSeconds = 10;      // the whole wait
    bool logSecrets = false;         // the key as it is, not ***
    StopSignal* stop = nullptr;
};

// `wifi-config send`: sends each line in turn, each once the module has been
// quiet after the one before, and prints what went out and every line that
// came back on standard output, in the trace's format. Nothing else is sent:
// no query, no connect request, no check. 0 when any line came back, 4 when
// none did, 3 when the port failed.
int RunSend(const SendRequest& request);

}  // namespace cli

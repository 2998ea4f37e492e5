#pragma once

#include <string>
#include <vector>

#include "StopSignal.h"
#include "profile/FormFields.h"
#include "text/TextEncoding.h"

namespace cli {

struct StationSpec {
    std::string port;
    std::vector<wifi::Setting> settings;  // the profile, then --set
    bool verify = false;
    std::string logPath;  // empty: standard output only
    int count = 0;        // modules to write (ok or failed); 0: until stopped
    double timeoutSeconds = 10;
    int settleSeconds = 3;
    wifi::TextEncoding encoding = wifi::DefaultEncoding();
    bool logSecrets = false;
    bool trace = false;
    StopSignal* stop = nullptr;  // not owned
};

// `wifi-config station`: waits for a module on the port, writes the profile,
// verifies it (with `verify`), records it, waits until it is gone, and takes
// the next, until stopped or `count` modules are written. One JSON line per
// module on standard output and in the log; progress and a summary on
// standard error. The exit status: 0 when every module was ok, 1 when any
// failed, 128 + the signal's number when stopped by one.
int RunStation(const StationSpec& spec);

}  // namespace cli

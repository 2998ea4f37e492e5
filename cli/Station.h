#pragma once

#include <string>
#include <vector>

#include "StopSignal.h"
#include "profile/FormFields.h"
#include "profile/Units.h"
#include "text/TextEncoding.h"

namespace cli {

struct StationSpec {
    std::vector<std::string> ports;       // each a bench of its own, all at once
    std::string port;                     // the bench's own, set per bench
    std::vector<wifi::Setting> settings;  // the profile, then --set
    bool verify = false;
    std::string logPath;  // empty: standard output only
    int count = 0;        // modules to write (ok or failed); 0: until stopped
    double timeoutSeconds = 10;
    int settleSeconds = 3;
    wifi::TextEncoding encoding = wifi::DefaultEncoding();
    bool logSecrets = false;
    bool trace = false;
    bool skipConfigured = false;  // a module already so configured is not written
    bool bell = true;             // a failure rings the terminal's bell
    // Records on standard output too (JSON Lines, for scripts); else the
    // operator's screen is there when it is a terminal.
    bool recordsOnOutput = true;
    // Each unit's own values (--units), handed out one row per unit; null:
    // every unit gets the profile alone. Not owned.
    wifi::UnitRows* rows = nullptr;
    StopSignal* stop = nullptr;  // not owned
};

// `wifi-config station`: waits for a module on the port, writes the profile,
// verifies it (with `verify`), records it, waits until it is gone, and takes
// the next, until stopped or `count` modules are written. One JSON line per
// module in the log, and on standard output with `recordsOnOutput`; the
// operator's screen on standard output when it is a terminal and takes no
// records, else on standard error. Several ports are benches at once, each
// on its own thread: one screen, one log, one set of rows. The exit status: 0 when every module was
// ok, 1 when any failed, 128 + the signal's number when stopped by one.
int RunStation(const StationSpec& spec);

}  // namespace cli

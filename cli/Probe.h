#pragma once

#include <string>

namespace cli {

// What one configuration query on a port found.
struct Probe {
    enum class Found {
        Module,   // a whole report came back
        Silent,   // the port opened, and nothing that ends a report came in time
        Busy,     // another program has the port
        Missing,  // no such device
        Failed,   // the port could not be opened for another reason (error says why)
    };
    Found found = Found::Silent;
    std::string report;  // the lines received, each with its "\r\n"
    std::string error;
};

// Opens the port at 19200 8N1, sends the configuration query (only that: a
// module that answers is not put into its configuration session), waits for
// the line that ends a report until nothing has come for timeoutMs (six times
// that at most), and closes the port.
Probe ProbeForReport(const std::string& device, int timeoutMs);

}  // namespace cli

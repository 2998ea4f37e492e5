#pragma once

#include <string>
#include <vector>

#include "ModuleJob.h"

namespace cli {

// A field the check found different: what was written, what the module
// reports now (as read prints them).
struct Mismatch {
    std::string field;
    wifi::Json wrote;
    wifi::Json read;
};

// A form value as output shows it: the key masked unless asked.
wifi::Json ShownValue(const std::string& field, const wifi::Json& value, bool logSecrets);
// The same as JSON text, for messages.
std::string Shown(const std::string& field, const wifi::Json& value, bool logSecrets);

struct Verification {
    int exit = kOk;
    // "verify: ssid differs (wrote \"A\", the module has \"B\")", or why the
    // module could not be read.
    std::string error;
    std::vector<Mismatch> mismatches;
};

// Whether the device is there now: a path that exists; on Windows a COM port
// that opens or that another program has open (Wine's COM ports and some
// virtual ones are in no list, and an open is what settles it).
bool DevicePresent(const std::string& port);
// What tells one plugging-in of the device from the next: where a link leads
// and when the link and the device node were made (a replugged adapter gets a
// new node, a new module on a production line a new link). Empty when the
// device is not there. On Windows the name alone, unchecked: a port is not
// opened again and again to see whether it is there (each open may toggle a
// module's reset line); the query finds a missing one.
std::string DeviceIdentity(const std::string& port);

// Reads the module again on a new connection and compares the form its report
// gives with the form that was written, field by field (texts in bytes). A
// module may restart after its save: the read is retried for up to
// spec.timeoutSeconds, while the device is gone or silent. The protocol has no
// report key and is not compared.
Verification VerifyWrite(const JobSpec& spec, const JobResult& written);

}  // namespace cli

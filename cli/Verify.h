#pragma once

#include <string>
#include <vector>

#include "ModuleJob.h"

namespace cli {

// A form value as output shows it: the key masked unless asked.
wifi::Json ShownValue(const std::string& field, const wifi::Json& value, bool logSecrets);
// The same as JSON text, for messages.
std::string Shown(const std::string& field, const wifi::Json& value, bool logSecrets);

// A field the read-back did not find as written, for a record:
// {"field", "wrote", "read"} as read prints values, "read" null when it
// cannot be told (then "reported", the raw value, if any); the key masked
// unless asked.
wifi::Json ReadBackJson(const wifi::ReadBackField& field, bool logSecrets);

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

}  // namespace cli

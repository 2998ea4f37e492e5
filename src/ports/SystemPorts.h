#pragma once

#include <filesystem>
#include <vector>

#include "ports/PortInfo.h"

namespace wifi {

// Every serial port this system reports now, as port records; one source
// per system:
// - Linux: /sys/class/tty with the USB device's attributes, and the
//   /dev/serial/by-id names as stable names;
// - Windows: SetupAPI's Ports class (friendly name, manufacturer, USB ids,
//   serial number), the ports HARDWARE\DEVICEMAP\SERIALCOMM names, and those
//   of COM1 to COM16 the system knows as devices;
// - macOS: the /dev/cu.* devices, names only.
std::vector<PortInfo> SystemPorts();

// Whether a port the list may not show is there: a path that exists; on
// Windows a COM port that opens, or that another program has open (Wine's
// ports and some virtual ones are in no list).
bool PortExists(const std::string& device);

// The Linux source over any folders: `classTty` as /sys/class/tty and `dev`
// as /dev. A serial port is an entry with a device behind it; of the
// 8250-style UARTs only those with a chip (type not 0).
std::vector<PortInfo> SysfsPorts(const std::filesystem::path& classTty,
                                 const std::filesystem::path& dev);

}  // namespace wifi

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace wifi {

// The systems whose serial ports are listed differently.
enum class PortSystem { Windows, MacOS, Other };
PortSystem ThisSystem();

// What the system reports of one serial port.
struct SerialPortInfo {
    QString device;  // "COM3" on Windows, a path elsewhere
};
// Every serial port the system reports now.
std::vector<SerialPortInfo> SystemPorts();

// The port list's entries:
// - Windows: "COM1" to "COM16", as the module's users always had them, then
//   any port the system reports beyond them (a USB adapter on COM17);
// - macOS: the call-out devices (/dev/cu.*) only, not their /dev/tty.* twins;
// - elsewhere: the devices the system reports, in a stable order;
// then the devices named on the command line that are not among them.
QStringList PortEntries(PortSystem system, const std::vector<SerialPortInfo>& reported,
                        const QStringList& named);

// The entries for this system, now.
QStringList AvailablePorts(const QStringList& named);

}  // namespace wifi

#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace wifi {

// The systems whose serial ports are listed differently.
enum class PortSystem { Windows, MacOS, Other };
PortSystem ThisSystem();

// What the system reports of one serial port. The texts are empty and the
// ids unset where the system does not know them (a built-in UART).
struct SerialPortInfo {
    QString device;  // "COM3" on Windows, a path elsewhere
    QString description;
    QString manufacturer;
    QString serialNumber;
    std::optional<quint16> vid;
    std::optional<quint16> pid;
};
// Every serial port the system reports now.
std::vector<SerialPortInfo> SystemPorts();

// The ports the system reports that a user would pick from: on macOS the
// call-out devices (/dev/cu.*) only, not their /dev/tty.* twins; in a stable
// order (COM17 after COM9).
std::vector<SerialPortInfo> ListedPorts(PortSystem system,
                                        const std::vector<SerialPortInfo>& reported);

// The port list's devices:
// - Windows: "COM1" to "COM16", as the module's users always had them, then
//   any port the system reports beyond them (a USB adapter on COM17);
// - elsewhere: the listed ports;
// then the devices named on the command line that are not among them.
QStringList PortEntries(PortSystem system, const std::vector<SerialPortInfo>& reported,
                        const QStringList& named);

// "ttyUSB0 — CH340 USB-Serial (1a86:7523)": the device's short name, what it
// is, and its USB ids; the short name alone when the system knows nothing
// more.
QString PortEntryText(const SerialPortInfo& info);
// "1a86": four lower-case hex digits.
QString UsbId(quint16 id);

// The reported information of a device, or the device name alone.
SerialPortInfo InfoOf(const QString& device, const std::vector<SerialPortInfo>& reported);

}  // namespace wifi

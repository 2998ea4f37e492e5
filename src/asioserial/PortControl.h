#pragma once

#include <asio/serial_port.hpp>
#include <memory>
#include <string>
#include <system_error>

#include "serial/CommError.h"

namespace wifi {

// What differs between systems in opening a serial port; one file per system.

// The name the system opens a device by: "\\.\COM10" for "COM10" on Windows
// (COM10 and above exist only under that name), the path elsewhere.
std::string SystemDeviceName(const std::string& device);
// After the open: keeps other programs off the port while it is open, so that
// a second open fails as a busy port's does. The claim lasts as long as the
// returned token (or the open port itself); `failed` says when the port is
// taken already.
std::shared_ptr<void> TakePort(asio::serial_port& port, const std::string& device,
                               std::error_code& failed);
// Discards every byte received and not yet read, in the device too.
void DiscardInput(asio::serial_port& port);
// A path that exists and is no character device (a file, a folder, a FIFO):
// nothing to open as a port, and a FIFO's open could block.
bool IsNoSerialPort(const std::string& device);
// What kind of failure an open met, and its words: "no such device",
// "port busy: another program is using it".
CommFailure OpenFailureKind(const std::error_code& error, const std::string& device);

}  // namespace wifi

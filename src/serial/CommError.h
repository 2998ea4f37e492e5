#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace wifi {

// What kind of failure a port operation met, so that a front end can say it
// in its own words.
enum class CommFailure {
    Other,
    NoPortSelected,
    NoSuchDevice,
    Busy,              // another program has the port
    PermissionDenied,  // the user may not open the device
    Unplugged,         // the device went away or the line hung up
    PortClosed,        // an access that needs an open port
    NotASerialPort,    // a regular file, a folder, a FIFO, /dev/null
};

// Raised by a communications control when a property access fails (no such
// port, port busy, permission denied, port closed on transmit). The handler in
// progress ends there; what it had already changed stays changed. what() is a
// description for the command line and logs; kind(), port() and detail() (the
// system's own text) let the window say the same in its language.
class CommError : public std::runtime_error {
  public:
    explicit CommError(const std::string& description, CommFailure kind = CommFailure::Other,
                       std::string port = {}, std::string detail = {})
        : std::runtime_error(description),
          kind_(kind),
          port_(std::move(port)),
          detail_(std::move(detail)) {}

    CommFailure kind() const { return kind_; }
    const std::string& port() const { return port_; }
    const std::string& detail() const { return detail_; }

  private:
    CommFailure kind_;
    std::string port_;
    std::string detail_;
};

}  // namespace wifi

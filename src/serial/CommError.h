#pragma once

#include <stdexcept>
#include <string>

namespace wifi {

// Raised by a communications control when a property access fails (no such
// port, port busy, permission denied, port closed on transmit). The handler in
// progress ends there; what it had already changed stays changed, and the
// window shows what() to the user.
class CommError : public std::runtime_error {
  public:
    explicit CommError(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace wifi

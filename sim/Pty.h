#pragma once

#include <string>

namespace sim {

// A pseudo-terminal in raw mode. The simulator keeps the terminal side open
// itself, so that a client closing it does not make the other side report a
// hang-up, and the next client finds the line as a device would leave it.
class Pty {
  public:
    Pty() = default;
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    ~Pty();

    // False, with a reason in error, when no terminal could be had.
    bool Open(std::string& error);
    // Closes both sides: the client's reads fail as on an unplugged device.
    void HangUp();

    int master() const { return master_; }
    const std::string& path() const { return path_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

}  // namespace sim

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wifi {

using Bytes = std::vector<std::uint8_t>;

// Our own interface to the serial port, named as the communications control
// it stands for: the set of properties the program uses and nothing more.
// Each call is one property access; a failing access throws CommError.
class CMSComm {
  public:
    // CommEvent value for "data received".
    static constexpr short comEvReceive = 2;
    // InputMode value for binary input (Input yields bytes, not text).
    static constexpr long comInputModeBinary = 1;

    virtual ~CMSComm() = default;

    virtual void SetCommPort(short port) = 0;
    virtual void SetInputMode(long mode) = 0;
    virtual void SetInBufferSize(short size) = 0;
    virtual void SetOutBufferSize(short size) = 0;
    virtual void SetSettings(const std::string& settings) = 0;
    virtual void SetPortOpen(bool open) = 0;
    virtual bool GetPortOpen() = 0;
    virtual void SetRThreshold(short threshold) = 0;
    virtual void SetInputLen(short length) = 0;
    // Every byte buffered at this moment, at most InBufferSize of them. Bytes
    // that waited in the device before PortOpen became true are never among
    // them: the read right after the open discards nothing older.
    virtual Bytes GetInput() = 0;
    virtual void SetOutput(const Bytes& bytes) = 0;
    // 0 discards every byte received and not yet read, in the device too.
    virtual void SetInBufferCount(short count) = 0;
    virtual short GetCommEvent() = 0;
};

}  // namespace wifi

#pragma once

#include <array>
#include <asio/serial_port.hpp>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "asioserial/EventPump.h"
#include "serial/CMSComm.h"
#include "serial/CommError.h"
#include "serial/PortSettings.h"

namespace wifi {

// The communications control on Asio's serial_port, for every system. Port
// numbers are positions in a port list (1 is its first entry); portName turns
// one into a device ("/dev/ttyUSB0", "COM7"). A failing access throws
// CommError that names the port and the reason.
//
// A read is always waiting while the port is open. What it brings is kept
// and announced through the pump: onReceive runs (GetCommEvent says 2) once
// the work in progress has returned. GetInput first runs the reads that have
// come back, so that a look for input before a command sees what has
// arrived. When the device goes away or the line hangs up, the port closes at
// once and onLost runs once.
class AsioComm : public CMSComm {
  public:
    AsioComm(EventPump& pump, std::function<std::string(int)> portName);
    ~AsioComm() override;

    void SetCommPort(short port) override;
    void SetInputMode(long mode) override;
    void SetInBufferSize(short size) override;
    void SetOutBufferSize(short size) override;
    void SetSettings(const std::string& settings) override;
    void SetPortOpen(bool open) override;
    bool GetPortOpen() override;
    void SetRThreshold(short threshold) override;
    void SetInputLen(short length) override;
    Bytes GetInput() override;
    void SetOutput(const Bytes& bytes) override;
    short GetCommEvent() override;
    void SetInBufferCount(short count) override;

    // The device of the open port, or of the last one tried.
    const std::string& device() const { return device_; }

    // The most that waits to be taken: past it the oldest bytes are dropped.
    static constexpr std::size_t kReceiveLimit = 64 * 1024;

    std::function<void()> onReceive;
    // The open port failed or vanished and has been closed; the error says
    // what happened (kind Unplugged, detail the system's words).
    std::function<void(const CommError&)> onLost;

  private:
    void Apply();
    void Read();
    void Received(const std::error_code& error, std::size_t count, unsigned opened);
    void Announce();
    void Close();
    CommError Failure(CommFailure kind, const std::string& what,
                      const std::error_code& error) const;
    CommError Closed() const;

    EventPump& pump_;
    std::function<std::string(int)> portNameOf_;
    asio::serial_port port_;
    std::string device_;
    std::optional<PortSettings> settings_;
    std::shared_ptr<void> claim_;  // keeps other programs off the open port
    short commPort_ = 0;
    std::size_t inBufferSize_ = 1024;
    short event_ = 0;
    std::array<std::uint8_t, 4096> chunk_{};
    Bytes received_;          // read and not yet taken by GetInput
    unsigned opened_ = 0;     // which opening a read belongs to
    bool announced_ = false;  // a receive event is on its way
};

}  // namespace wifi

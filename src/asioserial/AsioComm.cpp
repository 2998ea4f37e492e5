#include "asioserial/AsioComm.h"

#include <asio/write.hpp>

#include "asioserial/PortControl.h"

namespace wifi {

AsioComm::AsioComm(EventPump& pump, std::function<std::string(int)> portName)
    : pump_(pump), portNameOf_(std::move(portName)), port_(pump.io()) {}

AsioComm::~AsioComm() {
    Close();
}

void AsioComm::SetCommPort(short port) {
    commPort_ = port;
}

// Input is always bytes and everything available is read; nothing to set.
void AsioComm::SetInputMode(long) {}
void AsioComm::SetRThreshold(short) {}
void AsioComm::SetInputLen(short) {}
void AsioComm::SetOutBufferSize(short) {}

void AsioComm::SetInBufferSize(short size) {
    inBufferSize_ = size > 0 ? std::size_t(size) : 1024;
}

void AsioComm::SetSettings(const std::string& settings) {
    const auto parsed = ParsePortSettings(settings);
    if (!parsed) {
        throw CommError("unsupported port settings: " + settings);
    }
    settings_ = parsed;
    if (port_.is_open()) {
        Apply();
    }
}

void AsioComm::Apply() {
    if (!settings_) {
        return;
    }
    using asio::serial_port_base;
    const PortSettings& s = *settings_;
    std::error_code failed;
    port_.set_option(serial_port_base::baud_rate(unsigned(s.baud)), failed);
    if (!failed) {
        port_.set_option(serial_port_base::character_size(unsigned(s.dataBits)), failed);
    }
    if (!failed) {
        port_.set_option(serial_port_base::parity(s.parity == PortSettings::Parity::Even
                                                      ? serial_port_base::parity::even
                                                  : s.parity == PortSettings::Parity::Odd
                                                      ? serial_port_base::parity::odd
                                                      : serial_port_base::parity::none),
                         failed);
    }
    if (!failed) {
        port_.set_option(
            serial_port_base::stop_bits(s.stopBits == 2 ? serial_port_base::stop_bits::two
                                                        : serial_port_base::stop_bits::one),
            failed);
    }
    if (!failed) {
        port_.set_option(serial_port_base::flow_control(serial_port_base::flow_control::none),
                         failed);
    }
    if (failed) {
        // A device that takes no line settings at all (/dev/null) is no port.
        const bool noTerminal = failed == std::errc::inappropriate_io_control_operation;
        const CommError error =
            noTerminal ? Failure(CommFailure::NotASerialPort, "not a serial port", failed)
                       : Failure(CommFailure::Other, "the port refused its settings", failed);
        Close();
        throw error;
    }
}

void AsioComm::SetPortOpen(bool open) {
    if (!open) {
        Close();
        return;
    }
    if (port_.is_open()) {
        throw CommError(device_ + ": port already open", CommFailure::Busy, device_);
    }
    const std::string name = commPort_ > 0 ? portNameOf_(commPort_) : std::string();
    if (name.empty()) {
        throw commPort_ <= 0
            ? CommError("no port selected: choose one in the port list",
                        CommFailure::NoPortSelected)
            : CommError("no such port: " + std::to_string(commPort_), CommFailure::NoSuchDevice);
    }
    device_ = name;
    if (IsNoSerialPort(name)) {
        throw CommError(device_ + ": not a serial port", CommFailure::NotASerialPort, device_);
    }
    std::error_code failed;
    port_.open(SystemDeviceName(name), failed);
    if (!failed) {
        claim_ = TakePort(port_, name, failed);
        if (failed) {
            std::error_code ignored;
            port_.close(ignored);
        }
    }
    if (failed) {
        const CommFailure kind = OpenFailureKind(failed, name);
        switch (kind) {
            case CommFailure::NoSuchDevice: throw Failure(kind, "no such device", failed);
            case CommFailure::Busy:
                throw Failure(kind, "port busy: another program is using it", failed);
            case CommFailure::PermissionDenied:
                throw Failure(kind, "permission denied: add the user to the dialout group", failed);
            case CommFailure::NotASerialPort: throw Failure(kind, "not a serial port", failed);
            default: throw Failure(kind, failed.message(), failed);
        }
    }
    Apply();
    // Bytes that waited in the device before the open (an earlier report's
    // tail, a stale "CONNECTED") are discarded at the device itself: the
    // first read after the open sees only what came since.
    DiscardInput(port_);
    received_.clear();
    event_ = 0;
    ++opened_;
    Read();
}

bool AsioComm::GetPortOpen() {
    return port_.is_open();
}

void AsioComm::Read() {
    const unsigned opened = opened_;
    port_.async_read_some(asio::buffer(chunk_),
                          [this, opened](const std::error_code& error, std::size_t count) {
                              Received(error, count, opened);
                          });
}

void AsioComm::Received(const std::error_code& error, std::size_t count, unsigned opened) {
    if (opened != opened_ || !port_.is_open()) {
        return;  // a read of an earlier opening, ended by its close
    }
    if (!error) {
        received_.insert(received_.end(), chunk_.begin(),
                         chunk_.begin() + static_cast<std::ptrdiff_t>(count));
        // A line that floods faster than the program takes it (a virtual port
        // or a bridge without pacing) cannot grow memory: the oldest bytes go,
        // as the receive buffer drops them.
        if (received_.size() > kReceiveLimit) {
            received_.erase(received_.begin(),
                            received_.end() - static_cast<std::ptrdiff_t>(kReceiveLimit));
        }
        Announce();
        Read();
        return;
    }
    // Any failure of an open port is, in practice, the device gone: a USB
    // adapter pulled, or the far side of the line hung up.
    const CommError lost(
        device_ + ": the device was unplugged or the line hung up (" + error.message() + ")",
        CommFailure::Unplugged, device_, error.message());
    Close();
    pump_.Defer([this, lost] {
        if (onLost) {
            onLost(lost);
        }
    });
}

void AsioComm::Announce() {
    if (announced_ || received_.empty()) {
        return;
    }
    announced_ = true;
    const unsigned opened = opened_;
    pump_.Defer([this, opened] {
        announced_ = false;
        if (opened != opened_ || !port_.is_open() || received_.empty()) {
            return;  // taken already, or closed since
        }
        event_ = comEvReceive;
        if (onReceive) {
            onReceive();
        }
    });
}

Bytes AsioComm::GetInput() {
    if (!port_.is_open()) {
        throw Closed();
    }
    // Reads that came back while a handler was busy (the pause before a
    // command) belong here too.
    pump_.PollCompletions();
    if (!port_.is_open()) {
        throw Closed();
    }
    const std::size_t n = std::min(received_.size(), inBufferSize_);
    Bytes bytes(received_.begin(), received_.begin() + static_cast<std::ptrdiff_t>(n));
    received_.erase(received_.begin(), received_.begin() + static_cast<std::ptrdiff_t>(n));
    Announce();  // more than one buffer's worth: the rest in the next event
    return bytes;
}

void AsioComm::SetOutput(const Bytes& bytes) {
    if (!port_.is_open()) {
        throw Closed();
    }
    std::error_code failed;
    asio::write(port_, asio::buffer(bytes), failed);
    if (failed) {
        throw Failure(CommFailure::Other, failed.message(), failed);
    }
}

void AsioComm::SetInBufferCount(short count) {
    if (count == 0 && port_.is_open()) {
        pump_.PollCompletions();
        DiscardInput(port_);
        received_.clear();
    }
}

short AsioComm::GetCommEvent() {
    return event_;
}

void AsioComm::Close() {
    if (port_.is_open()) {
        std::error_code ignored;
        port_.cancel(ignored);
        port_.close(ignored);
    }
    claim_.reset();
    received_.clear();
}

CommError AsioComm::Failure(CommFailure kind, const std::string& what,
                            const std::error_code& error) const {
    return CommError(device_ + ": " + what, kind, device_, error.message());
}

CommError AsioComm::Closed() const {
    return CommError(device_ + ": port is closed", CommFailure::PortClosed, device_);
}

}  // namespace wifi

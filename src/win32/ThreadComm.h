#pragma once

#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "asioserial/AsioComm.h"
#include "asioserial/EventPump.h"

namespace wifi {

// The serial port for a window: Asio's port on a thread of its own, whose
// event loop waits for the line while the window's loop waits for the user.
// Every access from the window runs on that thread and returns its result
// (or its CommError), so the port is only ever touched there. What the port
// announces (bytes received, the device gone) is told through onReceive and
// onLost on the port's thread: a window posts it to itself.
class ThreadComm : public CMSComm {
  public:
    explicit ThreadComm(std::function<std::string(int)> portName);
    ~ThreadComm() override;

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
    std::string device();

    // Called on the port's thread.
    std::function<void()> onReceive;
    std::function<void(const CommError&)> onLost;

  private:
    template <class F>
    auto Call(F f) -> decltype(f());

    EventPump pump_;
    std::unique_ptr<AsioComm> comm_;
    bool stopping_ = false;  // touched on the port's thread only
    std::thread thread_;
};

}  // namespace wifi

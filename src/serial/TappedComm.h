#pragma once

#include <functional>
#include <string>

#include "serial/CMSComm.h"
#include "serial/TrafficFormat.h"

namespace wifi {

// Passes every access through to the real control and tells each line sent,
// and each line received once its line end has come, with its line end.
class TappedComm : public CMSComm {
  public:
    using Listener = std::function<void(LineDirection, const std::string& line)>;
    TappedComm(CMSComm& inner, Listener listener) : inner_(inner), listener_(std::move(listener)) {}

    void SetCommPort(short port) override { inner_.SetCommPort(port); }
    void SetInputMode(long mode) override { inner_.SetInputMode(mode); }
    void SetInBufferSize(short size) override { inner_.SetInBufferSize(size); }
    void SetOutBufferSize(short size) override { inner_.SetOutBufferSize(size); }
    void SetSettings(const std::string& settings) override { inner_.SetSettings(settings); }
    void SetPortOpen(bool open) override;
    bool GetPortOpen() override { return inner_.GetPortOpen(); }
    void SetRThreshold(short threshold) override { inner_.SetRThreshold(threshold); }
    void SetInputLen(short length) override { inner_.SetInputLen(length); }
    short GetCommEvent() override { return inner_.GetCommEvent(); }
    void SetInBufferCount(short count) override { inner_.SetInBufferCount(count); }
    Bytes GetInput() override;
    void SetOutput(const Bytes& bytes) override;

  private:
    CMSComm& inner_;
    Listener listener_;
    std::string partial_;  // received bytes of a line not yet ended
    bool opened_ = false;
};

}  // namespace wifi
